#include "PreferencesFile.h"
#include "StdoutCapture.h"
#include "TestEnv.h"
#include "UserPreferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <unistd.h>

using quillmark::hrl::UserPreferences;
using quillmark::utils::PreferencesFile;

namespace {

const QString MainClass = QStringLiteral("com.quillmark.hrl.HRL");

void writeFile(const QString &name, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(name).path());
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList asideFiles(const TestEnv &env)
{
    return QFileInfo(env.storeFile()).dir().entryList({QStringLiteral("Horalia.ini.unreadable-*")});
}

} // namespace

// The file behind the store: content that is no settings, and stores that cannot be read.
class TestPreferencesFile final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsText_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ASCII") << QByteArray("[com]\nquillmark\\hrl\\HRL\\DarkMode=true\n") << true;
        QTest::newRow("UTF-8") << QByteArray("a=\"H\xC3\xA9 \xE2\x80\x94\"\n") << true;
        QTest::newRow("NUL byte") << QByteArray("a=1\n\0b=2\n", 9) << false;
        QTest::newRow("Latin-1") << QByteArray("a=\"H\xE9\"\n") << false;
        QTest::newRow("cut UTF-8 sequence") << QByteArray("a=\"\xE2\x80\"\n") << false;
    }
    void settingsText()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, expected);
        QCOMPARE(PreferencesFile::isSettingsText(content), expected);
    }

    void asideNameIsFree()
    {
        TestEnv env;
        const QString store = env.storeFile();
        const QDate day(2026, 12, 8);
        QCOMPARE(PreferencesFile::asideName(store, day), store + QStringLiteral(".unreadable-20261208"));
        writeFile(store + QStringLiteral(".unreadable-20261208"), "x");
        writeFile(store + QStringLiteral(".unreadable-20261208-2"), "x");
        QCOMPARE(PreferencesFile::asideName(store, day), store + QStringLiteral(".unreadable-20261208-3"));
    }

    void rawValueAsWritten()
    {
        TestEnv env;
        const QString store = env.storeFile();
        writeFile(store, "[General]\nTop=1\n[com]\nquillmark\\hrl\\HRL\\TimeZones = Asia/Tokyo;Europe/Paris ; x\r\n"
                         "; quillmark\\hrl\\HRL\\DarkMode=commented\nquillmark\\hrl\\HRL\\DarkMode=false\n"
                         "quillmark\\hrl\\HRL\\DarkMode=\"true\"\n[other]\nTimeZones=elsewhere\n");
        QCOMPARE(PreferencesFile::rawValue(store, QStringLiteral("com/quillmark/hrl/HRL/TimeZones")),
                 std::optional<QString>(QStringLiteral("Asia/Tokyo;Europe/Paris ; x")));
        // The last line that sets a key is the one read.
        QCOMPARE(PreferencesFile::rawValue(store, QStringLiteral("com/quillmark/hrl/HRL/DarkMode")),
                 std::optional<QString>(QStringLiteral("\"true\"")));
        QCOMPARE(PreferencesFile::rawValue(store, QStringLiteral("Top")), std::optional<QString>(QStringLiteral("1")));
        QCOMPARE(PreferencesFile::rawValue(store, QStringLiteral("com/quillmark/hrl/HRL/Absent")), std::nullopt);
        QCOMPARE(PreferencesFile::rawValue(store + QStringLiteral(".none"), QStringLiteral("Top")), std::nullopt);
    }

    void unreadableStoreIsMovedAsideBeforeTheFirstWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray settings("[com]\nquillmark\\hrl\\HRL\\DarkMode=true\nquillmark\\hrl\\HRL\\TimeFontWidth=30\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe binary", 12);
        QTest::newRow("NUL byte in settings") << settings + QByteArray(1, '\0');
        QTest::newRow("Latin-1 text") << settings + "quillmark\\hrl\\HRL\\TimePattern=\"H'h'mm \xE9t\xE9\"\n";
        QTest::newRow("not INI") << settings + "a line without an equals sign\n";
    }
    void unreadableStoreIsMovedAsideBeforeTheFirstWrite()
    {
        QFETCH(QByteArray, content);
        TestEnv env;
        const QString store = env.storeFile();
        writeFile(store, content);

        StdoutCapture capture;
        UserPreferences prefs(MainClass);
        // Defaults, whatever could be parsed.
        QCOMPARE(prefs.isDarkMode(), false);
        QCOMPARE(prefs.getTimeFontSize(), 18);
        QCOMPARE(readFile(store), content);
        QVERIFY(asideFiles(env).isEmpty());

        prefs.setVerticalLayout(false);
        const QStringList aside = asideFiles(env);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(aside.first(),
                 QStringLiteral("Horalia.ini.unreadable-") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
        QCOMPARE(readFile(QFileInfo(store).dir().filePath(aside.first())), content);

        // From now on an ordinary store, holding only what was written since.
        prefs.setDarkMode(true);
        UserPreferences other(MainClass);
        QCOMPARE(other.isVerticalLayout(), false);
        QCOMPARE(other.isDarkMode(), true);
        QCOMPARE(other.getTimeFontSize(), 18);
        QVERIFY(!readFile(store).contains("TimeFontWidth"));

        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QStringLiteral(" PreferencesFile: open: Exception: the preferences store ")),
                 qPrintable(lines.first()));
        QVERIFY2(lines.first().contains(aside.first()), qPrintable(lines.first()));
    }

    void directoryInPlaceOfTheStoreIsLeftAlone()
    {
        TestEnv env;
        const QString store = env.storeFile();
        QVERIFY(QDir().mkpath(store));
        StdoutCapture capture;
        UserPreferences prefs(MainClass);
        QCOMPARE(prefs.isAlwaysOnTop(), true);
        prefs.setAlwaysOnTop(false);
        prefs.setTimeZones(QStringLiteral("Asia/Tokyo"));
        prefs.removePreferences();
        QCOMPARE(prefs.isAlwaysOnTop(), true);
        QVERIFY(QFileInfo(store).isDir());
        QVERIFY(QDir(store).isEmpty());
        QVERIFY(asideFiles(env).isEmpty());
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(
                     QStringLiteral(" PreferencesFile: open: Exception: cannot read the preferences store ")),
                 qPrintable(lines.first()));
    }

    void storeWithoutReadPermissionIsLeftAlone()
    {
        TestEnv env;
        const QString store = env.storeFile();
        const QByteArray content("[com]\nquillmark\\hrl\\HRL\\DarkMode=true\n");
        writeFile(store, content);
        QVERIFY(QFile::setPermissions(store, {}));
        // Root reads anything: the store is opened as nobody, who may pass the directories.
        const bool root = geteuid() == 0;
        if (root) {
            QVERIFY(QFile::setPermissions(env.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                          | QFile::ExeGroup | QFile::ExeOther));
            QVERIFY(QFile::setPermissions(QFileInfo(store).path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
            QCOMPARE(seteuid(65534), 0);
        }
        StdoutCapture capture;
        {
            UserPreferences prefs(MainClass);
            QCOMPARE(prefs.isDarkMode(), false);
            prefs.setOnTaskBar(true);
        }
        const QStringList lines = capture.lines();
        if (root)
            QCOMPARE(seteuid(0), 0);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QStringLiteral("cannot read the preferences store ")),
                 qPrintable(lines.first()));
        QVERIFY(QFile::setPermissions(store, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readFile(store), content);
        QVERIFY(asideFiles(env).isEmpty());
    }
};

QTEST_MAIN(TestPreferencesFile)
#include "tst_preferencesfile.moc"
