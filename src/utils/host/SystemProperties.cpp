#include "SystemProperties.h"

#include <QDir>
#include <QHash>
#include <QSysInfo>

#include <mutex>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

namespace quillmark::utils {

namespace {

QString osName()
{
    const QString product = QSysInfo::productType();
    if (product == u"windows")
        return QStringLiteral("Windows ") + QSysInfo::productVersion();
    if (product == u"macos" || product == u"osx")
        return QStringLiteral("Mac OS X");
    const QString kernel = QSysInfo::kernelType();
    if (kernel == u"linux")
        return QStringLiteral("Linux");
    if (kernel == u"freebsd")
        return QStringLiteral("FreeBSD");
    if (kernel.isEmpty())
        return QStringLiteral("Unknown");
    return kernel.at(0).toUpper() + kernel.mid(1);
}

QString userName()
{
#if defined(Q_OS_UNIX)
    // The account name, not an environment variable the user may have changed.
    if (const passwd *pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

struct Table
{
    std::mutex mutex;
    QHash<QString, QString> values;
    bool filled = false;

    // Called with the mutex held.
    void fill()
    {
        if (filled)
            return;
        filled = true;
        values.insert(QStringLiteral("os.name"), osName());
        values.insert(QStringLiteral("os.version"), QSysInfo::kernelVersion());
        values.insert(QStringLiteral("user.name"), userName());
        values.insert(QStringLiteral("user.home"), QDir::toNativeSeparators(QDir::homePath()));
        values.insert(QStringLiteral("file.separator"), QString(QDir::separator()));
        values.insert(QStringLiteral("runtime.version"), QString::fromLatin1(qVersion()));
        values.insert(QStringLiteral("runtime.vendor"), QStringLiteral("The Qt Company"));
    }
};

Table &table()
{
    static Table instance;
    return instance;
}

} // namespace

QString SystemProperties::get(const QString &key, const QString &defaultValue)
{
    Table &t = table();
    const std::lock_guard lock(t.mutex);
    t.fill();
    return t.values.value(key, defaultValue);
}

void SystemProperties::set(const QString &key, const QString &value)
{
    Table &t = table();
    const std::lock_guard lock(t.mutex);
    t.fill();
    t.values.insert(key, value);
}

bool SystemProperties::contains(const QString &key)
{
    Table &t = table();
    const std::lock_guard lock(t.mutex);
    t.fill();
    return t.values.contains(key);
}

} // namespace quillmark::utils
