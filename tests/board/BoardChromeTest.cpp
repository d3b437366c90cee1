// The header's texts and enabling rules, the new-deal confirmation, the
// menu and the screen host, and the win overlay.

#include "BoardTestSupport.h"

#include "board/PileView.h"

#include "board/BoardAnnouncer.h"
#include "board/BoardHeader.h"
#include "board/GameSolvedOverlay.h"
#include "board/HeaderControls.h"
#include "board/HintLayer.h"
#include "graphics/ChromeStyle.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ConfirmationDialog.h"
#include "screens/GameWords.h"
#include "screens/GlassButton.h"
#include "screens/PlayDealDialog.h"
#include "solver/DealCode.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <tuple>

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
    void playOneMove() { view->board().moveToBestSpot(game->play().tableau()[2].last()); }
    board::BoardHeader* header() const { return view->header(); }
};

} // namespace

TEST_F(ChromeTest, UndoIsEnabledOnlyWithHistoryAndOutsideAutoComplete)
{
    load(playable());
    EXPECT_FALSE(header()->undoButton()->isEnabled());
    QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier); // nothing to undo
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());

    playOneMove();
    EXPECT_TRUE(header()->undoButton()->isEnabled());
    QTest::mouseClick(header()->undoButton(), Qt::LeftButton);
    EXPECT_EQ(game->play().tableau()[2].size(), 1);
    EXPECT_FALSE(header()->undoButton()->isEnabled());

    store.setString(keys::autoCompleteMode, QStringLiteral("Enabled"));
    load(autoCompletingPosition());
    ASSERT_TRUE(game->play().isAutoCompleting());
    peer(game->play()).finishAutoCompleteStep(); // one step leaves history behind
    ASSERT_FALSE(game->play().history().undoSteps().isEmpty());
    EXPECT_FALSE(header()->undoButton()->isEnabled());
}

