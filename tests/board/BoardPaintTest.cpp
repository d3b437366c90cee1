// What the board paints and where: long scores in the header and on the win
// card at every board and text size, and which piles a move repaints.

#include "BoardTestSupport.h"

#include "board/BoardHeader.h"
#include "board/GameSolvedOverlay.h"
#include "board/HeaderControls.h"
#include "board/PileView.h"
#include "graphics/Appearance.h"
#include "graphics/ChromeStyle.h"
#include "graphics/RenderCache.h"
#include "platform/SystemAppearance.h"

#include <QFontMetrics>
#include <QLabel>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPushButton>

#include <functional>
#include <optional>

using namespace murvane;
using namespace murvane::testing;

namespace {

struct Size {
    const char* name;
    bool large;
    qreal textScale;
};
constexpr Size kSizes[] = {{"standard", false, 1.0},
                           {"large", true, 1.0},
                           {"standard, largest text", false, SystemAppearance::kMaxTextScale},
                           {"large, largest text", true, SystemAppearance::kMaxTextScale}};

struct PaintTest : BoardFixture {
    ~PaintTest() override { SystemAppearance::instance().setTextScale(1.0); }

    // Vegas with a pass limit, so the header shows its pass counter too.
    void loadAt(const Size& size, const Position& p)
    {
        store.setString(keys::scoringMode, QStringLiteral("Vegas"));
        store.setBool(keys::unlimitedRedeals, false);
        store.setString(keys::boardSize, size.large ? QStringLiteral("Large") : QStringLiteral("Standard"));
        SystemAppearance::instance().setTextScale(size.textScale);
        load(p);
    }

    // One card short of a win, with a long losing bankroll.
    static Position nearlyWon()
    {
        Position p;
        p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                         "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
        p.tableau = {"KS", "", "", "", "", "", ""};
        p.hasStartedCurrentDeal = true;
        p.score = -12350;
        return p;
    }
};

// Records the board area every pile widget repaints.
struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* pile = static_cast<QWidget*>(watched);
            painted += static_cast<QPaintEvent*>(event)->region().translated(pile->pos());
        }
        return false;
    }
};

} // namespace

TEST_F(PaintTest, WinCardShowsTheWholeFinalScore)
{
    for (const Size& size : kSizes) {
        loadAt(size, nearlyWon());
        view->board().moveToBestSpot(game->play().tableau()[0].last());
        ASSERT_TRUE(game->play().hasWon()) << size.name;
        auto* overlay = view->solvedOverlay();
        const QLabel* score = overlay->finalScoreLabel();
        ASSERT_EQ(score->text(), QStringLiteral("Final Score: -$12,345")) << size.name;
        // Sized at once, before any queued layout pass could mend it.
        const int needed = QFontMetrics(score->font()).horizontalAdvance(score->text());
        EXPECT_GE(score->width(), needed) << size.name;
        EXPECT_TRUE(overlay->cardRect().contains(QRectF(score->geometry()))) << size.name;
        EXPECT_TRUE(QRectF(view->rect()).contains(QRectF(overlay->geometry()))) << size.name;
    }
}

