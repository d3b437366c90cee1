#include "engine/GameSettings.h"

namespace murvane {

// Plain member initialisation: reading must not write anything back.
GameSettings::GameSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , store_(store)
    , menuBarIcon_(readSetting(store, stored::menuBarIcon))
    , autoCompleteMode_(readSetting(store, stored::autoCompleteMode))
    , boardSize_(readSetting(store, stored::boardSize))
    , drawMode_(readSetting(store, stored::drawCount))
    , unlimitedRedeals_(readSetting(store, stored::unlimitedRedeals))
    , hasSeenWelcome_(readSetting(store, stored::hasSeenWelcome))
    , showsCornerSuit_(readSetting(store, stored::showsCornerSuit))
    , tellsWhenLost_(readSetting(store, stored::tellsWhenLost))
    , scoringMode_(readSetting(store, stored::scoringMode))
    , cardTheme_(readSetting(store, stored::cardTheme))
    , fourColourSuits_(readSetting(store, stored::fourColourSuits))
    , showsTimeAndMoves_(readSetting(store, stored::showsTimeAndMoves))
{
}

template <typename T>
bool GameSettings::assign(T& member, const T& value, const StoredSetting<T>& setting,
                          void (GameSettings::*changed)())
{
    const bool isChange = !(member == value);
    if (!isChange && setting.policy == WritePolicy::onChange)
        return false;
    member = value;
    writeSetting(store_, setting, value);
    if (isChange)
        Q_EMIT(this->*changed)();
    return isChange;
}

void GameSettings::assignRule(bool changed, RuleSetting setting)
{
    if (changed && changeDealsAnew(setting))
        Q_EMIT dealRulesChanged();
}

void GameSettings::setMenuBarIcon(MenuBarIconOption value)
{
    assign(menuBarIcon_, value, stored::menuBarIcon, &GameSettings::menuBarIconChanged);
}

void GameSettings::setAutoCompleteMode(AutoCompleteMode value)
{
    assign(autoCompleteMode_, value, stored::autoCompleteMode, &GameSettings::autoCompleteModeChanged);
}

void GameSettings::setBoardSize(BoardSize value)
{
    assign(boardSize_, value, stored::boardSize, &GameSettings::boardSizeChanged);
}

void GameSettings::setCardTheme(CardBackTheme value)
{
    assign(cardTheme_, value, stored::cardTheme, &GameSettings::cardThemeChanged);
}

void GameSettings::setDrawMode(DrawMode value)
{
    assignRule(assign(drawMode_, value, stored::drawCount, &GameSettings::drawModeChanged), RuleSetting::drawMode);
}

void GameSettings::setUnlimitedRedeals(bool value)
{
    assignRule(assign(unlimitedRedeals_, value, stored::unlimitedRedeals, &GameSettings::unlimitedRedealsChanged),
               RuleSetting::unlimitedRedeals);
}

void GameSettings::setScoringMode(ScoringMode value)
{
    assignRule(assign(scoringMode_, value, stored::scoringMode, &GameSettings::scoringModeChanged),
               RuleSetting::scoringMode);
}

void GameSettings::setHasSeenWelcome(bool value)
{
    assign(hasSeenWelcome_, value, stored::hasSeenWelcome, &GameSettings::hasSeenWelcomeChanged);
}

void GameSettings::setShowsCornerSuit(bool value)
{
    assign(showsCornerSuit_, value, stored::showsCornerSuit, &GameSettings::showsCornerSuitChanged);
}

void GameSettings::setTellsWhenLost(bool value)
{
    assign(tellsWhenLost_, value, stored::tellsWhenLost, &GameSettings::tellsWhenLostChanged);
}

void GameSettings::setFourColourSuits(bool value)
{
    assign(fourColourSuits_, value, stored::fourColourSuits, &GameSettings::fourColourSuitsChanged);
}

void GameSettings::setShowsTimeAndMoves(bool value)
{
    assign(showsTimeAndMoves_, value, stored::showsTimeAndMoves, &GameSettings::showsTimeAndMovesChanged);
}

std::optional<std::int64_t> GameSettings::passesAllowed() const
{
    if (!hasPassLimit())
        return std::nullopt;
    return drawMode_.passesAllowed();
}

DealRules GameSettings::dealRules() const
{
    if (hasPassLimit())
        return DealRules{int(drawMode_.count()), int(drawMode_.recyclesAllowed())};
    return DealRules::unlimited();
}

bool GameSettings::changeDealsAnew(RuleSetting setting) const
{
    switch (setting) {
    case RuleSetting::drawMode: return hasPassLimit();
    case RuleSetting::scoringMode: return true;
    case RuleSetting::unlimitedRedeals: return scoringMode_ == ScoringMode::vegas;
    }
    return true;
}

} // namespace murvane
