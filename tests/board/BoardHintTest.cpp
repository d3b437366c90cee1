// Hints on the board: the H key and the menu item show the first move of a
// winning line, say it, and end at the next key or press; a lost game gets
// its message, once the board is uncovered. When a hint may be asked for:
// InputGateTest.
#include "BoardTestSupport.h"
#include "support/HintPositions.h"
#include "board/BoardAnnouncer.h"
#include "board/BoardHeader.h"
#include "graphics/ChromeStyle.h"
#include "board/HintLayer.h"
#include "board/HintWords.h"
#include "board/LostNote.h"
#include "board/PileView.h"
#include "platform/SystemAppearance.h"
#include "screens/ModalScreenView.h"
#include "text/Localization.h"

#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace murvane::testing {
namespace {

struct HintTest : BoardFixture {
    board::HintLayer* layer() const { return view->hintLayer(); }
    // Presses H and waits for the search to end.
    void pressH()
    {
        QSignalSpy searching(&layer()->finder(), &HintFinder::isSearchingChanged);
        QTest::keyClick(view.get(), Qt::Key_H);
        while (layer()->finder().isSearching())
            searching.wait(5000);
        QApplication::processEvents();
    }
    // For looking at the picture: MURVANE_HINT_SHOT=/tmp/prefix.
    void saveShot(const char* name)
    {
        if (!qEnvironmentVariableIsSet("MURVANE_HINT_SHOT"))
            return;
        QTest::qWait(board::HintLayer::kFadeMs + 50);
        view->grab().save(qEnvironmentVariable("MURVANE_HINT_SHOT") + "-" + name + ".png");
    }
};

Position oneMoveFromHome()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"-KS KC", "", "", "KH", "KD", "", ""};
    return p;
}


TEST_F(HintTest, HShowsAndSaysTheMoveUntilTheNextKey)
{
    load(oneMoveFromHome());
    pressH();
    ASSERT_TRUE(layer()->shownHint());
    const Hint hint = *layer()->shownHint();
    EXPECT_EQ(hint.kind, Hint::Kind::move);
    EXPECT_EQ(hint.move.source, DragSource::tableau(0, 1));
    EXPECT_EQ(view->board().announcer()->text(), layer()->shownText());
    EXPECT_TRUE(layer()->shownText().startsWith("Move King of Clubs to foundation"))
        << layer()->shownText().toStdString();
    EXPECT_FALSE(game->session().hasStartedDeal()) << "a hint is not a move";
    saveShot("move");

    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_FALSE(layer()->shownHint());

    view->header()->menuActions().first()->trigger(); // Show Hint
    QSignalSpy searching(&layer()->finder(), &HintFinder::isSearchingChanged);
    while (layer()->finder().isSearching())
        searching.wait(5000);
    QApplication::processEvents();
    EXPECT_TRUE(layer()->shownHint());
    press(onColumnCard(3, 0));
    EXPECT_FALSE(layer()->shownHint());
}

TEST_F(HintTest, ALostGameGetsItsMessage)
{
    load(heartsOnTop(false));
    pressH();
    ASSERT_TRUE(layer()->shownHint());
    EXPECT_EQ(layer()->shownHint()->kind, Hint::Kind::lost);
    EXPECT_EQ(layer()->shownText(), "This game can no longer be won. Undo or start a new deal.");
    EXPECT_EQ(view->board().announcer()->text(), layer()->shownText());
    saveShot("lost");
}

// Unasked: a lasting note at the foot of the board says the game can no
// longer be won, with Undo and New Deal, and screen readers hear it once; it
// stays through the moves still left, Show Hint agrees with it, and it goes
// with the lost deal. Switched off, nothing is said.
TEST_F(HintTest, ALostGameIsToldWithoutAsking)
{
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        store.setBool(keys::tellsWhenLost, on);
        load(heartsOnTop(true)); // the King of Diamonds can still be drawn and sent home
        const auto note = [this] { return view->findChild<board::LostNote*>(QStringLiteral("lostNote")); };
        QSignalSpy announced(layer(), &board::HintLayer::announced);
        for (int i = 0; i < (on ? 1500 : 15) && !note(); ++i)
            QTest::qWait(20);
        if (!on) {
            EXPECT_FALSE(note());
            EXPECT_EQ(announced.count(), 0);
            continue;
        }
        ASSERT_TRUE(note() && note()->isVisible());
        EXPECT_EQ(view->board().announcer()->text(), "This game can no longer be won. Undo or start a new deal.");
        saveShot("notice");
        view->board().drawFromStock();
        QTest::qWait(50);
        ASSERT_TRUE(note()) << "a step forward from a lost position is lost too";
        EXPECT_TRUE(note()->undoButton()->isEnabled());
        EXPECT_EQ(announced.count(), 1) << "told once per loss";
        pressH();
        ASSERT_TRUE(layer()->shownHint());
        EXPECT_EQ(layer()->shownHint()->kind, Hint::Kind::lost) << "the hint agrees with the note";
        note()->undoButton()->click();
        QTest::qWait(50);
        ASSERT_TRUE(note()) << "undone to a position known lost";
        note()->newDealButton()->click(); // the game was started: the abandon question asks first
        ASSERT_TRUE(view->isConfirmingNewDeal());
        view->confirmNewDeal();
        ASSERT_TRUE(QTest::qWaitFor([&note] { return !note(); }, 2000));
    }
}

