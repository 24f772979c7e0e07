#include "MigLayout.h"

#include "Logger.h"

#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QWidget>

#include <algorithm>
#include <numeric>
#include <vector>

namespace quillmark::utils {

namespace {

using Align = MigConstraints::Align;
constexpr int ToEnd = MigConstraints::ToEnd;
constexpr int DefaultGap = MigConstraints::DefaultGap;
constexpr int RelatedGap = MigConstraints::RelatedGap;
// Bounds a runaway flow (say "skip 100000" or a column blocked to the end).
constexpr int MaxFlowSteps = 1 << 16;

// A visible item, measured once per grid build.
struct Item
{
    int entry = 0;
    QSize pref;
    QSize min;
    QSize max;
};

// A grid cell: one item, or several side by side when the first one splits its cell.
struct Cell
{
    int first = 0;
    int count = 1;
    int col = 0;
    int row = 0;
    int spanX = 1;
    int spanY = 1;
    QSize pref;
    QSize min;
};

struct Track
{
    int pref = 0;
    int min = 0;
    int grow = 0;
    bool used = false;
};

struct AxisData
{
    std::vector<Track> tracks;
    // gapBefore[0] is the leading edge, gapBefore[i] the gap before track i, gapBefore[n] the trailing edge.
    std::vector<int> gapBefore{0};
    int pref = 0;
    int min = 0;
};

struct Segment
{
    int start = 0;
    int end = 0;
};

// Each distinct unreadable word is traced once per process, however many layouts repeat it.
void reportUnknown(const QString &method, const QString &text, const QStringList &unknown)
{
    static QMutex mutex;
    static QSet<QString> reported;
    for (const QString &word : unknown) {
        {
            const QMutexLocker lock(&mutex);
            if (reported.contains(word))
                continue;
            reported.insert(word);
        }
        Logger::log(QStringLiteral("MigLayout"), method,
                    QStringLiteral("unknown constraint \"") + word + QStringLiteral("\" in \"") + text + u'"');
    }
}

// Splits amount by weight; rounding is carried along so the parts add up to amount exactly.
std::vector<int> distribute(int amount, const std::vector<int> &weights)
{
    std::vector<int> parts(weights.size(), 0);
    const qint64 total = std::accumulate(weights.begin(), weights.end(), qint64(0));
    if (total <= 0 || amount == 0)
        return parts;
    qint64 sum = 0;
    int given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        sum += weights[i];
        const int upTo = int(qint64(amount) * sum / total);
        parts[i] = upTo - given;
        given = upTo;
    }
    return parts;
}

const MigConstraints::Track &trackOptions(const MigConstraints::Axis &axis, int index)
{
    static const MigConstraints::Track none;
    return index < axis.tracks.size() ? axis.tracks.at(index) : none;
}

// Offset of something `free` pixels smaller than its room, in leading-to-trailing coordinates.
int alignOffset(Align align, int free, bool rtl)
{
    if (free <= 0)
        return 0;
    switch (align) {
    case Align::Center:
        return free / 2;
    case Align::Trailing:
    case Align::Bottom:
        return free;
    case Align::Left:
        return rtl ? free : 0;
    case Align::Right:
        return rtl ? 0 : free;
    case Align::Default:
    case Align::Leading:
    case Align::Top:
        break;
    }
    return 0;
}

// Sizes the tracks of one axis from the cells, then the gaps between the tracks in use.
template <typename Extent>
void sizeAxis(AxisData &axis, const MigConstraints::Axis &options, bool fill, int count, int defaultGap,
              const QHash<int, int> &gapOverrides, const std::vector<Cell> &cells, Extent extent)
{
    axis.tracks.assign(size_t(count), Track{});
    for (int i = 0; i < count; ++i)
        axis.tracks[size_t(i)].grow = trackOptions(options, i).grow;
    for (const Cell &cell : cells) {
        const auto [start, span, pref, min] = extent(cell);
        for (int t = start; t < start + span; ++t)
            axis.tracks[size_t(t)].used = true;
    }
    if (fill && std::none_of(axis.tracks.begin(), axis.tracks.end(), [](const Track &t) { return t.grow > 0; })) {
        for (Track &t : axis.tracks)
            t.grow = t.used ? 100 : 0;
    }

    // Empty tracks get no gaps, so skipped columns do not push the content away from the edge.
    axis.gapBefore.assign(size_t(count) + 1, 0);
    auto given = [&](int i) { return i < options.gaps.size() ? options.gaps.at(i) : DefaultGap; };
    if (count > 0) {
        axis.gapBefore[0] = std::max(0, given(0));
        axis.gapBefore[size_t(count)] = std::max(0, given(count));
    }
    bool seen = false;
    for (int i = 0; i < count; ++i) {
        if (!axis.tracks[size_t(i)].used)
            continue;
        if (seen) {
            int gap = gapOverrides.value(i, given(i));
            axis.gapBefore[size_t(i)] = gap == DefaultGap ? defaultGap : gap;
        }
        seen = true;
    }

    std::vector<const Cell *> spanning;
    for (const Cell &cell : cells) {
        const auto [start, span, pref, min] = extent(cell);
        if (span == 1) {
            Track &t = axis.tracks[size_t(start)];
            t.pref = std::max(t.pref, pref);
            t.min = std::max(t.min, min);
        } else {
            spanning.push_back(&cell);
        }
    }
    // Narrow spans first, so a wide one sees what the narrower ones already claimed.
    std::stable_sort(spanning.begin(), spanning.end(),
                     [&](const Cell *a, const Cell *b) { return extent(*a).span < extent(*b).span; });
    for (const Cell *cell : spanning) {
        const auto [start, span, pref, min] = extent(*cell);
        int innerGaps = 0;
        for (int t = start + 1; t < start + span; ++t)
            innerGaps += axis.gapBefore[size_t(t)];
        std::vector<int> weights;
        for (int t = start; t < start + span; ++t)
            weights.push_back(axis.tracks[size_t(t)].grow);
        if (std::all_of(weights.begin(), weights.end(), [](int w) { return w == 0; }))
            weights.back() = 1;
        auto widen = [&](int Track::*member, int needed) {
            int have = innerGaps;
            for (int t = start; t < start + span; ++t)
                have += axis.tracks[size_t(t)].*member;
            if (needed <= have)
                return;
            const std::vector<int> parts = distribute(needed - have, weights);
            for (int t = start; t < start + span; ++t)
                axis.tracks[size_t(t)].*member += parts[size_t(t - start)];
        };
        widen(&Track::pref, pref);
        widen(&Track::min, min);
    }

    axis.pref = axis.min = std::accumulate(axis.gapBefore.begin(), axis.gapBefore.end(), 0);
    for (const Track &t : axis.tracks) {
        axis.pref += t.pref;
        axis.min += std::min(t.min, t.pref);
    }
}

// Where each track lies when the axis gets `length` pixels: growing tracks share any surplus
// by weight, and a shortfall is taken from what each track has above its minimum.
std::vector<Segment> solveAxis(const AxisData &axis, int length)
{
    const size_t n = axis.tracks.size();
    std::vector<int> sizes(n);
    int sumPref = 0;
    int sumMin = 0;
    for (size_t i = 0; i < n; ++i) {
        sizes[i] = axis.tracks[i].pref;
        sumPref += axis.tracks[i].pref;
        sumMin += std::min(axis.tracks[i].min, axis.tracks[i].pref);
    }
    const int gaps = std::accumulate(axis.gapBefore.begin(), axis.gapBefore.end(), 0);
    const int available = length - gaps;
    if (available > sumPref) {
        std::vector<int> weights(n);
        for (size_t i = 0; i < n; ++i)
            weights[i] = axis.tracks[i].grow;
        const std::vector<int> parts = distribute(available - sumPref, weights);
        for (size_t i = 0; i < n; ++i)
            sizes[i] += parts[i];
    } else if (available < sumPref) {
        std::vector<int> weights(n);
        for (size_t i = 0; i < n; ++i)
            weights[i] = std::max(0, axis.tracks[i].pref - axis.tracks[i].min);
        const std::vector<int> parts = distribute(sumPref - std::max(available, sumMin), weights);
        for (size_t i = 0; i < n; ++i)
            sizes[i] -= parts[i];
    }
    std::vector<Segment> segments(n);
    int pos = axis.gapBefore[0];
    for (size_t i = 0; i < n; ++i) {
        if (i > 0)
            pos += axis.gapBefore[i];
        segments[i] = {pos, pos + sizes[i]};
        pos += sizes[i];
    }
    return segments;
}

} // namespace

