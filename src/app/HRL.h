#pragma once

#include "ClockArea.h"
#include "GuiPreferences.h"
#include "MenuCommands.h"
#include "ResourceBundle.h"
#include "UserPreferences.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QDialog;
class QLocale;
class QSystemTrayIcon;

namespace quillmark::hrl {

class FrameDragListener;
class SecondsTimer;
class TerminationWatcher;
class TimeZoneObject;

// The application: one undecorated window with a clock per configured zone.
class HRL final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HRL)

public:
    static const QString VERSION;
    static const QString RELEASE_DATE;
    static const QString COPYRIGHT_DATE;
    static const QString WHO_AM_I;
    static const QString LANGUAGE;
    // Fully qualified name of the main class; the preferences node is derived from it.
    static const QString MAIN_CLASS;

    HRL();
    ~HRL() override;

    void mySetLocale(const QLocale &locale);
    // While the window stands in for a position it could not show, that position stays stored.
    void removePreferences();
    // Cancels the timer, hides the window and ends the event loop with status 0.
    void dismiss();
    // Stores the window position (negative coordinates as 0); nothing while the window stands in
    // for a stored position it could not show and the user has not placed it since.
    void saveWindowSettings();
    // Rebuilds the content from the preferences; true puts the window back at its stored position.
    void resetView(bool restorePosition);
    // Runs the command of a menu item: "TimeZones", "Settings", "Exit", "ResetView" or "About"
    // (see commandTable); any other does nothing.
    void actionPerformed(const QString &command);
    // Moves the window where the user put it and remembers the position as the one to store.
    void placeAt(const QPoint &position);

    utils::GuiPreferences &getGuiPreferences() { return gP; }
    UserPreferences &getUserPreferences() { return uP; }
    const utils::ResourceBundle &getLabels() const { return labels; }
    QMenu *getShortPopup() const { return menus->popup(); }
    // Null where the desktop has no tray.
    QSystemTrayIcon *getTrayIcon() const { return menus->trayIcon(); }
    FrameDragListener *getFrameDragListener() const { return frameDragListener; }
    QWidget *getClockArea() const { return clocks->widget(); }
    const std::vector<std::unique_ptr<TimeZoneObject>> &getTimeZoneObjects() const { return timeZones_AL(); }
    // The clocks in display order, and the timer that refreshes them (both kept by the clock area).
    const std::vector<std::unique_ptr<TimeZoneObject>> &timeZones_AL() const { return clocks->getTimeZones(); }
    SecondsTimer *secondsTimer() const { return clocks->getSecondsTimer(); }
    // The size computed from the clocks before the window is packed.
    QSize getWindowSize() const { return clocks->getWindowSize(); }
    // Where the window was last put, by us or by the user.
    QPoint windowPosition() const { return placedAt; }
    // Whether the window stands in for a stored position on no screen.
    bool isAtFallbackPosition() const { return atFallback; }
    // Runs one refresh as the timer would (tests).
    void tickNow() { clocks->tick(); }

    // Raises the window above others, as asked by the tray or by a second start.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // The commands of the pop-up and the tray menu, in menu order, with what each does.
    std::vector<MenuCommand> commandTable();
    void createSystemTray();
    // Stores the position and ends: Exit, closing the window, or a signal to end.
    void exitProgram();
    // Tells Qt where the window really stands, before a dialog centres over it.
    void notePlacement();
    // Shows a configuration dialog modally, above the window. While it is open the tray menu's
    // commands do nothing, so no second dialog, Reset View or Exit cuts into unsaved edits.
    void runConfigurationDialog(QDialog *dialog);
    void showTimeZoneDialog();
    void showSettings(bool passDarkMode);
    void showAbout();
    // An error box with no parent.
    void showErrorBox(const QString &textKey);
    // Builds the clocks, puts them into the window and (re)starts their timer.
    void createLayout();
    void applyOrientation();
    // Puts the window at the stored position, or at the fallback where too little of the
    // window, at its present size, would be on a screen there.
    void placeAtStoredPosition();

    utils::GuiPreferences gP;
    UserPreferences uP;
    FrameDragListener *frameDragListener = nullptr;
    std::unique_ptr<MenuCommands> menus;
    utils::ResourceBundle labels;
    std::unique_ptr<ClockArea> clocks;
    // The About box while it is open.
    QPointer<QDialog> aboutBox;
    TerminationWatcher *terminationWatcher = nullptr;
    QPoint placedAt;
    // The stored position could not be shown; only a drag ends this.
    bool atFallback = false;
    bool ending = false;
};

} // namespace quillmark::hrl
