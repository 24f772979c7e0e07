#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>
#include <optional>

// Sets an environment variable for one scope. The old value, or its absence, comes back however
// the scope is left, so a failed check's early return cannot leak the value into later tests.
class ScopedEnv final
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : name(name)
        , saved(qgetenv(name))
        , wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (wasSet)
            qputenv(name.constData(), saved);
        else
            qunsetenv(name.constData());
    }

private:
    Q_DISABLE_COPY_MOVE(ScopedEnv)

    QByteArray name;
    QByteArray saved;
    bool wasSet;
};

// TZ for one scope, for code that reads the zone through the C library: tzset() follows every
// change, the restore included.
class ScopedTz final
{
public:
    explicit ScopedTz(const QByteArray &value)
    {
        env.emplace("TZ", value);
        tzset();
    }
    ~ScopedTz()
    {
        env.reset();
        tzset();
    }

private:
    Q_DISABLE_COPY_MOVE(ScopedTz)

    std::optional<ScopedEnv> env;
};
