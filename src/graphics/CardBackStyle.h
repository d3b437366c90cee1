#pragma once
// How each card-back theme is drawn: its art family and colours.

#include "cards/Settings.h"

#include <QColor>
#include <QString>

#include <optional>

namespace murvane::graphics {

enum class ArtFamily { gradient, solidGradient, gradientWithSymbol, emblem, illustrated, pixelPattern, emblemOnGradient };
ArtFamily artFamily(CardBackTheme theme);

struct GradientStyle {
    QColor top;
    QColor bottom;
    QString symbol;          // empty when the theme has none
    qreal symbolOpacity = 0;
};
// Themes 0 ... 14 (onyx ... winter); nothing for the others.
std::optional<GradientStyle> gradientStyle(CardBackTheme theme);

// Solid themes derive both ends from one base: 12 % towards white on top,
// 30 % towards black at the bottom.
QColor solidGradientTop(const QColor& base);
QColor solidGradientBottom(const QColor& base);

// The dark parts of a back, as the board passes them.
QColor defaultDeepPurple();

} // namespace murvane::graphics
