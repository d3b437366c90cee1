#pragma once
// The game's cards as the solver takes them.
#include "cards/Card.h"
#include "solver/Solver.h"

#include <vector>

namespace murvane {

inline std::vector<solver::SolverCard> toSolverCards(const Pile& pile)
{
    std::vector<solver::SolverCard> out;
    out.reserve(std::size_t(pile.size()));
    for (const Card& c : pile)
        out.push_back({std::uint8_t(suitIndex(c.suit)), std::uint8_t(c.rank), c.isFaceUp});
    return out;
}

} // namespace murvane
