// Keyboard play through real key events: the arrow map, Space/Return, the
// digits, Tab, the ring's lifecycle, and keys that must change nothing.

#include "BoardTestSupport.h"

#include "board/BoardHeader.h"
#include "board/GameSolvedOverlay.h"
#include "board/HeaderControls.h"
#include "board/KeyboardNavigation.h"
#include "board/PileView.h"
#include "screens/ConfirmationDialog.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

using namespace murvane;
using namespace murvane::testing;
using board::FocusMove;

namespace {

const BoardFocus kStock = BoardFocus::stock();
const BoardFocus kWaste = BoardFocus::waste();
BoardFocus F(int i) { return BoardFocus::foundation(i); }
BoardFocus T(int i) { return BoardFocus::tableau(i); }

struct KeyboardTest : BoardFixture {
    // Column 0: KS; 1: a face-down card under QH; 2: AS; 3: KD QC; 4: 3C;
    // foundation 0: AD 2D; waste top AH (Draw 1).
    Position basic()
    {
        Position p;
        p.tableau = {"KS", "-5C QH", "AS", "KD QC", "3C", "", ""};
        p.foundations = {"AD 2D", "", "", ""};
        p.waste = "9D AH";
        p.hasStartedCurrentDeal = true;
        return p;
    }

    // Sends the key to whatever holds the focus, as the platform does.
    void key(int k, Qt::KeyboardModifiers mods = {}, bool repeat = false)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : view.get();
        const QString text = (k >= Qt::Key_0 && k <= Qt::Key_9) ? QString(QChar(k)) : QString();
        QKeyEvent press(QEvent::KeyPress, k, mods, text, repeat);
        QApplication::sendEvent(target, &press);
    }
    // The ring shows exactly where the platform focus is.
    void expectFocusOn(const BoardFocus& pile)
    {
        EXPECT_EQ(view->board().focusedSlot(), pile);
        EXPECT_TRUE(view->pileView(pile)->hasFocus());
    }
    std::int64_t foundationCards() const
    {
        std::int64_t n = 0;
        for (const Pile& f : game->play().foundations())
            n += f.size();
        return n;
    }
};

} // namespace

