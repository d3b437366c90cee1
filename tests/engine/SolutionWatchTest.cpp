// Watch Solution: the game plays its own winning line through the one move
// path, stops between two moves when asked, and the deal it touched is shown,
// never won, for good.

#include "support/HintPositions.h"
#include "support/Positions.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

// The pace is the board's; tests need not wait for it.
void hurry(SolitaireGame& game)
{
    game.watch().findChild<QTimer*>(QStringLiteral("solutionStepTimer"))->setInterval(1);
}

// Seven moves from the win, nothing hidden: JD, QD, QC, KC, KD, KH, KS home.
Position sevenFromHome()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC"};
    p.tableau = {"KC QD", "KH", "KD QC", "KS", "", "JD", ""};
    p.hasStartedCurrentDeal = true;
    p.score = 300;
    return p;
}

} // namespace

// To the win by itself, or until auto-complete takes over and wins it.
TEST(SolutionWatchTest, PlaysAVerifiedDealToTheWinAndCreditsNothing)
{
    for (const char* autoComplete : {"Disabled", "Enabled"}) {
        SCOPED_TRACE(autoComplete);
        InMemorySettingsStore store;
        storeRules(store, "Standard", true, 1);
        store.setString(keys::autoCompleteMode, QString::fromLatin1(autoComplete));
        store.setInteger(keys::currentStreak, 4);
        store.setInteger(keys::bestStreak, 4);
        store.setInteger(keys::bestScore, 10);
        store.setInteger(keys::solvedCount, 4);
        store.setString(keys::recentDeals, QStringLiteral("WWWW"));
        SolitaireGame game(store, false);
        playNumberedDeal(game, 7);
        hurry(game);
        QSignalSpy steps(&game.watch(), &SolutionWatch::stepShown);
        ASSERT_TRUE(game.watch().start());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !game.watch().isWatching(); }, 120000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.play().hasWon(); }, 30000));

        EXPECT_GT(steps.count(), 20);
        EXPECT_TRUE(game.session().wasSolutionShown());
        EXPECT_EQ(game.statistics().dealsCount(), 1);
        EXPECT_EQ(game.statistics().tally(0).played, 1);
        EXPECT_EQ(game.statistics().tally(0).won, 0);
        EXPECT_EQ(game.statistics().solvedCount(), 4);
        EXPECT_EQ(game.statistics().currentStreak(), 0);
        EXPECT_EQ(game.statistics().bestStreak(), 4);
        EXPECT_GT(game.play().score(), 10);
        EXPECT_EQ(game.statistics().bestScore(), 10);
        EXPECT_EQ(store.stringForKey(keys::recentDeals), QStringLiteral("WWWWS"));
        // Its outcome is recorded: a new deal adds nothing, and the shown
        // mark reads back after a relaunch.
        EXPECT_FALSE(game.session().newDealBreaksStreak());
        game.session().newDeal();
        EXPECT_FALSE(game.session().wasSolutionShown());
        EXPECT_EQ(store.stringForKey(keys::recentDeals), QStringLiteral("WWWWS"));
        EXPECT_EQ(GameStatistics(store).recent().last(), DealOutcome::shown);
    }
}

