// Board geometry: size and scale, column fans, the waste fan, slot frames and
// the hit test that maps points back onto them.

#include "board/BoardGeometry.h"

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::board;

TEST(BoardGeometryTest, BoardWidthFollowsBoardSizeAndTextScale)
{
    struct Case {
        bool large;
        qreal textScale;
        qreal width;
    };
    for (const Case& c : {Case{false, 1.0, 375}, Case{true, 1.0, 442.5}, Case{false, 1.5, 562.5},
                          Case{true, 0.0, 442.5} /* broken factor falls back to 1 */}) {
        const qreal s = boardScale(c.large, c.textScale);
        const BoardGeometry g(s, DrawMode::one());
        EXPECT_DOUBLE_EQ(g.boardSize().width(), c.width) << c.large << " " << c.textScale;
        // Every part grows by the same factor.
        EXPECT_DOUBLE_EQ(g.boardSize().height(), BoardGeometry(1, DrawMode::one()).boardSize().height() * s);
        EXPECT_DOUBLE_EQ(g.pileFrame(PileId::stock()).width(), 44 * s);
    }
}

TEST(BoardGeometryTest, HeightStacksHeaderTopRowAndColumns)
{
    const BoardGeometry g(1, DrawMode::three());
    EXPECT_DOUBLE_EQ(g.boardSize().height(), kHeaderHeight + 12 + 64 + 12 + 330 + 28);
    EXPECT_DOUBLE_EQ(g.topRowRect().top(), g.headerRect().bottom() + 12);
    EXPECT_DOUBLE_EQ(g.columnsRowRect().top(), g.topRowRect().bottom() + 12);
    EXPECT_DOUBLE_EQ(g.columnsRowRect().bottom(), g.boardSize().height() - 14);
}

TEST(BoardGeometryTest, FanStepsShrinkPastTenCardsAndStopAtEleven)
{
    struct Case {
        std::int64_t n;
        qreal step;
    };
    for (const Case& c : {Case{0, 20}, Case{1, 20}, Case{10, 20}, Case{11, 19.6}, Case{15, 14}, Case{18, 196.0 / 17},
                          Case{19, 11}, Case{30, 11}})
        EXPECT_NEAR(fanStep(c.n), c.step, 1e-9) << c.n << " cards";

    // A 19-card column reaches 262 below its top at scale 1, scaled with S.
    for (qreal s : {1.0, 1.18}) {
        const BoardGeometry g(s, DrawMode::one());
        const QRectF last = g.columnCardRect(3, 18, 19);
        EXPECT_NEAR(last.bottom() - g.pileFrame(PileId::tableau(3)).top(), 262 * s, 1e-9);
        EXPECT_LE(last.bottom(), g.columnsRowRect().bottom());
    }
}

