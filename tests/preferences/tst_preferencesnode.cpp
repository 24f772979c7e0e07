#include "PreferencesNode.h"
#include "StdoutCapture.h"
#include "TestEnv.h"
#include "UserPreferences.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

using quillmark::hrl::UserPreferences;
using quillmark::utils::PreferencesNode;

class TestPreferencesNode final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void strictIntegers_data();
    void strictIntegers();
    void nodesOnOnePathShareWrites();
    void unwritableStoreCostsOneTraceLine();
};

void TestPreferencesNode::strictIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<int>("value");

    QTest::newRow("signs") << "-7" << true << -7;
    QTest::newRow("int min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("above int max") << "2147483648" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("blank") << " 18" << false << 0;
    QTest::newRow("hex") << "0x12" << false << 0;
    QTest::newRow("decimal point") << "18.0" << false << 0;
    QTest::newRow("non-ASCII digits") << QStringLiteral("\u0661\u0668") << false << 0;
}

void TestPreferencesNode::strictIntegers()
{
    QFETCH(QString, text);
    QFETCH(bool, parses);
    QFETCH(int, value);
    int parsed = 0;
    QCOMPARE(PreferencesNode::parseInt(text, &parsed), parses);
    if (parses)
        QCOMPARE(parsed, value);

    qint64 wide = 0;
    QVERIFY(PreferencesNode::parseLong(QStringLiteral("-9223372036854775808"), &wide));
    QCOMPARE(wide, std::numeric_limits<qint64>::min());
    QVERIFY(!PreferencesNode::parseLong(QStringLiteral("9223372036854775808"), &wide));
}

void TestPreferencesNode::nodesOnOnePathShareWrites()
{
    TestEnv env;
    PreferencesNode first(QStringLiteral("/com/quillmark/hrl/HRL"));
    PreferencesNode second(QStringLiteral("/com/quillmark/hrl/HRL"));
    // Commas and semicolons are special in INI files; texts must come back as written.
    const QString text = QStringLiteral("EEE, d MMM;'o''clock' \"q\" @x");
    first.put(QStringLiteral("Key"), text);
    QCOMPARE(second.get(QStringLiteral("Key"), QString()), text);
    second.remove(QStringLiteral("Key"));
    QVERIFY(!first.contains(QStringLiteral("Key")));
    QVERIFY(!first.child(QStringLiteral("RecentFiles/3")).contains(QStringLiteral("Key")));

    // The write is in the file already, under the node path.
    first.put(QStringLiteral("Key"), text);
    QSettings reader(env.storeFile(), QSettings::IniFormat);
    QCOMPARE(reader.value(QStringLiteral("com/quillmark/hrl/HRL/Key")).toString(), text);
}

void TestPreferencesNode::unwritableStoreCostsOneTraceLine()
{
    TestEnv env;
    // A store below a plain file cannot be created by anyone, root included.
    QFile plain(env.path() + QStringLiteral("/plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, plain.fileName() + QStringLiteral("/store"));

    StdoutCapture capture;
    UserPreferences prefs(QStringLiteral("com.quillmark.hrl.HRL"));
    QVERIFY(!prefs.setDarkMode(true));
    QVERIFY(!prefs.setTimeFontSize(20));
    prefs.removePreferences();
    QVERIFY(!UserPreferences(QStringLiteral("com.quillmark.hrl.HRL")).setOnTaskBar(true));
    const QStringList lines = capture.lines();

    QCOMPARE(lines.size(), 1);
    const QString expected = QStringLiteral(" PreferencesNode: put: Exception: cannot write the preferences store ");
    QVERIFY2(lines.at(0).contains(expected), qPrintable(lines.at(0)));
    // Nothing in this process shows what the file does not hold.
    QCOMPARE(prefs.isDarkMode(), false);
    QCOMPARE(prefs.getTimeFontSize(), 18);

    // Once the store can be written again, the next write says so and lands.
    QVERIFY(plain.remove());
    QVERIFY(QDir().mkpath(plain.fileName()));
    QVERIFY(prefs.setDarkMode(true));
    QSettings reader(prefs.fileName(), QSettings::IniFormat);
    QCOMPARE(reader.value(QStringLiteral("com/quillmark/hrl/HRL/DarkMode")).toString(), QStringLiteral("true"));
    QCOMPARE(reader.value(QStringLiteral("com/quillmark/hrl/HRL/OnTaskBar")), QVariant());
}

QTEST_MAIN(TestPreferencesNode)
#include "tst_preferencesnode.moc"
