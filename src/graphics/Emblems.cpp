#include "graphics/Emblems.h"

#include "graphics/CardGeometry.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace murvane::graphics {

qreal emblemCanvasSize(qreal scale)
{
    return 18 * clampScale(scale);
}

LimeWedgeGeometry limeWedgeGeometry(qreal scale)
{
    const qreal s = clampScale(scale);
    LimeWedgeGeometry g;
    const qreal side = emblemCanvasSize(s);
    g.canvas = QSizeF(side, side);
    g.centre = QPointF(0.35 * side, 0.5 * side);
    g.rindRadius = 8 * s;
    g.rindStroke = 1.3 * s;
    g.segmentRadius = 0.73 * g.rindRadius;
    g.segments = {{{-83.125, -51.875}, {-38.125, -6.875}, {6.875, 38.125}, {51.875, 83.125}}};
    return g;
}

void paintLimeWedge(QPainter& painter, QPointF origin, qreal scale, const QColor& color)
{
    const LimeWedgeGeometry g = limeWedgeGeometry(scale);
    const QPointF c = origin + g.centre;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Qt measures angles counter-clockwise with y up; ours run from +x
    // towards +y (clockwise on screen), hence the negated angles.
    const QRectF rind(c.x() - g.rindRadius, c.y() - g.rindRadius, 2 * g.rindRadius, 2 * g.rindRadius);
    QPainterPath half;
    half.moveTo(c + QPointF(0, -g.rindRadius));
    half.arcTo(rind, 90, -180);
    half.closeSubpath();
    QPen pen(color, g.rindStroke);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.strokePath(half, pen);
    const QRectF seg(c.x() - g.segmentRadius, c.y() - g.segmentRadius, 2 * g.segmentRadius, 2 * g.segmentRadius);
    for (const auto& [from, to] : g.segments) {
        QPainterPath slice;
        slice.moveTo(c);
        slice.arcTo(seg, -from, -(to - from));
        slice.closeSubpath();
        painter.fillPath(slice, color);
    }
    painter.restore();
}

std::array<QRectF, 9> toriiRects(qreal w)
{
    const qreal u = w / 18;
    return {{
        QRectF(u, u, 16 * u, 2 * u),        // top lintel
        QRectF(0, 0, 2 * u, 2 * u),         // left lintel tip
        QRectF(16 * u, 0, 2 * u, 2 * u),    // right lintel tip
        QRectF(2 * u, 5 * u, 14 * u, 1.5 * u), // tie beam
        QRectF(8 * u, 3 * u, 2 * u, 2 * u), // centre strut
        QRectF(4 * u, 3 * u, 2 * u, 13 * u), // left pillar
        QRectF(12 * u, 3 * u, 2 * u, 13 * u), // right pillar
        QRectF(3 * u, 16 * u, 3 * u, 2 * u), // left foot
        QRectF(12 * u, 16 * u, 3 * u, 2 * u), // right foot
    }};
}

void paintTorii(QPainter& painter, QPointF origin, qreal scale, const QColor& color)
{
    // One path, so touching rectangles leave no anti-aliased seams.
    QPainterPath gate;
    gate.setFillRule(Qt::WindingFill);
    for (const QRectF& r : toriiRects(emblemCanvasSize(scale)))
        gate.addRect(r.translated(origin));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(gate, color);
    painter.restore();
}

PixelLogoGeometry pixelLogoGeometry(qreal w, qreal h)
{
    const qreal t = 0.14 * w;
    PixelLogoGeometry g;
    g.outline = {QPointF(0, 0), QPointF(w, 0), QPointF(w, 0.82 * h), QPointF(0.84 * w, 0.82 * h),
                 QPointF(0.84 * w, h), QPointF(0, h)};
    g.inner = QRectF(t, t, 0.84 * w - 2 * t, 0.82 * h - 2 * t);
    g.verticalBar = QRectF(0.22 * w, 0.26 * h, t, 0.28 * h);
    g.horizontalBar = QRectF(0.46 * w, 0.67 * h, 0.26 * w, t);
    return g;
}

void paintPixelLogo(QPainter& painter, QPointF origin, qreal scale, const QColor& strokeColor)
{
    const qreal side = emblemCanvasSize(scale);
    const PixelLogoGeometry g = pixelLogoGeometry(side, side);
    QPainterPath frame;
    frame.setFillRule(Qt::OddEvenFill);
    frame.addPolygon(QPolygonF(QList<QPointF>(g.outline.begin(), g.outline.end())));
    frame.closeSubpath();
    frame.addRect(g.inner);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.fillPath(frame, strokeColor);
    painter.fillRect(g.verticalBar, strokeColor);
    painter.fillRect(g.horizontalBar, strokeColor);
    painter.restore();
}

PixelPatternGrid pixelPatternGrid(qreal w, qreal h, qreal cell)
{
    PixelPatternGrid g;
    const qreal c = cell > 0 && std::isfinite(cell) ? cell : 2.5;
    g.cell = c;
    g.firstX = -c;
    g.firstY = -c;
    // Origins -c, c, 3c, ... up to and including w + c (a small tolerance
    // keeps exact multiples from being lost to rounding).
    g.columns = int(std::floor((w + 2 * c) / (2 * c) + 1e-9)) + 1;
    g.rows = int(std::floor((h + 2 * c) / (2 * c) + 1e-9)) + 1;
    g.lastX = -c + (g.columns - 1) * 2 * c;
    g.lastY = -c + (g.rows - 1) * 2 * c;
    return g;
}

QColor pixelPatternLight() { return QColor::fromRgbF(0.55f, 0.75f, 0.15f, 0.45f); }
QColor pixelPatternBright() { return QColor::fromRgbF(0.72f, 0.88f, 0.22f, 0.65f); }

void paintPixelPattern(QPainter& painter, const QRectF& canvas, qreal cell)
{
    const PixelPatternGrid g = pixelPatternGrid(canvas.width(), canvas.height(), cell);
    if (g.columns > 4000 || g.rows > 4000)
        return; // a degenerate cell size would only burn time
    const qreal c = g.cell;
    // Cells share edges exactly; anti-aliasing would draw faint seams.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath light, bright;
    for (int row = 0; row < g.rows; ++row) {
        const qreal y = canvas.top() + g.firstY + row * 2 * c;
        for (int col = 0; col < g.columns; ++col) {
            const qreal x = canvas.left() + g.firstX + col * 2 * c;
            light.addRect(QRectF(x, y, c, c));
            bright.addRect(QRectF(x + c, y + c, c, c));
        }
    }
    painter.fillPath(light, pixelPatternLight());
    painter.fillPath(bright, pixelPatternBright());
    painter.restore();
}

} // namespace murvane::graphics
