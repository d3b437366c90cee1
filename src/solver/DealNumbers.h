#pragma once
// Numbered deals: deal N under a rule set is the same layout on every machine
// and in every later version. The shuffles therefore come from a generator
// and a bounded-integer method written out in this library, never from the standard
// library's engines or distributions, whose results differ between library
// implementations. Changing anything here, in the deck order, in the layout
// or in the frozen search's verdicts changes which deal a number gives; the
// golden table and the pin of every number up to 1000 exist to catch exactly
// that.

#include "Deals.h"
#include "numbered/NumberedSolve.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string_view>

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
    // Uniform in 0..<bound (bound >= 1), from the high 32 bits of each draw.
    std::uint32_t below(std::uint32_t bound)
    {
        return uniformBelow(bound, [this] { return std::uint32_t(next() >> 32); });
    }

private:
    std::uint64_t state_;
};

// Shuffle `attempt` (1, 2, ...) of deal `number`: the ordered deck shuffled
// by shuffleDeck, drawing from DealRandom seeded with number * 2^32 + attempt.
Deck numberedShuffle(std::uint32_t number, int attempt);

using NumberedDeal = VerifiedShuffle;

// Shuffles a number may try, and the check each gets: the frozen search of
// numbered::v1, never the game's own solver, so that no change to that one
// moves a number.
inline constexpr int kNumberedAttempts = numbered::v1::kAttempts;
// Whether numberedShuffle(number, attempt) is proved winnable under rules.
SolveResult checkNumberedShuffle(std::uint32_t number, int attempt, const DealRules& rules,
                                 const std::atomic<bool>* stop = nullptr);

// The deal a number names: the first of numberedShuffle(number, 1), (number,
// 2), ... up to kNumberedAttempts that checkNumberedShuffle proves winnable,
// else the last one, unverified. number must lie in
// kFirstDealNumber...kLastDealNumber.
NumberedDeal findNumberedDeal(std::uint32_t number, const DealRules& rules, const std::atomic<bool>* stop = nullptr);

// Today's Deal: the deal number of a calendar date (proleptic Gregorian;
// month 1-12, day 1-31, a valid date), the same for every player and in every
// version. The date becomes its day count from 1970-01-01 (negative before);
// DealRandom seeded with that count, as a two's-complement 64-bit value, makes
// one draw, and the number is kFirstDealNumber + draw mod (2^31 - 1). The
// generator's mixing makes neighbouring days' numbers unrelated; the modulo's
// bias over a 64-bit draw is below 2^-32. Pinned by a golden table.
std::uint32_t dailyDealNumber(int year, int month, int day);
// Days from 1970-01-01 to the date (Howard Hinnant's days_from_civil).
std::int64_t daysFromCivil(std::int64_t year, int month, int day);

// Parses a deal number as a player types it: decimal digits only, within
// kFirstDealNumber...kLastDealNumber. Any number of leading zeros is allowed; signs,
// spaces and points are not.
std::optional<std::uint32_t> parseDealNumber(std::string_view text);

} // namespace murvane::solver