TEST(SolutionWatchTest, StopsBetweenMovesAndUndoWalksItBack)
{
    InMemorySettingsStore store;
    store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
    auto game = loadGame(store, sevenFromHome());
    const Tableau start = game->play().tableau();
    hurry(*game);
    QSignalSpy steps(&game->watch(), &SolutionWatch::stepShown);
    ASSERT_TRUE(game->watch().start());
    EXPECT_FALSE(game->watch().start()) << "one watch at a time";
    ASSERT_TRUE(QTest::qWaitFor([&] { return steps.count() == 3; }, 30000)); // two moves made, the third shown
    game->watch().stop();
    EXPECT_FALSE(game->watch().nextStep());
    QTest::qWait(20);
    ASSERT_EQ(game->play().history().undoSteps().size(), 2);
    EXPECT_FALSE(game->play().hasWon());
    EXPECT_TRUE(game->session().wasSolutionShown());
    EXPECT_EQ(game->statistics().recent(), QList<DealOutcome>{DealOutcome::shown});

    // Undo takes the moves back one by one; the deal stays shown.
    DragState drag;
    game->play().undo(drag);
    game->play().undo(drag);
    EXPECT_EQ(game->play().tableau(), start);
    EXPECT_EQ(game->play().score(), 300);
    EXPECT_TRUE(game->session().wasSolutionShown());

    // A watch that runs is stopped by any other change of the piles, and a
    // player's own win after a watch is not credited either.
    ASSERT_TRUE(game->watch().start());
    game->play().move(DragSource::tableau(5, 0), MoveTarget::foundation(2));
    EXPECT_FALSE(game->watch().isWatching());
    for (auto [from, to] : {std::pair{0, 2}, {2, 3}, {0, 3}, {2, 2}, {1, 1}, {3, 0}})
        game->play().move(DragSource::tableau(from, int(game->play().tableau()[from].size()) - 1),
                          MoveTarget::foundation(to));
    ASSERT_TRUE(game->play().hasWon());
    EXPECT_EQ(game->statistics().solvedCount(), 0);
    EXPECT_EQ(game->statistics().recent(), QList<DealOutcome>{DealOutcome::shown});

    // A lost position, known at once or proved by the search (a pointless
    // draw is left): said so, nothing moves, nothing is shown.
    for (bool drawLeft : {false, true}) {
        auto lost = loadGame(store, heartsOnTop(drawLeft));
        QCoreApplication::processEvents();
        ASSERT_EQ(lost->session().isLost(), !drawLeft);
        QSignalSpy refused(&lost->watch(), &SolutionWatch::refused);
        EXPECT_EQ(lost->watch().start(), drawLeft) << "a search is needed";
        ASSERT_TRUE(QTest::qWaitFor([&] { return refused.count() == 1; }, 30000));
        EXPECT_FALSE(lost->watch().isWatching());
        EXPECT_EQ(refused.first().first().value<Hint>().kind, Hint::Kind::lost);
        EXPECT_FALSE(lost->session().wasSolutionShown());
        EXPECT_TRUE(lost->play().history().undoSteps().isEmpty());
    }
}

// The mark travels with the saved game, so a relaunch cannot turn a shown
// deal into a win; records without it (older builds) restore unshown.
TEST(SolutionWatchTest, ShownSurvivesRestoreAndRestartDeal)
{
    const struct {
        const char* what;
        std::optional<QByteArray> field; // the raw JSON value, none for absent
        bool shown;
    } cases[] = {
        {"absent", std::nullopt, false},
        {"true", "true", true},
        {"false", "false", false},
        {"not a Boolean", "\"yes\"", false},
    };
    for (const auto& c : cases) {
        InMemorySettingsStore store;
        store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
        SavedGame record = sevenFromHome().record(ScoringMode::standard, std::nullopt);
        record.dealt = dealtFromOrderedDeck(std::nullopt);
        QByteArray data = encodeSavedGame(record);
        ASSERT_FALSE(data.contains("solutionShown")) << "unshown deals write what earlier builds wrote";
        if (c.field)
            data.replace("{", "{\"solutionShown\":" + *c.field + ",");
        store.setData(keys::savedGame, data);
        SolitaireGame game(store, false);
        ASSERT_EQ(game.play().tableau()[5].size(), 1) << c.what << ": restored";
        EXPECT_EQ(game.session().wasSolutionShown(), c.shown) << c.what;
        DragState drag;
        game.session().restartDeal(drag);
        ASSERT_EQ(game.play().tableau()[6].size(), 7) << c.what << ": restarted";
        EXPECT_EQ(game.session().wasSolutionShown(), c.shown) << c.what;
        game.saveNow();
        const std::optional<SavedGame> saved = decodeSavedGame(*store.dataForKey(keys::savedGame));
        ASSERT_TRUE(saved) << c.what;
        EXPECT_EQ(saved->solutionShown, c.shown) << c.what;
        EXPECT_EQ(SolitaireGame(store, false).session().wasSolutionShown(), c.shown) << c.what << ": relaunched";
    }
}
