#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QLocale;

namespace quillmark::utils {

// A family of key=value text files, one per language, looked up most specific first
// with the base file last ("com.quillmark.hrl.lang/Lang" + "_de" + ".properties").
// Immutable once loaded, so copies share their files.
class ResourceBundle final
{
public:
    using Table = QHash<QString, QString>;

    ResourceBundle() = default;

    static ResourceBundle getBundle(const QString &baseName, const QLocale &locale);
    // Locale given as text, "lang[_COUNTRY[_variant]]", as the platform names it.
    static ResourceBundle getBundle(const QString &baseName, const QString &localeName);

    // The text of the first file of the chain that has the key; the key itself when none has it.
    QString getString(const QString &key) const;
    // The text with "{0}", "{1}", ... replaced by the arguments, each isolated for right-to-left
    // layouts (see BidiText).
    QString getString(const QString &key, const QStringList &arguments) const;
    static QString format(const QString &text, const QStringList &arguments);
    bool containsKey(const QString &key) const;
    // Resource paths of the chain, most specific first.
    QStringList chain() const { return paths; }

    // Reads one file of the family format; exposed for the tests of the shipped files.
    static Table parse(const QByteArray &data);

private:
    QStringList paths;
    QList<std::shared_ptr<const Table>> tables;
};

} // namespace quillmark::utils
