// "Settings" from the pop-up menu: the dialog opens over the window, and Save rebuilds the
// clocks in the new look at once. Offscreen, English, TZ=America/New_York, "now" fixed.
#include "Clock.h"
#include "ColorRoles.h"
#include "DialogParts.h"
#include "FreshStoreTest.h"
#include "HRL.h"
#include "LineBorderPanel.h"
#include "MySettings.h"
#include "StartupBox.h"
#include "TimeZoneObject.h"
#include "UserPreferences.h"
#include "Utc.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;
using quillmark::utils::ColorRoles;

namespace {

// 18:04:05 UTC: 14:04:05 in New York, 03:04:05 the next day in Tokyo.
const QDateTime Now = utc(2026, 7, 15, 18, 4, 5);

} // namespace

class TestSettingsCommand : public FreshStoreTest
{
    Q_OBJECT

    void setUp() override
    {
        Clock::setSource([] { return Now; });
        UserPreferences(HRL::MAIN_CLASS).setTimeZones(u"America/New_York;Asia/Tokyo"_s);
    }
    void tearDown() override { Clock::reset(); }

private Q_SLOTS:
    void saveRebuildsTheClocksInTheNewLookWhereTheyStood()
    {
        HRL hrl;
        settle();
        const QPoint position = hrl.windowPosition();
        const QPointer<QWidget> oldArea = hrl.getClockArea();
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            auto *dialog = qobject_cast<MySettings *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            opened = true;
            // Above the always-on-top window.
            QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            part<QRadioButton>(dialog, "horizontal_RB")->click();
            choose(part<QComboBox>(dialog, "dateFormat_CB"), u"EE, MMM d"_s);
            choose(part<QComboBox>(dialog, "timeFormat_CB"), u"HH:mm:ss"_s);
            choose(part<QComboBox>(dialog, "timeFontSize_CB"), u"24"_s);
            choose(part<QComboBox>(dialog, "darkMode_CB"), u"Yes"_s);
            QTest::mouseClick(part(dialog, "saveButton"), Qt::LeftButton);
        });
        hrl.actionPerformed(u"Settings"_s);
        QVERIFY(opened);

        QVERIFY(oldArea.isNull());
        QVERIFY(hrl.isVisible());
        QCOMPARE(hrl.windowPosition(), position);
        QCOMPARE(hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>().size(), 2);
        // No tick has run: the rebuilt clocks already show the new patterns and size.
        const auto &zones = hrl.getTimeZoneObjects();
        QCOMPARE(zones.size(), size_t(2));
        QCOMPARE(zones[0]->getTimeLbl()->text(), u"14:04:05"_s);
        QCOMPARE(zones[0]->getDateLbl()->text(), u"Wed, Jul 15"_s);
        QCOMPARE(zones[1]->getTimeLbl()->text(), u"03:04:05"_s);
        QCOMPARE(zones[1]->getDateLbl()->text(), u"Thu, Jul 16"_s);
        QCOMPARE(zones[0]->getTimeLbl()->font().pointSize(), 24);
        // Dark: the window colour, and a menu without separators.
        QCOMPARE(hrl.palette().color(QPalette::Window), ColorRoles::darkModeWindow());
        for (const QAction *action : hrl.getShortPopup()->actions())
            QVERIFY(!action->isSeparator());
    }

    void cancelLeavesTheClocksAlone()
    {
        HRL hrl;
        settle();
        const QPointer<QWidget> area = hrl.getClockArea();
        QTimer::singleShot(0, this, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            part<QRadioButton>(dialog, "horizontal_RB")->click();
            choose(part<QComboBox>(dialog, "darkMode_CB"), u"Yes"_s);
            QTest::mouseClick(part(dialog, "cancelButton"), Qt::LeftButton);
        });
        hrl.actionPerformed(u"Settings"_s);
        QVERIFY(!area.isNull());
        QCOMPARE(hrl.getClockArea(), area.data());
        UserPreferences uP(HRL::MAIN_CLASS);
        QVERIFY(uP.isVerticalLayout());
        QVERIFY(!uP.isDarkMode());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(TestSettingsCommand)
#include "tst_settingscommand.moc"
