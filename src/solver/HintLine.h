#pragma once
// Shortening a winning line the hint search found (inside the solver library
// only): the search finds a win, not the shortest one, and a player should
// not be sent through moves the win does without.

#include "solver/HintState.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace murvane::solver::hint {

// A line step named by the cards it moves and lands on, not by where they
// lie, so that cutting an earlier step leaves the later ones meaning the
// same: "the Nine of Spades onto the Ten of Hearts" moves the Nine from
// wherever it is to wherever the Ten is, and does nothing when it is
// already there.
struct Step {
    enum class Kind : std::uint8_t { draw, recycle, home, column };
    Kind kind = Kind::draw;
    int card = 0;     // card index, home and column
    int onto = -1;    // column: the card index landed on, -1 an empty column
    int toColumn = 0; // column onto an empty one: which
};

// The step a legal move makes, named by its card.
Step stepOf(const State& s, const HintMove& m);

// First cuts every round trip the win does without: a card that leaves a
// face-up card and later comes back onto it, with its steps between (the
// cards played onto it meanwhile follow it, being named by the card they
// land on). Then cuts out every step, and every pass through the stock with
// nothing played from it, that the win does without. Cutting a card's step
// lets its next step move it from where it was before: a card moved and
// moved straight back loses both moves, a card sent home and taken back down
// becomes one column move, and a card taken from the foundation that the
// win does not need stays there. Each cut is kept only when the rest still
// plays out to the win.
std::vector<HintMove> shorten(const State& start, const std::vector<HintMove>& line, const std::atomic<bool>* stop);

} // namespace murvane::solver::hint
