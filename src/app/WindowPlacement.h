#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillmark::hrl {

// Where the main window may stand. A position from the store can come from a monitor that is
// gone or from another machine; a window put there would be out of reach of its user.
class WindowPlacement final
{
public:
    WindowPlacement() = delete;

    // Pixels each way of the window that must lie on one screen's available area.
    static constexpr int MIN_VISIBLE = 32;
    // Where the window stands when no position is stored; measured from the primary screen's
    // corner, also where it stands in for a position that is not reachable.
    static constexpr QPoint DEFAULT_POSITION{50, 50};

    // Whether at least MIN_VISIBLE x MIN_VISIBLE pixels of a window of this size at this position
    // (all of a smaller window) lie on one of the areas. Any int position is safe.
    static bool isReachable(const QPoint &position, const QSize &size, const QList<QRect> &areas);
    // Whether all of a window of this size at this position lies on one of the areas.
    static bool liesWithin(const QPoint &position, const QSize &size, const QList<QRect> &areas);
    // The position that stands in for one that is not reachable: DEFAULT_POSITION of the primary screen.
    static QPoint fallback(const QRect &primaryScreen);

    // The same, asked of the screens the application has now.
    static bool isReachableNow(const QPoint &position, const QSize &size);
    static bool liesWithinNow(const QPoint &position, const QSize &size);
    static QPoint fallbackNow();
};

} // namespace quillmark::hrl
