#include "TerminationWatcher.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quillmark::hrl {

#ifdef Q_OS_UNIX
namespace {
int signalPipe[2] = {-1, -1};

extern "C" void onSignal(int signal)
{
    const char byte = char(signal);
    // Only async-signal-safe work here: hand the signal to the event loop.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace
#endif

TerminationWatcher::TerminationWatcher(std::function<void()> callback, QObject *parent)
    : QObject(parent)
    , onTerminate(std::move(callback))
{
#ifdef Q_OS_UNIX
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    for (int fd : signalPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationWatcher::handle);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previousTerm);
    ::sigaction(SIGINT, &action, &previousInt);
    // Started with "nohup": the user asked the program to outlive its terminal.
    ::sigaction(SIGHUP, nullptr, &previousHup);
    if (previousHup.sa_handler != SIG_IGN)
        ::sigaction(SIGHUP, &action, nullptr);
    installed = true;
#endif
}

TerminationWatcher::~TerminationWatcher()
{
#ifdef Q_OS_UNIX
    if (!installed)
        return;
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGHUP, &previousHup, nullptr);
#endif
}

void TerminationWatcher::handle()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
#endif
    if (onTerminate)
        onTerminate();
}

} // namespace quillmark::hrl
