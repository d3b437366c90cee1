#pragma once
// The illustrated backs (ocean, desert, midnight, lavender, cherryInk,
// blueprint, copper, neon), drawn on a 140 x 196 design canvas that is scaled
// by canvas height / 196 and centred horizontally, top aligned.

#include "cards/Settings.h"

#include <QRectF>
#include <QTransform>

class QPainter;

namespace murvane::graphics {

inline constexpr qreal kDeckArtWidth = 140;
inline constexpr qreal kDeckArtHeight = 196;

struct DeckArt {
    CardBackTheme theme = CardBackTheme::ocean;

    static bool isIllustrated(CardBackTheme theme);
    // Design space to canvas.
    static QTransform designTransform(const QRectF& canvas);
    // Draws nothing for themes that are not illustrated.
    void paint(QPainter& painter, const QRectF& canvas) const;
};

} // namespace murvane::graphics
