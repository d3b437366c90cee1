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
    EXPECT_FALSE(game.session().newDealBreaksStreak());
    game.session().newDeal();
    game.session().newDeal();
    EXPECT_EQ(game.statistics().dealsCount(), 0);
    EXPECT_EQ(game.statistics().currentStreak(), 4);
}

TEST(StatisticsTest, AbandoningAStartedDealBreaksTheStreakButNotTheBest)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setInteger(keys::currentStreak, 4);
    store.setInteger(keys::bestStreak, 6);
    SolitaireGame game(store, false);
    game.play().drawFromStock(drag);
    EXPECT_EQ(game.statistics().dealsCount(), 1);
    EXPECT_EQ(store.integerForKey(keys::dealsCount), 1);
    EXPECT_TRUE(game.session().newDealBreaksStreak());
    game.session().newDeal();
    EXPECT_EQ(game.statistics().currentStreak(), 0);
    EXPECT_EQ(game.statistics().bestStreak(), 6);
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
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->play().score(), 650);
    EXPECT_EQ(game->statistics().bestScore(), 650);
    EXPECT_EQ(game->statistics().solvedCount(), 1);
    EXPECT_EQ(game->statistics().currentStreak(), 3);
    EXPECT_EQ(game->statistics().bestStreak(), 3);
    game->play().undo(drag);
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->statistics().solvedCount(), 1);
    EXPECT_EQ(game->statistics().currentStreak(), 3);
    // A won deal can be replaced without losing the streak.
    EXPECT_FALSE(game->session().newDealBreaksStreak());
    game->session().newDeal();
    EXPECT_EQ(game->statistics().currentStreak(), 3);
}

TEST(StatisticsTest, ResetClearsCountersAndHistoryButNotTheDeal)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::autoCompleteMode, "Disabled");
    for (const QString& key : {keys::dealsCount, keys::solvedCount, keys::currentStreak, keys::bestStreak,
                               keys::bestScore, keys::vegasBankroll})
        store.setInteger(key, 9);
    store.setString(keys::dailyPlayedDays, QStringLiteral("2026-12-01/2026-12-08"));
    store.setString(keys::dailyWonDays, QStringLiteral("2026-12-08"));
    auto game = loadGame(store, oneCardFromWinning());
    ASSERT_EQ(game->statistics().daily().daysPlayed(), 8);
    game->play().drawFromStock(drag); // nothing to draw: stays untouched
    game->play().move(DragSource::tableau(0, 0), MoveTarget::tableau(1));
    game->session().resetStatistics();
    for (const QString& key : {keys::dealsCount, keys::solvedCount, keys::currentStreak, keys::bestStreak,
                               keys::bestScore, keys::vegasBankroll})
        EXPECT_EQ(store.integerForKey(key), 0) << key.toStdString();
    for (const QString& key : {keys::dailyPlayedDays, keys::dailyWonDays})
        EXPECT_EQ(store.stringForKey(key), QString()) << key.toStdString();
    EXPECT_EQ(game->statistics().daily(), DailyRecord());
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_TRUE(game->session().hasStartedDeal());
    game->play().move(DragSource::tableau(1, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game->statistics().solvedCount(), 1);
    EXPECT_EQ(game->statistics().dealsCount(), 0);
}

// --- Settings -----------------------------------------------------------------------

