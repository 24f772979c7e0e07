#pragma once

#include "GuiPreferences.h"
#include "ResourceBundle.h"
#include "UserPreferences.h"

#include <QPoint>
#include <QWidget>

#include <memory>
#include <vector>

class QLocale;
class QMenu;

namespace quillmark::hrl {

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
    void removePreferences();
    // Cancels the timer, hides the window and ends the event loop with status 0.
    void dismiss();
    // Stores the window position (negative coordinates as 0).
    void saveWindowSettings();
    // Rebuilds the content from the preferences; true puts the window back at its stored position.
    void resetView(bool restorePosition);

    utils::GuiPreferences &getGuiPreferences() { return gP; }
    UserPreferences &getUserPreferences() { return uP; }
    const utils::ResourceBundle &getLabels() const { return labels; }
    QMenu *getShortPopup() const { return shortPopup; }
    QWidget *getClockArea() const { return clockArea; }
    const std::vector<std::unique_ptr<TimeZoneObject>> &getTimeZoneObjects() const { return timeZones_AL; }
    // The size computed from the clocks before the window is packed.
    QSize getWindowSize() const;
    // Where the window was last put, by us or by the user.
    QPoint windowPosition() const { return placedAt; }
    // Runs one refresh as the timer would (tests).
    void tickNow() { tick(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void addPopup();
    void createLayout();
    void createHorizontalLayout();
    void createVerticalLayout();
    QWidget *createClockArea();
    QWidget *createClockPanel(TimeZoneObject *zone);
    void createTimeZoneObjects();
    void applyOrientation();
    void placeAt(const QPoint &position);
    void tick();

    std::unique_ptr<SecondsTimer> secondsTimer;
    std::vector<std::unique_ptr<TimeZoneObject>> timeZones_AL;
    utils::GuiPreferences gP;
    UserPreferences uP;
    QMenu *shortPopup = nullptr;
    utils::ResourceBundle labels;

    QWidget *clockArea = nullptr;
    TerminationWatcher *terminationWatcher = nullptr;
    QPoint placedAt;
    bool isMac = false;
    bool isWindows = false;
    bool ending = false;
};

} // namespace quillmark::hrl
