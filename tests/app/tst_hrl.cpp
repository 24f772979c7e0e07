#include "Clock.h"
#include "FreshStoreTest.h"
#include "GuiPreferences.h"
#include "HRL.h"
#include "IconLabel.h"
#include "LineBorderPanel.h"
#include "TimeZoneObject.h"
#include "UserPreferences.h"
#include "Utc.h"
#include "WindowEvents.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace quillmark::hrl;
using quillmark::utils::GuiPreferences;

// The main window, offscreen, with a store of its own (TZ=America/New_York, English).
class TestHRL : public FreshStoreTest
{
    Q_OBJECT

    static UserPreferences prefs() { return UserPreferences(HRL::MAIN_CLASS); }

    void tearDown() override { Clock::reset(); }

private Q_SLOTS:

    void freshStoreOpensWithDefaults()
    {
        HRL hrl;
        QCOMPARE(hrl.windowPosition(), QPoint(50, 50));
        const Qt::WindowFlags flags = hrl.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool); // no task-bar button
        QVERIFY(hrl.isVisible());
        QCOMPARE(hrl.windowTitle(), QStringLiteral("Horalia"));

        // The local zone first, then a preset without it; stacked vertically, no panels.
        QStringList names;
        for (const auto &zone : hrl.getTimeZoneObjects())
            names << zone->zoneId();
        QCOMPARE(names, QStringList({QStringLiteral("America/New_York"), QStringLiteral("America/Los_Angeles"),
                                     QStringLiteral("Europe/London"), QStringLiteral("Australia/Sydney")}));
        QVERIFY(hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>().isEmpty());
        QVERIFY(hrl.height() > hrl.width());
    }

    void storedSettingsShape()
    {
        auto uP = prefs();
        uP.setTimeZones(QStringLiteral("Asia/Tokyo;Europe/Paris"));
        uP.setVerticalLayout(false);
        uP.setOnTaskBar(true);
        uP.setAlwaysOnTop(false);
        GuiPreferences(HRL::MAIN_CLASS).setMainWindowLocation(300, 200);
        HRL hrl;
        QCOMPARE(hrl.windowPosition(), QPoint(300, 200));
        QCOMPARE(hrl.windowFlags() & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(!hrl.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(hrl.getTimeZoneObjects().size(), size_t(2));
        const auto panels = hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>();
        QCOMPARE(panels.size(), 2);
        // Side by side, in list order.
        QVERIFY(panels.at(0)->geometry().right() < panels.at(1)->geometry().left());
        QCOMPARE(hrl.getTimeZoneObjects().front()->getNameLbl()->parentWidget(), panels.at(0));
        QVERIFY(hrl.width() > hrl.height());
    }

    void oneTickOneInstantForAll()
    {
        auto uP = prefs();
        uP.setTimeZones(QStringLiteral("Asia/Tokyo;Europe/London;America/New_York"));
        uP.setTimePattern(QStringLiteral("HH:mm:ss"));
        HRL hrl;
        const QDateTime instant = utc(2026, 12, 8, 10, 0, 5);
        Clock::setSource([=] { return instant; });
        hrl.tickNow();
        QStringList times;
        for (const auto &zone : hrl.getTimeZoneObjects())
            times << zone->getTimeLbl()->text();
        QCOMPARE(times,
                 QStringList({QStringLiteral("19:00:05"), QStringLiteral("10:00:05"), QStringLiteral("05:00:05")}));
    }

    void resetViewRebuildsFromTheStore()
    {
        auto uP = prefs();
        uP.setTimeZones(QStringLiteral("Asia/Tokyo"));
        HRL hrl;
        QCOMPARE(hrl.getTimeZoneObjects().size(), size_t(1));
        uP.setTimeZones(QStringLiteral("Asia/Tokyo;Europe/Paris;Africa/Cairo"));
        uP.setVerticalLayout(false);
        GuiPreferences(HRL::MAIN_CLASS).setMainWindowLocation(120, 130);
        hrl.resetView(false);
        QCOMPARE(hrl.getTimeZoneObjects().size(), size_t(3));
        QCOMPARE(hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>().size(), 3);
        QCOMPARE(hrl.windowPosition(), QPoint(50, 50));
        hrl.resetView(true);
        QCOMPARE(hrl.windowPosition(), QPoint(120, 130));
        QVERIFY(hrl.isVisible());
        // Many rebuilds leave exactly one clock area behind.
        for (int i = 0; i < 20; ++i)
            hrl.resetView(false);
        QCOMPARE(hrl.findChildren<QLabel *>().size(), 3 * 4);
    }

    void darkModeColours()
    {
        auto uP = prefs();
        uP.setTimeZones(QStringLiteral("Asia/Tokyo"));
        uP.setDarkMode(true);
        uP.setVerticalLayout(false);
        HRL hrl;
        const auto panels = hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>();
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.at(0)->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(panels.at(0)->autoFillBackground());
        QCOMPARE(hrl.getClockArea()->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(hrl.getTimeZoneObjects().front()->getTimeLbl()->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
    }

    void positionIsStoredNeverNegative()
    {
        HRL hrl;
        hrl.placeAt(QPoint(-30, 15));
        hrl.saveWindowSettings();
        QCOMPARE(GuiPreferences(HRL::MAIN_CLASS).getMainWindowLocation(50, 50), QPoint(0, 15));
        hrl.placeAt(QPoint(700, 400));
        hrl.saveWindowSettings();
        QCOMPARE(GuiPreferences(HRL::MAIN_CLASS).getMainWindowLocation(50, 50), QPoint(700, 400));
    }

    void onlyMovesOfAWindowAllOnTheScreenAreStored()
    {
        prefs().setTimeZones(QStringLiteral("Asia/Tokyo"));
        HRL hrl;
        QVERIFY(hrl.width() < 200 && hrl.height() < 300);
        // Moves as a window manager makes them for its user.
        hrl.move(300, 200);
        hrl.move(750, 200);
        hrl.saveWindowSettings();
        QCOMPARE(storedPosition(), QPoint(750, 200));
        // From there, partly off the screen, a move is the window manager's own doing.
        hrl.move(600, 200);
        hrl.saveWindowSettings();
        QCOMPARE(storedPosition(), QPoint(750, 200));
        // So is any move of a window taller than the screen.
        prefs().setTimeZones(QStringList(20, QStringLiteral("Asia/Tokyo")).join(u';'));
        hrl.placeAt(QPoint(50, 50));
        hrl.resetView(false);
        QVERIFY(hrl.height() > 600);
        hrl.move(50, -100);
        hrl.saveWindowSettings();
        QCOMPARE(storedPosition(), QPoint(50, 50));
    }

    // The offscreen screen is 800 x 600.
    void storedPositionOnNoScreen_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("far right and below") << QPoint(5000, 5000);
        QTest::newRow("far left") << QPoint(-3000, 40);
        QTest::newRow("far up and left") << QPoint(-100000, -100000);
    }
    void storedPositionOnNoScreen()
    {
        QFETCH(QPoint, stored);
        auto uP = prefs();
        uP.setTimeZones(QStringLiteral("Asia/Tokyo;Europe/Paris"));
        GuiPreferences(HRL::MAIN_CLASS).setMainWindowLocation(stored.x(), stored.y());
        HRL hrl;
        QCOMPARE(hrl.pos(), QPoint(50, 50));
        QCOMPARE(hrl.windowPosition(), QPoint(50, 50));
        QVERIFY(hrl.isAtFallbackPosition());

        // Exit, a click without a drag and Reset View keep what was stored.
        hrl.saveWindowSettings();
        sendMouse(&hrl, QEvent::MouseButtonPress, QPoint(10, 20), QPoint(60, 70));
        sendMouse(&hrl, QEvent::MouseButtonRelease, QPoint(10, 20), QPoint(60, 70));
        QCOMPARE(storedPosition(), stored);
        uP.setTimePattern(QStringLiteral("HH:mm:ss"));
        hrl.actionPerformed(QStringLiteral("ResetView"));
        QCOMPARE(uP.getTimePattern(QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(storedPosition(), stored);
        QCOMPARE(hrl.pos(), QPoint(50, 50));
        QVERIFY(hrl.isAtFallbackPosition());

        // A drag places the window: that position is stored, and so is any later one.
        sendMouse(&hrl, QEvent::MouseButtonPress, QPoint(10, 20), QPoint(60, 70));
        sendMouse(&hrl, QEvent::MouseMove, QPoint(10, 20), QPoint(110, 120));
        QVERIFY(!hrl.isAtFallbackPosition());
        QCOMPARE(storedPosition(), stored);
        sendMouse(&hrl, QEvent::MouseButtonRelease, QPoint(10, 20), QPoint(110, 120));
        QCOMPARE(storedPosition(), QPoint(100, 100));
        hrl.actionPerformed(QStringLiteral("ResetView"));
        QCOMPARE(storedPosition(), QPoint(-1, -1));
        QCOMPARE(hrl.pos(), QPoint(50, 50));
        hrl.saveWindowSettings();
        QCOMPARE(storedPosition(), QPoint(50, 50));
    }

    void storedPositionPartlyOnScreenIsKept()
    {
        // 40 pixels of the window at the right edge are enough to grab it by.
        GuiPreferences(HRL::MAIN_CLASS).setMainWindowLocation(760, 100);
        HRL hrl;
        QCOMPARE(hrl.pos(), QPoint(760, 100));
        QVERIFY(!hrl.isAtFallbackPosition());
        hrl.resetView(true);
        QCOMPARE(hrl.pos(), QPoint(760, 100));
        // 20 pixels at the left edge are not.
        GuiPreferences(HRL::MAIN_CLASS).setMainWindowLocation(-hrl.width() + 20, 100);
        hrl.resetView(true);
        QCOMPARE(hrl.pos(), QPoint(50, 50));
    }
};

QTEST_MAIN(TestHRL)
#include "tst_hrl.moc"
