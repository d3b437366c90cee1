// The notice that a game is lost: told once when proved, the verdicts kept
// for undo and redo, nothing searched when switched off, and nothing stored
// changed by the check. The game's positions are handed over the way the
// board hands them.
#include "engine/HintFinder.h"
#include "engine/LostGameWatcher.h"
#include "engine/SolitaireGame.h"
#include "engine/StoredSettings.h"
#include "persistence/SavedGame.h"
#include "support/HintPositions.h"
#include "support/Positions.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {


// Won by taking hearts and clubs back down from their foundations.
Position winnable()
{
    Position p;
    p.tableau = {"-3S -4S -5S -6S -7S -8S -9S -TS -JS -QS -KS -AS 2S", "", "", "", "", "", ""};
    p.foundations = {"", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH", "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD",
                     "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
    return p;
}

class LostGameWatcherTest : public ::testing::Test {
protected:
    InMemorySettingsStore store;
    DragState drag;
    LostGameWatcherTest() { store.setString(keys::autoCompleteMode, "Disabled"); }

    // The game's position, after a change of it, as a shown board hands it over.
    static void changed(LostGameWatcher& watcher, const SolitaireGame& game)
    {
        watcher.positionChanged(game.session().position(), game.settings().tellsWhenLost() && game.play().takesMoves());
    }
    // Lets queued checks start and finish.
    static void settle(LostGameWatcher& watcher)
    {
        for (int round = 0; round < 3; ++round) {
            QCoreApplication::processEvents();
            QSignalSpy done(&watcher, &LostGameWatcher::isCheckingChanged);
            while (watcher.isChecking())
                done.wait(5000);
            QCoreApplication::processEvents();
        }
    }
};

TEST_F(LostGameWatcherTest, ToldOnceAndKeptForUndoAndRedo)
{
    auto game = loadGame(store, heartsOnTop(true));
    const solver::HintPosition start = game->session().position();
    LostGameWatcher watcher;
    QSignalSpy told(&watcher, &LostGameWatcher::gameLost);
    EXPECT_FALSE(watcher.knownVerdict(start));
    changed(watcher, *game);
    settle(watcher);
    ASSERT_EQ(told.count(), 1);
    EXPECT_EQ(watcher.searches(), 1);
    EXPECT_EQ(watcher.knownVerdict(start), PositionVerdict::lost);

    game->play().drawFromStock(drag); // still lost: not told again
    changed(watcher, *game);
    settle(watcher);
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(watcher.searches(), 2);

    game->play().undo(drag); // both positions are known: nothing searched again
    changed(watcher, *game);
    settle(watcher);
    game->play().redo(drag);
    changed(watcher, *game);
    settle(watcher);
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(watcher.searches(), 2);

    // A notice the board could not show: the next lost position is told.
    watcher.lossNotShown();
    game->play().undo(drag);
    changed(watcher, *game);
    settle(watcher);
    EXPECT_EQ(told.count(), 2);

    // Several changes in one turn: the last position alone is checked.
    solver::HintPosition unseen = start;
    unseen.drawCount = 3;
    InMemorySettingsStore otherStore;
    watcher.positionChanged(unseen, true);
    watcher.positionChanged(loadGame(otherStore, winnable())->session().position(), true);
    settle(watcher);
    EXPECT_EQ(told.count(), 2);
    EXPECT_EQ(watcher.searches(), 3);
    EXPECT_FALSE(watcher.knownVerdict(unseen));
}

TEST_F(LostGameWatcherTest, SilentForWinnableGamesAndWhenSwitchedOff)
{
    auto game = loadGame(store, winnable());
    {
        LostGameWatcher watcher;
        QSignalSpy told(&watcher, &LostGameWatcher::gameLost);
        changed(watcher, *game);
        settle(watcher);
        EXPECT_EQ(told.count(), 0);
        EXPECT_EQ(watcher.searches(), 1);
        EXPECT_EQ(watcher.knownVerdict(game->session().position()), PositionVerdict::winnable);

        // Played on along the hint's line, the game's own positions are
        // already known winnable: nothing is searched again.
        HintFinder finder;
        for (int step = 0; step < 3; ++step) {
            QSignalSpy found(&finder, &HintFinder::hintFound);
            ASSERT_TRUE(finder.request(game->session().position(), game->play().table()));
            ASSERT_TRUE(found.count() > 0 || found.wait(10000));
            const Hint hint = found.takeFirst().at(0).value<Hint>();
            ASSERT_EQ(hint.kind, Hint::Kind::move);
            game->play().move(hint.move.source, hint.move.target);
            changed(watcher, *game);
            settle(watcher);
            EXPECT_EQ(watcher.knownVerdict(game->session().position()), PositionVerdict::winnable) << step;
        }
        EXPECT_EQ(watcher.searches(), 1);
    }

    InMemorySettingsStore offStore;
    offStore.setString(keys::autoCompleteMode, "Disabled");
    offStore.setBool(keys::tellsWhenLost, false);
    auto off = loadGame(offStore, heartsOnTop(true));
    EXPECT_FALSE(off->settings().tellsWhenLost());
    LostGameWatcher watcher;
    QSignalSpy told(&watcher, &LostGameWatcher::gameLost);
    changed(watcher, *off);
    settle(watcher);
    off->play().drawFromStock(drag);
    changed(watcher, *off);
    settle(watcher);
    EXPECT_EQ(told.count(), 0);
    EXPECT_EQ(watcher.searches(), 0); // nothing searched at all

    off->settings().setTellsWhenLost(true); // switched on: the position is checked now
    changed(watcher, *off);
    settle(watcher);
    EXPECT_EQ(told.count(), 1);

    // A deal replaced with no check run: searched on the spot, then kept.
    const solver::HintPosition other = loadGame(offStore, winnable())->session().position();
    EXPECT_FALSE(watcher.knownVerdict(other));
    EXPECT_EQ(watcher.verdictNow(other), PositionVerdict::winnable);
    EXPECT_EQ(watcher.verdictNow(other), PositionVerdict::winnable);
    EXPECT_EQ(watcher.searches(), 2);
    EXPECT_EQ(watcher.knownVerdict(other), PositionVerdict::winnable);
    EXPECT_EQ(told.count(), 1);
}

TEST_F(LostGameWatcherTest, TheSwitchIsStoredAndOnByDefault)
{
    InMemorySettingsStore fresh;
    EXPECT_TRUE(readSetting(fresh, stored::tellsWhenLost)); // a store from before the switch
    SolitaireGame game(fresh, false);
    EXPECT_TRUE(game.settings().tellsWhenLost());
    QSignalSpy changed(&game.settings(), &GameSettings::tellsWhenLostChanged);
    game.settings().setTellsWhenLost(false);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(fresh.rawValue(keys::tellsWhenLost), QVariant(false));
    SolitaireGame again(fresh, false);
    EXPECT_FALSE(again.settings().tellsWhenLost());
}

TEST_F(LostGameWatcherTest, TheCheckChangesNothing)
{
    auto game = loadGame(store, heartsOnTop(true));
    game->play().drawFromStock(drag);
    QCoreApplication::processEvents();
    const SavedGame before = (*game).makeSavedGame();
    const int writes = store.totalWrites();
    const auto score = game->play().score();
    const auto undoSteps = game->play().history().undoSteps().size();
    const bool saveScheduled = (*game).isSaveScheduled();
    {
        LostGameWatcher watcher;
        QSignalSpy told(&watcher, &LostGameWatcher::gameLost);
        changed(watcher, *game);
        settle(watcher);
        EXPECT_EQ(told.count(), 1);
    }
    EXPECT_EQ((*game).makeSavedGame(), before);
    EXPECT_EQ(store.totalWrites(), writes);
    EXPECT_EQ(game->play().score(), score);
    EXPECT_EQ(game->play().history().undoSteps().size(), undoSteps);
    EXPECT_EQ((*game).isSaveScheduled(), saveScheduled);

    // Going away mid-check stops the search instead of waiting it out.
    auto busyGame = std::make_unique<SolitaireGame>(store, false);
    auto busy = std::make_unique<LostGameWatcher>(solver::HintBudget{std::int64_t(1) << 40, std::int64_t(1) << 40});
    changed(*busy, *busyGame);
    QCoreApplication::processEvents();
    EXPECT_TRUE(busy->isChecking());
    busy.reset();
}

} // namespace
