#include "Deals.h"

namespace murvane::solver {

namespace {
constexpr int kColumns = 7;
constexpr std::array<std::string_view, kVerificationRules.size()> kVerificationRuleNames{
    "unlimited", "draw1-limited", "draw3-limited"};
} // namespace

Deck orderedDeck()
{
    Deck deck{};
    std::size_t i = 0;
    for (std::uint8_t suit = 0; suit < 4; ++suit)
        for (std::uint8_t rank = 1; rank <= 13; ++rank)
            deck[i++] = SolverCard{suit, rank, false};
    return deck;
}

DealLayout dealLayout(const Deck& deck)
{
    DealLayout layout;
    std::size_t remaining = deck.size();
    for (int col = 0; col < kColumns; ++col) {
        auto& column = layout.tableau[static_cast<std::size_t>(col)];
        for (int n = 0; n <= col; ++n) {
            SolverCard card = deck[--remaining];
            card.isFaceUp = (n == col);
            column.push_back(card);
        }
    }
    layout.stock.assign(deck.begin(), deck.begin() + static_cast<std::ptrdiff_t>(remaining));
    for (SolverCard& card : layout.stock)
        card.isFaceUp = false;
    return layout;
}

std::string_view rulesName(const DealRules& rules)
{
    for (std::size_t i = 0; i < kVerificationRules.size(); ++i)
        if (kVerificationRules[i] == rules)
            return kVerificationRuleNames[i];
    return "custom";
}

std::optional<DealRules> rulesNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kVerificationRules.size(); ++i)
        if (kVerificationRuleNames[i] == name)
            return kVerificationRules[i];
    return std::nullopt;
}

VerifiedShuffle firstWinnableShuffle(const DealRules& rules, const std::function<Deck(int attempt)>& shuffleFor,
                                     std::int64_t maxNodes, int attempts, const std::atomic<bool>* stop)
{
    VerifiedShuffle found;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        found.deck = shuffleFor(attempt);
        found.attempt = attempt;
        const DealLayout layout = dealLayout(found.deck);
        const SolveResult r = solve(layout.tableau, layout.stock, {}, {0, 0, 0, 0}, rules.drawCount, maxNodes,
                                    rules.maxRecycles, stop);
        found.nodes += r.nodes;
        found.isVerified = r.isWinnable;
        if (r.stopped) {
            found.stopped = true;
            break;
        }
        if (r.isWinnable)
            break;
    }
    return found;
}

} // namespace murvane::solver
