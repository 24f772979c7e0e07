#include "StdoutCapture.h"
#include "SystemProperties.h"
#include "SystemUtils.h"

#include <QDir>
#include <QTest>

#include <condition_variable>
#include <memory>
#include <mutex>

#include <sys/utsname.h>

using quillmark::utils::SystemProperties;
using quillmark::utils::SystemUtils;

namespace {

const QString &HostKey = SystemUtils::HOSTNAME_PROPERTY;
const QString &CanonicalKey = SystemUtils::CANONICAL_HOSTNAME_PROPERTY;

// The machine's name as the kernel has it.
QString kernelHostName()
{
    utsname names{};
    uname(&names);
    return QString::fromLocal8Bit(names.nodename);
}

QString published(const QString &key)
{
    return SystemProperties::get(key, QStringLiteral("(unset)"));
}

// A resolver that gives the test's answer once the test lets it, and notes what it was asked.
// Shared with the lookup threads, which may outlive a test that let its lookup time out.
class HeldResolver final
{
public:
    explicit HeldResolver(SystemUtils::HostLookup answer)
        : state(std::make_shared<State>())
    {
        state->answer = std::move(answer);
    }
    // A test that fails while holding its lookup must not leave the lookup thread stuck.
    ~HeldResolver() { release(); }
    Q_DISABLE_COPY_MOVE(HeldResolver)

    SystemUtils::Resolver resolver() const
    {
        return [state = state](const QString &host) {
            std::unique_lock lock(state->mutex);
            state->asked << host;
            state->changed.notify_all();
            state->changed.wait(lock, [&] { return state->released; });
            ++state->answered;
            state->changed.notify_all();
            return state->answer;
        };
    }

    void release()
    {
        const std::lock_guard lock(state->mutex);
        state->released = true;
        state->changed.notify_all();
    }

    void waitUntilAnswered(int count)
    {
        std::unique_lock lock(state->mutex);
        state->changed.wait(lock, [&] { return state->answered >= count; });
    }

    QStringList asked() const
    {
        const std::lock_guard lock(state->mutex);
        return state->asked;
    }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        SystemUtils::HostLookup answer;
        QStringList asked;
        bool released = false;
        int answered = 0;
    };
    std::shared_ptr<State> state;
};

} // namespace

class TestSystemUtils final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void userNamePrecedence();
    void processProperties();
    void answerIsPublishedWithoutHoldingUpTheCaller();
    void failureIsPublishedAsEmptyAndTraced();
    void timeoutIsPublishedAsEmptyAndTheLateAnswerDropped();
    void systemResolver_data();
    void systemResolver();
};

void TestSystemUtils::cleanup()
{
    SystemUtils::setResolver({});
}

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

void TestSystemUtils::processProperties()
{
    QCOMPARE(SystemProperties::get(QStringLiteral("os.name")), QStringLiteral("Linux"));
    QCOMPARE(SystemProperties::get(QStringLiteral("file.separator")), QStringLiteral("/"));
    // ctest points HOME at a directory of the test's own.
    QCOMPARE(SystemProperties::get(QStringLiteral("user.home")), QDir::homePath());
    QCOMPARE(SystemProperties::get(QStringLiteral("no.such.key"), QStringLiteral("d")), QStringLiteral("d"));
}

void TestSystemUtils::answerIsPublishedWithoutHoldingUpTheCaller()
{
    HeldResolver held({QStringLiteral("clock.example.org"), QStringLiteral("192.0.2.7"), QString()});
    SystemUtils::setResolver(held.resolver());
    SystemUtils::loadHNAndCHNasProperties();
    // Back before the answer, with the plain name standing in for the canonical one.
    QCOMPARE(published(HostKey), kernelHostName());
    QCOMPARE(published(CanonicalKey), kernelHostName());
    held.release();
    QTRY_COMPARE(published(CanonicalKey), QStringLiteral("clock.example.org"));
    QCOMPARE(held.asked(), QStringList{kernelHostName()});

    QCOMPARE(SystemUtils::getHostAddress(), QStringLiteral("192.0.2.7"));
    QCOMPARE(SystemUtils::getCanonicalHostName(), QStringLiteral("clock.example.org"));
}

void TestSystemUtils::failureIsPublishedAsEmptyAndTraced()
{
    const QString error = kernelHostName() + QStringLiteral(": Name or service not known");
    HeldResolver held({QString(), QString(), error});
    held.release();
    SystemUtils::setResolver(held.resolver());
    // Checked once the capture has ended, so a failure's message is not captured too.
    StdoutCapture capture;
    SystemUtils::loadHNAndCHNasProperties();
    const bool cleared = QTest::qWaitFor([] { return published(CanonicalKey).isEmpty(); });
    const QString address = SystemUtils::getHostAddress();
    const QStringList lines = capture.lines();

    QVERIFY2(cleared, qPrintable(published(CanonicalKey)));
    QCOMPARE(published(HostKey), kernelHostName());
    QCOMPARE(address, QString());
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).endsWith(QStringLiteral(" SystemUtils: getCanonicalHostName: Exception: ") + error),
             qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).endsWith(QStringLiteral(" SystemUtils: getHostAddress: Exception: ") + error),
             qPrintable(lines.at(1)));
}

void TestSystemUtils::timeoutIsPublishedAsEmptyAndTheLateAnswerDropped()
{
    HeldResolver held({QStringLiteral("late.example.org"), QStringLiteral("192.0.2.8"), QString()});
    SystemUtils::setResolver(held.resolver());
    StdoutCapture capture;
    SystemUtils::loadHNAndCHNasProperties();
    const QString standIn = published(CanonicalKey);
    const bool cleared = QTest::qWaitFor([] { return published(CanonicalKey).isEmpty(); });
    const QStringList lines = capture.lines();

    QCOMPARE(standIn, kernelHostName());
    QVERIFY2(cleared, qPrintable(published(CanonicalKey)));
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.at(0).endsWith(QStringLiteral(" SystemUtils: getCanonicalHostName: Exception: ") + kernelHostName()
                                  + QStringLiteral(": lookup timed out")),
             qPrintable(lines.at(0)));

    held.release();
    held.waitUntilAnswered(1);
    QTest::qWait(50);
    QCOMPARE(published(CanonicalKey), QString());
}

void TestSystemUtils::systemResolver_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("address");
    QTest::newRow("from the hosts file") << QStringLiteral("localhost") << QStringLiteral("127.0.0.1");
    QTest::newRow("IPv4 text") << QStringLiteral("192.0.2.7") << QStringLiteral("192.0.2.7");
    QTest::newRow("IPv6 text") << QStringLiteral("::1") << QStringLiteral("::1");
}

void TestSystemUtils::systemResolver()
{
    QFETCH(QString, host);
    QFETCH(QString, address);
    const SystemUtils::HostLookup lookup = SystemUtils::resolve(host);
    QCOMPARE(lookup.error, QString());
    QCOMPARE(lookup.address, address);
    QCOMPARE(lookup.canonicalName, host);
}

QTEST_APPLESS_MAIN(TestSystemUtils)
#include "tst_systemutils.moc"
