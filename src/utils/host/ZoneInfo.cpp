#include "ZoneInfo.h"

#include <QFile>

namespace quillmark::utils {

namespace {

// A release name is short and has no blanks ("2025b", "2024a-1"); anything else is not one.
QString releaseName(const QByteArray &text)
{
    const QByteArray name = text.trimmed();
    if (name.isEmpty() || name.size() > 32)
        return {};
    for (char c : name) {
        if (uchar(c) <= ' ' || uchar(c) >= 127)
            return {};
    }
    return QString::fromLatin1(name);
}

QString versionFromZi(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The version line heads the file; only the leading comment block is read.
    for (int i = 0; i < 16 && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine(256).trimmed();
        if (!line.startsWith('#'))
            break;
        const QByteArray comment = line.mid(1).trimmed();
        if (comment.startsWith("version ") || comment.startsWith("version\t"))
            return releaseName(comment.mid(8));
    }
    return {};
}

QString versionFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return releaseName(file.readLine(256));
}

} // namespace

QString ZoneInfo::directory()
{
    const QString dir = qEnvironmentVariable("TZDIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : dir;
}

QString ZoneInfo::version()
{
    return versionIn(directory());
}

QString ZoneInfo::versionIn(const QString &directory)
{
    const QString fromZi = versionFromZi(directory + QStringLiteral("/tzdata.zi"));
    if (!fromZi.isEmpty())
        return fromZi;
    return versionFromFile(directory + QStringLiteral("/+VERSION"));
}

} // namespace quillmark::utils
