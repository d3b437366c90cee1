#include "screens/GlassButton.h"

#include "graphics/Symbols.h"
#include "screens/ScreenStyle.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>

#include <cmath>

namespace murvane::screens {

GlassButton::GlassButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (menu_)
            popUpMenu();
    });
}

void GlassButton::setSymbol(const QString& name, qreal size, qreal frame)
{
    symbol_ = name;
    symbolSize_ = std::max<qreal>(0, size);
    symbolFrame_ = frame > 0 ? frame : symbolSize_;
    updateGeometry();
    update();
}

void GlassButton::setLabelFont(qreal size, QFont::Weight weight)
{
    fontSize_ = std::max<qreal>(1, size);
    fontWeight_ = weight;
    updateGeometry();
    update();
}

void GlassButton::setShape(Shape shape)
{
    shape_ = shape;
    updateGeometry();
    update();
}

void GlassButton::setButtonStyle(Style style)
{
    style_ = style;
    update();
}

void GlassButton::setDestructive(bool destructive)
{
    destructive_ = destructive;
    update();
}

void GlassButton::setPadding(qreal horizontal, qreal vertical)
{
    padH_ = std::max<qreal>(0, horizontal);
    padV_ = std::max<qreal>(0, vertical);
    updateGeometry();
}

void GlassButton::setLabelSpacing(qreal spacing)
{
    spacing_ = std::max<qreal>(0, spacing);
    updateGeometry();
}

void GlassButton::setMinimumLabelWidth(qreal width)
{
    minWidth_ = std::max<qreal>(0, width);
    updateGeometry();
}

void GlassButton::setScale(qreal scale)
{
    scale_ = sanitizedScale(scale);
    updateGeometry();
    update();
}

void GlassButton::setMenu(QMenu* menu)
{
    menu_ = menu;
}

QFont GlassButton::labelFont() const
{
    return scaledFont(fontSize_ * scale_, fontWeight_);
}

QSizeF GlassButton::contentSize() const
{
    qreal w = 0;
    qreal h = 0;
    if (!text().isEmpty()) {
        QFontMetricsF fm(labelFont());
        w = fm.horizontalAdvance(text());
        h = fm.height();
    }
    if (!symbol_.isEmpty()) {
        const qreal frame = symbolFrame_ * scale_;
        if (w > 0)
            w += spacing_ * scale_;
        w += frame;
        h = std::max(h, frame);
    }
    return {std::max(w, minWidth_ * scale_), h};
}

QSize GlassButton::sizeHint() const
{
    const QSizeF content = contentSize();
    qreal w = content.width() + 2 * padH_ * scale_;
    qreal h = content.height() + 2 * padV_ * scale_;
    if (shape_ == Shape::circle)
        w = h = std::max(w, h);
    return {int(std::ceil(w)), int(std::ceil(h))};
}

void GlassButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const graphics::ChromePalette palette = currentPalette();
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(r.width(), r.height()) / 2;

    QColor labelColour = palette.primary();
    if (style_ == Style::prominent) {
        QColor fill = palette.accent();
        if (isDown())
            fill = fill.darker(115);
        else if (hovered_)
            fill = fill.lighter(108);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, radius, radius);
        labelColour = palette.accentText();
    } else {
        graphics::paintGlass(p, QRectF(rect()), radius, palette.appearance());
        if (isDown() || hovered_) {
            p.setPen(Qt::NoPen);
            p.setBrush(isDown() ? palette.pressedTint() : palette.hoverTint());
            p.drawRoundedRect(r, radius, radius);
        }
        if (destructive_)
            labelColour = palette.destructive();
    }
    if (!isEnabled())
        labelColour.setAlphaF(labelColour.alphaF() * 0.4f);

    if (hasFocus() && keyboardFocus_) {
        QPen ring(palette.focusRing(), 2);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        const QRectF fr = r.adjusted(1, 1, -1, -1);
        const qreal fRadius = std::min(fr.width(), fr.height()) / 2;
        p.drawRoundedRect(fr, fRadius, fRadius);
    }

    const QSizeF content = contentSize();
    QRectF box(QPointF(0, 0), content);
    box.moveCenter(QRectF(rect()).center());
    const QFont font = labelFont();
    QFontMetricsF fm(font);
    const qreal textWidth = text().isEmpty() ? 0 : fm.horizontalAdvance(text());
    const qreal frame = symbol_.isEmpty() ? 0 : symbolFrame_ * scale_;
    const qreal gap = (textWidth > 0 && frame > 0) ? spacing_ * scale_ : 0;
    // Centre text and symbol as a group inside a possibly wider minimum box.
    qreal x = box.left() + (box.width() - (textWidth + gap + frame)) / 2;

    auto drawSymbol = [&](qreal left) {
        const qreal side = symbolSize_ * scale_;
        QRectF frameRect(left, box.center().y() - frame / 2, frame, frame);
        QRectF symRect(0, 0, side, side);
        symRect.moveCenter(frameRect.center());
        graphics::paintSymbol(p, symbol_, symRect, labelColour);
    };
    if (textWidth > 0) {
        p.setFont(font);
        p.setPen(labelColour);
        p.drawText(QRectF(x, box.top(), textWidth + 1, box.height()), Qt::AlignLeft | Qt::AlignVCenter, text());
        x += textWidth + gap;
    }
    if (frame > 0)
        drawSymbol(x);
}

void GlassButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void GlassButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void GlassButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
    QAbstractButton::changeEvent(event);
}

void GlassButton::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason;
    update();
    QAbstractButton::focusInEvent(event);
}

void GlassButton::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

void GlassButton::popUpMenu()
{
    if (!menu_)
        return;
    // Inside the panel, clear of its inset, never past its edges.
    QWidget* panel = window();
    const int margin = qRound(graphics::ChromeMetrics::inset * scale_);
    const QRect bounds =
        QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size()).adjusted(margin, margin, -margin, -margin);
    menu_->ensurePolished();
    const QSize listSize = menu_->sizeHint();
    std::optional<int> itemCentreY;
    const int row = menuAnchorRow();
    if (const QList<QAction*> actions = menu_->actions(); row >= 0 && row < actions.size())
        itemCentreY = menu_->actionGeometry(actions[row]).center().y();
    menu_->popup(popupPosition(QRect(mapToGlobal(QPoint(0, 0)), size()), listSize, itemCentreY, bounds));
}

} // namespace murvane::screens
