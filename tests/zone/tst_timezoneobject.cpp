#include "Clock.h"
#include "ClockColorRoles.h"
#include "DateFormatter.h"
#include "FreshStoreTest.h"
#include "IconLabel.h"
#include "ResourceBundle.h"
#include "TimeZoneObject.h"
#include "UserPreferences.h"
#include "Utc.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

using namespace quillmark::hrl;
using namespace Qt::StringLiterals;
using quillmark::utils::ResourceBundle;

namespace {
QColor textColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}
} // namespace

// The tests run with TZ=America/New_York and an English locale.
class TestTimeZoneObject : public FreshStoreTest
{
    Q_OBJECT

    std::unique_ptr<UserPreferences> prefs;
    ResourceBundle labels;

    void setUp() override
    {
        prefs = std::make_unique<UserPreferences>(QStringLiteral("com.quillmark.hrl.HRL"));
        labels = ResourceBundle::getBundle(QStringLiteral("com.quillmark.hrl.lang/Lang"), QStringLiteral("en_US"));
        DateFormatter::setLocale(QStringLiteral("en_US"));
    }

    void tearDown() override
    {
        Clock::reset();
        prefs.reset();
    }

private Q_SLOTS:

    void labelsOfOneClock()
    {
        const QDateTime july = utc(2026, 7, 15, 16, 5, 0);
        Clock::setSource([=] { return july; });
        TimeZoneObject ny(QStringLiteral("America/New_York"), july, prefs.get(), QString(), labels);
        QCOMPARE(ny.getNameLbl()->text(), QStringLiteral("New York"));
        QCOMPARE(ny.getTimeLbl()->text(), QStringLiteral("12:05 PM"));      // daylight time on the clock...
        QCOMPARE(ny.getTimeZoneLbl()->text(), QStringLiteral("UTC-05:00")); // ...standard offset below it
        QCOMPARE(ny.getDateLbl()->text(), QStringLiteral("2026-07-15"));
        QCOMPARE(ny.getTimeLbl()->font().pointSize(), 18);
        QCOMPARE(ny.getDateLbl()->font().pointSize(), 14);
        QCOMPARE(ny.getTimeZoneLbl()->font().pointSize(), 12);
        QCOMPARE(textColor(ny.getTimeZoneLbl()), QColor(42, 126, 55));
        QCOMPARE(ny.getTimeLbl()->accessibleDescription(), QStringLiteral("New York, time"));

        TimeZoneObject kathmandu(QStringLiteral("Asia/Kathmandu"), july, prefs.get(), QString(), labels);
        QCOMPARE(kathmandu.getTimeZoneLbl()->text(), QStringLiteral("UTC+05:45"));
    }

    void labelsKeepTheirColoursWhileTheWindowIsDisabled()
    {
        // A dialog disables the window while it is open; the clocks must stay as readable.
        for (const bool dark : {false, true}) {
            prefs->setDarkMode(dark);
            TimeZoneObject zone(QStringLiteral("Asia/Tokyo"), Clock::now(), prefs.get(), QString(), labels);
            for (const QLabel *label : {static_cast<QLabel *>(zone.getNameLbl()), zone.getTimeLbl(),
                                        zone.getTimeZoneLbl(), zone.getDateLbl()}) {
                const QPalette &palette = label->palette();
                QCOMPARE(palette.color(QPalette::Disabled, QPalette::WindowText),
                         palette.color(QPalette::Active, QPalette::WindowText));
            }
        }
    }

