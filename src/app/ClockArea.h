#pragma once

#include <QSize>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace quillmark::utils {
class ResourceBundle;
} // namespace quillmark::utils

namespace quillmark::hrl {

class SecondsTimer;
class TimeZoneObject;
class UserPreferences;

// The content of the main window: one clock per stored zone, side by side or in a column, and
// the timer that refreshes them on every whole second. Built from the preferences each time,
// thrown away whole before the next build.
class ClockArea final
{
    Q_DISABLE_COPY_MOVE(ClockArea)

public:
    // Every surface the area makes (the area itself, each clock panel) goes through
    // `decorate`, which gives it the window's pop-up menu and dragging.
    ClockArea(QWidget *window, UserPreferences &uP, const utils::ResourceBundle &labels,
              std::function<void(QWidget *)> decorate);
    ~ClockArea();

    // Builds the clocks into the window in the stored arrangement and (re)starts the timer.
    void createLayout();
    // Stops the timer and removes the clocks and the colours they gave the window.
    void clear();
    // No tick runs after this returns.
    void cancelTimer();
    // Updates every clock with one instant.
    void tick();

    // A first size for the window, before it is packed.
    QSize getWindowSize() const;
    // Null between clear() and the next build.
    QWidget *widget() const { return area; }
    SecondsTimer *getSecondsTimer() const { return secondsTimer.get(); }
    const std::vector<std::unique_ptr<TimeZoneObject>> &getTimeZones() const { return timeZones_AL; }

private:
    void createHorizontalLayout();
    void createVerticalLayout();
    QWidget *createClockArea();
    QWidget *createClockPanel(TimeZoneObject *zone);
    void createTimeZoneObjects();

    QWidget *window;
    UserPreferences &uP;
    const utils::ResourceBundle &labels;
    std::function<void(QWidget *)> decorate;
    std::unique_ptr<SecondsTimer> secondsTimer;
    std::vector<std::unique_ptr<TimeZoneObject>> timeZones_AL;
    QWidget *area = nullptr;
};

} // namespace quillmark::hrl
