#include "graphics/Appearance.h"

namespace murvane::graphics {

QColor controlBackgroundColor(const Appearance& a)
{
    return a.dark ? QColor::fromRgbF(0.118f, 0.118f, 0.118f) : QColor(Qt::white);
}

QColor primaryColor(const Appearance& a)
{
    return a.dark ? QColor(Qt::white) : QColor(Qt::black);
}

QColor secondaryLabelColor(const Appearance& a)
{
    // The system's secondary label is the primary colour, made translucent.
    return a.dark ? QColor::fromRgbF(1, 1, 1, 0.55f) : QColor::fromRgbF(0, 0, 0, 0.5f);
}

QColor redSuitColor(const Appearance& a)
{
    return a.dark ? QColor::fromRgbF(1.0f, 0.271f, 0.227f) : QColor::fromRgbF(0.8f, 0.07f, 0.07f);
}

QColor suitColor(bool isRedSuit, const Appearance& a)
{
    return isRedSuit ? redSuitColor(a) : primaryColor(a);
}

QColor withOpacity(QColor c, qreal opacity)
{
    c.setAlphaF(float(c.alphaF() * opacity));
    return c;
}

} // namespace murvane::graphics
