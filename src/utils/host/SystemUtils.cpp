#include "SystemUtils.h"

#include "Logger.h"
#include "SystemProperties.h"

#include <QSysInfo>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#if defined(Q_OS_WIN)
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace quillmark::utils {

namespace {

const QString className = QStringLiteral("SystemUtils");

// A resolver that hangs on a dead name server must not hold up start-up.
constexpr auto lookupTimeout = std::chrono::milliseconds(1500);

using LookupResult = SystemUtils::HostLookup;

struct LookupState
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    LookupResult result;
};

std::mutex resolverMutex;

SystemUtils::Resolver &installedResolver()
{
    static SystemUtils::Resolver resolver;
    return resolver;
}

SystemUtils::Resolver currentResolver()
{
    const std::lock_guard lock(resolverMutex);
    if (installedResolver())
        return installedResolver();
    return &SystemUtils::resolve;
}

// Resolves the local host on a thread of its own and waits a bounded time for it; a lookup
// that outlives the wait finishes unobserved.
LookupResult lookupLocalHost()
{
    const QString host = QSysInfo::machineHostName();
    if (host.isEmpty())
        return {{}, {}, QStringLiteral("the local host has no name")};

    auto state = std::make_shared<LookupState>();
    std::thread([state, host, resolver = currentResolver()] {
        LookupResult result = resolver(host);
        const std::lock_guard lock(state->mutex);
        state->result = std::move(result);
        state->finished = true;
        state->done.notify_all();
    }).detach();

    std::unique_lock lock(state->mutex);
    if (!state->done.wait_for(lock, lookupTimeout, [&] { return state->finished; }))
        return {{}, {}, host + QStringLiteral(": lookup timed out")};
    return state->result;
}

} // namespace

SystemUtils::HostLookup SystemUtils::resolve(const QString &hostName)
{
    const QByteArray host = hostName.toLocal8Bit();
    LookupResult result;
#if defined(Q_OS_WIN)
    static const bool winsockReady = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!winsockReady) {
        result.error = QStringLiteral("Winsock is not available");
        return result;
    }
#endif
    addrinfo hints;
    std::memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    addrinfo *list = nullptr;
    const int rc = getaddrinfo(host.constData(), nullptr, &hints, &list);
    if (rc != 0) {
        result.error = QString::fromLatin1(host) + QStringLiteral(": ") + QString::fromLocal8Bit(gai_strerror(rc));
        return result;
    }
    if (list->ai_canonname && *list->ai_canonname)
        result.canonicalName = QString::fromLatin1(list->ai_canonname);
    else
        result.canonicalName = QString::fromLatin1(host);

    const addrinfo *chosen = nullptr;
    for (const addrinfo *ai = list; ai; ai = ai->ai_next) {
        if (ai->ai_family == AF_INET) {
            chosen = ai;
            break;
        }
        if (ai->ai_family == AF_INET6 && !chosen)
            chosen = ai;
    }
    if (chosen) {
        char text[INET6_ADDRSTRLEN] = {};
        const void *raw =
            chosen->ai_family == AF_INET
                ? static_cast<const void *>(&reinterpret_cast<const sockaddr_in *>(chosen->ai_addr)->sin_addr)
                : static_cast<const void *>(&reinterpret_cast<const sockaddr_in6 *>(chosen->ai_addr)->sin6_addr);
        if (inet_ntop(chosen->ai_family, raw, text, sizeof text))
            result.address = QString::fromLatin1(text);
    }
    freeaddrinfo(list);
    if (result.address.isEmpty())
        result.error = QString::fromLatin1(host) + QStringLiteral(": no address");
    return result;
}

void SystemUtils::setResolver(Resolver resolver)
{
    const std::lock_guard lock(resolverMutex);
    installedResolver() = std::move(resolver);
}

QString SystemUtils::getHostName()
{
    const QString host = QSysInfo::machineHostName();
    if (host.isEmpty())
        Logger::log(className, QStringLiteral("getHostName"), QStringLiteral("Exception: the local host has no name"));
    return host;
}

QString SystemUtils::getCanonicalHostName()
{
    const LookupResult result = lookupLocalHost();
    if (result.canonicalName.isEmpty()) {
        Logger::log(className, QStringLiteral("getCanonicalHostName"), QStringLiteral("Exception: ") + result.error);
        return {};
    }
    return result.canonicalName;
}

QString SystemUtils::getHostAddress()
{
    const LookupResult result = lookupLocalHost();
    if (result.address.isEmpty()) {
        Logger::log(className, QStringLiteral("getHostAddress"), QStringLiteral("Exception: ") + result.error);
        return {};
    }
    return result.address;
}

std::optional<QString> SystemUtils::getSystemUserName()
{
    QString name;
    if (qEnvironmentVariableIsSet("USERNAME"))
        name = qEnvironmentVariable("USERNAME");
    else if (qEnvironmentVariableIsSet("USER"))
        name = qEnvironmentVariable("USER");
    else if (SystemProperties::contains(QStringLiteral("user.name")))
        name = SystemProperties::get(QStringLiteral("user.name"));
    else
        return std::nullopt;
    return name.toLower();
}

void SystemUtils::loadHNAndCHNasProperties()
{
    const QString host = getHostName();
    SystemProperties::set(HOSTNAME_PROPERTY, host);
    // The canonical name may have to ask the network, and only the About box shows it:
    // the start does not wait for it, the plain name stands in until the answer comes.
    SystemProperties::set(CANONICAL_HOSTNAME_PROPERTY, host);
    // Made after the property table, so it is joined at exit before the table goes.
    static std::jthread lookup;
    if (lookup.joinable())
        lookup.join();
    lookup = std::jthread([] { SystemProperties::set(CANONICAL_HOSTNAME_PROPERTY, getCanonicalHostName()); });
}

} // namespace quillmark::utils
