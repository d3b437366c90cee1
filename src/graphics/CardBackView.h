#pragma once
// A face-down card of one of the 27 themes. Painting goes through the render
// cache, keyed by theme, scale, device pixel ratio and appearance: a back is
// rendered once and then only blitted, however many face-down cards show it.

#include "cards/Settings.h"
#include "graphics/Appearance.h"
#include "graphics/CardBackStyle.h"
#include "graphics/CardGeometry.h"

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace murvane::graphics {

struct CardBackView {
    Appearance appearance;
    CardBackTheme theme = CardBackTheme::onyx;
    qreal scale = 1;
    QColor deepPurple = defaultDeepPurple();

    static QSizeF size(qreal scale) { return backMetrics(scale).size; }
    QSizeF size() const { return size(scale); }

    // Blits the cached back (shadow included) with its frame at `topLeft`.
    void paint(QPainter& painter, QPointF topLeft) const;
    // The same, leaving out `covered`, the part a card painted later hides.
    void paint(QPainter& painter, QPointF topLeft, const QRectF& covered) const;
    void paint(QPainter& painter, const QRectF& frame) const; // centred
    // Draws the back from scratch, without shadow or cache: the flattened
    // layer itself. Used to fill the cache and by the tools.
    void paintUncached(QPainter& painter, QPointF topLeft) const;

    // "Card Back, Theme: Blueprint"
    QString accessibilityLabel() const;
};

// The flattened back with its shadow, from the render cache; the pixmap's
// logical origin is the frame's top-left minus shadowMargin(scale).
QPixmap backPixmap(const CardBackView& view, qreal devicePixelRatio);
// The flattened back alone, without a shadow (for a picker that draws its
// own), from the render cache; the pixmap's origin is the frame's top-left.
QPixmap bareBackPixmap(const CardBackView& view, qreal devicePixelRatio);

} // namespace murvane::graphics
