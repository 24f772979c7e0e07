// The pop-up menu, the command dispatcher, dragging and the start without a tray, offscreen
// (where there is never a tray).
#include "ColorRoles.h"
#include "FrameDragListener.h"
#include "FreshStoreTest.h"
#include "GuiPreferences.h"
#include "HRL.h"
#include "LineBorderPanel.h"
#include "MessageBox.h"
#include "MyMenuItem.h"
#include "StartupBox.h"
#include "StdoutCapture.h"
#include "TimeZoneObject.h"
#include "UserPreferences.h"
#include "WindowEvents.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;
using quillmark::utils::ColorRoles;
using quillmark::utils::GuiPreferences;
using quillmark::utils::MessageBox;

namespace {

UserPreferences prefs()
{
    return UserPreferences(HRL::MAIN_CLASS);
}

void storeTwoClocksSideBySide()
{
    auto uP = prefs();
    uP.setTimeZones(u"Asia/Tokyo;Europe/Paris"_s);
    uP.setVerticalLayout(false);
}

QStringList itemTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? u"-"_s : action->text());
    return texts;
}

} // namespace

class TestMenus : public FreshStoreTest
{
    Q_OBJECT

    void tearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        MessageBox::takeRecords();
    }

private Q_SLOTS:

    void withoutTrayTheStartSaysSoOnce()
    {
        StdoutCapture out;
        HRL hrl;
        QVERIFY(hrl.isVisible());
        QVERIFY(!hrl.getTrayIcon());
        const QList<MessageBox::Record> boxes = settle();
        hrl.resetView(false);
        QCoreApplication::processEvents();
        QCOMPARE(out.lines().filter(u"SystemTray is not supported"_s), QStringList{u"SystemTray is not supported"_s});
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().kind, MessageBox::Error);
        QCOMPARE(boxes.first().title, u"Error"_s);
        QCOMPARE(boxes.first().text, u"System Tray is not supported."_s);
        QVERIFY(MessageBox::takeRecords().isEmpty());
    }

    void popupInLightMode()
    {
        HRL hrl;
        settle();
        const QMenu *menu = hrl.getShortPopup();
        QVERIFY(menu);
        QCOMPARE(itemTexts(menu), QStringList({u"Time Zones"_s, u"Settings"_s, u"-"_s, u"About"_s, u"-"_s,
                                               u"Reset View"_s, u"-"_s, u"Exit"_s}));
        QStringList commands;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            commands << quillmark::utils::MyMenuItem::actionCommand(action);
            QVERIFY(!action->icon().isNull());
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(action->isEnabled());
            const QImage image = action->icon().pixmap(16, 16).toImage();
            bool blank = true;
            for (int y = 0; y < image.height() && blank; ++y)
                for (int x = 0; x < image.width() && blank; ++x)
                    blank = image.pixelColor(x, y).alpha() == 0;
            // Only Reset View has no picture; its blank icon keeps the texts in line.
            QCOMPARE(blank, action->text() == u"Reset View"_s);
        }
        QCOMPARE(commands, QStringList({u"TimeZones"_s, u"Settings"_s, u"About"_s, u"ResetView"_s, u"Exit"_s}));
        QCOMPARE(menu->layoutDirection(), Qt::LeftToRight);
    }

    void popupInDarkMode()
    {
        prefs().setDarkMode(true);
        HRL hrl;
        settle();
        QMenu *menu = hrl.getShortPopup();
        QCOMPARE(itemTexts(menu),
                 QStringList({u"Time Zones"_s, u"Settings"_s, u"About"_s, u"Reset View"_s, u"Exit"_s}));
        menu->ensurePolished();
        menu->adjustSize();
        const QImage image = menu->grab().toImage();
        // Inside the border, left of every text: the menu colour; and the texts are light.
        QCOMPARE(image.pixelColor(image.width() - 3, image.height() / 2), ColorRoles::darkModeMenu());
        bool whiteText = false;
        for (int y = 0; y < image.height() && !whiteText; ++y)
            for (int x = 0; x < image.width() && !whiteText; ++x)
                whiteText = image.pixelColor(x, y) == ColorRoles::darkModeMenuText();
        QVERIFY(whiteText);
    }

    void rightClickOpensThePopupOnClocksAndBorder()
    {
        storeTwoClocksSideBySide();
        HRL hrl;
        settle();
        QVERIFY(QTest::qWaitForWindowExposed(&hrl));
        const auto panels = hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>();
        QCOMPARE(panels.size(), 2);
        QLabel *time = hrl.getTimeZoneObjects().back()->getTimeLbl();
        const QList<QPoint> points{
            time->mapTo(&hrl, time->rect().center()),      // a label inside a clock panel
            panels.at(0)->mapTo(&hrl, QPoint(1, 1)),       // the panel's own edge
            QPoint(1, 1),                                  // the window's border
            hrl.getClockArea()->mapTo(&hrl, QPoint(1, 1)), // the clock area between panels
        };
        for (const QPoint &point : points) {
            QTest::mouseClick(hrl.windowHandle(), Qt::RightButton, {}, point);
            QTRY_COMPARE(QApplication::activePopupWidget(), hrl.getShortPopup());
            QCOMPARE(hrl.getShortPopup()->pos(), hrl.mapToGlobal(point));
            hrl.getShortPopup()->close();
        }
    }

    void unknownAndPendingCommandsChangeNothing()
    {
        HRL hrl;
        settle();
        const QWidget *area = hrl.getClockArea();
        const QMenu *menu = hrl.getShortPopup();
        for (const QString &command : {u"exit"_s, u"Reset View"_s, QString()})
            hrl.actionPerformed(command);
        QCOMPARE(hrl.getClockArea(), area);
        QCOMPARE(hrl.getShortPopup(), menu);
        QVERIFY(hrl.isVisible());
        QCOMPARE(storedPosition(), QPoint(-1, -1));
    }

    void exitStoresThePositionAndEndsTheLoop()
    {
        HRL hrl;
        settle();
        hrl.placeAt(QPoint(-20, 240));
        QTimer::singleShot(0, &hrl, [&hrl] { hrl.actionPerformed(u"Exit"_s); });
        QObject guard;
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!hrl.isVisible());
        QCOMPARE(storedPosition(), QPoint(0, 240));
    }

    void resetViewGoesBackToTheDefaults()
    {
        auto uP = prefs();
        uP.setTimeZones(u"Asia/Tokyo;Europe/Paris;Africa/Cairo"_s);
        uP.setVerticalLayout(false);
        uP.setDarkMode(true);
        uP.setTimePattern(u"HH:mm:ss"_s);
        uP.setDatePattern(u"dd.MM.yyyy"_s);
        uP.setTimeFontSize(30);
        uP.setRoundFlags(false);
        HRL hrl;
        settle();
        hrl.placeAt(QPoint(400, 300));
        hrl.saveWindowSettings();
        QVERIFY(!hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>().isEmpty());
        const QPointer<QMenu> oldMenu = hrl.getShortPopup();

        hrl.actionPerformed(u"ResetView"_s);

        QCOMPARE(hrl.windowPosition(), QPoint(50, 50));
        QCOMPARE(hrl.pos(), QPoint(50, 50));
        QVERIFY(hrl.isVisible());
        const GuiPreferences gP(HRL::MAIN_CLASS);
        for (const char *key : {"TimePattern", "DatePattern", "TimeFontWidth", "VerticalLayout", "RoundFlags",
                                "MainWindowPosX", "MainWindowPosY"})
            QVERIFY2(gP.getHandler(QLatin1String(key), u"gone"_s) == u"gone"_s, key);
        QVERIFY(uP.isVerticalLayout());
        QVERIFY(uP.isDarkMode());
        // Vertical: no bordered panels; the same zones, still dark.
        QVERIFY(hrl.getClockArea()->findChildren<quillmark::utils::LineBorderPanel *>().isEmpty());
        QStringList zones;
        for (const auto &zone : hrl.getTimeZoneObjects())
            zones << zone->zoneId();
        QCOMPARE(zones, QStringList({u"Asia/Tokyo"_s, u"Europe/Paris"_s, u"Africa/Cairo"_s}));
        QCOMPARE(hrl.getClockArea()->palette().color(QPalette::Window), ColorRoles::darkModeBackground());
        QVERIFY(hrl.height() > hrl.width());
        // A new menu, still without separators; the old one goes once the loop runs.
        QVERIFY(hrl.getShortPopup() != oldMenu);
        QCOMPARE(itemTexts(hrl.getShortPopup()).size(), 5);
        QTRY_VERIFY(oldMenu.isNull());
    }

    void dragFromTheWindow()
    {
        HRL hrl;
        settle();
        hrl.placeAt(QPoint(100, 100));
        StdoutCapture out;
        sendMouse(&hrl, QEvent::MouseButtonPress, QPoint(10, 20), QPoint(110, 120));
        QCOMPARE(hrl.getFrameDragListener()->grabOffset(), std::optional<QPoint>(QPoint(10, 20)));
        sendMouse(&hrl, QEvent::MouseMove, QPoint(10, 20), QPoint(300, 200));
        sendMouse(&hrl, QEvent::MouseMove, QPoint(10, 20), QPoint(500, 400));
        QCOMPARE(hrl.pos(), QPoint(490, 380));
        QCOMPARE(hrl.windowPosition(), QPoint(490, 380));
        QCOMPARE(storedPosition(), QPoint(-1, -1));
        sendMouse(&hrl, QEvent::MouseButtonRelease, QPoint(10, 20), QPoint(500, 400));
        QCOMPARE(storedPosition(), QPoint(490, 380));
        QVERIFY(!hrl.getFrameDragListener()->grabOffset());
        const QStringList lines = out.lines().filter(u"FrameDragListener"_s);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().endsWith(u" FrameDragListener: mousePressed: 1. mousePressed at : (10, 20)"_s),
                 qPrintable(lines.first()));

        // Without a press a move does nothing.
        sendMouse(&hrl, QEvent::MouseMove, QPoint(0, 0), QPoint(700, 700));
        QCOMPARE(hrl.pos(), QPoint(490, 380));
    }

    void dragFromAClockPanel()
    {
        storeTwoClocksSideBySide();
        HRL hrl;
        settle();
        hrl.placeAt(QPoint(100, 100));
        // A press on a label inside the second panel reaches the panel's listener.
        QLabel *label = hrl.getTimeZoneObjects().back()->getDateLbl();
        const QPoint local = label->rect().center();
        const QPoint offset = label->mapTo(&hrl, local);
        StdoutCapture out;
        sendMouse(label, QEvent::MouseButtonPress, local, QPoint(100, 100) + offset);
        QCOMPARE(hrl.getFrameDragListener()->grabOffset(), std::optional<QPoint>(offset));
        sendMouse(label, QEvent::MouseMove, local, QPoint(500, 400));
        QCOMPARE(hrl.pos(), QPoint(500, 400) - offset);
        sendMouse(label, QEvent::MouseButtonRelease, local, QPoint(500, 400));
        QCOMPARE(storedPosition(), QPoint(500, 400) - offset);
        QVERIFY(out.lines().filter(u"FrameDragListener"_s).isEmpty());

        // The same from the panel itself: the window at (490, 380) when the press was at (10, 20) of it.
        QWidget *panel = label->parentWidget();
        const QPoint onPanel = panel->mapFrom(&hrl, QPoint(10, 20));
        hrl.placeAt(QPoint(100, 100));
        sendMouse(panel, QEvent::MouseButtonPress, onPanel, QPoint(110, 120));
        sendMouse(panel, QEvent::MouseMove, onPanel, QPoint(500, 400));
        QCOMPARE(hrl.pos(), QPoint(490, 380));
        sendMouse(panel, QEvent::MouseButtonRelease, onPanel, QPoint(500, 400));
        QCOMPARE(storedPosition(), QPoint(490, 380));
    }

    void aClickWithoutMovingStoresThePosition()
    {
        HRL hrl;
        settle();
        hrl.placeAt(QPoint(-30, 15));
        QWidget *area = hrl.getClockArea();
        sendMouse(area, QEvent::MouseButtonPress, QPoint(2, 2), QPoint(-24, 21));
        sendMouse(area, QEvent::MouseButtonRelease, QPoint(2, 2), QPoint(-24, 21));
        QCOMPARE(hrl.pos(), QPoint(-30, 15));
        QCOMPARE(storedPosition(), QPoint(0, 15));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
