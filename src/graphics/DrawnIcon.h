#pragma once
// An icon drawn at the size it is asked for, when it is asked for, instead of
// every size up front: icons go up at launch, and drawing them all then would
// hold the launch back and keep images nobody may ever look at.

#include <QIcon>
#include <QList>
#include <QPixmap>

#include <functional>

namespace murvane::graphics {

// Up to this side an image is kept once drawn; larger ones are drawn again
// on each request, so nothing large stays in memory.
inline constexpr int kLargestKeptIconSide = 64;

// An icon offering the square `sizes` (pixels) that `draw` paints, as a
// side x side pixmap, when asked; `key` names the picture
// (QIconEngine::key).
QIcon drawnIcon(const QString& key, const QList<int>& sizes, std::function<QPixmap(int side)> draw);

} // namespace murvane::graphics
