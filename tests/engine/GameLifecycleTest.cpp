// Statistics and win crediting, settings write-through and rule changes,
// shuffled deals, save scheduling.

#include "support/Positions.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <set>

using namespace murvane;
using namespace murvane::testing;

namespace {

Position oneCardFromWinning()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KC", "", "", "", "", "", ""};
    return p;
}

void drainEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

TEST(StatisticsTest, UntouchedDealsDoNotCountOrBreakTheStreak)
{
    InMemorySettingsStore store;
    store.setInteger(keys::currentStreak, 4);
    SolitaireGame game(store, false);
    EXPECT_FALSE(game.newDealBreaksStreak());
    game.newDeal();
    game.newDeal();
    EXPECT_EQ(game.dealsCount(), 0);
    EXPECT_EQ(game.currentStreak(), 4);
}

TEST(StatisticsTest, AbandoningAStartedDealBreaksTheStreakButNotTheBest)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setInteger(keys::currentStreak, 4);
    store.setInteger(keys::bestStreak, 6);
    SolitaireGame game(store, false);
    game.drawFromStock(drag);
    EXPECT_EQ(game.dealsCount(), 1);
    EXPECT_EQ(store.integerForKey(keys::dealsCount), 1);
    EXPECT_TRUE(game.newDealBreaksStreak());
    game.newDeal();
    EXPECT_EQ(game.currentStreak(), 0);
    EXPECT_EQ(game.bestStreak(), 6);
    EXPECT_EQ(store.integerForKey(keys::currentStreak), 0);
}

TEST(StatisticsTest, WinIsCreditedOnceAndBestScoreKeepsTheMaximum)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::autoCompleteMode, "Disabled");
    store.setInteger(keys::bestScore, 208);
    store.setInteger(keys::currentStreak, 2);
    store.setInteger(keys::bestStreak, 2);
    Position p = oneCardFromWinning();
    p.score = 640;
    auto game = loadGame(store, p);
    game->move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->score(), 650);
    EXPECT_EQ(game->bestScore(), 650);
    EXPECT_EQ(game->solvedCount(), 1);
    EXPECT_EQ(game->currentStreak(), 3);
    EXPECT_EQ(game->bestStreak(), 3);
    game->undo(drag);
    game->move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->solvedCount(), 1);
    EXPECT_EQ(game->currentStreak(), 3);
    // A won deal can be replaced without losing the streak.
    EXPECT_FALSE(game->newDealBreaksStreak());
    game->newDeal();
    EXPECT_EQ(game->currentStreak(), 3);
}

TEST(StatisticsTest, ResetClearsCountersAndHistoryButNotTheDeal)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::autoCompleteMode, "Disabled");
    for (const QString& key : {keys::dealsCount, keys::solvedCount, keys::currentStreak, keys::bestStreak,
                               keys::bestScore, keys::vegasBankroll})
        store.setInteger(key, 9);
    auto game = loadGame(store, oneCardFromWinning());
    game->drawFromStock(drag); // nothing to draw: stays untouched
    game->move(DragSource::tableau(0, 0), MoveTarget::tableau(1));
    game->resetStatistics();
    for (const QString& key : {keys::dealsCount, keys::solvedCount, keys::currentStreak, keys::bestStreak,
                               keys::bestScore, keys::vegasBankroll})
        EXPECT_EQ(store.integerForKey(key), 0) << key.toStdString();
    EXPECT_TRUE(peer(*game).history().isEmpty());
    EXPECT_TRUE(peer(*game).hasStartedCurrentDeal());
    game->move(DragSource::tableau(1, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->solvedCount(), 1);
    EXPECT_EQ(game->dealsCount(), 0);
}

// --- Settings -----------------------------------------------------------------------

TEST(SettingsTest, FreshInstallDefaults)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    EXPECT_EQ(game.drawMode().count(), 1);
    EXPECT_TRUE(game.unlimitedRedeals());
    EXPECT_EQ(game.scoringMode(), ScoringMode::standard);
    EXPECT_EQ(game.boardSize(), BoardSize::standard);
    EXPECT_EQ(game.autoCompleteMode(), AutoCompleteMode::enabled);
    EXPECT_EQ(game.menuBarIcon(), MenuBarIconOption::spade);
    EXPECT_EQ(game.cardTheme(), CardBackTheme::onyx);
    EXPECT_FALSE(game.showsCornerSuit());
    EXPECT_FALSE(game.hasSeenWelcome());
}

