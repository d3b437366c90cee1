#pragma once
// The look the desktop asks for, and the named colours that follow it.
// Colours stand in for the usual system colours (control background,
// primary / secondary label, system red) in the light and dark appearances.

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

// `c` with its alpha multiplied by `opacity`.
QColor withOpacity(QColor c, qreal opacity);

} // namespace murvane::graphics
