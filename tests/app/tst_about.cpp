// The About command: one box at a time over the window, the window locked while it is open,
// and the dark colours set for the box alone.
#include "AboutBoxDialog.h"
#include "ColorRoles.h"
#include "FreshStoreTest.h"
#include "HRL.h"
#include "IconLabel.h"
#include "MyJButtonWithImage.h"
#include "StartupBox.h"
#include "UiDefaults.h"
#include "UserPreferences.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;
using quillmark::utils::AboutBoxDialog;
using quillmark::utils::ColorRoles;
using quillmark::utils::UiDefaults;

namespace {

QAction *aboutItem(const HRL &hrl)
{
    for (QAction *action : hrl.getShortPopup()->actions()) {
        if (action->text() == u"About")
            return action;
    }
    return nullptr;
}

QList<AboutBoxDialog *> openBoxes(const HRL &hrl)
{
    QList<AboutBoxDialog *> open;
    for (AboutBoxDialog *box : hrl.findChildren<AboutBoxDialog *>()) {
        if (box->isVisible())
            open << box;
    }
    return open;
}

} // namespace

class TestAbout : public FreshStoreTest
{
    Q_OBJECT

private Q_SLOTS:
    void oneBoxLocksTheWindow()
    {
        HRL hrl;
        settle();
        QAction *item = aboutItem(hrl);
        QVERIFY(item);
        item->trigger();
        QCOMPARE(openBoxes(hrl).size(), 1);
        QPointer<AboutBoxDialog> box = openBoxes(hrl).constFirst();
        QVERIFY(!hrl.isEnabled());
        QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(box->getProgramName(), u"Horalia"_s);

        // Asked again (from the tray, which stays usable), the open box is the answer.
        hrl.actionPerformed(u"About"_s);
        QCOMPARE(openBoxes(hrl), QList<AboutBoxDialog *>{box.data()});

        QTest::mouseClick(box->getCloseButton(), Qt::LeftButton);
        QVERIFY(hrl.isEnabled());
        // Closed boxes do not pile up over a day of use.
        QTRY_VERIFY(!box);

        hrl.actionPerformed(u"About"_s);
        QCOMPARE(openBoxes(hrl).size(), 1);
        QVERIFY(openBoxes(hrl).constFirst()->close());
        QVERIFY(hrl.isEnabled());
    }

    void darkColoursForTheBoxOnly()
    {
        UserPreferences(HRL::MAIN_CLASS).setDarkMode(true);
        HRL hrl;
        settle();
        const QStringList keys{u"OptionPane.background"_s, u"Panel.background"_s, u"Label.foreground"_s};
        QVariantList before;
        for (const QString &key : keys)
            before << UiDefaults::get(key);

        hrl.actionPerformed(u"About"_s);
        QCOMPARE(openBoxes(hrl).size(), 1);
        AboutBoxDialog *box = openBoxes(hrl).constFirst();
        QCOMPARE(box->palette().color(QPalette::Window), ColorRoles::darkModeMenu());
        QCOMPARE(box->palette().color(QPalette::WindowText), ColorRoles::darkModeDialogText());
        QCOMPARE(box->getHomePageLink()->palette().color(QPalette::WindowText), AboutBoxDialog::DARK_LINK_COLOR);

        QVariantList after;
        for (const QString &key : keys)
            after << UiDefaults::get(key);
        QCOMPARE(after, before);
        box->dialogCleanUp();
        QVERIFY(hrl.isEnabled());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
