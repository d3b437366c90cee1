#include "engine/DealOrigin.h"

#include "engine/Deal.h"
#include "engine/SolverCards.h"

#include "solver/DealCode.h"
#include "solver/DealNumbers.h"

#include <algorithm>

namespace murvane {

DealInput readDealInput(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {std::nullopt, DealInputError::empty};
    const std::string utf8 = trimmed.toStdString();
    // Anything that reads as a whole number, signed or not, is taken as a
    // number; only numbers in range deal.
    bool isNumber = false;
    (void)trimmed.toLongLong(&isNumber);
    const bool allDigits = std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (isNumber || allDigits) {
        if (const auto number = solver::parseDealNumber(utf8))
            return {DealRequest{*number, std::nullopt}, DealInputError::none};
        return {std::nullopt, DealInputError::numberOutOfRange};
    }
    const solver::DealCodeParse code = solver::parseDealCode(utf8);
    if (code.deck)
        return {DealRequest{std::nullopt, *code.deck}, DealInputError::none};
    return {std::nullopt,
            code.error == solver::DealCodeError::mistyped ? DealInputError::mistypedCode : DealInputError::notADeal};
}

DealOrigin dealtFrom(const solver::Deck& deck)
{
    Layout layout = layoutOf(deck);
    return DealOrigin{std::move(layout.tableau), std::move(layout.stock), std::nullopt, 0};
}

QString dealCode(const DealOrigin& origin)
{
    if (!origin.isKnown())
        return {};
    const std::optional<solver::Deck> deck = solver::deckOfLayout(toSolverLayout(origin.tableau, origin.stock));
    return deck ? QString::fromStdString(solver::encodeDealCode(*deck)) : QString();
}

} // namespace murvane
