#include "LogFailureBoxes.h"
#include "Logger.h"
#include "MessageBox.h"
#include "ResourceBundle.h"
#include "StdoutCapture.h"
#include "SystemProperties.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmark::utils;

// Logging goes off for good after this failure, so it has a process of its own.
class TestLoggerFailure final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noLogFileAnywhere();
};

void TestLoggerFailure::noLogFileAnywhere()
{
    QTemporaryDir dir;
    const QString logDir = dir.filePath(QStringLiteral("logs"));
    const QString home = dir.filePath(QStringLiteral("home"));
    // A directory takes the file's name in both places, so no file opens, even for root.
    QVERIFY(QDir().mkpath(logDir + QStringLiteral("/hrl.log")));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/hrl.log")));
    SystemProperties::set(QStringLiteral("user.home"), home);

    LogFailureBoxes::install();
    for (int i = 0; i < 5; ++i)
        MessageBox::setNextAnswer(MessageBox::Ok);
    StdoutCapture capture;
    const ResourceBundle bundle = ResourceBundle::getBundle(QStringLiteral("com.quillmark.utils.lang/Lang"),
                                                            QStringLiteral("en"));
    Logger::setupLogFile(QStringLiteral("hrl.log"), logDir, false, bundle);
    Logger::log(QStringLiteral("HRL"), QStringLiteral("main"), QStringLiteral("after the failure"));
    const QStringList lines = capture.lines();

    // One trace line per failed path, then nothing.
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).contains(QStringLiteral(" Logger: setupLogFile: Exception: ") + logDir));
    QVERIFY(lines.at(1).contains(QStringLiteral(" Logger: setupLogFile: Exception: ") + home));
    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes.at(0).kind, MessageBox::Error);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Error"));
    QCOMPARE(boxes.at(1).kind, MessageBox::Error);
    QCOMPARE(boxes.at(2).kind, MessageBox::Warning);
    QCOMPARE(boxes.at(2).title, QStringLiteral("Warning"));
    QVERIFY(!Logger::isEnabled());
}

QTEST_MAIN(TestLoggerFailure)
#include "tst_logger_failure.moc"
