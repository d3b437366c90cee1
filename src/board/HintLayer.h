#pragma once
// Shows a hint on the board: the card (or run) to move raised with an accent
// glow and the destination outlined like the focus ring, or the stock for a
// draw; when no line was found, a short message instead. Never takes pointer
// input; any pointer press or key ends what it shows.

#include "engine/HintFinder.h"

#include <QVariantAnimation>
#include <QWidget>

#include <optional>

class QTimer;

namespace murvane::board {

class BoardContext;

class HintLayer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 1500;
    static constexpr int kMessageMs = 4000;
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

    BoardContext& board_;
    HintFinder finder_;
    std::optional<Hint> shown_;
    QTimer* timer_ = nullptr;
    QVariantAnimation fade_;
    qreal opacity_ = 0;
};

} // namespace murvane::board
