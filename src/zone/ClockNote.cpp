#include "ClockNote.h"

#include "ResourceBundle.h"
#include "ZoneDatabase.h"

#include <unicode/datefmt.h>
#include <unicode/fieldpos.h>
#include <unicode/locid.h>
#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/measure.h>
#include <unicode/simpletz.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace quillmark::hrl {

namespace {

icu::Locale icuLocale(const QString &localeName)
{
    return localeName.isEmpty() ? icu::Locale::getDefault() : icu::Locale(localeName.toStdString().c_str());
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

} // namespace

ClockNote::Facts ClockNote::facts(const QTimeZone &zone, const QTimeZone &localZone, const QDateTime &instant)
{
    Facts facts;
    facts.difference = zone.offsetFromUtc(instant) - localZone.offsetFromUtc(instant);

    const QDateTime limit = instant.addMonths(12);
    QDateTime from = instant;
    while (true) {
        const QTimeZone::OffsetData next = zone.nextTransition(from);
        if (!next.atUtc.isValid() || next.atUtc <= from || next.atUtc > limit)
            break;
        from = next.atUtc;
        const QDateTime before = next.atUtc.addSecs(-1);
        const int offsetBefore = zone.offsetFromUtc(before);
        const int moved = next.offsetFromUtc - offsetBefore;
        const int standardMoved = (ZoneDatabase::standardOffsetMs(zone, next.atUtc)
                                   - ZoneDatabase::standardOffsetMs(zone, before))
                                  / 1000;
        // A transition that only renames the zone's time (or calls the same offset standard instead of
        // daylight time under another name) changes nothing a user could see.
        if (moved == 0 && standardMoved == 0)
            continue;
        // The clocks jumping is what a user must know, whatever the reason; a new standard offset
        // is worth a word of its own only when the clocks stay where they are.
        if (moved != 0) {
            facts.change = moved > 0 ? Change::Forward : Change::Back;
            facts.amount = std::abs(moved);
        } else {
            facts.change = Change::StandardTime;
            facts.amount = std::abs(standardMoved);
        }
        const QDateTime wall = next.atUtc.toUTC().addSecs(offsetBefore);
        facts.date = wall.date();
        facts.time = wall.time();
        break;
    }
    return facts;
}

QString ClockNote::text(const Facts &facts, const utils::ResourceBundle &labels, const QString &localeName)
{
    QString difference;
    if (facts.difference == 0) {
        difference = labels.getString(QStringLiteral("note.same"));
    } else {
        const QString key = facts.difference < 0 ? QStringLiteral("note.behind") : QStringLiteral("note.ahead");
        difference = labels.getString(key, {duration(facts.difference, localeName)});
    }

    QString change;
    if (facts.change == Change::None) {
        change = labels.getString(QStringLiteral("note.nochange"));
    } else {
        const QString key = facts.change == Change::Forward ? QStringLiteral("note.forward")
                            : facts.change == Change::Back  ? QStringLiteral("note.back")
                                                            : QStringLiteral("note.standardchange");
        change = labels.getString(key,
                                  {duration(facts.amount, localeName), wallTime(facts.date, facts.time, localeName)});
    }
    return difference + separator() + change;
}

QString ClockNote::separator()
{
    return QStringLiteral(" \u00b7 ");
}

QString ClockNote::duration(int seconds, const QString &localeName)
{
    const int minutesInAll = std::abs(seconds) / 60;
    const int hours = minutesInAll / 60;
    const int minutes = minutesInAll % 60;

    UErrorCode status = U_ZERO_ERROR;
    // Wide units carry the plural forms of each language ("1 hour", "3 часа", "ساعتان").
    const icu::MeasureFormat format(icuLocale(localeName), UMEASFMT_WIDTH_WIDE, status);
    std::vector<icu::Measure> measures;
    if (hours != 0)
        measures.emplace_back(icu::Formattable(hours), icu::MeasureUnit::createHour(status), status);
    if (minutes != 0 || hours == 0)
        measures.emplace_back(icu::Formattable(minutes), icu::MeasureUnit::createMinute(status), status);
    icu::UnicodeString out;
    icu::FieldPosition position(icu::FieldPosition::DONT_CARE);
    format.formatMeasures(measures.data(), int32_t(measures.size()), out, position, status);
    return U_SUCCESS(status) ? fromIcu(out) : QString();
}

QString ClockNote::wallTime(const QDate &date, const QTime &time, const QString &localeName)
{
    const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(
        icu::DateFormat::kFull, icu::DateFormat::kShort, icuLocale(localeName)));
    if (!format)
        return {};
    // ICU gets the wall time as an instant in a fixed zone of offset zero, so none of its own
    // (older) zone rules can shift it.
    format->adoptTimeZone(new icu::SimpleTimeZone(0, icu::UnicodeString(u"GMT")));
    icu::UnicodeString out;
    format->format(UDate(QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch()), out);
    return fromIcu(out);
}

} // namespace quillmark::hrl
