#include "board/BoardContext.h"

#include "engine/SolitaireGame.h"

namespace murvane::board {

BoardInputState BoardContext::inputState() const
{
    const SolitaireGame& g = game();
    return BoardInputState{layer(), g.play().hasWon(), g.play().isAutoCompleting(), dragState().dragSource().has_value()};
}

} // namespace murvane::board
