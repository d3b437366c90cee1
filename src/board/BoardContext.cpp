#include "board/BoardContext.h"

#include "engine/DealOrigin.h"
#include "engine/SolitaireGame.h"

namespace murvane::board {

BoardInputState BoardContext::inputState() const
{
    const SolitaireGame& g = game();
    return BoardInputState{layer(), g.play().hasWon(), g.play().isAutoCompleting(), dragState().dragSource().has_value(),
                           g.watch().isWatching(), g.session().isDealing()};
}

bool BoardContext::canRestartDeal() const
{
    return takesInput(InputChannel::restartDeal) && game().session().canRestartDeal();
}

bool BoardContext::canCopyDealCode() const
{
    // A deal restored without its layout has no code to share.
    return takesInput(InputChannel::copyDealCode) && !dealCode(game().session().origin()).isEmpty();
}

} // namespace murvane::board
