#include "MigConstraints.h"

#include <cmath>
#include <optional>

namespace quillmark::utils {

namespace {

using Align = MigConstraints::Align;

// Keywords are matched case-insensitively; parts are separated by commas.
QList<QStringList> splitParts(const QString &text)
{
    QList<QStringList> parts;
    for (const QString &part : text.split(u',')) {
        QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        words.first() = words.first().toLower();
        parts.append(words);
    }
    return parts;
}

// What a parser made of one part of a constraint string.
enum class Verdict { Taken, Malformed, Unknown };

class Reader final
{
public:
    explicit Reader(QStringList *unknown)
        : unknown(unknown)
    {
    }

    void reject(const QString &what) const
    {
        if (unknown && !unknown->contains(what))
            unknown->append(what);
    }

    // Hands each part of the text to `take`, as words; a malformed part is reported whole, an
    // unknown keyword alone.
    template <typename Take> void readParts(const QString &text, Take take) const
    {
        for (const QStringList &words : splitParts(text)) {
            const Verdict verdict = take(words);
            if (verdict == Verdict::Malformed)
                reject(words.join(u' '));
            else if (verdict == Verdict::Unknown)
                reject(words.first());
        }
    }

private:
    QStringList *unknown;
};

// Larger values are typing errors, and would only make the grid solver add up to overflow.
constexpr int MaxPixels = 100000;
constexpr int MaxCount = 1000;

std::optional<int> number(const QString &word)
{
    QStringView view(word);
    if (view.endsWith(u"px", Qt::CaseInsensitive))
        view.chop(2);
    bool ok = false;
    const double value = view.toDouble(&ok);
    if (ok && std::isfinite(value) && std::abs(value) <= MaxPixels)
        return int(std::lround(value));
    return std::nullopt;
}

std::optional<int> count(const QString &word, int minimum)
{
    const std::optional<int> value = number(word);
    if (value && *value >= minimum && *value <= MaxCount)
        return value;
    return std::nullopt;
}

std::optional<int> gap(const QString &word)
{
    const QString w = word.toLower();
    if (w == u"rel" || w == u"related")
        return MigConstraints::RelatedGap;
    if (w == u"unrel" || w == u"unrelated")
        return MigConstraints::UnrelatedGap;
    if (w == u"para" || w == u"paragraph")
        return MigConstraints::ParagraphGap;
    return number(word);
}

std::optional<Align> alignment(const QString &word)
{
    const QString w = word.toLower();
    if (w == u"left" || w == u"l")
        return Align::Left;
    if (w == u"right" || w == u"r")
        return Align::Right;
    if (w == u"center" || w == u"c")
        return Align::Center;
    if (w == u"leading" || w == u"lead")
        return Align::Leading;
    if (w == u"trailing" || w == u"trail")
        return Align::Trailing;
    if (w == u"top" || w == u"t")
        return Align::Top;
    if (w == u"bottom" || w == u"b")
        return Align::Bottom;
    return std::nullopt;
}

bool isHorizontal(Align a)
{
    return a != Align::Top && a != Align::Bottom && a != Align::Default;
}

bool isVertical(Align a)
{
    return a == Align::Top || a == Align::Bottom || a == Align::Center;
}

// The count after a keyword, `absent` when there is none; nothing when it is no count of at
// least `minimum` or more words follow.
std::optional<int> countAfter(const QStringList &words, int absent, int minimum)
{
    if (words.size() == 1)
        return absent;
    if (words.size() == 2)
        return count(words.at(1), minimum);
    return std::nullopt;
}

// A weight after grow, growx or growy; none means 100.
std::optional<int> growWeight(const QStringList &words)
{
    return countAfter(words, 100, 0);
}

MigConstraints::Track parseTrack(const QString &text, const Reader &reader)
{
    MigConstraints::Track track;
    reader.readParts(text, [&track](const QStringList &words) {
        const QString &key = words.first();
        bool ok = true;
        if (key == u"grow") {
            const std::optional<int> weight = growWeight(words);
            ok = weight.has_value();
            track.grow = weight.value_or(track.grow);
        } else if (key == u"fill" && words.size() == 1) {
            track.fill = true;
        } else if (key == u"align" && words.size() == 2) {
            const std::optional<Align> a = alignment(words.at(1));
            ok = a.has_value();
            track.align = a.value_or(track.align);
        } else if (words.size() == 1 && alignment(key)) {
            track.align = *alignment(key);
        } else if (key == u"fill" || key == u"align") {
            ok = false;
        } else {
            return Verdict::Unknown;
        }
        return ok ? Verdict::Taken : Verdict::Malformed;
    });
    return track;
}

} // namespace

MigConstraints::Layout MigConstraints::parseLayout(const QString &text, QStringList *unknown)
{
    const Reader reader(unknown);
    Layout layout;
    reader.readParts(text, [&layout](const QStringList &words) {
        const QString &key = words.first();
        const qsizetype args = words.size() - 1;
        bool ok = true;
        if (key == u"insets" || key == u"ins") {
            QList<int> values;
            for (qsizetype i = 1; i < words.size() && ok; ++i) {
                const std::optional<int> value = number(words.at(i));
                ok = value.has_value();
                values.append(value.value_or(0));
            }
            ok = ok && args >= 1 && args <= 4;
            if (ok) {
                // Values left out repeat the last one given.
                while (values.size() < 4)
                    values.append(values.last());
                layout.insetTop = values.at(0);
                layout.insetLeft = values.at(1);
                layout.insetBottom = values.at(2);
                layout.insetRight = values.at(3);
            }
        } else if (key == u"wrap") {
            const std::optional<int> n = countAfter(words, ToEnd, 1);
            ok = n.has_value();
            layout.wrapAfter = n.value_or(layout.wrapAfter);
        } else if (key == u"fill" && args == 0) {
            layout.fillX = layout.fillY = true;
        } else if (key == u"fillx" && args == 0) {
            layout.fillX = true;
        } else if (key == u"filly" && args == 0) {
            layout.fillY = true;
        } else if (key == u"gap" && (args == 1 || args == 2)) {
            const std::optional<int> x = gap(words.at(1));
            const std::optional<int> y = args == 2 ? gap(words.at(2)) : x;
            ok = x && y;
            if (ok) {
                layout.gapX = *x;
                layout.gapY = *y;
            }
        } else if ((key == u"gapx" || key == u"gapy") && args == 1) {
            const std::optional<int> g = gap(words.at(1));
            ok = g.has_value();
            (key == u"gapx" ? layout.gapX : layout.gapY) = g.value_or(RelatedGap);
        } else if (key == u"fill" || key == u"fillx" || key == u"filly" || key == u"gap" || key == u"gapx"
                   || key == u"gapy") {
            ok = false;
        } else {
            return Verdict::Unknown;
        }
        return ok ? Verdict::Taken : Verdict::Malformed;
    });
    return layout;
}

MigConstraints::Axis MigConstraints::parseAxis(const QString &text, QStringList *unknown)
{
    const Reader reader(unknown);
    Axis axis;
    // Text between brackets is the gap between the tracks on either side.
    auto takeGap = [&](const QString &between) {
        const QString trimmed = between.trimmed();
        if (trimmed.isEmpty())
            return;
        const std::optional<int> g = gap(trimmed);
        if (g)
            axis.gaps.last() = *g;
        else
            reader.reject(trimmed);
    };
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'[', pos);
        if (open < 0) {
            takeGap(text.mid(pos));
            break;
        }
        takeGap(text.mid(pos, open - pos));
        const qsizetype close = text.indexOf(u']', open + 1);
        if (close < 0) {
            reader.reject(text.mid(open).trimmed());
            break;
        }
        axis.tracks.append(parseTrack(text.mid(open + 1, close - open - 1), reader));
        axis.gaps.append(DefaultGap);
        pos = close + 1;
    }
    return axis;
}

