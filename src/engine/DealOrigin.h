#pragma once
// Which deal is being played: the layout as it was dealt (for Restart Deal
// and the deal code) and its number when it was played by number. Also the
// player's typed request for a particular deal.

#include "cards/Card.h"

#include "solver/DealText.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

namespace murvane {

struct DealOrigin {
    Tableau tableau;                    // as dealt: only each column's top card face up
    Pile stock;                         // as dealt: 24 face-down cards, last = top
    std::optional<std::uint32_t> number; // when played by number
    // The bankroll right after the deal's (latest) ante was charged. Kept in
    // the saved game, where earlier builds restart to it; this one charges a
    // Vegas restart anew from the bankroll as it stands.
    std::int64_t openingBankroll = 0;
    // The calendar day whose Today's Deal this is (it has that day's
    // number); the day counts in the daily record, whenever it is played.
    std::optional<QDate> dailyDate{};

    // False for a deal restored from a record written before the dealt
    // layout was saved: such a deal can be neither restarted nor shared.
    bool isKnown() const { return !stock.isEmpty(); }
};

// A particular deal to play: a number (dealt under the current rules) or an
// exact layout (from a code).
struct DealRequest {
    std::optional<std::uint32_t> number;
    std::optional<solver::Deck> deck;
    // With a number: the day whose Today's Deal it is.
    std::optional<QDate> dailyDate{};
};

enum class DealInputError {
    none,
    empty,
    numberOutOfRange,
    notADeal,
    mistypedCode,
    incompleteCode, // the start of a code, or a code with characters missing
};

struct DealInput {
    std::optional<DealRequest> request;
    DealInputError error = DealInputError::none;
};

// What the player typed or pasted in Play Deal: surrounding spaces are
// ignored; digits are a number (1 to 2147483647, any leading zeros) unless
// there are as many as a code has symbols; else a deal code, bare or in a
// line around it such as Copy Deal Code writes in any language. A line that
// names a number after its code (before the bracketed rules) deals the
// number, under the current rules; otherwise the code's exact layout.
DealInput readDealInput(const QString& text);

// The layout a deck deals, with new cards.
DealOrigin dealtFrom(const solver::Deck& deck);
// The deal's code ("K7Q2XM-…"), empty when the deal is not known.
QString dealCode(const DealOrigin& origin);

} // namespace murvane
