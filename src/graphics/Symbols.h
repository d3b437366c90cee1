#pragma once
// Our own vector symbol set, looked up by the names the program uses
// ("suit.spade.fill", "arrow.uturn.backward", ...). Every symbol is a single
// filled outline in a square design box, so it tints to any colour and stays
// crisp at any size and device pixel ratio. Unknown names draw nothing.
// Outlines are cached per name: call from the GUI thread.

#include <QColor>
#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace murvane::graphics {

bool hasSymbol(const QString& name);
QStringList symbolNames();

// The symbol's outline fitted into `box` (aspect kept, centred). Empty for
// an unknown name.
QPainterPath symbolPath(const QString& name, const QRectF& box);

// Fills the symbol in `tint`. A `halo` colour with alpha > 0 first strokes a
// thin rim around it, so the symbol reads on both light and dark panels.
void paintSymbol(QPainter& painter, const QString& name, const QRectF& box, const QColor& tint,
                 const QColor& halo = Qt::transparent);

// A transparent pixmap of logicalSize x logicalSize at the given ratio.
QPixmap symbolPixmap(const QString& name, const QColor& tint, int logicalSize, qreal devicePixelRatio = 1,
                     const QColor& halo = Qt::transparent);
// An icon with pixmaps at 1x and 2x of `logicalSize`.
QIcon symbolIcon(const QString& name, const QColor& tint, int logicalSize = 16,
                 const QColor& halo = Qt::transparent);

} // namespace murvane::graphics
