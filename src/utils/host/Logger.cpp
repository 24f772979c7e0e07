#include "Logger.h"

#include "StringUtils.h"
#include "SystemProperties.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>

#if defined(Q_OS_WIN)
#include <io.h>
#define HRL_DUP2 _dup2
#define HRL_FILENO _fileno
#else
#include <unistd.h>
#define HRL_DUP2 dup2
#define HRL_FILENO fileno
#endif

namespace quillmark::utils {

namespace {

// Once off, logging stays off for the life of the process.
std::atomic<bool> enabled{true};
// Lines may come from several threads; each must reach the stream whole.
std::mutex writeMutex;
// The log file of the last successful set-up; never closed, it may be standard output's target.
FILE *logStream = nullptr;

constexpr qint64 maxAppendSize = 1024 * 1024;
constexpr int dumpWidth = 32;

const QString loggerName = QStringLiteral("Logger");

QString timestamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

// Called with writeMutex held. One fwrite per line, so a line never interleaves with another.
bool writeRaw(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return written == size_t(bytes.size()) && std::fflush(stdout) == 0;
}

// A trace line; a failed write ends tracing.
void writeLine(const QString &line)
{
    if (!writeRaw(line)) {
        const int error = errno;
        enabled = false;
        std::fprintf(stderr, "Logger: writing a trace line failed, logging is off: %s\n", std::strerror(error));
    }
}

// Class and method from a compiler function signature such as
// "void quillmark::hrl::HRL::resetView(bool)": ("HRL", "resetView").
std::pair<QString, QString> callerNames(const char *function)
{
    QString text = QString::fromUtf8(function ? function : "");
    if (const qsizetype paren = text.indexOf(u'('); paren >= 0)
        text.truncate(paren);

    // The name is the last blank-separated word outside template brackets; the return type precedes it.
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == u'>')
            ++depth;
        else if (c == u'<')
            --depth;
        else if (c == u' ' && depth == 0) {
            start = i + 1;
            break;
        }
    }
    const QString name = text.mid(start);

    const qsizetype methodSep = name.lastIndexOf(QStringLiteral("::"));
    if (methodSep < 0)
        return {QString(), name};
    const QString qualifiedClass = name.left(methodSep);
    const qsizetype classSep = qualifiedClass.lastIndexOf(QStringLiteral("::"));
    return {classSep < 0 ? qualifiedClass : qualifiedClass.mid(classSep + 2), name.mid(methodSep + 2)};
}

// Opens a log file for writing: started afresh when it has grown past 1 MiB, else appended to.
FILE *openLogFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    const char *mode = info.exists() && info.size() > maxAppendSize ? "w" : "a";
    FILE *stream = std::fopen(QFile::encodeName(path).constData(), mode);
    if (!stream)
        *error = QDir::toNativeSeparators(path) + QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(errno))
                 + u')';
    return stream;
}

std::atomic<Logger::FailureReporter> failureReporter{nullptr};

void tellUser(Logger::Failure failure, const QString &message, const ResourceBundle &bundle)
{
    if (const Logger::FailureReporter reporter = failureReporter.load())
        reporter(failure, message, bundle);
}

void reportFailure(const QString &message, const ResourceBundle &bundle)
{
    Logger::log(loggerName, QStringLiteral("setupLogFile"), QStringLiteral("Exception: ") + message);
    tellUser(Logger::Failure::Error, message, bundle);
}

} // namespace

void Logger::setFailureReporter(FailureReporter reporter)
{
    failureReporter = reporter;
}

bool Logger::isEnabled()
{
    return enabled;
}

void Logger::log(const QString &className, const QString &methodName, const QString &message)
{
    if (!enabled)
        return;
    const QString line = timestamp() + u' ' + className + QStringLiteral(": ") + methodName + QStringLiteral(": ")
                         + message;
    const std::lock_guard lock(writeMutex);
    if (enabled)
        writeLine(line);
}

void Logger::printLine(const QString &text)
{
    const std::lock_guard lock(writeMutex);
    writeRaw(text);
}

void Logger::logCaller(const QString &message, const char *function)
{
    const auto [className, methodName] = callerNames(function);
    log(className, methodName, message);
}

void Logger::logDump(const QString &className, const QString &methodName, const QString &message,
                     const QByteArray &bytes)
{
    if (!enabled)
        return;
    const QString prefix = timestamp() + u' ' + className + QStringLiteral(": ") + methodName + u' ';
    // The whole dump under one lock, so rows of two dumps never mix.
    const std::lock_guard lock(writeMutex);
    if (!enabled)
        return;
    writeLine(prefix + message);
    for (qsizetype offset = 0; offset < bytes.size() && enabled; offset += dumpWidth) {
        const int count = int(std::min<qsizetype>(dumpWidth, bytes.size() - offset));
        writeLine(prefix + StringUtils::hexDumpRow(bytes.mid(offset, count), count, int(offset), dumpWidth));
    }
}

void Logger::setupLogFile(const QString &fileName, const QString &directory, bool keepConsole,
                          const ResourceBundle &bundle)
{
    const QString separator = SystemProperties::get(QStringLiteral("file.separator"), QStringLiteral("/"));

    if (!QFileInfo(directory).isDir() && !QDir().mkpath(directory)) {
        const QString message = QStringLiteral("cannot create directory ") + QDir::toNativeSeparators(directory);
        std::fprintf(stderr, "Logger: setupLogFile: %s\n", message.toLocal8Bit().constData());
        reportFailure(message, bundle);
    }

    QString error;
    FILE *stream = openLogFile(directory + separator + fileName, &error);
    if (!stream) {
        reportFailure(error, bundle);
        const QString home = SystemProperties::get(QStringLiteral("user.home"));
        stream = openLogFile(home + separator + fileName, &error);
        if (!stream) {
            reportFailure(error, bundle);
            enabled = false;
            tellUser(Failure::ContinuingWithoutLogFile, QString(), bundle);
        }
    }

    QString redirectError;
    {
        const std::lock_guard lock(writeMutex);
        if (stream)
            logStream = stream;
        if (!logStream || keepConsole)
            return;
        std::fflush(stdout);
        std::fflush(stderr);
        const int fd = HRL_FILENO(logStream);
        if (HRL_DUP2(fd, HRL_FILENO(stdout)) < 0 || HRL_DUP2(fd, HRL_FILENO(stderr)) < 0)
            redirectError = QStringLiteral("cannot redirect the console: ")
                            + QString::fromLocal8Bit(std::strerror(errno));
    }
    if (!redirectError.isEmpty()) {
        reportFailure(redirectError, bundle);
        enabled = false;
    }
}

void Logger::closeLogFile()
{
    log(loggerName, QStringLiteral("closeLogFile"), QStringLiteral("Ending."));
}

} // namespace quillmark::utils
