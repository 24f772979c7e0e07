#pragma once

#include <QObject>
#include <QSize>

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
// thrown away whole before the next build. The window places the area and gives itself its colours.
class ClockArea final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClockArea)

public:
    // The area is a child of `window`.
    ClockArea(QWidget *window, UserPreferences &uP, const utils::ResourceBundle &labels);
    ~ClockArea() override;

    // Builds the clocks in the stored arrangement and (re)starts the timer.
    void createLayout();
    // Stops the timer and removes the clocks.
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

Q_SIGNALS:
    // Each surface the area makes (the area itself, each clock panel), as soon as it has its
    // layout, so that the window can give it its pop-up menu and dragging.
    void surfaceCreated(QWidget *surface);

private:
    void createHorizontalLayout();
    void createVerticalLayout();
    QWidget *createClockArea();
    QWidget *createClockPanel(TimeZoneObject *zone);
    void createTimeZoneObjects();

    QWidget *window;
    UserPreferences &uP;
    const utils::ResourceBundle &labels;
    std::unique_ptr<SecondsTimer> secondsTimer;
    std::vector<std::unique_ptr<TimeZoneObject>> timeZones_AL;
    QWidget *area = nullptr;
};

} // namespace quillmark::hrl
