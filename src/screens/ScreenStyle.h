#pragma once
// Shared look of the full-panel screens and their dialogs: the two scale
// factors, fonts at point sizes that follow them, the desktop's current look
// and the pop-up list style. Colours, glass and shadow are the chrome style
// the board uses too (graphics/ChromeStyle.h).
//
// Lengths are logical pixels at scale 1 multiplied by a scale factor: b (the
// board scale) for the frame, header and dialogs, t (the screen text scale)
// for everything inside a screen body.

#include "cards/Settings.h"
#include "graphics/ChromeStyle.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <optional>

class QMenu;
class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

// Guard against zero, negative or non-finite scales handed in from outside:
// every length must stay positive and finite.
qreal sanitizedScale(qreal scale);

// t: the user's text-size factor times the large board's factor.
qreal screenTextScale(const SolitaireGame& game);
qreal screenTextScale(BoardSize size, qreal systemTextScale);

// The system font at `size` logical pixels (already scaled) and a weight.
QFont scaledFont(qreal size, QFont::Weight weight = QFont::Normal);

// The look the desktop asks for now, and the chrome's colours in it.
graphics::Appearance currentAppearance();
graphics::ChromePalette currentPalette();

// Corner radius of a pop-up list at scale 1.
inline constexpr qreal kPopupCornerRadius = 8;

// Gives a pop-up list (the board's menu, a choice menu's list, the tray's
// menu) the panel's look instead of the desktop style: its scale, colours
// and rounded corners. `itemLeading` is the room before an item's text at
// scale 1, for a check.
void stylePopupMenu(QMenu* menu, qreal scale, const graphics::Appearance& appearance, qreal itemLeading = 12);
// Where a pop-up list of `size` opens for the control at `anchor`: right
// edges aligned, the item whose centre lies `itemCentreY` below the list's
// top over the control's centre (without one, just below the control), and
// moved as little as needed to lie inside `bounds`. Global coordinates.
QPoint popupPosition(const QRect& anchor, const QSize& size, std::optional<int> itemCentreY, const QRect& bounds);
// The style sheet behind it, for a menu whose window is not ours to shape.
QString menuStyleSheet(qreal scale, const graphics::Appearance& appearance, qreal itemLeading = 12);

// A widget filled with glass: the dialog card and the screen header bar.
// Everything on it is its children.
class GlassSurface : public QWidget {
public:
    GlassSurface(graphics::GlassLevel level, qreal radius, QWidget* parent);
    void setRadius(qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    graphics::GlassLevel level_;
    qreal radius_;
};

// Marks a widget for assistive technologies: a heading, a modal dialog, an
// element to leave out, or one element that speaks for all its children (its
// accessible name says everything). Qt 6.4 has no API for these traits, so
// the screens install a small accessibility factory that reads these marks.
enum class AccessibilityMark { heading, modalDialog, hidden, combined };
void setAccessibilityMark(QWidget* widget, AccessibilityMark mark);

// One option of a picker (an icon, a card back): a button that reports the
// selected state while it is the chosen option. Call before the button is
// first shown; update the state with setAccessibleSelected afterwards.
void makeAccessibleOption(QWidget* button);
void setAccessibleSelected(QWidget* button, bool selected);
bool isAccessibleSelected(const QWidget* button);

} // namespace screens
} // namespace murvane