TEST_F(ChromeTest, RedoKeysFollowTheUndoRulesAndAreAnnounced)
{
    load(playable());
    playOneMove();
    const Pile moved = game->play().tableau()[2];
    const QWidget* status = view->board().announcer()->label();
    for (const QKeyCombination redo : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}) {
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_NE(game->play().tableau()[2], moved);
        QTest::keyClick(view.get(), redo.key(), redo.keyboardModifiers());
        EXPECT_EQ(game->play().tableau()[2], moved);
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
        const Card before = game->play().tableau()[0].last();
        QTest::keyClick(view.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(view->isConfirmingNewDeal(), c.asks) << c.what;
        EXPECT_EQ(view->newDealDialog() != nullptr, c.asks) << c.what;
        // Without the dialog the deal is replaced at once.
        EXPECT_EQ(game->play().tableau()[0].size() == 1 && game->play().tableau()[0].last() == before, c.asks) << c.what;
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
    EXPECT_EQ(game->play().history().undoSteps().size(), 1) << "cancel leaves the game untouched";

    QTest::mouseClick(header()->newDealButton(), Qt::LeftButton);
    dialog = qobject_cast<screens::ConfirmationDialog*>(view->newDealDialog());
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(view->isConfirmingNewDeal());
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_FALSE(game->session().hasStartedDeal());
}

TEST_F(ChromeTest, MenuOpensScreensAndQuits)
{
    load(playable());
    const QList<QAction*> items = header()->menuActions();
    ASSERT_EQ(items.size(), 11);
    QStringList titles;
    for (QAction* a : items)
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"Show Hint", "Watch Solution", "Preferences", "Statistics", "How to Play", "About",
                                   "Restart Deal", "Copy Deal Code", "Play Deal…", "Today's Deal",
                                   "Quit Murvane Solitaire"}));
    EXPECT_TRUE(items[1]->shortcut().isEmpty());
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(items[6]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(items[10]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    view->board().setFocusedSlot(BoardFocus::tableau(3));
    items[3]->trigger();
    EXPECT_TRUE(game->isShowingScreen());
    EXPECT_EQ(view->presentedScreen(), ModalScreen::statistics);
    ASSERT_NE(view->screenHost(), nullptr);
    EXPECT_FALSE(surface()->isVisible()) << "the board under a screen takes no input";
    EXPECT_FALSE(view->board().focusedSlot());

    view->dismissScreen();
    EXPECT_FALSE(game->isShowingScreen());
    EXPECT_TRUE(surface()->isVisible());
    EXPECT_EQ(view->board().focusedSlot(), BoardFocus::stock());
    EXPECT_EQ(view->presentedScreen(), ModalScreen::statistics) << "remembers the last screen";

    QSignalSpy quit(view.get(), &SolitaireView::quitRequested);
    items[10]->trigger();
    QTest::keyClick(view.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 2);
}

TEST_F(ChromeTest, EachMenuItemIsEnabledExactlyWhenItWouldAct)
{
    enum class Deal { fresh, afterAMove, won, dialogOpen, unknown };
    const struct {
        const char* what;
        Deal deal;
    } states[] = {{"fresh deal", Deal::fresh},
                  {"after a move", Deal::afterAMove},
                  {"won", Deal::won},
                  {"abandon dialog open", Deal::dialogOpen},
                  {"unknown deal", Deal::unknown}};
    const auto enter = [this](Deal deal) {
        Position p = playable();
        switch (deal) {
        case Deal::unknown: // restored from a record without its dealt layout
            load(p);
            playOneMove();
            return;
        case Deal::won:
            p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                             "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
            p.tableau = {"KC", "", "", "", "", "", ""};
            loadDealt(p);
            game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
            ASSERT_TRUE(game->play().hasWon());
            return;
        default:
            load(p);
            game->session().newDeal(); // as dealt: nothing to restart yet
            if (deal != Deal::fresh)
                view->board().drawFromStock();
            if (deal == Deal::dialogOpen) {
                view->requestNewDeal();
                ASSERT_TRUE(view->isConfirmingNewDeal());
            }
            return;
        }
    };
    QSignalSpy* quit = nullptr;
    // Everything an item could change.
    const auto snapshot = [&] {
        board::HintLayer* hint = view->hintLayer();
        return std::tuple(game->play().tableau(), game->play().stock(), game->play().waste(), game->play().hasWon(), game->play().history().undoSteps().size(),
                          game->isShowingScreen(), view->board().layer(), QGuiApplication::clipboard()->text(),
                          hint->shownHint().has_value() || hint->finder().isSearching(),
                          game->watch().isWatching(), game->session().isDealing(), quit->count());
    };
    for (const auto& state : states) {
        for (int item = 0; item < 11; ++item) {
            enter(state.deal);
            if (HasFatalFailure())
                return;
            QSignalSpy quitSpy(view.get(), &SolitaireView::quitRequested);
            quit = &quitSpy;
            QGuiApplication::clipboard()->clear();
            Q_EMIT header()->menu()->aboutToShow();
            QAction* action = header()->menuActions().at(item);
            const bool enabled = action->isEnabled();
            action->setEnabled(true); // a disabled action ignores trigger()
            const auto before = snapshot();
            action->trigger();
            EXPECT_EQ(snapshot() != before, enabled) << state.what << ": " << action->text().toStdString();
            view->cancelNewDeal();
            QApplication::processEvents();
        }
    }
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
    game->settings().setScoringMode(ScoringMode::standard);
    ASSERT_EQ(game->play().score(), 0);
    EXPECT_EQ(header()->scoreLabel()->text(), QStringLiteral("0"));
    EXPECT_EQ(header()->scoreLabel()->accessibleName(), QStringLiteral("Current score: 0"));
}

TEST_F(ChromeTest, TimeAndMovesShowWhileSwitchedOnAndLeaveNoTraceOff)
{
    SystemAppearance::instance().setReduceMotion(true); // still pictures: no bounce, no count
    load(playable());
    board::BoardHeader* h = header();
    QLabel* label = h->timeAndMovesLabel();
    EXPECT_FALSE(label->isVisibleTo(view.get()));
    view->board().drawFromStock();
    QApplication::processEvents();
    const QImage off = view->grab().toImage();

    game->settings().setShowsTimeAndMoves(true);
    EXPECT_TRUE(label->isVisibleTo(view.get()));
    EXPECT_EQ(label->text(), "0:00 · 0 moves");
    view->board().drawFromStock();
    EXPECT_EQ(label->text(), "0:00 · 1 move");
    EXPECT_EQ(label->accessibleName(), "Time 0:00, 1 move");

    game->settings().setShowsTimeAndMoves(false);
    view->board().undo();
    QApplication::processEvents();
    EXPECT_EQ(view->grab().toImage(), off) << "off, the board is drawn as if the switch never existed";
    SystemAppearance::instance().setReduceMotion(false);
}

TEST_F(ChromeTest, ScoreCountsUpUnlessMotionIsReduced)
{
    for (bool reduce : {false, true}) {
        SystemAppearance::instance().setReduceMotion(reduce);
        load(playable());
        playOneMove(); // Ace to a foundation scores
        const auto target = game->play().score();
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

    // Qt's own key names follow the game's language, and back.
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translation is not installed (qt6-translations-l10n)";
    struct English {
        ~English() { setApplicationLanguage(QStringLiteral("en")); }
    } restore;
    setApplicationLanguage(QStringLiteral("de"));
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText), "Strg+R");
    load(playable());
    EXPECT_TRUE(header()->newDealButton()->toolTip().endsWith(QStringLiteral("(Strg+N)")))
        << header()->newDealButton()->toolTip().toStdString();
    setApplicationLanguage(QStringLiteral("en"));
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText), "Ctrl+R");
}

