#include "screens/SwitchToggle.h"

#include "screens/ScreenStyle.h"

#include <QFocusEvent>
#include <QPainter>
#include <QScopedValueRollback>

#include <cmath>

namespace murvane::screens {

SwitchToggle::SwitchToggle(const QString& accessibleLabel, qreal scale, QWidget* parent)
    : QAbstractButton(parent), scale_(sanitizedScale(scale))
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(accessibleLabel);
    // The accessible "Toggle" action (and any other setChecked() or toggle())
    // bypasses nextCheckState(); such a change is taken back and asked for
    // like a click, so no channel shows a state that was never applied.
    connect(this, &QAbstractButton::toggled, this, &SwitchToggle::takeBackOutsideChange);
}

void SwitchToggle::setOn(bool on)
{
    if (on == isChecked())
        return;
    const QScopedValueRollback<bool> showing(showing_, true);
    setChecked(on);
    update();
}

void SwitchToggle::setStateSource(std::function<bool()> source)
{
    source_ = std::move(source);
    refresh();
}

void SwitchToggle::refresh()
{
    if (source_)
        setOn(source_());
}

void SwitchToggle::nextCheckState()
{
    request(!isChecked());
}

void SwitchToggle::request(bool on)
{
    Q_EMIT toggleRequested(on);
    if (source_)
        refresh();
    else
        setOn(on);
}

void SwitchToggle::takeBackOutsideChange(bool checked)
{
    if (showing_)
        return;
    setOn(!checked);
    request(checked);
}

QSize SwitchToggle::sizeHint() const
{
    return {int(std::ceil(kWidth * scale_)), int(std::ceil(kHeight * scale_))};
}

void SwitchToggle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const graphics::ChromePalette palette = currentPalette();
    QSizeF size(kWidth * scale_, kHeight * scale_);
    QRectF track(QPointF(0, 0), size);
    track.moveCenter(QRectF(rect()).center());
    track.adjust(0.5, 0.5, -0.5, -0.5);
    const qreal r = track.height() / 2;

    QColor fill = isChecked() ? palette.accent() : (palette.dark() ? QColor(255, 255, 255, 45) : QColor(0, 0, 0, 38));
    if (!isEnabled())
        fill.setAlphaF(fill.alphaF() * 0.5f);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(track, r, r);

    const qreal inset = 1.5 * scale_;
    const qreal knob = track.height() - 2 * inset;
    const qreal x = isChecked() ? track.right() - inset - knob : track.left() + inset;
    QRectF knobRect(x, track.top() + inset, knob, knob);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(knobRect.translated(0, 0.5 * scale_));
    p.setBrush(isEnabled() ? QColor(255, 255, 255) : QColor(235, 235, 235));
    p.drawEllipse(knobRect);

    if (hasFocus() && keyboardFocus_) {
        p.setPen(QPen(palette.focusRing(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(-1, -1, 1, 1), r + 1, r + 1);
    }
}

void SwitchToggle::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void SwitchToggle::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

} // namespace murvane::screens
