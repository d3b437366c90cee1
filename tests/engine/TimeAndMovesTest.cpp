// Time and moves: what counts as a step, when the clock runs, what a win
// records, and what Restart, a new deal, a relaunch and the switch do to it.
// Time is driven by hand through the clock's time source.

#include "engine/SolitaireGame.h"
#include "engine/StoredSettings.h"
#include "persistence/SavedGame.h"
#include "support/HintPositions.h"
#include "support/Positions.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace murvane;
using namespace murvane::testing;

namespace {

void endTurn()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The Queen of spades on the waste, the King on a column: two moves from the win.
Position twoFromTheWin()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
    p.waste = "QS";
    p.tableau = {"KS", "", "", "", "", "", ""};
    return p;
}

struct TimeAndMoves : ::testing::Test {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    DragState drag;
    std::int64_t now = 0;

    TimeAndMoves() { store.setString(keys::autoCompleteMode, QStringLiteral("Disabled")); }

    // A store as a fresh installation has it.
    void clearStore()
    {
        game.reset();
        store = InMemorySettingsStore();
        store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
    }
    void start(const Position& p, bool on = true)
    {
        store.setBool(keys::showsTimeAndMoves, on);
        game = loadGame(store, p);
        game->session().clock().setTimeSource([this] { return now; });
        game->session().setShown(true);
    }
    const DealClock& clock() const { return game->session().clock(); }
    void pass(std::int64_t ms) { now += ms; }
    void win()
    {
        game->play().move(DragSource::waste(), MoveTarget::foundation(0));
        pass(1500);
        game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(0));
        ASSERT_TRUE(game->play().hasWon());
        endTurn();
    }
};

TEST_F(TimeAndMoves, ADrawARecycleAMoveAnUndoAndARedoEachCountOne)
{
    Position p;
    p.tableau = {"KH", "QS", "", "", "", "", ""};
    p.leftoverToWaste = true; // the first stock click recycles
    const struct {
        const char* step;
        std::function<void(SolitaireGame&, DragState&)> act;
        std::int64_t moves;
    } steps[] = {
        {"recycle", [](SolitaireGame& g, DragState& d) { g.play().drawFromStock(d); }, 1},
        {"draw", [](SolitaireGame& g, DragState& d) { g.play().drawFromStock(d); }, 2},
        {"refused move", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::tableau(1, 0), MoveTarget::tableau(2)); }, 2},
        {"move", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::tableau(1, 0), MoveTarget::tableau(0)); }, 3},
        {"undo", [](SolitaireGame& g, DragState& d) { g.play().undo(d); }, 4},
        {"redo", [](SolitaireGame& g, DragState& d) { g.play().redo(d); }, 5},
    };
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        start(p, on);
        EXPECT_FALSE(clock().isRunning()) << "time starts at the first step";
        for (const auto& s : steps) {
            s.act(*game, drag);
            pass(1000);
            EXPECT_EQ(clock().moveCount(), on ? s.moves : 0) << s.step;
        }
        EXPECT_EQ(clock().elapsedMs(), on ? 6000 : 0);
        EXPECT_EQ(clock().isWhole(), on);
    }
}

TEST_F(TimeAndMoves, TheClockPausesWhileHiddenAndWhileLostAndStopsAtTheWin)
{
    // The King of diamonds can be drawn and sent home; then nothing is left.
    // Without the background check only "no move left" makes it lost.
    store.setBool(keys::tellsWhenLost, false);
    start(heartsOnTop(true));
    game->play().drawFromStock(drag);
    pass(2000);
    game->session().setShown(false);
    pass(60000);
    EXPECT_FALSE(clock().isRunning()) << "a closed panel costs nothing";
    game->session().setShown(true);
    pass(1000);
    game->play().moveToBestSpot(game->play().waste().last(), drag);
    endTurn();
    ASSERT_TRUE(game->session().isLost());
    pass(30000);
    EXPECT_EQ(clock().elapsedMs(), 3000);
    game->play().undo(drag);
    endTurn();
    ASSERT_FALSE(game->session().isLost());
    pass(500);
    EXPECT_EQ(clock().elapsedMs(), 3500);
    EXPECT_EQ(clock().moveCount(), 3);
    // The shown second turns over on the elapsed time's own second boundary,
    // however long ago the clock last ran.
    pass(499);
    game->session().setShown(false);
    game->session().setShown(true);
    QSignalSpy ticks(&game->session().clock(), &DealClock::changed);
    EXPECT_TRUE(ticks.wait(200)) << "due 1 ms after showing";

    start(twoFromTheWin());
    win();
    pass(9000);
    EXPECT_FALSE(clock().isRunning());
    EXPECT_EQ(clock().elapsedMs(), 1500);
    EXPECT_EQ(clock().moveCount(), 2);
    EXPECT_EQ(game->statistics().timedRecord(0), (TimedRecord{1500, 2}));
    // Taking the win back runs the clock again; winning again records nothing new.
    game->play().undo(drag);
    pass(100);
    EXPECT_EQ(clock().elapsedMs(), 1600);
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(0));
    endTurn();
    EXPECT_EQ(game->statistics().timedRecord(0), (TimedRecord{1500, 2}));
}

