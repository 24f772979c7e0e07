#include "DateFormatter.h"

#include "Logger.h"

#include <QHash>
#include <QSet>

#include <unicode/fpositer.h>
#include <unicode/locid.h>
#include <unicode/simpletz.h>
#include <unicode/smpdtfmt.h>

#include <memory>
#include <thread>

namespace quillmark::hrl {

namespace {

struct Cache
{
    std::string locale;
    QHash<QString, std::shared_ptr<icu::SimpleDateFormat>> formats;
};

Cache &cache()
{
    thread_local Cache c;
    return c;
}

std::string &currentLocale()
{
    static std::string name;
    return name;
}

icu::UnicodeString toIcu(const QString &text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
}

// ICU reads an unclosed quote as text up to the end; the pattern is broken all the same.
bool quotesClosed(const QString &pattern)
{
    bool inQuote = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'\'')
            continue;
        if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
            ++i; // '' is a quote character, inside or outside quoted text
            continue;
        }
        inQuote = !inQuote;
    }
    return !inQuote;
}

std::shared_ptr<icu::SimpleDateFormat> formatterFor(const QString &pattern)
{
    Cache &c = cache();
    if (c.locale != currentLocale()) {
        c.formats.clear();
        c.locale = currentLocale();
    }
    if (const auto it = c.formats.constFind(pattern); it != c.formats.constEnd())
        return it.value();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = c.locale.empty() ? icu::Locale::getDefault() : icu::Locale(c.locale.c_str());
    auto format = std::make_shared<icu::SimpleDateFormat>(toIcu(pattern), locale, status);
    if (U_FAILURE(status) || !quotesClosed(pattern))
        format.reset();
    c.formats.insert(pattern, format);
    return format;
}

} // namespace

void DateFormatter::setLocale(const QString &localeName)
{
    currentLocale() = localeName.toStdString();
}

QString DateFormatter::localeName()
{
    return QString::fromStdString(currentLocale());
}

void DateFormatter::warmUp(const QString &localeName)
{
    // Joined at exit, should the program end within the first milliseconds.
    static std::jthread worker;
    if (worker.joinable())
        return;
    worker = std::jthread([name = localeName.toStdString()] {
        UErrorCode status = U_ZERO_ERROR;
        icu::SimpleDateFormat format(icu::UnicodeString(u"yyyy-MM-dd EEEE h:mm a"), icu::Locale(name.c_str()), status);
        icu::UnicodeString out;
        if (U_SUCCESS(status))
            format.format(UDate(0), out, status);
    });
}

QString DateFormatter::format(const QString &pattern, const QDateTime &instant, const QTimeZone &zone, bool *ok)
{
    if (ok)
        *ok = false;
    const auto formatter = formatterFor(pattern);
    if (!formatter)
        return {};
    // ICU sees only the total offset at this instant, taken from the system's rules.
    const int offsetMs = zone.offsetFromUtc(instant) * 1000;
    formatter->adoptTimeZone(new icu::SimpleTimeZone(offsetMs, icu::UnicodeString(u"GMT")));
    icu::UnicodeString out;
    UErrorCode status = U_ZERO_ERROR;
    formatter->format(UDate(instant.toMSecsSinceEpoch()), out, nullptr, status);
    if (U_FAILURE(status))
        return {};
    if (ok)
        *ok = true;
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

QString DateFormatter::formatOr(const QString &pattern, const QString &defaultPattern, const QDateTime &instant,
                                const QTimeZone &zone)
{
    bool ok = false;
    QString text = format(pattern, instant, zone, &ok);
    if (ok)
        return text;
    thread_local QSet<QString> reported;
    if (!reported.contains(pattern)) {
        reported.insert(pattern);
        utils::Logger::log(QStringLiteral("DateFormatter"), QStringLiteral("format"),
                           QStringLiteral("pattern \"") + pattern + QStringLiteral("\" does not format; using \"")
                               + defaultPattern + u'"');
    }
    return format(defaultPattern, instant, zone);
}

} // namespace quillmark::hrl
