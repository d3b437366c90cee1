// The stock and its pass limits, every scoring change with its floor, undo.

#include "support/Positions.h"
#include "screens/GameWords.h"

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Spades, hearts and diamonds home, clubs up to `clubsHome`; the other clubs
// are left over for the stock.
Position clubsLeft(int clubsHome)
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", ""};
    QStringList clubs;
    for (int r = 1; r <= clubsHome; ++r)
        clubs << murvane::rankLabel(r).replace("10", "T") + "C";
    p.foundations[3] = clubs.join(' ');
    return p;
}

struct PassCase {
    const char* name;
    const char* scoring;
    bool unlimited;
    int draw;
    int recyclesAllowed; // -1 = unlimited
    const char* passTextAtStart;
};

// Test listings show the case's name, not its bytes.
void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class PassLimitTest : public ::testing::TestWithParam<PassCase> {};

} // namespace

TEST_P(PassLimitTest, RecyclesStopExactlyAtTheLimit)
{
    const PassCase c = GetParam();
    InMemorySettingsStore store;
    DragState drag;
    storeRules(store, c.scoring, c.unlimited, c.draw);
    auto game = loadGame(store, clubsLeft(5)); // 8 clubs in the stock

    EXPECT_EQ(passText(*game).value_or("none"), c.passTextAtStart);
    int recycles = 0;
    for (int click = 0; click < 60; ++click) {
        const auto historyBefore = game->play().history().undoSteps().size();
        const bool stockEmpty = game->play().stock().isEmpty();
        game->play().drawFromStock(drag);
        if (stockEmpty) {
            if (game->play().history().undoSteps().size() == historyBefore)
                break; // refused
            ++recycles;
        }
        ASSERT_TRUE(invariantsHold(*game));
    }
    if (c.recyclesAllowed < 0) {
        EXPECT_GT(recycles, 5);
        EXPECT_TRUE(game->play().canRecycleWaste());
    } else {
        EXPECT_EQ(recycles, c.recyclesAllowed);
        EXPECT_FALSE(game->play().canRecycleWaste());
        EXPECT_EQ(game->play().redealsUsed(), c.recyclesAllowed);
        const QString last = QString("Pass %1/%1").arg(c.recyclesAllowed + 1);
        EXPECT_EQ(passText(*game).value_or("none"), last);
        EXPECT_EQ(passDescription(*game).value_or("none"), QString("Pass %1 of %1").arg(c.recyclesAllowed + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PassLimitTest,
    ::testing::Values(PassCase{"StandardDraw1LimitOff", "Standard", false, 1, -1, "none"},
                      PassCase{"StandardDraw3LimitOff", "Standard", false, 3, -1, "none"},
                      PassCase{"VegasUnlimitedDraw1", "Vegas", true, 1, -1, "none"},
                      PassCase{"VegasUnlimitedDraw3", "Vegas", true, 3, -1, "none"},
                      PassCase{"VegasLimitedDraw1", "Vegas", false, 1, 0, "Pass 1/1"},
                      PassCase{"VegasLimitedDraw3", "Vegas", false, 3, 2, "Pass 1/3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StockTest, DrawThreeTurnsWhatIsLeftAndRecycleRestoresTheOrder)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setInteger(keys::drawCount, 3);
    store.setString(keys::autoCompleteMode, "Disabled");
    auto game = loadGame(store, clubsLeft(8)); // 5 clubs in the stock
    const Pile original = game->play().stock();
    game->play().drawFromStock(drag);
    ASSERT_EQ(game->play().waste().size(), 3);
    // The stock's top card is drawn first, so the third card turned is on top.
    EXPECT_EQ(game->play().waste().first().id, original.last().id);
    EXPECT_EQ(game->play().waste().last().id, original[original.size() - 3].id);
    game->play().drawFromStock(drag);
    EXPECT_EQ(game->play().waste().size(), 5);
    EXPECT_TRUE(game->play().stock().isEmpty());
    game->play().drawFromStock(drag); // recycle
    ASSERT_EQ(game->play().stock().size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(game->play().stock()[i].id, original[i].id);
        EXPECT_FALSE(game->play().stock()[i].isFaceUp);
    }
    EXPECT_EQ(game->play().score(), 0); // Draw 3 recycles cost nothing
}

TEST(StockTest, EmptyStockAndWasteIgnoreTheClick)
{
    InMemorySettingsStore store;
    DragState drag;
    Position p = clubsLeft(13);
    p.foundations[3] = "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC";
    p.tableau = {"KC", "", "", "", "", "", ""};
    store.setString(keys::autoCompleteMode, "Disabled");
    auto game = loadGame(store, p);
    game->play().drawFromStock(drag);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_FALSE(game->session().hasStartedDeal());
    EXPECT_EQ(game->statistics().dealsCount(), 0);
}

// --- Scoring -------------------------------------------------------------------

struct ScoreCase {
    const char* name;
    const char* scoring;
    std::int64_t startScore;
    std::int64_t startBankroll;
    const char* action; // see below
    std::int64_t expectedScore;
    std::int64_t expectedBankroll;
};

void PrintTo(const ScoreCase& c, std::ostream* os) { *os << c.name; }

class ScoringTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoringTest, EachChangeWithItsBound)
{
    const ScoreCase c = GetParam();
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::scoringMode, c.scoring);
    store.setInteger(keys::vegasBankroll, c.startBankroll);
    store.setString(keys::autoCompleteMode, "Disabled");
    const QString action = c.action;
    Position p;
    p.score = c.startScore;
    p.hasStartedCurrentDeal = true; // no ante in these rows
    if (action == "toFoundation") {
        p.waste = "AH";
    } else if (action == "wasteToColumn") {
        p.waste = "8H";
        p.tableau = {"9S", "", "", "", "", "", ""};
    } else if (action == "foundationToColumn") {
        p.foundations = {"AD 2D 3D 4D 5D 6D 7D 8D", "", "", ""};
        p.tableau = {"9S", "", "", "", "", "", ""};
    } else if (action == "foundationToFoundation") {
        p.foundations = {"AH", "", "", ""};
    } else if (action == "flip") {
        p.tableau = {"-3D 9S", "TH", "", "", "", "", ""};
    } else if (action == "recycle") {
        p = clubsLeft(11); // 2 clubs in the stock
        p.score = c.startScore;
        p.hasStartedCurrentDeal = true;
    }
    auto game = loadGame(store, p);
    if (action == "toFoundation")
        game->play().move(DragSource::waste(), MoveTarget::foundation(0));
    else if (action == "wasteToColumn")
        game->play().move(DragSource::waste(), MoveTarget::tableau(0));
    else if (action == "foundationToColumn")
        game->play().move(DragSource::foundation(0), MoveTarget::tableau(0));
    else if (action == "foundationToFoundation") {
        // The Ace was credited when it went up; shuttling it earns nothing.
        for (int i = 0; i < 10; ++i)
            ASSERT_TRUE(game->play().move(DragSource::foundation(i % 2), MoveTarget::foundation((i + 1) % 2)));
    } else if (action == "flip")
        game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(1));
    else if (action == "recycle") {
        game->play().drawFromStock(drag);
        game->play().drawFromStock(drag);
        game->play().drawFromStock(drag);
        ASSERT_EQ(game->play().redealsUsed(), 1);
    }
    EXPECT_EQ(game->play().score(), c.expectedScore);
    EXPECT_EQ(game->statistics().vegasBankroll(), c.expectedBankroll);
    EXPECT_EQ(store.integerForKey(keys::vegasBankroll), c.expectedBankroll);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScoringTest,
    ::testing::Values(
        ScoreCase{"StandardFoundation", "Standard", 20, 7, "toFoundation", 30, 7},
        ScoreCase{"StandardWasteToColumn", "Standard", 20, 7, "wasteToColumn", 25, 7},
        ScoreCase{"StandardFoundationToColumn", "Standard", 20, 7, "foundationToColumn", 5, 7},
        ScoreCase{"StandardFoundationToColumnFloor", "Standard", 10, 7, "foundationToColumn", 0, 7},
        ScoreCase{"StandardFlip", "Standard", 20, 7, "flip", 25, 7},
        ScoreCase{"StandardFoundationToFoundation", "Standard", 20, 7, "foundationToFoundation", 20, 7},
        ScoreCase{"StandardRecycleDraw1", "Standard", 160, 7, "recycle", 60, 7},
        ScoreCase{"StandardRecycleDraw1Floor", "Standard", 40, 7, "recycle", 0, 7},
        ScoreCase{"VegasFoundation", "Vegas", -52, 100, "toFoundation", -47, 105},
        ScoreCase{"VegasWasteToColumn", "Vegas", -52, 100, "wasteToColumn", -52, 100},
        ScoreCase{"VegasFoundationToColumn", "Vegas", -52, 100, "foundationToColumn", -57, 95},
        ScoreCase{"VegasFoundationToColumnFloor", "Vegas", -52, -99998, "foundationToColumn", -57, -100000},
        ScoreCase{"VegasFlip", "Vegas", -52, 100, "flip", -52, 100},
        ScoreCase{"VegasFoundationToFoundation", "Vegas", -47, 100, "foundationToFoundation", -47, 100},
        ScoreCase{"VegasRecycle", "Vegas", -47, 100, "recycle", -47, 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VegasTest, AnteIsChargedOnceAtTheFirstMoveAndRespectsTheFloor)
{
    for (const auto& [start, expected] : {std::pair<std::int64_t, std::int64_t>{500, 448},
                                          {-99990, -100000}, {-200000, -100000}}) {
        InMemorySettingsStore store;
        DragState drag;
        store.setString(keys::scoringMode, "Vegas");
        store.setInteger(keys::vegasBankroll, start);
        SolitaireGame game(store, false);
        EXPECT_EQ(game.play().score(), -52);
        EXPECT_EQ(game.statistics().vegasBankroll(), start); // nothing charged before the first move
        game.play().drawFromStock(drag);
        EXPECT_EQ(game.statistics().vegasBankroll(), expected);
        game.play().drawFromStock(drag);
        EXPECT_EQ(game.statistics().vegasBankroll(), expected);
        EXPECT_EQ(game.statistics().dealsCount(), 1);
        // Undoing the first move keeps the ante and the started flag.
        game.play().undo(drag);
        game.play().undo(drag);
        EXPECT_EQ(game.statistics().vegasBankroll(), expected);
        EXPECT_TRUE(game.session().hasStartedDeal());
    }
}

// --- Undo ----------------------------------------------------------------------------

TEST(UndoTest, HistoryKeepsTheLatestHundredSteps)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::autoCompleteMode, "Disabled");
    auto game = loadGame(store, clubsLeft(0)); // 13 clubs to cycle through
    std::vector<Pile> wasteAfter;
    for (int i = 0; i < 101; ++i) {
        game->play().drawFromStock(drag);
        wasteAfter.push_back(game->play().waste());
    }
    EXPECT_EQ(game->play().history().undoSteps().size(), 100);
    for (int i = 0; i < 100; ++i) {
        game->play().undo(drag);
        EXPECT_EQ(game->play().waste(), wasteAfter[99 - i]) << "undo " << i;
    }
    const auto stockBefore = game->play().stock();
    game->play().undo(drag); // move 1 is gone
    EXPECT_EQ(game->play().stock(), stockBefore);
    EXPECT_EQ(peer(game->play()).undoCount(), 100);
}

TEST(UndoTest, RecycleUndoGivesThePassAndThePenaltyBack)
{
    InMemorySettingsStore store;
    DragState drag;
    store.setString(keys::autoCompleteMode, "Disabled");
    Position p = clubsLeft(11);
    p.score = 60;
    auto game = loadGame(store, p);
    game->play().drawFromStock(drag);
    game->play().drawFromStock(drag);
    const Pile waste = game->play().waste();
    game->play().drawFromStock(drag);
    EXPECT_EQ(game->play().score(), 0);
    EXPECT_EQ(game->play().redealsUsed(), 1);
    game->play().undo(drag);
    EXPECT_EQ(game->play().waste(), waste);
    EXPECT_TRUE(game->play().stock().isEmpty());
    EXPECT_EQ(game->play().redealsUsed(), 0);
    EXPECT_EQ(game->play().score(), 60);
}

TEST(UndoTest, FlipIsTakenBackWithItsPointsAndStatisticsStay)
{
    InMemorySettingsStore store;
    DragState drag;
    Position p;
    p.tableau = {"-3D 9S", "TH", "", "", "", "", ""};
    auto game = loadGame(store, p);
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(1));
    ASSERT_EQ(game->play().score(), 5);
    game->play().undo(drag);
    EXPECT_FALSE(game->play().tableau()[0].first().isFaceUp);
    EXPECT_EQ(game->play().score(), 0);
    EXPECT_EQ(game->statistics().dealsCount(), 1);
    EXPECT_FALSE(game->play().hasWon());
}

TEST(UndoTest, EmptyHistoryChangesNothing)
{
    InMemorySettingsStore store;
    DragState drag;
    SolitaireGame game(store, false);
    const auto tableau = game.play().tableau();
    drag.setDragSource(DragSource::waste());
    game.play().undo(drag);
    EXPECT_EQ(game.play().tableau(), tableau);
    EXPECT_EQ(peer(game.play()).undoCount(), 0);
    EXPECT_TRUE(drag.dragSource().has_value()); // untouched: nothing was undone
}
