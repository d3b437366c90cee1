#pragma once
// Shows a hint on the board: the card (or run) to move raised with a glow of
// the hint's own colour and the destination outlined in it, or the stock for
// a draw, with the hint's words in a caption; when no line was found, or
// when the board has something to say (a deal code copied), a short message
// instead. Also tells screen readers, unasked, once per loss, that the game
// can no longer be won (the lasting LostNote shows it); a loss found while
// something covers the board is told once the board is uncovered, unless the
// piles changed first. Never takes pointer input; any pointer press or key
// ends what it shows.

#include "engine/HintFinder.h"
#include "engine/LostGameWatcher.h"

#include <QString>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>
#include <string>

class QTimer;
class QPainter;

namespace murvane::board {

class BoardContext;
struct PileScene;

class HintLayer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 3000;
    static constexpr int kMessageMs = 4000;
    static constexpr int kFadeMs = 150;

    // The deal session's lost-game watcher tells when to show the notice.
    HintLayer(BoardContext& board, LostGameWatcher& lostWatcher, QWidget* parent);

    // The menu item and the H key: ignored while a screen, a dialog, a drag
    // or auto-complete is up.
    void requestHint();
    // Watch Solution's next move, or why it makes none, shown and said as
    // a hint is (the watch holds the board, so no input is asked for).
    void showWatched(const Hint& hint);
    // A short message in the caption, said to screen readers too; it goes
    // like any other (kMessageMs, or the next pointer press or key).
    void showMessage(const QString& text);
    // Ends what is shown, at once.
    void dismiss();
    // What covered the board (a dialog, a screen, a drag, a run) may have
    // gone: a lost-game notice held back meanwhile shows now.
    void boardUncovered();

    HintFinder& finder() { return finder_; }
    const std::optional<Hint>& shownHint() const { return shown_; }
    // The caption's words (the shown hint's, or a message); empty when
    // nothing is shown.
    const QString& shownText() const { return shownText_; }

Q_SIGNALS:
    // The shown hint's text, for screen readers.
    void announced(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // All the hints read of the game, in one place.
    void watchGame();

    void lossFound();
    void tellLoss();
    void showPendingLoss();
    void show(const Hint& hint);
    void showCaption(const QString& text, int milliseconds);
    void fadeTo(qreal opacity);
    // The hint's words in a small bubble at the foot of the board.
    void paintCaption(QPainter& painter, const PileScene& scene, qreal fontScale) const;

    BoardContext& board_;
    LostGameWatcher& lostWatcher_;
    HintFinder finder_;
    std::optional<Hint> shown_;
    QString shownText_;
    // The lost position whose notice waits for the board to be uncovered.
    std::optional<std::string> pendingLoss_;
    QTimer* timer_ = nullptr;
    QVariantAnimation fade_;
    qreal opacity_ = 0;
};

} // namespace murvane::board
