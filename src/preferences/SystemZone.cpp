#include "SystemZone.h"

#include <QTimeZone>

namespace quillmark::hrl {

namespace {

bool isUsableId(const QString &id)
{
    // QTimeZone("") would be the system zone itself, and a path escape is never a zone id.
    if (id.isEmpty() || id.startsWith(u'/') || id.contains(QStringLiteral("..")))
        return false;
    return QTimeZone(id.toUtf8()).isValid();
}

} // namespace

QString SystemZone::idFromTz(const QString &tz)
{
    QString id = tz.trimmed();
    if (id.startsWith(u':'))
        id.remove(0, 1);
    const QString zoneinfo = QStringLiteral("zoneinfo/");
    if (const qsizetype at = id.lastIndexOf(zoneinfo); at >= 0) {
        id = id.mid(at + zoneinfo.size());
        // The leap-second and POSIX copies of the database carry the same ids.
        for (const QString &prefix : {QStringLiteral("posix/"), QStringLiteral("right/")}) {
            if (id.startsWith(prefix))
                id = id.mid(prefix.size());
        }
    }
    return isUsableId(id) ? id : QString();
}

QString SystemZone::id()
{
    if (qEnvironmentVariableIsSet("TZ")) {
        const QString fromTz = idFromTz(qEnvironmentVariable("TZ"));
        if (!fromTz.isEmpty())
            return fromTz;
    }
    const QString system = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    if (isUsableId(system))
        return system;
    const QString reduced = idFromTz(system);
    return reduced.isEmpty() ? QStringLiteral("UTC") : reduced;
}

} // namespace quillmark::hrl