TEST(SettingsTest, UnusableStoredValuesFallBack)
{
    InMemorySettingsStore store;
    store.setInteger(keys::drawCount, 2);
    store.setBool(keys::unlimitedRedeals, false);
    store.setString(keys::cardTheme, "Onyx slate");
    store.setString(keys::scoringMode, "vegas");
    store.setRawValue(keys::boardSize, 7);            // wrong type
    store.setRawValue(keys::dealsCount, QString("x")); // wrong type
    SolitaireGame game(store, false);
    EXPECT_EQ(game.drawMode().count(), 1);
    EXPECT_FALSE(game.unlimitedRedeals());
    EXPECT_EQ(game.cardTheme(), CardBackTheme::onyx);
    EXPECT_EQ(game.scoringMode(), ScoringMode::standard);
    EXPECT_EQ(game.boardSize(), BoardSize::standard);
    EXPECT_EQ(game.dealsCount(), 0);
    store.removeObject(keys::unlimitedRedeals);
    SolitaireGame again(store, false);
    EXPECT_TRUE(again.unlimitedRedeals());
}

TEST(SettingsTest, WriteThroughAndNewDealRules)
{
    InMemorySettingsStore store;
    DragState drag;
    SolitaireGame game(store, false);
    game.drawFromStock(drag); // start the deal so a new one is visible
    auto dealt = [&] { return peer(game).history().isEmpty(); };

    // Same scoring mode: no write, no deal.
    const int before = store.writeCount(keys::scoringMode);
    game.setScoringMode(ScoringMode::standard);
    EXPECT_EQ(store.writeCount(keys::scoringMode), before);
    EXPECT_FALSE(dealt());

    // Draw count without a pass limit: written, game kept.
    game.setDrawMode(DrawMode::fromCount(3));
    EXPECT_EQ(store.integerForKey(keys::drawCount), 3);
    EXPECT_FALSE(dealt());
    game.setDrawMode(DrawMode::fromCount(3)); // written on every assignment
    EXPECT_EQ(store.writeCount(keys::drawCount), 2);

    // Redeals in Standard: written, game kept.
    game.setUnlimitedRedeals(false);
    EXPECT_FALSE(store.boolForKey(keys::unlimitedRedeals));
    EXPECT_TRUE(store.hasObjectForKey(keys::unlimitedRedeals));
    EXPECT_FALSE(dealt());

    // Scoring mode change deals (Vegas, limited).
    game.setScoringMode(ScoringMode::vegas);
    EXPECT_EQ(store.stringForKey(keys::scoringMode), "Vegas");
    EXPECT_TRUE(dealt());
    EXPECT_EQ(game.score(), -52);
    EXPECT_EQ(game.currentDealRules(), DealRules::drawThreeLimited());

    // Draw count under the limit deals.
    game.drawFromStock(drag);
    game.setDrawMode(DrawMode::fromCount(1));
    EXPECT_TRUE(dealt());
    EXPECT_EQ(game.currentDealRules(), DealRules::drawOneLimited());

    // Redeals in Vegas deal.
    game.drawFromStock(drag);
    game.setUnlimitedRedeals(true);
    EXPECT_TRUE(dealt());
    EXPECT_EQ(game.currentDealRules(), DealRules::unlimited());

    // Cosmetic settings never deal.
    game.drawFromStock(drag);
    game.setCardTheme(CardBackTheme::blueprint);
    game.setBoardSize(BoardSize::large);
    game.setShowsCornerSuit(true);
    game.setMenuBarIcon(MenuBarIconOption::cardFan);
    game.setAutoCompleteMode(AutoCompleteMode::disabled);
    game.setHasSeenWelcome(true);
    EXPECT_FALSE(dealt());
    EXPECT_EQ(store.stringForKey(keys::cardTheme), "Blueprint");
    EXPECT_EQ(store.stringForKey(keys::boardSize), "Large");
    EXPECT_EQ(store.stringForKey(keys::menuBarIcon), "Card Fan");
    EXPECT_EQ(store.stringForKey(keys::autoCompleteMode), "Disabled");
    EXPECT_TRUE(store.boolForKey(keys::showsCornerSuit));
    EXPECT_TRUE(store.boolForKey(keys::hasSeenWelcome));

    SolitaireGame reread(store, false);
    EXPECT_EQ(reread.cardTheme(), CardBackTheme::blueprint);
    EXPECT_EQ(reread.boardSize(), BoardSize::large);
    EXPECT_EQ(reread.menuBarIcon(), MenuBarIconOption::cardFan);
    EXPECT_EQ(reread.scoringMode(), ScoringMode::vegas);
}

