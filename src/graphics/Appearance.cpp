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

namespace {

// The four-colour blue and green as the light look shows them. The green
// leans to teal and is lighter than the red, the blue leans to violet, so
// red and green, and blue and green, stay apart for colour-blind eyes too.
const QColor kFourColourBlue(82, 56, 192);
const QColor kFourColourGreen(24, 135, 110);
// Blue and green in the dark look: this far towards white, so they read on
// the dark body.
constexpr qreal kDarkTint = 0.3;
// With increased contrast: this far towards the primary colour, which lifts
// every ink past 4.5:1 while keeping the suits apart.
constexpr qreal kContrastDepth = 0.05;

QColor towards(const QColor& from, const QColor& to, qreal amount)
{
    const auto mix = [amount](float a, float b) { return a + (b - a) * float(amount); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

} // namespace

QColor suitColor(Suit suit, const Appearance& a, SuitColours colours)
{
    if (colours == SuitColours::two)
        return suitColor(isRed(suit), a);
    QColor ink;
    switch (suit) {
    case Suit::spades: return primaryColor(a);
    case Suit::hearts: ink = redSuitColor(a); break;
    case Suit::diamonds: ink = a.dark ? towards(kFourColourBlue, Qt::white, kDarkTint) : kFourColourBlue; break;
    case Suit::clubs: ink = a.dark ? towards(kFourColourGreen, Qt::white, kDarkTint) : kFourColourGreen; break;
    }
    return a.increasedContrast ? towards(ink, primaryColor(a), kContrastDepth) : ink;
}

QColor withOpacity(QColor c, qreal opacity)
{
    c.setAlphaF(float(c.alphaF() * opacity));
    return c;
}

} // namespace murvane::graphics
