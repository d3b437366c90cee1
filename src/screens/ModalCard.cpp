#include "screens/ModalCard.h"

#include "platform/SystemAppearance.h"
#include "screens/GlassButton.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace murvane::screens {

ModalCard::ModalCard(qreal scale, const QString& cardID, const QString& title, const QString& message,
                     QWidget* parent)
    : QWidget(parent), scale_(sanitizedScale(scale))
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);

    card_ = new GlassSurface(graphics::GlassLevel::card, graphics::ChromeMetrics::floatingCornerRadius * scale_, this);
    card_->setObjectName(cardID);
    card_->setAccessibleName(title);
    card_->setAccessibleDescription(message);
    setAccessibilityMark(card_, AccessibilityMark::modalDialog);

    titleLabel_ = new QLabel(title, card_);
    messageLabel_ = new QLabel(message, card_);
    for (QLabel* l : {titleLabel_, messageLabel_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
    }

    cancelButton_ = new GlassButton(card_);
    actionButton_ = new GlassButton(card_);
    for (GlassButton* b : {cancelButton_, actionButton_}) {
        b->setLabelFont(kButtonTextSize, QFont::Medium);
        b->setPadding(10, 3);
        b->installEventFilter(this);
    }
    connect(cancelButton_, &QAbstractButton::clicked, this, &ModalCard::cancelled);

    cardLayout_ = new QVBoxLayout(card_);
    cardLayout_->addWidget(titleLabel_);
    cardLayout_->addWidget(messageLabel_);
    buttonRow_ = new QHBoxLayout();
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(cancelButton_);
    buttonRow_->addWidget(actionButton_);
    buttonRow_->addStretch(1);
    cardLayout_->addLayout(buttonRow_);

    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, &ModalCard::applyScale);
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    raise();
}

QString ModalCard::title() const
{
    return titleLabel_->text();
}

QString ModalCard::message() const
{
    return messageLabel_->text();
}

void ModalCard::addContent(QWidget* widget)
{
    cardLayout_->insertWidget(cardLayout_->count() - 1, widget);
}

void ModalCard::setScale(qreal scale)
{
    const qreal s = sanitizedScale(scale);
    if (qFuzzyCompare(s, scale_))
        return;
    scale_ = s;
    applyScale();
}

void ModalCard::applyScale()
{
    const qreal s = scale_;
    const graphics::ChromePalette palette = currentPalette();
    titleLabel_->setFont(scaledFont(kTitleSize * s, QFont::Bold));
    messageLabel_->setFont(scaledFont(kMessageSize * s, QFont::Normal));
    QPalette tp = titleLabel_->palette();
    tp.setColor(QPalette::WindowText, palette.primary());
    titleLabel_->setPalette(tp);
    QPalette mp = messageLabel_->palette();
    mp.setColor(QPalette::WindowText, palette.secondary());
    messageLabel_->setPalette(mp);
    cancelButton_->setScale(s);
    actionButton_->setScale(s);
    applyContentScale(s, palette);

    const int pad = qRound(kCardPadding * s);
    cardLayout_->setContentsMargins(pad, pad, pad, pad);
    cardLayout_->setSpacing(qRound(kSpacing * s));
    buttonRow_->setSpacing(qRound(kSpacing * s));
    card_->setRadius(graphics::ChromeMetrics::floatingCornerRadius * s);
    card_->setFixedWidth(qRound(kCardWidth * s));
    placeCard();
}

void ModalCard::applyContentScale(qreal, const graphics::ChromePalette&) {}

void ModalCard::placeCard()
{
    const int w = card_->width();
    cardLayout_->activate();
    int h = card_->hasHeightForWidth() ? card_->heightForWidth(w) : card_->sizeHint().height();
    h = std::max(h, card_->minimumSizeHint().height());
    // Centred; on an area smaller than the card it starts at the top-left so
    // the buttons stay reachable.
    card_->setGeometry(std::max(0, (width() - w) / 2), std::max(0, (height() - h) / 2), w, h);
    update();
}

void ModalCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QColor dim(0, 0, 0);
    dim.setAlphaF(float(kBackdropOpacity));
    p.fillRect(rect(), dim);
    graphics::paintFloatingShadow(p, QRectF(card_->geometry()), scale_);
}

void ModalCard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCard();
}

void ModalCard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    raise();
    placeCard();
    if (QWidget* first = initialFocus())
        first->setFocus(Qt::OtherFocusReason);
}

void ModalCard::mousePressEvent(QMouseEvent* event)
{
    pressOnBackdrop_ = event->button() == Qt::LeftButton && !card_->geometry().contains(event->position().toPoint());
    event->accept();
}

void ModalCard::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool wasBackdrop = pressOnBackdrop_;
    pressOnBackdrop_ = false;
    if (wasBackdrop && event->button() == Qt::LeftButton &&
        !card_->geometry().contains(event->position().toPoint()))
        Q_EMIT cancelled();
}

bool ModalCard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace murvane::screens
