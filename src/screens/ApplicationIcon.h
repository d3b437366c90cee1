#pragma once
// The application's icon, drawn rather than shipped as an image: a green
// felt tile with two fanned cards, the front one showing a spade. About
// shows it; the tray fallback window and the welcome window can share it.

#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace murvane::screens {

// Draws the icon into `box` (a square is best; the art keeps its aspect).
void paintApplicationIcon(QPainter& painter, const QRectF& box);
// A transparent pixmap of logicalSize x logicalSize at the given ratio.
QPixmap applicationIconPixmap(int logicalSize, qreal devicePixelRatio = 1);
// The icon at the usual sizes, for window icons.
QIcon applicationIcon();

} // namespace murvane::screens
