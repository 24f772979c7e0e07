// Time as the clocks show it: offsets, wall time against the C library's reading of the
// same tz database, and pattern formatting.
#include "DateFormatter.h"
#include "ScopedEnv.h"
#include "TimeZoneObject.h"
#include "Utc.h"
#include "ZoneDatabase.h"

#include <QTest>

#include <cstdlib>
#include <ctime>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;

namespace {
// What `TZ=zone date` prints, through the same C library calls.
QString systemWallTime(const QString &zone, const QDateTime &instant)
{
    const ScopedTz scoped(zone.toUtf8());
    const std::time_t t = instant.toSecsSinceEpoch();
    std::tm parts{};
    localtime_r(&t, &parts);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &parts);
    return QString::fromLatin1(buffer);
}
} // namespace

class TestZoneTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every test, and every row of one, starts in English whatever the one before it left.
    void init() { DateFormatter::setLocale(QStringLiteral("en_US")); }

    void offsetText_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "+00:00";
        QTest::newRow("India") << 19800000 << "+05:30";
        QTest::newRow("Newfoundland") << -12600000 << "-03:30";
        QTest::newRow("Chatham") << 45900000 << "+12:45";
        QTest::newRow("Kiritimati") << 50400000 << "+14:00";
        QTest::newRow("Hawaii") << -36000000 << "-10:00";
        QTest::newRow("sign kept under an hour") << -1800000 << "-00:30";
        QTest::newRow("seconds dropped") << 20700999 << "+05:45";
    }

    void offsetText()
    {
        QFETCH(int, raw);
        QFETCH(QString, text);
        QCOMPARE(TimeZoneObject::calculateOffset(raw), text);
    }

    void standardOffsetIgnoresDaylightSaving_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<QString>("text");
        QTest::newRow("New York in July") << "America/New_York" << utc(2026, 7, 15, 12, 0) << "-05:00";
        QTest::newRow("New York in January") << "America/New_York" << utc(2026, 1, 15, 12, 0) << "-05:00";
        QTest::newRow("Kathmandu") << "Asia/Kathmandu" << utc(2026, 7, 15, 12, 0) << "+05:45";
        QTest::newRow("Dublin in winter") << "Europe/Dublin" << utc(2026, 1, 15, 12, 0) << "+00:00";
        QTest::newRow("Dublin in summer") << "Europe/Dublin" << utc(2026, 7, 15, 12, 0) << "+00:00";
        QTest::newRow("Casablanca") << "Africa/Casablanca" << utc(2026, 7, 15, 12, 0) << "+00:00";
        QTest::newRow("Sydney in July") << "Australia/Sydney" << utc(2026, 7, 15, 12, 0) << "+10:00";
        QTest::newRow("Lord Howe half hour DST") << "Australia/Lord_Howe" << utc(2026, 1, 15, 12, 0) << "+10:30";
        QTest::newRow("an alias") << "US/Eastern" << utc(2026, 7, 15, 12, 0) << "-05:00";
        QTest::newRow("Mexico City, no more DST") << "America/Mexico_City" << utc(2026, 7, 15, 12, 0) << "-06:00";
        QTest::newRow("unknown id") << "Mars/Olympus_Mons" << utc(2026, 7, 15, 12, 0) << "+00:00";
        QTest::newRow("empty id") << "" << utc(2026, 7, 15, 12, 0) << "+00:00";
    }

    void standardOffsetIgnoresDaylightSaving()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, instant);
        QFETCH(QString, text);
        const QTimeZone tz = ZoneDatabase::zone(zone);
        QCOMPARE(TimeZoneObject::calculateOffset(ZoneDatabase::standardOffsetMs(tz, instant)), text);
    }

    void unknownZoneIsOffsetZeroNotTheLocalZone()
    {
        // The tests run with TZ=America/New_York: an unknown id must not show New York's time.
        const QDateTime instant = utc(2026, 7, 15, 12, 0);
        for (const QString &id : {QString(), QStringLiteral("Nowhere/Place"), QStringLiteral("US/Pacific-New")})
            QCOMPARE(DateFormatter::format(QStringLiteral("HH:mm"), instant, ZoneDatabase::zone(id)),
                     QStringLiteral("12:00"));
    }

    void zoneListComesFromTheSystemDatabase()
    {
        const QStringList ids = ZoneDatabase::allZoneIds();
        QVERIFY(ids.size() > 400);
        QVERIFY(ids.contains(QStringLiteral("America/New_York")));
        QVERIFY(ids.contains(QStringLiteral("US/Eastern")));
        QVERIFY(ids.contains(QStringLiteral("Asia/Calcutta")));
        QStringList sorted = ids;
        sorted.sort();
        QCOMPARE(ids, sorted);
    }

    // Every zone, at ordinary instants and on both sides of each of its transitions in
    // 2025-2027, shows the wall time the C library computes from the same database.
    void everyZoneMatchesTheSystem()
    {
        const QList<QDateTime> fixed = {utc(2026, 1, 15, 12, 0), utc(2026, 7, 15, 3, 30),
                                        utc(2026, 12, 31, 23, 59, 59)};
        int checked = 0;
        for (const QString &id : ZoneDatabase::allZoneIds()) {
            const QTimeZone tz = ZoneDatabase::zone(id);
            QList<QDateTime> instants = fixed;
            const auto transitions = tz.transitions(utc(2025, 1, 1, 0, 0), utc(2027, 12, 31, 0, 0));
            for (const auto &t : transitions)
                instants << t.atUtc.addSecs(-1) << t.atUtc;
            for (const QDateTime &instant : std::as_const(instants)) {
                const QString ours = DateFormatter::format(QStringLiteral("yyyy-MM-dd HH:mm:ss"), instant, tz);
                QCOMPARE(ours + u' ' + id, systemWallTime(id, instant) + u' ' + id);
                ++checked;
            }
        }
        QVERIFY(checked > 1500);
    }

    // Patterns in Tokyo's wall time, in the locale's calendar, names and digits.
    void patterns_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        // 16:05:09 UTC on 31 December 2026 is 01:05:09 on 1 January in Tokyo.
        QTest::newRow("date") << u"en_US"_s << u"yyyy-MM-dd"_s << u"2027-01-01"_s;
        QTest::newRow("12-hour") << u"en_US"_s << u"h:mm a"_s << u"1:05 AM"_s;
        QTest::newRow("unpadded") << u"en_US"_s << u"H:m:s"_s << u"1:5:9"_s;
        QTest::newRow("long names") << u"en_US"_s << u"EEEE MMMM d, yyyy"_s << u"Friday January 1, 2027"_s;
        QTest::newRow("short names") << u"en_US"_s << u"EE dd-MMM yy"_s << u"Fri 01-Jan 27"_s;
        QTest::newRow("literal dots") << u"en_US"_s << u"d. MMM."_s << u"1. Jan."_s;
        QTest::newRow("Buddhist year") << u"th_TH"_s << u"yyyy"_s << u"2570"_s;
        QTest::newRow("German weekday") << u"de_DE"_s << u"EEEE"_s << u"Freitag"_s;
        QTest::newRow("Arabic digits") << u"ar_EG"_s << u"dd"_s << u"\u0660\u0661"_s;
    }

    void patterns()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        DateFormatter::setLocale(locale);
        QCOMPARE(DateFormatter::format(pattern, utc(2026, 12, 31, 16, 5, 9),
                                       ZoneDatabase::zone(QStringLiteral("Asia/Tokyo"))),
                 text);
    }

    void badPatternsFallBack()
    {
        const QTimeZone zone = ZoneDatabase::zone(QStringLiteral("UTC"));
        const QDateTime instant = utc(2026, 7, 15, 12, 0);
        bool ok = true;
        for (const QString &bad : {QStringLiteral("yyyy-MM-dd jj"), QStringLiteral("HH 'unclosed")}) {
            DateFormatter::format(bad, instant, zone, &ok);
            QVERIFY2(!ok, qPrintable(bad));
            QCOMPARE(DateFormatter::formatOr(bad, QStringLiteral("yyyy-MM-dd"), instant, zone),
                     QStringLiteral("2026-07-15"));
        }
    }

    void displayNames()
    {
        QCOMPARE(TimeZoneObject::displayNameOf(QStringLiteral("America/Argentina/Buenos_Aires")),
                 QStringLiteral("Buenos Aires"));
        QCOMPARE(TimeZoneObject::displayNameOf(QStringLiteral("America/North_Dakota/New_Salem")),
                 QStringLiteral("New Salem"));
        QCOMPARE(TimeZoneObject::displayNameOf(QStringLiteral("Japan")), QStringLiteral("Japan"));
        QCOMPARE(TimeZoneObject::displayNameOf(QStringLiteral("America/Port-au-Prince")),
                 QStringLiteral("Port-au-Prince"));
    }

    // The date colours compare day keys: they must order as the calendar days they stand for.
    void dayKeysOrderAsCalendarDays_data()
    {
        QTest::addColumn<QDateTime>("earlier");
        QTest::addColumn<QDateTime>("later");
        QTest::newRow("year end") << utc(2026, 12, 31, 12, 0) << utc(2027, 1, 1, 12, 0);
        QTest::newRow("month end") << utc(2026, 1, 31, 12, 0) << utc(2026, 2, 1, 12, 0);
        QTest::newRow("leap day") << utc(2028, 2, 29, 12, 0) << utc(2028, 3, 1, 12, 0);
        QTest::newRow("end of a leap year") << utc(2028, 12, 31, 12, 0) << utc(2029, 1, 1, 12, 0);
        QTest::newRow("a year apart, earlier in the year") << utc(2026, 3, 1, 12, 0) << utc(2027, 2, 1, 12, 0);
    }

    void dayKeysOrderAsCalendarDays()
    {
        QFETCH(QDateTime, earlier);
        QFETCH(QDateTime, later);
        const QTimeZone zone = ZoneDatabase::zone(QStringLiteral("UTC"));
        QVERIFY(ZoneDatabase::dayKey(earlier, zone) < ZoneDatabase::dayKey(later, zone));
        QCOMPARE(ZoneDatabase::dayKey(earlier.addSecs(11 * 3600), zone), ZoneDatabase::dayKey(earlier, zone));
    }

    void dayKeysFollowTheZonesCalendar()
    {
        // Still 31 December in New York and Honolulu, already 1 January in London and Tokyo.
        const QDateTime instant = utc(2027, 1, 1, 4, 30);
        const auto key = [&](const char *id) {
            return ZoneDatabase::dayKey(instant, ZoneDatabase::zone(QString::fromLatin1(id)));
        };
        QVERIFY(key("America/New_York") < key("Asia/Tokyo"));
        QVERIFY(key("Pacific/Honolulu") < key("Europe/London"));
        QCOMPARE(key("America/New_York"), key("Pacific/Honolulu"));
        QCOMPARE(key("Europe/London"), key("Asia/Tokyo"));
    }
};

QTEST_GUILESS_MAIN(TestZoneTime)
#include "tst_zonetime.moc"
