// The one move path: what a move reports, the requests every entry point
// refuses, and the derived questions the board asks.

#include "support/Positions.h"

#include <gtest/gtest.h>

#include <functional>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Two face-down cards under the 5S, the 6H beside them, the AH on the waste;
// the rest in the stock, or with leftoverToWaste under the AH.
Position hiddenUnderRun(bool leftoverToWaste = false)
{
    Position p;
    p.tableau = {"-3C -4D 5S", "6H", "", "", "", "", ""};
    p.waste = "AH";
    p.leftoverToWaste = leftoverToWaste;
    return p;
}

struct MovePathTest : ::testing::Test {
    InMemorySettingsStore store;
    DragState drag;
    MovePathTest() { store.setString(keys::autoCompleteMode, "Disabled"); }
};

} // namespace

TEST_F(MovePathTest, AMoveReportsTheCardsAndTheColumnsItTurnedUp)
{
    auto game = loadGame(store, hiddenUnderRun());
    const Card five = game->play().tableau()[0].last();
    const auto record = game->play().move(DragSource::tableau(0, 2), MoveTarget::tableau(1));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->cards, Pile{five});
    EXPECT_EQ(record->source, DragSource::tableau(0, 2));
    EXPECT_EQ(record->target, MoveTarget::tableau(1));
    EXPECT_EQ(record->flippedColumns, QList<int>{0});
    EXPECT_FALSE(game->play().move(DragSource::tableau(0, 2), MoveTarget::tableau(1))) << "nothing left there";
}

TEST_F(MovePathTest, EveryEntryPointRefusesHiddenUnknownAndOffBoardRequests)
{
    const std::pair<const char*, std::function<void(SolitaireGame&, DragState&)>> requests[] = {
        {"face-down group", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::tableau(0, 0), MoveTarget::tableau(1)); }},
        {"face-down card sent", [](SolitaireGame& g, DragState& d) { g.play().moveToBestSpot(g.play().tableau()[0][1], d); }},
        {"face-down group dropped", [](SolitaireGame& g, DragState& d) {
             d.setDragSource(DragSource::tableau(0, 1));
             g.play().dropDraggedCards({{DropSlot::tableau(1), QRectF(60, 120, 44, 64)}}, d, QPointF(80, 130));
         }},
        {"card not on the board", [](SolitaireGame& g, DragState& d) { g.play().moveToBestSpot(parseCard("AH"), d); }},
        {"column off the board", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::tableau(9, 0), MoveTarget::tableau(1)); }},
        {"index below a column", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::tableau(0, -1), MoveTarget::tableau(1)); }},
        {"foundation off the board", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::waste(), MoveTarget::foundation(4)); }},
        {"target column off the board", [](SolitaireGame& g, DragState& d) { g.play().moveIfLegal(DragSource::tableau(0, 2), MoveTarget::tableau(7), d); }},
        {"digit key for no column", [](SolitaireGame& g, DragState& d) { moveFocusedPile(g.play(), BoardFocus::tableau(0), 11, d); }},
        {"move onto its own column", [](SolitaireGame& g, DragState&) { g.play().move(DragSource::tableau(1, 0), MoveTarget::tableau(1)); }},
    };
    for (const auto& [name, request] : requests) {
        auto game = loadGame(store, hiddenUnderRun());
        const SavedGame before = (*game).makeSavedGame();
        request(*game, drag);
        const SavedGame after = (*game).makeSavedGame();
        EXPECT_EQ(after.tableau, before.tableau) << name;
        EXPECT_EQ(after.waste, before.waste) << name;
        EXPECT_EQ(after.foundations, before.foundations) << name;
        EXPECT_TRUE(game->play().history().undoSteps().isEmpty()) << name;
        EXPECT_FALSE(game->session().hasStartedDeal()) << name;
    }
}

TEST_F(MovePathTest, UndoAndStockQuestionsFollowTheGame)
{
    store.setString(keys::scoringMode, "Vegas");
    store.setBool(keys::unlimitedRedeals, false); // Draw 1: no recycle at all
    const Position p = hiddenUnderRun(true);
    auto game = loadGame(store, p);
    EXPECT_FALSE(game->play().canUndo());
    EXPECT_FALSE(game->play().canDrawFromStock()) << "empty stock, no pass left";
    game->play().move(DragSource::waste(), MoveTarget::foundation(0));
    EXPECT_TRUE(game->play().canUndo());
    game->play().undo(drag);
    EXPECT_FALSE(game->play().canUndo());

    store.setBool(keys::unlimitedRedeals, true);
    auto unlimited = loadGame(store, p);
    EXPECT_TRUE(unlimited->play().canDrawFromStock()) << "the waste can go back";
}

TEST_F(MovePathTest, NothingMovesWhileWonOrAutoCompleting)
{
    const QString spades = "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS";
    const QString hearts = "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH";
    const QString diamonds = "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD";
    const QString clubs = "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC";
    struct Case {
        const char* what;
        QStringList foundations;
        QStringList tableau;
        Move setUp;
        Move refused; // playable by the placement rules alone
    };
    const Case cases[] = {
        // The KS goes home and wins; the KH could go back to a column.
        {"won", {spades + " QS", hearts + " KH", diamonds, clubs}, {"KS", "", "", "", "", "", ""},
         {DragSource::tableau(0, 0), MoveTarget::foundation(0)}, {DragSource::foundation(1), MoveTarget::tableau(0)}},
        // The QS onto the KH starts a run; the QS could go home.
        {"auto-completing", {spades, hearts, diamonds, clubs}, {"KH", "QS", "KS", "", "", "", ""},
         {DragSource::tableau(1, 0), MoveTarget::tableau(0)}, {DragSource::tableau(0, 1), MoveTarget::foundation(0)}},
    };
    store.setString(keys::autoCompleteMode, "Enabled");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position p;
        p.foundations = c.foundations;
        p.tableau = c.tableau;
        auto game = loadGame(store, p);
        ASSERT_TRUE(game->play().move(c.setUp.source, c.setUp.target));
        ASSERT_TRUE(game->play().hasWon() || game->play().isAutoCompleting());
        const bool won = game->play().hasWon();
        const SavedGame before = (*game).makeSavedGame();
        const auto history = game->play().history().undoSteps().size();
        const auto solved = game->statistics().solvedCount();

        EXPECT_FALSE(game->play().move(c.refused.source, c.refused.target));
        const SavedGame after = (*game).makeSavedGame();
        EXPECT_EQ(after.tableau, before.tableau);
        EXPECT_EQ(after.foundations, before.foundations);
        EXPECT_EQ(after.score, before.score);
        EXPECT_EQ(game->play().history().undoSteps().size(), history);
        EXPECT_EQ(game->statistics().solvedCount(), solved);
        EXPECT_EQ(game->play().hasWon(), won);
        EXPECT_EQ(game->play().isAutoCompleting(), !won);
    }
}
