// The header's texts and enabling rules, the new-deal confirmation, the
// menu and the screen host, and the win overlay.

#include "BoardTestSupport.h"

#include "board/PileView.h"

#include "board/BoardAnnouncer.h"
#include "board/BoardHeader.h"
#include "board/GameSolvedOverlay.h"
#include "board/HeaderControls.h"
#include "platform/SystemAppearance.h"
#include "screens/ConfirmationDialog.h"
#include "screens/GlassButton.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace murvane;
using namespace murvane::testing;

namespace {

struct ChromeTest : BoardFixture {
    Position playable()
    {
        Position p;
        p.tableau = {"KS", "-5C QH", "AS", "", "", "", ""};
        return p;
    }
    void playOneMove() { game->moveToBestSpot(game->tableau()[2].last(), view->dragState()); }
    board::BoardHeader* header() const { return view->header(); }
};

} // namespace

TEST_F(ChromeTest, UndoIsEnabledOnlyWithHistoryAndOutsideAutoComplete)
{
    load(playable());
    EXPECT_FALSE(header()->undoButton()->isEnabled());
    QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier); // nothing to undo
    EXPECT_TRUE(game->history().isEmpty());

    playOneMove();
    EXPECT_TRUE(header()->undoButton()->isEnabled());
    QTest::mouseClick(header()->undoButton(), Qt::LeftButton);
    EXPECT_EQ(game->tableau()[2].size(), 1);
    EXPECT_FALSE(header()->undoButton()->isEnabled());

    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    load(autoCompletingPosition());
    ASSERT_TRUE(game->isAutoCompleting());
    game->finishAutoCompleteStep(); // one step leaves history behind
    ASSERT_FALSE(game->history().isEmpty());
    EXPECT_FALSE(header()->undoButton()->isEnabled());
}

TEST_F(ChromeTest, RedoKeysFollowTheUndoRulesAndAreAnnounced)
{
    load(playable());
    playOneMove();
    const Pile moved = game->tableau()[2];
    const QWidget* status = view->announcer()->label();
    for (const QKeyCombination redo : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}) {
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_NE(game->tableau()[2], moved);
        QTest::keyClick(view.get(), redo.key(), redo.keyboardModifiers());
        EXPECT_EQ(game->tableau()[2], moved);
        QTest::qWait(1);
        EXPECT_EQ(status->accessibleName(), QStringLiteral("Move redone."));
    }
    // Under a screen or the abandon dialog they do nothing: InputGateTest.
}

TEST_F(ChromeTest, NewDealAsksOnlyWhenTheStreakWouldBreak)
{
    struct Case {
        const char* what;
        bool started;
        bool credited;
        bool asks;
    };
    for (const Case& c : {Case{"fresh deal", false, false, false}, Case{"game in progress", true, false, true},
                          Case{"won and credited", true, true, false}}) {
        Position p = playable();
        p.hasStartedCurrentDeal = c.started;
        p.gameHasBeenCreditedWin = c.credited;
        load(p);
        const Card before = game->tableau()[0].last();
        QTest::keyClick(view.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(view->isConfirmingNewDeal(), c.asks) << c.what;
        EXPECT_EQ(view->newDealDialog() != nullptr, c.asks) << c.what;
        // Without the dialog the deal is replaced at once.
        EXPECT_EQ(game->tableau()[0].size() == 1 && game->tableau()[0].last() == before, c.asks) << c.what;
    }
}

TEST_F(ChromeTest, AbandonDialogCancelsAndConfirms)
{
    load(playable());
    playOneMove();
    QTest::mouseClick(header()->newDealButton(), Qt::LeftButton);
    auto* dialog = qobject_cast<screens::ConfirmationDialog*>(view->newDealDialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->card()->objectName(), QStringLiteral("abandonGameDialog"));
    EXPECT_EQ(dialog->title(), QStringLiteral("Abandon this game?"));
    EXPECT_EQ(dialog->message(), QStringLiteral("Starting a new deal now will reset your win streak."));

    // What it holds back while it is up: InputGateTest.
    Q_EMIT dialog->cancelled();
    EXPECT_FALSE(view->isConfirmingNewDeal());
    EXPECT_EQ(game->history().size(), 1) << "cancel leaves the game untouched";

    QTest::mouseClick(header()->newDealButton(), Qt::LeftButton);
    dialog = qobject_cast<screens::ConfirmationDialog*>(view->newDealDialog());
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(view->isConfirmingNewDeal());
    EXPECT_TRUE(game->history().isEmpty());
    EXPECT_FALSE(game->hasStartedCurrentDeal());
}

TEST_F(ChromeTest, MenuOpensScreensAndQuits)
{
    load(playable());
    const QList<QAction*> items = header()->menuActions();
    ASSERT_EQ(items.size(), 6);
    QStringList titles;
    for (QAction* a : items)
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"Show Hint", "Preferences", "Statistics", "How to Play", "About",
                                   "Quit Murvane Solitaire"}));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(items[5]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    view->setFocusedSlot(BoardFocus::tableau(3));
    items[2]->trigger();
    EXPECT_TRUE(game->isShowingScreen());
    EXPECT_EQ(view->presentedScreen(), ModalScreen::statistics);
    ASSERT_NE(view->screenHost(), nullptr);
    EXPECT_FALSE(view->surface()->isVisible()) << "the board under a screen takes no input";
    EXPECT_FALSE(view->focusedSlot());

    view->dismissScreen();
    EXPECT_FALSE(game->isShowingScreen());
    EXPECT_TRUE(view->surface()->isVisible());
    EXPECT_EQ(view->focusedSlot(), BoardFocus::stock());
    EXPECT_EQ(view->presentedScreen(), ModalScreen::statistics) << "remembers the last screen";

    QSignalSpy quit(view.get(), &SolitaireView::quitRequested);
    items[5]->trigger();
    QTest::keyClick(view.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 2);
}

