#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace quillmark::hrl {

// Formats instants by date patterns (y M d E H h m s S a ...) in the default locale,
// with that locale's calendar and digits. Formatters are cached per pattern and thread.
class DateFormatter final
{
public:
    DateFormatter() = delete;

    // The instant's wall time in the zone; ok is false and the text empty when the
    // pattern does not format (an unknown letter, an unclosed quote).
    static QString format(const QString &pattern, const QDateTime &instant, const QTimeZone &zone, bool *ok = nullptr);
    // As format(), falling back to the default pattern with one trace line per bad pattern.
    static QString formatOr(const QString &pattern, const QString &defaultPattern, const QDateTime &instant,
                            const QTimeZone &zone);
    // Sets the locale used from now on (the program's default locale, "de_DE").
    static void setLocale(const QString &localeName);
    // The locale set last; empty until one is set (ICU's default locale is used then).
    static QString localeName();
    // Loads the locale's calendar, symbols and digits into ICU's shared caches on a thread of its
    // own and returns at once, so the first clocks built on the GUI thread find them ready.
    static void warmUp(const QString &localeName);
};

} // namespace quillmark::hrl