TEST(SettingsTest, ObserversHearOnlyRealChanges)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    QSignalSpy theme(&game, &SolitaireGame::cardThemeChanged);
    game.setCardTheme(CardBackTheme::onyx);
    EXPECT_EQ(theme.count(), 0);
    game.setCardTheme(CardBackTheme::neon);
    EXPECT_EQ(theme.count(), 1);
    QSignalSpy score(&game, &SolitaireGame::scoreChanged);
    game.newDeal(); // score stays 0
    EXPECT_EQ(score.count(), 0);
}

// --- Deals --------------------------------------------------------------------------------

TEST(DealTest, ShuffledLayoutsAreValidAndIdentitiesNeverRepeat)
{
    std::set<std::uint64_t> ids;
    for (int n = 0; n < 200; ++n) {
        const auto layout = makeShuffledDeal();
        std::set<std::pair<int, std::int64_t>> cards;
        for (int c = 0; c < kColumnCount; ++c) {
            ASSERT_EQ(layout.tableau[c].size(), c + 1);
            for (int i = 0; i <= c; ++i) {
                EXPECT_EQ(layout.tableau[c][i].isFaceUp, i == c);
                cards.insert({suitIndex(layout.tableau[c][i].suit), layout.tableau[c][i].rank});
                EXPECT_TRUE(ids.insert(layout.tableau[c][i].id.value).second);
            }
        }
        ASSERT_EQ(layout.stock.size(), 24);
        for (const Card& card : layout.stock) {
            EXPECT_FALSE(card.isFaceUp);
            cards.insert({suitIndex(card.suit), card.rank});
            EXPECT_TRUE(ids.insert(card.id.value).second);
        }
        EXPECT_EQ(cards.size(), 52u);
    }
}

TEST(DealTest, ShuffleIsNotBiasedTowardsTheStartingOrder)
{
    // Where does the Ace of Spades (first card of the new deck) end up? Over
    // 5200 deals each of the 52 positions should see it about 100 times.
    std::array<int, 52> counts{};
    for (int n = 0; n < 5200; ++n) {
        const auto layout = makeShuffledDeal();
        int position = 0;
        bool found = false;
        for (int c = 0; c < kColumnCount && !found; ++c)
            for (int i = 0; i <= c && !found; ++i, ++position)
                found = layout.tableau[c][i].suit == Suit::spades && layout.tableau[c][i].rank == 1;
        for (int i = 0; i < 24 && !found; ++i, ++position)
            found = layout.stock[i].suit == Suit::spades && layout.stock[i].rank == 1;
        ASSERT_TRUE(found);
        ++counts[position - 1];
    }
    double chi2 = 0;
    for (int c : counts)
        chi2 += (c - 100.0) * (c - 100.0) / 100.0;
    EXPECT_LT(chi2, 110.0); // 51 degrees of freedom; 110 is far beyond p = 0.0001
}

TEST(DealTest, NewDealResetsThePerDealState)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::scoringMode, "Vegas");
    SolitaireGame game(store, false);
    game.drawFromStock(drag);
    game.drawFromStock(drag);
    game.newDeal();
    EXPECT_EQ(game.score(), -52);
    EXPECT_TRUE(peer(game).history().isEmpty());
    EXPECT_TRUE(game.waste().isEmpty());
    EXPECT_EQ(game.redealsUsed(), 0);
    EXPECT_FALSE(peer(game).hasStartedCurrentDeal());
    EXPECT_TRUE(invariantsHold(game));
}