// A game proved lost while something covers the board: the notice waits,
// then shows once the board is uncovered. If the piles change first (a draw
// that ends the drag), the next lost position gets it instead.
TEST_F(HintTest, ALossFoundUnderACoverIsToldOnceUncovered)
{
    struct Cover {
        const char* name;
        std::function<void(HintTest&)> open, close;
    };
    // The Seven of Hearts carried below its column, where it cannot land.
    const auto startDrag = [](HintTest& t) {
        t.press(t.onColumnCard(6, 1));
        t.moveTo(t.onColumnCard(6, 1) + QPoint(0, 30));
    };
    const Cover covers[] = {
        {"play deal dialog", [](HintTest& t) { t.view->requestPlayDeal(); },
         [](HintTest& t) { t.view->dismissTopmostLayer(); }},
        {"screen", [](HintTest& t) { t.view->presentScreen(ModalScreen::preferences); },
         [](HintTest& t) { t.view->dismissScreen(); }},
        {"drag", startDrag, [](HintTest& t) { t.release(t.onColumnCard(6, 1) + QPoint(0, 30)); }},
        {"drag ended by a draw", startDrag, [](HintTest& t) { t.view->board().drawFromStock(); }},
    };
    const Position lost = heartsOnTop(true); // the King waits in the stock, to be drawn
    for (const Cover& cover : covers) {
        SCOPED_TRACE(cover.name);
        load(lost);
        cover.open(*this); // before the check is even started
        ASSERT_FALSE(view->board().takesInput(board::InputChannel::hint));
        QSignalSpy announced(layer(), &board::HintLayer::announced);
        const LostGameWatcher& watcher = game->session().lostWatcher();
        ASSERT_TRUE(QTest::qWaitFor([&watcher] { return watcher.searches() > 0 && !watcher.isChecking(); }, 30000));
        QApplication::processEvents();
        EXPECT_EQ(announced.count(), 0);

        cover.close(*this);
        ASSERT_TRUE(QTest::qWaitFor([&announced] { return announced.count() > 0; }, 30000));
        const auto* lostNote = view->findChild<board::LostNote*>(QStringLiteral("lostNote"));
        EXPECT_TRUE(lostNote && lostNote->isVisible());
        QTest::qWait(50);
        EXPECT_EQ(announced.count(), 1);
        EXPECT_EQ(view->board().announcer()->text(), "This game can no longer be won. Undo or start a new deal.");
    }
}

// Each kind of hint in words, as the caption shows it and screen readers
// hear it.
TEST_F(HintTest, EveryHintInWords)
{
    load(oneMoveFromHome());
    const struct {
        Hint hint;
        const char* words;
    } cases[] = {
        {{Hint::Kind::draw, {}}, "Draw from the stock"},
        {{Hint::Kind::recycle, {}}, "Turn the waste back over"},
        {{Hint::Kind::lost, {}}, "This game can no longer be won. Undo or start a new deal."},
        {{Hint::Kind::noLineFound, {}}, "No winning line found from here."},
        {{Hint::Kind::move, {DragSource::tableau(0, 1), MoveTarget::foundation(3)}},
         "Move King of Clubs to foundation 4"},
        {{Hint::Kind::move, {DragSource::tableau(3, 0), MoveTarget::tableau(1)}}, "Move King of Hearts to column 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(board::hintText(c.hint, game->play().table()), c.words);

    // A run is named whole: its lowest card and how many go with it.
    Position runs;
    runs.tableau = {"-KS JS TD 9S 8D", "QH", "-2C 9H 8C", "", "", "-4C 9D", "-3C TS"};
    load(runs);
    const struct {
        DragSource from;
        int toColumn;
        const char* words;
    } moves[] = {
        {DragSource::tableau(0, 1), 1, "Move Jack of Spades and 3 cards to column 2"},
        {DragSource::tableau(2, 1), 6, "Move 9 of Hearts and 1 card to column 7"},
        {DragSource::tableau(2, 2), 5, "Move 8 of Clubs to column 6"},
    };
    for (const auto& m : moves)
        EXPECT_EQ(board::hintText({Hint::Kind::move, {m.from, MoveTarget::tableau(m.toColumn)}}, game->play().table()),
                  m.words);
}

// The highlight has a colour of its own, never the focus ring's, in every
// appearance; the menu item shows its key.
TEST_F(HintTest, OwnColourAndTheKeyInTheMenu)
{
    load(oneMoveFromHome());
    for (bool dark : {false, true})
        for (bool contrast : {false, true}) {
            graphics::Appearance a;
            a.dark = dark;
            a.increasedContrast = contrast;
            const graphics::ChromePalette palette(a);
            const QColor hint = palette.hint(), focus = palette.focusRing();
            const int distance = std::abs(hint.red() - focus.red()) + std::abs(hint.green() - focus.green()) +
                                 std::abs(hint.blue() - focus.blue());
            EXPECT_GT(distance, 200) << dark << contrast;
        }
    QAction* item = view->header()->menuActions().first();
    EXPECT_EQ(item->text(), "Show Hint");
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_H));
}

