#pragma once
// Numbered deals: deal N under a rule set is the same layout on every machine
// and in every later version. The shuffles therefore come from a generator
// and a bounded-integer method written out here, never from the standard
// library's engines or distributions, whose results differ between library
// implementations. Changing anything here, in the deck order, in the layout
// or in the solver's verdicts changes which deal a number gives; the golden
// table test exists to catch exactly that.

#include "DealText.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace murvane::solver {

inline constexpr std::uint32_t kFirstDealNumber = 1;
inline constexpr std::uint32_t kLastDealNumber = 2147483647; // 2^31 - 1

// SplitMix64 (Steele, Lea and Flood, 2014): a 64-bit counter advanced by the
// golden-ratio constant and passed through a fixed mixing function. Every
// seed, even consecutive ones, gives an independent-looking stream.
class DealRandom {
public:
    explicit DealRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0..<bound (bound >= 1): the high 32 bits of a draw, redrawn
    // while they fall in the low sliver of 2^32 mod bound values that would
    // favour small results, then taken modulo bound.
    std::uint32_t below(std::uint32_t bound)
    {
        const std::uint32_t limit = std::uint32_t(-bound) % bound;
        for (;;) {
            const auto r = std::uint32_t(next() >> 32);
            if (r >= limit)
                return r % bound;
        }
    }

private:
    std::uint64_t state_;
};

// Shuffle `attempt` (1, 2, ...) of deal `number`: the ordered deck (spades,
// hearts, diamonds, clubs, Ace to King) shuffled by Fisher-Yates as the game
// shuffles (shuffleDeck in DealText.h), drawing from DealRandom seeded with
// number * 2^32 + attempt.
Deck numberedShuffle(std::uint32_t number, int attempt);

struct NumberedDeal {
    Deck deck{};
    int attempt = 0;         // which shuffle of the number's sequence, 1...attempts
    bool isVerified = false; // the solver proved it winnable
    bool stopped = false;    // `stop` cut the search short; deck is then meaningless
};

// The first shuffle of the number's sequence that the solver proves winnable
// under the rules (empty waste, no foundation cards, within maxNodes), trying
// at most `attempts`; when none passes, the last one, unverified. number must
// lie in kFirstDealNumber...kLastDealNumber.
NumberedDeal findNumberedDeal(std::uint32_t number, int drawCount, std::optional<int> maxRecycles,
                              std::int64_t maxNodes = kDefaultMaxNodes, int attempts = kDealAttempts,
                              const std::atomic<bool>* stop = nullptr);

// Parses a deal number as a player types it: decimal digits only, 1 to
// 2^31 - 1. Leading zeros are allowed; signs, spaces and points are not.
std::optional<std::uint32_t> parseDealNumber(std::string_view text);

} // namespace murvane::solver
