#pragma once
// Settings and screen enumerations. The raw value of each case is the string
// stored in the settings and the saved game and, where Preferences lists the
// enum, the label it shows. Case order is declaration order.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace murvane {

enum class ScoringMode { standard, vegas };
enum class BoardSize { standard, large };
enum class AutoCompleteMode { enabled, disabled };
enum class MenuBarIconOption { spade, heart, diamond, club, cardFan };
enum class ModalScreen { preferences, statistics, howToPlay, about };
enum class CardBackTheme {
    onyx, classic, solidSlate, solidCranberry, solidTerracotta, solidAmber, solidSand,
    solidLeaf, solidCerulean, solidTwilight, solidMauve, spring, summer, autumn, winter,
    citrus, ocean, desert, midnight, lavender, whiteTorii, cherryInk, blueprint, copper,
    pixelRetro, neon, pixelLogo
};

template <typename E> struct EnumCases;
template <> struct EnumCases<ScoringMode> {
    static constexpr std::array all = {ScoringMode::standard, ScoringMode::vegas};
};
template <> struct EnumCases<BoardSize> {
    static constexpr std::array all = {BoardSize::standard, BoardSize::large};
};
template <> struct EnumCases<AutoCompleteMode> {
    static constexpr std::array all = {AutoCompleteMode::enabled, AutoCompleteMode::disabled};
};
template <> struct EnumCases<MenuBarIconOption> {
    static constexpr std::array all = {MenuBarIconOption::spade, MenuBarIconOption::heart,
                                       MenuBarIconOption::diamond, MenuBarIconOption::club,
                                       MenuBarIconOption::cardFan};
};
template <> struct EnumCases<ModalScreen> {
    static constexpr std::array all = {ModalScreen::preferences, ModalScreen::statistics,
                                       ModalScreen::howToPlay, ModalScreen::about};
};
template <> struct EnumCases<CardBackTheme> {
    static constexpr std::array<CardBackTheme, 27> all = [] {
        std::array<CardBackTheme, 27> cases{};
        for (int i = 0; i < 27; ++i)
            cases[i] = static_cast<CardBackTheme>(i);
        return cases;
    }();
};

QString rawValue(ScoringMode v);
QString rawValue(BoardSize v);
QString rawValue(AutoCompleteMode v);
QString rawValue(MenuBarIconOption v);
QString rawValue(ModalScreen v);
QString rawValue(CardBackTheme v); // the theme's English name, e.g. "Onyx Slate"; the stored value
// The theme's name as shown and spoken, in the application language.
QString localizedName(CardBackTheme v);

// Exact, case-sensitive match of a raw value; anything else gives nothing.
template <typename E>
std::optional<E> enumFromRaw(const QString& raw)
{
    for (E value : EnumCases<E>::all)
        if (rawValue(value) == raw)
            return value;
    return std::nullopt;
}

// Draw 1 or Draw 3. Any count but 3, stored or assigned, means Draw 1.
class DrawMode {
public:
    static constexpr DrawMode one() { return DrawMode(1); }
    static constexpr DrawMode three() { return DrawMode(3); }
    static constexpr DrawMode fromCount(std::int64_t count) { return DrawMode(count == 3 ? 3 : 1); }

    // Cards turned per stock click.
    constexpr std::int64_t count() const { return count_; }
    // Trips through the stock under the Vegas pass limit: one per card drawn
    // at a time, so Draw 1 allows no recycle and Draw 3 two.
    constexpr std::int64_t passesAllowed() const { return count_; }
    constexpr std::int64_t recyclesAllowed() const { return passesAllowed() - 1; }

    friend constexpr bool operator==(DrawMode, DrawMode) = default;

private:
    constexpr explicit DrawMode(std::int64_t count) : count_(count) {}
    std::int64_t count_;
};

// The symbol name of a menu-bar icon ("suit.spade.fill" ...).
QString symbolName(MenuBarIconOption v);

} // namespace murvane
