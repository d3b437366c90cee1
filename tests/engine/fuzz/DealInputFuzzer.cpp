// libFuzzer target for the Play Deal input reader: whatever a player types or
// pastes is refused with a reason or read as exactly one request (a number in
// range or a whole deck), never a crash; the request written back the way
// the game shows it reads as the same request, and a deck deals 52 cards.

#include "PileCheck.h"
#include "solver/fuzz/DeckCheck.h"
#include "support/FuzzCheck.h"

#include "engine/DealOrigin.h"
#include "solver/DealCode.h"
#include "solver/DealNumbers.h"

#include <cstddef>
#include <cstdint>

using namespace murvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const DealInput input = readDealInput(text);
    FUZZ_REQUIRE(input.request.has_value() == (input.error == DealInputError::none));
    if (text.trimmed().isEmpty())
        FUZZ_REQUIRE(input.error == DealInputError::empty);
    if (!input.request)
        return 0;
    const DealRequest& request = *input.request;
    FUZZ_REQUIRE(request.number.has_value() != request.deck.has_value());

    if (request.number) {
        FUZZ_REQUIRE(*request.number >= solver::kFirstDealNumber && *request.number <= solver::kLastDealNumber);
        const DealInput again = readDealInput(QString::number(*request.number));
        FUZZ_REQUIRE(again.request && again.request->number == request.number);
        return 0;
    }

    FUZZ_REQUIRE(fuzz::isWholeDeck(*request.deck));
    const DealOrigin origin = dealtFrom(*request.deck);
    fuzz::DeckTally tally;
    tally.add(origin.stock);
    tally.addAll(origin.tableau);
    FUZZ_REQUIRE(tally.isWholeDeck() && origin.stock.size() == 24);
    const DealInput again = readDealInput(dealCode(origin));
    FUZZ_REQUIRE(again.request && again.request->deck && fuzz::sameDeck(*again.request->deck, *request.deck));
    return 0;
}
