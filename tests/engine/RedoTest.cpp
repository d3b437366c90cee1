// Redo: puts back exactly what undo took back, and a new step drops it.

#include "support/Positions.h"
#include "screens/GameWords.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Everything a player can see of the game.
struct Seen {
    Pile stock, waste;
    Foundations foundations;
    Tableau tableau;
    std::int64_t score, bankroll, redealsUsed;
    QString pass;
    bool won;
    friend bool operator==(const Seen&, const Seen&) = default;
};

Seen seen(const SolitaireGame& g)
{
    return {g.play().stock(), g.play().waste(), g.play().foundations(), g.play().tableau(), g.play().score(), g.statistics().vegasBankroll(),
            g.play().redealsUsed(), passText(g).value_or(QString()), g.play().hasWon()};
}

void PrintTo(const Seen& s, std::ostream* os)
{
    *os << "score " << s.score << ", bankroll " << s.bankroll << ", redeals " << s.redealsUsed << ", stock "
        << s.stock.size() << ", waste " << s.waste.size() << (s.won ? ", won" : "");
}

// All suits home but clubs, which wait in the stock with the ace on top. The
// deal is already started, so its ante is behind it.
Position clubsInTheStock()
{
    Position p;
    p.hasStartedCurrentDeal = true;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", ""};
    return p;
}

struct RedoCase {
    const char* name;
    const char* scoring;
    bool unlimited;
    int draw;
    int sends; // foundation moves allowed; the other steps draw or recycle
    int steps;
    int undos; // -1: every step that can be undone
};

void PrintTo(const RedoCase& c, std::ostream* os) { *os << c.name; }

class RedoRoundTrip : public ::testing::TestWithParam<RedoCase> {};

} // namespace

