#include "MyMenuItem.h"

#include "Anchor.h"
#include "BlankIcon.h"

#include <QAction>
#include <QKeySequence>

namespace quillmark::utils {

namespace {

// Our texts are literal: an "&" in a translation must not become a mnemonic.
QString withMnemonic(const QString &text, int mnemonic)
{
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&&"));
    if (mnemonic <= 0 || mnemonic > 0xffff)
        return escaped;
    const QChar key{char16_t(mnemonic)};
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped.at(i) == u'&') {
            ++i;
            continue;
        }
        if (escaped.at(i).toCaseFolded() == key.toCaseFolded()) {
            escaped.insert(i, u'&');
            break;
        }
    }
    return escaped;
}

// Steps shared by every factory: listener, mnemonic, command, accelerator, enabled.
QAction *finish(QAction *item, const QString &text, const ActionListener &listener, const QString &actionCommand,
                int mnemonic, bool enabled, int acceleratorKey)
{
    item->setText(withMnemonic(text, mnemonic));
    if (listener) {
        QObject::connect(item, &QAction::triggered, item, [item, listener] {
            listener(ActionEvent{item, MyMenuItem::actionCommand(item)});
        });
    }
    item->setData(actionCommand);
    item->setObjectName(actionCommand);
    if (acceleratorKey != 0)
        item->setShortcut(QKeySequence(QKeyCombination(Qt::CTRL, Qt::Key(acceleratorKey))));
    if (!enabled)
        item->setEnabled(false);
    return item;
}

} // namespace

QAction *MyMenuItem::createMenuItemWithIcon(const QString &text, const QString &imagePath,
                                            const ActionListener &listener, const QString &actionCommand, bool enabled,
                                            int acceleratorKey, int mnemonic, QObject *parent)
{
    auto *item = new QAction(parent);
    item->setIcon(imagePath.isEmpty() ? BlankIcon::icon() : Anchor::icon(imagePath));
    return finish(item, text, listener, actionCommand, mnemonic, enabled, acceleratorKey);
}

QAction *MyMenuItem::createMenuItem(const QString &text, const ActionListener &listener, const QString &actionCommand,
                                    int mnemonic, bool enabled, int acceleratorKey, QObject *parent)
{
    return finish(new QAction(parent), text, listener, actionCommand, mnemonic, enabled, acceleratorKey);
}

QAction *MyMenuItem::createJCheckBoxMenuItem(const QString &text, const ActionListener &listener,
                                             const QString &actionCommand, int mnemonic, bool enabled,
                                             int acceleratorKey, QObject *parent)
{
    auto *item = new QAction(parent);
    item->setCheckable(true);
    item->setChecked(false);
    return finish(item, text, listener, actionCommand, mnemonic, enabled, acceleratorKey);
}

QString MyMenuItem::actionCommand(const QAction *item)
{
    return item ? item->data().toString() : QString();
}

} // namespace quillmark::utils
