#include "board/InputGate.h"

namespace murvane::board {

bool inputTaken(InputChannel channel, const BoardInputState& state)
{
    // A dialog or a screen owns every input; the board underneath takes none.
    if (state.layer != BoardLayer::board)
        return false;
    // Under a watch the board is the game's. Whatever stops a watch has
    // stopped it before asking here, so what asks now is refused.
    if (state.watching)
        return false;
    switch (channel) {
    case InputChannel::focusKey:
    case InputChannel::openLayer: // a new deal or a screen ends a drag or a run
    case InputChannel::copyDealCode:
        return true;
    case InputChannel::undoRedo:    // an undo under a drag drops the stale drag
    case InputChannel::restartDeal: // so does a restart, which also ends a run
        return !state.dealing;
    case InputChannel::pointer:
        // A drag is the pointer's own; the cards of a run are the engine's.
        return !state.autoCompleting && !state.dealing;
    case InputChannel::playKey:
    case InputChannel::digitKey:
    case InputChannel::accessibilityAction:
        return !state.autoCompleting && !state.dragging && !state.dealing;
    case InputChannel::hint:
        // A won game has nothing left to hint.
        return !state.autoCompleting && !state.dragging && !state.won && !state.dealing;
    case InputChannel::playAgain:
        // No confirmation: only a won game offers it, and nothing is abandoned.
        return state.won;
    }
    return false;
}

bool keyTaken(InputChannel channel, const BoardInputState& state)
{
    if (channel == InputChannel::digitKey)
        return inputTaken(channel, state);
    return state.layer == BoardLayer::board;
}

} // namespace murvane::board