TEST_F(PaintTest, BoardButtonsRingTheKeyboardFocusInEveryLook)
{
    // Pixels of the ring colour along the button's edge, where neither the
    // symbol nor Play Again's accent fill reaches, as the window shows them.
    const auto ringPixels = [this](QWidget* button, const QColor& ring) {
        const QImage image = view->grab(QRect(button->mapTo(view.get(), QPoint(0, 0)), button->size())).toImage();
        const int band = 2;
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (x >= band && y >= band && x < image.width() - band && y < image.height() - band)
                    continue;
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - ring.red()) + std::abs(c.green() - ring.green()) +
                        std::abs(c.blue() - ring.blue()) < 60)
                    ++count;
            }
        return count;
    };
    struct Look {
        const char* name;
        bool dark, contrast;
    };
    for (const Look& look : {Look{"light", false, false}, Look{"dark", true, false},
                             Look{"light, increased contrast", false, true}, Look{"dark, increased contrast", true, true}}) {
        SystemAppearance::instance().setDark(look.dark);
        SystemAppearance::instance().setIncreasedContrast(look.contrast);
        loadAt(kSizes[0], nearlyWon());
        view->board().moveToBestSpot(game->play().tableau()[0].last());
        ASSERT_TRUE(game->play().hasWon()) << look.name;
        const QColor ring = graphics::ChromePalette({look.dark, look.contrast}).focusRing();
        board::BoardHeader* header = view->header();
        for (QWidget* button : {static_cast<QWidget*>(header->newDealButton()), static_cast<QWidget*>(header->undoButton()),
                                static_cast<QWidget*>(header->menuButton()),
                                static_cast<QWidget*>(view->solvedOverlay()->playAgainButton())}) {
            const std::string where = look.name + (" " + button->objectName().toStdString());
            // Tab brings it: the keyboard is in use, the ring shows.
            view->board().setShowKeyboardFocus(false);
            button->clearFocus();
            button->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(button->hasFocus()) << where;
            EXPECT_TRUE(view->board().showKeyboardFocus()) << where;
            EXPECT_GT(ringPixels(button, ring), 40) << where;
            // The pointer took over: no ring, though the focus stays.
            view->board().setShowKeyboardFocus(false);
            EXPECT_EQ(ringPixels(button, ring), 0) << where;
            // Focus handed over by the board (the win card after a key) follows the board's ring.
            button->clearFocus();
            button->setFocus(Qt::OtherFocusReason);
            EXPECT_EQ(ringPixels(button, ring), 0) << where;
            view->board().setShowKeyboardFocus(true);
            EXPECT_GT(ringPixels(button, ring), 40) << where;
        }
    }
    SystemAppearance::instance().setDark(false);
    SystemAppearance::instance().setIncreasedContrast(false);
}

TEST_F(PaintTest, HeaderScoreKeepsItsWidthAndTheTitleShrinksBeforeItIsCut)
{
    for (const Size& size : kSizes) {
        Position p;
        p.tableau = {"KS", "-5C QH", "AS", "", "", "", ""};
        p.score = -12345;
        loadAt(size, p);
        QApplication::processEvents(); // the header's own layout pass
        board::BoardHeader* header = view->header();
        const board::ScoreLabel* score = header->scoreLabel();
        ASSERT_EQ(score->text(), QStringLiteral("-$12,345")) << size.name;
        EXPECT_GE(score->width(), score->sizeHint().width()) << size.name << ": the score is never squeezed";

        // The title gives way first: it shrinks to 85 % and only then is cut.
        const board::FittedLabel* title = header->titleLabel();
        const qreal natural = title->naturalWidth();
        const qreal factor = title->fittedFactor();
        EXPECT_GE(factor, 0.85 - 1e-9) << size.name;
        EXPECT_LE(factor, 1.0) << size.name;
        if (natural <= title->width())
            EXPECT_DOUBLE_EQ(factor, 1.0) << size.name;
        else if (natural * 0.85 <= title->width())
            EXPECT_NEAR(factor * natural, title->width(), 1.0) << size.name << ": shrunk just enough, not cut";
        else
            EXPECT_DOUBLE_EQ(factor, 0.85) << size.name << ": cut only at 85 %";
    }
}

TEST(FittedLabelTest, ShrinksSmoothlyToItsLimitThenCuts)
{
    board::FittedLabel label(nullptr);
    QFont font;
    font.setPixelSize(13);
    label.setBaseFont(font);
    label.setText(QStringLiteral("Murvane Solitaire"));
    const qreal natural = label.naturalWidth();
    struct Case {
        qreal width; // share of the natural width
        qreal factor;
    };
    for (const Case& c : {Case{1.2, 1.0}, Case{1.0, 1.0}, Case{0.9, 0.9}, Case{0.86, 0.86}, Case{0.85, 0.85},
                          Case{0.7, 0.85}}) {
        label.resize(int(std::ceil(natural * c.width)), 20);
        EXPECT_NEAR(label.fittedFactor(), c.factor, 0.01) << c.width;
    }
}

