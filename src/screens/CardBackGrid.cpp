#include "screens/CardBackGrid.h"

#include "engine/SolitaireGame.h"
#include "graphics/CardBackView.h"
#include "text/Localization.h"
#include "screens/ScreenStyle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>

#include <cmath>

namespace murvane::screens {

namespace {

QSizeF swatchCardSize(qreal t)
{
    return graphics::CardBackView::size(t * CardSwatch::kCardScale);
}

// The back without its board shadow: the swatch draws its own.
QPixmap swatchFace(CardBackTheme theme, qreal scale, qreal dpr, const graphics::Appearance& appearance)
{
    graphics::CardBackView view;
    view.theme = theme;
    view.scale = scale;
    view.appearance = appearance;
    return graphics::bareBackPixmap(view, dpr);
}

} // namespace

// --- CardSwatch --------------------------------------------------------------

CardSwatch::CardSwatch(CardBackTheme theme, qreal textScale, QWidget* parent)
    : QAbstractButton(parent), theme_(theme), scale_(sanitizedScale(textScale))
{
    // Keyboard focus by Tab (and the arrow keys through the grid); a click
    // chooses the theme without taking focus.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setObjectName(QStringLiteral("cardTheme-") + rawValue(theme));
    makeAccessibleOption(this);
    const QString name = localizedName(theme);
    setAccessibleName(localizedString(QStringLiteral("Deck Theme: %@"), {name}));
    setToolTip(name);
}

void CardSwatch::setSelected(bool selected)
{
    if (selected == selected_)
        return;
    selected_ = selected;
    setAccessibleSelected(this, selected);
    update();
}

QRectF CardSwatch::cardRect() const
{
    return QRectF(QPointF(kMargin, kMargin), swatchCardSize(scale_));
}

QSize CardSwatch::sizeHint() const
{
    const QSizeF card = swatchCardSize(scale_);
    return {int(std::ceil(card.width())) + 2 * kMargin, int(std::ceil(card.height())) + 2 * kMargin};
}

void CardSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const graphics::ChromePalette palette = currentPalette();
    const QRectF card = cardRect();
    const qreal cardRadius = graphics::backMetrics(scale_ * kCardScale).cornerRadius;

    graphics::paintSoftShadow(p, card, cardRadius, 2, QPointF(0, 1), selected_ ? 0.30 : 0.10);
    p.drawPixmap(card.topLeft(),
                 swatchFace(theme_, scale_ * kCardScale, devicePixelRatioF(), palette.appearance()));

    if (selected_) {
        p.setPen(QPen(palette.accent(), kRingWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card, kRingRadius, kRingRadius);
    }
    if (hasFocus()) {
        QColor ring = palette.primary();
        ring.setAlpha(255);
        p.setPen(QPen(ring, kFocusRingWidth));
        p.setBrush(Qt::NoBrush);
        const qreal o = kFocusRingOutset;
        p.drawRoundedRect(card.adjusted(-o, -o, o, o), kFocusRingRadius, kFocusRingRadius);
    }
}

void CardSwatch::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        Q_EMIT arrowPressed(event->key());
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void CardSwatch::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    update();
    Q_EMIT focusChanged(true);
}

void CardSwatch::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    update();
    Q_EMIT focusChanged(false);
}

// --- CardBackGrid ------------------------------------------------------------

CardBackGrid::CardBackGrid(SolitaireGame& game, qreal textScale, QWidget* parent)
    : QWidget(parent), game_(game), scale_(sanitizedScale(textScale))
{
    setObjectName(QStringLiteral("cardThemeGrid"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (CardBackTheme theme : EnumCases<CardBackTheme>::all) {
        auto* swatch = new CardSwatch(theme, scale_, this);
        swatches_.append(swatch);
        connect(swatch, &QAbstractButton::clicked, this, [this, theme] { game_.settings().setCardTheme(theme); });
        connect(swatch, &CardSwatch::arrowPressed, this, [this, swatch](int key) { moveFocus(swatch, key); });
        connect(swatch, &CardSwatch::focusChanged, this, [this, theme](bool focused) {
            if (focused)
                focusedTheme_ = theme;
            else if (focusedTheme_ == theme)
                focusedTheme_.reset();
        });
    }
    connect(&game_.settings(), &GameSettings::cardThemeChanged, this, &CardBackGrid::refreshSelection);
    refreshSelection();
}

CardSwatch* CardBackGrid::swatch(CardBackTheme theme) const
{
    for (CardSwatch* s : swatches_)
        if (s->theme() == theme)
            return s;
    return nullptr;
}

void CardBackGrid::refreshSelection()
{
    const CardBackTheme chosen = game_.settings().cardTheme();
    for (CardSwatch* s : swatches_)
        s->setSelected(s->theme() == chosen);
}

int CardBackGrid::columnCount(int width) const
{
    const qreal column = kMinColumnWidth * scale_;
    return std::max(1, int(std::floor((width + kSpacing) / (column + kSpacing))));
}

int CardBackGrid::heightForWidth(int width) const
{
    const int columns = columnCount(width);
    const int rows = int((swatches_.size() + columns - 1) / columns);
    const int card = int(std::ceil(swatchCardSize(scale_).height()));
    return 2 * kVerticalPadding + rows * card + std::max(0, rows - 1) * kSpacing;
}

QSize CardBackGrid::sizeHint() const
{
    const int width = int(std::ceil(kMinColumnWidth * scale_ * 5 + kSpacing * 4));
    return {width, heightForWidth(width)};
}

QSize CardBackGrid::minimumSizeHint() const
{
    // The height follows the width (heightForWidth); a minimum taken from a
    // one-column grid would stretch the whole screen.
    return {int(std::ceil(kMinColumnWidth * scale_)), 0};
}

void CardBackGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutSwatches();
}

void CardBackGrid::layoutSwatches()
{
    const int columns = columnCount(width());
    const qreal cellWidth = (width() - (columns - 1) * kSpacing) / qreal(columns);
    const QSizeF card = swatchCardSize(scale_);
    const int cardHeight = int(std::ceil(card.height()));
    for (int i = 0; i < swatches_.size(); ++i) {
        const int row = i / columns;
        const int column = i % columns;
        // Cells share the width; each card sits centred in its cell, and the
        // swatch's margin (for its rings) spills into the gaps.
        const qreal cellLeft = column * (cellWidth + kSpacing);
        const qreal cardLeft = cellLeft + (cellWidth - card.width()) / 2;
        const int top = kVerticalPadding + row * (cardHeight + kSpacing);
        CardSwatch* s = swatches_[i];
        s->setGeometry(QRect(QPoint(qRound(cardLeft) - CardSwatch::kMargin, top - CardSwatch::kMargin), s->sizeHint()));
    }
}

void CardBackGrid::moveFocus(CardSwatch* from, int key)
{
    const int index = int(swatches_.indexOf(from));
    if (index < 0)
        return;
    const int columns = columnCount(width());
    int target = index;
    switch (key) {
    case Qt::Key_Left: target = index - 1; break;
    case Qt::Key_Right: target = index + 1; break;
    case Qt::Key_Up: target = index - columns; break;
    case Qt::Key_Down: target = index + columns; break;
    default: return;
    }
    if (target < 0 || target >= swatches_.size())
        return;
    CardSwatch* next = swatches_[target];
    next->setFocus(Qt::TabFocusReason);
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
            scroll->ensureWidgetVisible(next, 0, CardSwatch::kMargin * 2);
            break;
        }
}

} // namespace murvane::screens
