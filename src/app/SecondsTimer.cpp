#include "SecondsTimer.h"

#include <QMetaObject>

namespace quillmark::hrl {

using namespace std::chrono;

SecondsTimer::SecondsTimer(std::function<void()> tickFn, QObject *parent)
    : SecondsTimer(
        std::move(tickFn), [] { return system_clock::now(); }, parent)
{
}

SecondsTimer::SecondsTimer(std::function<void()> tickFn, WallClock clock, QObject *parent)
    : QObject(parent)
    , tick(std::move(tickFn))
    , wallClock(std::move(clock))
{
}

SecondsTimer::~SecondsTimer()
{
    cancel();
}

milliseconds SecondsTimer::delayToNextSecond(TimePoint t)
{
    const auto ms = duration_cast<milliseconds>(t.time_since_epoch()).count();
    long long rest = ms % 1000;
    if (rest < 0)
        rest += 1000;
    return milliseconds(1000 - rest);
}

void SecondsTimer::start()
{
    if (worker.joinable())
        return;
    {
        std::lock_guard lock(mutex);
        stopping = false;
    }
    cancelled = false;
    worker = std::thread([this] { run(); });
}

void SecondsTimer::cancel()
{
    cancelled = true;
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    if (worker.joinable())
        worker.join();
}

void SecondsTimer::run()
{
    std::unique_lock lock(mutex);
    // Sleeps on the monotonic clock: a wall-clock wait would hang for an hour after the clock
    // is put back.
    runWith([&](microseconds time) { return !wake.wait_for(lock, time, [this] { return stopping; }); });
}

void SecondsTimer::runWith(const Sleep &sleep)
{
    for (;;) {
        const auto now = wallClock();
        const auto target = time_point_cast<milliseconds>(now) + delayToNextSecond(now);
        if (!sleep(duration_cast<microseconds>(target - now)))
            return;
        // Look at the wall clock again: put back meanwhile, it is not time yet.
        if (wallClock() < target)
            continue;
        // A tick still waiting for the GUI thread is not doubled.
        if (!tickPending.exchange(true))
            QMetaObject::invokeMethod(
                this, [this] { deliver(); }, Qt::QueuedConnection);
    }
}

void SecondsTimer::deliver()
{
    tickPending = false;
    if (!cancelled && tick)
        tick();
}

} // namespace quillmark::hrl
