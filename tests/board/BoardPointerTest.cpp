// Pointer play through the real widgets: clicks on the stock, double-clicks,
// the drag threshold, the preview, drops, and input that must change nothing.

#include "BoardTestSupport.h"

#include "board/CardFlightLayer.h"
#include "board/DragPreviewLayer.h"
#include "board/PileView.h"

#include <functional>
#include <vector>

using namespace murvane;
using namespace murvane::testing;

namespace {

struct PointerTest : BoardFixture {
    // Column 0: KS; column 1: a face-down card under QH; column 2: AS;
    // column 3: KD QC; waste top AH (Draw 1).
    Position basic()
    {
        Position p;
        p.tableau = {"KS", "-5C QH", "AS", "KD QC", "", "", ""};
        p.waste = "9D AH";
        return p;
    }
};

} // namespace

TEST_F(PointerTest, ClickOnTheStockDrawsEveryTime)
{
    load(basic());
    const auto stockBefore = game->play().stock().size();
    const QPoint stock = frame(BoardFocus::stock()).center().toPoint();
    click(stock);
    EXPECT_EQ(game->play().stock().size(), stockBefore - 1);
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::stock());
    doubleClick(stock); // two more clicks, two more draws
    EXPECT_EQ(game->play().stock().size(), stockBefore - 3);
    press(stock); // let go over a column: not a click
    release(frame(BoardFocus::tableau(0)).center().toPoint());
    EXPECT_EQ(game->play().stock().size(), stockBefore - 3);
}

TEST_F(PointerTest, DoubleClickSendsTopCardsToTheirBestSpot)
{
    load(basic());
    doubleClick(onColumnCard(2, 0)); // AS to a foundation
    EXPECT_TRUE(game->play().tableau()[2].isEmpty());
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::tableau(2));

    doubleClick(frame(BoardFocus::waste()).center().toPoint()); // AH
    EXPECT_EQ(game->play().waste().size(), 1);
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::waste());
    int aces = 0;
    for (const Pile& f : game->play().foundations())
        aces += int(f.size());
    EXPECT_EQ(aces, 2);
}

TEST_F(PointerTest, DoubleClickBelowTheTopCardOrOnAFaceDownCardDoesNothing)
{
    load(basic());
    doubleClick(onColumnCard(3, 0)); // KD under QC
    doubleClick(onColumnCard(1, 0)); // face-down card
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().tableau()[3].size(), 2);
}

TEST_F(PointerTest, DragStartsAtTenPointsAndCentresTheGrabbedCard)
{
    load(basic());
    const QPoint start = onColumnCard(1, 1) + QPoint(-12, 20); // off-centre grab of QH
    press(start);
    moveTo(start + QPoint(0, 9));
    EXPECT_FALSE(view->board().dragState().dragSource()) << "9 points is still a click";
    moveTo(start + QPoint(6, 8)); // exactly 10 away
    ASSERT_TRUE(view->board().dragState().dragSource());
    EXPECT_EQ(*view->board().dragState().dragSource(), DragSource::tableau(1, 1));
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::tableau(1));

    const QPoint at(150, 300);
    moveTo(at);
    EXPECT_EQ(view->board().dragPosition().location(), QPointF(at));
    EXPECT_EQ(preview()->movingCards().size(), 1);
    EXPECT_EQ(preview()->cardFrame(0).center(), QPointF(at));
    // The carried card is left out of its pile while it is in the air.
    EXPECT_TRUE(board::isCarried(view->board().pileScene(), BoardFocus::tableau(1), 1, 2));

    release(QPoint(1, 1)); // nowhere
    EXPECT_FALSE(view->board().dragState().dragSource());
    EXPECT_EQ(view->board().dragPosition().location(), QPointF(0, 0));
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().tableau()[1].size(), 2);
    EXPECT_FALSE(board::isCarried(view->board().pileScene(), BoardFocus::tableau(1), 1, 2));
}

