#pragma once
// The application's icon: two playing cards fanned on a rounded green tile.
// It is drawn here and nowhere else, so the About screen, the welcome window,
// the window icon and the icons installed into the desktop's icon theme (which
// the build renders with this code) are always the same picture.

#include <QIcon>
#include <QImage>
#include <QRectF>

class QPainter;

namespace murvane::graphics {

// Paints the icon into `box` (fitted as a square, centred). Plain vector
// painting, so any paint device works, an SVG generator included.
void paintAppIcon(QPainter& painter, const QRectF& box);

// The icon as a transparent image of logicalSize x logicalSize at the given
// device pixel ratio. Needs no QGuiApplication.
QImage appIcon(int logicalSize, qreal devicePixelRatio = 1);

// The window icon at the sizes desktops ask for, each drawn when first asked
// for. Needs a QGuiApplication.
QIcon appIconSet();

} // namespace murvane::graphics
