#include "screens/ConfirmationDialog.h"

#include "screens/GlassButton.h"
#include "screens/ScreenStyle.h"
#include "platform/SystemAppearance.h"

#include <QGuiApplication>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace murvane::screens {

ConfirmationDialog::ConfirmationDialog(qreal scale, const ConfirmationTexts& texts, QWidget* parent)
    : QWidget(parent), scale_(sanitizedScale(scale))
{
    const auto& [title, message, dialogID, cancelTitle, cancelID, confirmTitle, confirmID] = texts;
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);

    card_ = new GlassSurface(graphics::GlassLevel::card, graphics::ChromeMetrics::floatingCornerRadius * scale_, this);
    card_->setObjectName(dialogID);
    card_->setAccessibleName(title);
    card_->setAccessibleDescription(message);
    setAccessibilityMark(card_, AccessibilityMark::modalDialog);

    titleLabel_ = new QLabel(title, card_);
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setWordWrap(true);
    titleLabel_->setTextFormat(Qt::PlainText);

    messageLabel_ = new QLabel(message, card_);
    messageLabel_->setAlignment(Qt::AlignCenter);
    messageLabel_->setWordWrap(true);
    messageLabel_->setTextFormat(Qt::PlainText);

    cancelButton_ = new GlassButton(card_);
    cancelButton_->setText(cancelTitle);
    cancelButton_->setObjectName(cancelID);
    cancelButton_->setAccessibleName(cancelTitle);
    cancelButton_->setButtonStyle(GlassButton::Style::prominent);

    confirmButton_ = new GlassButton(card_);
    confirmButton_->setText(confirmTitle);
    confirmButton_->setObjectName(confirmID);
    confirmButton_->setAccessibleName(confirmTitle);
    confirmButton_->setDestructive(true);

    for (GlassButton* b : {cancelButton_, confirmButton_}) {
        b->setLabelFont(kButtonTextSize, QFont::Medium);
        b->setPadding(10, 3);
        b->installEventFilter(this);
    }

    cardLayout_ = new QVBoxLayout(card_);
    cardLayout_->setAlignment(Qt::AlignHCenter);
    cardLayout_->addWidget(titleLabel_);
    cardLayout_->addWidget(messageLabel_);
    buttonRow_ = new QHBoxLayout();
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(cancelButton_);
    buttonRow_->addWidget(confirmButton_);
    buttonRow_->addStretch(1);
    cardLayout_->addLayout(buttonRow_);

    connect(cancelButton_, &QAbstractButton::clicked, this, &ConfirmationDialog::cancelled);
    connect(confirmButton_, &QAbstractButton::clicked, this, &ConfirmationDialog::confirmed);

    setTabOrder(cancelButton_, confirmButton_);
    // Focusing the dialog (as owners do after showing it) lands on Cancel,
    // the default action.
    setFocusProxy(cancelButton_);
    applyScale();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, &ConfirmationDialog::applyScale);

    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    raise();
}

QString ConfirmationDialog::title() const
{
    return titleLabel_->text();
}

QString ConfirmationDialog::message() const
{
    return messageLabel_->text();
}

void ConfirmationDialog::setScale(qreal scale)
{
    const qreal s = sanitizedScale(scale);
    if (qFuzzyCompare(s, scale_))
        return;
    scale_ = s;
    applyScale();
}

void ConfirmationDialog::applyScale()
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
    confirmButton_->setScale(s);

    const int pad = qRound(kCardPadding * s);
    cardLayout_->setContentsMargins(pad, pad, pad, pad);
    cardLayout_->setSpacing(qRound(kSpacing * s));
    buttonRow_->setSpacing(qRound(kSpacing * s));
    card_->setRadius(graphics::ChromeMetrics::floatingCornerRadius * s);
    card_->setFixedWidth(qRound(kCardWidth * s));
    placeCard();
    update();
}

void ConfirmationDialog::placeCard()
{
    const int w = card_->width();
    cardLayout_->activate();
    int h = card_->hasHeightForWidth() ? card_->heightForWidth(w) : card_->sizeHint().height();
    h = std::max(h, card_->minimumSizeHint().height());
    // Centred; on an area smaller than the card it starts at the top-left so
    // the buttons stay reachable.
    const int x = std::max(0, (width() - w) / 2);
    const int y = std::max(0, (height() - h) / 2);
    card_->setGeometry(x, y, w, h);
    update();
}

void ConfirmationDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QColor dim(0, 0, 0);
    dim.setAlphaF(float(kBackdropOpacity));
    p.fillRect(rect(), dim);
    graphics::paintFloatingShadow(p, QRectF(card_->geometry()), scale_);
}

void ConfirmationDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCard();
}

void ConfirmationDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    raise();
    placeCard();
    // The default action sits on Cancel, so keyboard focus starts there.
    cancelButton_->setFocus(Qt::OtherFocusReason);
}

bool ConfirmationDialog::isCancelKey(int key) const
{
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void ConfirmationDialog::keyPressEvent(QKeyEvent* event)
{
    if (isCancelKey(event->key())) {
        event->accept();
        Q_EMIT cancelled();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConfirmationDialog::mousePressEvent(QMouseEvent* event)
{
    // A click anywhere outside the card cancels; presses never reach what is
    // beneath the backdrop.
    pressOnBackdrop_ = event->button() == Qt::LeftButton && !card_->geometry().contains(event->position().toPoint());
    event->accept();
}

void ConfirmationDialog::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool wasBackdrop = pressOnBackdrop_;
    pressOnBackdrop_ = false;
    if (wasBackdrop && event->button() == Qt::LeftButton &&
        !card_->geometry().contains(event->position().toPoint()))
        Q_EMIT cancelled();
}

bool ConfirmationDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    } else if ((watched == cancelButton_ || watched == confirmButton_) &&
               (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        // Some platform themes let Return press the focused button; here
        // Return must cancel even while Confirm has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isCancelKey(key->key())) {
            key->accept();
            if (event->type() == QEvent::KeyPress)
                Q_EMIT cancelled();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ConfirmationDialog::focusNextPrevChild(bool)
{
    // Keep Tab inside the dialog: it only moves between the two buttons.
    if (cancelButton_->hasFocus())
        confirmButton_->setFocus(Qt::TabFocusReason);
    else
        cancelButton_->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace murvane::screens
