#include "PreferencesBase.h"

#include "StringUtils.h"

namespace quillmark::utils {

PreferencesBase::PreferencesBase(const QString &className)
    : prefs(nodePathOf(className))
{
}

QString PreferencesBase::nodePathOf(const QString &className)
{
    return u'/' + StringUtils::replaceAll(className, QStringLiteral("."), QStringLiteral("/"));
}

QString PreferencesBase::getHandler(const QString &key, const QString &defaultValue) const
{
    return prefs.get(key, defaultValue);
}

qint64 PreferencesBase::getHandler(const QString &key, qint64 defaultValue) const
{
    return prefs.getLong(key, defaultValue);
}

void PreferencesBase::setHandler(const QString &key, const QString &value)
{
    prefs.put(key, value);
}

void PreferencesBase::setHandler(const QString &key, qint64 value)
{
    prefs.putLong(key, value);
}

void PreferencesBase::remove(const QString &key)
{
    prefs.remove(key);
}

} // namespace quillmark::utils
