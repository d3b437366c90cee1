#pragma once
// Internal helpers shared by the graphics painters.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QPixmap>
#include <QString>

#include <functional>

class QPainter;

namespace murvane::graphics::detail {

// A rounded rectangle whose corners ease into the straight edges (no sudden
// change of curvature where the arc meets the side).
QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius);

enum class TextStyle {
    rankBlack,   // heavy rounded face of the corner rank
    suitBold,    // corner suit
    regular,     // centre pip
    labelBold,   // slot label
};

// A text laid out as a filled outline at a given pixel size. Outlines are
// built once per text and style at a reference size and scaled, so lengths
// are exact at any fractional size and independent of the paint device.
struct TextRun {
    QPainterPath path; // baseline at y = 0, starts at x = 0
    qreal advance = 0;
    qreal ascent = 0;
    qreal descent = 0;
    qreal height() const { return ascent + descent; }
};
TextRun textRun(const QString& text, TextStyle style, qreal pixelSize);

// A black rounded-rect shadow, blurred with standard deviation blur / 2,
// already at the device pixel ratio; its logical origin is the rect's
// top-left minus `margin`.
QImage shadowImage(const QSizeF& size, qreal radius, qreal blur, qreal opacity, qreal margin, qreal dpr);

// The shadow every card and back casts at a scale and ratio (black 22 %,
// blur 2 x scale), cached: it is the same for all of them.
QImage cardShadow(qreal scale, qreal dpr);

// A transparent layer of `logical` size at the ratio `dpr`, painted by
// `paint` in logical coordinates.
QPixmap layer(QSizeF logical, qreal dpr, const std::function<void(QPainter&)>& paint);

// A transparent card-sized layer with room for the card's shadow on every
// side (shadowMargin(scale)), at the ratio `dpr`; `paint` draws into it with
// the card frame's top-left at the point it is given.
QPixmap cardLayer(qreal scale, qreal dpr, const std::function<void(QPainter&, QPointF)>& paint);

// Draws a cached layer with its logical top-left at `topLeft`, moved by less
// than a device pixel onto the pixel grid when the painter only translates
// and scales: an aligned one-to-one blit takes the raster engine's fast copy,
// a fractional one resamples every pixel (about twenty times the cost).
void drawLayer(QPainter& painter, QPointF topLeft, const QPixmap& layer);

// The same, leaving out the whole device pixels inside `covered` (painter
// coordinates): a part that something opaque painted later hides anyway.
void drawLayer(QPainter& painter, QPointF topLeft, const QPixmap& layer, const QRectF& covered);

// How many device pixels a logical pixel of the painter covers.
qreal painterDevicePixelRatio(const QPainter& painter);

} // namespace murvane::graphics::detail