TEST(BoardGeometryTest, WasteWidthAndFanDependOnDrawCount)
{
    const BoardGeometry one(1, DrawMode::one()), three(1, DrawMode::three());
    EXPECT_DOUBLE_EQ(one.pileFrame(PileId::waste()).width(), 44);
    EXPECT_DOUBLE_EQ(three.pileFrame(PileId::waste()).width(), 84);
    const qreal left3 = three.pileFrame(PileId::waste()).left();
    for (int i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(three.wasteCardRect(i).left() - left3, 16.0 * i);
    EXPECT_DOUBLE_EQ(one.wasteCardRect(0).left(), one.pileFrame(PileId::waste()).left());

    EXPECT_EQ(visibleWasteCount(10, DrawMode::one()), 1);
    EXPECT_EQ(visibleWasteCount(10, DrawMode::three()), 3);
    EXPECT_EQ(visibleWasteCount(2, DrawMode::three()), 2);
    EXPECT_EQ(visibleWasteCount(0, DrawMode::three()), 0);

    // Draw 3 fills the 344 frame exactly; Draw 1 is 40 narrower and centred.
    const QRectF row = three.topRowRect();
    EXPECT_DOUBLE_EQ(three.pileFrame(PileId::stock()).left(), row.left());
    EXPECT_DOUBLE_EQ(three.pileFrame(PileId::foundation(3)).right(), row.right());
    EXPECT_DOUBLE_EQ(one.pileFrame(PileId::stock()).left(), row.left() + 20);
    EXPECT_DOUBLE_EQ(one.pileFrame(PileId::foundation(3)).right(), row.right() - 20);
}

TEST(BoardGeometryTest, PilesAreSpacedAndCentredOnTheBoard)
{
    for (qreal s : {1.0, 1.18}) {
        const BoardGeometry g(s, DrawMode::three());
        EXPECT_NEAR(g.topRowRect().center().x(), g.boardSize().width() / 2, 1e-9);
        for (int c = 1; c < kColumnCount; ++c)
            EXPECT_NEAR(g.pileFrame(PileId::tableau(c)).left() - g.pileFrame(PileId::tableau(c - 1)).right(), 6 * s,
                        1e-9);
        EXPECT_NEAR(g.pileFrame(PileId::tableau(6)).right() - g.pileFrame(PileId::tableau(0)).left(), 344 * s, 1e-9);
        for (int f = 1; f < kFoundationCount; ++f)
            EXPECT_NEAR(g.pileFrame(PileId::foundation(f)).left() - g.pileFrame(PileId::foundation(f - 1)).right(),
                        8 * s, 1e-9);
    }
}

TEST(BoardGeometryTest, SlotFramesAreTheFoundationAndColumnTopFrames)
{
    const BoardGeometry g(1.18, DrawMode::three());
    const auto frames = g.slotFrames();
    ASSERT_EQ(frames.size(), kFoundationCount + kColumnCount);
    for (int f = 0; f < kFoundationCount; ++f)
        EXPECT_EQ(frames.value(DropSlot::foundation(f)), g.pileFrame(PileId::foundation(f)));
    for (int c = 0; c < kColumnCount; ++c) {
        const QRectF frame = frames.value(DropSlot::tableau(c));
        EXPECT_EQ(frame, g.columnCardRect(c, 0, 12)) << "a column's frame is its bottom card's place";
        EXPECT_NEAR(frame.width(), 44 * 1.18, 1e-9);
        EXPECT_NEAR(frame.height(), 64 * 1.18, 1e-9);
    }
}

TEST(BoardGeometryTest, HitTestRoundTripsEveryPaintedCard)
{
    // The centre of every painted card's visible strip maps back to that card.
    for (DrawMode draw : {DrawMode::one(), DrawMode::three()}) {
        const BoardGeometry g(1.18, draw);
        PileCounts counts;
        counts.waste = 5;
        counts.foundations = {0, 3, 0, 13};
        counts.columns = {0, 1, 2, 7, 11, 19, 13};
        for (int c = 0; c < kColumnCount; ++c) {
            const std::int64_t n = counts.columns[size_t(c)];
            for (int j = 0; j < n; ++j) {
                const QRectF card = g.columnCardRect(c, j, n);
                const QPointF visible(card.center().x(), card.top() + 2);
                EXPECT_EQ(hitTest(g, counts, visible), (PileHit{PileId::tableau(c), j})) << c << "/" << j;
            }
        }
        EXPECT_EQ(hitTest(g, counts, g.pileFrame(PileId::tableau(0)).center()),
                  (PileHit{PileId::tableau(0), std::nullopt}));
        const int shown = visibleWasteCount(counts.waste, draw);
        const QRectF top = g.wasteCardRect(shown - 1);
        EXPECT_EQ(hitTest(g, counts, QPointF(top.right() - 2, top.center().y())), (PileHit{PileId::waste(), 4}));
        if (draw == DrawMode::three()) {
            EXPECT_EQ(hitTest(g, counts, QPointF(g.wasteCardRect(0).left() + 2, top.center().y())),
                      (PileHit{PileId::waste(), 2}));
        }
        EXPECT_EQ(hitTest(g, counts, g.pileFrame(PileId::foundation(1)).center()),
                  (PileHit{PileId::foundation(1), 2}));
        EXPECT_EQ(hitTest(g, counts, g.pileFrame(PileId::foundation(0)).center()),
                  (PileHit{PileId::foundation(0), std::nullopt}));
        EXPECT_EQ(hitTest(g, counts, g.pileFrame(PileId::stock()).center()), (PileHit{PileId::stock(), std::nullopt}));
        // Gaps, the header and the margins hit nothing.
        const QRectF c0 = g.pileFrame(PileId::tableau(0)), c1 = g.pileFrame(PileId::tableau(1));
        EXPECT_FALSE(hitTest(g, counts, QPointF((c0.right() + c1.left()) / 2, c0.center().y())));
        EXPECT_FALSE(hitTest(g, counts, g.headerRect().center()));
        EXPECT_FALSE(hitTest(g, counts, QPointF(1, 1)));
    }
}

TEST(BoardGeometryTest, FocusRingFramesTheTopCardAndPreviewCentresTheGrabbedCard)
{
    const BoardGeometry g(1.18, DrawMode::three());
    EXPECT_EQ(g.focusRingRect(PileId::tableau(2), 0), g.pileFrame(PileId::tableau(2)));
    EXPECT_EQ(g.focusRingRect(PileId::tableau(2), 12), g.columnCardRect(2, 11, 12));
    EXPECT_EQ(g.focusRingRect(PileId::waste(), 0).width(), 84 * 1.18);

    const QPointF pointer(200, 300);
    const qreal step = 19.6 * 1.18;
    const QRectF first = BoardGeometry::previewCardRect(pointer, step, 0, 1.18);
    EXPECT_EQ(first.center(), pointer);
    EXPECT_DOUBLE_EQ(BoardGeometry::previewCardRect(pointer, step, 2, 1.18).top() - first.top(), 2 * step);
}
