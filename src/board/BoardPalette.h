#pragma once
// Colours of the board's own chrome (background, glass, accent), following
// the desktop's dark and increased-contrast settings. Card colours belong to
// the graphics library.

#include "graphics/Appearance.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace murvane::board {

QColor boardBackground(const graphics::Appearance& a);
QColor accentColor(const graphics::Appearance& a);
QColor primaryText(const graphics::Appearance& a);
QColor secondaryText(const graphics::Appearance& a);

// A translucent rounded fill with a hairline edge: our stand-in for glass.
void paintGlass(QPainter& painter, const QRectF& rect, qreal radius, const graphics::Appearance& a,
                bool prominent = false);
// The soft drop shadow under floating cards (overlay, dialog).
void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal radius, qreal blur, QPointF offset,
                     qreal opacity);

} // namespace murvane::board
