#pragma once
// The words of a hint, as the board's caption shows them and screen readers
// hear them: the engine hands over a value, the board says it.

#include "engine/HintFinder.h"

#include <QString>

namespace murvane::board {

// `table`: the piles the hint was found for (a move names its card).
QString hintText(const Hint& hint, const Table& table);

} // namespace murvane::board
