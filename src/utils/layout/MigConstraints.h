#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillmark::utils {

// The constraint strings of MigLayout turned into plain values. Pure: it knows no widgets
// and logs nothing; words it does not understand are handed back to the caller.
class MigConstraints final
{
public:
    MigConstraints() = delete;

    // Pixels.
    static constexpr int RelatedGap = 4;
    static constexpr int UnrelatedGap = 7;
    static constexpr int ParagraphGap = 14;
    static constexpr int DefaultInset = 7;
    // A gap left to the layout's default.
    static constexpr int DefaultGap = -1;
    // A span, split or wrap count given without a number: as far as the row (or column) goes.
    static constexpr int ToEnd = 1 << 20;

    enum class Align : unsigned char { Default, Leading, Trailing, Left, Right, Center, Top, Bottom };

    struct Layout
    {
        // Given as top, left, bottom, right.
        int insetTop = DefaultInset;
        int insetLeft = DefaultInset;
        int insetBottom = DefaultInset;
        int insetRight = DefaultInset;
        int gapX = RelatedGap;
        int gapY = RelatedGap;
        // Columns per row before an automatic wrap; 0: none; ToEnd: as many as the column constraints give.
        int wrapAfter = 0;
        bool fillX = false;
        bool fillY = false;

        bool operator==(const Layout &) const = default;
    };

    // One bracket of a column or row constraint string.
    struct Track
    {
        int grow = 0;
        bool fill = false;
        Align align = Align::Default;

        bool operator==(const Track &) const = default;
    };

    struct Axis
    {
        QList<Track> tracks;
        // gaps[i] is the gap before track i; gaps[tracks.size()] the one after the last.
        QList<int> gaps{DefaultGap};

        bool operator==(const Axis &) const = default;
    };

    struct Component
    {
        bool wrap = false;
        int wrapGap = DefaultGap;
        int spanX = 1;
        int spanY = 1;
        int split = 1;
        int skip = 0;
        int gapTop = 0;
        int gapLeft = 0;
        int gapBottom = 0;
        int gapRight = 0;
        Align alignX = Align::Default;
        Align alignY = Align::Default;
        int growX = 0;
        int growY = 0;
        // -1: the widget's own minimum.
        int minWidth = -1;
        int minHeight = -1;

        bool operator==(const Component &) const = default;
    };

    // Each appends what it could not read (an unknown keyword, or a whole part with bad
    // arguments) to `unknown`, once, and otherwise keeps the defaults.
    static Layout parseLayout(const QString &text, QStringList *unknown = nullptr);
    static Axis parseAxis(const QString &text, QStringList *unknown = nullptr);
    static Component parseComponent(const QString &text, QStringList *unknown = nullptr);
};

} // namespace quillmark::utils
