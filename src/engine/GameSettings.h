#pragma once
// Every setting of the game, read from the store once and written through
// to it as StoredSettings.h declares. Lives on the main thread; the screens
// assign its properties and everything else reads them.

#include "cards/Settings.h"
#include "engine/StoredSettings.h"
#include "engine/Deal.h"

#include <QObject>

#include <cstdint>
#include <optional>

namespace murvane {

class SettingsStore;

// The settings whose change may deal a new game.
enum class RuleSetting { drawMode, scoringMode, unlimitedRedeals };

class GameSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool unlimitedRedeals READ unlimitedRedeals WRITE setUnlimitedRedeals NOTIFY unlimitedRedealsChanged)
    Q_PROPERTY(bool hasSeenWelcome READ hasSeenWelcome WRITE setHasSeenWelcome NOTIFY hasSeenWelcomeChanged)
    Q_PROPERTY(bool showsCornerSuit READ showsCornerSuit WRITE setShowsCornerSuit NOTIFY showsCornerSuitChanged)
    Q_PROPERTY(bool fourColourSuits READ fourColourSuits WRITE setFourColourSuits NOTIFY fourColourSuitsChanged)
    Q_PROPERTY(bool showsTimeAndMoves READ showsTimeAndMoves WRITE setShowsTimeAndMoves NOTIFY showsTimeAndMovesChanged)

public:
    // Reads every setting; the store must outlive this.
    explicit GameSettings(SettingsStore& store, QObject* parent = nullptr);

    MenuBarIconOption menuBarIcon() const { return menuBarIcon_; }
    AutoCompleteMode autoCompleteMode() const { return autoCompleteMode_; }
    BoardSize boardSize() const { return boardSize_; }
    CardBackTheme cardTheme() const { return cardTheme_; }
    DrawMode drawMode() const { return drawMode_; }
    bool unlimitedRedeals() const { return unlimitedRedeals_; }
    bool hasSeenWelcome() const { return hasSeenWelcome_; }
    bool showsCornerSuit() const { return showsCornerSuit_; }
    bool tellsWhenLost() const { return tellsWhenLost_; } // the lost-game notice
    ScoringMode scoringMode() const { return scoringMode_; }
    bool fourColourSuits() const { return fourColourSuits_; } // a colour per suit on card faces
    // The header shows the deal's time and moves, and timed wins are recorded.
    bool showsTimeAndMoves() const { return showsTimeAndMoves_; }

    // Each setter writes the store as its setting's write policy says. A
    // rule change that changes the rules of the deal in play then reports
    // dealRulesChanged(), and the deal session deals anew.
    void setMenuBarIcon(MenuBarIconOption value);
    void setAutoCompleteMode(AutoCompleteMode value);
    void setBoardSize(BoardSize value);
    void setCardTheme(CardBackTheme value);
    void setDrawMode(DrawMode value);
    void setUnlimitedRedeals(bool value);
    void setHasSeenWelcome(bool value);
    void setShowsCornerSuit(bool value);
    void setTellsWhenLost(bool value);
    void setScoringMode(ScoringMode value);
    void setFourColourSuits(bool value);
    void setShowsTimeAndMoves(bool value);

    // Vegas without unlimited redeals: the passes through the stock are counted.
    bool hasPassLimit() const { return scoringMode_ == ScoringMode::vegas && !unlimitedRedeals_; }
    // The passes a deal allows now; none without a limit.
    std::optional<std::int64_t> passesAllowed() const;
    // The rules deals are verified and played under now.
    DealRules dealRules() const;
    // Whether a change of this setting deals a new game: the draw only under
    // a pass limit (it sets the number of passes), the redeals only under
    // Vegas. None of these depends on the setting it answers for, so it reads
    // the same before and after the assignment.
    bool changeDealsAnew(RuleSetting setting) const;

Q_SIGNALS:
    void menuBarIconChanged();
    void autoCompleteModeChanged();
    void boardSizeChanged();
    void drawModeChanged();
    void unlimitedRedealsChanged();
    void hasSeenWelcomeChanged();
    void showsCornerSuitChanged();
    void tellsWhenLostChanged();
    void scoringModeChanged();
    void cardThemeChanged();
    void fourColourSuitsChanged();
    void showsTimeAndMovesChanged();
    // After a rule setting changed in a way that changes the deal's rules.
    void dealRulesChanged();

private:
    template <typename T>
    bool assign(T& member, const T& value, const StoredSetting<T>& setting, void (GameSettings::*changed)());
    void assignRule(bool changed, RuleSetting setting);

    SettingsStore& store_;
    MenuBarIconOption menuBarIcon_;
    AutoCompleteMode autoCompleteMode_;
    BoardSize boardSize_;
    DrawMode drawMode_;
    bool unlimitedRedeals_;
    bool hasSeenWelcome_;
    bool showsCornerSuit_;
    bool tellsWhenLost_;
    ScoringMode scoringMode_;
    CardBackTheme cardTheme_;
    bool fourColourSuits_;
    bool showsTimeAndMoves_;
};

} // namespace murvane