// --- Saving -----------------------------------------------------------------------------------

TEST(SaveTest, OneSavePerTurnAndWinRemovesTheRecord)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::autoCompleteMode, "Disabled");
    Position p = oneCardFromWinning();
    p.waste = "";
    auto game = loadGame(store, p);
    drainEvents();
    const int before = store.writeCount(keys::savedGame);
    // A move touches two piles and the score: one write after the turn.
    game->move(DragSource::tableau(0, 0), MoveTarget::tableau(1));
    EXPECT_EQ(store.writeCount(keys::savedGame), before);
    drainEvents();
    EXPECT_EQ(store.writeCount(keys::savedGame), before + 1);
    game->move(DragSource::tableau(1, 0), MoveTarget::foundation(3));
    ASSERT_TRUE(game->hasWon());
    drainEvents();
    EXPECT_FALSE(store.hasObjectForKey(keys::savedGame));
}

TEST(SaveTest, SavedGameRestoresIntoANewGameWithNewIdentities)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::scoringMode, "Vegas");
    store.setBool(keys::unlimitedRedeals, false);
    store.setInteger(keys::drawCount, 3);
    Pile stock;
    {
        SolitaireGame game(store, false);
        for (int i = 0; i < 9; ++i)
            game.drawFromStock(drag);
        drainEvents();
        const SavedGame saved = peer(game).makeSavedGame();
        EXPECT_EQ(saved.passesAllowed, 3);
        SolitaireGame restored(store, false);
        EXPECT_TRUE(invariantsHold(restored));
        auto same = [](const Pile& a, const Pile& b) {
            if (a.size() != b.size())
                return false;
            for (int i = 0; i < a.size(); ++i)
                if (a[i].suit != b[i].suit || a[i].rank != b[i].rank || a[i].isFaceUp != b[i].isFaceUp
                    || a[i].id == b[i].id)
                    return false;
            return true;
        };
        EXPECT_TRUE(same(game.stock(), restored.stock()));
        EXPECT_TRUE(same(game.waste(), restored.waste()));
        for (int c = 0; c < kColumnCount; ++c)
            EXPECT_TRUE(same(game.tableau()[c], restored.tableau()[c]));
        EXPECT_EQ(restored.score(), game.score());
        EXPECT_EQ(restored.redealsUsed(), game.redealsUsed());
        EXPECT_TRUE(peer(restored).hasStartedCurrentDeal());
        EXPECT_TRUE(peer(restored).history().isEmpty());
        EXPECT_EQ(restored.dealsCount(), 1); // not counted again
    }
}

TEST(SaveTest, GameDestroyedBeforeItsSaveRunsWritesNothing)
{
    InMemorySettingsStore store;
    DragState drag;
    {
        SolitaireGame game(store, false);
        drainEvents();
        store.removeObject(keys::savedGame);
        game.drawFromStock(drag);
        EXPECT_TRUE(peer(game).saveIsScheduled());
    }
    drainEvents();
    EXPECT_FALSE(store.hasObjectForKey(keys::savedGame));
}

TEST(StatisticsTest, ExtremeStoredCountersSaturateInsteadOfOverflowing)
{
    InMemorySettingsStore store;
    DragState drag;
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    store.setInteger(keys::dealsCount, max);
    store.setInteger(keys::vegasBankroll, max);
    store.setString(keys::scoringMode, "Vegas");
    store.setString(keys::autoCompleteMode, "Disabled");
    Position p = oneCardFromWinning();
    auto game = loadGame(store, p);
    store.setInteger(keys::solvedCount, max);
    game->move(DragSource::tableau(0, 0), MoveTarget::foundation(3)); // counts, charges, pays, credits
    EXPECT_EQ(game->dealsCount(), max);
    EXPECT_EQ(game->vegasBankroll(), max - 52 + 5);
    store.setInteger(keys::vegasBankroll, std::numeric_limits<std::int64_t>::min());
    store.removeObject(keys::savedGame);
    SolitaireGame poor(store, false);
    poor.drawFromStock(drag);
    EXPECT_EQ(poor.vegasBankroll(), SolitaireGame::kVegasBankrollFloor);
}
