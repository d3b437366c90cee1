#pragma once
// Tells when a position can no longer be won. Handed each new position as
// the piles change, it checks it on a thread of idle priority with the
// hint's search: "lost" only when that search proved it. Verdicts are kept
// per position, so undo and redo ask nothing again; a winning line found
// keeps every position along it as winnable, so playing on along it asks
// nothing either. It sees positions only,
// never the game (no score, statistic, undo step or saved game), runs
// nothing while the position stays as it is, and stops its check at the next
// change and when it goes away, without waiting for the check to end.
#include "engine/SearchThread.h"
#include "solver/HintSearch.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace murvane {

enum class PositionVerdict : std::uint8_t {
    winnable, // a winning line was found
    lost,     // proved: no line wins
    unknown,  // the budget ran out first
};

class LostGameWatcher : public QObject {
    Q_OBJECT
public:
    // Larger than the hint's, as nobody waits for this answer, except the
    // first stage: the hint's own, so the line found is the one a player is
    // shown, and play along it is answered from what was kept.
    static constexpr solver::HintBudget kBudget{100000, 100000, solver::kHintBudget.forwardNodes};

    explicit LostGameWatcher(const solver::HintBudget& budget = kBudget, QObject* parent = nullptr);

    // The position after a change of the piles (or of whether it should be
    // checked). `check` false (won, auto-completing, the notice switched off)
    // stops any check and starts none. Several calls in one turn check once,
    // after the last of them.
    void positionChanged(const solver::HintPosition& now, bool check);
    // The last gameLost was never shown (the piles changed while the board
    // was covered): the next lost position is told again.
    void lossNotShown();
    // What is known of this position, without searching.
    std::optional<PositionVerdict> knownVerdict(const solver::HintPosition& position) const;
    // The same for the position last handed to positionChanged().
    std::optional<PositionVerdict> latestVerdict() const;
    // The known verdict, else one searched here, on the calling thread,
    // within the budget (for a deal being replaced while no check ran).
    PositionVerdict verdictNow(const solver::HintPosition& position);

    bool isChecking() const { return search_.isRunning(); }
    // How many positions were searched so far (the rest came from what was kept).
    int searches() const { return searches_; }
    // Threads of stopped checks not yet ended (for benches).
    int liveThreads() const { return search_.liveThreads(); }

Q_SIGNALS:
    // Once when the game becomes lost: not again for a position already
    // told, nor until a position that can still be won was reached between.
    void gameLost();
    void isCheckingChanged();

private:
    void check();
    void finish(const std::string& key, solver::HintResult::Verdict verdict);
    void keep(const std::string& key, PositionVerdict verdict);
    void keepLine(const std::vector<std::string>& keys); // positions along a winning line

    void take(const std::string& key, PositionVerdict verdict);

    solver::HintBudget budget_;
    SearchThread search_;
    solver::HintPosition latest_;
    std::string latestKey_;
    bool checksLatest_ = false;
    bool checkQueued_ = false;
    std::string checkingKey_; // the position the running check is about
    std::unordered_map<std::string, PositionVerdict> verdicts_;
    std::unordered_set<std::string> told_;
    std::string lastTold_;
    bool toldSinceWinnable_ = false;
    int searches_ = 0;
};

} // namespace murvane
