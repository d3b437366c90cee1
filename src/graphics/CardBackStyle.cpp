#include "graphics/CardBackStyle.h"

namespace murvane::graphics {

ArtFamily artFamily(CardBackTheme theme)
{
    switch (theme) {
    case CardBackTheme::onyx:
    case CardBackTheme::classic:
        return ArtFamily::gradient;
    case CardBackTheme::solidSlate:
    case CardBackTheme::solidCranberry:
    case CardBackTheme::solidTerracotta:
    case CardBackTheme::solidAmber:
    case CardBackTheme::solidSand:
    case CardBackTheme::solidLeaf:
    case CardBackTheme::solidCerulean:
    case CardBackTheme::solidTwilight:
    case CardBackTheme::solidMauve:
        return ArtFamily::solidGradient;
    case CardBackTheme::spring:
    case CardBackTheme::summer:
    case CardBackTheme::autumn:
    case CardBackTheme::winter:
        return ArtFamily::gradientWithSymbol;
    case CardBackTheme::citrus:
    case CardBackTheme::whiteTorii:
        return ArtFamily::emblem;
    case CardBackTheme::pixelRetro:
        return ArtFamily::pixelPattern;
    case CardBackTheme::pixelLogo:
        return ArtFamily::emblemOnGradient;
    default:
        return ArtFamily::illustrated;
    }
}

QColor solidGradientTop(const QColor& base)
{
    auto up = [](float c) { return c + (1 - c) * 0.12f; };
    return QColor::fromRgbF(up(base.redF()), up(base.greenF()), up(base.blueF()));
}

QColor solidGradientBottom(const QColor& base)
{
    return QColor::fromRgbF(base.redF() * 0.7f, base.greenF() * 0.7f, base.blueF() * 0.7f);
}

QColor defaultDeepPurple()
{
    return QColor::fromRgbF(0.224f, 0.176f, 0.333f);
}

namespace {

GradientStyle plain(float r0, float g0, float b0, float r1, float g1, float b1, const char* symbol = nullptr,
                    qreal opacity = 0)
{
    return {QColor::fromRgbF(r0, g0, b0), QColor::fromRgbF(r1, g1, b1),
            symbol ? QString::fromLatin1(symbol) : QString(), opacity};
}

GradientStyle solid(QRgb base)
{
    const QColor b = QColor::fromRgb(base);
    return {solidGradientTop(b), solidGradientBottom(b), QString(), 0};
}

} // namespace

std::optional<GradientStyle> gradientStyle(CardBackTheme theme)
{
    switch (theme) {
    case CardBackTheme::onyx: return plain(0.22f, 0.24f, 0.28f, 0.08f, 0.09f, 0.11f);
    case CardBackTheme::classic: return plain(0.12f, 0.32f, 0.72f, 0.05f, 0.15f, 0.45f);
    case CardBackTheme::solidSlate: return solid(0x535F7A);
    case CardBackTheme::solidCranberry: return solid(0xA3233A);
    case CardBackTheme::solidTerracotta: return solid(0xC45628);
    case CardBackTheme::solidAmber: return solid(0xE9A419);
    case CardBackTheme::solidSand: return solid(0xD8B56E);
    case CardBackTheme::solidLeaf: return solid(0x79B835);
    case CardBackTheme::solidCerulean: return solid(0x3487AD);
    case CardBackTheme::solidTwilight: return solid(0x414277);
    case CardBackTheme::solidMauve: return solid(0x9B5F94);
    case CardBackTheme::spring: return plain(0.95f, 0.65f, 0.78f, 0.82f, 0.38f, 0.58f, "camera.macro", 0.88);
    case CardBackTheme::summer: return plain(1.0f, 0.72f, 0.0f, 1.0f, 0.44f, 0.26f, "sun.max.fill", 0.9);
    case CardBackTheme::autumn: return plain(0.43f, 0.14f, 0.09f, 0.24f, 0.08f, 0.05f, "leaf.fill", 0.88);
    case CardBackTheme::winter: return plain(0.35f, 0.65f, 0.92f, 0.15f, 0.32f, 0.58f, "snowflake", 0.92);
    default: return std::nullopt;
    }
}

} // namespace murvane::graphics
