#include "LogFailureBoxes.h"
#include "Logger.h"
#include "MessageBox.h"
#include "ResourceBundle.h"
#include "StdoutCapture.h"
#include "StringUtils.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

using namespace quillmark::utils;

namespace {

const QString Timestamp = QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2} ");

ResourceBundle sharedBundle()
{
    return ResourceBundle::getBundle(QStringLiteral("com.quillmark.utils.lang/Lang"), QStringLiteral("en"));
}

void writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(QByteArray(size, 'x')), size);
}

} // namespace

class TestLogger final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineFormat();
    void dumpRows();
    void linesFromManyThreadsStayWhole();
    void megabyteRule_data();
    void megabyteRule();
    void redirectsConsoleIntoFile();
};

void TestLogger::lineFormat()
{
    StdoutCapture capture;
    Logger::log(QStringLiteral("AboutBoxDialog"), QStringLiteral("dialogCleanUp"), QString());
    Logger::logCaller(QStringLiteral("hello"));
    Logger::closeLogFile();
    const QStringList lines = capture.lines();

    QCOMPARE(lines.size(), 3);
    // An empty message keeps the trailing ": ".
    const QRegularExpression emptyMessage(Timestamp + QStringLiteral("AboutBoxDialog: dialogCleanUp: $"));
    QVERIFY2(emptyMessage.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).endsWith(QStringLiteral(" TestLogger: lineFormat: hello")), qPrintable(lines.at(1)));
    QVERIFY(lines.at(2).endsWith(QStringLiteral(" Logger: closeLogFile: Ending.")));
}

void TestLogger::dumpRows()
{
    QByteArray bytes;
    for (int i = 0; i < 70; ++i)
        bytes.append(char(i));

    StdoutCapture capture;
    Logger::logDump(QStringLiteral("Net"), QStringLiteral("receive"), QStringLiteral("70 bytes"), bytes);
    const QStringList lines = capture.lines();

    QCOMPARE(lines.size(), 4);
    const QString prefix = lines.at(0).left(19) + QStringLiteral(" Net: receive ");
    QCOMPARE(lines.at(0), prefix + QStringLiteral("70 bytes"));
    QCOMPARE(lines.at(2), prefix + StringUtils::hexDumpRow(bytes.mid(32, 32), 32, 32, 32));
    QCOMPARE(lines.at(3), prefix + StringUtils::hexDumpRow(bytes.mid(64), 6, 64, 32));
}

void TestLogger::linesFromManyThreadsStayWhole()
{
    StdoutCapture capture;
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < 300; ++i)
                Logger::log(QStringLiteral("Worker%1").arg(t), QStringLiteral("run"), QString(300, u'm'));
        });
    }
    for (auto &worker : workers)
        worker.join();
    const QStringList lines = capture.lines();

    QCOMPARE(lines.size(), 1200);
    const QRegularExpression whole(Timestamp + QStringLiteral("Worker\\d: run: m{300}$"));
    for (const QString &line : lines)
        QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(80)));
}

void TestLogger::megabyteRule_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("sizeAfter");

    QTest::newRow("exactly 1 MiB is appended to") << qint64(1048576) << qint64(1048576);
    QTest::newRow("one byte more starts afresh") << qint64(1048577) << qint64(0);
}

void TestLogger::megabyteRule()
{
    QFETCH(qint64, size);
    QFETCH(qint64, sizeAfter);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hrl.log"));
    writeFile(path, size);

    LogFailureBoxes::install();
    // keepConsole leaves standard output alone, so nothing is written into the file.
    Logger::setupLogFile(QStringLiteral("hrl.log"), dir.path(), true, sharedBundle());
    QCOMPARE(QFileInfo(path).size(), sizeAfter);
    QVERIFY(MessageBox::takeRecords().isEmpty());
}

void TestLogger::redirectsConsoleIntoFile()
{
    QTemporaryDir dir;
    const QString logDir = dir.filePath(QStringLiteral("missing/logs"));
    {
        // The Logger redirects fds 1 and 2 for good; keep copies to put back.
        std::fflush(stdout);
        const int out = dup(STDOUT_FILENO);
        const int err = dup(STDERR_FILENO);
        Logger::setupLogFile(QStringLiteral("hrl.log"), logDir, false, sharedBundle());
        Logger::log(QStringLiteral("HRL"), QStringLiteral("main"), QStringLiteral("into the file"));
        std::fprintf(stderr, "error output\n");
        std::fflush(stderr);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        close(out);
        close(err);
    }
    QFile file(logDir + QStringLiteral("/hrl.log"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    QVERIFY2(content.contains(QStringLiteral(" HRL: main: into the file\n")), qPrintable(content));
    QVERIFY(content.contains(QStringLiteral("error output\n")));
    QVERIFY(Logger::isEnabled());
}

QTEST_MAIN(TestLogger)
#include "tst_logger.moc"
