#include "Settings.h"
#include "platform/Localization.h"

namespace murvane {

QString rawValue(ScoringMode v)
{
    return v == ScoringMode::vegas ? QStringLiteral("Vegas") : QStringLiteral("Standard");
}

QString rawValue(BoardSize v)
{
    return v == BoardSize::large ? QStringLiteral("Large") : QStringLiteral("Standard");
}

QString rawValue(AutoCompleteMode v)
{
    return v == AutoCompleteMode::disabled ? QStringLiteral("Disabled") : QStringLiteral("Enabled");
}

QString rawValue(MenuBarIconOption v)
{
    switch (v) {
    case MenuBarIconOption::spade: return QStringLiteral("\u2660");
    case MenuBarIconOption::heart: return QStringLiteral("\u2665");
    case MenuBarIconOption::diamond: return QStringLiteral("\u2666");
    case MenuBarIconOption::club: return QStringLiteral("\u2663");
    case MenuBarIconOption::cardFan: return QStringLiteral("Card Fan");
    }
    return {};
}

QString rawValue(ModalScreen v)
{
    switch (v) {
    case ModalScreen::preferences: return QStringLiteral(MURVANE_TEXT("Preferences"));
    case ModalScreen::statistics: return QStringLiteral(MURVANE_TEXT("Statistics"));
    case ModalScreen::howToPlay: return QStringLiteral(MURVANE_TEXT("How to Play"));
    case ModalScreen::about: return QStringLiteral(MURVANE_TEXT("About"));
    }
    return {};
}

QString rawValue(CardBackTheme v)
{
    static const char* const names[] = {
        "Onyx Slate", "Classic Indigo", "Solid Slate", "Solid Cranberry", "Solid Terracotta",
        "Solid Amber", "Solid Sand", "Solid Leaf", "Solid Cerulean", "Solid Twilight",
        "Solid Mauve", "Spring Bloom", "Summer Sol", "Autumn Maple", "Winter Frost", "Key Lime",
        "Ocean Tide", "Desert Dusk", "Midnight Constellation", "Moonlit Lavender", "White Torii",
        "Cherry Blossom Ink", "Blueprint", "Copper Circuit", "8-Bit Retro", "Neon Arcade",
        "Studio Kestrune"};
    const int i = static_cast<int>(v);
    return i >= 0 && i < 27 ? QString::fromUtf8(names[i]) : QString();
}

QString symbolName(MenuBarIconOption v)
{
    switch (v) {
    case MenuBarIconOption::spade: return QStringLiteral("suit.spade.fill");
    case MenuBarIconOption::heart: return QStringLiteral("suit.heart.fill");
    case MenuBarIconOption::diamond: return QStringLiteral("suit.diamond.fill");
    case MenuBarIconOption::club: return QStringLiteral("suit.club.fill");
    case MenuBarIconOption::cardFan:
        return QStringLiteral("rectangle.portrait.on.rectangle.portrait.angled.fill");
    }
    return {};
}

} // namespace murvane
