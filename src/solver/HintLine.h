#pragma once
// Shortening a winning line the hint search found (inside the solver library
// only): the search finds a win, not the shortest one, and a player should
// not be sent through moves the win does without.

#include "solver/HintState.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace murvane::solver::hint {

// A line step named by the card it moves, not by where that card lies, so
// that cutting an earlier step leaves the later ones meaning the same: "the
// Nine of Spades to column 4" moves the Nine from wherever it is then, and
// does nothing when it is already there.
struct Step {
    enum class Kind : std::uint8_t { draw, recycle, home, column };
    Kind kind = Kind::draw;
    int card = 0; // card index, home and column
    int toColumn = 0;
};

// The step a legal move makes, named by its card.
Step stepOf(const State& s, const HintMove& m);

// Cuts out every step, and every pass through the stock with nothing
// played from it, that the win does without. Cutting a card's step lets its
// next step move it from where it was before: a card moved and moved
// straight back loses both moves, a card sent home and taken back down
// becomes one column move, and a card taken from the foundation that the
// win does not need stays there. Each cut is kept only when the rest still
// plays out to the win.
std::vector<HintMove> shorten(const State& start, const std::vector<HintMove>& line, const std::atomic<bool>* stop);

} // namespace murvane::solver::hint