TEST_F(ChromeTest, BoardSizeSettingResizesTheBoardAndTellsTheShell)
{
    load(playable());
    EXPECT_EQ(view->sizeHint().width(), 375);
    QSignalSpy resized(view.get(), &SolitaireView::boardSizeChanged);
    game->settings().setBoardSize(BoardSize::large);
    ASSERT_EQ(resized.count(), 1);
    EXPECT_EQ(view->sizeHint().width(), 443); // 442.5 rounded up to whole pixels
    EXPECT_DOUBLE_EQ(view->board().boardScale(), 1.18);
    EXPECT_EQ(view->board().slotFrames().value(DropSlot::tableau(6)),
              view->board().boardGeometry().pileFrame(BoardFocus::tableau(6)));
    // Every pile widget covers its painted pile.
    for (int c = 0; c < kColumnCount; ++c) {
        const QWidget* pile = view->pileView(BoardFocus::tableau(c));
        EXPECT_TRUE(QRectF(pile->geometry()).contains(view->board().boardGeometry().columnArea(c)));
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
    while (game->play().isAutoCompleting())
        peer(game->play()).finishAutoCompleteStep();
    ASSERT_TRUE(game->play().hasWon());
    auto* overlay = view->solvedOverlay();
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->finalScoreLabel()->text(), QStringLiteral("Final Score: %1").arg(game->play().score()));
    const QPointF centre = QRectF(overlay->geometry()).center();
    EXPECT_NEAR(centre.x(), 187.5, 1.0);
    EXPECT_NEAR(centre.y(), 190, 1.0);
    // Screens have no backdrop: the win card must not show through one.
    view->presentScreen(ModalScreen::about);
    EXPECT_FALSE(overlay->isVisible());
    view->dismissScreen();
    EXPECT_TRUE(overlay->isVisible());
    // A dialog covers the card, Play Again included (what the click would
    // do there: InputGateTest).
    view->requestPlayDeal();
    const QPoint playAgain = overlay->playAgainButton()->mapTo(view.get(), overlay->playAgainButton()->rect().center());
    EXPECT_TRUE(view->playDealDialog()->isAncestorOf(view->childAt(playAgain)));
    view->dismissTopmostLayer();
    QTest::mouseClick(overlay->playAgainButton(), Qt::LeftButton);
    EXPECT_FALSE(game->play().hasWon());
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_FALSE(view->isConfirmingNewDeal());
}