    // A clock's size, from which the window takes its first size, holds each of its labels whole
    // (the flag too), one under another, and not much more.
    void sizeHoldsEveryLabel_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("datePattern");
        QTest::addColumn<int>("timeFontSize");
        QTest::newRow("short name") << u"UTC"_s << QString() << QString() << 18;
        QTest::newRow("long name") << u"America/Argentina/ComodRivadavia"_s << QString() << QString() << 18;
        QTest::newRow("long date") << u"Europe/London"_s << QString() << u"EEEE MMMM d, yyyy"_s << 18;
        QTest::newRow("large time") << u"Asia/Tokyo"_s << QString() << QString() << 60;
        QTest::newRow("flag") << u"Asia/Kolkata"_s << u"flag-in.png"_s << QString() << 18;
    }

    void sizeHoldsEveryLabel()
    {
        QFETCH(QString, zone);
        QFETCH(QString, flag);
        QFETCH(QString, datePattern);
        QFETCH(int, timeFontSize);
        if (!datePattern.isNull())
            prefs->setDatePattern(datePattern);
        prefs->setTimeFontSize(timeFontSize);
        const TimeZoneObject clock(zone, utc(2026, 12, 8, 14, 3, 7), prefs.get(), flag, labels);
        QCOMPARE(clock.getNameLbl()->hasIcon(), !flag.isNull());
        const QSize size = clock.getObjectDimension();
        QSize needed(0, 0);
        for (const QLabel *label : std::initializer_list<const QLabel *>{clock.getNameLbl(), clock.getTimeLbl(),
                                                                         clock.getTimeZoneLbl(), clock.getDateLbl()}) {
            const QSize hint = label->sizeHint();
            QVERIFY2(hint.width() <= size.width(),
                     qPrintable(u"%1 needs %2 of %3"_s.arg(label->text()).arg(hint.width()).arg(size.width())));
            needed = QSize(std::max(needed.width(), hint.width()), needed.height() + hint.height());
        }
        // Stacked, to a pixel a label: the window's packing settles the last pixels of its height.
        QVERIFY2(needed.height() - 4 <= size.height(),
                 qPrintable(u"%1 of %2"_s.arg(needed.height()).arg(size.height())));
        QVERIFY(size.width() < needed.width() * 3 / 2);
        QVERIFY(size.height() < needed.height() * 3 / 2);
    }

    void unknownZoneShowsOffsetZeroUnderItsName()
    {
        const QDateTime now = utc(2026, 7, 15, 16, 5, 0);
        TimeZoneObject zone(QStringLiteral("Atlantis/Lost_City"), now, prefs.get(), QString(), labels);
        QCOMPARE(zone.getNameLbl()->text(), QStringLiteral("Lost City"));
        QCOMPARE(zone.getTimeLbl()->text(), QStringLiteral("4:05 PM"));
        QCOMPARE(zone.getTimeZoneLbl()->text(), QStringLiteral("UTC+00:00"));
    }

    void dateColourFollowsTheCalendarDay()
    {
        // 21:30 in New York is already tomorrow in Tokyo and still today in Honolulu.
        const QDateTime evening = utc(2026, 7, 16, 1, 30, 0);
        Clock::setSource([=] { return evening; });
        TimeZoneObject tokyo(QStringLiteral("Asia/Tokyo"), evening, prefs.get(), QString(), labels);
        TimeZoneObject honolulu(QStringLiteral("Pacific/Honolulu"), evening, prefs.get(), QString(), labels);
        TimeZoneObject chicago(QStringLiteral("America/Chicago"), evening, prefs.get(), QString(), labels);
        QCOMPARE(textColor(tokyo.getDateLbl()), QColor(112, 13, 114));
        QCOMPARE(textColor(chicago.getDateLbl()), QColor(Qt::black));

        // 20:30 in Honolulu on the 15th while New York is past midnight.
        const QDateTime late = utc(2026, 7, 16, 6, 30, 0);
        Clock::setSource([=] { return late; });
        honolulu.updateDateTime(late);
        QCOMPARE(textColor(honolulu.getDateLbl()), QColor(212, 43, 50));

        prefs->setDarkMode(true);
        Clock::setSource([=] { return evening; });
        tokyo.updateDateTime(evening);
        chicago.updateDateTime(evening);
        QCOMPARE(textColor(tokyo.getDateLbl()), ClockColorRoles::darkModeNextDay());
        QCOMPARE(textColor(chicago.getDateLbl()), QColor(Qt::white));
    }

    void changedPatternShowsAtTheNextUpdate()
    {
        const QDateTime now = utc(2026, 12, 8, 14, 3, 7);
        TimeZoneObject zone(QStringLiteral("Europe/Berlin"), now, prefs.get(), QString(), labels);
        QCOMPARE(zone.getTimeLbl()->text(), QStringLiteral("3:03 PM"));
        prefs->setTimePattern(QStringLiteral("HH:mm:ss"));
        prefs->setDatePattern(QStringLiteral("EEEE MMMM d, yyyy"));
        zone.updateDateTime(now.addSecs(1));
        QCOMPARE(zone.getTimeLbl()->text(), QStringLiteral("15:03:08"));
        QCOMPARE(zone.getDateLbl()->text(), QStringLiteral("Tuesday December 8, 2026"));
    }

    void unusableStoredValuesFallBack()
    {
        const QDateTime now = utc(2026, 12, 8, 14, 3, 7);
        prefs->setTimePattern(QStringLiteral("HH:mm 'unclosed"));
        prefs->setDatePattern(QStringLiteral("yyyy-MM-dd jj"));
        prefs->setTimeFontSize(4);
        TimeZoneObject zone(QStringLiteral("UTC"), now, prefs.get(), QString(), labels);
        QCOMPARE(zone.getTimeLbl()->text(), QStringLiteral("2:03 PM"));
        QCOMPARE(zone.getDateLbl()->text(), QStringLiteral("2026-12-08"));
        QCOMPARE(zone.getTimeLbl()->font().pointSize(), 18);
        QCOMPARE(TimeZoneObject::usableTimeFontSize(7), 7);
        QCOMPARE(TimeZoneObject::usableTimeFontSize(6), 18);
        QCOMPARE(TimeZoneObject::usableTimeFontSize(201), 18);
    }

    void flagsFollowTheStyle()
    {
        const QDateTime now = utc(2026, 12, 8, 14, 3, 7);
        // India has both styles; Åland (AX) only a rectangular one.
        TimeZoneObject india(QStringLiteral("Asia/Kolkata"), now, prefs.get(), QStringLiteral("flag-in.png"), labels);
        QVERIFY(india.getNameLbl()->hasIcon());
        QVERIFY(india.currentFlagsSetting());

        TimeZoneObject aland(QStringLiteral("Europe/Mariehamn"), now, prefs.get(), QStringLiteral("flag-ax.png"),
                             labels);
        QVERIFY(!aland.getNameLbl()->hasIcon()); // no round image: no flag, no error

        prefs->setRoundFlags(false);
        india.updateDateTime(now);
        aland.updateDateTime(now);
        QVERIFY(!india.currentFlagsSetting());
        QVERIFY(aland.getNameLbl()->hasIcon());

        // Back to round: Åland keeps its rectangular flag and tries again at every update.
        prefs->setRoundFlags(true);
        aland.updateDateTime(now);
        aland.updateDateTime(now);
        QVERIFY(aland.getNameLbl()->hasIcon());
        QVERIFY(!aland.currentFlagsSetting());
        india.updateDateTime(now);
        QVERIFY(india.currentFlagsSetting());

        // A code with no image in either style.
        TimeZoneObject juba(QStringLiteral("Africa/Juba"), now, prefs.get(), QStringLiteral("flag-ss.png"), labels);
        QVERIFY(!juba.getNameLbl()->hasIcon());
    }

    // The note of the last update, as tooltip of every label and after the name label's description.
    void noteIsTheTooltipAndTheDescription()
    {
        TimeZoneObject berlin(QStringLiteral("Europe/Berlin"), utc(2026, 10, 20, 3, 0), prefs.get(), QString(), labels);
        QCOMPARE(berlin.note(), QStringLiteral("6 hours ahead of your time · Clocks go back 1 hour on Sunday, "
                                               "October 25, 2026 at 3:00\u202fAM"));
        berlin.updateDateTime(utc(2026, 10, 30, 3, 0)); // Berlin has changed, New York not yet
        const QString note = berlin.note();
        QVERIFY2(note.startsWith(QStringLiteral("5 hours ahead of your time · Clocks go forward")), qPrintable(note));

        QWidget window;
        berlin.getDateLbl()->setParent(&window);
        window.show();
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), berlin.getDateLbl()->mapToGlobal(QPoint(2, 2)));
        QVERIFY(QApplication::sendEvent(berlin.getDateLbl(), &help));
        QTRY_COMPARE(QToolTip::text(), note);

        QAccessibleInterface *name = QAccessible::queryAccessibleInterface(berlin.getNameLbl());
        QCOMPARE(name->text(QAccessible::Name), QStringLiteral("Berlin"));
        QCOMPARE(name->text(QAccessible::Description), QStringLiteral("Berlin, zone · ") + note);
        QCOMPARE(berlin.getNameLbl()->accessibleDescription(), QStringLiteral("Berlin, zone"));
    }

    // A shown flag makes a clock one icon wider and taller; a flag without an image adds nothing.
    void flagCountsInTheSizeOnlyWhenShown_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QSize>("added");
        QTest::newRow("shown") << "Asia/Kolkata"
                               << "flag-in.png" << QSize(16, 16);
        QTest::newRow("no round image") << "Europe/Mariehamn"
                                        << "flag-ax.png" << QSize(0, 0);
        QTest::newRow("no image at all") << "Africa/Juba"
                                         << "flag-ss.png" << QSize(0, 0);
    }

    void flagCountsInTheSizeOnlyWhenShown()
    {
        QFETCH(QString, zone);
        QFETCH(QString, flag);
        QFETCH(QSize, added);
        const QDateTime now = utc(2026, 12, 8, 14, 3, 7);
        const TimeZoneObject plain(zone, now, prefs.get(), QString(), labels);
        const TimeZoneObject flagged(zone, now, prefs.get(), flag, labels);
        QCOMPARE(flagged.getObjectDimension(), plain.getObjectDimension() + added);
    }
};

QTEST_MAIN(TestTimeZoneObject)
#include "tst_timezoneobject.moc"
