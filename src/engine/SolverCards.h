#pragma once
// The one conversion between the game's cards and the solver's, both ways.
#include "cards/Card.h"
#include "solver/Deals.h"

#include <vector>

namespace murvane {

// A rank outside Ace...King becomes 0, which the solver refuses as no card,
// so a bad value can never pass as another card by narrowing.
inline std::vector<solver::SolverCard> toSolverCards(const Pile& pile)
{
    std::vector<solver::SolverCard> out;
    out.reserve(std::size_t(pile.size()));
    for (const Card& c : pile) {
        const bool rankOk = c.rank >= kAce && c.rank <= kKing;
        out.push_back({std::uint8_t(suitIndex(c.suit)), std::uint8_t(rankOk ? c.rank : 0), c.isFaceUp});
    }
    return out;
}

// New cards (fresh ids) for the solver's.
inline Pile fromSolverCards(const std::vector<solver::SolverCard>& cards)
{
    Pile out;
    out.reserve(qsizetype(cards.size()));
    for (const solver::SolverCard& c : cards)
        out.append(Card::make(kAllSuits[c.suitIndex & 3], c.rank, c.isFaceUp));
    return out;
}

inline solver::DealLayout toSolverLayout(const Tableau& tableau, const Pile& stock)
{
    solver::DealLayout layout;
    for (int c = 0; c < kColumnCount; ++c)
        layout.tableau[std::size_t(c)] = toSolverCards(tableau[c]);
    layout.stock = toSolverCards(stock);
    return layout;
}

} // namespace murvane
