#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace quillmark::utils {

// One node of the per-user preferences store, addressed by a "/" path such as
// "/com/quillmark/hrl/HRL". Backed by a group of the user-scope INI settings of the program;
// nothing is cached here, so every node on a path sees the writes of every other at once.
// Writes go through to the file immediately. A write that does not reach the file returns false
// and is undone in this process too, so nothing shows a value that the next start would not;
// the first such failure of a file is also reported as a trace line. A file that cannot be read as settings reads as
// empty and is never overwritten (see PreferencesFile).
class PreferencesNode final
{
public:
    explicit PreferencesNode(const QString &path);
    PreferencesNode(PreferencesNode &&other) noexcept;
    PreferencesNode &operator=(PreferencesNode &&other) noexcept;
    ~PreferencesNode();

    QString path() const { return nodePath; }
    // The file behind the store, as shown to the user when it cannot be written.
    QString fileName() const;

    QString get(const QString &key, const QString &defaultValue) const;
    // A text of parts joined by ";". The INI format takes an unquoted ";" for the start of a
    // comment, so a line written by hand without quotes would read as its first part only; such a
    // line is read whole, as meant, and written back quoted.
    QString getJoined(const QString &key, const QString &defaultValue) const;
    bool contains(const QString &key) const;
    bool put(const QString &key, const QString &value);
    bool remove(const QString &key);

    // Booleans are "true"/"false" in any letter case; integers strictly decimal. Anything else,
    // like an absent key, reads as the default.
    bool getBool(const QString &key, bool defaultValue) const;
    int getInt(const QString &key, int defaultValue) const;
    qint64 getLong(const QString &key, qint64 defaultValue) const;
    bool putBool(const QString &key, bool value);
    bool putInt(const QString &key, int value);
    bool putLong(const QString &key, qint64 value);

    // The node at a path relative to this one ("RecentFiles/3").
    PreferencesNode child(const QString &relativePath) const;

    // Strict decimal parsing as the store uses it: optional sign, ASCII digits only, in range.
    static bool parseInt(const QString &text, int *value);
    static bool parseLong(const QString &text, qint64 *value);

private:
    // The settings, opened again when the file under them was moved aside. Every use of the
    // store goes through here.
    QSettings &store() const;
    bool readable() const;
    // False where the store must not be written.
    bool prepareWrite() const;
    // Sets the key (or removes it, without a value) and syncs; true when the file holds the change.
    bool writeThrough(const char *operation, const QString &key, const std::optional<QString> &value) const;

    QString nodePath;
    mutable std::unique_ptr<QSettings> settings;
    // What PreferencesFile said of the file, and when.
    mutable int generation = 0;
    mutable bool usable = true;
};

} // namespace quillmark::utils
