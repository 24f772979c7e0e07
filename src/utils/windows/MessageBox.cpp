#include "MessageBox.h"

#include "PaletteUtils.h"
#include "UiDefaults.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QQueue>

namespace quillmark::utils {

namespace {
QQueue<MessageBox::Answer> queuedAnswers;
QList<MessageBox::Record> records;
QHash<QMessageBox::StandardButton, QString> buttonTexts;
} // namespace

void MessageBox::setButtonTexts(const QString &ok, const QString &yes, const QString &no, const QString &cancel)
{
    buttonTexts = {{QMessageBox::Ok, ok},
                   {QMessageBox::Yes, yes},
                   {QMessageBox::No, no},
                   {QMessageBox::Cancel, cancel}};
}

void MessageBox::setNextAnswer(Answer answer)
{
    queuedAnswers.enqueue(answer);
}

QList<MessageBox::Record> MessageBox::takeRecords()
{
    return std::exchange(records, {});
}

void MessageBox::error(QWidget *parent, const QString &text, const QString &title)
{
    show(Error, parent, text, title, nullptr);
}

void MessageBox::warning(QWidget *parent, const QString &text, const QString &title)
{
    show(Warning, parent, text, title, nullptr);
}

MessageBox::Answer MessageBox::question(QWidget *parent, const QString &text, const QString &title)
{
    return show(Question, parent, text, title, nullptr);
}

MessageBox::Answer MessageBox::okCancel(QWidget *parent, QWidget *content, const QString &title)
{
    return show(OkCancel, parent, QString(), title, content);
}

MessageBox::Answer MessageBox::show(Kind kind, QWidget *parent, const QString &text, const QString &title,
                                    QWidget *content)
{
    if (!queuedAnswers.isEmpty()) {
        records.append({kind, title, text});
        return queuedAnswers.dequeue();
    }

    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowTitle(title);
    box->setText(text);
    // An address or a path in a message can be copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PaletteUtils::setColors(box,
                            {{QPalette::Window, UiDefaults::getColor(UiDefaults::OPTION_PANE_BACKGROUND)},
                             {QPalette::WindowText, UiDefaults::getColor(UiDefaults::OPTION_PANE_MESSAGE_FOREGROUND)}});
    switch (kind) {
    case Error:
        box->setIcon(QMessageBox::Critical);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case Warning:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case Question:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case OkCancel:
        box->setIcon(QMessageBox::NoIcon);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        if (auto *grid = qobject_cast<QGridLayout *>(box->layout()); grid && content)
            grid->addWidget(content, 0, 0, 1, grid->columnCount());
        break;
    }
    for (auto it = buttonTexts.cbegin(); it != buttonTexts.cend(); ++it) {
        if (QAbstractButton *button = box->button(it.key()); button && !it.value().isEmpty())
            button->setText(it.value());
    }
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setEscapeButton(kind == Question ? QMessageBox::No
                                          : (kind == OkCancel ? QMessageBox::Cancel : QMessageBox::Ok));
    box->exec();
    if (!box)
        return Closed;
    const QAbstractButton *clicked = box->clickedButton();
    Answer answer = Closed;
    if (clicked == box->button(QMessageBox::Ok))
        answer = Ok;
    else if (clicked == box->button(QMessageBox::Cancel))
        answer = Cancel;
    else if (clicked == box->button(QMessageBox::Yes))
        answer = Yes;
    else if (clicked == box->button(QMessageBox::No))
        answer = No;
    if (content)
        content->setParent(nullptr);
    delete box;
    return answer;
}

} // namespace quillmark::utils