TEST_F(ChromeTest, PlayDealTakesNumbersAndCodesAndExplainsEverythingElse)
{
    load(playable());
    const QString code = QString::fromStdString(solver::encodeDealCode(solver::orderedDeck()));
    QString typo = code;
    typo[0] = typo[0] == QLatin1Char('1') ? QLatin1Char('2') : QLatin1Char('1');
    const struct {
        QString typed;
        const char* message; // empty: plays
    } cases[] = {
        {"", "Enter a deal number from 1 to 2147483647, or a deal code."},
        {"0", "Deal numbers run from 1 to 2147483647."},
        {"-5", "Deal numbers run from 1 to 2147483647."},
        {"abc", "Enter a deal number from 1 to 2147483647, or a deal code."},
        {"2147483648", "Deal numbers run from 1 to 2147483647."},
        {"4.2", "Enter a deal number from 1 to 2147483647, or a deal code."},
        {typo, "This deal code has a typing mistake. Check it and try again."},
        {" 42 ", ""},
        {code, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const Pile before = game->play().tableau()[6];
        header()->menu()->actions(); // the menu item and the view's request are the same call
        view->requestPlayDeal();
        screens::PlayDealDialog* dialog = view->playDealDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(view->board().layer(), board::BoardLayer::playDealDialog) << "the board takes no input under it";
        EXPECT_EQ(dialog->field()->accessibleName(), "Deal number or code");
        EXPECT_TRUE(dialog->field()->hasFocus());
        QTest::keyClicks(dialog->field(), c.typed);
        QTest::keyClick(dialog->field(), Qt::Key_Return);
        if (*c.message) {
            EXPECT_EQ(dialog->errorLabel()->text(), c.message);
            EXPECT_FALSE(dialog->errorLabel()->isHidden());
            EXPECT_EQ(dialog->field()->accessibleDescription(), c.message);
            EXPECT_EQ(game->play().tableau()[6], before) << "nothing was dealt";
            QTest::keyClick(dialog->field(), Qt::Key_Escape);
            EXPECT_EQ(view->board().layer(), board::BoardLayer::board);
            EXPECT_EQ(view->playDealDialog(), nullptr);
        } else {
            EXPECT_EQ(view->board().layer(), board::BoardLayer::board);
            EXPECT_TRUE(QTest::qWaitFor([this] { return !game->session().isDealing(); }, 60000));
            EXPECT_EQ(game->play().tableau()[6].size(), 7) << "a fresh deal";
        }
        QApplication::processEvents();
    }
    EXPECT_FALSE(game->session().origin().number) << "the last one came from a code";
    EXPECT_EQ(dealCode(game->session().origin()), code);
}

TEST_F(ChromeTest, PlayDealAsksLikeNewDealAndTheMenuAndWinCardNameTheNumber)
{
    load(playable());
    playOneMove(); // a started game: replacing it asks
    view->requestPlayDeal();
    QTest::keyClicks(view->playDealDialog()->field(), "4242");
    QTest::mouseClick(view->playDealDialog()->playButton(), Qt::LeftButton);
    auto* ask = qobject_cast<screens::ConfirmationDialog*>(view->newDealDialog());
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->title(), "Abandon this game?");
    Q_EMIT ask->cancelled();
    EXPECT_FALSE(game->session().origin().number);
    EXPECT_EQ(game->play().history().undoSteps().size(), 1);

    view->requestPlayDeal();
    QTest::keyClicks(view->playDealDialog()->field(), "4242");
    QTest::keyClick(view->playDealDialog()->field(), Qt::Key_Return);
    ask = qobject_cast<screens::ConfirmationDialog*>(view->newDealDialog());
    ASSERT_NE(ask, nullptr);
    QTest::mouseClick(ask->confirmButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !game->session().isDealing(); }, 60000));
    EXPECT_EQ(game->session().origin().number, 4242u);
    EXPECT_EQ(game->statistics().currentStreak(), 0);

    // The menu names the deal; Restart is offered once something moved.
    QMenu* menu = header()->menu();
    QAction* number = menu->findChild<QAction*>("dealNumberItem");
    QAction* restart = menu->findChild<QAction*>("restartDealItem");
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(number->isVisible());
    EXPECT_EQ(number->text(), "Deal 4242");
    EXPECT_FALSE(number->isEnabled());
    EXPECT_FALSE(restart->isEnabled());
    const QString dealt = [&] {
        QString out;
        for (const Pile& p : game->play().tableau())
            for (const Card& c : p)
                out += c.accessibilityName();
        return out;
    }();
    view->board().drawFromStock();
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(restart->isEnabled());
    QTest::keyClick(view.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(game->play().waste().isEmpty());
    EXPECT_EQ(game->play().stock().size(), 24);
    QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier); // the restart is one undo step
    EXPECT_FALSE(game->play().waste().isEmpty());
    view->presentScreen(ModalScreen::statistics);
    QTest::keyClick(view.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(game->play().waste().isEmpty()) << "a screen is up";
    view->dismissScreen();
    QTest::qWait(1); // the undo is said first

    menu->findChild<QAction*>("copyDealCodeItem")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString("Murvane Solitaire deal %1, number 4242 (Draw 1, Standard, unlimited passes)")
                  .arg(dealCode(game->session().origin())));
    // Copying is seen and heard.
    EXPECT_EQ(view->hintLayer()->shownText(), "Deal code copied");
    QTest::qWait(1);
    EXPECT_EQ(view->board().announcer()->label()->accessibleName(), "Deal code copied");
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_TRUE(view->hintLayer()->shownText().isEmpty()) << "a key ends it like a hint";

    // The win card shows the number under the score, and says it.
    Position won;
    won.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                       "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    won.tableau = {"KC", "", "", "", "", "", ""};
    for (const std::optional<std::int64_t> dealNumber : {std::optional<std::int64_t>{}, std::optional<std::int64_t>{4242}}) {
        SavedGame record = won.record(ScoringMode::standard, std::nullopt);
        record.dealt = dealtFromOrderedDeck(dealNumber);
        store.setData(keys::savedGame, encodeSavedGame(record));
        view.reset();
        game = std::make_unique<SolitaireGame>(store, false);
        view = std::make_unique<SolitaireView>(*game);
        view->show();
        game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
        ASSERT_TRUE(view->solvedOverlay()->isVisible());
        auto* label = view->solvedOverlay()->findChild<QLabel*>("solvedDealNumberLabel");
        EXPECT_EQ(label->isHidden(), !dealNumber);
        if (dealNumber) {
            EXPECT_EQ(label->text(), "Deal 4242");
            EXPECT_TRUE(view->solvedOverlay()->accessibleName().endsWith(". Deal 4242"));
        }
    }
}