TEST_P(RedoRoundTrip, RedoRestoresEachStateUndoTookBack)
{
    const RedoCase c = GetParam();
    InMemorySettingsStore store;
    DragState drag;
    storeRules(store, c.scoring, c.unlimited, c.draw);
    store.setInteger(keys::vegasBankroll, 1000);
    auto game = loadGame(store, clubsInTheStock());

    std::vector<Seen> after{seen(*game)};
    int sends = 0;
    for (int i = 0; i < c.steps && !game->play().hasWon(); ++i) {
        const auto waste = game->play().waste();
        if (sends < c.sends && !waste.isEmpty() && !moves::legalTargets(game->play().table(), DragSource::waste()).isEmpty()) {
            game->play().moveToBestSpot(waste.last(), drag);
            ++sends;
        } else if (game->play().canDrawFromStock()) {
            game->play().drawFromStock(drag);
        } else {
            break;
        }
        after.push_back(seen(*game));
    }
    const int played = int(after.size()) - 1;
    const int undos = c.undos < 0 ? int(game->play().history().undoSteps().size()) : c.undos;
    ASSERT_LE(undos, game->play().history().undoSteps().size());

    for (int u = 1; u <= undos; ++u) {
        game->play().undo(drag);
        ASSERT_EQ(seen(*game), after[played - u]) << "undo " << u;
    }
    EXPECT_EQ(game->play().history().redoSteps().size(), undos);
    for (int r = undos - 1; r >= 0; --r) {
        ASSERT_TRUE(game->play().canRedo());
        game->play().redo(drag);
        ASSERT_EQ(seen(*game), after[played - r]) << "redo back to step " << played - r;
        EXPECT_TRUE(invariantsHold(*game));
    }
    EXPECT_FALSE(game->play().canRedo());
    EXPECT_EQ(peer(game->play()).redoCount(), undos);
    EXPECT_EQ(game->play().history().undoSteps().size(), std::min(played, int(UndoHistory::kLimit)));
    // The redos can be undone again, to the same places.
    game->play().undo(drag);
    EXPECT_EQ(seen(*game), after[played - 1]);
    game->play().redo(drag);
    EXPECT_EQ(seen(*game), after[played]);
    EXPECT_EQ(store.integerForKey(keys::vegasBankroll), game->statistics().vegasBankroll());
    // A win reached again by redo was credited once.
    EXPECT_EQ(game->statistics().solvedCount(), game->play().hasWon() ? 1 : 0);
    EXPECT_EQ(game->statistics().currentStreak(), game->statistics().solvedCount());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RedoRoundTrip,
    ::testing::Values(
        // Sends, then draws with recycles and their penalty: score and passes move both ways.
        RedoCase{"StandardOneUndo", "Standard", true, 1, 5, 101, 1},
        RedoCase{"StandardSeveralUndos", "Standard", true, 1, 5, 101, 7},
        RedoCase{"StandardHundredUndos", "Standard", true, 1, 5, 101, 100},
        // Every club goes home: the bankroll rises per card and the last redo wins again.
        RedoCase{"VegasToTheWin", "Vegas", false, 1, 13, 200, -1},
        // Draw 3 until the passes run out: the pass counter follows.
        RedoCase{"VegasPassLimit", "Vegas", false, 3, 0, 200, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RedoTest, AnAutoCompleteRunRedoesAsOneStep)
{
    InMemorySettingsStore store;
    DragState drag;
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"-KS JS", "QS", "QH", "KH", "KD", "KC", ""};
    auto game = loadGame(store, p);
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(2));
    ASSERT_TRUE(game->play().isAutoCompleting());
    EXPECT_FALSE(game->play().canRedo()) << "no redo while the run goes";
    while (game->play().isAutoCompleting())
        peer(game->play()).finishAutoCompleteStep();
    ASSERT_TRUE(game->play().hasWon());
    const Seen won = seen(*game);
    game->play().undo(drag);
    ASSERT_EQ(game->play().tableau()[0].size(), 1); // just after the move
    game->play().redo(drag);
    EXPECT_EQ(seen(*game), won);
    EXPECT_FALSE(game->play().isAutoCompleting());
    game->play().undo(drag);
    game->play().undo(drag);
    game->play().redo(drag); // the move, which leaves the run still to redo
    EXPECT_FALSE(game->play().isAutoCompleting());
    EXPECT_EQ(game->play().tableau()[0].size(), 1);
    game->play().redo(drag);
    EXPECT_EQ(seen(*game), won);
}

TEST(RedoTest, AnyNewStepOrReplacedDealClearsRedo)
{
    struct Case {
        const char* what;
        std::function<void(SolitaireGame&, DragState&)> act;
    };
    const Case cases[] = {
        {"move", [](SolitaireGame& g, DragState& d) { g.play().moveToBestSpot(g.play().waste().last(), d); }},
        {"draw", [](SolitaireGame& g, DragState& d) { g.play().drawFromStock(d); }},
        {"new deal", [](SolitaireGame& g, DragState&) { g.session().newDeal(); }},
        {"statistics reset", [](SolitaireGame& g, DragState&) { g.session().resetStatistics(); }},
        {"restore", [](SolitaireGame& g, DragState&) {
             g.saveNow();
             ASSERT_TRUE(g.restoreSavedGame());
         }},
    };
    for (const Case& c : cases) {
        InMemorySettingsStore store;
        DragState drag;
        store.setString(keys::autoCompleteMode, "Disabled");
        auto game = loadGame(store, clubsInTheStock());
        game->play().drawFromStock(drag); // AC up
        game->play().drawFromStock(drag);
        game->play().undo(drag);
        ASSERT_TRUE(game->play().canRedo()) << c.what;
        c.act(*game, drag);
        EXPECT_FALSE(game->play().canRedo()) << c.what;
        // Nothing to redo: the key changes nothing.
        const Seen now = seen(*game);
        game->play().redo(drag);
        EXPECT_EQ(seen(*game), now) << c.what;
        EXPECT_EQ(peer(game->play()).redoCount(), 0) << c.what;
    }
}
