#pragma once
// Lengths of the card face, back and empty slot at a given board scale, in
// logical pixels. One source for painting and for the tests that check it.

#include <QRectF>
#include <QSizeF>

namespace murvane::graphics {

inline constexpr qreal kCardWidth = 44;
inline constexpr qreal kCardHeight = 64;
inline constexpr qreal kMinScale = 0.5;
inline constexpr qreal kMaxScale = 4.0;
inline constexpr qreal kMinDevicePixelRatio = 0.5;
inline constexpr qreal kMaxDevicePixelRatio = 8.0;

// Scales outside 0.5 ... 4 (and NaN, infinities, zero) are brought back into
// range so a bad value never produces an empty or enormous card.
qreal clampScale(qreal scale);
qreal clampDevicePixelRatio(qreal dpr);

struct CardMetrics {
    qreal scale = 1;
    QSizeF size;            // 44 x 64 x scale
    qreal cornerRadius = 5; // x scale, smooth corners
    qreal borderWidth = 1;  // not scaled
    qreal shadowBlur = 2;   // x scale
    qreal shadowOffsetY = 1; // not scaled
    qreal shadowOpacity = 0.22;
    qreal cornerPadding = 4;   // x scale, top and leading
    qreal cornerSpacing = 2;   // x scale, between rank and suit
    qreal rankFontSize = 12;   // x scale; 11 x scale with the corner suit
    qreal cornerSuitFontSize = 10; // x scale
    qreal pipFontSize = 26;    // x scale
};
CardMetrics cardMetrics(qreal scale, bool showsCornerSuit = false);

struct SlotMetrics {
    QSizeF size;
    qreal cornerRadius = 5;   // x scale
    qreal outlineWidth = 1.5; // not scaled, drawn inside the edge
    qreal fillOpacity = 0.04;
    qreal labelFontSize = 10; // x scale
};
SlotMetrics slotMetrics(qreal scale);

struct BackMetrics {
    QSizeF size;
    qreal cornerRadius = 5;  // body, x scale
    QRectF artRect;          // body inset 1.5 x scale
    qreal artClipRadius = 4.25; // 5 x scale - 0.75 x scale
    QRectF innerFrameRect;   // art rect inset 3 x scale
    qreal innerFrameRadius = 3; // x scale
    qreal innerFrameWidth = 1;  // not scaled
    qreal edgeWidth = 1;        // not scaled
    qreal symbolSize = 18;      // x scale, seasonal symbols
    qreal emblemSize = 18;      // x scale
    qreal pixelCell = 2.5;      // x scale
};
BackMetrics backMetrics(qreal scale);

// The part of a card at `frame` that its opaque body covers completely: the
// frame less its rounded corners' reach and a pixel for antialiasing. What
// lies beneath it never shows.
QRectF opaqueCardBody(const QRectF& frame, qreal scale);

// Room around a card's frame that its shadow may cover, in logical pixels.
qreal shadowMargin(qreal scale);

} // namespace murvane::graphics
