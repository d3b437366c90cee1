#pragma once
// The look the desktop asks for, and the named colours that follow it.
// Colours stand in for the usual system colours (control background,
// primary / secondary label, system red) in the light and dark appearances.

#include "cards/Card.h"

#include <QColor>

namespace murvane::graphics {

struct Appearance {
    bool dark = false;
    bool increasedContrast = false;
    friend bool operator==(const Appearance&, const Appearance&) = default;
};

// Card body and slot fill base: white in light, dark grey in dark.
QColor controlBackgroundColor(const Appearance& a);
// Black in light, white in dark.
QColor primaryColor(const Appearance& a);
// Secondary label colour (already translucent, like the system one).
QColor secondaryLabelColor(const Appearance& a);
// Red suits: (0.8, 0.07, 0.07) in light, the system red in dark.
QColor redSuitColor(const Appearance& a);
// The suit colour of a card: red suits as above, black suits primary.
QColor suitColor(bool isRedSuit, const Appearance& a);

// How card faces tell the suits apart: the classic red and black, or a
// colour of its own for each suit.
enum class SuitColours : quint8 { two, four };
// The ink of a face's rank, corner suit and pip. With four colours: spades
// primary, hearts red, diamonds blue, clubs green; the dark look tints the
// blue and green towards white, and the increased-contrast looks deepen
// every coloured ink towards the primary colour. Every ink stays at least
// 3:1 against the card body (4.5:1 with increased contrast), and every pair
// stays apart under the common colour-vision deficiencies.
QColor suitColor(Suit suit, const Appearance& a, SuitColours colours);

// `c` with its alpha multiplied by `opacity`.
QColor withOpacity(QColor c, qreal opacity);

} // namespace murvane::graphics
