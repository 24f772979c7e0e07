// One widget per user and display: a second start finds the first and asks it to the front;
// a lock left by a process that is gone does not keep a new start out.
#include "SingleInstance.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

#include <thread>

using quillmark::hrl::SingleInstance;
using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aSecondStartRaisesTheFirst()
    {
        SingleInstance first(u"Probe"_s);
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        // The second start waits for an answer that the first gives from its event loop.
        bool secondRuns = true;
        std::thread second([&secondRuns] { secondRuns = SingleInstance(u"Probe"_s).claim(); });
        QTRY_COMPARE(raised.count(), 1);
        second.join();
        QVERIFY(!secondRuns);
    }

    void aStaleLockIsTakenOver()
    {
        const QString path = SingleInstance::lockPath(u"Stale"_s, qEnvironmentVariable("DISPLAY"));
        {
            // A process id that cannot be running.
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write("999999999\nhoralia\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        SingleInstance next(u"Stale"_s);
        QVERIFY(next.claim());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
