#include "TerminationWatcher.h"

#include <QTest>

#include <csignal>

using quillmark::hrl::TerminationWatcher;

class TestTerminationWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endingSignalsReachTheEventLoop_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void endingSignalsReachTheEventLoop()
    {
        QFETCH(int, signal);
        struct sigaction before = {};
        ::sigaction(signal, nullptr, &before);
        int calls = 0;
        {
            TerminationWatcher watcher([&calls] { ++calls; });
            QCOMPARE(std::raise(signal), 0);
            // Handed over, not run inside the handler.
            QCOMPARE(calls, 0);
            QTRY_COMPARE(calls, 1);
        }
        struct sigaction after = {};
        ::sigaction(signal, nullptr, &after);
        // Whatever handled the signal before (the test harness here) has it back.
        QVERIFY(after.sa_handler == before.sa_handler);
    }

    // "nohup horalia &": closing the terminal must not end it.
    void inheritedIgnoredHangupStaysIgnored()
    {
        ::signal(SIGHUP, SIG_IGN);
        int calls = 0;
        {
            TerminationWatcher watcher([&calls] { ++calls; });
            QCOMPARE(std::raise(SIGHUP), 0);
            QTest::qWait(50);
            QCOMPARE(calls, 0);
            QCOMPARE(std::raise(SIGTERM), 0);
            QTRY_COMPARE(calls, 1);
        }
        struct sigaction after = {};
        ::sigaction(SIGHUP, nullptr, &after);
        QVERIFY(after.sa_handler == SIG_IGN);
        ::signal(SIGHUP, SIG_DFL);
    }
};

QTEST_GUILESS_MAIN(TestTerminationWatcher)
#include "tst_terminationwatcher.moc"
