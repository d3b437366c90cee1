#pragma once
// The look of everything around the cards, shared by the board and the
// screens: one palette of colour roles, the glass material, the soft shadow
// of floating cards, and the lengths of the panel frame and its header bar.
// Both headers (the board's and a screen's) read the same numbers, so
// opening a screen swaps the header's contents without a jump.

#include "cards/Settings.h"
#include "graphics/Appearance.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace murvane::graphics {

// The large board size makes the board and the screens' text 18% larger.
inline constexpr qreal kLargeSizeFactor = 1.18;
qreal boardSizeFactor(BoardSize size);

// Colours of the chrome, one per role, in the given appearance.
class ChromePalette {
public:
    explicit ChromePalette(const Appearance& appearance = {}) : appearance_(appearance) {}

    const Appearance& appearance() const { return appearance_; }
    bool dark() const { return appearance_.dark; }
    bool increasedContrast() const { return appearance_.increasedContrast; }

    QColor background() const;  // the panel behind the board and the screens
    QColor primary() const;     // titles, labels and symbols
    QColor secondary() const;   // dimmed labels
    QColor accent() const;      // chosen options, prominent buttons
    QColor accentText() const;  // text on an accent fill
    QColor destructive() const; // the label of a destructive button
    QColor focusRing() const;   // keyboard focus
    QColor hint() const;        // the hint's highlight: never mistaken for the focus ring
    QColor divider() const;
    QColor groupFill() const;   // the group-box container
    QColor groupBorder() const;
    QColor glassFill() const;   // translucent glass of buttons
    QColor raisedFill() const;  // opaque surface of cards, bars and pop-up lists
    QColor edge() const;        // the hairline around glass and pop-up lists
    QColor hoverTint() const;   // laid over a control under the pointer
    QColor pressedTint() const; // laid over a control held down

private:
    Appearance appearance_;
};

// How much of what lies behind shows through a glass shape.
enum class GlassLevel : quint8 {
    control,   // buttons: see-through
    prominent, // a button in the accent colour
    header,    // the header bar: the control glass as it looks over the panel, opaque
    card,      // dialog and win cards: opaque, so nothing behind reads through the text
};

// A rounded fill with continuous corners and a hairline edge, rendered once
// per size, radius, level, appearance and pixel ratio. A radius of half the
// height gives a capsule.
void paintGlass(QPainter& painter, const QRectF& rect, qreal radius, const Appearance& appearance,
                GlassLevel level = GlassLevel::control);

// A soft black shadow under a rounded rectangle (standard deviation blur / 2),
// moved by `offset`, rendered once per size and kept in the render cache.
void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal cornerRadius, qreal blur, QPointF offset,
                     qreal opacity);

// A card floating over the board (a dialog, the win card) at `scale`: its
// continuous-corner glass on the opaque card level, and under it a shadow of
// black at 30 %, blur 16, 6 down. `rect` is the card itself.
void paintFloatingCard(QPainter& painter, const QRectF& rect, qreal scale, const Appearance& appearance);
void paintFloatingShadow(QPainter& painter, const QRectF& rect, qreal scale);

// The panel frame and the header bar at scale 1; every length is multiplied
// by the board scale.
struct ChromeMetrics {
    static constexpr qreal panelWidth = 375;
    static constexpr qreal inset = 14;         // around the board and a screen's column
    static constexpr qreal stackSpacing = 12;  // between the header and what follows
    static constexpr qreal headerHeight = 40;
    static constexpr qreal headerPaddingH = 10;
    static constexpr qreal headerPaddingV = 6;
    static constexpr qreal headerSpacing = 6;       // between the title and the texts beside it
    static constexpr qreal headerGroupSpacing = 8;  // between the header's buttons
    static constexpr qreal headerCornerRadius = 12;
    static constexpr qreal headerButtonSize = 28;   // a round button: the symbol frame plus padding
    static constexpr qreal headerSymbolSize = 12;
    static constexpr qreal headerSymbolFrame = 16;
    static constexpr qreal headerTitleSize = 13;
    static constexpr qreal floatingCornerRadius = 16;
    static constexpr qreal floatingShadowBlur = 16;
    static constexpr qreal floatingShadowOffsetY = 6;
    static constexpr qreal floatingShadowOpacity = 0.30;
    // Room a floating card's shadow reaches beyond it.
    static constexpr qreal floatingShadowRoom = 2 * floatingShadowBlur + floatingShadowOffsetY;
    // Room the header keeps free between its texts and its buttons, as wide
    // as its padding, so a long score or pass counter never touches them.
    static constexpr qreal headerTextGap = 10;

    // The header bar's rectangle in panel coordinates.
    static QRectF headerRect(qreal scale);
};

} // namespace murvane::graphics
