#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

namespace quillmark::utils {
class ResourceBundle;
} // namespace quillmark::utils

namespace quillmark::hrl {

// What a clock face does not say: how far the zone is from the computer's time, and when its
// clocks change next. The facts come from the system's tz rules; ICU only puts them into words.
class ClockNote final
{
public:
    ClockNote() = delete;

    enum class Change {
        None,         // no change within the next 12 months
        Forward,      // the clocks jump ahead
        Back,         // the clocks jump back
        StandardTime, // the clocks stay, the zone's standard offset (its UTC label) moves
    };

    struct Facts
    {
        // Seconds the zone's total offset is ahead of the computer zone's; negative: behind.
        int difference = 0;
        Change change = Change::None;
        // Seconds the clocks (or the standard offset) move by; never negative.
        int amount = 0;
        // The wall time on the zone's clock when the change happens, before it happens.
        QDate date;
        QTime time;

        friend bool operator==(const Facts &, const Facts &) = default;
    };

    static Facts facts(const QTimeZone &zone, const QTimeZone &localZone, const QDateTime &instant);
    // One line in the language of the bundle, durations and dates in the locale's words
    // ("de_DE"; empty for ICU's default locale).
    static QString text(const Facts &facts, const utils::ResourceBundle &labels, const QString &localeName);

    // "3 hours, 30 minutes": whole hours and minutes of the seconds' magnitude.
    static QString duration(int seconds, const QString &localeName);
    // The locale's full date and short time of a wall time.
    static QString wallTime(const QDate &date, const QTime &time, const QString &localeName);

    // Between the two halves of a note: " · ".
    static QString separator();
};

} // namespace quillmark::hrl
