#include "SecondsTimer.h"

#include <QMetaObject>

namespace quillmark::hrl {

using namespace std::chrono;

SecondsTimer::SecondsTimer(std::function<void()> tickFn, QObject *parent)
    : QObject(parent)
    , tick(std::move(tickFn))
{
}

SecondsTimer::~SecondsTimer()
{
    cancel();
}

milliseconds SecondsTimer::delayToNextSecond(system_clock::time_point t)
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
    while (!stopping) {
        const auto now = system_clock::now();
        const auto target = time_point_cast<milliseconds>(now) + delayToNextSecond(now);
        // Sleep on the monotonic clock for the remaining time, then look at the wall clock
        // again: a wall-clock wait would hang for an hour after the clock is put back.
        wake.wait_for(lock, duration_cast<microseconds>(target - now), [this] { return stopping; });
        if (stopping)
            break;
        if (system_clock::now() < target)
            continue;
        // A tick still waiting for the GUI thread is not doubled.
        if (!tickPending.exchange(true))
            QMetaObject::invokeMethod(this, [this] { deliver(); }, Qt::QueuedConnection);
    }
}

void SecondsTimer::deliver()
{
    tickPending = false;
    if (!cancelled && tick)
        tick();
}

} // namespace quillmark::hrl
