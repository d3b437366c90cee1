#pragma once
// Shared look of the full-panel screens and their dialogs: the two scale
// factors, fonts at point sizes that follow them, the named colours, and the
// glass material (a translucent rounded fill with a hairline rim, no blur).
//
// Lengths are logical pixels at scale 1 multiplied by a scale factor: b (the
// board scale) for the frame, header and dialogs, t (the screen text scale)
// for everything inside a screen body.

#include "engine/Settings.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;
class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

// Guard against zero, negative or non-finite scales handed in from outside:
// every length must stay positive and finite.
qreal sanitizedScale(qreal scale);

// The large board size makes screen text 18% larger.
inline constexpr qreal kLargeTextFactor = 1.18;

// t: the user's text-size factor times 1.18 for the large board size.
qreal screenTextScale(const SolitaireGame& game);
qreal screenTextScale(BoardSize size, qreal systemTextScale);

// The system font at `size` logical pixels (already scaled) and a weight.
QFont scaledFont(qreal size, QFont::Weight weight = QFont::Normal);

// The look currently asked for by the desktop.
struct ScreenPalette {
    bool dark = false;
    bool increasedContrast = false;

    static ScreenPalette current();

    QColor primary() const;
    QColor secondary() const;
    QColor accent() const;
    QColor accentText() const;  // text on an accent fill
    QColor destructive() const; // text of a destructive button
    QColor divider() const;
    QColor groupFill() const;   // the group-box container
    QColor groupBorder() const;
};

// How much of the board shows through a glass shape.
enum class GlassLevel {
    control, // buttons: light and see-through
    card,    // dialog cards: opaque, so nothing behind reads through the text
    header,  // the screen header bar: opaque, the board header's tone
};

// Fills `rect` as glass with the given corner radius and draws its hairline
// rim. A radius of half the height gives a capsule.
void paintGlass(QPainter& painter, const QRectF& rect, qreal radius, const ScreenPalette& palette,
                GlassLevel level = GlassLevel::control);

// The style sheet of a pop-up list (the board's menu, a choice menu's list):
// it follows the panel's scale and look instead of the desktop style.
// `itemLeading` is the room before an item's text at scale 1, for a check.
QString menuStyleSheet(qreal scale, bool dark, const QColor& text, const QColor& accent, qreal itemLeading = 12);

// A widget filled with glass: the dialog card and the screen header bar.
// Everything on it is its children.
class GlassSurface : public QWidget {
public:
    GlassSurface(GlassLevel level, qreal radius, QWidget* parent);
    void setRadius(qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GlassLevel level_;
    qreal radius_;
};

// A soft drop shadow under a rounded rectangle: black at `opacity`, spread
// over `radius`, shifted by `offsetY`.
void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal cornerRadius, qreal radius,
                     qreal offsetY, qreal opacity);


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
