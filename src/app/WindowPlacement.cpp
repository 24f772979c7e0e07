#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace quillmark::hrl {

namespace {

// Length of the overlap of [start, start + length) with [areaStart, areaStart + areaLength),
// in 64 bits: stored positions can be anywhere in int's range.
qint64 overlap(qint64 start, qint64 length, qint64 areaStart, qint64 areaLength)
{
    const qint64 from = std::max(start, areaStart);
    const qint64 to = std::min(start + length, areaStart + areaLength);
    return std::max<qint64>(0, to - from);
}

} // namespace

bool WindowPlacement::isReachable(const QPoint &position, const QSize &size, const QList<QRect> &areas)
{
    const qint64 width = std::max(1, size.width());
    const qint64 height = std::max(1, size.height());
    const qint64 neededX = std::min<qint64>(MIN_VISIBLE, width);
    const qint64 neededY = std::min<qint64>(MIN_VISIBLE, height);
    return std::any_of(areas.cbegin(), areas.cend(), [&](const QRect &area) {
        return overlap(position.x(), width, area.x(), area.width()) >= neededX
               && overlap(position.y(), height, area.y(), area.height()) >= neededY;
    });
}

bool WindowPlacement::liesWithin(const QPoint &position, const QSize &size, const QList<QRect> &areas)
{
    const qint64 width = std::max(1, size.width());
    const qint64 height = std::max(1, size.height());
    return std::any_of(areas.cbegin(), areas.cend(), [&](const QRect &area) {
        return overlap(position.x(), width, area.x(), area.width()) == width
               && overlap(position.y(), height, area.y(), area.height()) == height;
    });
}

QPoint WindowPlacement::fallback(const QRect &primaryScreen)
{
    return primaryScreen.topLeft() + DEFAULT_POSITION;
}

namespace {

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        areas << screen->availableGeometry();
    return areas;
}

} // namespace

bool WindowPlacement::isReachableNow(const QPoint &position, const QSize &size)
{
    return isReachable(position, size, availableAreas());
}

bool WindowPlacement::liesWithinNow(const QPoint &position, const QSize &size)
{
    return liesWithin(position, size, availableAreas());
}

QPoint WindowPlacement::fallbackNow()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return fallback(primary ? primary->geometry() : QRect());
}

} // namespace quillmark::hrl
