#pragma once
// The game's position as the hint and the lost-game check take it, read the
// way the board reads it.

#include "engine/HintFinder.h"
#include "engine/SolitaireGame.h"

namespace murvane::testing {

inline solver::HintPosition hintPositionNow(const SolitaireGame& game)
{
    const std::optional<std::int64_t> passes = game.settings().dealRules().maxRecycles;
    return hintPositionOf(game.play().table(), game.settings().drawMode().count(),
                          passes ? std::optional(*passes - game.play().redealsUsed()) : std::nullopt);
}

// Whether the board has the lost-game check run for the game's position.
inline bool checksForLoss(const SolitaireGame& game)
{
    return game.settings().tellsWhenLost() && !game.play().hasWon() && !game.play().isAutoCompleting();
}

} // namespace murvane::testing