TEST_F(ChromeTest, ScoreAndPassTextsFollowTheScoringMode)
{
    struct Case {
        const char* mode;
        bool unlimited;
        std::int64_t score;
        QString text;
        bool passShown;
    };
    for (const Case& c : {Case{"Standard", true, 1234, "1234", false}, Case{"Vegas", false, -52, "-$52", true},
                          Case{"Vegas", true, -52, "-$52", false}}) {
        store.setString(keys::scoringMode, QString::fromLatin1(c.mode));
        store.setBool(keys::unlimitedRedeals, c.unlimited);
        Position p = playable();
        p.score = c.score;
        load(p);
        EXPECT_EQ(header()->scoreLabel()->text(), c.text) << c.mode;
        EXPECT_EQ(header()->scoreLabel()->shownValue(), c.score) << "no count-up on first show";
        EXPECT_EQ(header()->passLabel()->isVisibleTo(view.get()), c.passShown) << c.mode << c.unlimited;
        if (c.passShown) {
            EXPECT_EQ(header()->passLabel()->text(), QStringLiteral("Pass 1/1"));
        }
    }

    // A mode switch that leaves the score at 0 still changes its text.
    store.setString(keys::scoringMode, QStringLiteral("Vegas"));
    load(playable());
    ASSERT_EQ(header()->scoreLabel()->accessibleName(), QStringLiteral("Current score: $0"));
    game->setScoringMode(ScoringMode::standard);
    ASSERT_EQ(game->score(), 0);
    EXPECT_EQ(header()->scoreLabel()->text(), QStringLiteral("0"));
    EXPECT_EQ(header()->scoreLabel()->accessibleName(), QStringLiteral("Current score: 0"));
}

TEST_F(ChromeTest, ScoreCountsUpUnlessMotionIsReduced)
{
    for (bool reduce : {false, true}) {
        SystemAppearance::instance().setReduceMotion(reduce);
        load(playable());
        playOneMove(); // Ace to a foundation scores
        const auto target = game->score();
        ASSERT_GT(target, 0);
        EXPECT_EQ(header()->scoreLabel()->value(), target);
        EXPECT_EQ(header()->scoreLabel()->shownValue() == target, reduce);
        EXPECT_FALSE(header()->undoButton()->isBouncing());
        QTest::mouseClick(header()->undoButton(), Qt::LeftButton);
        EXPECT_EQ(header()->undoButton()->isBouncing(), !reduce);
    }
    SystemAppearance::instance().setReduceMotion(false);
}

TEST_F(ChromeTest, TooltipsShowThisPlatformsShortcutText)
{
    load(playable());
    EXPECT_EQ(header()->newDealButton()->toolTip(), QStringLiteral("New Deal (%1)")
                                                        .arg(QKeySequence(Qt::CTRL | Qt::Key_N)
                                                                 .toString(QKeySequence::NativeText)));
    EXPECT_EQ(header()->undoButton()->toolTip(), QStringLiteral("Undo Move (%1)")
                                                     .arg(QKeySequence(Qt::CTRL | Qt::Key_Z)
                                                              .toString(QKeySequence::NativeText)));
    EXPECT_EQ(header()->menuButton()->toolTip(),
              QStringLiteral("Preferences, Statistics, How to Play, About & Quit"));
}

TEST_F(ChromeTest, BoardSizeSettingResizesTheBoardAndTellsTheShell)
{
    load(playable());
    EXPECT_EQ(view->sizeHint().width(), 375);
    QSignalSpy resized(view.get(), &SolitaireView::boardSizeChanged);
    game->setBoardSize(BoardSize::large);
    ASSERT_EQ(resized.count(), 1);
    EXPECT_EQ(view->sizeHint().width(), 443); // 442.5 rounded up to whole pixels
    EXPECT_DOUBLE_EQ(view->boardScale(), 1.18);
    EXPECT_EQ(view->slotFrames().value(DropSlot::tableau(6)),
              view->boardGeometry().pileFrame(BoardFocus::tableau(6)));
    // Every pile widget covers its painted pile.
    for (int c = 0; c < kColumnCount; ++c) {
        const QWidget* pile = view->pileView(BoardFocus::tableau(c));
        EXPECT_TRUE(QRectF(pile->geometry()).contains(view->boardGeometry().columnArea(c)));
        EXPECT_EQ(pile->objectName(), QStringLiteral("tableau-%1").arg(c));
    }
}

TEST_F(ChromeTest, WinOverlayShowsTheFinalScoreAndPlaysAgain)
{
    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KS", "KH", "KD", "KC", "", "", ""};
    p.hasStartedCurrentDeal = true;
    p.score = 500;
    p.wasAutoCompleting = true;
    load(p);
    while (game->isAutoCompleting())
        game->finishAutoCompleteStep();
    ASSERT_TRUE(game->hasWon());
    auto* overlay = view->solvedOverlay();
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->finalScoreLabel()->text(), QStringLiteral("Final Score: %1").arg(game->score()));
    const QPointF centre = QRectF(overlay->geometry()).center();
    EXPECT_NEAR(centre.x(), 187.5, 1.0);
    EXPECT_NEAR(centre.y(), 190, 1.0);
    // Screens have no backdrop: the win card must not show through one.
    view->presentScreen(ModalScreen::about);
    EXPECT_FALSE(overlay->isVisible());
    view->dismissScreen();
    EXPECT_TRUE(overlay->isVisible());
    QTest::mouseClick(overlay->playAgainButton(), Qt::LeftButton);
    EXPECT_FALSE(game->hasWon());
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_FALSE(view->isConfirmingNewDeal());
}