// Today's deal, restored one card from winning: the menu and the win card
// name it with its date, and the menu checks it once it is won.
TEST_F(ChromeTest, TodaysDealIsNamedWithItsDateAndCheckedOnceWon)
{
    const QDate today(2026, 12, 8);
    Position won;
    won.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                       "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    won.tableau = {"KC", "", "", "", "", "", ""};
    won.hasStartedCurrentDeal = true;
    SavedGame record = won.record(ScoringMode::standard, std::nullopt);
    record.dealt = dealtFromOrderedDeck(dailyDealNumber(today));
    record.dealt->dailyDate = today;
    store.setData(keys::savedGame, encodeSavedGame(record));
    game = std::make_unique<SolitaireGame>(store, false);
    game->setClock([today] { return today; });
    view = std::make_unique<SolitaireView>(*game);
    view->show();

    QMenu* menu = header()->menu();
    QAction* item = menu->findChild<QAction*>("todaysDealItem");
    QAction* name = menu->findChild<QAction*>("dealNumberItem");
    Q_EMIT menu->aboutToShow();
    EXPECT_EQ(name->text(), "Today's Deal, 8 December");
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(item->isEnabled()) << "it is the deal in progress";

    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    ASSERT_TRUE(view->solvedOverlay()->isVisible());
    EXPECT_EQ(view->solvedOverlay()->findChild<QLabel*>("solvedDealNumberLabel")->text(), "Today's Deal, 8 December");
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(item->isChecked());
    ASSERT_TRUE(item->isEnabled()) << "a won deal may be dealt again";
    item->trigger();
    waitForDeal(*game);
    EXPECT_FALSE(game->play().hasWon());
    EXPECT_EQ(game->session().origin().dailyDate, today);
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(item->isChecked()) << "today stays won";

    struct English {
        ~English() { setApplicationLanguage(QStringLiteral("en")); }
    } restore;
    const std::pair<const char*, const char*> names[] = {{"de", "Spiel des Tages, 8. Dezember"},
                                                         {"es", "Reparto del día, 8 de diciembre"},
                                                         {"fr", "Donne du jour, 8 décembre"},
                                                         {"pl", "Rozdanie dnia, 8 grudnia"}};
    for (const auto& [language, expected] : names) {
        setApplicationLanguage(QString::fromLatin1(language));
        EXPECT_EQ(dealName(game->session().origin()), QString::fromUtf8(expected));
    }
}

