#pragma once

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace quillmark::hrl {

// Ticks on every whole second of the system clock. A thread of its own sleeps to the next
// boundary and hands the tick to the thread this object lives in (the GUI thread), so the
// tick function never runs anywhere else. Each wait is computed afresh from the clock: no
// drift, and after a suspend or a clock change one tick, not a burst.
class SecondsTimer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SecondsTimer)

public:
    using TimePoint = std::chrono::system_clock::time_point;
    // Where the timer reads the wall clock it aligns to.
    using WallClock = std::function<TimePoint()>;
    // Sleeps for the given time; false once the timer is stopping.
    using Sleep = std::function<bool(std::chrono::microseconds)>;

    explicit SecondsTimer(std::function<void()> tick, QObject *parent = nullptr);
    // A timer on another wall clock than the system's, so a test can set the phase and jump.
    SecondsTimer(std::function<void()> tick, WallClock wallClock, QObject *parent = nullptr);
    ~SecondsTimer() override;

    void start();
    // Stops the thread and waits for it; no tick runs after this returns.
    void cancel();
    bool isRunning() const { return worker.joinable(); }

    // The worker's loop, with its sleep given: returns when sleep does. The worker runs it with
    // a sleep that cancel cuts short; a test runs it on its own thread with a sleep of its own.
    void runWith(const Sleep &sleep);

    // Time from t to the next whole second; a full second when t is on one.
    static std::chrono::milliseconds delayToNextSecond(TimePoint t);

private:
    void run();
    void deliver();

    std::function<void()> tick;
    WallClock wallClock;
    std::thread worker;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::atomic<bool> tickPending{false};
    std::atomic<bool> cancelled{false};
};

} // namespace quillmark::hrl
