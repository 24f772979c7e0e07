#include "MyConstants.h"
#include "PreferencesNode.h"
#include "ScopedEnv.h"
#include "SystemZone.h"
#include "TestEnv.h"
#include "UserPreferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace quillmark::hrl;
using quillmark::utils::PreferencesNode;

namespace {

const QString MainClass = QStringLiteral("com.quillmark.hrl.HRL");

} // namespace

class TestUserPreferences final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshStoreDefaults();
    void defaultZoneList_data();
    void defaultZoneList();
    void localZoneRejectsNonZones();
    void zoneListSplitting_data();
    void zoneListSplitting();
    void unparsableValuesReadAsDefaults();
    void removePreferencesKeepsZonesAndWindowFlags();
    void handWrittenZoneListWithoutQuotes();
};

void TestUserPreferences::freshStoreDefaults()
{
    TestEnv env;
    const UserPreferences prefs(MainClass);
    QCOMPARE(prefs.isVerticalLayout(), true);
    QCOMPARE(prefs.isRoundFlags(), true);
    QCOMPARE(prefs.isAlwaysOnTop(), true);
    QCOMPARE(prefs.isDarkMode(), false);
    QCOMPARE(prefs.isOnTaskBar(), false);
    QCOMPARE(prefs.getTimeFontSize(), 18);
    // ctest runs this with TZ=America/New_York.
    QCOMPARE(prefs.getTimeZones(),
             QStringList({"America/New_York", "America/Los_Angeles", "Europe/London", "Australia/Sydney"}));
}

void TestUserPreferences::defaultZoneList_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QStringList>("zones");

    QTest::newRow("New York: in preset 0, gets preset 1")
        << QByteArray("America/New_York")
        << QStringList{"America/New_York", "America/Los_Angeles", "Europe/London", "Australia/Sydney"};
    QTest::newRow("Berlin: only in preset 2, gets preset 3")
        << QByteArray("Europe/Berlin")
        << QStringList{"Europe/Berlin", "America/New_York", "Europe/London", "Asia/Hong_Kong"};
    QTest::newRow("Tokyo: in no preset, gets preset 0")
        << QByteArray("Asia/Tokyo")
        << QStringList{"Asia/Tokyo", "America/New_York", "Europe/London", "Australia/Sydney"};
    QTest::newRow("London: twice") << QByteArray(
        "Europe/London") << QStringList{"Europe/London", "America/Los_Angeles", "Europe/London", "Australia/Sydney"};
    QTest::newRow("UTC") << QByteArray("UTC")
                         << QStringList{"UTC", "America/New_York", "Europe/London", "Australia/Sydney"};
    // TZ may name the zone with a leading ":" or as a file of the database.
    QTest::newRow("leading colon") << QByteArray(
        ":Europe/Berlin") << QStringList{"Europe/Berlin", "America/New_York", "Europe/London", "Asia/Hong_Kong"};
    QTest::newRow("database path") << QByteArray("/usr/share/zoneinfo/posix/Asia/Tokyo")
                                   << QStringList{"Asia/Tokyo", "America/New_York", "Europe/London",
                                                  "Australia/Sydney"};
    QTest::newRow("alias") << QByteArray("US/Eastern")
                           << QStringList{"US/Eastern", "America/New_York", "Europe/London", "Australia/Sydney"};
}

void TestUserPreferences::defaultZoneList()
{
    QFETCH(QByteArray, tz);
    QFETCH(QStringList, zones);
    TestEnv env;
    const ScopedEnv scoped("TZ", tz);
    QCOMPARE(UserPreferences(MainClass).getTimeZones(), zones);
}

void TestUserPreferences::localZoneRejectsNonZones()
{
    QCOMPARE(SystemZone::idFromTz(QStringLiteral("No/Such_Zone")), QString());
    QCOMPARE(SystemZone::idFromTz(QStringLiteral("/usr/share/zoneinfo/../../../etc/passwd")), QString());
    QCOMPARE(SystemZone::idFromTz(QString()), QString());
    const ScopedEnv scoped("TZ", "No/Such_Zone");
    QVERIFY(!SystemZone::id().isEmpty());
}

void TestUserPreferences::zoneListSplitting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("trailing separator") << "Asia/Tokyo;" << QStringList{"Asia/Tokyo"};
    QTest::newRow("empty text") << "" << QStringList{""};
    QTest::newRow("several trailing") << "A;B;;;" << QStringList{"A", "B"};
    QTest::newRow("empty parts inside stay") << ";A;;B" << QStringList{"", "A", "", "B"};
    QTest::newRow("separators only") << ";;" << QStringList{};
}

