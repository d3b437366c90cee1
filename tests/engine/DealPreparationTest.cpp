// Verified deals: the rule-set keys, the prepared-deal cache and its refill.

#include "support/Positions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Runs the event loop until the game has stopped preparing, or 60 s pass.
bool waitUntilPrepared(SolitaireGame& game)
{
    QElapsedTimer clock;
    clock.start();
    while (!game.preparingRules().isEmpty() && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return game.preparingRules().isEmpty();
}

bool isValidLayout(const SolitaireGame& game)
{
    for (int c = 0; c < kColumnCount; ++c) {
        const Pile& col = game.tableau()[c];
        if (col.size() != c + 1)
            return false;
        for (int i = 0; i <= c; ++i)
            if (col[i].isFaceUp != (i == c))
                return false;
    }
    return game.stock().size() == 24 && invariantsHold(game);
}

} // namespace

TEST(DealRulesTest, KeysFollowThePassLimit)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    EXPECT_EQ(game.currentDealRules(), DealRules::unlimited());
    game.setDrawCount(3);
    EXPECT_EQ(game.currentDealRules(), DealRules::unlimited()); // both draws share a key
    game.setScoringMode(ScoringMode::vegas);
    EXPECT_EQ(game.currentDealRules(), DealRules::unlimited()); // unlimited redeals still on
    game.setUnlimitedRedeals(false);
    EXPECT_EQ(game.currentDealRules(), (DealRules{3, 2}));
    game.setDrawCount(1);
    EXPECT_EQ(game.currentDealRules(), (DealRules{1, 0}));
}

TEST(DealPreparationTest, WithoutVerificationNothingIsPrepared)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    game.newDeal();
    game.prepareUpcomingDeals();
    EXPECT_TRUE(game.preparedDeals().isEmpty());
    EXPECT_TRUE(game.preparingRules().isEmpty());
    EXPECT_TRUE(isValidLayout(game));
}

TEST(DealPreparationTest, OneDealPerRuleSetIsPreparedAndTakingOneStartsItsReplacement)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, true);
    EXPECT_TRUE(isValidLayout(game));
    // All three rule sets are in the works right after the first deal.
    EXPECT_EQ(game.preparingRules().size() + game.preparedDeals().size(), 3);
    ASSERT_TRUE(waitUntilPrepared(game));
    ASSERT_EQ(game.preparedDeals().size(), 3);
    for (const auto& deal : game.preparedDeals()) {
        EXPECT_GE(deal.attempts, 1);
        EXPECT_LE(deal.attempts, SolitaireGame::kDealAttempts);
    }
    const Card prepared = game.preparedDeals().value(DealRules::unlimited()).tableau[0][0];
    game.newDeal();
    EXPECT_EQ(game.tableau()[0][0].id, prepared.id); // the prepared deal was installed
    EXPECT_TRUE(game.preparingRules().contains(DealRules::unlimited()));
    EXPECT_FALSE(game.preparedDeals().contains(DealRules::unlimited()));
    // A second new deal right away finds one synchronously.
    game.newDeal();
    EXPECT_TRUE(isValidLayout(game));
    ASSERT_TRUE(waitUntilPrepared(game));
    EXPECT_TRUE(game.preparedDeals().contains(DealRules::unlimited()));
}

TEST(DealPreparationTest, DestroyingTheGameWhilePreparingStoresNothingAndDoesNotCrash)
{
    for (int i = 0; i < 5; ++i) {
        InMemorySettingsStore store;
        auto game = std::make_unique<SolitaireGame>(store, true);
        EXPECT_FALSE(game->preparingRules().isEmpty());
        game.reset();
        // Results that arrive now find no game.
        QCoreApplication::processEvents();
    }
    QThread::msleep(50);
    QCoreApplication::processEvents();
    SUCCEED();
}

TEST(DealPreparationTest, VerifiedDealsAreWinnableLayouts)
{
    for (const DealRules& rules : {DealRules::unlimited(), DealRules::drawOneLimited(), DealRules::drawThreeLimited()}) {
        const auto deal = SolitaireGame::findVerifiedDeal(rules);
        EXPECT_GE(deal.attempts, 1);
        EXPECT_EQ(deal.stock.size(), 24);
        if (deal.attempts < SolitaireGame::kDealAttempts) {
            EXPECT_TRUE(deal.isVerified);
        }
    }
}
