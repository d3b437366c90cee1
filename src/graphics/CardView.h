#pragma once
// A face-up card: body with shadow, border, corner index and centre pip.
// Stateless: fill the fields, then paint into any QPainter (widget, pixmap,
// image). The frame is 44 x 64 x scale; the shadow spills a little outside.
// Painting uses process-wide caches: call it on the GUI thread only.

#include "cards/Card.h"
#include "graphics/Appearance.h"
#include "graphics/CardGeometry.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace murvane::graphics {

struct CardView {
    Appearance appearance;
    Card card;
    qreal scale = 1;
    bool showsCornerSuit = false;
    SuitColours suitColours = SuitColours::two;

    static QSizeF size(qreal scale) { return cardMetrics(scale).size; }
    QSizeF size() const { return size(scale); }

    // Paints the face with its top-left frame corner at `topLeft`. Uses the
    // face pixmap cache when `cached` (the usual case on the board).
    void paint(QPainter& painter, QPointF topLeft, bool cached = true) const;
    // Cached, leaving out what a card painted later hides: `covered` is the
    // part (painter coordinates) an opaque body will be painted over.
    void paint(QPainter& painter, QPointF topLeft, const QRectF& covered) const;
    // Paints centred in `frame` (the frame need not be card-sized).
    void paint(QPainter& painter, const QRectF& frame, bool cached = true) const;
    // Renders the face into the cache that the cached paints draw from, for
    // a screen of this device pixel ratio, ahead of its first paint.
    void prepare(qreal devicePixelRatio) const;

    // "Queen of Hearts"; "Face down card" when the card is face down.
    QString accessibilityLabel() const { return card.accessibilityName(); }
};

// The suit symbol drawn on cards: "♠", "♥", "♦", "♣".
QString suitSymbol(Suit suit);

} // namespace murvane::graphics