MigConstraints::Component MigConstraints::parseComponent(const QString &text, QStringList *unknown)
{
    const Reader reader(unknown);
    Component c;
    reader.readParts(text, [&c](const QStringList &words) {
        const QString &key = words.first();
        const qsizetype args = words.size() - 1;
        auto arg = [&](qsizetype i) { return words.at(i); };
        bool ok = true;
        if (key == u"wrap") {
            const std::optional<int> g = args == 0   ? std::optional<int>(DefaultGap)
                                         : args == 1 ? gap(arg(1))
                                                     : std::nullopt;
            ok = g.has_value();
            if (ok) {
                c.wrap = true;
                c.wrapGap = *g;
            }
        } else if (key == u"span") {
            const std::optional<int> x = args >= 1 ? count(arg(1), 1) : std::optional<int>(ToEnd);
            const std::optional<int> y = args >= 2 ? count(arg(2), 1) : std::optional<int>(1);
            ok = x && y && args <= 2;
            if (ok) {
                c.spanX = *x;
                c.spanY = *y;
            }
        } else if (key == u"spanx" || key == u"spany") {
            const std::optional<int> n = countAfter(words, ToEnd, 1);
            ok = n.has_value();
            if (ok)
                (key == u"spanx" ? c.spanX : c.spanY) = *n;
        } else if (key == u"split") {
            const std::optional<int> n = countAfter(words, ToEnd, 1);
            ok = n.has_value();
            c.split = n.value_or(c.split);
        } else if (key == u"skip") {
            const std::optional<int> n = countAfter(words, 1, 0);
            ok = n.has_value();
            c.skip = n.value_or(c.skip);
        } else if (key == u"gaptop" || key == u"gapbottom" || key == u"gapleft" || key == u"gapright"
                   || key == u"gapbefore" || key == u"gapafter") {
            const std::optional<int> g = args == 1 ? gap(arg(1)) : std::nullopt;
            ok = g.has_value();
            if (ok) {
                if (key == u"gaptop")
                    c.gapTop = *g;
                else if (key == u"gapbottom")
                    c.gapBottom = *g;
                else if (key == u"gapleft" || key == u"gapbefore")
                    c.gapLeft = *g;
                else
                    c.gapRight = *g;
            }
        } else if (key == u"gapx" || key == u"gapy") {
            const std::optional<int> before = args >= 1 ? gap(arg(1)) : std::nullopt;
            const std::optional<int> after = args == 2 ? gap(arg(2)) : before;
            ok = before && after && args <= 2;
            if (ok) {
                (key == u"gapx" ? c.gapLeft : c.gapTop) = *before;
                (key == u"gapx" ? c.gapRight : c.gapBottom) = *after;
            }
        } else if (key == u"align" || key == u"al") {
            const std::optional<Align> first = args >= 1 ? alignment(arg(1)) : std::nullopt;
            const std::optional<Align> second = args == 2 ? alignment(arg(2)) : std::nullopt;
            if (args == 1 && first) {
                // One value: top and bottom can only mean the vertical alignment.
                (isHorizontal(*first) ? c.alignX : c.alignY) = *first;
            } else if (args == 2 && first && second && isHorizontal(*first) && isVertical(*second)) {
                c.alignX = *first;
                c.alignY = *second;
            } else {
                ok = false;
            }
        } else if (key == u"alignx" || key == u"ax") {
            const std::optional<Align> a = args == 1 ? alignment(arg(1)) : std::nullopt;
            ok = a && isHorizontal(*a);
            if (ok)
                c.alignX = *a;
        } else if (key == u"aligny" || key == u"ay") {
            const std::optional<Align> a = args == 1 ? alignment(arg(1)) : std::nullopt;
            ok = a && isVertical(*a);
            if (ok)
                c.alignY = *a;
        } else if (key == u"grow" || key == u"growx" || key == u"growy") {
            const std::optional<int> weight = growWeight(words);
            ok = weight.has_value();
            if (ok) {
                if (key != u"growy")
                    c.growX = *weight;
                if (key != u"growx")
                    c.growY = *weight;
            }
        } else if (key == u"wmin" || key == u"hmin") {
            const std::optional<int> n = args == 1 ? count(arg(1), 0) : std::nullopt;
            ok = n.has_value();
            if (ok)
                (key == u"wmin" ? c.minWidth : c.minHeight) = *n;
        } else {
            return Verdict::Unknown;
        }
        return ok ? Verdict::Taken : Verdict::Malformed;
    });
    return c;
}

} // namespace quillmark::utils
