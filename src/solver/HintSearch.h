#pragma once
// The hint search, in stages. A player's position is searched first by an
// exact search that tries progress first (cards turned up, foundation moves
// and the stock before runs that turn nothing up) and never takes a card
// back from the foundation; then by deal verification's own search (its move
// order, a larger budget), so that a position verification wins always gets
// a line; and only then by the exact
// search with every move the rules allow, including a foundation card back
// to a column. That exact search compares positions whole (never by hash),
// and skips nothing legal but positions already seen and a whole column
// moved to another empty one (a mere swap of two columns), so running out of
// positions there is a proof that the game can no longer be won. A line
// found is shortened before it is shown: round trips and moves the win does
// without are cut out.

#include "solver/SolverSearch.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace murvane::solver {

struct HintMove {
    enum class Kind : std::uint8_t {
        wasteToFoundation,
        wasteToColumn,
        columnToFoundation,
        columnToColumn,
        foundationToColumn,
        draw,
        recycle,
    };
    Kind kind = Kind::draw;
    int fromColumn = 0; // column moves: the source column
    int startIndex = 0; // columnToColumn: index of the lowest moved card
    int toColumn = 0;   // moves onto a column: the destination
    int suitIndex = 0;  // moves to or from a foundation: the suit
    friend bool operator==(const HintMove&, const HintMove&) = default;
};

struct HintResult {
    enum class Verdict : std::uint8_t {
        winningLine, // line holds every move from here to a won game
        provedLost,  // every reachable position was searched: no win
        budgetSpent, // the budget ran out first: nothing is known
        stopped,     // the caller asked the search to give up
    };
    Verdict verdict = Verdict::budgetSpent;
    std::vector<HintMove> line;
    std::int64_t nodes = 0;
};

struct HintPosition {
    std::array<std::vector<SolverCard>, kColumnCount> tableau; // bottom first
    std::vector<SolverCard> stock;                             // last is the top
    std::vector<SolverCard> waste;                             // last is the top
    std::array<int, kSuitCount> foundation{};                  // cards home per suit
    int drawCount = 1;
    std::optional<int> recyclesLeft; // none: the waste may be turned over freely
};

// Distinct positions each stage may visit: the first, progress-first exact
// search counts forwardNodes (none: skipped); deal verification's search
// counts lineNodes (four times its own budget of 10,000); the exact proof
// counts proofNodes. Measured by bench/hint_time.
struct HintBudget {
    std::int64_t lineNodes = 0;
    std::int64_t proofNodes = 0;
    std::int64_t forwardNodes = 0;
};
inline constexpr HintBudget kHintBudget{40000, 15000, 7500};

// Searches from `position`. Piles that cannot come from one deck answer
// budgetSpent with no line (the search never claims a loss it did not
// prove). `stop` is polled every few dozen positions.
HintResult findHint(const HintPosition& position, const HintBudget& budget = kHintBudget,
                    const std::atomic<bool>* stop = nullptr);

// The exact search alone, with every legal move (runs before the stock),
// and its line as found (not shortened): the only stage that can prove a
// game lost.
HintResult searchAllMoves(const HintPosition& position, std::int64_t maxNodes,
                          const std::atomic<bool>* stop = nullptr);

// Whether `second`, played straight after `first` from `before`, moves the
// card or run `first` moved straight back (a column move undone, a card
// sent home and taken back down).
bool isReversal(const HintPosition& before, const HintMove& first, const HintMove& second);

// Applies one move to the position by the same rules; false (and the
// position unchanged) when the move is not legal there.
bool applyHintMove(HintPosition& position, const HintMove& move);

} // namespace murvane::solver