TEST_F(PaintTest, AMoveRepaintsOnlyThePilesItChanges)
{
    Position p;
    p.tableau = {"KS", "-5C QH", "AS", "-9D 8C", "", "-2C 7H", "KD"};
    load(p);
    QApplication::processEvents();
    PaintRecorder recorder;
    for (BoardFocus pile : {BoardFocus::stock(), BoardFocus::waste()})
        view->pileView(pile)->installEventFilter(&recorder);
    for (int f = 0; f < kFoundationCount; ++f)
        view->pileView(BoardFocus::foundation(f))->installEventFilter(&recorder);
    for (int c = 0; c < kColumnCount; ++c)
        view->pileView(BoardFocus::tableau(c))->installEventFilter(&recorder);

    struct Step {
        const char* what;
        std::function<void()> play;
        std::vector<BoardFocus> changed;
    };
    const std::vector<Step> steps = {
        {"ace to a foundation", [&] { view->board().moveToBestSpot(game->play().tableau()[2].last()); },
         {BoardFocus::tableau(2), BoardFocus::foundation(0)}},
        {"draw", [&] { view->board().drawFromStock(); }, {BoardFocus::stock(), BoardFocus::waste()}},
        {"undo", [&] { view->board().undo(); }, {BoardFocus::stock(), BoardFocus::waste()}},
    };
    for (const Step& step : steps) {
        QApplication::processEvents();
        recorder.painted = {};
        step.play();
        QApplication::processEvents();
        QRegion allowed;
        for (const BoardFocus& pile : step.changed)
            allowed += view->pileView(pile)->geometry();
        EXPECT_FALSE(recorder.painted.isEmpty()) << step.what;
        EXPECT_TRUE(recorder.painted.subtracted(allowed).isEmpty())
            << step.what << ": repainted outside the changed piles";
    }
}

TEST_F(PaintTest, AChangeIsOnTheBoardBeforeItIsSaved)
{
    // Saving waits behind the repaint the change asked for, in the same turn.
    Position p;
    p.tableau = {"KS", "-5C QH", "AS", "-9D 8C", "", "-2C 7H", "KD"};
    load(p);
    QApplication::processEvents();
    struct FirstPaint : QObject {
        SolitaireGame* game = nullptr;
        std::optional<bool> saveWasPending;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !saveWasPending)
                saveWasPending = (*game).isSaveScheduled();
            return false;
        }
    } watcher;
    watcher.game = game.get();
    for (int c = 0; c < kColumnCount; ++c)
        view->pileView(BoardFocus::tableau(c))->installEventFilter(&watcher);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a move", [&] { view->board().moveToBestSpot(game->play().tableau()[2].last()); }},
        {"a new deal", [&] { game->session().newDeal(); }},
    };
    for (const auto& [what, change] : changes) {
        watcher.saveWasPending.reset();
        change();
        ASSERT_TRUE((*game).isSaveScheduled()) << what;
        QApplication::processEvents();
        EXPECT_EQ(watcher.saveWasPending, std::optional<bool>(true)) << what;
        EXPECT_FALSE((*game).isSaveScheduled()) << what << ": saved in the same turn";
    }
}

// The panel builds a new board on every open; at the same scale and look it
// paints from what the last board drew rather than drawing it all again.
TEST_F(PaintTest, BoardBuiltAgainPaintsFromTheLastBoardsRenders)
{
    using graphics::RenderCache::count;
    using graphics::RenderCache::renderCount;
    using graphics::RenderElement;
    Position p;
    p.tableau = {"KS", "QH", "", "", "", "", ""};
    load(p);
    QElapsedTimer waited;
    waited.start();
    while (count(RenderElement::face) < 2 && waited.elapsed() < 5000)
        QApplication::processEvents();
    const int held = count(RenderElement::face);
    const int rendered = renderCount(RenderElement::face);
    ASSERT_GE(held, 2);
    view = std::make_unique<SolitaireView>(*game);
    view->show();
    EXPECT_EQ(count(RenderElement::face), held) << "the new board emptied the cache";
    view->repaint();
    EXPECT_EQ(renderCount(RenderElement::face), rendered) << "the new board drew its faces again";
}

