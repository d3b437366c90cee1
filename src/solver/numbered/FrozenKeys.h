#pragma once
// Constants and terms of the solver's 128-bit position key (internal to the
// solver). Two independent 64-bit sums: a card is worth a constant per code
// (odd, face-up bit included) times the constant of its place, and place
// (pile, index) is worth a constant per pile plus index times a step, so a
// run that moves in order changes the key by the sum of its cards' constants
// times the difference of two places. Each foundation count and the recycle
// count add a constant per unit.

#include "FrozenSets.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace murvane::solver::numbered::v1::keys {

inline constexpr int kPlaces = 9 * 64; // pile * 64 + index, as in the pile store

struct Constants {
    std::array<PositionKey, 128> card{};
    std::array<PositionKey, kPlaces> place{};
    std::array<PositionKey, 4> home{};
    PositionKey pass;
};

constexpr std::uint64_t splitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr Constants makeConstants()
{
    Constants k;
    std::uint64_t seed = 0x5EED0001;
    for (auto& c : k.card)
        c = {splitMix(seed) | 1, splitMix(seed) | 1};
    const PositionKey step{splitMix(seed), splitMix(seed)};
    for (std::size_t pile = 0; pile < 9; ++pile) {
        const PositionKey base{splitMix(seed), splitMix(seed)};
        for (std::size_t i = 0; i < 64; ++i)
            k.place[pile * 64 + i] = {base.lo + i * step.lo, base.hi + i * step.hi};
    }
    for (auto& h : k.home)
        h = {splitMix(seed), splitMix(seed)};
    k.pass = {splitMix(seed), splitMix(seed)};
    return k;
}

inline constexpr Constants kConstants = makeConstants();

inline PositionKey times(const PositionKey& a, const PositionKey& b) { return {a.lo * b.lo, a.hi * b.hi}; }
inline const PositionKey& place(int at) { return kConstants.place[static_cast<std::size_t>(at)]; }
// What card code x contributes, before the place factor.
inline const PositionKey& cardValue(unsigned x) { return kConstants.card[x]; }
// Card x at place `at`.
inline PositionKey cardTerm(unsigned x, int at) { return times(cardValue(x), place(at)); }
// Cards worth `sum` (card values added up) moved from place `from` to place
// `to`, keeping their order.
inline PositionKey moveTerm(const PositionKey& sum, int from, int to) { return times(sum, place(to) - place(from)); }
// Face-down card x at place `at` turned face up.
inline PositionKey flipTerm(unsigned x, int at) { return times(cardValue(x | 0x40u) - cardValue(x), place(at)); }
inline const PositionKey& homeTerm(int suit) { return kConstants.home[static_cast<std::size_t>(suit)]; }
inline const PositionKey& passTerm() { return kConstants.pass; }

} // namespace murvane::solver::numbered::v1::keys
