#include "PreferencesFile.h"

#include "Logger.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStringDecoder>

#include <atomic>

namespace quillmark::utils {

namespace {

QMutex filesMutex;
// Counts changes of state after the first examination: each is a file moved aside, or one that
// could not be.
std::atomic<int> changes{0};

QHash<QString, PreferencesFile::State> &files()
{
    static QHash<QString, PreferencesFile::State> known;
    return known;
}

void trace(const char *method, const QString &message)
{
    Logger::log(QStringLiteral("PreferencesFile"), QString::fromLatin1(method),
                QStringLiteral("Exception: ") + message);
}

// QSettings parses the body of a section when a key of it is first read, so a format error shows
// only once every key was.
bool parses(const QString &fileName)
{
    QSettings probe(fileName, QSettings::IniFormat);
    [[maybe_unused]] const QStringList keys = probe.allKeys();
    return probe.status() == QSettings::NoError;
}

PreferencesFile::State examine(const QString &fileName, QSettings::Status status)
{
    using State = PreferencesFile::State;
    const QFileInfo info(fileName);
    if (status != QSettings::AccessError && !info.isDir() && !info.exists())
        return State::Usable;
    QFile file(fileName);
    if (status == QSettings::AccessError || info.isDir() || !file.open(QIODevice::ReadOnly)) {
        trace("open",
              QStringLiteral("cannot read the preferences store %1; using the defaults, and changes are not saved")
                  .arg(fileName));
        return State::Inaccessible;
    }
    if (status == QSettings::FormatError || !PreferencesFile::isSettingsText(file.readAll()) || !parses(fileName)) {
        trace("open",
              QStringLiteral("the preferences store %1 holds no readable settings; using the defaults, and it is "
                             "moved aside to %2 before the first change")
                  .arg(fileName, PreferencesFile::asideName(fileName, QDate::currentDate())));
        return State::Unreadable;
    }
    return State::Usable;
}

} // namespace

PreferencesFile::State PreferencesFile::open(const QString &fileName, QSettings::Status status)
{
    const QMutexLocker lock(&filesMutex);
    auto it = files().find(fileName);
    if (it == files().end())
        it = files().insert(fileName, examine(fileName, status));
    return it.value();
}

PreferencesFile::State PreferencesFile::state(const QString &fileName)
{
    const QMutexLocker lock(&filesMutex);
    return files().value(fileName, State::Usable);
}

bool PreferencesFile::prepareWrite(const QString &fileName)
{
    const QMutexLocker lock(&filesMutex);
    const auto it = files().find(fileName);
    if (it == files().end() || it.value() == State::Usable)
        return true;
    if (it.value() == State::Inaccessible)
        return false;
    const QString aside = asideName(fileName, QDate::currentDate());
    if (!QFile::rename(fileName, aside)) {
        trace("prepareWrite",
              QStringLiteral("cannot move the unreadable preferences store %1 aside; changes are not saved")
                  .arg(fileName));
        it.value() = State::Inaccessible;
        ++changes;
        return false;
    }
    it.value() = State::Usable;
    ++changes;
    return true;
}

int PreferencesFile::generation()
{
    return changes.load();
}

bool PreferencesFile::isSettingsText(const QByteArray &content)
{
    if (content.contains('\0'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(content);
    return !decoder.hasError();
}

QString PreferencesFile::asideName(const QString &fileName, const QDate &date)
{
    const QString base = fileName + QStringLiteral(".unreadable-") + date.toString(QStringLiteral("yyyyMMdd"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + u'-' + QString::number(n);
    return name;
}

std::optional<QString> PreferencesFile::rawValue(const QString &fileName, const QString &key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    std::optional<QString> value;
    QString section;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            const qsizetype end = line.indexOf(u']');
            section = end < 0 ? line.mid(1) : line.mid(1, end - 1);
            if (section.compare(u"General", Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u';') || equals <= 0)
            continue;
        QString lineKey = line.left(equals).trimmed().replace(u'\\', u'/');
        if (!section.isEmpty())
            lineKey.prepend(section + u'/');
        if (lineKey == key)
            value = line.mid(equals + 1).trimmed();
    }
    return value;
}

} // namespace quillmark::utils
