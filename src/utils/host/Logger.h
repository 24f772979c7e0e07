#pragma once

#include <QString>

#include <source_location>

class QByteArray;

namespace quillmark::utils {

class ResourceBundle;

// Process-wide trace lines: "yyyy/MM/dd HH:mm:ss Class: method: message" on standard output.
class Logger final
{
public:
    Logger() = delete;

    static void log(const QString &className, const QString &methodName, const QString &message);
    // Same line, naming the class and function that called logCaller.
    static void logCaller(const QString &message,
                          const char *function = std::source_location::current().function_name());
    // A plain line on standard output, not a trace line: no time or names, and written even
    // while tracing is off. Survivable start-up failures are told this way.
    static void printLine(const QString &text);
    static void logDump(const QString &className, const QString &methodName, const QString &message,
                        const QByteArray &bytes);
    static void setupLogFile(const QString &fileName, const QString &directory, bool keepConsole,
                             const ResourceBundle &bundle);
    static void closeLogFile();

    // What a failed log-file set-up tells the user besides its trace line. The window layer
    // installs a reporter that shows a box, with texts from the bundle given to setupLogFile;
    // without one the trace line is all.
    enum class Failure { Error, ContinuingWithoutLogFile };
    using FailureReporter = void (*)(Failure failure, const QString &message, const ResourceBundle &bundle);
    static void setFailureReporter(FailureReporter reporter);

    static bool isEnabled();
};

} // namespace quillmark::utils
