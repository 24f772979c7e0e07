#include "ResourceBundle.h"

#include "BidiText.h"
#include "Logger.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>

namespace quillmark::utils {

namespace {

// Files never change at run time, so each is read once per process.
std::shared_ptr<const ResourceBundle::Table> loadFile(const QString &path)
{
    static QMutex mutex;
    static QHash<QString, std::shared_ptr<const ResourceBundle::Table>> cache;
    QMutexLocker lock(&mutex);
    if (const auto it = cache.constFind(path); it != cache.constEnd())
        return it.value();
    std::shared_ptr<const ResourceBundle::Table> table;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        table = std::make_shared<const ResourceBundle::Table>(ResourceBundle::parse(file.readAll()));
    cache.insert(path, table);
    return table;
}

// The country part of a file name is matched without regard to case ("_zh_cn", "_en_US").
QString findFile(const QString &wanted)
{
    static QMutex mutex;
    static QHash<QString, QHash<QString, QString>> folders;
    const qsizetype slash = wanted.lastIndexOf(u'/');
    const QString folder = wanted.left(slash);
    QMutexLocker lock(&mutex);
    auto it = folders.find(folder);
    if (it == folders.end()) {
        QHash<QString, QString> names;
        const QStringList entries = QDir(folder).entryList(QDir::Files);
        for (const QString &entry : entries)
            names.insert(entry.toLower(), folder + u'/' + entry);
        it = folders.insert(folder, names);
    }
    return it->value(wanted.mid(slash + 1).toLower());
}

QString fileLanguage(QString language)
{
    language = language.toLower();
    // The files keep the older codes of these languages.
    if (language == u"he")
        return QStringLiteral("iw");
    if (language == u"id")
        return QStringLiteral("in");
    // Both written forms of Norwegian read the one Norwegian file.
    if (language == u"nb" || language == u"nn")
        return QStringLiteral("no");
    return language;
}

QString decode(QStringView raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != u'\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const QChar next = raw[++i];
        if (next == u'u' && i + 4 < raw.size()) {
            bool ok = false;
            const ushort unit = raw.mid(i + 1, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(unit);
                i += 4;
                continue;
            }
        }
        switch (next.unicode()) {
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case 'f':
            out += u'\f';
            break;
        default:
            out += next;
            break;
        }
    }
    return out;
}

} // namespace

ResourceBundle::Table ResourceBundle::parse(const QByteArray &data)
{
    Table table;
    const QString text = QString::fromLatin1(data);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#') || trimmed.startsWith(u'!'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        table.insert(line.left(eq).trimmed().toString(), decode(line.mid(eq + 1)));
    }
    return table;
}

ResourceBundle ResourceBundle::getBundle(const QString &baseName, const QLocale &locale)
{
    return getBundle(baseName, locale.name());
}

ResourceBundle ResourceBundle::getBundle(const QString &baseName, const QString &localeName)
{
    QString name = localeName;
    // "de_DE.UTF-8@euro" names the same language as "de_DE".
    name = name.left(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    name = name.left(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name.replace(u'-', u'_');
    const QStringList parts = name.split(u'_');
    const QString language = fileLanguage(parts.value(0));
    const QString country = parts.value(1);
    const QString variant = parts.mid(2).join(u'_');

    QStringList suffixes;
    if (!language.isEmpty()) {
        if (!country.isEmpty() && !variant.isEmpty())
            suffixes << u'_' + language + u'_' + country + u'_' + variant;
        if (!country.isEmpty())
            suffixes << u'_' + language + u'_' + country;
        suffixes << u'_' + language;
    }
    suffixes << QString();

    QString base = baseName;
    const qsizetype slash = base.lastIndexOf(u'/');
    base = base.left(slash).replace(u'.', u'/') + base.mid(slash);
    ResourceBundle bundle;
    for (const QString &suffix : std::as_const(suffixes)) {
        const QString path = findFile(QStringLiteral(":/") + base + suffix + QStringLiteral(".properties"));
        if (auto table = path.isEmpty() ? nullptr : loadFile(path)) {
            bundle.paths << path;
            bundle.tables << table;
        }
    }
    return bundle;
}

bool ResourceBundle::containsKey(const QString &key) const
{
    for (const auto &table : tables) {
        if (table->contains(key))
            return true;
    }
    return false;
}

QString ResourceBundle::getString(const QString &key, const QStringList &arguments) const
{
    return format(getString(key), arguments);
}

QString ResourceBundle::format(const QString &text, const QStringList &arguments)
{
    // One pass, so an argument is never searched for placeholders itself.
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'{') {
            const qsizetype close = text.indexOf(u'}', i + 1);
            bool ok = false;
            const int index = close > i ? QStringView(text).sliced(i + 1, close - i - 1).toInt(&ok) : -1;
            if (ok && index >= 0 && index < arguments.size()) {
                filled += BidiText::isolate(arguments.at(index));
                i = close;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

QString ResourceBundle::getString(const QString &key) const
{
    for (const auto &table : tables) {
        if (const auto it = table->constFind(key); it != table->constEnd())
            return it.value();
    }
    Logger::log(QStringLiteral("ResourceBundle"), QStringLiteral("getString"),
                QStringLiteral("no text for key ") + key);
    return key;
}

} // namespace quillmark::utils
