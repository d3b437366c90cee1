#pragma once
// Whether a deck the readers hand back is a whole deck: 52 distinct cards,
// known suits, ranks Ace to King.

#include "solver/Deals.h"

#include <bitset>

namespace murvane::fuzz {

inline bool isWholeDeck(const solver::Deck& deck)
{
    std::bitset<4 * 13> seen;
    for (const solver::SolverCard& card : deck) {
        if (card.suitIndex > 3 || card.rank < 1 || card.rank > 13)
            return false;
        seen.set(std::size_t(card.suitIndex * 13 + card.rank - 1));
    }
    return seen.all();
}

inline bool sameDeck(const solver::Deck& a, const solver::Deck& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].suitIndex != b[i].suitIndex || a[i].rank != b[i].rank)
            return false;
    return true;
}

} // namespace murvane::fuzz
