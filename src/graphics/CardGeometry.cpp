#include "graphics/CardGeometry.h"

#include <algorithm>
#include <cmath>

namespace murvane::graphics {

qreal clampScale(qreal scale)
{
    if (!std::isfinite(scale) || scale <= 0)
        return 1;
    return std::clamp(scale, kMinScale, kMaxScale);
}

qreal clampDevicePixelRatio(qreal dpr)
{
    if (!std::isfinite(dpr) || dpr <= 0)
        return 1;
    return std::clamp(dpr, kMinDevicePixelRatio, kMaxDevicePixelRatio);
}

CardMetrics cardMetrics(qreal scale, bool showsCornerSuit)
{
    const qreal s = clampScale(scale);
    CardMetrics m;
    m.scale = s;
    m.size = QSizeF(kCardWidth * s, kCardHeight * s);
    m.cornerRadius = 5 * s;
    m.shadowBlur = 2 * s;
    m.cornerPadding = 4 * s;
    m.cornerSpacing = 2 * s;
    m.rankFontSize = (showsCornerSuit ? 11 : 12) * s;
    m.cornerSuitFontSize = 10 * s;
    m.pipFontSize = 26 * s;
    return m;
}

SlotMetrics slotMetrics(qreal scale)
{
    const qreal s = clampScale(scale);
    SlotMetrics m;
    m.size = QSizeF(kCardWidth * s, kCardHeight * s);
    m.cornerRadius = 5 * s;
    m.labelFontSize = 10 * s;
    return m;
}

BackMetrics backMetrics(qreal scale)
{
    const qreal s = clampScale(scale);
    BackMetrics m;
    m.size = QSizeF(kCardWidth * s, kCardHeight * s);
    m.cornerRadius = 5 * s;
    const qreal inset = 1.5 * s;
    m.artRect = QRectF(QPointF(0, 0), m.size).adjusted(inset, inset, -inset, -inset);
    m.artClipRadius = 5 * s - 0.75 * s;
    m.innerFrameRect = m.artRect.adjusted(3 * s, 3 * s, -3 * s, -3 * s);
    m.innerFrameRadius = 3 * s;
    m.symbolSize = 18 * s;
    m.emblemSize = 18 * s;
    m.pixelCell = 2.5 * s;
    return m;
}

QRectF opaqueCardBody(const QRectF& frame, qreal scale)
{
    // Smooth corners reach 1.2 radii along each edge.
    const qreal corner = 1.2 * 5 * clampScale(scale) + 1;
    return frame.adjusted(1, corner, -1, -corner);
}

qreal shadowMargin(qreal scale)
{
    // Three standard deviations of the blur (sigma = blur / 2) plus the
    // 1-point downward offset, rounded up to whole points.
    return std::ceil(3 * clampScale(scale)) + 2;
}

} // namespace murvane::graphics