TEST(KeyboardMap, ArrowsFollowTheRowsWithoutWrapping)
{
    struct Row {
        std::optional<BoardFocus> from;
        FocusMove move;
        BoardFocus to;
    };
    const Row rows[] = {
        // Nowhere yet: the stock, whatever the direction.
        {std::nullopt, FocusMove::left, kStock}, {std::nullopt, FocusMove::down, kStock},
        // Down from each top-row pile.
        {kStock, FocusMove::down, T(0)}, {kWaste, FocusMove::down, T(1)}, {F(0), FocusMove::down, T(2)},
        {F(1), FocusMove::down, T(4)}, {F(2), FocusMove::down, T(5)}, {F(3), FocusMove::down, T(6)},
        // Up from each column (2.5 rounds up).
        {T(0), FocusMove::up, kStock}, {T(1), FocusMove::up, kWaste}, {T(2), FocusMove::up, F(0)},
        {T(3), FocusMove::up, F(1)}, {T(4), FocusMove::up, F(1)}, {T(5), FocusMove::up, F(2)},
        {T(6), FocusMove::up, F(3)},
        // Both ends of both rows, and off the rows vertically.
        {kStock, FocusMove::left, kStock}, {kStock, FocusMove::right, kWaste}, {F(3), FocusMove::right, F(3)},
        {F(3), FocusMove::left, F(2)}, {T(0), FocusMove::left, T(0)}, {T(0), FocusMove::right, T(1)},
        {T(6), FocusMove::right, T(6)}, {T(6), FocusMove::left, T(5)}, {kWaste, FocusMove::up, kWaste},
        {T(3), FocusMove::down, T(3)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(board::focusAfterMove(r.from, r.move), r.to)
            << "from " << (r.from ? int(r.from->kind) * 10 + r.from->index : -1) << " move " << int(r.move);
}

TEST_F(KeyboardTest, ArrowKeysMoveThePlatformFocusAndShowTheRing)
{
    load(basic());
    EXPECT_FALSE(view->board().showKeyboardFocus());
    // The walk visits every row end and both vertical directions.
    const std::pair<int, BoardFocus> walk[] = {
        {Qt::Key_Left, kStock},  {Qt::Key_Right, kWaste}, {Qt::Key_Right, F(0)}, {Qt::Key_Right, F(1)},
        {Qt::Key_Down, T(4)},    {Qt::Key_Up, F(1)},      {Qt::Key_Right, F(2)}, {Qt::Key_Right, F(3)},
        {Qt::Key_Right, F(3)},   {Qt::Key_Down, T(6)},    {Qt::Key_Down, T(6)},  {Qt::Key_Left, T(5)},
    };
    for (const auto& [k, to] : walk) {
        key(k);
        expectFocusOn(to);
        EXPECT_TRUE(view->board().showKeyboardFocus());
    }
    // Held down: repeats keep going and stop at the row's end.
    for (int i = 0; i < 10; ++i)
        key(Qt::Key_Left, {}, true);
    expectFocusOn(T(0));
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
}

TEST_F(KeyboardTest, SpaceAndReturnPlayTheFocusedPile)
{
    load(basic());
    struct Case {
        BoardFocus focus;
        int key;
        std::function<bool()> played;
    };
    const auto stockBefore = game->play().stock().size();
    const Case cases[] = {
        {kWaste, Qt::Key_Return, [&] { return game->play().foundations()[1].size() == 1; }},
        {kStock, Qt::Key_Space, [&] { return game->play().stock().size() == stockBefore - 1; }},
        {T(2), Qt::Key_Enter, [&] { return game->play().tableau()[2].isEmpty(); }},
        {F(0), Qt::Key_Space, [&] { return game->play().tableau()[4].size() == 2; }}, // 2D onto 3C
    };
    for (const Case& c : cases) {
        view->board().setFocusedSlot(c.focus);
        view->board().setShowKeyboardFocus(false);
        const auto before = game->play().history().undoSteps().size();
        key(c.key);
        EXPECT_TRUE(c.played()) << "pile kind " << int(c.focus.kind);
        EXPECT_EQ(game->play().history().undoSteps().size(), before + 1);
        EXPECT_TRUE(view->board().showKeyboardFocus());
        expectFocusOn(c.focus);
    }
    // A pile with nothing to play still takes the key and shows the ring.
    view->board().setFocusedSlot(T(6));
    view->board().setShowKeyboardFocus(false);
    QKeyEvent ret(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view->pileView(T(6)), &ret);
    EXPECT_TRUE(ret.isAccepted());
    EXPECT_TRUE(view->board().showKeyboardFocus());
}

TEST_F(KeyboardTest, DigitsMoveTheFocusedPileOnlyWhenLegalAndUnmodified)
{
    load(basic());
    struct Case {
        BoardFocus focus;
        int key;
        Qt::KeyboardModifiers mods;
        bool handled;
        int movedTo; // column that gained the card, or -1
    };
    const Case cases[] = {
        {T(1), Qt::Key_2, {}, true, -1},                 // its own column
        {T(1), Qt::Key_4, {}, true, -1},                 // QH onto QC: illegal
        {T(1), Qt::Key_1, Qt::ShiftModifier, false, -1}, // modified: passed on
        {T(1), Qt::Key_1, Qt::ControlModifier, false, -1},
        {T(1), Qt::Key_1, Qt::KeypadModifier, true, 0},  // keypad digit, QH onto KS
    };
    for (const Case& c : cases) {
        view->board().setFocusedSlot(c.focus);
        view->board().setShowKeyboardFocus(false);
        const auto before = game->play().tableau();
        QKeyEvent press(QEvent::KeyPress, c.key, c.mods, QString(QChar(c.key)));
        QApplication::sendEvent(view->pileView(c.focus), &press);
        EXPECT_EQ(press.isAccepted(), c.handled) << "key " << c.key;
        EXPECT_EQ(view->board().showKeyboardFocus(), c.handled);
        for (int col = 0; col < kColumnCount; ++col) {
            const auto grow = c.movedTo == col ? 1 : 0;
            const auto shrink = c.movedTo >= 0 && col == c.focus.index ? 1 : 0;
            EXPECT_EQ(game->play().tableau()[col].size(), before[col].size() + grow - shrink) << "column " << col;
        }
    }
}

TEST_F(KeyboardTest, TabShowsTheRingAndAPointerPressHidesIt)
{
    load(basic());
    view->board().setFocusedSlot(kWaste);
    QTest::keyClick(view->pileView(kWaste), Qt::Key_Tab);
    expectFocusOn(F(0));
    EXPECT_TRUE(view->board().showKeyboardFocus());
    QTest::keyClick(view->pileView(F(0)), Qt::Key_Backtab, Qt::ShiftModifier);
    expectFocusOn(kWaste);

    // A press on a header button hides the ring; the focus stays put.
    QTest::mouseClick(view->header()->menuButton(), Qt::LeftButton);
    view->header()->menu()->hide();
    EXPECT_FALSE(view->board().showKeyboardFocus());
    EXPECT_EQ(view->board().focusedSlot(), kWaste);

    // Focus on a header control leaves no pile focused, so no ring.
    view->header()->menuButton()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(view->board().focusedSlot());
    key(Qt::Key_Down); // arrows from a button walk the focus chain
    expectFocusOn(kStock);
    EXPECT_TRUE(view->board().showKeyboardFocus());
}

TEST_F(KeyboardTest, RingFramesTheTopCardOfAFannedColumn)
{
    load(basic());
    view->board().setFocusedSlot(T(3));
    view->board().setShowKeyboardFocus(true);
    board::PileView* pile = view->pileView(T(3));
    const auto& g = view->board().boardGeometry();
    const QRectF top = g.columnCardRect(3, 1, 2);
    EXPECT_EQ(g.focusRingRect(T(3), 2), top);
    EXPECT_EQ(g.focusRingRect(T(5), 0), g.pileFrame(T(5))) << "an empty column's ring frames its marker";

    // The ring's stroke shows on the top card's left edge, not on the
    // column's own frame above it, and goes away with the flag.
    const QImage on = pile->grab().toImage();
    view->board().setShowKeyboardFocus(false);
    const QImage off = pile->grab().toImage();
    const qreal dpr = on.devicePixelRatio();
    auto at = [&](const QImage& img, QPointF board) {
        return img.pixelColor(((board - QPointF(pile->pos())) * dpr).toPoint());
    };
    const QPointF ringEdge(top.left(), top.center().y());
    const QPointF frameEdge(top.left(), g.pileFrame(T(3)).top() + 6);
    EXPECT_NE(at(on, ringEdge), at(off, ringEdge));
    EXPECT_EQ(at(on, frameEdge), at(off, frameEdge));
}

TEST_F(KeyboardTest, ScreensAndTheDialogKeepKeysFromTheBoard)
{
    load(basic());
    view->board().setFocusedSlot(T(1));
    view->requestNewDeal(); // a started game asks first
    ASSERT_TRUE(view->isConfirmingNewDeal());
    // Which keys reach the board under the dialog and a screen: InputGateTest.
    const auto tableauBefore = game->play().tableau();
    const auto stockBefore = game->play().stock().size();
    EXPECT_EQ(game->play().tableau(), tableauBefore);
    EXPECT_EQ(view->board().focusedSlot(), T(1));
    EXPECT_FALSE(view->board().showKeyboardFocus());
    key(Qt::Key_Escape);
    EXPECT_FALSE(view->isConfirmingNewDeal());
    expectFocusOn(T(1));

    // The menu by keyboard: Return opens it on its first item, Down moves on.
    view->header()->menuButton()->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    QMenu* menu = view->header()->menu();
    for (int i = 0; i < 50 && !menu->isVisible(); ++i)
        QTest::qWait(10); // the button's animated click
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->activeAction(), view->header()->menuActions().first());
    QTest::keyClick(menu, Qt::Key_Down); // past Show Hint, Watch Solution and Preferences
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    ASSERT_TRUE(game->isShowingScreen());
    EXPECT_EQ(view->presentedScreen(), ModalScreen::statistics);

    EXPECT_EQ(game->play().stock().size(), stockBefore);
    EXPECT_FALSE(view->board().focusedSlot());
    EXPECT_FALSE(view->board().showKeyboardFocus());
    key(Qt::Key_Escape); // closes the screen; the keyboard is back on the stock
    EXPECT_FALSE(game->isShowingScreen());
    expectFocusOn(kStock);
    EXPECT_FALSE(view->board().showKeyboardFocus());
}

TEST_F(KeyboardTest, EveryScreenIsWalkedWithTabAndClosedWithEscape)
{
    load(basic());
    for (ModalScreen screen : EnumCases<ModalScreen>::all) {
        view->presentScreen(screen);
        QWidget* host = view->screenHost();
        ASSERT_NE(host, nullptr);
        QList<QWidget*> controls;
        for (QWidget* w : host->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(host) && w->isEnabled())
                controls.append(w);
        ASSERT_FALSE(controls.isEmpty()) << rawValue(screen).toStdString();
        QSet<QWidget*> reached;
        for (int i = 0; i < 2 * controls.size() + 2; ++i) {
            key(Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            ASSERT_TRUE(focused && host->isAncestorOf(focused)) << "Tab left the screen";
            reached.insert(focused);
        }
        for (QWidget* w : controls)
            EXPECT_TRUE(reached.contains(w)) << rawValue(screen).toStdString() << ": " << w->objectName().toStdString();
        // Escape closes the screen from wherever the focus is in it.
        key(Qt::Key_Escape);
        EXPECT_FALSE(game->isShowingScreen()) << rawValue(screen).toStdString();
        expectFocusOn(kStock);
    }
}

TEST_F(KeyboardTest, ArrowsOnAHeaderButtonGoToTheStock)
{
    load(basic());
    view->board().drawFromStock(); // something to undo: the button takes focus
    board::BoardHeader* header = view->header();
    for (QWidget* button : {static_cast<QWidget*>(header->newDealButton()), static_cast<QWidget*>(header->undoButton()),
                            static_cast<QWidget*>(header->menuButton())}) {
        for (int k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
            view->board().setShowKeyboardFocus(false);
            button->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(button->hasFocus()) << button->objectName().toStdString();
            ASSERT_FALSE(view->board().focusedSlot());
            key(k);
            expectFocusOn(kStock);
            EXPECT_TRUE(view->board().showKeyboardFocus()) << button->objectName().toStdString() << " key " << k;
        }
    }
    EXPECT_EQ(game->play().history().undoSteps().size(), 1) << "an arrow presses no button";
}

TEST_F(KeyboardTest, TheWinCardTakesTheKeyboardAndGivesItBackToTheStock)
{
    for (int k : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Down}) {
        store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
        load(autoCompletingPosition());
        view->board().setFocusedSlot(T(2));
        while (game->play().isAutoCompleting())
            peer(game->play()).finishAutoCompleteStep();
        ASSERT_TRUE(game->play().hasWon());
        // On "Play Again", so a screen reader reads it and Return deals again.
        QWidget* playAgain = view->solvedOverlay()->playAgainButton();
        EXPECT_TRUE(playAgain->hasFocus()) << "key " << k;
        EXPECT_FALSE(view->board().focusedSlot());
        if (k == Qt::Key_Down) {
            key(k); // an arrow leaves the card for the stock; the card stays
            expectFocusOn(kStock);
            EXPECT_TRUE(game->play().hasWon());
            continue;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
        for (int i = 0; i < 50 && game->play().hasWon(); ++i)
            QTest::qWait(10); // the button's animated click
        EXPECT_FALSE(game->play().hasWon()) << "key " << k;
        expectFocusOn(kStock);
    }
}

TEST_F(KeyboardTest, PlayAgainFromTheKeyboardHandsTheFocusBackToThePiles)
{
    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    load(autoCompletingPosition());
    while (game->play().isAutoCompleting())
        peer(game->play()).finishAutoCompleteStep();
    ASSERT_TRUE(game->play().hasWon());
    QWidget* playAgain = view->solvedOverlay()->playAgainButton();
    playAgain->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(playAgain->hasFocus());
    QTest::keyClick(playAgain, Qt::Key_Space);
    EXPECT_FALSE(game->play().hasWon());
    EXPECT_TRUE(view->board().focusedSlot().has_value());
    EXPECT_TRUE(view->pileView(*view->board().focusedSlot())->hasFocus());
}