struct MigLayout::Grid
{
    // The number of entries the grid was built from.
    qsizetype entryCount = 0;
    std::vector<Item> items;
    std::vector<Cell> cells;
    AxisData columns;
    AxisData rows;
};

MigLayout::MigLayout(const QString &layoutConstraints, const QString &columnConstraints, const QString &rowConstraints,
                     QWidget *parent)
    : QLayout(parent)
{
    QStringList unknown;
    layoutOptions = MigConstraints::parseLayout(layoutConstraints, &unknown);
    reportUnknown(QStringLiteral("<init>"), layoutConstraints, unknown);
    unknown.clear();
    columnOptions = MigConstraints::parseAxis(columnConstraints, &unknown);
    reportUnknown(QStringLiteral("<init>"), columnConstraints, unknown);
    unknown.clear();
    rowOptions = MigConstraints::parseAxis(rowConstraints, &unknown);
    reportUnknown(QStringLiteral("<init>"), rowConstraints, unknown);
}

MigLayout::~MigLayout()
{
    for (const Entry &e : std::as_const(entries))
        delete e.item;
}

void MigLayout::addWidget(QWidget *widget, const QString &constraints)
{
    if (!widget)
        return;
    QStringList unknown;
    const MigConstraints::Component parsed = MigConstraints::parseComponent(constraints, &unknown);
    reportUnknown(QStringLiteral("addWidget"), constraints, unknown);
    // Takes the widget out of any layout it is in, this one included, before it is appended.
    addChildWidget(widget);
    entries.append({new QWidgetItemV2(widget), parsed});
    invalidate();
}