TEST_F(TimeAndMoves, WinsEnterTheRecordsOfTheirRuleSetOnlyWhenTimedWhole)
{
    const struct {
        const char* scoring;
        std::int64_t draw;
        int ruleSet;
        bool on;
        bool turnedOnMidDeal;
        bool recorded;
    } cases[] = {
        {"Standard", 1, 0, true, false, true},  {"Standard", 3, 1, true, false, true},
        {"Vegas", 1, 2, true, false, true},     {"Vegas", 3, 3, true, false, true},
        {"Standard", 1, 0, false, false, false}, {"Standard", 1, 0, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.scoring) + " draw " + std::to_string(c.draw) + (c.on ? " on" : " off"));
        clearStore();
        storeRules(store, QString::fromLatin1(c.scoring), true, c.draw);
        start(twoFromTheWin(), c.on);
        if (c.turnedOnMidDeal) {
            game->play().move(DragSource::waste(), MoveTarget::foundation(0));
            game->settings().setShowsTimeAndMoves(true);
            game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(0));
            endTurn();
        } else {
            win();
        }
        EXPECT_EQ(game->statistics().solvedCount(), 1);
        for (int r = 0; r < GameStatistics::kRuleSets; ++r)
            EXPECT_EQ(game->statistics().timedRecord(r).exists(), c.recorded && r == c.ruleSet) << r;
        if (!c.on)
            EXPECT_FALSE(store.hasObjectForKey(keys::draw1StandardFewestMoves)) << "off stores nothing new";
    }

    // Each best is kept on its own; Reset Statistics clears them.
    clearStore();
    start(twoFromTheWin());
    win(); // 1.5 s, 2 moves
    start(twoFromTheWin());
    game->play().move(DragSource::waste(), MoveTarget::foundation(0));
    game->play().undo(drag);
    game->play().move(DragSource::waste(), MoveTarget::foundation(0));
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(0));
    endTurn();
    EXPECT_EQ(game->statistics().timedRecord(0), (TimedRecord{0, 2}));
    start(twoFromTheWin()); // as read back from the store
    EXPECT_EQ(game->statistics().timedRecord(0), (TimedRecord{0, 2}));
    game->session().resetStatistics();
    EXPECT_FALSE(game->statistics().timedRecord(0).exists());
    EXPECT_EQ(store.integerForKey(keys::draw1StandardFewestMoves), 0);
}

TEST_F(TimeAndMoves, RestartAndANewDealStartFromZero)
{
    for (bool restart : {true, false}) {
        SCOPED_TRACE(restart ? "restart" : "new deal");
        SavedGame record = Position{}.record(ScoringMode::standard, std::nullopt);
        record.dealt = dealtFromOrderedDeck(std::nullopt);
        store.setBool(keys::showsTimeAndMoves, true);
        store.setData(keys::savedGame, encodeSavedGame(record));
        game = std::make_unique<SolitaireGame>(store, false);
        game->session().clock().setTimeSource([this] { return now; });
        game->session().setShown(true);
        game->play().drawFromStock(drag);
        pass(4000);
        game->play().drawFromStock(drag);
        if (restart)
            game->session().restartDeal(drag);
        else
            game->session().newDeal();
        pass(4000);
        EXPECT_EQ(clock().elapsedMs(), 0);
        EXPECT_EQ(clock().moveCount(), 0);
        EXPECT_TRUE(clock().isWhole());
        if (restart) {
            // Undoing the restart brings back play the figures never saw.
            game->play().drawFromStock(drag);
            game->play().undo(drag);
            EXPECT_TRUE(clock().isWhole());
            game->play().undo(drag);
            EXPECT_FALSE(clock().isWhole());
        }
    }
}

TEST_F(TimeAndMoves, TheFiguresTravelWithTheSavedGame)
{
    start(twoFromTheWin());
    game->play().move(DragSource::waste(), MoveTarget::foundation(0));
    game->play().undo(drag);
    pass(65000);
    game->saveNow();
    const SavedGame saved = *decodeSavedGame(*store.dataForKey(keys::savedGame));
    EXPECT_EQ(saved.elapsedMilliseconds, 65000);
    EXPECT_EQ(saved.moveCount, 2);
    EXPECT_EQ(saved.timedWholeDeal, true);

    start(twoFromTheWin()); // the planted record has no figures
    EXPECT_EQ(clock().moveCount(), 0);
    store.setData(keys::savedGame, encodeSavedGame(saved));
    game = std::make_unique<SolitaireGame>(store, false);
    EXPECT_EQ(clock().elapsedMs(), 65000);
    EXPECT_EQ(clock().moveCount(), 2);
    EXPECT_TRUE(clock().isWhole());

    // An earlier build's record of a deal under way: zeros, and not timed whole.
    Position started = twoFromTheWin();
    started.hasStartedCurrentDeal = true;
    start(started);
    EXPECT_EQ(clock().elapsedMs(), 0);
    EXPECT_EQ(clock().moveCount(), 0);
    EXPECT_FALSE(clock().isWhole());
    win();
    EXPECT_FALSE(game->statistics().timedRecord(0).exists());

    // Switched off, the figures are dropped and the deal is no longer whole.
    start(twoFromTheWin());
    game->play().move(DragSource::waste(), MoveTarget::foundation(0));
    game->settings().setShowsTimeAndMoves(false);
    EXPECT_EQ(clock().moveCount(), 0);
    game->settings().setShowsTimeAndMoves(true);
    EXPECT_FALSE(clock().isWhole());
}

TEST_F(TimeAndMoves, AnAutoCompletedWinCountsEveryStep)
{
    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    store.setBool(keys::showsTimeAndMoves, true);
    game = loadGame(store, twoFromTheWin());
    game->session().setShown(true);
    game->play().move(DragSource::waste(), MoveTarget::foundation(0)); // the King follows by itself
    ASSERT_TRUE(QTest::qWaitFor([this] { return game->play().hasWon(); }, 5000));
    endTurn();
    EXPECT_EQ(clock().moveCount(), 2);
    EXPECT_EQ(game->statistics().timedRecord(0).fewestMoves, 2);
}

} // namespace
