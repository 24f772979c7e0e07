#pragma once

#include <QDateTime>

#include <functional>

namespace quillmark::hrl {

// Where "now" comes from. Tests put a fixed instant in place of the system clock.
class Clock final
{
public:
    Clock() = delete;

    static QDateTime now();
    static void setSource(std::function<QDateTime()> source);
    static void reset();
};

} // namespace quillmark::hrl
