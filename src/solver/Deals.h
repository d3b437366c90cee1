#pragma once
// What a deal is, written once for the game, the numbered deals, the tools
// and the tests: the deck, how it is shuffled and dealt, the rule sets a
// deal is verified for, and the search for a shuffle the solver proves
// winnable.

#include "Solver.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace murvane::solver {

inline constexpr int kDeckCards = 52;
using Deck = std::array<SolverCard, kDeckCards>;

struct DealLayout {
    std::array<std::vector<SolverCard>, 7> tableau; // bottom first, only the top face up
    std::vector<SolverCard> stock;                  // 24 face-down cards, last = top
};

// Spades, hearts, diamonds, clubs; Ace to King within each; all face down.
Deck orderedDeck();

// Deals column by column from the end of the deck: column c takes c + 1
// cards, the last one taken face up on top; the 24 cards left, in deck
// order, are the stock (so deck[23] is the stock's top).
DealLayout dealLayout(const Deck& deck);

// Uniform in 0..<bound (bound >= 1) from uniform 32-bit draws: a draw is
// redrawn while it falls in the low sliver of 2^32 mod bound values that
// would favour small results, then taken modulo bound.
template <class Next32>
std::uint32_t uniformBelow(std::uint32_t bound, Next32&& next32)
{
    const std::uint32_t limit = std::uint32_t(-bound) % bound;
    for (;;) {
        const std::uint32_t r = next32();
        if (r >= limit)
            return r % bound;
    }
}

// Fisher-Yates as the game shuffles: for i = 0...50 pick j = random.below(52 - i)
// and swap the cards at i and i + j. Random offers std::uint32_t below(std::uint32_t).
template <class Random>
void shuffleDeck(Deck& deck, Random& random)
{
    for (int i = 0; i < kDeckCards - 1; ++i) {
        const auto j = static_cast<std::size_t>(random.below(std::uint32_t(kDeckCards - i)));
        if (j != 0)
            std::swap(deck[std::size_t(i)], deck[std::size_t(i) + j]);
    }
}

// The rules a deal is solved under: cards turned per draw, and how often the
// waste may go back to the stock (none: without limit).
struct DealRules {
    int drawCount = 3;
    std::optional<int> maxRecycles;
    friend constexpr bool operator==(const DealRules&, const DealRules&) = default;
    static constexpr DealRules unlimited() { return {3, std::nullopt}; }
    static constexpr DealRules drawOneLimited() { return {1, 0}; }
    static constexpr DealRules drawThreeLimited() { return {3, 2}; }
};

// The rule sets a deal is verified for, in the order the tools list them.
inline constexpr std::array<DealRules, 3> kVerificationRules{DealRules::unlimited(), DealRules::drawOneLimited(),
                                                             DealRules::drawThreeLimited()};

// "unlimited", "draw1-limited" or "draw3-limited"; "custom" for other rules.
std::string_view rulesName(const DealRules& rules);
// The verification rule set of that exact name; none for any other text.
std::optional<DealRules> rulesNamed(std::string_view name);

inline constexpr std::int64_t kDefaultMaxNodes = 10000; // positions per verification
inline constexpr int kDealAttempts = 500;               // shuffles tried per deal

struct VerifiedShuffle {
    Deck deck{};
    int attempt = 0;         // 1...attempts: which shuffle was taken
    bool isVerified = false; // the solver proved it winnable
    bool stopped = false;    // `stop` cut the search short; deck is then meaningless
    std::int64_t nodes = 0;  // positions searched over all attempts
};

// Tries shuffleFor(1), shuffleFor(2), ... under `rules`, each solved from the
// dealt layout (empty waste, no foundation cards) within maxNodes; returns the
// first proved winnable, else the last one, unverified.
VerifiedShuffle firstWinnableShuffle(const DealRules& rules, const std::function<Deck(int attempt)>& shuffleFor,
                                     std::int64_t maxNodes = kDefaultMaxNodes, int attempts = kDealAttempts,
                                     const std::atomic<bool>* stop = nullptr);

} // namespace murvane::solver
