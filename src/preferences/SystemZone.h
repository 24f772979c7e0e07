#pragma once

#include <QString>

namespace quillmark::hrl {

// The id of the local time zone. QTimeZone::systemTimeZoneId() takes TZ literally, so a TZ that
// holds a path ("/usr/share/zoneinfo/Asia/Tokyo") or a leading ":" is reduced to its zone id here.
class SystemZone final
{
public:
    SystemZone() = delete;

    // Never empty: "UTC" when the platform names no usable zone.
    static QString id();
    // The zone id a TZ value names, or the empty text when it names none.
    static QString idFromTz(const QString &tz);
};

} // namespace quillmark::hrl
