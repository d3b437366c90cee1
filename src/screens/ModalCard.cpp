#include "screens/ModalCard.h"

#include "platform/SystemAppearance.h"
#include "screens/GlassButton.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace murvane::screens {

ModalCard::ModalCard(qreal scale, DefaultButton defaultButton, const QString& cardID, const QString& title,
                     const QString& message, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton), scale_(sanitizedScale(scale))
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
    widget->installEventFilter(this);
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

bool ModalCard::takeKey(QKeyEvent* event, const QObject* from)
{
    const int key = event->key();
    const bool isReturn = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key != Qt::Key_Escape && !isReturn)
        return false;
    event->accept();
    // Announced first, so no window shortcut takes the key from the card.
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    if (key == Qt::Key_Escape || from == cancelButton_ || defaultButton_ == DefaultButton::cancel)
        Q_EMIT cancelled();
    else
        actionButton_->click();
    return true;
}

void ModalCard::keyPressEvent(QKeyEvent* event)
{
    // Keys on the card itself, or passed on by a part of it.
    if (!takeKey(event, QApplication::focusWidget()))
        QWidget::keyPressEvent(event);
}

QList<QWidget*> ModalCard::tabChain() const
{
    // The focus chain runs through the whole window; the card's part of it
    // is its controls in the order the dialog set.
    QList<QWidget*> chain;
    for (QWidget* w = card_->nextInFocusChain(); w && w != card_; w = w->nextInFocusChain()) {
        if (card_->isAncestorOf(w) && w->isVisibleTo(card_) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
    }
    return chain;
}

bool ModalCard::focusNextPrevChild(bool next)
{
    const QList<QWidget*> chain = tabChain();
    if (chain.isEmpty())
        return true; // still never out of the card
    const qsizetype at = chain.indexOf(QApplication::focusWidget());
    const qsizetype n = chain.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool ModalCard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    // Before the control itself: some platform themes let Return press the
    // focused button, and Return must not confirm from there.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && watched != parentWidget()
        && takeKey(static_cast<QKeyEvent*>(event), watched))
        return event->type() == QEvent::KeyPress;
    return QWidget::eventFilter(watched, event);
}

} // namespace murvane::screens