TEST_F(ChromeTest, HeaderTextsKeepClearOfTheButtonsInEveryLanguageAndSize)
{
    // The longest texts a player meets: a four-digit Vegas bankroll and the
    // last of three passes; with time and moves, an hour-long deal.
    store.setString(keys::scoringMode, QStringLiteral("Vegas"));
    store.setBool(keys::unlimitedRedeals, false);
    store.setInteger(keys::drawCount, 3);
    int titleWidthWithout = 0; // at the same size and language, time and moves off
    for (const char* language : {"en", "fr", "de", "es", "pl"}) {
        setApplicationLanguage(QString::fromLatin1(language));
        for (const auto& [large, clock] : {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
            store.setString(keys::boardSize, QLatin1String(large ? "Large" : "Standard"));
            store.setBool(keys::showsTimeAndMoves, clock);
            Position p = playable();
            p.score = -1234;
            p.redealsUsed = 2;
            load(p);
            game->session().clock().restore(3'765'000, 1234, true);
            QApplication::processEvents();
            const qreal s = view->board().boardScale();
            board::BoardHeader* h = header();
            QLabel* pass = h->passLabel();
            ASSERT_TRUE(pass->isVisibleTo(view.get())) << language;
            ASSERT_TRUE(pass->text().contains(QLatin1String("3/3"))) << language;
            // Nothing squeezed below what it needs: the title gives way first.
            EXPECT_GE(pass->width(), pass->sizeHint().width()) << language << large;
            EXPECT_GE(h->scoreLabel()->width(), h->scoreLabel()->sizeHint().width()) << language << large;
            EXPECT_GE(h->titleLabel()->width(), h->titleLabel()->minimumSizeHint().width()) << language << large;
            const int textsEnd = std::max({pass->geometry().right(), h->scoreLabel()->geometry().right(),
                                           h->timeAndMovesLabel()->geometry().right()}) + 1;
            EXPECT_GE(h->newDealButton()->x() - textsEnd, qRound(graphics::ChromeMetrics::headerTextGap * s))
                << language << (large ? " large" : " standard");
            EXPECT_LE(h->menuButton()->geometry().right(), h->width()) << language << large;
            // Time and moves take no room from the title, and stay inside the header.
            QLabel* timeAndMoves = h->timeAndMovesLabel();
            ASSERT_EQ(timeAndMoves->isVisibleTo(view.get()), clock) << language;
            if (!clock) {
                titleWidthWithout = h->titleLabel()->width();
                continue;
            }
            EXPECT_TRUE(timeAndMoves->text().contains(QLatin1String("1:02:45"))) << language;
            EXPECT_EQ(h->titleLabel()->width(), titleWidthWithout) << language << large;
            EXPECT_GE(timeAndMoves->width(), timeAndMoves->sizeHint().width()) << language << large;
            EXPECT_LE(timeAndMoves->geometry().bottom(), h->height()) << language << large;
        }
    }
    setApplicationLanguage(QStringLiteral("en"));
}
