#pragma once

#include <QString>

#include <optional>

namespace quillmark::utils {

// Host and user facts. Lookups never fail to the caller: a failure is a trace line and an empty text.
class SystemUtils final
{
public:
    SystemUtils() = delete;

    static QString getHostName();
    // Fully qualified name of the local host, as the resolver reports it.
    static QString getCanonicalHostName();
    // First address of the local host, IPv4 preferred.
    static QString getHostAddress();
    // USERNAME, else USER, else the "user.name" property, lower-cased; none when none is known.
    static std::optional<QString> getSystemUserName();
    // Publishes the host names as "Quillmark.Program.Hostname" and "Quillmark.Program.Canonical.Hostname".
    static void loadHNAndCHNasProperties();
};

} // namespace quillmark::utils
