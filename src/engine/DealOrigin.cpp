#include "engine/DealOrigin.h"

#include "engine/SolverCards.h"

#include "text/Localization.h"
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

QString dealInputMessage(DealInputError error)
{
    switch (error) {
    case DealInputError::none:
        return {};
    case DealInputError::empty:
    case DealInputError::notADeal:
        return localizedString(QStringLiteral("Enter a deal number from 1 to 2147483647, or a deal code."));
    case DealInputError::numberOutOfRange:
        return localizedString(QStringLiteral("Deal numbers run from 1 to 2147483647."));
    case DealInputError::mistypedCode:
        return localizedString(QStringLiteral("This deal code has a typing mistake. Check it and try again."));
    }
    return {};
}

DealOrigin dealtFrom(const solver::Deck& deck)
{
    const solver::DealLayout layout = solver::dealLayout(deck);
    auto pile = [](const std::vector<solver::SolverCard>& cards) {
        Pile out;
        out.reserve(qsizetype(cards.size()));
        for (const solver::SolverCard& c : cards)
            out.append(Card::make(kAllSuits[c.suitIndex], c.rank, c.isFaceUp));
        return out;
    };
    DealOrigin origin;
    for (int c = 0; c < kColumnCount; ++c)
        origin.tableau[c] = pile(layout.tableau[std::size_t(c)]);
    origin.stock = pile(layout.stock);
    return origin;
}

QString dealCode(const DealOrigin& origin)
{
    if (!origin.isKnown())
        return {};
    solver::DealLayout layout;
    for (int c = 0; c < kColumnCount; ++c)
        layout.tableau[std::size_t(c)] = toSolverCards(origin.tableau[c]);
    layout.stock = toSolverCards(origin.stock);
    const std::optional<solver::Deck> deck = solver::deckOfLayout(layout);
    return deck ? QString::fromStdString(solver::encodeDealCode(*deck)) : QString();
}

QString dealShareLine(const DealOrigin& origin, std::int64_t drawCount, bool isVegas,
                      std::optional<std::int64_t> passesAllowed)
{
    const QString draw = drawCount == 3 ? localizedString(QStringLiteral("Draw 3")) : localizedString(QStringLiteral("Draw 1"));
    const QString scoring = isVegas ? localizedString(QStringLiteral("Vegas")) : localizedString(QStringLiteral("Standard"));
    const QString passes = passesAllowed ? localizedPlural(QStringLiteral("%lld passes"), *passesAllowed)
                                         : localizedString(QStringLiteral("unlimited passes"));
    const QString rules = QStringLiteral("%1, %2, %3").arg(draw, scoring, passes);
    if (origin.number)
        return localizedString(QStringLiteral("Murvane Solitaire deal %1$@, number %2$lld (%3$@)"),
                               {dealCode(origin), std::int64_t(*origin.number), rules});
    return localizedString(QStringLiteral("Murvane Solitaire deal %1$@ (%2$@)"), {dealCode(origin), rules});
}

} // namespace murvane
