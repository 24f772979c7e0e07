#include "ZoneDatabase.h"

#include "SystemZone.h"
#include "ZoneInfo.h"

#include <QByteArrayList>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

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

QStringList ZoneDatabase::readZoneIdsFromZi(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList ids;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        // "Z name ..." defines a zone, "L target name" a link (an alias).
        if (line.startsWith("Z ")) {
            const QByteArrayList words = line.split(' ');
            if (words.size() > 1)
                ids << QString::fromUtf8(words.at(1));
        } else if (line.startsWith("L ")) {
            const QByteArrayList words = line.split(' ');
            if (words.size() > 2)
                ids << QString::fromUtf8(words.at(2));
        }
    }
    ids.sort();
    ids.removeDuplicates();
    return ids;
}

QHash<QString, QString> ZoneDatabase::readLinksFromZi(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> links;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.startsWith("L "))
            continue;
        const QByteArrayList words = line.split(' ');
        if (words.size() > 2)
            links.insert(QString::fromUtf8(words.at(2)), QString::fromUtf8(words.at(1)));
    }
    return links;
}

QStringList ZoneDatabase::allZoneIds()
{
    static const QStringList ids = [] {
        QStringList fromZi = readZoneIdsFromZi(utils::ZoneInfo::directory() + QStringLiteral("/tzdata.zi"));
        if (!fromZi.isEmpty())
            return fromZi;
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
