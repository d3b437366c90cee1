// Every way of playing the board against every state that holds input back:
// each cell is entered on a fresh board, one input is made through the real
// widget, shortcut, menu item or accessible interface, and what changed is
// compared with what the cell expects.

#include "BoardTestSupport.h"

#include "board/BoardAnnouncer.h"
#include "board/BoardHeader.h"
#include "board/GameSolvedOverlay.h"
#include "board/HeaderControls.h"
#include "board/HintLayer.h"
#include "board/PileView.h"
#include "engine/DealOrigin.h"
#include "solver/DealCode.h"
#include "solver/DealNumbers.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace murvane;
using namespace murvane::testing;

namespace {

// The Play Deal dialog is entered over a won game: the win card lies
// beneath it, and its Play Again must stay out of reach too. Watching is
// entered with the first move of the line shown and not yet made. Dealing: a
// numbered deal on its way (laid only when the event loop next runs).
enum class State { idle, abandonDialog, screen, won, autoCompleting, dragging, playDealDialog, watching, dealing };
constexpr State kStates[] = {State::idle,           State::abandonDialog,  State::screen,   State::won,
                             State::autoCompleting, State::dragging,       State::playDealDialog,
                             State::watching,       State::dealing};
// Under Draw 1 with limited passes it tries 140 shuffles before one verifies.
constexpr std::uint32_t kSlowDealNumber = 753;
const char* nameOf(State s)
{
    const char* names[] = {"idle", "dialog", "screen", "won", "auto-complete", "drag", "play deal", "watching", "dealing"};
    return names[int(s)];
}

// What the board and the game show, as far as any input can change it.
struct Snapshot {
    Tableau tableau;
    Foundations foundations;
    qsizetype history = 0;
    qsizetype redo = 0;
    bool won = false;
    bool screen = false;
    board::BoardLayer layer = board::BoardLayer::board;
    std::optional<BoardFocus> focus;
    bool hint = false;
    bool watching = false;
    QString clipboard;
    bool operator==(const Snapshot&) const = default;
};

struct InputGateTest : BoardFixture {
    // Nothing hidden and nothing left in the stock, so one position can also
    // run auto-complete and be won. Columns: KC QD | KH | KD QC | KS. One
    // step to undo (JD to its foundation) and one to redo (QD after it). The
    // deal it came from is known, so it can be restarted and its code copied.
    void enter(State state)
    {
        store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
        Position p;
        p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH",
                         "AD 2D 3D 4D 5D 6D 7D 8D 9D TD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC"};
        p.tableau = {"KC QD", "KH", "KD QC", "KS", "", "JD", ""};
        p.hasStartedCurrentDeal = true;
        loadDealt(p);
        if (::testing::Test::HasFatalFailure())
            return;
        QGuiApplication::clipboard()->clear();
        view->board().moveIfLegal(DragSource::tableau(5, 0), MoveTarget::foundation(2));
        view->board().moveIfLegal(DragSource::tableau(0, 1), MoveTarget::foundation(2));
        view->board().undo();
        ASSERT_EQ(game->play().tableau()[0].size(), 2);
        ASSERT_EQ(game->play().history().undoSteps().size(), 1);
        ASSERT_EQ(game->play().history().redoSteps().size(), 1);
        view->board().setFocusedSlot(BoardFocus::tableau(0));
        switch (state) {
        case State::idle:
            break;
        case State::abandonDialog:
            view->requestNewDeal();
            ASSERT_TRUE(view->isConfirmingNewDeal());
            break;
        case State::screen:
            view->presentScreen(ModalScreen::statistics);
            ASSERT_TRUE(game->isShowingScreen());
            break;
        case State::won:
        case State::autoCompleting:
        case State::playDealDialog:
            game->settings().setAutoCompleteMode(AutoCompleteMode::enabled);
            peer(game->play()).startAutoCompleteIfPossible();
            ASSERT_TRUE(game->play().isAutoCompleting());
            while (state != State::autoCompleting && game->play().isAutoCompleting())
                peer(game->play()).finishAutoCompleteStep();
            ASSERT_EQ(game->play().hasWon(), state != State::autoCompleting);
            view->board().setFocusedSlot(BoardFocus::tableau(0)); // off "Play Again"
            if (state == State::playDealDialog) {
                view->requestPlayDeal();
                ASSERT_EQ(view->board().layer(), board::BoardLayer::playDealDialog);
            }
            break;
        case State::watching:
            // No move is made while the cell runs.
            game->watch().findChild<QTimer*>(QStringLiteral("solutionStepTimer"))->setInterval(60000);
            view->requestWatchSolution();
            ASSERT_TRUE(QTest::qWaitFor([this] { return game->watch().nextStep().has_value(); }, 30000));
            ASSERT_TRUE(view->hintLayer()->shownHint());
            break;
        case State::dealing:
            game->session().playDeal(DealRequest{kSlowDealNumber, std::nullopt});
            ASSERT_NE(game->session().origin().number, kSlowDealNumber) << "the deal in progress stays meanwhile";
            ASSERT_TRUE(game->session().isDealing());
            break;
        case State::dragging: {
            const QPoint from = onColumnCard(2, 1); // QC
            press(from);
            moveTo(from + QPoint(0, 30));
            ASSERT_EQ(view->board().dragState().dragSource(), DragSource::tableau(2, 1));
            view->board().setFocusedSlot(BoardFocus::tableau(0)); // off the carried card's column
            break;
        }
        }
    }

