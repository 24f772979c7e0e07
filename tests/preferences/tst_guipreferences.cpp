#include "GUIConstants.h"
#include "GuiPreferences.h"
#include "PreferencesNode.h"
#include "StdoutCapture.h"
#include "SystemProperties.h"
#include "TestEnv.h"

#include <QLocale>
#include <QTest>

using namespace quillmark::utils;

namespace {

const QString MainClass = QStringLiteral("com.quillmark.hrl.HRL");

PreferencesNode recentNode(int n)
{
    return PreferencesNode(QStringLiteral("/com/quillmark/hrl/HRL/RecentFiles/%1").arg(n));
}

QStringList names(int count, const QString &stem = QStringLiteral("f"))
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << stem + QString::number(i);
    return result;
}

} // namespace

class TestGuiPreferences final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void freshStoreDefaults();
    void pairSettersAndOrder();
    void recentFilesReading();
    void recentFilesWriting();
    void localeParsing_data();
    void localeParsing();
    void removeOperations();
    void toolbarFollowsWritingDirection();
    void unusableFontSizeReadsAsDefault_data();
    void unusableFontSizeReadsAsDefault();
};

void TestGuiPreferences::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestGuiPreferences::freshStoreDefaults()
{
    TestEnv env;
    const GuiPreferences prefs(MainClass);
    QCOMPARE(prefs.getDatePattern(), QStringLiteral("yyyy/MM/dd"));
    QCOMPARE(prefs.getTimePattern(), QStringLiteral("HH:mm:ss.SSS"));
    QCOMPARE(prefs.getFontVariableWidthSize(), 12);
    QCOMPARE(prefs.getFontFixedWidthSize(), 12);
    QCOMPARE(prefs.getRecentFiles(), QStringList());

    const QString home = SystemProperties::get(QStringLiteral("user.home"));
    QCOMPARE(prefs.getLastUserDir(), home);
    QCOMPARE(prefs.getLastReportDir(), home + QStringLiteral("/Quillmark/reports"));
    // ctest runs this with LANG=en_US.UTF-8.
    QCOMPARE(prefs.getMyLocale().toString(), QStringLiteral("en_US"));
}

void TestGuiPreferences::pairSettersAndOrder()
{
    TestEnv env;
    GuiPreferences prefs(MainClass);
    prefs.setMainWindowLocation(-120, 30);
    prefs.setMainWindowSize(640, 480);
    prefs.setEditWindowSize(1024, 700);
    QCOMPARE(prefs.getMainWindowLocation(50, 50), QPoint(-120, 30));
    QCOMPARE(prefs.getMainWindowSize(1, 1), QSize(640, 480));
    QCOMPARE(prefs.getEditWindowSize(1, 1), QSize(1024, 700));

    // Each half of a pair falls back on its own.
    PreferencesNode node(QStringLiteral("/com/quillmark/hrl/HRL"));
    node.remove(GUIConstants::KEY_MAIN_WINDOW_POSY);
    node.put(GUIConstants::KEY_EDIT_WINDOW_WIDTH, QStringLiteral("wide"));
    QCOMPARE(prefs.getMainWindowLocation(50, 50), QPoint(-120, 50));
    QCOMPARE(prefs.getEditWindowSize(800, 600), QSize(800, 700));
}

void TestGuiPreferences::recentFilesReading()
{
    TestEnv env;
    const GuiPreferences prefs(MainClass);
    PreferencesNode counter(QStringLiteral("/com/quillmark/hrl/HRL/RecentFiles"));

    // A gap moves the later names forward and leaves an empty slot at the end.
    counter.putInt(GUIConstants::KEY_RECENT_FILES_COUNT, 3);
    recentNode(0).put(GUIConstants::KEY_FILE_NAME, QStringLiteral("/a"));
    recentNode(2).put(GUIConstants::KEY_FILE_NAME, QStringLiteral("/c"));
    QCOMPARE(prefs.getRecentFiles(), QStringList({"/a", "/c", ""}));

    for (int n = 0; n < 12; ++n)
        recentNode(n).put(GUIConstants::KEY_FILE_NAME, QStringLiteral("/f%1").arg(n));
    counter.putInt(GUIConstants::KEY_RECENT_FILES_COUNT, 25);
    QCOMPARE(prefs.getRecentFiles(), names(10, QStringLiteral("/f")));

    counter.putInt(GUIConstants::KEY_RECENT_FILES_COUNT, -2);
    QCOMPARE(prefs.getRecentFiles(), QStringList());
}

void TestGuiPreferences::recentFilesWriting()
{
    TestEnv env;
    GuiPreferences prefs(MainClass);
    const PreferencesNode counter(QStringLiteral("/com/quillmark/hrl/HRL/RecentFiles"));
    const auto count = [&] { return counter.getInt(GUIConstants::KEY_RECENT_FILES_COUNT, -1); };

    prefs.setRecentFiles(names(12));
    QCOMPARE(count(), 10);
    QCOMPARE(prefs.getRecentFiles(), names(10));
    QVERIFY(!recentNode(10).contains(GUIConstants::KEY_FILE_NAME));

    // Empty entries are skipped and the rest packed.
    prefs.setRecentFiles({QStringLiteral("x0"), QString(), QStringLiteral("x2")});
    QCOMPARE(count(), 2);
    QCOMPARE(recentNode(1).get(GUIConstants::KEY_FILE_NAME, QString()), QStringLiteral("x2"));
    // Nodes above the count keep their old names but are no longer read.
    QCOMPARE(recentNode(2).get(GUIConstants::KEY_FILE_NAME, QString()), QStringLiteral("f2"));
    QCOMPARE(prefs.getRecentFiles(), QStringList({"x0", "x2"}));

    // Only the first ten entries are looked at, empty ones included.
    QStringList list = names(12, QStringLiteral("y"));
    list[0].clear();
    list[1].clear();
    list[2].clear();
    prefs.setRecentFiles(list);
    QCOMPARE(count(), 7);
    QCOMPARE(prefs.getRecentFiles(), names(10, QStringLiteral("y")).mid(3));
}