// Shown and left idle, the board renders every face of the deck ahead of
// its first deal, so dealing then draws faces from the cache only. Hidden,
// it renders nothing, and once the deck is drawn it lets go of the text
// outlines the faces were drawn from.
TEST_F(PaintTest, IdleBoardRendersTheWholeDeckAheadOfTheDeals)
{
    using graphics::RenderCache::count;
    using graphics::RenderElement;
    Position p;
    p.tableau = {"KS", "", "", "", "", "", ""};
    load(p);
    view->hide();
    graphics::RenderCache::clear();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 300)
        QApplication::processEvents();
    EXPECT_EQ(count(RenderElement::face), 0);

    view->show();
    waited.restart();
    while (count(RenderElement::face) < kDeckSize && waited.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_EQ(count(RenderElement::face), kDeckSize);
    EXPECT_GT(count(RenderElement::text), 0);
    view->hide();
    EXPECT_EQ(count(RenderElement::text), 0);
    view->show();
    game->session().newDeal();
    view->repaint();
    EXPECT_EQ(graphics::RenderCache::renderCount(RenderElement::face), kDeckSize)
        << "the new deal rendered a face of its own";
}

// The four-colour switch repaints every face at once, wherever it shows:
// on the piles, in the hand of a drag, and on the board around the win card.
TEST_F(PaintTest, FourColourSwitchRepaintsEveryFaceAtOnce)
{
    const QColor blue = graphics::suitColor(Suit::diamonds, {}, graphics::SuitColours::four);
    const auto blueInk = [&] {
        const QImage shot = view->grab().toImage();
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                n += std::abs(c.red() - blue.red()) + std::abs(c.green() - blue.green())
                         + std::abs(c.blue() - blue.blue()) <= 12;
            }
        return n;
    };
    Position inPlay;
    inPlay.tableau = {"KS", "-5C QD", "AS", "-9H 8C", "", "-2C 7D", "KD"};
    // Each state, and the part of the board that must repaint when the switch flips.
    const struct {
        const char* what;
        Position position;
        std::function<void()> setUp;
        QWidget* (*watched)(PaintTest&);
    } states[] = {
        {"in play", inPlay, [] {}, [](PaintTest& t) -> QWidget* { return t.view->pileView(BoardFocus::tableau(6)); }},
        {"dragging a diamond", inPlay,
         [this] {
             press(onColumnCard(6, 0));
             moveTo(onColumnCard(6, 0) + QPoint(0, 12));
             moveTo(frame(BoardFocus::tableau(4)).center().toPoint());
         },
         [](PaintTest& t) -> QWidget* { return t.preview(); }},
        {"won", nearlyWon(), [this] { view->board().moveToBestSpot(game->play().tableau()[0].last()); },
         [](PaintTest& t) -> QWidget* { return t.view->pileView(BoardFocus::foundation(2)); }},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.what);
        store.setBool(keys::fourColourSuits, false);
        load(state.position);
        state.setUp();
        QApplication::processEvents();
        EXPECT_EQ(blueInk(), 0);
        bool repainted = false;
        struct Watcher : QObject {
            bool* seen;
            bool eventFilter(QObject*, QEvent* event) override
            {
                *seen = *seen || event->type() == QEvent::Paint;
                return false;
            }
        } watcher;
        watcher.seen = &repainted;
        state.watched(*this)->installEventFilter(&watcher);
        game->settings().setFourColourSuits(true);
        QApplication::processEvents();
        EXPECT_TRUE(repainted);
        EXPECT_GT(blueInk(), 100);
        state.watched(*this)->removeEventFilter(&watcher);
    }
}