TEST_F(PointerTest, RunPreviewUsesTheColumnsStep)
{
    load(basic());
    press(onColumnCard(3, 0)); // KD with QC on it
    moveTo(QPoint(200, 350));
    ASSERT_EQ(preview()->movingCards().size(), 2);
    const qreal step = view->board().boardGeometry().scaledFanStep(2);
    EXPECT_DOUBLE_EQ(view->board().dragPosition().stackStep(), step);
    EXPECT_DOUBLE_EQ(preview()->cardFrame(1).top() - preview()->cardFrame(0).top(), step);
    release(QPoint(200, 350));
}

TEST_F(PointerTest, DropsResolveToThePileUnderThePointer)
{
    struct Case {
        const char* what;
        std::function<QPoint(PointerTest&)> from;
        std::function<QPoint(PointerTest&)> to;
        std::function<bool(const SolitaireGame&)> landed;
    };
    const std::vector<Case> cases = {
        {"QH onto KS", [](PointerTest& t) { return t.onColumnCard(1, 1); },
         [](PointerTest& t) { return t.frame(BoardFocus::tableau(0)).center().toPoint(); },
         [](const SolitaireGame& g) { return g.play().tableau()[0].size() == 2 && g.play().tableau()[1].size() == 1; }},
        {"QH far below KS's frame", [](PointerTest& t) { return t.onColumnCard(1, 1); },
         [](PointerTest& t) { return QPointF(t.frame(BoardFocus::tableau(0)).center().x(), 400).toPoint(); },
         [](const SolitaireGame& g) { return g.play().tableau()[0].size() == 2; }},
        {"AS onto the last foundation", [](PointerTest& t) { return t.onColumnCard(2, 0); },
         [](PointerTest& t) { return t.frame(BoardFocus::foundation(3)).center().toPoint(); },
         [](const SolitaireGame& g) { return g.play().foundations()[3].size() == 1; }},
        {"AH from the waste", [](PointerTest& t) { return t.frame(BoardFocus::waste()).center().toPoint(); },
         [](PointerTest& t) { return t.frame(BoardFocus::foundation(1)).center().toPoint(); },
         [](const SolitaireGame& g) { return g.play().foundations()[1].size() == 1 && g.play().waste().size() == 1; }},
    };
    for (const Case& c : cases) {
        load(basic());
        drag(c.from(*this), c.to(*this));
        EXPECT_TRUE(c.landed(*game)) << c.what;
        EXPECT_FALSE(view->board().dragState().dragSource()) << c.what;
    }
}

TEST_F(PointerTest, DropsThatFindNoTargetChangeNothing)
{
    load(basic());
    // Back onto its own column, onto an illegal column, onto the stock.
    drag(onColumnCard(1, 1), frame(BoardFocus::tableau(1)).center().toPoint());
    drag(onColumnCard(1, 1), frame(BoardFocus::tableau(4)).center().toPoint());
    drag(onColumnCard(1, 1), frame(BoardFocus::stock()).center().toPoint());
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().tableau()[1].size(), 2);
}

TEST_F(PointerTest, OtherButtonsDuringADragDoNotLoseIt)
{
    load(basic());
    const QPoint target = frame(BoardFocus::tableau(0)).center().toPoint();
    press(onColumnCard(1, 1)); // QH
    moveTo(target + QPoint(0, 20));
    ASSERT_TRUE(view->board().dragState().dragSource());
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(surface(), other, {}, target);
        QTest::mouseRelease(surface(), other, {}, target);
    }
    release(target);
    EXPECT_EQ(game->play().tableau()[0].size(), 2) << "QH landed on KS";
    EXPECT_FALSE(view->board().dragState().dragSource());
}

TEST_F(PointerTest, HoldingOnAfterADoubleClickThatMovedPicksUpNothing)
{
    load(basic());
    const QPoint waste = frame(BoardFocus::waste()).center().toPoint();
    QTest::mouseClick(surface(), Qt::LeftButton, {}, waste);
    QTest::mouseDClick(surface(), Qt::LeftButton, {}, waste);
    ASSERT_EQ(game->play().waste().size(), 1) << "AH went to a foundation";
    // Still holding the button: the 9D now on top was never grabbed.
    moveTo(waste + QPoint(0, 40));
    EXPECT_FALSE(view->board().dragState().dragSource());
    release(frame(BoardFocus::tableau(4)).center().toPoint());
    EXPECT_EQ(game->play().waste().size(), 1);
}

