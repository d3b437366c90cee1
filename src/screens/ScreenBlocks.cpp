#include "screens/ScreenBlocks.h"

#include "screens/ScreenStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace murvane::screens {

namespace {

void setTextColour(QWidget* w, const QColor& c)
{
    if (!w)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

QLabel* wrappingLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    return label;
}

} // namespace

void setSecondaryColour(QWidget* label)
{
    setTextColour(label, currentPalette().secondary());
}

void setPrimaryColour(QWidget* label)
{
    setTextColour(label, currentPalette().primary());
}

Divider::Divider(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibilityMark(this, AccessibilityMark::hidden);
}

void Divider::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), currentPalette().divider());
}

GroupBox::GroupBox(qreal textScale, QWidget* parent) : QWidget(parent), scale_(sanitizedScale(textScale))
{
    layout_ = new QVBoxLayout(this);
    const int h = qRound(kPaddingH * scale_);
    const int v = qRound(kPaddingV * scale_);
    layout_->setContentsMargins(h, v, h, v);
    layout_->setSpacing(0);
}

void GroupBox::addRow(QWidget* row)
{
    if (!row)
        return;
    if (rows_ > 0)
        layout_->addWidget(new Divider(this));
    layout_->addWidget(row);
    ++rows_;
}

void GroupBox::addWidget(QWidget* widget)
{
    if (!widget)
        return;
    layout_->addWidget(widget);
    ++rows_;
}

void GroupBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const graphics::ChromePalette palette = currentPalette();
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = kCornerRadius * scale_;
    p.setPen(QPen(palette.groupBorder(), 1));
    p.setBrush(palette.groupFill());
    p.drawRoundedRect(r, radius, radius);
}

SectionBlock::SectionBlock(const QString& heading, qreal textScale, QWidget* parent) : QWidget(parent)
{
    const qreal t = sanitizedScale(textScale);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);

    heading_ = wrappingLabel(heading, this);
    heading_->setFont(scaledFont(kHeadingSize * t, QFont::DemiBold));
    heading_->setContentsMargins(kHeadingLeading, 0, 0, 0);
    heading_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSecondaryColour(heading_);
    setAccessibilityMark(heading_, AccessibilityMark::heading);
    column->addWidget(heading_);

    box_ = new GroupBox(t, this);
    column->addWidget(box_);
}

void SectionBlock::addRow(QWidget* row)
{
    box_->addRow(row);
}

PreferenceRow::PreferenceRow(const QString& title, QWidget* control, qreal textScale, QWidget* parent,
                             int spacing)
    : QWidget(parent), control_(control)
{
    const qreal t = sanitizedScale(textScale);
    auto* row = new QHBoxLayout(this);
    // Rows are padded a little above and below so wrapped labels breathe.
    const int v = qRound(6 * t);
    row->setContentsMargins(0, v, 0, v);
    if (spacing >= 0)
        row->setSpacing(spacing);

    auto* labels = new QVBoxLayout();
    labels->setSpacing(kLabelSpacing);
    labels->setContentsMargins(0, 0, 0, 0);
    title_ = wrappingLabel(title, this);
    title_->setFont(scaledFont(kTitleSize * t));
    setPrimaryColour(title_);
    labels->addWidget(title_);

    detail_ = wrappingLabel(QString(), this);
    detail_->setFont(scaledFont(kDetailSize * t));
    setSecondaryColour(detail_);
    detail_->hide();
    labels->addWidget(detail_);

    row->addLayout(labels, 1);
    if (control_) {
        control_->setParent(this);
        row->addWidget(control_, 0, Qt::AlignVCenter | Qt::AlignRight);
    }
}

void PreferenceRow::setDetail(const QString& detail)
{
    detail_->setText(detail);
    detail_->setVisible(!detail.isEmpty());
}

QString PreferenceRow::detail() const
{
    return detail_->text();
}

} // namespace murvane::screens
