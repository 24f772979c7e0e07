#pragma once

#include <QByteArray>
#include <QDate>
#include <QSettings>
#include <QString>

#include <optional>

namespace quillmark::utils {

// The file behind the preferences store, as this process found it on first opening it.
// A file that holds no settings the INI format can read (a parse error, a NUL byte, text that is
// not UTF-8) is not overwritten: its values read as defaults, and before the first write it is
// moved aside, so whatever the user had can still be recovered. A store that cannot be read at
// all (a directory in its place, no permission) is left alone: nothing is written to it.
// Each of these costs one trace line per file and process.
class PreferencesFile final
{
public:
    PreferencesFile() = delete;

    enum class State {
        Usable,
        // Not a settings file; it is moved aside at the first write.
        Unreadable,
        // Cannot be read; writes are skipped.
        Inaccessible,
    };

    // The state of the file, examined on its first use in this process; status is what QSettings
    // reported when it opened the file.
    static State open(const QString &fileName, QSettings::Status status);
    static State state(const QString &fileName);
    // Called before every write: moves an unreadable file aside. False where the write must not
    // happen.
    static bool prepareWrite(const QString &fileName);
    // Changes whenever a file was moved aside or failed to be: states looked up before are stale,
    // and settings opened before hold the old content.
    static int generation();

    // Whether the bytes can be the text of an INI file: UTF-8 without NUL bytes.
    static bool isSettingsText(const QByteArray &content);
    // Where an unreadable file goes: "Horalia.ini.unreadable-20261208", with "-2", "-3", ...
    // appended while that name is taken.
    static QString asideName(const QString &fileName, const QDate &date);
    // The text after "=" on the last line of the file that sets the key (its full path, groups
    // joined by "/"), exactly as written; nothing where no line sets it.
    static std::optional<QString> rawValue(const QString &fileName, const QString &key);
};

} // namespace quillmark::utils
