#include "ZoneDatabase.h"

#include "SystemZone.h"
#include "ZoneInfo.h"

#include <QDeadlineTimer>

#include <algorithm>

namespace quillmark::hrl {

QTimeZone ZoneDatabase::zone(const QString &id)
{
    // QTimeZone("") would be the system zone; unknown ids must not become it either.
    if (!id.isEmpty()) {
        QTimeZone tz(id.toUtf8());
        if (tz.isValid())
            return tz;
    }
    return QTimeZone(0);
}

QString ZoneDatabase::localZoneId()
{
    return SystemZone::id();
}

QTimeZone ZoneDatabase::localZone()
{
    // Every clock asks once a second; looking the zone up again every few seconds
    // still follows a change of the computer's zone.
    struct Cached
    {
        QTimeZone zone;
        QDeadlineTimer fresh;
    };
    thread_local Cached cached{QTimeZone(), QDeadlineTimer(0)};
    if (cached.fresh.hasExpired()) {
        const QTimeZone tz(localZoneId().toUtf8());
        cached.zone = tz.isValid() ? tz : QTimeZone::systemTimeZone();
        cached.fresh.setRemainingTime(5000);
    }
    return cached.zone;
}

namespace {

// The system's tzdata.zi, read once: at the first call for the identifiers or the links.
const utils::ZoneInfo::Zi &systemZi()
{
    static const utils::ZoneInfo::Zi zi = utils::ZoneInfo::readZi(
        utils::ZoneInfo::ziPath(utils::ZoneInfo::directory()));
    return zi;
}

} // namespace

QHash<QString, QString> ZoneDatabase::links()
{
    return systemZi().links;
}

QStringList ZoneDatabase::allZoneIds()
{
    static const QStringList ids = [] {
        if (!systemZi().ids.isEmpty())
            return systemZi().ids;
        QStringList available;
        const QList<QByteArray> qtIds = QTimeZone::availableTimeZoneIds();
        for (const QByteArray &id : qtIds)
            available << QString::fromUtf8(id);
        available.sort();
        return available;
    }();
    return ids;
}

int ZoneDatabase::standardOffsetMs(const QTimeZone &zone, const QDateTime &instant)
{
    int standard = zone.standardTimeOffset(instant);
    // Zones written with negative daylight saving time (Dublin's winter, Casablanca's Ramadan)
    // report their summer offset as standard; the other convention's standard is the lower one.
    const QTimeZone::OffsetDataList around = zone.transitions(instant.addYears(-1), instant.addYears(1));
    for (const QTimeZone::OffsetData &data : around) {
        if (data.daylightTimeOffset < 0)
            standard = std::min(standard, data.offsetFromUtc);
    }
    if (zone.daylightTimeOffset(instant) < 0)
        standard = std::min(standard, zone.offsetFromUtc(instant));
    return standard * 1000;
}

int ZoneDatabase::dayKey(const QDateTime &instant, const QTimeZone &zone)
{
    const QDate date = instant.toTimeZone(zone).date();
    return date.year() * 1000 + date.dayOfYear();
}

} // namespace quillmark::hrl