TEST(SettingsTest, FreshInstallDefaults)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    EXPECT_EQ(game.settings().drawMode().count(), 1);
    EXPECT_TRUE(game.settings().unlimitedRedeals());
    EXPECT_EQ(game.settings().scoringMode(), ScoringMode::standard);
    EXPECT_EQ(game.settings().boardSize(), BoardSize::standard);
    EXPECT_EQ(game.settings().autoCompleteMode(), AutoCompleteMode::enabled);
    EXPECT_EQ(game.settings().menuBarIcon(), MenuBarIconOption::spade);
    EXPECT_EQ(game.settings().cardTheme(), CardBackTheme::onyx);
    EXPECT_FALSE(game.settings().showsCornerSuit());
    EXPECT_FALSE(game.settings().fourColourSuits());
    EXPECT_FALSE(game.settings().hasSeenWelcome());
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
    store.setRawValue(keys::fourColourSuits, QString("blue"));
    store.setRawValue(keys::dailyPlayedDays, 20261208);   // wrong type
    store.setRawValue(keys::dailyWonDays, QByteArray("\xff\x00"));
    SolitaireGame game(store, false);
    EXPECT_EQ(game.settings().drawMode().count(), 1);
    EXPECT_FALSE(game.settings().unlimitedRedeals());
    EXPECT_EQ(game.settings().cardTheme(), CardBackTheme::onyx);
    EXPECT_EQ(game.settings().scoringMode(), ScoringMode::standard);
    EXPECT_EQ(game.settings().boardSize(), BoardSize::standard);
    EXPECT_EQ(game.statistics().dealsCount(), 0);
    EXPECT_FALSE(game.settings().fourColourSuits());
    EXPECT_EQ(game.statistics().daily(), DailyRecord());
    store.removeObject(keys::unlimitedRedeals);
    SolitaireGame again(store, false);
    EXPECT_TRUE(again.settings().unlimitedRedeals());
}

TEST(SettingsTest, WriteThroughAndNewDealRules)
{
    InMemorySettingsStore store;
    DragState drag;
    SolitaireGame game(store, false);
    game.play().drawFromStock(drag); // start the deal so a new one is visible
    auto dealt = [&] { return game.play().history().undoSteps().isEmpty(); };

    // Same scoring mode: no write, no deal.
    const int before = store.writeCount(keys::scoringMode);
    game.settings().setScoringMode(ScoringMode::standard);
    EXPECT_EQ(store.writeCount(keys::scoringMode), before);
    EXPECT_FALSE(dealt());

    // Draw count without a pass limit: written, game kept.
    game.settings().setDrawMode(DrawMode::fromCount(3));
    EXPECT_EQ(store.integerForKey(keys::drawCount), 3);
    EXPECT_FALSE(dealt());
    game.settings().setDrawMode(DrawMode::fromCount(3)); // written on every assignment
    EXPECT_EQ(store.writeCount(keys::drawCount), 2);

    // Redeals in Standard: written, game kept.
    game.settings().setUnlimitedRedeals(false);
    EXPECT_FALSE(store.boolForKey(keys::unlimitedRedeals));
    EXPECT_TRUE(store.hasObjectForKey(keys::unlimitedRedeals));
    EXPECT_FALSE(dealt());

    // Scoring mode change deals (Vegas, limited).
    game.settings().setScoringMode(ScoringMode::vegas);
    EXPECT_EQ(store.stringForKey(keys::scoringMode), "Vegas");
    EXPECT_TRUE(dealt());
    EXPECT_EQ(game.play().score(), -52);
    EXPECT_EQ(game.settings().dealRules(), DealRules::drawThreeLimited());

    // Draw count under the limit deals.
    game.play().drawFromStock(drag);
    game.settings().setDrawMode(DrawMode::fromCount(1));
    EXPECT_TRUE(dealt());
    EXPECT_EQ(game.settings().dealRules(), DealRules::drawOneLimited());

    // Redeals in Vegas deal.
    game.play().drawFromStock(drag);
    game.settings().setUnlimitedRedeals(true);
    EXPECT_TRUE(dealt());
    EXPECT_EQ(game.settings().dealRules(), DealRules::unlimited());

    // Cosmetic settings never deal.
    game.play().drawFromStock(drag);
    game.settings().setCardTheme(CardBackTheme::blueprint);
    game.settings().setBoardSize(BoardSize::large);
    game.settings().setShowsCornerSuit(true);
    game.settings().setFourColourSuits(true);
    game.settings().setMenuBarIcon(MenuBarIconOption::cardFan);
    game.settings().setAutoCompleteMode(AutoCompleteMode::disabled);
    game.settings().setHasSeenWelcome(true);
    EXPECT_FALSE(dealt());
    EXPECT_EQ(store.stringForKey(keys::cardTheme), "Blueprint");
    EXPECT_EQ(store.stringForKey(keys::boardSize), "Large");
    EXPECT_EQ(store.stringForKey(keys::menuBarIcon), "Card Fan");
    EXPECT_EQ(store.stringForKey(keys::autoCompleteMode), "Disabled");
    EXPECT_TRUE(store.boolForKey(keys::showsCornerSuit));
    EXPECT_TRUE(store.boolForKey(keys::fourColourSuits));
    EXPECT_TRUE(store.boolForKey(keys::hasSeenWelcome));

    SolitaireGame reread(store, false);
    EXPECT_EQ(reread.settings().cardTheme(), CardBackTheme::blueprint);
    EXPECT_EQ(reread.settings().boardSize(), BoardSize::large);
    EXPECT_EQ(reread.settings().menuBarIcon(), MenuBarIconOption::cardFan);
    EXPECT_EQ(reread.settings().scoringMode(), ScoringMode::vegas);
    EXPECT_TRUE(reread.settings().fourColourSuits());
}

