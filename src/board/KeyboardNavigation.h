#pragma once
// Playing the board from the keyboard: the arrow map between the two rows
// of piles, Space/Return on the focused pile, and the digits 1-7 that send
// the focused pile's movable cards to a column. The game decides every move;
// this only chooses which operation a key asks for.

#include "cards/Card.h"

#include <array>
#include <functional>
#include <optional>

class QKeyEvent;

namespace murvane::board {

class BoardContext;

enum class FocusMove { up, down, left, right };

// Stock, waste, foundations 0-3.
const std::array<BoardFocus, 6>& topRowFocusOrder();
// Columns 0-6.
const std::array<BoardFocus, 7>& bottomRowFocusOrder();

// Where an arrow takes the focus: the stock from nowhere, no wrap at a row's
// ends, and between rows the proportional index rounded half away from zero.
// Returns `from` unchanged when the move leads nowhere.
BoardFocus focusAfterMove(const std::optional<BoardFocus>& from, FocusMove move);

// Handles a key addressed to the board (arrows, Space, Return, digits, H,
// which calls `requestHint`). Returns false for keys the board passes on:
// those the input gate does not leave with it now (keyTaken), modified
// keys, unknown keys.
bool handleBoardKey(BoardContext& board, const QKeyEvent& event, const std::function<void()>& requestHint);

// Space/Return: draws, or sends the focused pile's top card to its best
// spot. Does nothing during auto-complete or a drag, or on a face-down card.
void playFocusedPile(BoardContext& board);

} // namespace murvane::board
