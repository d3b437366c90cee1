#include "Settings.h"
#include "text/Localization.h"

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
    // The stored value is the English name; MURVANE_TEXT lists each one for
    // translation, since the screens show them through localizedName().
    static const char* const names[] = {
        MURVANE_TEXT("Onyx Slate"),
        MURVANE_TEXT("Classic Indigo"),
        MURVANE_TEXT("Solid Slate"),
        MURVANE_TEXT("Solid Cranberry"),
        MURVANE_TEXT("Solid Terracotta"),
        MURVANE_TEXT("Solid Amber"),
        MURVANE_TEXT("Solid Sand"),
        MURVANE_TEXT("Solid Leaf"),
        MURVANE_TEXT("Solid Cerulean"),
        MURVANE_TEXT("Solid Twilight"),
        MURVANE_TEXT("Solid Mauve"),
        MURVANE_TEXT("Spring Bloom"),
        MURVANE_TEXT("Summer Sol"),
        MURVANE_TEXT("Autumn Maple"),
        MURVANE_TEXT("Winter Frost"),
        MURVANE_TEXT("Key Lime"),
        MURVANE_TEXT("Ocean Tide"),
        MURVANE_TEXT("Desert Dusk"),
        MURVANE_TEXT("Midnight Constellation"),
        MURVANE_TEXT("Moonlit Lavender"),
        MURVANE_TEXT("White Torii"),
        MURVANE_TEXT("Cherry Blossom Ink"),
        MURVANE_TEXT("Blueprint"),
        MURVANE_TEXT("Copper Circuit"),
        MURVANE_TEXT("8-Bit Retro"),
        MURVANE_TEXT("Neon Arcade"),
        MURVANE_TEXT("Studio Kestrune"),
    };
    const int i = static_cast<int>(v);
    return i >= 0 && i < 27 ? QString::fromUtf8(names[i]) : QString();
}

QString localizedName(CardBackTheme v)
{
    return localizedString(rawValue(v));
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
