#pragma once
// The one game object: a thin owner of the parts that each do one job —
// the settings, the statistics, play (piles, moves, undo, auto-complete)
// and the deal session (where a deal came from, how it is replaced and how
// it ends) — and of the saved game, written after each turn that changed
// play. Lives on the main thread; views reach the parts through it.

#include "engine/DealSession.h"
#include "engine/GamePlay.h"
#include "engine/GameSettings.h"
#include "engine/GameStatistics.h"
#include "engine/SolutionWatch.h"

#include <QDate>
#include <QObject>

#include <functional>

namespace murvane {

class SettingsStore;
struct SavedGame;

class SolitaireGame : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isShowingScreen READ isShowingScreen WRITE setIsShowingScreen NOTIFY isShowingScreenChanged)

public:
    // Reads every setting and statistic from the store, then restores the
    // saved game or deals a new one, then prepares upcoming deals. The store
    // must outlive the game.
    SolitaireGame(SettingsStore& store, bool verifyDeals, QObject* parent = nullptr);
    ~SolitaireGame() override;

    GameSettings& settings() { return *settings_; }
    const GameSettings& settings() const { return *settings_; }
    GameStatistics& statistics() { return *statistics_; }
    const GameStatistics& statistics() const { return *statistics_; }
    GamePlay& play() { return *play_; }
    const GamePlay& play() const { return *play_; }
    DealSession& session() { return *session_; }
    const DealSession& session() const { return *session_; }
    // Watch Solution: the game playing the deal's winning line itself.
    SolutionWatch& watch() { return *watch_; }
    const SolutionWatch& watch() const { return *watch_; }

    // Today's Deal: the local calendar date (tests set another clock; an
    // empty one is the system's), and whether the deal in progress is that
    // date's daily deal, not yet won, so dealing it again would only
    // abandon it.
    QDate today() const;
    void setClock(std::function<QDate()> clock);
    bool isPlayingDailyDeal(const QDate& date) const;

    // Whether a full-panel screen covers the board (the win card waits).
    bool isShowingScreen() const { return isShowingScreen_; }
    void setIsShowingScreen(bool value);

    // The saved game: written after the turn that changed play, at once
    // when asked (before quitting).
    void saveNowIfScheduled();
    bool isSaveScheduled() const { return saveIsScheduled_; }
    // Writes the saved game now (or removes it once the game is won).
    void saveNow();
    SavedGame makeSavedGame() const;
    // False, changing nothing, when there is no usable record for the
    // current rules.
    bool restoreSavedGame();

Q_SIGNALS:
    void isShowingScreenChanged();

protected:
    bool event(QEvent* e) override; // runs the scheduled save

private:
    void scheduleSave();

    SettingsStore& store_;
    GameSettings* settings_;
    GameStatistics* statistics_;
    DealSession* session_;
    GamePlay* play_;
    SolutionWatch* watch_;
    bool isShowingScreen_ = false;
    bool saveIsScheduled_ = false;
    bool isRestoring_ = false;
    std::function<QDate()> clock_;
};

} // namespace murvane
