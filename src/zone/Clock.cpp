#include "Clock.h"

namespace quillmark::hrl {

namespace {
std::function<QDateTime()> &source()
{
    static std::function<QDateTime()> fn;
    return fn;
}
} // namespace

QDateTime Clock::now()
{
    if (const auto &fn = source())
        return fn();
    return QDateTime::currentDateTimeUtc();
}

void Clock::setSource(std::function<QDateTime()> fn)
{
    source() = std::move(fn);
}

void Clock::reset()
{
    source() = nullptr;
}

} // namespace quillmark::hrl
