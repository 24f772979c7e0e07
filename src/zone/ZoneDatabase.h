#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTimeZone>

namespace quillmark::hrl {

// The system's tz database, read through QTimeZone. ICU never computes an offset here:
// its built-in copy of the rules is older than the system's.
class ZoneDatabase final
{
public:
    ZoneDatabase() = delete;

    // The zone of an identifier. An empty, unknown or removed identifier gives the
    // fallback zone of offset zero, never the computer's own zone.
    static QTimeZone zone(const QString &id);
    // The computer's own zone.
    static QTimeZone localZone();
    static QString localZoneId();
    // Every identifier of the database, aliases included, in ascending order.
    static QStringList allZoneIds();
    // Standard offset at an instant, counting daylight saving time as positive only
    // (Europe/Dublin is +00:00 with summer time, not +01:00 with negative winter time).
    static int standardOffsetMs(const QTimeZone &zone, const QDateTime &instant);
    // year * 1000 + day of year of the instant's date in the zone: orders days across years.
    static int dayKey(const QDateTime &instant, const QTimeZone &zone);
    // The links of the database, alias -> target, from the reading of tzdata.zi that gave
    // allZoneIds() (the file is read once); empty without a readable file.
    static QHash<QString, QString> links();
};

} // namespace quillmark::hrl
