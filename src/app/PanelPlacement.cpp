#include "PanelPlacement.h"

#include <algorithm>
#include <limits>

namespace murvane::app {

namespace {

qint64 distanceSquared(const QRect& rect, QPoint p)
{
    const qint64 dx = p.x() < rect.left() ? rect.left() - p.x() : (p.x() > rect.right() ? p.x() - rect.right() : 0);
    const qint64 dy = p.y() < rect.top() ? rect.top() - p.y() : (p.y() > rect.bottom() ? p.y() - rect.bottom() : 0);
    return dx * dx + dy * dy;
}

// Clamps one coordinate so [pos, pos + length) lies in [low, high); a span
// longer than the room starts at `low`.
int clampSpan(int pos, int length, int low, int high)
{
    if (length >= high - low)
        return low;
    return std::clamp(pos, low, high - length);
}

} // namespace

QRect screenFor(const QList<QRect>& screens, QPoint anchor)
{
    QRect best;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        if (screen.isEmpty())
            continue;
        const qint64 d = distanceSquared(screen, anchor);
        if (d < bestDistance) {
            bestDistance = d;
            best = screen;
        }
    }
    return best;
}

QRect placementArea(const QList<ScreenRects>& screens, QPoint anchor)
{
    QList<QRect> geometries;
    for (const ScreenRects& screen : screens)
        geometries.append(screen.geometry);
    const QRect geometry = screenFor(geometries, anchor);
    for (const ScreenRects& screen : screens)
        if (screen.geometry == geometry && !geometry.isEmpty()) {
            const QRect usable = screen.available.intersected(geometry);
            return usable.isEmpty() ? geometry : usable;
        }
    return geometry;
}

QPoint panelPosition(QSize panel, const std::optional<QRect>& iconGeometry, QPoint pointer, const QRect& area)
{
    const bool haveIcon = iconGeometry && iconGeometry->isValid() && !iconGeometry->isEmpty();
    // The anchor's top and bottom edges (the pointer is a zero-height anchor).
    const QRect anchor = haveIcon ? *iconGeometry : QRect(pointer, QSize(1, 1));
    const int centreX = anchor.left() + anchor.width() / 2;

    int x = centreX - panel.width() / 2;
    int y = anchor.bottom() + 1 + kPanelGap;
    if (!area.isEmpty()) {
        const int areaBottom = area.top() + area.height();
        const int above = anchor.top() - kPanelGap - panel.height();
        // Below when it fits; above when only that fits (a bottom taskbar).
        if (y + panel.height() > areaBottom && above >= area.top())
            y = above;
        x = clampSpan(x, panel.width(), area.left(), area.left() + area.width());
        y = clampSpan(y, panel.height(), area.top(), areaBottom);
    }
    return {x, y};
}

} // namespace murvane::app
