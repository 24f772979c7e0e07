#include "SystemProperties.h"
#include "SystemUtils.h"

#include <QDir>
#include <QTest>

using quillmark::utils::SystemProperties;
using quillmark::utils::SystemUtils;

class TestSystemUtils final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userNamePrecedence();
    void propertiesAndHostNames();
};

void TestSystemUtils::userNamePrecedence()
{
    const auto userName = [] { return SystemUtils::getSystemUserName().value_or(QStringLiteral("<none>")); };
    qputenv("USERNAME", "MiXeD.Case");
    qputenv("USER", "other");
    QCOMPARE(userName(), QStringLiteral("mixed.case"));
    qunsetenv("USERNAME");
    QCOMPARE(userName(), QStringLiteral("other"));
    qunsetenv("USER");
    SystemProperties::set(QStringLiteral("user.name"), QStringLiteral("Login"));
    QCOMPARE(userName(), QStringLiteral("login"));
}

void TestSystemUtils::propertiesAndHostNames()
{
    QCOMPARE(SystemProperties::get(QStringLiteral("os.name")), QStringLiteral("Linux"));
    QCOMPARE(SystemProperties::get(QStringLiteral("file.separator")), QStringLiteral("/"));
    // ctest points HOME at a directory of the test's own.
    QCOMPARE(SystemProperties::get(QStringLiteral("user.home")), QDir::homePath());
    QCOMPARE(SystemProperties::get(QStringLiteral("no.such.key"), QStringLiteral("d")), QStringLiteral("d"));

    SystemUtils::loadHNAndCHNasProperties();
    QVERIFY(!SystemUtils::getHostName().isEmpty());
    QCOMPARE(SystemProperties::get(QStringLiteral("Quillmark.Program.Hostname")), SystemUtils::getHostName());
    // The canonical name arrives from a lookup in the background.
    QTRY_COMPARE(SystemProperties::get(QStringLiteral("Quillmark.Program.Canonical.Hostname"), QStringLiteral("unset")),
                 SystemUtils::getCanonicalHostName());
}

QTEST_APPLESS_MAIN(TestSystemUtils)
#include "tst_systemutils.moc"
