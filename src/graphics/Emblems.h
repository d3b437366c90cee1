#pragma once
// The small geometric emblems of the citrus, whiteTorii and pixelLogo backs
// and the dithered pattern of pixelRetro. Geometry is exposed as plain
// values; the paint functions draw exactly that geometry.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <array>

class QPainter;

namespace murvane::graphics {

// Emblem canvases are 18 x scale squares.
qreal emblemCanvasSize(qreal scale);

struct LimeWedgeGeometry {
    QSizeF canvas;
    QPointF centre;          // (0.35 w, 0.5 h)
    qreal rindRadius = 8;    // x scale
    qreal rindStroke = 1.3;  // x scale
    qreal segmentRadius = 5.84; // 0.73 x rind radius
    // Start and end angles in degrees, from +x towards +y (y down).
    std::array<std::pair<qreal, qreal>, 4> segments{};
};
LimeWedgeGeometry limeWedgeGeometry(qreal scale);
// Paints into the canvas whose top-left is `origin`.
void paintLimeWedge(QPainter& painter, QPointF origin, qreal scale, const QColor& color = Qt::white);

// Nine rectangles of the gate for a canvas of width w (unit w / 18).
std::array<QRectF, 9> toriiRects(qreal canvasWidth);
void paintTorii(QPainter& painter, QPointF origin, qreal scale, const QColor& color = Qt::white);

struct PixelLogoGeometry {
    std::array<QPointF, 6> outline{};
    QRectF inner;
    QRectF verticalBar;
    QRectF horizontalBar;
};
PixelLogoGeometry pixelLogoGeometry(qreal canvasWidth, qreal canvasHeight);
void paintPixelLogo(QPainter& painter, QPointF origin, qreal scale, const QColor& strokeColor);

// Pattern of pixelRetro: blocks of 2c start one cell outside the canvas on
// every side and run to h + c / w + c inclusive.
struct PixelPatternGrid {
    qreal cell = 2.5;
    qreal firstX = -2.5, firstY = -2.5;
    qreal lastX = 0, lastY = 0; // last block origins
    int columns = 0, rows = 0;  // number of blocks
};
PixelPatternGrid pixelPatternGrid(qreal canvasWidth, qreal canvasHeight, qreal cell);
QColor pixelPatternLight();  // (0.55, 0.75, 0.15) at 45 %
QColor pixelPatternBright(); // (0.72, 0.88, 0.22) at 65 %
// Paints the pattern over `canvas` (the caller clips).
void paintPixelPattern(QPainter& painter, const QRectF& canvas, qreal cell);

} // namespace murvane::graphics
