#pragma once
// The words for the game's values, shared by the board and the screens:
// the pass counter, the line Copy Deal Code puts on the clipboard and the
// Play Deal dialog's messages. The engine speaks in values only.

#include "engine/DealOrigin.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace murvane {

class SolitaireGame;

// The pass counter under a pass limit, "Pass 2/3", and as read aloud,
// "Pass 2 of 3"; none without a limit.
std::optional<QString> passText(const SolitaireGame& game);
std::optional<QString> passDescription(const SolitaireGame& game);

// The line Copy Deal Code puts on the clipboard: the code, the number when
// there is one, and the rules it is played under ("Draw 3, Vegas, 3 passes").
QString dealShareLine(const DealOrigin& origin, std::int64_t drawCount, bool isVegas,
                      std::optional<std::int64_t> passesAllowed);

// Which deal this is, as the menu's deal line and the win card name it:
// "Today's Deal, 8 December" for a daily deal, "Deal 4242" for another
// numbered one, nothing for a shuffle or a code.
std::optional<QString> dealName(const DealOrigin& origin);
// "8 December", "8. Dezember": a day and its month in the application language.
QString dayAndMonth(const QDate& date);

// The message shown under the Play Deal field; empty for none.
QString dealInputMessage(DealInputError error);

// Elapsed time in whole seconds, "3:07" or "1:02:45", in the application
// language's digits and format.
QString durationText(std::int64_t milliseconds);
// The header's time and moves, "3:07 · 42 moves", and as read aloud.
QString timeAndMovesText(std::int64_t milliseconds, std::int64_t moves);
QString timeAndMovesDescription(std::int64_t milliseconds, std::int64_t moves);

} // namespace murvane