TEST(SettingsTest, ObserversHearOnlyRealChanges)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    QSignalSpy theme(&game.settings(), &GameSettings::cardThemeChanged);
    game.settings().setCardTheme(CardBackTheme::onyx);
    EXPECT_EQ(theme.count(), 0);
    game.settings().setCardTheme(CardBackTheme::neon);
    EXPECT_EQ(theme.count(), 1);
    QSignalSpy score(&game.play(), &GamePlay::scoreChanged);
    game.session().newDeal(); // score stays 0
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
    game.play().drawFromStock(drag);
    game.play().drawFromStock(drag);
    game.session().newDeal();
    EXPECT_EQ(game.play().score(), -52);
    EXPECT_TRUE(game.play().history().undoSteps().isEmpty());
    EXPECT_TRUE(game.play().waste().isEmpty());
    EXPECT_EQ(game.play().redealsUsed(), 0);
    EXPECT_FALSE(game.session().hasStartedDeal());
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
    game->play().move(DragSource::tableau(0, 0), MoveTarget::tableau(1));
    EXPECT_EQ(store.writeCount(keys::savedGame), before);
    drainEvents();
    EXPECT_EQ(store.writeCount(keys::savedGame), before + 1);
    game->play().move(DragSource::tableau(1, 0), MoveTarget::foundation(3));
    ASSERT_TRUE(game->play().hasWon());
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
            game.play().drawFromStock(drag);
        drainEvents();
        const SavedGame saved = game.makeSavedGame();
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
        EXPECT_TRUE(same(game.play().stock(), restored.play().stock()));
        EXPECT_TRUE(same(game.play().waste(), restored.play().waste()));
        for (int c = 0; c < kColumnCount; ++c)
            EXPECT_TRUE(same(game.play().tableau()[c], restored.play().tableau()[c]));
        EXPECT_EQ(restored.play().score(), game.play().score());
        EXPECT_EQ(restored.play().redealsUsed(), game.play().redealsUsed());
        EXPECT_TRUE(restored.session().hasStartedDeal());
        EXPECT_TRUE(restored.play().history().undoSteps().isEmpty());
        EXPECT_EQ(restored.statistics().dealsCount(), 1); // not counted again
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
        game.play().drawFromStock(drag);
        EXPECT_TRUE(game.isSaveScheduled());
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
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3)); // counts, charges, pays, credits
    EXPECT_EQ(game->statistics().dealsCount(), max);
    EXPECT_EQ(game->statistics().vegasBankroll(), max - 52 + 5);
    store.setInteger(keys::vegasBankroll, std::numeric_limits<std::int64_t>::min());
    store.removeObject(keys::savedGame);
    SolitaireGame poor(store, false);
    poor.play().drawFromStock(drag);
    EXPECT_EQ(poor.statistics().vegasBankroll(), GameStatistics::kVegasBankrollFloor);
}
