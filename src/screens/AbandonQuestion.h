#pragma once
// Replacing the deal in progress (a new deal, a chosen deal, a rule change
// that deals anew) happens at once when it abandons nothing, and otherwise
// only once the player answers "Abandon this game?". The game decides what
// counts as abandoning (DealSession::newDealBreaksStreak); this is the one
// place that asks it and puts the question.
//
// Contract:
// - The question is a ConfirmationDialog over `host` (filling it), made
//   when asked and deleted later when answered, so answering from inside
//   its own signal is safe.
// - `askingChanged(true)` comes before the question shows and
//   `askingChanged(false)` after it has hidden, so an owner's record of what
//   covers its area is right while the keyboard focus passes on the way.
// - A confirmed replacement runs after the question has gone.
// - It is a child of `host` and goes with it, taking an open question
//   along; the game must outlive it.

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

namespace murvane {

class SolitaireGame;
enum class RuleSetting;

namespace screens {

class ConfirmationDialog;

class AbandonQuestion : public QObject {
    Q_OBJECT
public:
    // What replaces the deal; the question's wording and identifiers follow it.
    enum class Reason { newDeal, ruleChange };

    AbandonQuestion(SolitaireGame& game, Reason reason, QWidget* host, qreal scale);
    ~AbandonQuestion() override;

    // Runs `replace` now when it abandons nothing (with `change` applied,
    // when given), else keeps it and asks; a request while asking takes the
    // place of the one kept. An empty `replace` is no request.
    void request(std::function<void()> replace, std::optional<RuleSetting> change = std::nullopt);
    bool isAsking() const { return dialog_ != nullptr; }
    ConfirmationDialog* dialog() const { return dialog_; }
    // The question's answers; either does nothing while not asking.
    void confirm();
    void cancel();
    void setScale(qreal scale);

Q_SIGNALS:
    void askingChanged(bool asking);

private:
    void ask();
    // Drops the question; returns what it kept.
    std::function<void()> close();

    SolitaireGame& game_;
    Reason reason_;
    QPointer<QWidget> host_;
    qreal scale_;
    QPointer<ConfirmationDialog> dialog_;
    std::function<void()> kept_;
};

} // namespace screens
} // namespace murvane