    Snapshot snapshot() const
    {
        board::HintLayer* hint = view->hintLayer();
        return Snapshot{game->play().tableau(),
                        game->play().foundations(),
                        game->play().history().undoSteps().size(),
                        game->play().history().redoSteps().size(),
                        game->play().hasWon(),
                        game->isShowingScreen(),
                        view->board().layer(),
                        view->board().focusedSlot(),
                        hint->shownHint().has_value() || hint->finder().isSearching(),
                        game->watch().isWatching(),
                        QGuiApplication::clipboard()->text()};
    }

    // A key sent to a pile, as when the pile holds the focus; true when the
    // board took it. Under a dialog or a screen the key first goes where the
    // keyboard is, which must not hand it on to the board either.
    bool keyAt(const BoardFocus& pile, int key, bool toFocusHolderFirst)
    {
        const QString text = (key >= Qt::Key_0 && key <= Qt::Key_9) ? QString(QChar(key)) : QString();
        if (toFocusHolderFirst && QApplication::focusWidget()) {
            QKeyEvent first(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(QApplication::focusWidget(), &first);
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(view->pileView(pile), &press);
        return press.isAccepted();
    }
};

struct Channel {
    const char* name;
    // One character per state, in the order of kStates: 'A' acts, '-' is
    // refused (a key is passed on), 'k' a key the board takes without acting,
    // 's' stops Watch Solution and does nothing else.
    const char* expected;
    // Makes the input; for a key, returns whether the board accepted it.
    std::function<std::optional<bool>(InputGateTest&, bool covered)> input;
    bool showsRing = false; // a key that shows the focus ring when taken
};

QAccessibleActionInterface* topCardActions(InputGateTest& t, int column)
{
    QAccessibleInterface* pile = QAccessible::queryAccessibleInterface(t.view->pileView(BoardFocus::tableau(column)));
    return pile->child(pile->childCount() - 1)->actionInterface();
}

} // namespace

TEST_F(InputGateTest, EveryChannelAsksTheGateInEveryState)
{
    const BoardFocus t0 = BoardFocus::tableau(0);
    const auto key = [t0](int k) {
        // Space and Return are not sent to a dialog's or a screen's own controls.
        return [t0, k](InputGateTest& t, bool covered) -> std::optional<bool> {
            return t.keyAt(t0, k, covered && k != Qt::Key_Space && k != Qt::Key_Return);
        };
    };
    const auto shortcut = [](QKeyCombination keys) {
        return [keys](InputGateTest& t, bool) -> std::optional<bool> {
            QTest::keyClick(t.view.get(), keys.key(), keys.keyboardModifiers());
            return std::nullopt;
        };
    };
    const auto menuItem = [](int index) {
        return [index](InputGateTest& t, bool) -> std::optional<bool> {
            t.view->header()->menuActions().at(index)->trigger();
            return std::nullopt;
        };
    };
    const QString press = QAccessibleActionInterface::pressAction();
    const Channel channels[] = {
        // States: idle, dialog, screen, won, auto-complete, drag, Play Deal dialog,
        // watching, dealing. A double-click's first click stops a watch; its second is
        // the player's own.
        {"drag QC onto KH", "A----A-s-",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             const QPoint target = t.frame(BoardFocus::tableau(1)).center().toPoint();
             if (t.view->board().dragState().dragSource()) { // the drag in progress carries QC
                 t.moveTo(target);
                 t.release(target);
             } else {
                 t.drag(t.onColumnCard(2, 1), target);
             }
             return std::nullopt;
         }},
        {"double-click QD", "A------A-",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             t.doubleClick(t.onColumnCard(0, 1));
             return std::nullopt;
         }},
        {"Right", "A--AAA-sA", key(Qt::Key_Right), true},
        {"Space", "A--kkk-sk", key(Qt::Key_Space), true},
        {"Return", "A--kkk-sk", key(Qt::Key_Return), true},
        {"4 (QD onto KS)", "A--k---s-", key(Qt::Key_4), true},
        {"H", "A--kkk-sk", key(Qt::Key_H)},
        {"menu: Show Hint", "A--------", menuItem(0)},
        {"menu: Watch Solution", "A--------", menuItem(1)},
        {"accessible press on column 1's top card", "A--------",
         [press](InputGateTest& t, bool) -> std::optional<bool> {
             topCardActions(t, 0)->doAction(press);
             return std::nullopt;
         }},
        {"accessible move of QD to its foundation", "A--------",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             topCardActions(t, 0)->doAction(QStringLiteral("Move to foundation"));
             return std::nullopt;
         }},
        {"Ctrl+Z", "A--A-A-s-", shortcut(Qt::CTRL | Qt::Key_Z)},
        {"undo button", "A--A-A---",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             t.view->header()->undoButton()->click();
             return std::nullopt;
         }},
        {"Ctrl+Shift+Z", "A----A-s-", shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Ctrl+Y", "A----A-s-", shortcut(Qt::CTRL | Qt::Key_Y)},
        {"Ctrl+N", "A--AAA-sA", shortcut(Qt::CTRL | Qt::Key_N)},
        {"new deal button", "A--AAA--A",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             t.view->header()->newDealButton()->click();
             return std::nullopt;
         }},
        {"Ctrl+Comma", "A--AAA-sA", shortcut(Qt::CTRL | Qt::Key_Comma)},
        {"menu: Statistics", "A--AAA--A", menuItem(3)},
        {"menu: Play Deal…", "A--AAA--A", menuItem(8)},
        {"menu: Today's Deal", "A--AAA--A",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             t.view->header()->menuActions().at(9)->trigger();
             QTest::qWaitFor([&t] { return !t.game->session().isDealing(); }, 60000); // found on the deal threads
             return std::nullopt;
         }},
        {"Ctrl+R", "A--AAA-s-", shortcut(Qt::CTRL | Qt::Key_R)},
        {"menu: Restart Deal", "A--AAA---", menuItem(6)},
        {"menu: Copy Deal Code", "A--AAA--A", menuItem(7)},
        // Only a won game shows the card; elsewhere its request is made as
        // the button makes it.
        {"Play Again", "---A-----",
         [](InputGateTest& t, bool) -> std::optional<bool> {
             if (board::GameSolvedOverlay* card = t.view->solvedOverlay())
                 QTest::mouseClick(card->playAgainButton(), Qt::LeftButton);
             else
                 t.view->requestPlayAgain();
             return std::nullopt;
         }},
    };
    for (const Channel& c : channels) {
        for (size_t i = 0; i < std::size(kStates); ++i) {
            const State state = kStates[i];
            const char cell = c.expected[i];
            const std::string where = std::string(c.name) + " / " + nameOf(state);
            enter(state);
            if (::testing::Test::HasFatalFailure())
                return;
            const Snapshot before = snapshot();
            const bool ringBefore = view->board().showKeyboardFocus();
            const bool covered =
                state == State::abandonDialog || state == State::screen || state == State::playDealDialog;
            const std::optional<bool> accepted = c.input(*this, covered);
            const Snapshot after = snapshot();
            Snapshot unchanged = before;
            if (cell == 's') { // the watch and what it showed end; nothing else changes
                unchanged.watching = false;
                unchanged.hint = false;
            }
            EXPECT_EQ(after != unchanged, cell == 'A') << where;
            if (state == State::watching) {
                EXPECT_EQ(after.watching, cell == '-') << where << ": only what stops the watch stops it";
            }
            if (accepted) {
                EXPECT_EQ(*accepted, cell != '-') << where;
            }
            if (cell == 'k' && c.showsRing) {
                EXPECT_TRUE(view->board().showKeyboardFocus()) << where << ": the key was taken";
            }
            if (cell == '-') {
                EXPECT_EQ(view->board().showKeyboardFocus(), ringBefore) << where;
            }
            if (state == State::dragging && cell != 'A') {
                EXPECT_EQ(view->board().dragState().dragSource(), DragSource::tableau(2, 1))
                    << where << ": the drag goes on";
            }
            if (view->board().dragState().dragSource())
                release(QPoint(1, 1));
        }
    }
}

