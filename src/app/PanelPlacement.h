#pragma once
// Where the panel goes: just below the tray icon, centred on it, or near the
// pointer when the tray cannot say where its icon is. The result always keeps
// the whole panel within the usable area of the chosen screen, off its
// taskbars and top bars. Pure functions, no widgets.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace murvane::app {

// Gap between the icon (or pointer) and the panel's edge, in pixels.
inline constexpr int kPanelGap = 4;

// The screen rectangle that holds `anchor`, else the nearest one; an empty
// rect when `screens` is empty.
QRect screenFor(const QList<QRect>& screens, QPoint anchor);

// A screen's full rectangle and its usable part (without docks and bars).
struct ScreenRects {
    QRect geometry;
    QRect available;
};

// The usable area of the screen that holds `anchor`, else of the nearest
// one. The screen is found by its full rectangle, since the tray icon itself
// sits in a bar outside the usable area. A screen without a usable area
// yields its full rectangle; no screens yield an empty rect.
QRect placementArea(const QList<ScreenRects>& screens, QPoint anchor);

// Top-left corner of a panel of `panel` size. `iconGeometry` is the tray
// icon's rectangle in global coordinates when the tray reports one (an empty
// rectangle counts as none); otherwise the panel hangs from `pointer`. The
// panel opens below its anchor, or above it when only that fits (a tray at
// the bottom edge), and is then moved fully into `area` (the usable area of
// its screen). A panel larger than the area is aligned to its top-left
// corner.
QPoint panelPosition(QSize panel, const std::optional<QRect>& iconGeometry, QPoint pointer, const QRect& area);

} // namespace murvane::app
