// Message boxes speak the program's language on their buttons, keep Escape as the cautious
// answer, stand above an always-on-top window; and an owner held by several dialogs takes input
// again only when the last one lets go.
#include "MessageBox.h"
#include "OwnerLock.h"
#include "ResourceBundle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quillmark::utils;
using namespace Qt::StringLiterals;

namespace {

struct Seen
{
    QStringList buttons;
    bool onTop = false;
};

// Opens one kind of box, reads its buttons once it shows and answers it with Escape.
MessageBox::Answer openAndEscape(MessageBox::Kind kind, Seen &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const QList<QAbstractButton *> buttons = box->buttons();
        for (QAbstractButton *button : buttons)
            seen.buttons << button->text();
        seen.buttons.sort();
        seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    switch (kind) {
    case MessageBox::Error:
        MessageBox::error(nullptr, u"text"_s, u"title"_s);
        return MessageBox::Closed;
    case MessageBox::Warning:
        MessageBox::warning(nullptr, u"text"_s, u"title"_s);
        return MessageBox::Closed;
    case MessageBox::Question:
        return MessageBox::question(nullptr, u"text"_s, u"title"_s);
    case MessageBox::OkCancel:
        break;
    }
    // The box hands the caller's panel back when it closes.
    const std::unique_ptr<QWidget> panel = std::make_unique<QWidget>();
    return MessageBox::okCancel(nullptr, panel.get(), u"title"_s);
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsInTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("okOnly");
        QTest::addColumn<QStringList>("yesNo");
        QTest::addColumn<QStringList>("okCancel");
        QTest::newRow("German") << u"de_DE"_s << QStringList{u"OK"_s} << QStringList{u"Ja"_s, u"Nein"_s}
                                << QStringList{u"Abbrechen"_s, u"OK"_s};
        QTest::newRow("Hebrew") << u"iw_IL"_s << QStringList{u"אישור"_s} << QStringList{u"כן"_s, u"לא"_s}
                                << QStringList{u"אישור"_s, u"ביטול"_s};
    }

    void buttonsInTheProgramsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, okOnly);
        QFETCH(QStringList, yesNo);
        QFETCH(QStringList, okCancel);
        const ResourceBundle labels = ResourceBundle::getBundle(u"com.quillmark.hrl.lang/Lang"_s, language);
        MessageBox::setButtonTexts(labels.getString(u"button.ok"_s), labels.getString(u"button.yes"_s),
                                   labels.getString(u"button.no"_s), labels.getString(u"button.cancel"_s));

        Seen error, warning, question, choice;
        openAndEscape(MessageBox::Error, error);
        openAndEscape(MessageBox::Warning, warning);
        const MessageBox::Answer questionAnswer = openAndEscape(MessageBox::Question, question);
        const MessageBox::Answer choiceAnswer = openAndEscape(MessageBox::OkCancel, choice);

        QCOMPARE(error.buttons, okOnly);
        QCOMPARE(warning.buttons, okOnly);
        QCOMPARE(question.buttons, yesNo);
        QCOMPARE(choice.buttons, okCancel);
        // Escape stays the cautious answer whatever the buttons say.
        QCOMPARE(questionAnswer, MessageBox::No);
        QCOMPARE(choiceAnswer, MessageBox::Cancel);
        QVERIFY(error.onTop && question.onTop && choice.onTop);
    }

    void ownerTakesInputWhenTheLastDialogLetsGo()
    {
        QWidget owner;
        auto *about = new QDialog(&owner);
        OwnerLock::lock(&owner, about);
        QVERIFY(!owner.isEnabled());
        QVERIFY(about->isEnabled());

        // A second dialog over the first, created while the owner is already held.
        auto *settings = new QDialog(&owner);
        OwnerLock::lock(&owner, settings);
        QVERIFY(settings->isEnabled());
        QVERIFY(about->isEnabled());

        OwnerLock::unlock(&owner, settings);
        QVERIFY(!owner.isEnabled());
        // Closing one dialog in two ways must not let go of the other's hold.
        OwnerLock::unlock(&owner, settings);
        QVERIFY(!owner.isEnabled());
        QCOMPARE(OwnerLock::holders(&owner), 1);

        OwnerLock::unlock(&owner, about);
        QVERIFY(owner.isEnabled());
        QCOMPARE(OwnerLock::holders(&owner), 0);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
