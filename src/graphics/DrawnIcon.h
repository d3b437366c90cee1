#pragma once
// An icon drawn at the size it is asked for, when it is asked for, instead of
// every size up front: icons go up at launch, and drawing them all then would
// hold the launch back and keep images nobody may ever look at.

#include <QIcon>
#include <QList>
#include <QPixmap>

#include <functional>

namespace murvane::graphics {

struct DrawnIconOptions {
    QString key;                       // names the picture (QIconEngine::key)
    QList<int> sizes;                  // square sizes offered, in pixels
    // Images up to this side are kept once drawn; larger ones are drawn
    // again on each request, so nothing large stays in memory.
    int largestKept = 0;
};

// `draw` returns the picture as a side x side pixmap.
QIcon drawnIcon(const DrawnIconOptions& options, std::function<QPixmap(int side)> draw);

} // namespace murvane::graphics