void MigLayout::addItem(QLayoutItem *item)
{
    if (!item)
        return;
    entries.append({item, MigConstraints::Component{}});
    invalidate();
}

int MigLayout::count() const
{
    return int(entries.size());
}

QLayoutItem *MigLayout::itemAt(int index) const
{
    return index >= 0 && index < entries.size() ? entries.at(index).item : nullptr;
}

QLayoutItem *MigLayout::takeAt(int index)
{
    if (index < 0 || index >= entries.size())
        return nullptr;
    QLayoutItem *item = entries.takeAt(index).item;
    invalidate();
    return item;
}

void MigLayout::invalidate()
{
    cache.reset();
    QLayout::invalidate();
}

Qt::Orientations MigLayout::expandingDirections() const
{
    auto grows = [](const MigConstraints::Axis &axis) {
        return std::any_of(axis.tracks.begin(), axis.tracks.end(),
                           [](const MigConstraints::Track &t) { return t.grow > 0; });
    };
    Qt::Orientations directions;
    if (layoutOptions.fillX || grows(columnOptions))
        directions |= Qt::Horizontal;
    if (layoutOptions.fillY || grows(rowOptions))
        directions |= Qt::Vertical;
    return directions;
}

QSize MigLayout::sizeHint() const
{
    const std::shared_ptr<const Grid> held = grid();
    const Grid &g = *held;
    return {g.columns.pref + layoutOptions.insetLeft + layoutOptions.insetRight,
            g.rows.pref + layoutOptions.insetTop + layoutOptions.insetBottom};
}

QSize MigLayout::minimumSize() const
{
    const std::shared_ptr<const Grid> held = grid();
    const Grid &g = *held;
    return {g.columns.min + layoutOptions.insetLeft + layoutOptions.insetRight,
            g.rows.min + layoutOptions.insetTop + layoutOptions.insetBottom};
}

std::shared_ptr<const MigLayout::Grid> MigLayout::grid() const
{
    if (!cache) {
        auto built = std::make_shared<Grid>();
        buildGrid(*built);
        cache = std::move(built);
    }
    return cache;
}

