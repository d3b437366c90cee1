#include "engine/SolutionWatch.h"

#include "engine/DealSession.h"
#include "engine/GamePlay.h"

#include <QTimer>

#include <utility>

namespace murvane {

SolutionWatch::SolutionWatch(GamePlay& play, DealSession& session, QObject* parent)
    : QObject(parent)
    , play_(play)
    , session_(session)
    , timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("solutionStepTimer"));
    timer_->setSingleShot(true);
    timer_->setInterval(kStepMs);
    connect(timer_, &QTimer::timeout, this, &SolutionWatch::makeStep);
    connect(&finder_, &HintFinder::hintFound, this, &SolutionWatch::hintFound);
    // Anything else that moves the cards (an undo, a new deal, a restored
    // game) takes the board back: the line is about another position now.
    connect(&play_, &GamePlay::pilesChanged, this, [this] {
        if (!isMoving_)
            stop();
    });
}

bool SolutionWatch::start()
{
    if (isWatching_ || !play_.takesMoves())
        return false;
    if (session_.isLost()) {
        Q_EMIT refused(Hint{Hint::Kind::lost, {}});
        return false;
    }
    setWatching(true);
    if (!finder_.request(session_.position(), play_.table()))
        stop();
    return isWatching_;
}

void SolutionWatch::stop()
{
    timer_->stop();
    finder_.positionChanged();
    next_.reset();
    setWatching(false);
}

void SolutionWatch::hintFound(const Hint& hint)
{
    if (!isWatching_)
        return;
    if (!hint.showsOnBoard()) {
        stop();
        Q_EMIT refused(hint);
        return;
    }
    next_ = hint;
    Q_EMIT stepShown(hint);
    timer_->start();
}

void SolutionWatch::makeStep()
{
    if (!isWatching_ || !next_)
        return;
    const Hint step = *std::exchange(next_, std::nullopt);
    const bool playable = step.kind == Hint::Kind::move
                              ? moves::isPlayable(play_.table(), step.move.source, step.move.target)
                              : play_.canDrawFromStock();
    if (!playable || !play_.takesMoves()) {
        stop();
        return;
    }
    // Shown before the move is made: the move that wins must find it so.
    session_.markSolutionShown();
    isMoving_ = true;
    if (step.kind == Hint::Kind::move)
        play_.move(step.move.source, step.move.target);
    else
        play_.drawFromStock(noDrag_);
    isMoving_ = false;
    // Won, or auto-complete finishes the deal by itself.
    if (!play_.takesMoves()) {
        stop();
        return;
    }
    if (!finder_.request(session_.position(), play_.table()))
        stop();
}

void SolutionWatch::setWatching(bool value)
{
    if (isWatching_ == value)
        return;
    isWatching_ = value;
    Q_EMIT isWatchingChanged();
}

} // namespace murvane
