#include "screens/AbandonQuestion.h"

#include "engine/SolitaireGame.h"
#include "screens/ConfirmationDialog.h"
#include "text/Localization.h"

#include <utility>

namespace murvane::screens {

AbandonQuestion::AbandonQuestion(SolitaireGame& game, Reason reason, QWidget* host, qreal scale)
    : QObject(host), game_(game), reason_(reason), host_(host), scale_(scale)
{
}

AbandonQuestion::~AbandonQuestion()
{
    // Not left behind on the host, holding a replacement nobody can run.
    delete dialog_.data();
}

void AbandonQuestion::request(std::function<void()> replace, std::optional<RuleSetting> change)
{
    if (!replace)
        return;
    // A fresh or already credited deal is replaced silently; only
    // abandoning a game in progress breaks the streak, so only that asks.
    if (!game_.session().newDealBreaksStreak(change)) {
        replace();
        return;
    }
    kept_ = std::move(replace);
    ask();
}

void AbandonQuestion::ask()
{
    if (dialog_ || !host_)
        return;
    const bool newDeal = reason_ == Reason::newDeal;
    ConfirmationTexts texts;
    texts.title = localizedString(QStringLiteral("Abandon this game?"));
    texts.cancelTitle = localizedString(QStringLiteral("Cancel"));
    if (newDeal) {
        texts.message = localizedString(QStringLiteral("Starting a new deal now will reset your win streak."));
        texts.dialogID = QStringLiteral("abandonGameDialog");
        texts.cancelID = QStringLiteral("cancelNewDealButton");
        texts.confirmTitle = localizedString(QStringLiteral("New Deal"));
        texts.confirmID = QStringLiteral("confirmNewDealButton");
    } else {
        texts.message =
            localizedString(QStringLiteral("Changing this rule deals a new game and resets your win streak."));
        texts.dialogID = QStringLiteral("rulesChangeDialog");
        texts.cancelID = QStringLiteral("cancelRulesChangeButton");
        texts.confirmTitle = localizedString(QStringLiteral("New Game"));
        texts.confirmID = QStringLiteral("confirmRulesChangeButton");
    }
    auto* dialog = new ConfirmationDialog(scale_, texts, host_);
    connect(dialog, &ConfirmationDialog::cancelled, this, &AbandonQuestion::cancel);
    connect(dialog, &ConfirmationDialog::confirmed, this, &AbandonQuestion::confirm);
    dialog_ = dialog;
    Q_EMIT askingChanged(true);
    dialog->raise();
    dialog->show();
    dialog->setFocus(Qt::OtherFocusReason);
}

std::function<void()> AbandonQuestion::close()
{
    std::function<void()> kept = std::exchange(kept_, nullptr);
    if (!dialog_)
        return kept;
    ConfirmationDialog* dialog = dialog_;
    dialog_ = nullptr;
    dialog->hide();
    dialog->deleteLater(); // we may be inside its signal
    Q_EMIT askingChanged(false);
    return kept;
}

void AbandonQuestion::confirm()
{
    if (!dialog_)
        return;
    // The question is gone before the new game is dealt.
    if (const std::function<void()> replace = close())
        replace();
}

void AbandonQuestion::cancel()
{
    close();
}

void AbandonQuestion::setScale(qreal scale)
{
    scale_ = scale;
    if (dialog_)
        dialog_->setScale(scale);
}

} // namespace murvane::screens
