#pragma once
// The hint search: an exact, bounded depth-first search over the solver's
// card codes that tries every move the rules allow, including a foundation
// card back to a column, which deal verification leaves out. Because nothing
// legal is skipped (only positions already seen, and a whole column moved to
// another empty column, which merely swaps two columns), running out of
// positions is a proof that the game can no longer be won.

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

// The default budget: distinct positions the hint may visit. One and a half
// times deal verification's, and as many as answer within 150 ms at the
// 99th percentile on a loaded two-core machine (bench/hint_time).
inline constexpr std::int64_t kHintNodeBudget = 15000;

// Searches from `position`. Piles that cannot come from one deck answer
// budgetSpent with no line (the search never claims a loss it did not
// prove). `stop` is polled every 1024 positions.
HintResult findHint(const HintPosition& position, std::int64_t maxNodes = kHintNodeBudget,
                    const std::atomic<bool>* stop = nullptr);

// Applies one move to the position by the same rules; false (and the
// position unchanged) when the move is not legal there.
bool applyHintMove(HintPosition& position, const HintMove& move);

} // namespace murvane::solver
