// The one move path, and the user operations that choose a move for it.

#include "engine/GamePlay.h"

#include <algorithm>
#include <utility>

namespace murvane {

// --- The move path -----------------------------------------------------------------

std::optional<MoveRecord> GamePlay::move(const DragSource& source, const MoveTarget& target)
{
    // While won nothing moves; an auto-complete run moves its own cards
    // (autoCompleteStep) and nothing else.
    if (!takesMoves())
        return std::nullopt;
    std::optional<Pile> moving = playableCards(source, target);
    if (!moving)
        return std::nullopt;
    // Bookkeeping first, so the snapshot already includes the deal start.
    markDealStarted();
    pushUndoSnapshot();
    MoveRecord record = transfer(source, target, std::move(*moving));
    record.flippedColumns = flipExposedCards();
    checkForWin();
    report(record);
    startAutoCompleteIfPossible();
    return record;
}

std::optional<Pile> GamePlay::playableCards(const DragSource& source, const MoveTarget& target) const
{
    Pile moving = moves::cardsFor(table(), source);
    if (!moves::isPlayable(table(), source, moving, target))
        return std::nullopt;
    return moving;
}

// Takes the cards off their pile, puts them on the target and scores the
// move. Callers have checked the move with playableCards().
MoveRecord GamePlay::transfer(const DragSource& source, const MoveTarget& target, Pile moving)
{
    MoveRecord record;
    record.cards = std::move(moving);
    record.source = source;
    record.target = target;
    Tableau columns = tableau_;
    switch (source.kind) {
    case DragSource::Kind::waste: {
        Pile w = waste_;
        w.removeLast();
        setWaste(w);
        break;
    }
    case DragSource::Kind::foundation: {
        Foundations f = foundations_;
        f[source.index].removeLast();
        setFoundations(f);
        break;
    }
    case DragSource::Kind::tableau:
        columns[source.index].resize(source.startIndex);
        break;
    }
    if (target.kind == MoveTarget::Kind::tableau) {
        columns[target.index].append(record.cards);
        setTableau(columns);
        if (source.kind == DragSource::Kind::foundation)
            scoreFoundationToTableau();
        else if (source.kind == DragSource::Kind::waste)
            scoreWasteToTableau();
        return record;
    }
    if (source.kind == DragSource::Kind::tableau)
        setTableau(columns);
    Foundations f = foundations_;
    f[target.index].append(record.cards.first());
    setFoundations(f);
    // A card moved between foundations was credited when it first went up.
    if (source.kind != DragSource::Kind::foundation)
        scoreFoundationMove();
    return record;
}

QList<int> GamePlay::flipExposedCards()
{
    QList<int> flipped;
    for (int c = 0; c < kColumnCount; ++c) {
        if (tableau_[c].isEmpty() || tableau_[c].last().isFaceUp)
            continue;
        Tableau t = tableau_;
        t[c].last().isFaceUp = true;
        setTableau(t);
        scoreFlip();
        flipped.append(c);
    }
    return flipped;
}

// --- Asking for a move -----------------------------------------------------------

// Never while the game is won or auto-completing: such a request leaves the
// drag alone too.
void GamePlay::moveIfLegal(const DragSource& source, const MoveTarget& target, DragState& drag)
{
    if (!takesMoves() || !moves::legalTargets(table(), source).contains(target))
        return;
    drag.clear();
    move(source, target);
}

void moveFocusedPile(GamePlay& game, const BoardFocus& focus, int toColumn, DragState& drag)
{
    if (const auto source = moves::sourceForFocus(game.table(), focus, toColumn))
        game.moveIfLegal(*source, MoveTarget::tableau(toColumn), drag);
}

void GamePlay::moveToBestSpot(const Card& card, DragState& drag)
{
    if (hasWon_)
        return;
    cancelAutoComplete();
    drag.clear();
    if (const auto chosen = moves::bestSpot(table(), card.id))
        move(chosen->source, chosen->target);
}

void GamePlay::dropDraggedCards(const QHash<DropSlot, QRectF>& slotFrames, DragState& drag, QPointF point)
{
    if (hasWon_) {
        drag.clear();
        return;
    }
    cancelAutoComplete();
    const std::optional<DragSource> source = drag.dragSource();
    if (!source)
        return;
    drag.clear();
    if (moves::cardsFor(table(), *source).isEmpty())
        return;
    if (const auto target = moves::dropTarget(table(), *source, slotFrames, point)) {
        move(*source, *target);
        return; // no haptic engine on this platform
    }
    // Nowhere to land: the cards stay, and the usual tail still runs.
    MoveRecord flips;
    flips.kind = MoveRecord::Kind::flip;
    flips.flippedColumns = flipExposedCards();
    checkForWin();
    if (!flips.flippedColumns.isEmpty())
        report(flips);
    startAutoCompleteIfPossible();
}

} // namespace murvane
