#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace quillmark::utils {

// Host and user facts. Lookups never fail to the caller: a failure is a trace line and an empty text.
class SystemUtils final
{
public:
    SystemUtils() = delete;

    // What resolving a host name gave: its canonical name and first address, or why not.
    struct HostLookup
    {
        QString canonicalName;
        QString address;
        QString error;
    };
    using Resolver = std::function<HostLookup(const QString &host)>;

    // The system's resolver; the address is the first IPv4 one, else the first IPv6 one.
    static HostLookup resolve(const QString &host);
    // Puts another resolver in place of the system's (tests); an empty one puts it back.
    // Lookups already under way keep the one they started with.
    static void setResolver(Resolver resolver);

    static QString getHostName();
    // Fully qualified name of the local host, as the resolver reports it.
    static QString getCanonicalHostName();
    // First address of the local host, IPv4 preferred.
    static QString getHostAddress();
    // USERNAME, else USER, else the "user.name" property, lower-cased; none when none is known.
    static std::optional<QString> getSystemUserName();
    // The system properties that hold the host names once they are published.
    static inline const QString HOSTNAME_PROPERTY = QStringLiteral("Quillmark.Program.Hostname");
    static inline const QString CANONICAL_HOSTNAME_PROPERTY = QStringLiteral("Quillmark.Program.Canonical.Hostname");
    // Publishes the host names as HOSTNAME_PROPERTY and CANONICAL_HOSTNAME_PROPERTY.
    static void loadHNAndCHNasProperties();
};

} // namespace quillmark::utils
