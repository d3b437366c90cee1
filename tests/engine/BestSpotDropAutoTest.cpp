// Sending a card to its best spot, resolving drops, and auto-complete.

#include "support/Positions.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

struct BestSpotTest : ::testing::Test {
    InMemorySettingsStore store;
    DragState drag;
    BestSpotTest() { store.setString(keys::autoCompleteMode, "Disabled"); }
    std::unique_ptr<SolitaireGame> load(const Position& p) { return loadGame(store, p); }
};

const Card& findCard(const SolitaireGame& game, const QString& token)
{
    const Card wanted = parseCard(token);
    auto match = [&](const Card& c) { return c.suit == wanted.suit && c.rank == wanted.rank; };
    for (const Card& c : game.play().waste())
        if (match(c))
            return c;
    for (const Pile& p : game.play().foundations())
        for (const Card& c : p)
            if (match(c))
                return c;
    for (const Pile& p : game.play().tableau())
        for (const Card& c : p)
            if (match(c))
                return c;
    for (const Card& c : game.play().stock())
        if (match(c))
            return c;
    throw std::logic_error("card not on the table");
}

} // namespace

TEST_F(BestSpotTest, FoundationCardWithNowhereToGoChangesNothing)
{
    Position p;
    p.foundations = {"AS 2S 3S", "", "", ""};
    auto game = load(p);
    game->play().moveToBestSpot(findCard(*game, "3S"), drag);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().foundations()[0].size(), 3);
    EXPECT_FALSE(game->session().hasStartedDeal());
}

TEST_F(BestSpotTest, FoundationCardGoesToTheLeftmostColumnThatTakesIt)
{
    Position p;
    p.foundations = {"AD 2D 3D 4D 5D 6D 7D 8D", "", "", ""};
    p.tableau = {"", "9S", "", "9C", "", "", ""};
    p.score = 30;
    auto game = load(p);
    game->play().moveToBestSpot(findCard(*game, "8D"), drag);
    EXPECT_EQ(game->play().tableau()[1].size(), 2);
    EXPECT_EQ(game->play().score(), 15);
}

TEST_F(BestSpotTest, AceGoesToTheLeftmostFoundationThatTakesIt)
{
    Position p;
    p.foundations = {"AC 2C 3C", "", "", ""};
    p.waste = "AH";
    auto game = load(p);
    game->play().moveToBestSpot(findCard(*game, "AH"), drag);
    EXPECT_EQ(game->play().foundations()[1].size(), 1);
    EXPECT_EQ(game->play().history().undoSteps().size(), 1);
}

TEST_F(BestSpotTest, CardInsideAColumnTakesItsRunToAColumnNotAFoundation)
{
    Position p;
    p.foundations = {"AH 2H 3H 4H 5H 6H 7H", "", "", ""};
    p.tableau = {"-2C 8H 7S", "9C", "", "", "", "", ""};
    auto game = load(p);
    game->play().moveToBestSpot(findCard(*game, "8H"), drag);
    EXPECT_EQ(game->play().tableau()[1].size(), 3);
    EXPECT_EQ(game->play().foundations()[0].size(), 7);
    EXPECT_TRUE(game->play().tableau()[0].last().isFaceUp); // the 2C turned up
}

TEST_F(BestSpotTest, KingAtAColumnBaseStaysButAKingOnCardsMoves)
{
    Position p;
    p.tableau = {"KH", "5S", "6S", "", "7S", "8S", "-4D KS"};
    auto game = load(p);
    game->play().moveToBestSpot(findCard(*game, "KH"), drag);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().tableau()[0].size(), 1);
    game->play().moveToBestSpot(findCard(*game, "KS"), drag);
    EXPECT_EQ(game->play().tableau()[3].size(), 1);
    EXPECT_EQ(game->play().tableau()[3].first().rank, kKing);
}

TEST_F(BestSpotTest, FaceDownAndUnknownCardsAreNeverSent)
{
    Position p;
    p.tableau = {"-QD -KS 5H", "", "", "", "", "", ""};
    auto game = load(p);
    game->play().moveToBestSpot(findCard(*game, "KS"), drag);
    game->play().moveToBestSpot(Card::make(Suit::spades, 13, true), drag); // not on the board
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
}

// --- Drops -------------------------------------------------------------------------

namespace {

// Foundations side by side at y 0; columns below at y 100, each 44 x 64.
QHash<DropSlot, QRectF> frames()
{
    QHash<DropSlot, QRectF> f;
    for (int i = 0; i < 4; ++i)
        f.insert(DropSlot::foundation(i), QRectF(100 + i * 50, 0, 44, 64));
    for (int i = 0; i < 7; ++i)
        f.insert(DropSlot::tableau(i), QRectF(i * 50, 100, 44, 64));
    return f;
}

} // namespace

