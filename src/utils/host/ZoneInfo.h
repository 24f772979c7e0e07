#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace quillmark::utils {

// Where the system keeps its tz database, which release of it is installed there, and the one
// reader of its tzdata.zi file.
class ZoneInfo final
{
public:
    ZoneInfo() = delete;

    // What a tzdata.zi file tells.
    struct Zi
    {
        // The release named by the "# version" line of the leading comment block; empty without one.
        QString version;
        // The identifiers of its zones ("Z name ...") and links ("L target name"), sorted, each once.
        QStringList ids;
        // Its links, alias -> target.
        QHash<QString, QString> links;
    };
    enum class ZiPart { Header, Whole };

    // TZDIR when set, else /usr/share/zoneinfo. The directory may not exist (Windows).
    static QString directory();
    // The tzdata.zi file of a database directory.
    static QString ziPath(const QString &directory);
    // Reads a tzdata.zi file in one pass: all of it, or only its leading comment block (enough for
    // the version). Everything is empty when the file cannot be read.
    static Zi readZi(const QString &path, ZiPart part = ZiPart::Whole);
    // The release of the database in directory() ("2025b"), from the "# version" line of
    // tzdata.zi or else from the +VERSION file; empty when neither can be read.
    static QString version();
    // The same, for a database in another directory (tests).
    static QString versionIn(const QString &directory);
};

} // namespace quillmark::utils
