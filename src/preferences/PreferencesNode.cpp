#include "PreferencesNode.h"

#include "Logger.h"
#include "PreferencesFile.h"
#include "ProgramInfo.h"

#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <limits>

namespace quillmark::utils {

namespace {

// Store files whose write failure has been reported; each is reported once per process.
QMutex reportedMutex;
QSet<QString> &reportedFiles()
{
    static QSet<QString> files;
    return files;
}

bool parseDecimal(const QString &text, qint64 min, qint64 max, qint64 *value)
{
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        i = 1;
    }
    if (i >= text.size())
        return false;
    const quint64 limit = negative ? quint64(-(min + 1)) + 1 : quint64(max);
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        const quint64 digit = c - u'0';
        if (magnitude > (limit - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    // Modular negation, so the minimum value needs no special case.
    *value = negative ? qint64(0 - magnitude) : qint64(magnitude);
    return true;
}

QString groupOf(const QString &path)
{
    QString group = path;
    while (group.startsWith(u'/'))
        group.remove(0, 1);
    while (group.endsWith(u'/'))
        group.chop(1);
    return group;
}

std::unique_ptr<QSettings> openSettings(const QString &path)
{
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                hrl::ProgramInfo::ORGANIZATION, hrl::ProgramInfo::APPLICATION);
    // Only the user's own store counts; a system-wide file must not supply values.
    settings->setFallbacksEnabled(false);
    const QString group = groupOf(path);
    if (!group.isEmpty())
        settings->beginGroup(group);
    return settings;
}

} // namespace

PreferencesNode::PreferencesNode(const QString &path)
    : nodePath(path)
    , generation(PreferencesFile::generation())
{
    settings = openSettings(path);
    usable = PreferencesFile::open(settings->fileName(), settings->status()) == PreferencesFile::State::Usable;
}

PreferencesNode::PreferencesNode(PreferencesNode &&other) noexcept = default;
PreferencesNode &PreferencesNode::operator=(PreferencesNode &&other) noexcept = default;
PreferencesNode::~PreferencesNode() = default;

QSettings &PreferencesNode::store() const
{
    // Looked at on every read, so an atomic counter and not the table behind a lock.
    if (const int now = PreferencesFile::generation(); now != generation) {
        generation = now;
        settings = openSettings(nodePath);
        usable = PreferencesFile::state(settings->fileName()) == PreferencesFile::State::Usable;
    }
    return *settings;
}

QString PreferencesNode::fileName() const
{
    return store().fileName();
}

bool PreferencesNode::readable() const
{
    store();
    return usable;
}

bool PreferencesNode::prepareWrite() const
{
    return PreferencesFile::prepareWrite(settings->fileName());
}

QString PreferencesNode::get(const QString &key, const QString &defaultValue) const
{
    if (!readable())
        return defaultValue;
    const QVariant value = store().value(key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with unquoted commas comes back as a list; it was one text in the file.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

QString PreferencesNode::getJoined(const QString &key, const QString &defaultValue) const
{
    const QString value = get(key, defaultValue);
    if (!readable() || !store().contains(key))
        return value;
    const QString fullKey = groupOf(nodePath) + u'/' + key;
    const std::optional<QString> raw = PreferencesFile::rawValue(settings->fileName(), fullKey);
    // The store itself always quotes a text with ";".
    if (!raw || raw->startsWith(u'"') || !raw->contains(u';'))
        return value;
    QStringList parts = raw->split(u';');
    for (QString &part : parts)
        part = part.trimmed();
    const QString meant = parts.join(u';');
    if (meant != value)
        writeThrough("getJoined", key, meant);
    return meant;
}

bool PreferencesNode::contains(const QString &key) const
{
    return readable() && store().contains(key);
}

bool PreferencesNode::put(const QString &key, const QString &value)
{
    return writeThrough("put", key, value);
}

bool PreferencesNode::remove(const QString &key)
{
    return writeThrough("remove", key, std::nullopt);
}

bool PreferencesNode::getBool(const QString &key, bool defaultValue) const
{
    const QString text = get(key, QString());
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return defaultValue;
}

int PreferencesNode::getInt(const QString &key, int defaultValue) const
{
    int value = 0;
    return parseInt(get(key, QString()), &value) ? value : defaultValue;
}

qint64 PreferencesNode::getLong(const QString &key, qint64 defaultValue) const
{
    qint64 value = 0;
    return parseLong(get(key, QString()), &value) ? value : defaultValue;
}

bool PreferencesNode::putBool(const QString &key, bool value)
{
    return put(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

bool PreferencesNode::putInt(const QString &key, int value)
{
    return put(key, QString::number(value));
}

bool PreferencesNode::putLong(const QString &key, qint64 value)
{
    return put(key, QString::number(value));
}

PreferencesNode PreferencesNode::child(const QString &relativePath) const
{
    const QString sub = groupOf(relativePath);
    if (sub.isEmpty())
        return PreferencesNode(nodePath);
    return PreferencesNode(groupOf(nodePath).prepend(u'/') + u'/' + sub);
}

bool PreferencesNode::parseInt(const QString &text, int *value)
{
    qint64 wide = 0;
    if (!parseDecimal(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), &wide))
        return false;
    *value = int(wide);
    return true;
}

bool PreferencesNode::parseLong(const QString &text, qint64 *value)
{
    return parseDecimal(text, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), value);
}

bool PreferencesNode::writeThrough(const char *operation, const QString &key, const std::optional<QString> &value) const
{
    store();
    if (!prepareWrite())
        return false;
    // A QSettings keeps the first error it met for good, and the one that reads here may have met
    // one long ago: a writer of its own says what this write did.
    const std::unique_ptr<QSettings> writer = openSettings(nodePath);
    const QVariant before = writer->value(key);
    if (value)
        writer->setValue(key, *value);
    else
        writer->remove(key);
    writer->sync();
    const QSettings::Status status = writer->status();
    if (status == QSettings::NoError)
        return true;

    // Every QSettings of the process shares what one of them set, written or not: put the old
    // value back, so no reader shows a change the file does not hold.
    if (before.isValid())
        writer->setValue(key, before);
    else
        writer->remove(key);
    const QString file = writer->fileName();
    {
        const QMutexLocker lock(&reportedMutex);
        if (reportedFiles().contains(file))
            return false;
        reportedFiles().insert(file);
    }
    const QString reason = status == QSettings::AccessError ? QStringLiteral("cannot write the preferences store ")
                                                            : QStringLiteral("malformed preferences store ");
    Logger::log(QStringLiteral("PreferencesNode"), QString::fromLatin1(operation),
                QStringLiteral("Exception: ") + reason + file);
    return false;
}

} // namespace quillmark::utils