TEST_F(BestSpotTest, SingleCardDropGoesToTheNearerFoundationWithinTolerance)
{
    struct Case {
        qreal x;
        qreal y;
        int expectedFoundation; // -1: stays in the waste
    };
    // Foundation 0 spans x 100...144, foundation 1 x 150...194.
    const Case cases[] = {
        {140, 32, 0},       // inside 0
        {154, 32, 1},       // inside 1
        {147, 32, 0},       // gap: 0's centre (122) is 25 away, 1's (172) is 25 away: tie to the lower index
        {100 - 11, 32, 0},  // 25% of the width to the left
        {100 - 15.4, 32, -1}, // 35% to the left
        {122, -19, 0},      // 0.3 of the height above
        {122, -20, -1},
    };
    for (const Case& c : cases) {
        Position p;
        p.waste = "AH";
        auto game = load(p);
        drag.setDragSource(DragSource::waste());
        game->play().dropDraggedCards(frames(), drag, QPointF(c.x, c.y));
        EXPECT_FALSE(drag.dragSource().has_value());
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(game->play().foundations()[f].size(), f == c.expectedFoundation ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(game->play().history().undoSteps().size(), c.expectedFoundation < 0 ? 0 : 1);
    }
}

TEST_F(BestSpotTest, ColumnDropsAcceptAboveWithinToleranceAndAnywhereBelow)
{
    struct Case {
        qreal x;
        qreal y;
        int expectedColumn;
    };
    const Case cases[] = {{72, 500, 1}, {72, 100 - 19, 1}, {72, 100 - 20, -1}, {50 - 13, 120, 1}, {50 - 14, 120, -1}};
    for (const Case& c : cases) {
        Position p;
        p.tableau = {"", "9S", "", "", "", "", ""};
        p.waste = "8H";
        auto game = load(p);
        drag.setDragSource(DragSource::waste());
        game->play().dropDraggedCards(frames(), drag, QPointF(c.x, c.y));
        EXPECT_EQ(game->play().tableau()[1].size(), c.expectedColumn == 1 ? 2 : 1) << c.x << "," << c.y;
    }
}

TEST_F(BestSpotTest, DropOnTheSourceColumnOrNowhereLeavesTheCards)
{
    Position p;
    p.tableau = {"-3D 9S", "", "", "", "", "", ""};
    auto game = load(p);
    drag.setDragSource(DragSource::tableau(0, 1));
    game->play().dropDraggedCards(frames(), drag, QPointF(22, 130));
    drag.setDragSource(DragSource::tableau(0, 1));
    game->play().dropDraggedCards(frames(), drag, QPointF(-500, -500));
    drag.setDragSource(DragSource::tableau(0, 1));
    game->play().dropDraggedCards({}, drag, QPointF(22, 130));
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().tableau()[0].size(), 2);
}

TEST_F(BestSpotTest, DropLetsAWholeColumnKingMoveToAnEmptyColumn)
{
    Position p;
    p.tableau = {"KS QH", "", "", "5C", "", "", ""};
    auto game = load(p);
    EXPECT_TRUE(moves::legalTargets(game->play().table(), DragSource::tableau(0, 0)).isEmpty());
    drag.setDragSource(DragSource::tableau(0, 0));
    game->play().dropDraggedCards(frames(), drag, QPointF(222, 130));
    EXPECT_EQ(game->play().tableau()[4].size(), 2);
    EXPECT_TRUE(game->play().tableau()[0].isEmpty());
}

TEST_F(BestSpotTest, DropTiesBetweenColumnsGoToTheLowerIndex)
{
    Position p;
    p.tableau = {"9S", "9C", "", "", "", "", ""};
    p.waste = "8H";
    auto game = load(p);
    drag.setDragSource(DragSource::waste());
    game->play().dropDraggedCards(frames(), drag, QPointF(47, 130)); // midway between 22 and 72
    EXPECT_EQ(game->play().tableau()[0].size(), 2);
}

// --- Auto-complete ---------------------------------------------------------------------

namespace {

struct AutoCompleteTest : ::testing::Test {
    InMemorySettingsStore store;
    DragState drag;
};

Position nearlyDone()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"-KS JS", "QS", "QH", "KH", "KD", "KC", ""};
    return p;
}

} // namespace