void TestGuiPreferences::localeParsing_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("country");

    QTest::newRow("language only") << "fr"
                                   << "fr"
                                   << "";
    QTest::newRow("language and country") << "pt_BR"
                                          << "pt"
                                          << "BR";
    QTest::newRow("rest is the country") << "zh_TW_x"
                                         << "zh"
                                         << "TW_x";
}

void TestGuiPreferences::localeParsing()
{
    QFETCH(QString, stored);
    QFETCH(QString, language);
    QFETCH(QString, country);
    TestEnv env;
    GuiPreferences prefs(MainClass);
    prefs.setMyLocale(stored);
    const LocaleName locale = prefs.getMyLocale();
    QCOMPARE(locale.getLanguage(), language);
    QCOMPARE(locale.getCountry(), country);
    QCOMPARE(locale.getVariant(), QString());
}

void TestGuiPreferences::removeOperations()
{
    TestEnv env;
    StdoutCapture capture;
    GuiPreferences prefs(MainClass);
    const QStringList traces = capture.lines();
    QCOMPARE(traces.size(), 1);
    QVERIFY2(traces.at(0).endsWith(QStringLiteral(" GuiPreferences: <init>: ")), qPrintable(traces.at(0)));
    const auto fill = [&] {
        prefs.setEditWindowSize(1, 2);
        prefs.setMainWindowSize(3, 4);
        prefs.setMainWindowLocation(5, 6);
        prefs.setFontFixedWidthSize(20);
        prefs.setFontVariableWidthSize(21);
        prefs.setMainToolbarPosition(1);
        prefs.setHandler(GUIConstants::KEY_LARGE_FONT, QStringLiteral("true"));
        prefs.setMyLocale(QStringLiteral("de_CH"));
        prefs.setDatePattern(QStringLiteral("d"));
        prefs.setRecentFiles({QStringLiteral("r")});
    };
    const auto checkCleared = [&] {
        QCOMPARE(prefs.getEditWindowSize(800, 600), QSize(800, 600));
        QCOMPARE(prefs.getMainWindowSize(800, 600), QSize(800, 600));
        QCOMPARE(prefs.getMainWindowLocation(50, 50), QPoint(50, 50));
        QCOMPARE(prefs.getFontFixedWidthSize(), 12);
        QCOMPARE(prefs.getMainToolbarPosition(), 0);
        QCOMPARE(prefs.getHandler(GUIConstants::KEY_LARGE_FONT, QStringLiteral("absent")), QStringLiteral("absent"));
        // Untouched by both.
        QCOMPARE(prefs.getFontVariableWidthSize(), 21);
        QCOMPARE(prefs.getDatePattern(), QStringLiteral("d"));
        QCOMPARE(prefs.getRecentFiles(), QStringList{"r"});
    };

    fill();
    prefs.removePreferences2();
    checkCleared();
    QCOMPARE(prefs.getMyLocale().toString(), QStringLiteral("de_CH"));

    fill();
    prefs.removePreferences();
    checkCleared();
    QCOMPARE(prefs.getMyLocale().toString(), QStringLiteral("en_US"));
}

void TestGuiPreferences::toolbarFollowsWritingDirection()
{
    TestEnv env;
    const GuiPreferences prefs(MainClass);
    QCOMPARE(prefs.getMainToolbarPosition(), GUIConstants::DEFAULT_TOOLBAR_POSITION);
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QCOMPARE(prefs.getMainToolbarPosition(), GUIConstants::DEFAULT_TOOLBAR_POSITION_RTL);
    QCOMPARE(prefs.getMyLocale().toString(), QStringLiteral("ar_EG"));
}

void TestGuiPreferences::unusableFontSizeReadsAsDefault_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("1000") << QStringLiteral("1000") << 12;
    QTest::newRow("999999") << QStringLiteral("999999") << 12;
    QTest::newRow("73") << QStringLiteral("73") << 12;
    QTest::newRow("72") << QStringLiteral("72") << 72;
    QTest::newRow("7") << QStringLiteral("7") << 7;
    QTest::newRow("6") << QStringLiteral("6") << 12;
    QTest::newRow("0") << QStringLiteral("0") << 12;
    QTest::newRow("-12") << QStringLiteral("-12") << 12;
}

void TestGuiPreferences::unusableFontSizeReadsAsDefault()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    TestEnv env;
    GuiPreferences prefs(MainClass);
    prefs.setHandler(QStringLiteral("FontVariableWidthSize"), stored);
    QCOMPARE(prefs.getFontVariableWidthSize(), expected);
    // The caller's default stands in the same way.
    QCOMPARE(prefs.getFontVariableWidthSize(14), expected == 12 ? 14 : expected);
}

QTEST_MAIN(TestGuiPreferences)
#include "tst_guipreferences.moc"
