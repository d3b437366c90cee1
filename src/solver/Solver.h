#pragma once
// Proves a Klondike position winnable with a bounded depth-first search.
// Standard C++ only; the game converts its cards on entry.

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace murvane::solver {

// A card as the game hands it over. suitIndex: spades 0, hearts 1,
// diamonds 2, clubs 3; rank 1 (Ace) ... 13 (King).
struct SolverCard {
    std::uint8_t suitIndex = 0;
    std::uint8_t rank = 1;
    bool isFaceUp = false;
};

struct SolveResult {
    bool isWinnable = false;
    std::int64_t nodes = 0; // positions counted when the search returned
    bool stopped = false;   // given up early because the caller asked
};

// tableau: 7 columns, bottom card first; stock and waste: last element is the
// top; foundation: cards already home per suit index (0...13). drawCount
// below 1 counts as 1; maxRecycles absent means the waste may be turned over
// without limit. Answers whether a win was found within maxNodes distinct
// positions; piles that cannot come from one deck (a card given twice, a
// suit index above 3, a rank outside 1...13, a foundation count outside
// 0...13) answer not winnable with 0 nodes. Safe to call from several threads
// at once.
// When stop is given and becomes true, the search gives up within a few
// dozen positions and answers not winnable, stopped.
SolveResult solve(const std::array<std::vector<SolverCard>, 7>& tableau,
                  const std::vector<SolverCard>& stock,
                  const std::vector<SolverCard>& waste,
                  const std::array<int, 4>& foundation,
                  int drawCount, std::int64_t maxNodes,
                  std::optional<int> maxRecycles,
                  const std::atomic<bool>* stop = nullptr);

class SolverSearch;

// The same search, kept between calls so that one stopped part-way can be
// carried on later, on any thread (one at a time), exactly where it stopped:
// the answer and node count are those of a search never stopped.
class Solve {
public:
    Solve(const std::array<std::vector<SolverCard>, 7>& tableau, const std::vector<SolverCard>& stock,
          const std::vector<SolverCard>& waste, const std::array<int, 4>& foundation, int drawCount,
          std::int64_t maxNodes, std::optional<int> maxRecycles);
    ~Solve();
    Solve(const Solve&) = delete;
    Solve& operator=(const Solve&) = delete;

    // Searches until the answer is known or stop turns true (stopped set);
    // after a stop, call again to go on. Once answered, answers the same.
    SolveResult run(const std::atomic<bool>* stop = nullptr);

private:
    std::unique_ptr<SolverSearch> search_; // null for piles that cannot be a position
    SolveResult result_;
    bool answered_ = false;
};

} // namespace murvane::solver
