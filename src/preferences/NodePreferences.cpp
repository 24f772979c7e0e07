#include "NodePreferences.h"

#include "StringUtils.h"

namespace quillmark::utils {

NodePreferences::NodePreferences(const QString &className)
    : prefs(nodePathOf(className))
{
}

QString NodePreferences::nodePathOf(const QString &className)
{
    return u'/' + StringUtils::replaceAll(className, QStringLiteral("."), QStringLiteral("/"));
}

QString NodePreferences::getHandler(const QString &key, const QString &defaultValue) const
{
    return prefs.get(key, defaultValue);
}

qint64 NodePreferences::getHandler(const QString &key, qint64 defaultValue) const
{
    return prefs.getLong(key, defaultValue);
}

void NodePreferences::setHandler(const QString &key, const QString &value)
{
    prefs.put(key, value);
}

void NodePreferences::setHandler(const QString &key, qint64 value)
{
    prefs.putLong(key, value);
}

void NodePreferences::remove(const QString &key)
{
    prefs.remove(key);
}

} // namespace quillmark::utils
