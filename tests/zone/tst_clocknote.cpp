#include "ClockNote.h"
#include "ResourceBundle.h"
#include "Utc.h"
#include "ZoneDatabase.h"

#include <QGuiApplication>
#include <QTest>

using namespace quillmark::hrl;
using quillmark::utils::ResourceBundle;

namespace {
ResourceBundle bundle(const QString &locale)
{
    return ResourceBundle::getBundle(QStringLiteral("com.quillmark.hrl.lang/Lang"), locale);
}
} // namespace

// The computer's zone is Asia/Tokyo (set for this test), which has no daylight saving time.
class TestClockNote : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void notes_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<ClockNote::Facts>("facts");
        QTest::addColumn<QString>("english");
        // Durations and dates as German and Russian write them (the sentences may still be English).
        QTest::addColumn<QStringList>("german");
        QTest::addColumn<QStringList>("russian");

        using C = ClockNote::Change;
        const QDateTime october = utc(2026, 10, 20, 3, 0);
        QTest::newRow("behind, back")
            << "Europe/Berlin" << october
            << ClockNote::Facts{-7 * 3600, C::Back, 3600, QDate(2026, 10, 25), QTime(3, 0)}
            << "7 hours behind your time · Clocks go back 1 hour on Sunday, October 25, 2026 at 3:00\u202fAM"
            << QStringList{"7 Stunden", "1 Stunde", "Sonntag, 25. Oktober 2026 um 03:00"}
            << QStringList{"7 часов", "1 час", "воскресенье, 25 октября 2026\u202fг. в 03:00"};
        QTest::newRow("across the date line")
            << "America/New_York" << october
            << ClockNote::Facts{-13 * 3600, C::Back, 3600, QDate(2026, 11, 1), QTime(2, 0)}
            << "13 hours behind your time · Clocks go back 1 hour on Sunday, November 1, 2026 at 2:00\u202fAM"
            << QStringList{"13 Stunden", "Sonntag, 1. November 2026 um 02:00"} << QStringList{"13 часов"};
        QTest::newRow("half hour, no change")
            << "Asia/Kolkata" << october << ClockNote::Facts{-12600, C::None, 0, {}, {}}
            << "3 hours, 30 minutes behind your time · No clock change in the next 12 months"
            << QStringList{"3 Stunden, 30 Minuten"} << QStringList{"3 часа 30 минут"};
        QTest::newRow("ahead, 30-minute change")
            << "Australia/Lord_Howe" << october
            << ClockNote::Facts{2 * 3600, C::Back, 1800, QDate(2027, 4, 4), QTime(2, 0)}
            << "2 hours ahead of your time · Clocks go back 30 minutes on Sunday, April 4, 2027 at 2:00\u202fAM"
            << QStringList{"2 Stunden", "30 Minuten", "Sonntag, 4. April 2027 um 02:00"}
            << QStringList{"2 часа", "30 минут", "воскресенье, 4 апреля 2027\u202fг. в 02:00"};
        QTest::newRow("same") << "Asia/Tokyo" << october << ClockNote::Facts{}
                              << "Same time as your computer · No clock change in the next 12 months" << QStringList{}
                              << QStringList{};
        QTest::newRow("forward")
            << "Europe/Berlin" << utc(2027, 3, 1, 0, 0)
            << ClockNote::Facts{-8 * 3600, C::Forward, 3600, QDate(2027, 3, 28), QTime(2, 0)}
            << "8 hours behind your time · Clocks go forward 1 hour on Sunday, March 28, 2027 at 2:00\u202fAM"
            << QStringList{"8 Stunden"} << QStringList{"8 часов", "воскресенье, 28 марта 2027\u202fг. в 02:00"};
        // Turkey stayed on summer time for good: the offset stays +03, only the standard offset moves.
        QTest::newRow("standard offset")
            << "Europe/Istanbul" << utc(2016, 9, 1, 0, 0)
            << ClockNote::Facts{-6 * 3600, C::StandardTime, 3600, QDate(2016, 9, 7), QTime(0, 0)}
            << "6 hours behind your time · The zone's standard time changes by 1 hour on Wednesday, "
               "September 7, 2016 at 12:00\u202fAM"
            << QStringList{"Mittwoch, 7. September 2016 um 00:00"} << QStringList{"6 часов"};
    }

    void notes()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, instant);
        QFETCH(ClockNote::Facts, facts);
        QFETCH(QString, english);
        QFETCH(QStringList, german);
        QFETCH(QStringList, russian);

        const ClockNote::Facts found = ClockNote::facts(ZoneDatabase::zone(zone), ZoneDatabase::localZone(), instant);
        const QString text = ClockNote::text(found, bundle(QStringLiteral("en_US")), QStringLiteral("en_US"));
        QVERIFY2(found == facts, qPrintable(text));
        QCOMPARE(text, english);
        for (const auto &[locale, pieces] :
             {std::pair{QStringLiteral("de_DE"), german}, {QStringLiteral("ru_RU"), russian}}) {
            const QString text = ClockNote::text(facts, bundle(locale), locale);
            for (const QString &piece : pieces)
                QVERIFY2(text.contains(piece), qPrintable(text));
        }
    }
};

QTEST_MAIN(TestClockNote)
#include "tst_clocknote.moc"