void TestUserPreferences::zoneListSplitting()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, ids);
    TestEnv env;
    UserPreferences prefs(MainClass);
    prefs.setTimeZones(stored);
    QCOMPARE(prefs.getTimeZones(), ids);
}

void TestUserPreferences::unparsableValuesReadAsDefaults()
{
    TestEnv env;
    PreferencesNode node(QStringLiteral("/com/quillmark/hrl/HRL"));
    node.put(MyConstants::TIME_FONT_WIDTH.key, QStringLiteral("18pt"));
    node.put(MyConstants::VERTICAL_LAYOUT.key, QStringLiteral("no"));
    node.put(MyConstants::ON_TASKBAR.key, QStringLiteral("1"));
    node.put(MyConstants::DARK_MODE.key, QStringLiteral("TRUE"));
    node.put(MyConstants::ALWAYS_ON_TOP.key, QStringLiteral("fAlSe"));

    const UserPreferences prefs(MainClass);
    QCOMPARE(prefs.getTimeFontSize(), 18);
    QCOMPARE(prefs.isVerticalLayout(), true);
    QCOMPARE(prefs.isOnTaskBar(), false);
    // Letter case does not matter for a boolean that parses.
    QCOMPARE(prefs.isDarkMode(), true);
    QCOMPARE(prefs.isAlwaysOnTop(), false);
    node.put(MyConstants::TIME_FONT_WIDTH.key, QStringLiteral("99999999999"));
    QCOMPARE(prefs.getTimeFontSize(), 18);
}

void TestUserPreferences::removePreferencesKeepsZonesAndWindowFlags()
{
    TestEnv env;
    UserPreferences prefs(MainClass);
    prefs.setDatePattern(QStringLiteral("d.M.yy"));
    prefs.setTimePattern(QStringLiteral("HH:mm"));
    prefs.setTimeFontSize(40);
    prefs.setVerticalLayout(false);
    prefs.setRoundFlags(false);
    prefs.setTimeZones(QStringLiteral("Asia/Tokyo"));
    prefs.setAlwaysOnTop(false);
    prefs.setDarkMode(true);
    prefs.setOnTaskBar(true);

    prefs.removePreferences();

    QCOMPARE(prefs.getDatePattern(QStringLiteral("default")), QStringLiteral("default"));
    QCOMPARE(prefs.getTimePattern(QStringLiteral("default")), QStringLiteral("default"));
    QCOMPARE(prefs.getTimeFontSize(), 18);
    QCOMPARE(prefs.isVerticalLayout(), true);
    QCOMPARE(prefs.isRoundFlags(), true);
    QCOMPARE(prefs.getTimeZones(), QStringList{"Asia/Tokyo"});
    QCOMPARE(prefs.isAlwaysOnTop(), false);
    QCOMPARE(prefs.isDarkMode(), true);
    QCOMPARE(prefs.isOnTaskBar(), true);
}

void TestUserPreferences::handWrittenZoneListWithoutQuotes()
{
    TestEnv env;
    const QString store = env.storeFile();
    QDir().mkpath(QFileInfo(store).path());
    const auto write = [&](const QByteArray &content) {
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    const auto read = [&] {
        QFile file(store);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QStringList three = {QStringLiteral("Asia/Tokyo"), QStringLiteral("Europe/Paris"),
                               QStringLiteral("America/Chicago")};

    // As a user writes it: without quotes, maybe with blanks.
    write("[com]\nquillmark\\hrl\\HRL\\TimeZones=Asia/Tokyo; Europe/Paris;America/Chicago\n"
          "quillmark\\hrl\\HRL\\DarkMode=true\n");
    const UserPreferences prefs(MainClass);
    QCOMPARE(prefs.getTimeZones(), three);
    // Written back at once and quoted, so no later write loses a zone.
    QVERIFY2(read().contains("TimeZones=\"Asia/Tokyo;Europe/Paris;America/Chicago\""), read().constData());
    QVERIFY(prefs.isDarkMode());
    UserPreferences(MainClass).setRoundFlags(false);
    QCOMPARE(prefs.getTimeZones(), three);

    // Quoted, a list is left as it is. (A store opened after the edit, as at a start.)
    write("[com]\nquillmark\\hrl\\HRL\\TimeZones=\"Asia/Tokyo;Europe/Paris\"\n");
    const QByteArray quoted = read();
    QCOMPARE(UserPreferences(MainClass).getTimeZones(), three.mid(0, 2));
    QCOMPARE(read(), quoted);
    // One zone needs no quotes.
    write("[com]\nquillmark\\hrl\\HRL\\TimeZones=Asia/Tokyo\n");
    QCOMPARE(UserPreferences(MainClass).getTimeZones(), three.mid(0, 1));
}

QTEST_MAIN(TestUserPreferences)
#include "tst_userpreferences.moc"
