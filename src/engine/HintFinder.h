#pragma once
// Finds a hint for the game in progress: one search at a time on its own
// thread, from a copy of the piles. A result is delivered only while the
// piles are still the ones it was searched from; any change to them cancels
// the search. Reads the game and never changes it (no move, score, save,
// statistic or undo step).
#include "cards/Card.h"
#include "engine/MoveChoice.h"
#include "solver/HintSearch.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <thread>


namespace murvane {

class SolitaireGame;

struct Hint {
    enum class Kind { move, draw, recycle, lost, noLineFound };
    Kind kind = Kind::noLineFound;
    Move move;     // kind move: the first move of the winning line
    QString text;  // what the hint says, for the panel and screen readers
    bool showsOnBoard() const { return kind == Kind::move || kind == Kind::draw || kind == Kind::recycle; }
};

// The piles as the hint search takes them.
solver::HintPosition hintPositionOf(const SolitaireGame& game);

class HintFinder : public QObject {
    Q_OBJECT
public:
    // budget: distinct positions the search may visit.
    explicit HintFinder(const SolitaireGame& game, const solver::HintBudget& budget = solver::kHintBudget,
                        QObject* parent = nullptr);
    // Stops a running search and waits for it (within about a thousand positions).
    ~HintFinder() override;

    // Starts a search from the current piles unless one is running or the
    // game is won or auto-completing; answers whether a hint is on its way.
    // Along the last line found, the next move comes at once.
    bool request();
    bool isSearching() const { return searching_; }
    void cancel();

    static QString lostText();
    static QString noLineText();

Q_SIGNALS:
    void hintFound(const murvane::Hint& hint);
    void isSearchingChanged();

private:
    void positionChanged();
    void finish(std::uint64_t id, std::uint64_t generation, const solver::HintResult& result,
                const solver::HintPosition& searched);
    bool followLine();
    void joinWorker();

    const SolitaireGame& game_;
    solver::HintBudget budget_;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool searching_ = false;
    std::uint64_t generation_ = 0; // bumped on every change to the piles
    std::uint64_t searchedGeneration_ = 0;
    std::uint64_t searchId_ = 0;
    // The last winning line, and the position its next move starts from.
    std::vector<solver::HintMove> line_;
    std::size_t lineNext_ = 0;
    solver::HintPosition lineAt_;
};

} // namespace murvane