TEST_F(AutoCompleteTest, StartsWhenTheLastCardTurnsUpAndIsOneUndoStep)
{
    auto game = loadGame(store, nearlyDone());
    EXPECT_FALSE(game->play().isAutoCompleting());
    // JS onto QH turns the KS up: now nothing is hidden.
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(2));
    ASSERT_TRUE(game->play().isAutoCompleting());
    EXPECT_TRUE(peer(game->play()).autoCompleteTimer()->isActive());
    EXPECT_EQ(peer(game->play()).autoCompleteTimer()->interval(), 75);
    const auto historyDuringRun = game->play().history().undoSteps().size();
    for (int i = 0; i < 3; ++i)
        peer(game->play()).finishAutoCompleteStep();
    EXPECT_TRUE(invariantsHold(*game));
    EXPECT_EQ(game->play().history().undoSteps().size(), historyDuringRun); // steps push nothing
    game->play().undo(drag);
    EXPECT_FALSE(game->play().isAutoCompleting());
    EXPECT_FALSE(peer(game->play()).autoCompleteTimer()->isActive());
    EXPECT_EQ(game->play().tableau()[0].size(), 1); // back to just after the move
    EXPECT_EQ(game->play().tableau()[2].size(), 2);
}

TEST_F(AutoCompleteTest, RunsToTheWinWhichIsDetectedOnTheStepAfterTheLastCard)
{
    auto game = loadGame(store, nearlyDone());
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(2));
    int steps = 0;
    while (game->play().isAutoCompleting() && steps < 100) {
        peer(game->play()).finishAutoCompleteStep();
        ++steps;
    }
    EXPECT_EQ(steps, 8); // 7 cards, then the step that finds nothing
    EXPECT_TRUE(game->play().hasWon());
    EXPECT_EQ(game->statistics().solvedCount(), 1);
}

TEST_F(AutoCompleteTest, TimerDrivesTheStepsAndReportsAnimation)
{
    auto game = loadGame(store, nearlyDone());
    QList<bool> animated;
    QList<Move> reported;
    QObject::connect(&game->play(), &GamePlay::pilesChanged, [&](const MoveRecord& step) {
        if (step.kind != MoveRecord::Kind::autoCompleteStep)
            return;
        animated.append(step.animated);
        reported.append({step.source, step.target});
    });
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(2));
    const auto first = moves::nextAutoCompleteMove(game->play().table());
    ASSERT_TRUE(first);
    const Move expected = first->toMove(game->play().tableau());
    game->play().setReduceMotionEnabled(true);
    QMetaObject::invokeMethod(peer(game->play()).autoCompleteTimer(), "timeout", Qt::DirectConnection);
    game->play().setReduceMotionEnabled(false);
    QMetaObject::invokeMethod(peer(game->play()).autoCompleteTimer(), "timeout", Qt::DirectConnection);
    EXPECT_EQ(animated, (QList<bool>{false, true}));
    ASSERT_EQ(reported.size(), 2);
    EXPECT_EQ(reported.first(), expected) << "the step reports the move it made";
}

TEST_F(AutoCompleteTest, StopsWithCardsLeftWhenTheWasteTopFitsNowhere)
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC"};
    p.waste = "6H 7H 8H 9H TH JH QH KH 4H 5H"; // the 5H lies on the 4H
    p.tableau = {"-QC KC", "", "", "", "", "", ""};
    auto game = loadGame(store, p);
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(1)); // turns the QC up
    ASSERT_TRUE(game->play().isAutoCompleting());
    int steps = 0;
    while (game->play().isAutoCompleting() && steps < 100) {
        peer(game->play()).finishAutoCompleteStep();
        ++steps;
    }
    EXPECT_EQ(steps, 3); // QC, KC, then nothing fits
    EXPECT_FALSE(game->play().hasWon());
    EXPECT_EQ(game->play().waste().last().rank, 5);
    EXPECT_EQ(game->play().foundations()[3].size(), 13);
}

TEST_F(AutoCompleteTest, UserActionsCancelTheRun)
{
    auto game = loadGame(store, nearlyDone());
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(2));
    ASSERT_TRUE(game->play().isAutoCompleting());
    game->play().moveIfLegal(DragSource::tableau(1, 0), MoveTarget::tableau(6), drag); // ignored during a run
    EXPECT_TRUE(game->play().isAutoCompleting());
    game->session().newDeal();
    EXPECT_FALSE(game->play().isAutoCompleting());
    EXPECT_FALSE(peer(game->play()).autoCompleteTimer()->isActive());
}

TEST_F(AutoCompleteTest, DisabledModeStartsNothing)
{
    store.setString(keys::autoCompleteMode, "Disabled");
    auto game = loadGame(store, nearlyDone());
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(2));
    EXPECT_FALSE(game->play().isAutoCompleting());
}

TEST_F(BestSpotTest, DragStartingOnAFaceDownCardNeverMovesIt)
{
    Position p;
    p.tableau = {"-4D -QC 9S", "TH", "", "", "", "", ""};
    auto game = load(p);
    drag.setDragSource(DragSource::tableau(0, 1)); // the face-down Queen
    game->play().dropDraggedCards(frames(), drag, QPointF(72, 130));
    EXPECT_EQ(game->play().tableau()[0].size(), 3);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_TRUE(invariantsHold(*game));
}
