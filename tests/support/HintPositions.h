#pragma once
// Positions the hint and the lost-game check are tried on.

#include "engine/SolitaireGame.h"
#include "support/Positions.h"

namespace murvane::testing {

// Every top is a heart, no column is empty, the aces are buried: lost. With
// the King of Diamonds left over (so in the stock) it can still be drawn and
// sent home, which changes the piles and leaves the game lost.
inline Position heartsOnTop(bool kingOfDiamondsInStock)
{
    Position p;
    p.tableau = {"-AS -2S -3S -4S -5S -6S KH", "-7S -8S -9S -TS -JS -QS QH", "-KS -AH -2H JH", "-3H TH", "-4H 9H",
                 "-5H 8H", "-6H 7H"};
    p.foundations = {"", "", kingOfDiamondsInStock ? "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD" : "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD",
                     "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
    return p;
}

} // namespace murvane::testing