void MigLayout::buildGrid(Grid &g) const
{
    g.entryCount = entries.size();
    for (int i = 0; i < entries.size(); ++i) {
        QLayoutItem *item = entries.at(i).item;
        // Hidden widgets take no cell at all; spacers and nested layouts always do.
        if (item->widget() && item->isEmpty())
            continue;
        const MigConstraints::Component &c = entries.at(i).constraints;
        QSize min = item->minimumSize().expandedTo({0, 0});
        QSize pref = item->sizeHint().expandedTo(min);
        QSize max = item->maximumSize().expandedTo(min);
        if (c.minWidth >= 0) {
            min.setWidth(c.minWidth);
            pref.setWidth(std::max(pref.width(), c.minWidth));
            max.setWidth(std::max(max.width(), c.minWidth));
        }
        if (c.minHeight >= 0) {
            min.setHeight(c.minHeight);
            pref.setHeight(std::max(pref.height(), c.minHeight));
            max.setHeight(std::max(max.height(), c.minHeight));
        }
        g.items.push_back({i, pref, min, max});
    }

    // The flow: cells fill a row left to right (in the logical direction) until a wrap,
    // stepping over cells that a taller cell above already holds.
    const int autoWrap = layoutOptions.wrapAfter == ToEnd ? int(columnOptions.tracks.size()) : layoutOptions.wrapAfter;
    struct Block
    {
        int col0, row0, col1, row1;
        size_t cell;
    };
    std::vector<Block> tall;
    QHash<int, int> rowGaps;
    int col = 0;
    int row = 0;
    int steps = 0;
    bool rowHasRoom = false;
    auto wrapRow = [&](int gap) {
        ++row;
        col = 0;
        rowHasRoom = false;
        if (gap != DefaultGap)
            rowGaps.insert(row, gap);
        std::erase_if(tall, [&](const Block &b) { return b.row1 <= row; });
    };
    // A row with no free cell under cells that reach down without end would repeat forever:
    // such cells end with this row instead.
    auto leaveRow = [&] {
        if (!rowHasRoom) {
            for (Block &b : tall) {
                if (b.row1 >= ToEnd && b.row0 <= row) {
                    b.row1 = row + 1;
                    g.cells[b.cell].spanY = b.row1 - b.row0;
                }
            }
        }
        wrapRow(DefaultGap);
    };
    auto toFreeCell = [&] {
        while (++steps < MaxFlowSteps) {
            if (autoWrap > 0 && col >= autoWrap) {
                leaveRow();
                continue;
            }
            const auto blocking = std::find_if(tall.begin(), tall.end(), [&](const Block &b) {
                return row >= b.row0 && row < b.row1 && col >= b.col0 && col < b.col1;
            });
            if (blocking == tall.end()) {
                rowHasRoom = true;
                return;
            }
            if (blocking->col1 >= ToEnd)
                leaveRow();
            else
                col = blocking->col1;
        }
    };
    auto component = [&](size_t item) -> const MigConstraints::Component & {
        return entries.at(g.items[item].entry).constraints;
    };

    for (size_t i = 0; i < g.items.size();) {
        const MigConstraints::Component &lead = component(i);
        for (int k = 0; k < lead.skip && steps < MaxFlowSteps; ++k) {
            toFreeCell();
            ++col;
        }
        toFreeCell();
        Cell cell;
        cell.first = int(i);
        cell.col = col;
        cell.row = row;
        cell.spanX = lead.spanX;
        cell.spanY = lead.spanY;
        bool wrap = lead.wrap;
        int wrapGap = lead.wrapGap;
        ++i;
        // The lead's wrap and span belong to the whole cell; a wrap further in ends the cell and the row.
        for (int left = lead.split - 1; left > 0 && i < g.items.size(); --left) {
            const MigConstraints::Component &next = component(i);
            ++cell.count;
            ++i;
            if (next.wrap) {
                wrap = true;
                wrapGap = next.wrapGap;
                break;
            }
        }
        if (cell.spanY > 1)
            tall.push_back({cell.col, cell.row, cell.spanX >= ToEnd ? ToEnd : cell.col + cell.spanX,
                            cell.spanY >= ToEnd ? ToEnd : cell.row + cell.spanY, g.cells.size()});
        g.cells.push_back(cell);
        // Nothing fits after a cell that spans to the end of the row.
        if (wrap || cell.spanX >= ToEnd)
            wrapRow(wrap ? wrapGap : DefaultGap);
        else
            col += cell.spanX;
    }

    int columnCount = 0;
    int rowCount = 0;
    for (const Cell &cell : g.cells) {
        columnCount = std::max(columnCount, cell.spanX >= ToEnd ? cell.col + 1 : cell.col + cell.spanX);
        rowCount = std::max(rowCount, cell.spanY >= ToEnd ? cell.row + 1 : cell.row + cell.spanY);
    }
    for (Cell &cell : g.cells) {
        cell.spanX = std::min(cell.spanX, columnCount - cell.col);
        cell.spanY = std::min(cell.spanY, rowCount - cell.row);
        int prefWidth = RelatedGap * (cell.count - 1);
        int minWidth = prefWidth;
        int prefHeight = 0;
        int minHeight = 0;
        for (int k = cell.first; k < cell.first + cell.count; ++k) {
            const Item &item = g.items[size_t(k)];
            const MigConstraints::Component &c = entries.at(item.entry).constraints;
            prefWidth += c.gapLeft + item.pref.width() + c.gapRight;
            minWidth += c.gapLeft + item.min.width() + c.gapRight;
            prefHeight = std::max(prefHeight, c.gapTop + item.pref.height() + c.gapBottom);
            minHeight = std::max(minHeight, c.gapTop + item.min.height() + c.gapBottom);
        }
        cell.pref = {prefWidth, prefHeight};
        cell.min = {minWidth, minHeight};
    }

    struct Extent
    {
        int start, span, pref, min;
    };
    sizeAxis(g.columns, columnOptions, layoutOptions.fillX, columnCount, layoutOptions.gapX, {}, g.cells,
             [](const Cell &c) {
                 return Extent{c.col, c.spanX, c.pref.width(), c.min.width()};
             });
    sizeAxis(g.rows, rowOptions, layoutOptions.fillY, rowCount, layoutOptions.gapY, rowGaps, g.cells,
             [](const Cell &c) {
                 return Extent{c.row, c.spanY, c.pref.height(), c.min.height()};
             });
}

void MigLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const std::shared_ptr<const Grid> held = grid();
    const Grid &g = *held;
    if (g.cells.empty())
        return;
    const QWidget *parent = parentWidget();
    const bool rtl = parent ? parent->layoutDirection() == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    // Everything is placed from the leading edge and mirrored at the end, except the insets,
    // which keep the sides they were given for.
    const int leadInset = rtl ? layoutOptions.insetRight : layoutOptions.insetLeft;
    const int trailInset = rtl ? layoutOptions.insetLeft : layoutOptions.insetRight;
    const std::vector<Segment> columns = solveAxis(g.columns, rect.width() - leadInset - trailInset);
    const std::vector<Segment> rows = solveAxis(g.rows,
                                                rect.height() - layoutOptions.insetTop - layoutOptions.insetBottom);
    const int originY = rect.y() + layoutOptions.insetTop;

    for (const Cell &cell : g.cells) {
        // Items taken out while this pass placed others: the pass that follows places what is left.
        if (entries.size() != g.entryCount)
            return;
        const int cellX = columns[size_t(cell.col)].start;
        const int cellWidth = columns[size_t(cell.col + cell.spanX - 1)].end - cellX;
        const int cellY = rows[size_t(cell.row)].start;
        const int cellHeight = rows[size_t(cell.row + cell.spanY - 1)].end - cellY;
        const MigConstraints::Track &column = trackOptions(columnOptions, cell.col);
        const MigConstraints::Track &row = trackOptions(rowOptions, cell.row);

        // Widths across the cell: growing items share the surplus, the group is aligned as its first item says.
        const size_t n = size_t(cell.count);
        std::vector<int> widths(n);
        std::vector<int> weights(n);
        std::vector<int> slack(n);
        int fixed = RelatedGap * (cell.count - 1);
        int sumWidth = 0;
        int sumMin = 0;
        for (size_t k = 0; k < n; ++k) {
            const Item &item = g.items[size_t(cell.first) + k];
            const MigConstraints::Component &c = entries.at(item.entry).constraints;
            fixed += c.gapLeft + c.gapRight;
            widths[k] = item.pref.width();
            weights[k] = c.growX > 0 ? c.growX : (column.fill ? 100 : 0);
            slack[k] = item.pref.width() - item.min.width();
            sumWidth += widths[k];
            sumMin += item.min.width();
        }
        const int available = cellWidth - fixed;
        if (available > sumWidth) {
            const std::vector<int> parts = distribute(available - sumWidth, weights);
            for (size_t k = 0; k < n; ++k)
                widths[k] = std::min(widths[k] + parts[k], g.items[size_t(cell.first) + k].max.width());
        } else if (available < sumWidth) {
            const std::vector<int> parts = distribute(sumWidth - std::max(available, sumMin), slack);
            for (size_t k = 0; k < n; ++k)
                widths[k] -= parts[k];
        }
        const int used = fixed + std::accumulate(widths.begin(), widths.end(), 0);
        const MigConstraints::Component &leadC = entries.at(g.items[size_t(cell.first)].entry).constraints;
        const Align alignX = leadC.alignX != Align::Default ? leadC.alignX : column.align;
        int x = cellX + alignOffset(alignX, cellWidth - used, rtl);

        for (size_t k = 0; k < n; ++k) {
            const Item &item = g.items[size_t(cell.first) + k];
            const MigConstraints::Component &c = entries.at(item.entry).constraints;
            x += c.gapLeft;
            const int width = widths[k];

            const int areaY = cellY + c.gapTop;
            const int areaHeight = cellHeight - c.gapTop - c.gapBottom;
            const bool growY = c.growY > 0 || row.fill;
            const int height = growY ? std::clamp(areaHeight, item.min.height(), item.max.height())
                                     : std::max(std::min(item.pref.height(), areaHeight), item.min.height());
            Align alignY = c.alignY != Align::Default ? c.alignY : row.align;
            if (alignY == Align::Default)
                alignY = Align::Center;
            const int y = areaY + alignOffset(alignY, areaHeight - height, false);

            const int left = rtl ? rect.x() + rect.width() - leadInset - x - width : rect.x() + leadInset + x;
            entries.at(item.entry).item->setGeometry(QRect(left, originY + y, width, height));
            x += width + c.gapRight + RelatedGap;
        }
    }
}

} // namespace quillmark::utils
