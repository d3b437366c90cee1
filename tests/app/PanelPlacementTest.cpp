// Where the panel opens: below its icon, on the icon's screen, never off it.
#include "app/PanelPlacement.h"

#include <gtest/gtest.h>

using namespace murvane::app;

namespace {
const QRect kScreen(0, 0, 1280, 800);
const QSize kPanel(375, 520);
} // namespace

TEST(PanelPlacement, HangsCentredBelowTheIcon)
{
    const QRect icon(600, 0, 24, 24);
    const QPoint pos = panelPosition(kPanel, icon, {}, kScreen);
    EXPECT_EQ(pos.y(), 24 + kPanelGap);
    EXPECT_EQ(pos.x() + kPanel.width() / 2, 612);
}

TEST(PanelPlacement, StaysOnScreenBesideTheEdges)
{
    // Tray at the far right: the panel slides left, its right edge on the screen's.
    const QPoint right = panelPosition(kPanel, QRect(1260, 0, 20, 20), {}, kScreen);
    EXPECT_EQ(right.x() + kPanel.width(), 1280);
    // Icon at the far left.
    EXPECT_EQ(panelPosition(kPanel, QRect(0, 0, 20, 20), {}, kScreen).x(), 0);
}

TEST(PanelPlacement, OpensAboveAnIconOnABottomPanel)
{
    const QRect icon(700, 776, 24, 24);
    const QPoint pos = panelPosition(kPanel, icon, {}, kScreen);
    EXPECT_EQ(pos.y() + kPanel.height(), 776 - kPanelGap);
}

TEST(PanelPlacement, UsesThePointerWithoutIconGeometry)
{
    const QPoint pointer(400, 10);
    // An empty rectangle counts as no geometry.
    for (const std::optional<QRect>& icon : {std::optional<QRect>(), std::optional<QRect>(QRect())}) {
        const QPoint pos = panelPosition(kPanel, icon, pointer, kScreen);
        EXPECT_EQ(pos.y(), pointer.y() + 1 + kPanelGap);
        EXPECT_EQ(pos.x() + kPanel.width() / 2, pointer.x());
    }
    // A pointer in the bottom-right corner still leaves the whole panel visible.
    const QPoint corner = panelPosition(kPanel, std::nullopt, QPoint(1279, 799), kScreen);
    EXPECT_TRUE(kScreen.contains(QRect(corner, kPanel)));
}

TEST(PanelPlacement, PanelLargerThanTheScreenStartsAtItsCorner)
{
    const QRect small(0, 0, 320, 240);
    EXPECT_EQ(panelPosition(kPanel, QRect(100, 0, 16, 16), {}, small), QPoint(0, 0));
}

TEST(PanelPlacement, MultiScreenPicksTheIconsScreenAndStaysOnIt)
{
    // Two screens side by side, the second one offset downwards and smaller.
    const QList<QRect> screens {QRect(0, 0, 1920, 1080), QRect(1920, 200, 1024, 768)};
    const QRect icon(2920, 200, 22, 22); // tray at the right end of screen 2
    const QRect screen = screenFor(screens, icon.center());
    EXPECT_EQ(screen, screens.at(1));
    const QRect panel(panelPosition(kPanel, icon, {}, screen), kPanel);
    EXPECT_TRUE(screens.at(1).contains(panel));
    EXPECT_EQ(panel.top(), 222 + kPanelGap);

    // A pointer in the gap below screen 2 belongs to the nearest screen.
    EXPECT_EQ(screenFor(screens, QPoint(2000, 1000)), screens.at(1));
    EXPECT_EQ(screenFor(screens, QPoint(-50, 500)), screens.at(0));
    EXPECT_TRUE(screenFor({}, QPoint()).isEmpty());
}

TEST(PanelPlacement, KeepsOffTaskbarsAndTopBars)
{
    // The icon sits in a bar outside the usable area; the panel must not
    // cover that bar, whether it hangs from the icon or from the pointer.
    struct Row {
        const char* desktop;
        QRect available;
        std::optional<QRect> icon;
        QPoint pointer;
    };
    const Row rows[] = {
        {"top bar, icon reported", QRect(0, 32, 1280, 768), QRect(1200, 4, 24, 24), {}},
        {"top bar, pointer only", QRect(0, 32, 1280, 768), std::nullopt, QPoint(1210, 6)},
        {"bottom taskbar, pointer only", QRect(0, 0, 1280, 752), std::nullopt, QPoint(700, 790)},
        {"left dock and top bar", QRect(64, 28, 1216, 772), std::nullopt, QPoint(20, 10)},
    };
    for (const Row& row : rows) {
        const QPoint anchor = row.icon ? row.icon->center() : row.pointer;
        const QRect area = placementArea({{QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 768)},
                                          {kScreen, row.available}},
                                         anchor);
        EXPECT_EQ(area, row.available) << row.desktop;
        const QRect panel(panelPosition(kPanel, row.icon, row.pointer, area), kPanel);
        EXPECT_TRUE(row.available.contains(panel)) << row.desktop;
    }
    // A screen that reports no usable area falls back to its full rectangle.
    EXPECT_EQ(placementArea({{kScreen, QRect()}}, QPoint(5, 5)), kScreen);
    EXPECT_TRUE(placementArea({}, QPoint()).isEmpty());
}
