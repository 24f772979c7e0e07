#include "SecondsTimer.h"

#include <QTest>
#include <QThread>

#include <thread>

using quillmark::hrl::SecondsTimer;
using namespace std::chrono;

namespace {

using TimePoint = SecondsTimer::TimePoint;

// A whole second of the wall clock: the first tick is due one second after it.
const TimePoint Base{seconds(1'790'000'000)};

// A wall clock in the test's hand. Each sleep moves it on by the time asked for, plus the jump
// scripted for that sleep, and runs the event loop as the GUI thread would meanwhile.
struct FakeTime
{
    FakeTime(TimePoint start, int sleeps)
        : now(start)
        , sleepsLeft(sleeps)
    {
    }

    TimePoint now;
    int sleepsLeft;
    QHash<int, milliseconds> jumpAfterSleep;
    // Where each sleep was meant to end, in milliseconds from Base, on the clock as it was when
    // the sleep began.
    QList<qint64> ends;

    SecondsTimer::WallClock clock()
    {
        return [this] { return now; };
    }

    SecondsTimer::Sleep sleep()
    {
        return [this](microseconds time) {
            if (sleepsLeft-- == 0)
                return false;
            const TimePoint end = now + time;
            ends << duration_cast<milliseconds>(end - Base).count();
            now = end + jumpAfterSleep.value(int(ends.size()) - 1);
            QCoreApplication::processEvents();
            return true;
        };
    }
};

} // namespace

class TestSecondsTimer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sleepEndsOnTheNextWholeSecond_data()
    {
        QTest::addColumn<int>("phaseUs");
        QTest::newRow("on the second") << 0;
        QTest::newRow("just after") << 1;
        QTest::newRow("a quarter") << 250'000;
        QTest::newRow("half") << 500'000;
        QTest::newRow("odd") << 731'417;
        QTest::newRow("just before the next") << 999'999;
    }

    void sleepEndsOnTheNextWholeSecond()
    {
        QFETCH(int, phaseUs);
        FakeTime time(Base + microseconds(phaseUs), 3);
        int ticks = 0;
        SecondsTimer timer([&] { ++ticks; }, time.clock());
        timer.runWith(time.sleep());
        QCoreApplication::processEvents();
        QCOMPARE(time.ends, QList<qint64>({1000, 2000, 3000}));
        QCOMPARE(ticks, 3);
    }

    // The clock is set while the timer sleeps: the next sleep ends on a whole second of the new
    // time, at most a second away, and a tick is neither replayed nor given before its second.
    void clockJumps_data()
    {
        QTest::addColumn<int>("jumpMs");
        QTest::addColumn<QList<qint64>>("ends");
        QTest::addColumn<int>("ticks");
        QTest::newRow("an hour on") << 3'600'370 << QList<qint64>{1000, 3'602'000, 3'603'000} << 3;
        QTest::newRow("an hour back") << -3'599'630 << QList<qint64>{1000, -3'598'000, -3'597'000} << 2;
        QTest::newRow("a moment back") << -300 << QList<qint64>{1000, 1000, 2000} << 2;
    }

    void clockJumps()
    {
        QFETCH(int, jumpMs);
        QFETCH(QList<qint64>, ends);
        QFETCH(int, ticks);
        FakeTime time(Base + 250ms, 3);
        time.jumpAfterSleep.insert(0, milliseconds(jumpMs));
        int ticked = 0;
        SecondsTimer timer([&] { ++ticked; }, time.clock());
        timer.runWith(time.sleep());
        QCoreApplication::processEvents();
        QCOMPARE(time.ends, ends);
        QCOMPARE(ticked, ticks);
    }

    void ticksOnTheGuiThread()
    {
        int ticks = 0;
        bool onGuiThread = true;
        SecondsTimer timer([&] {
            onGuiThread = onGuiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
            ++ticks;
        });
        timer.start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 5000);
        timer.cancel();
        QVERIFY(onGuiThread);
    }

    void noBurstAfterTheGuiThreadWasBusy()
    {
        int ticks = 0;
        SecondsTimer timer([&] { ++ticks; });
        timer.start();
        // The GUI thread is blocked for three seconds: the ticks it missed are not replayed.
        std::this_thread::sleep_for(milliseconds(3200));
        QCoreApplication::processEvents();
        QCOMPARE(ticks, 1);
        timer.cancel();
    }

    void cancelStopsForGood()
    {
        int ticks = 0;
        auto timer = std::make_unique<SecondsTimer>([&] { ++ticks; });
        timer->start();
        QVERIFY(timer->isRunning());
        timer->cancel();
        QVERIFY(!timer->isRunning());
        QTest::qWait(1200);
        QCOMPARE(ticks, 0);
        // Restarting after a cancel works, and destruction cancels.
        timer->start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 3000);
        timer.reset();
    }
};

QTEST_GUILESS_MAIN(TestSecondsTimer)
#include "tst_secondstimer.moc"