// While a slow numbered deal is found, the board keeps painting and
// answering keys, says after a moment that the deal is on its way, and lays
// the deal the number names once it arrives.
TEST_F(InputGateTest, ASlowNumberedDealLeavesTheBoardPaintingAndAnswering)
{
    storeRules(store, QStringLiteral("Vegas"), false, 1);
    Position p = autoCompletingPosition(); // any position will do
    p.wasAutoCompleting = false;
    load(p);
    view->board().setFocusedSlot(BoardFocus::tableau(0));
    game->session().playDeal(DealRequest{kSlowDealNumber, std::nullopt});
    ASSERT_NE(game->session().origin().number, kSlowDealNumber) << "the deal in progress stays meanwhile";
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    board::PileView* column = view->pileView(BoardFocus::tableau(1));
    column->installEventFilter(&counter);
    column->update();
    QTest::qWait(20);
    EXPECT_TRUE(keyAt(BoardFocus::tableau(0), Qt::Key_Right, false));
    const bool stillDealing = game->session().isDealing();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::tableau(1));
    EXPECT_TRUE(stillDealing) << "the key was answered while the deal was being found";

    // On a quiet machine the deal may come before the notice is due.
    QLabel* notice = view->header()->dealingLabel();
    std::optional<QString> said;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        if (!said && notice->isVisible())
            said = view->board().announcer()->text();
        return !game->session().isDealing();
    }, 60000));
    if (said) {
        EXPECT_EQ(*said, notice->text()) << "said once it shows";
    }
    EXPECT_FALSE(notice->isVisible());
    const solver::NumberedDeal expected = solver::findNumberedDeal(kSlowDealNumber, solver::DealRules::drawOneLimited());
    ASSERT_EQ(expected.attempt, 140);
    EXPECT_EQ(game->session().origin().number, kSlowDealNumber);
    EXPECT_EQ(dealCode(game->session().origin()), QString::fromStdString(solver::encodeDealCode(expected.deck)));
}
