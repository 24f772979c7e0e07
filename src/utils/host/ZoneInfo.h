#pragma once

#include <QString>

namespace quillmark::utils {

// Where the system keeps its tz database, and which release of it is installed there.
class ZoneInfo final
{
public:
    ZoneInfo() = delete;

    // TZDIR when set, else /usr/share/zoneinfo. The directory may not exist (Windows).
    static QString directory();
    // The release of the database in directory() ("2025b"), from the "# version" line of
    // tzdata.zi or else from the +VERSION file; empty when neither can be read.
    static QString version();
    // The same, for a database in another directory (tests).
    static QString versionIn(const QString &directory);
};

} // namespace quillmark::utils
