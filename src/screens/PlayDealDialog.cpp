#include "screens/PlayDealDialog.h"

#include "text/Localization.h"
#include "screens/GameWords.h"
#include "screens/GlassButton.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace murvane::screens {

namespace {
constexpr qreal kFieldTextSize = 13;
} // namespace

PlayDealDialog::PlayDealDialog(qreal scale, QWidget* parent)
    : ModalCard(scale, DefaultButton::action, QStringLiteral("playDealDialog"),
                localizedString(QStringLiteral("Play Deal")),
                localizedString(QStringLiteral(
                    "Enter a deal number to play the same deal as anyone else, or paste a deal code someone shared.")),
                parent)
{
    error_ = new QLabel(card());
    error_->setObjectName(QStringLiteral("playDealError"));
    error_->setAlignment(Qt::AlignCenter);
    error_->setWordWrap(true);
    error_->setTextFormat(Qt::PlainText);
    error_->hide();

    field_ = new QLineEdit(card());
    field_->setObjectName(QStringLiteral("playDealField"));
    field_->setAccessibleName(localizedString(QStringLiteral("Deal number or code")));
    field_->setPlaceholderText(field_->accessibleName());
    field_->setMaxLength(200);
    field_->setAlignment(Qt::AlignCenter);
    // A new attempt clears the old complaint.
    connect(field_, &QLineEdit::textEdited, this, [this] { showError({}); });
    addContent(field_);
    addContent(error_);
    // Read in the order shown: the field and its complaint before the buttons.
    error_->stackUnder(cancelButton());
    field_->stackUnder(cancelButton());

    GlassButton* cancel = cancelButton();
    cancel->setText(localizedString(QStringLiteral("Cancel")));
    cancel->setObjectName(QStringLiteral("cancelPlayDealButton"));
    cancel->setAccessibleName(cancel->text());
    GlassButton* play = playButton();
    play->setText(localizedString(QStringLiteral("Play")));
    play->setObjectName(QStringLiteral("playDealButton"));
    play->setAccessibleName(play->text());
    play->setButtonStyle(GlassButton::Style::prominent);
    connect(play, &QAbstractButton::clicked, this, &PlayDealDialog::submit);

    setTabOrder(field_, cancel);
    setTabOrder(cancel, play);
    setFocusProxy(field_);
    applyScale();
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

void PlayDealDialog::applyContentScale(qreal s, const graphics::ChromePalette& palette)
{
    error_->setFont(scaledFont(kMessageSize * s, QFont::Medium));
    field_->setFont(scaledFont(kFieldTextSize * s));
    QPalette ep = error_->palette();
    ep.setColor(QPalette::WindowText, palette.destructive());
    error_->setPalette(ep);
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
}

QWidget* PlayDealDialog::initialFocus() const
{
    return field_;
}

} // namespace murvane::screens
