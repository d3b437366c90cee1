#include "screens/PlayDealDialog.h"

#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ConfirmationDialog.h"
#include "screens/GlassButton.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace murvane::screens {

namespace {
// The confirmation dialog's metrics, so both dialogs look alike.
using C = ConfirmationDialog;
constexpr qreal kFieldTextSize = 13;
} // namespace

PlayDealDialog::PlayDealDialog(qreal scale, QWidget* parent) : QWidget(parent), scale_(sanitizedScale(scale))
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    const QString title = localizedString(QStringLiteral("Play Deal"));
    const QString message = localizedString(
        QStringLiteral("Enter a deal number to play the same deal as anyone else, or paste a deal code someone shared."));

    card_ = new GlassSurface(graphics::GlassLevel::card, graphics::ChromeMetrics::floatingCornerRadius * scale_, this);
    card_->setObjectName(QStringLiteral("playDealDialog"));
    card_->setAccessibleName(title);
    card_->setAccessibleDescription(message);
    setAccessibilityMark(card_, AccessibilityMark::modalDialog);

    title_ = new QLabel(title, card_);
    message_ = new QLabel(message, card_);
    error_ = new QLabel(card_);
    error_->setObjectName(QStringLiteral("playDealError"));
    for (QLabel* l : {title_, message_, error_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
    }
    error_->hide();

    field_ = new QLineEdit(card_);
    field_->setObjectName(QStringLiteral("playDealField"));
    field_->setAccessibleName(localizedString(QStringLiteral("Deal number or code")));
    field_->setPlaceholderText(field_->accessibleName());
    field_->setMaxLength(200);
    field_->setAlignment(Qt::AlignCenter);
    field_->installEventFilter(this);
    // A new attempt clears the old complaint.
    connect(field_, &QLineEdit::textEdited, this, [this] { showError({}); });

    cancel_ = new GlassButton(card_);
    cancel_->setText(localizedString(QStringLiteral("Cancel")));
    cancel_->setObjectName(QStringLiteral("cancelPlayDealButton"));
    cancel_->setAccessibleName(cancel_->text());
    play_ = new GlassButton(card_);
    play_->setText(localizedString(QStringLiteral("Play")));
    play_->setObjectName(QStringLiteral("playDealButton"));
    play_->setAccessibleName(play_->text());
    play_->setButtonStyle(GlassButton::Style::prominent);
    for (GlassButton* b : {cancel_, play_}) {
        b->setLabelFont(C::kButtonTextSize, QFont::Medium);
        b->setPadding(10, 3);
        b->installEventFilter(this);
    }

    cardLayout_ = new QVBoxLayout(card_);
    cardLayout_->addWidget(title_);
    cardLayout_->addWidget(message_);
    cardLayout_->addWidget(field_);
    cardLayout_->addWidget(error_);
    buttonRow_ = new QHBoxLayout();
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(cancel_);
    buttonRow_->addWidget(play_);
    buttonRow_->addStretch(1);
    cardLayout_->addLayout(buttonRow_);

    connect(cancel_, &QAbstractButton::clicked, this, &PlayDealDialog::cancelled);
    connect(play_, &QAbstractButton::clicked, this, &PlayDealDialog::submit);
    setTabOrder(field_, cancel_);
    setTabOrder(cancel_, play_);
    setFocusProxy(field_);
    applyScale();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, &PlayDealDialog::applyScale);
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    raise();
}

void PlayDealDialog::submit()
{
    const DealInput input = readDealInput(field_->text());
    if (!input.request) {
        showError(dealInputMessage(input.error));
        field_->setFocus(Qt::OtherFocusReason);
        return;
    }
    Q_EMIT chosen(*input.request);
}

void PlayDealDialog::showError(const QString& message)
{
    error_->setText(message);
    error_->setVisible(!message.isEmpty());
    // Read with the field, so a screen reader hears why nothing was dealt.
    field_->setAccessibleDescription(message);
    placeCard();
}

void PlayDealDialog::setScale(qreal scale)
{
    const qreal s = sanitizedScale(scale);
    if (qFuzzyCompare(s, scale_))
        return;
    scale_ = s;
    applyScale();
}

void PlayDealDialog::applyScale()
{
    const qreal s = scale_;
    const graphics::ChromePalette palette = currentPalette();
    title_->setFont(scaledFont(C::kTitleSize * s, QFont::Bold));
    message_->setFont(scaledFont(C::kMessageSize * s));
    error_->setFont(scaledFont(C::kMessageSize * s, QFont::Medium));
    field_->setFont(scaledFont(kFieldTextSize * s));
    auto colour = [](QWidget* w, const QColor& c) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, c);
        w->setPalette(p);
    };
    colour(title_, palette.primary());
    colour(message_, palette.secondary());
    colour(error_, palette.destructive());
    const QColor text = palette.primary();
    field_->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid %3;"
                                         " border-radius: %4px; padding: %5px; }"
                                         "QLineEdit:focus { border: %6px solid %7; }")
                              .arg(palette.groupFill().name(QColor::HexArgb), text.name(),
                                   palette.groupBorder().name(QColor::HexArgb))
                              .arg(qRound(6 * s))
                              .arg(qRound(5 * s))
                              .arg(std::max(1, qRound(2 * s)))
                              .arg(palette.accent().name()));
    cancel_->setScale(s);
    play_->setScale(s);
    const int pad = qRound(C::kCardPadding * s);
    cardLayout_->setContentsMargins(pad, pad, pad, pad);
    cardLayout_->setSpacing(qRound(C::kSpacing * s));
    buttonRow_->setSpacing(qRound(C::kSpacing * s));
    card_->setRadius(graphics::ChromeMetrics::floatingCornerRadius * s);
    card_->setFixedWidth(qRound(C::kCardWidth * s));
    placeCard();
}

void PlayDealDialog::placeCard()
{
    const int w = card_->width();
    cardLayout_->activate();
    int h = card_->hasHeightForWidth() ? card_->heightForWidth(w) : card_->sizeHint().height();
    h = std::max(h, card_->minimumSizeHint().height());
    card_->setGeometry(std::max(0, (width() - w) / 2), std::max(0, (height() - h) / 2), w, h);
    update();
}

void PlayDealDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QColor dim(0, 0, 0);
    dim.setAlphaF(float(C::kBackdropOpacity));
    p.fillRect(rect(), dim);
    graphics::paintFloatingShadow(p, QRectF(card_->geometry()), scale_);
}

void PlayDealDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCard();
}

void PlayDealDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    raise();
    placeCard();
    field_->setFocus(Qt::OtherFocusReason);
}

void PlayDealDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        Q_EMIT cancelled();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        submit();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PlayDealDialog::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && !card_->geometry().contains(event->position().toPoint()))
        Q_EMIT cancelled();
}

bool PlayDealDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        return false;
    }
    // Return in the field or on a button plays; Escape anywhere cancels.
    // (Space on a focused button still presses that button.)
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Q_EMIT cancelled();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == cancel_)
                Q_EMIT cancelled();
            else
                submit();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace murvane::screens
