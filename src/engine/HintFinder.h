#pragma once
// Finds a hint for a position: one search at a time on its own thread, from
// a copy of the piles the caller hands it. A result is delivered only while
// the piles are still the ones it was searched from: the caller reports
// every change, which drops the search. It sees positions only, never the
// game, so it changes nothing (no move, score, save, statistic or undo step).
// A hint is a value; the board puts it into words.
#include "cards/Card.h"
#include "engine/MoveChoice.h"
#include "engine/SearchThread.h"
#include "solver/HintSearch.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace murvane {

struct Hint {
    enum class Kind { move, draw, recycle, lost, noLineFound };
    Kind kind = Kind::noLineFound;
    Move move; // kind move: the first move of the winning line
    bool showsOnBoard() const { return kind == Kind::move || kind == Kind::draw || kind == Kind::recycle; }
    friend bool operator==(const Hint&, const Hint&) = default;
};

// The piles as the hint search takes them. recyclesLeft: passes through the
// stock still allowed, none when unlimited.
solver::HintPosition hintPositionOf(const Table& table, std::int64_t drawCount,
                                    std::optional<std::int64_t> recyclesLeft);

class HintFinder : public QObject {
    Q_OBJECT
public:
    // budget: distinct positions the search may visit.
    explicit HintFinder(const solver::HintBudget& budget = solver::kHintBudget, QObject* parent = nullptr);

    // Starts a search from `now`, the position of `table` (copied), unless
    // one for the same position is running; answers whether a hint is on its
    // way. Along the last line found, the next move comes at once.
    bool request(const solver::HintPosition& now, const Table& table);
    bool isSearching() const { return search_.isRunning(); }
    // The piles changed: the running search's answer would be about another
    // position, so it is dropped.
    void positionChanged();

Q_SIGNALS:
    void hintFound(const murvane::Hint& hint);
    void isSearchingChanged();

private:
    // The piles a search started from, kept to name its first move.
    struct Piles {
        Pile stock, waste;
        Foundations foundations;
        Tableau tableau;
        Table table() const { return {stock, waste, foundations, tableau}; }
    };
    void finish(const solver::HintResult& result, const solver::HintPosition& searched);
    bool followLine(const std::string& key, const Table& table);

    solver::HintBudget budget_;
    SearchThread search_;
    std::string searchedKey_;
    Piles searchedPiles_;
    // The last winning line, and the position its next move starts from.
    std::vector<solver::HintMove> line_;
    std::size_t lineNext_ = 0;
    solver::HintPosition lineAt_;
    std::string lineAtKey_;
};

} // namespace murvane
