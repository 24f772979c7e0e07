#pragma once

#include <QObject>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

class QSocketNotifier;

namespace quillmark::hrl {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) into a call on the
// GUI thread, so the program can end the way closing its window does instead of dying
// mid-write. Those signals are POSIX's: on other systems the watcher does nothing.
class TerminationWatcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationWatcher)

public:
    explicit TerminationWatcher(std::function<void()> onTerminate, QObject *parent = nullptr);
    ~TerminationWatcher() override;

private:
    void handle();

    std::function<void()> onTerminate;
#ifdef Q_OS_UNIX
    QSocketNotifier *notifier = nullptr;
    struct sigaction previousTerm = {};
    struct sigaction previousInt = {};
    struct sigaction previousHup = {};
    bool installed = false;
#endif
};

} // namespace quillmark::hrl
