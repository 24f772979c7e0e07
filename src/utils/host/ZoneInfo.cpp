#include "ZoneInfo.h"

#include <QByteArrayList>
#include <QFile>

namespace quillmark::utils {

namespace {

// The version line is looked for among this many lines at the head of the file.
constexpr int HeaderLines = 16;

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

QString ZoneInfo::ziPath(const QString &directory)
{
    return directory + QStringLiteral("/tzdata.zi");
}

ZoneInfo::Zi ZoneInfo::readZi(const QString &path, ZiPart part)
{
    Zi zi;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return zi;
    // The version line heads the file, within its leading comment block.
    bool inHeader = true;
    for (int lineNumber = 0; !file.atEnd(); ++lineNumber) {
        const QByteArray line = file.readLine().trimmed();
        if (inHeader) {
            inHeader = lineNumber < HeaderLines && line.startsWith('#');
            const QByteArray comment = line.mid(1).trimmed();
            if (inHeader && (comment.startsWith("version ") || comment.startsWith("version\t"))) {
                zi.version = releaseName(comment.mid(8));
                inHeader = false;
            }
            if (part == ZiPart::Header && !inHeader)
                break;
        }
        // "Z name ..." defines a zone, "L target name" a link (an alias).
        if (line.startsWith("Z ")) {
            const QByteArrayList words = line.split(' ');
            if (words.size() > 1)
                zi.ids << QString::fromUtf8(words.at(1));
        } else if (line.startsWith("L ")) {
            const QByteArrayList words = line.split(' ');
            if (words.size() > 2) {
                const QString alias = QString::fromUtf8(words.at(2));
                zi.ids << alias;
                zi.links.insert(alias, QString::fromUtf8(words.at(1)));
            }
        }
    }
    zi.ids.sort();
    zi.ids.removeDuplicates();
    return zi;
}

QString ZoneInfo::version()
{
    return versionIn(directory());
}

QString ZoneInfo::versionIn(const QString &directory)
{
    const QString fromZi = readZi(ziPath(directory), ZiPart::Header).version;
    if (!fromZi.isEmpty())
        return fromZi;
    return versionFromFile(directory + QStringLiteral("/+VERSION"));
}

} // namespace quillmark::utils
