#pragma once
// A board on the offscreen platform over a game loaded from an exact position.

#include "board/BoardSurface.h"
#include "board/DragPreviewLayer.h"
#include "board/SolitaireView.h"
#include "support/Positions.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace murvane::testing {

// Nothing hidden and the saved game was auto-completing: restoring it
// resumes the run.
inline Position autoCompletingPosition()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC"};
    p.tableau = {"KC QD", "KH", "KD QC", "KS", "", "", ""};
    p.hasStartedCurrentDeal = true;
    p.wasAutoCompleting = true;
    return p;
}

struct BoardFixture : ::testing::Test {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    std::unique_ptr<SolitaireView> view;

    BoardFixture() { store.setString(keys::autoCompleteMode, QStringLiteral("Disabled")); }

    void load(const Position& p)
    {
        view.reset();
        game = loadGame(store, p);
        view = std::make_unique<SolitaireView>(*game);
        view->show();
        // Window shortcuts only fire in the active window.
        QApplication::setActiveWindow(view.get());
    }

    // As load(), with the deal known to have come from the ordered deck (and
    // `number`, when given), so Restart Deal and Copy Deal Code can act.
    void loadDealt(const Position& p, std::optional<std::int64_t> number = std::nullopt)
    {
        SavedGame record = p.record(ScoringMode::standard, std::nullopt);
        record.dealt = dealtFromOrderedDeck(number);
        store.setData(keys::savedGame, encodeSavedGame(record));
        view.reset();
        game = std::make_unique<SolitaireGame>(store, false);
        view = std::make_unique<SolitaireView>(*game);
        view->show();
        QApplication::setActiveWindow(view.get());
        ASSERT_TRUE(game->session().origin().isKnown());
    }

    // Parts the view does not hand out, found by their object names.
    board::BoardSurface* surface() const
    {
        return view->findChild<board::BoardSurface*>(QStringLiteral("boardSurface"));
    }
    board::DragPreviewLayer* preview() const
    {
        return view->findChild<board::DragPreviewLayer*>(QStringLiteral("dragPreviewLayer"));
    }
    QRectF frame(const BoardFocus& pile) const { return view->board().boardGeometry().pileFrame(pile); }
    QRectF columnCard(int c, int j) const
    {
        return view->board().boardGeometry().columnCardRect(c, j, game->play().tableau()[size_t(c)].size());
    }
    // A point on the visible strip of column card j.
    QPoint onColumnCard(int c, int j) const
    {
        const QRectF r = columnCard(c, j);
        return QPointF(r.center().x(), r.top() + 4).toPoint();
    }

    void press(QPoint p) { QTest::mousePress(surface(), Qt::LeftButton, {}, p); }
    void moveTo(QPoint p) { QTest::mouseMove(surface(), p); }
    void release(QPoint p) { QTest::mouseRelease(surface(), Qt::LeftButton, {}, p); }
    void click(QPoint p) { QTest::mouseClick(surface(), Qt::LeftButton, {}, p); }
    void doubleClick(QPoint p)
    {
        QTest::mouseClick(surface(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(surface(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, p);
    }
    // Press, move in steps to `to`, release there.
    void drag(QPoint from, QPoint to)
    {
        press(from);
        moveTo(from + QPoint(0, 12));
        moveTo(to);
        release(to);
    }
};

} // namespace murvane::testing