TEST_F(PointerTest, FaceDownCardsEmptySpaceAndUnderWasteCardsDoNotDrag)
{
    store.setInteger(keys::drawCount, 3);
    load(basic());
    ASSERT_EQ(game->settings().drawMode().count(), 3);
    const auto stockBefore = game->play().stock().size();
    drag(onColumnCard(1, 0), frame(BoardFocus::tableau(0)).center().toPoint()); // face-down 5C
    drag(QPoint(2, 300), frame(BoardFocus::tableau(0)).center().toPoint());     // margin
    const QRectF under = view->board().boardGeometry().wasteCardRect(0);                 // 9D under AH
    drag(QPointF(under.left() + 3, under.center().y()).toPoint(), frame(BoardFocus::tableau(0)).center().toPoint());
    doubleClick(QPointF(under.left() + 3, under.center().y()).toPoint());
    doubleClick(frame(BoardFocus::tableau(5)).center().toPoint()); // empty column
    click(view->board().boardGeometry().headerRect().bottomLeft().toPoint() + QPoint(4, 5));
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_EQ(game->play().stock().size(), stockBefore);
    EXPECT_FALSE(view->board().dragState().dragSource());
}

TEST_F(PointerTest, PressHidesTheRingButKeepsTheFocus)
{
    load(basic());
    view->board().setFocusedSlot(BoardFocus::tableau(4));
    view->board().setShowKeyboardFocus(true);
    click(QPoint(2, 300)); // empty margin
    EXPECT_FALSE(view->board().showKeyboardFocus());
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::tableau(4));
}

TEST_F(PointerTest, ShowingTheBoardAgainClearsAHalfFinishedDrag)
{
    load(basic());
    press(onColumnCard(1, 1));
    moveTo(QPoint(200, 300));
    ASSERT_TRUE(view->board().dragState().dragSource());
    view->hide();
    view->show();
    EXPECT_FALSE(view->board().dragState().dragSource());
    EXPECT_EQ(view->board().dragPosition().location(), QPointF(0, 0));
    release(QPoint(200, 300)); // the stale release moves nothing
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
}

TEST_F(PointerTest, AutoCompleteStepsFlyUnlessMotionIsReduced)
{
    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    load(autoCompletingPosition());
    ASSERT_TRUE(game->play().isAutoCompleting());
    auto* flight = view->findChild<board::CardFlightLayer*>(QStringLiteral("cardFlightLayer"));
    ASSERT_TRUE(flight);

    const auto next = moves::nextAutoCompleteMove(game->play().table());
    ASSERT_TRUE(next);
    const Card moving = game->play().tableau()[size_t(next->column)].last();
    game->play().setReduceMotionEnabled(false);
    peer(game->play()).finishAutoCompleteStep();
    ASSERT_EQ(flight->flyingCard(), moving.id);
    // It starts where the card lay and is hidden in the pile it lands on.
    const QRectF from = view->board().boardGeometry().columnCardRect(next->column, 1, 2);
    EXPECT_EQ(flight->currentFrame(), from);
    EXPECT_EQ(view->board().pileScene().flying, moving.id);
    flight->animation().setCurrentTime(flight->animation().duration());
    EXPECT_FALSE(flight->flyingCard()) << "the card lands when the flight ends";

    game->play().setReduceMotionEnabled(true);
    peer(game->play()).finishAutoCompleteStep();
    EXPECT_FALSE(flight->flyingCard());
}

TEST_F(PointerTest, ADealUnderADragInFlightCancelsTheDrag)
{
    load(basic()); // not started: Ctrl+N deals at once
    QApplication::setActiveWindow(view.get());
    press(onColumnCard(1, 1));
    moveTo(QPoint(200, 300));
    ASSERT_TRUE(view->board().dragState().dragSource());
    QTest::keyClick(view.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(view->board().dragState().dragSource());
    const Tableau dealt = game->play().tableau();
    moveTo(frame(BoardFocus::tableau(0)).center().toPoint());
    release(frame(BoardFocus::tableau(0)).center().toPoint());
    EXPECT_EQ(game->play().tableau(), dealt);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
}
