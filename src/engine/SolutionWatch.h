#pragma once
// Watch Solution: the game plays the winning line from the position in play,
// one move at a time. Each move is announced (stepShown) kStepMs before it
// is made through the one move path, so every move it makes is an ordinary
// undo step. Its first move marks the deal shown (DealSession decides what
// that means). It stops at once when asked, always between two moves, and by
// itself when the deal is won, when auto-complete takes over, or when
// anything but its own move changes the piles. Lives on the main thread; the
// search runs on HintFinder's thread and is never waited for.

#include "engine/DragState.h"
#include "engine/HintFinder.h"

#include <QObject>

#include <optional>

class QTimer;

namespace murvane {

class DealSession;
class GamePlay;

class SolutionWatch : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isWatching READ isWatching NOTIFY isWatchingChanged)

public:
    // The pace: one move of the line each kStepMs.
    static constexpr int kStepMs = 400;

    // Play and the session must outlive the watch.
    SolutionWatch(GamePlay& play, DealSession& session, QObject* parent = nullptr);

    // Starts from the position in play; true when it did. Nothing starts
    // while the game is won or auto-completing, or a watch runs already. A
    // position known to be lost starts nothing either: refused() tells so.
    bool start();
    // Stops before the next move; what was moved stays (undo takes it back).
    void stop();
    // From start() until the watch stops or ends, searching included.
    bool isWatching() const { return isWatching_; }
    // The move announced and about to be made, while one is.
    const std::optional<Hint>& nextStep() const { return next_; }

Q_SIGNALS:
    void isWatchingChanged();
    // The next move of the line, made kStepMs from now unless stopped.
    void stepShown(const murvane::Hint& step);
    // Nothing is moved: the position is lost, or no winning line was found
    // (kind lost or noLineFound), as Show Hint would say.
    void refused(const murvane::Hint& verdict);

private:
    void hintFound(const Hint& hint);
    void makeStep();
    void setWatching(bool value);

    GamePlay& play_;
    DealSession& session_;
    HintFinder finder_;
    QTimer* timer_ = nullptr;
    std::optional<Hint> next_;
    DragState noDrag_; // the watch never carries cards
    bool isWatching_ = false;
    bool isMoving_ = false; // the piles change by the watch's own move
};

} // namespace murvane
