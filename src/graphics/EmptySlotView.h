#pragma once
// The marker of an empty pile: a faint rounded slot, an outline inside its
// edge and a short centred label ("A", "↺", "✕" or nothing).

#include "graphics/Appearance.h"
#include "graphics/CardGeometry.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace murvane::graphics {

struct EmptySlotView {
    Appearance appearance;
    QString label;
    qreal scale = 1;
    QString accessibilityDescription; // supplied by the board

    static QSizeF size(qreal scale) { return slotMetrics(scale).size; }
    QSizeF size() const { return size(scale); }

    void paint(QPainter& painter, QPointF topLeft) const;
    void paint(QPainter& painter, const QRectF& frame) const; // centred in frame

    QString accessibilityLabel() const { return accessibilityDescription; }
};

} // namespace murvane::graphics
