#pragma once

#include <QString>

namespace quillmark::utils {

// Process-wide string properties ("os.name", "user.name", "user.home", "file.separator",
// "runtime.version", "runtime.vendor", and whatever the program publishes). Filled on first use;
// any property may be overwritten, which tests use to steer platform branches.
class SystemProperties final
{
public:
    SystemProperties() = delete;

    static QString get(const QString &key, const QString &defaultValue = QString());
    static void set(const QString &key, const QString &value);
    static bool contains(const QString &key);
};

} // namespace quillmark::utils
