#pragma once
// Shows a hint on the board: the card (or run) to move raised with a glow of
// the hint's own colour and the destination outlined in it, or the stock for
// a draw, with the hint's words in a caption; when no line was found, a short
// message instead. Also shows, unasked, the notice that the game can no
// longer be won. Never takes pointer input; any pointer press or key ends
// what it shows.

#include "engine/HintFinder.h"
#include "engine/LostGameWatcher.h"

#include <QVariantAnimation>
#include <QWidget>

#include <optional>

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
    // The lost-game notice stays longer: nobody asked for it.
    static constexpr int kNoticeMs = 8000;
    static constexpr int kFadeMs = 150;

    HintLayer(BoardContext& board, QWidget* parent);

    // The menu item and the H key: ignored while a screen, a dialog, a drag
    // or auto-complete is up.
    void requestHint();
    // Ends what is shown, at once.
    void dismiss();

    HintFinder& finder() { return finder_; }
    const std::optional<Hint>& shownHint() const { return shown_; }

Q_SIGNALS:
    // The shown hint's text, for screen readers.
    void announced(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void show(const Hint& hint);
    void fadeTo(qreal opacity);
    // The hint's words in a small bubble at the foot of the board.
    void paintCaption(QPainter& painter, const PileScene& scene, qreal fontScale) const;

    BoardContext& board_;
    HintFinder finder_;
    LostGameWatcher lostWatcher_;
    std::optional<Hint> shown_;
    QTimer* timer_ = nullptr;
    QVariantAnimation fade_;
    qreal opacity_ = 0;
};

} // namespace murvane::board