// Watch Solution: said once, then each move as the hint's caption, shown
// with the hint's highlight; a key stops it between two moves and is spent
// on that. Which inputs stop it: InputGateTest.
TEST_F(HintTest, WatchSolutionSaysItselfThenEachMoveAndStopsOnAKey)
{
    const struct {
        const char* name;
        bool dark;
        const char* language;
        qreal textScale;
    } looks[] = {{"light", false, "en", 1.0},
                 {"dark", true, "en", 1.0},
                 {"german-largest", false, "de", SystemAppearance::kMaxTextScale}};
    for (const auto& look : looks) {
        SCOPED_TRACE(look.name);
        setApplicationLanguage(QString::fromLatin1(look.language));
        SystemAppearance::instance().setDark(look.dark);
        SystemAppearance::instance().setTextScale(look.textScale);
        Position p = oneMoveFromHome();
        p.tableau = {"-KS KC", "QD", "", "KH", "KD", "", ""};
        p.foundations[2] = "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD";
        load(p);
        auto* step = game->watch().findChild<QTimer*>(QStringLiteral("solutionStepTimer"));
        step->setInterval(60000); // moves are made below, one at a time
        QSignalSpy said(layer(), &board::HintLayer::announced);
        view->header()->menuActions().at(1)->trigger(); // Watch Solution
        ASSERT_TRUE(game->watch().isWatching());
        EXPECT_EQ(view->board().announcer()->text(),
                  localizedString(QStringLiteral("Watching the solution. Press any key to stop.")));
        ASSERT_TRUE(QTest::qWaitFor([this] { return game->watch().nextStep().has_value(); }, 30000));
        EXPECT_EQ(view->board().announcer()->text(), layer()->shownText());
        EXPECT_EQ(layer()->shownHint(), game->watch().nextStep());
        saveShot(look.name);

        step->setInterval(0);
        step->start();
        ASSERT_TRUE(QTest::qWaitFor([this] { return game->play().history().undoSteps().size() == 1; }, 5000));
        step->stop(); // between the first move and the second
        ASSERT_TRUE(game->watch().nextStep());
        EXPECT_EQ(said.count(), 2) << "each move once, as its caption";
        EXPECT_EQ(view->board().announcer()->text(), layer()->shownText());
        const Tableau before = game->play().tableau();
        QTest::keyClick(view->pileView(BoardFocus::tableau(0)), Qt::Key_Space);
        EXPECT_FALSE(game->watch().isWatching());
        EXPECT_FALSE(layer()->shownHint());
        EXPECT_EQ(game->play().tableau(), before) << "the key only stops";
        EXPECT_EQ(game->play().history().undoSteps().size(), 1);
        EXPECT_EQ(game->statistics().recent().last(), DealOutcome::shown);
        view->presentScreen(ModalScreen::statistics);
        if (auto* scroll = view->screenHost()->findChild<QScrollArea*>())
            scroll->ensureWidgetVisible(view->screenHost()->findChild<QWidget*>(QStringLiteral("stat-recentDeals")));
        saveShot((std::string(look.name) + "-strip").c_str());
    }
    setApplicationLanguage(QStringLiteral("en"));
    SystemAppearance::instance().setDark(false);
    SystemAppearance::instance().setTextScale(1.0);
}

} // namespace
} // namespace murvane::testing
