#pragma once
// What assistive technologies see of the board. The piles are widgets; the
// cards and empty-slot markers inside them are painted, so each pile's
// accessible interface lists them as child elements with their spoken
// labels, hints, default actions and one named action per legal target.
// Every element reads the game when asked, so a screen reader always hears
// the current piles, and every action asks the game again before it moves.

#include "board/BoardGeometry.h"
#include "cards/Card.h"

#include <QList>
#include <QString>

#include <optional>

namespace murvane {
class SolitaireGame;
} // namespace murvane

namespace murvane::board {

// One element of a pile as assistive technologies see it.
struct PileElement {
    enum class Kind { marker, faceDownGroup, card };
    Kind kind = Kind::marker;
    int index = -1; // the card's index in its pile; -1 for the marker
    CardId card;    // the card it stands for (the bottom card of a group)
    friend bool operator==(const PileElement&, const PileElement&) = default;
};

// The elements of a pile, bottom to top: the empty marker alone while the
// pile is empty; otherwise the shown cards (the waste's fanned cards, a
// foundation's top card, a column's face-up cards under one element for all
// of its face-down cards).
QList<PileElement> pileElements(const SolitaireGame& game, const PileId& pile);

// The cards of a pile (the stock's for the stock).
const Pile& pileCards(const SolitaireGame& game, const PileId& pile);
// "Double-tap to move to the best available spot."
QString defaultActionHint();

// "Stock pile. 21 cards remaining. Tap to draw. Pass 1 of 3."
QString stockLabel(const SolitaireGame& game);
// The spoken label of an element: the card's name, the face-down count of a
// column, or the empty marker's description.
QString elementLabel(const SolitaireGame& game, const PileId& pile, const PileElement& element);
// The hint of cards that the default action can send; empty otherwise.
QString elementHint(const SolitaireGame& game, const PileId& pile, const PileElement& element);
// "wasteTopCard", "wasteCard-0", "tableauCard-2-5", "foundation-1" ...
QString elementIdentifier(const SolitaireGame& game, const PileId& pile, const PileElement& element);

// The group a card element moves, if it can move at all.
std::optional<DragSource> elementSource(const SolitaireGame& game, const PileId& pile, const PileElement& element);
// True for the top card of the waste, a foundation or a column.
bool hasDefaultAction(const SolitaireGame& game, const PileId& pile, const PileElement& element);

// "Move to foundation", "Move to column 3", "Move to empty column 5".
QString moveActionName(const SolitaireGame& game, const MoveTarget& target);
// One name per legal target of the source, in the game's order.
QStringList moveActionNames(const SolitaireGame& game, const DragSource& source);

// Installs the factory for the board's interfaces; later calls do nothing.
void installBoardAccessibility();

} // namespace murvane::board
