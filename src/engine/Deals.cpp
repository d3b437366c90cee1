// New deals from the operating system's random source, verified by the solver.

#include "engine/Deal.h"

#include "engine/SolverCards.h"

#include <QRandomGenerator>

#include <array>

namespace murvane {

namespace {

// Unbiased draws in 0..<bound from the operating system's random source,
// fetched in blocks so one shuffle costs one system call.
class SystemRandom {
public:
    std::uint32_t below(std::uint32_t bound)
    {
        return solver::uniformBelow(bound, [this] { return next(); });
    }

private:
    std::uint32_t next()
    {
        if (used_ == buffer_.size()) {
            QRandomGenerator::system()->fillRange(buffer_.data(), qsizetype(buffer_.size()));
            used_ = 0;
        }
        return buffer_[used_++];
    }
    std::array<std::uint32_t, 64> buffer_{};
    std::size_t used_ = 64;
};

} // namespace

solver::Deck shuffledDeck()
{
    SystemRandom random;
    solver::Deck deck = solver::orderedDeck();
    solver::shuffleDeck(deck, random);
    return deck;
}

Layout layoutOf(const solver::Deck& deck)
{
    const solver::DealLayout dealt = solver::dealLayout(deck);
    Layout layout;
    for (int c = 0; c < kColumnCount; ++c)
        layout.tableau[c] = fromSolverCards(dealt.tableau[std::size_t(c)]);
    layout.stock = fromSolverCards(dealt.stock);
    return layout;
}

Layout makeShuffledDeal()
{
    return layoutOf(shuffledDeck());
}

Deal findVerifiedDeal(const DealRules& rules, const std::atomic<bool>* cancelled)
{
    const solver::VerifiedShuffle found = solver::firstWinnableShuffle(
        rules, [](int) { return shuffledDeck(); }, solver::kDefaultMaxNodes, solver::kDealAttempts, cancelled);
    Layout layout = layoutOf(found.deck);
    return Deal{std::move(layout.tableau), std::move(layout.stock), found.attempt, found.isVerified};
}

} // namespace murvane
