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

QPoint panelPosition(QSize panel, const std::optional<QRect>& iconGeometry, QPoint pointer, const QRect& screen)
{
    const bool haveIcon = iconGeometry && iconGeometry->isValid() && !iconGeometry->isEmpty();
    // The anchor's top and bottom edges (the pointer is a zero-height anchor).
    const QRect anchor = haveIcon ? *iconGeometry : QRect(pointer, QSize(1, 1));
    const int centreX = anchor.left() + anchor.width() / 2;

    int x = centreX - panel.width() / 2;
    int y = anchor.bottom() + 1 + kPanelGap;
    if (!screen.isEmpty()) {
        const int screenBottom = screen.top() + screen.height();
        const int above = anchor.top() - kPanelGap - panel.height();
        // Below when it fits; above when only that fits (a bottom panel).
        if (y + panel.height() > screenBottom && above >= screen.top())
            y = above;
        x = clampSpan(x, panel.width(), screen.left(), screen.left() + screen.width());
        y = clampSpan(y, panel.height(), screen.top(), screenBottom);
    }
    return {x, y};
}

} // namespace murvane::app
