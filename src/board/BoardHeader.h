#pragma once
// The header: title, score, pass counter (with the deal's time and moves on
// a line under them while that is switched on), and the new-deal, undo and menu
// buttons in a glass container. Reads the game; what only the board does
// (the dialog, the screens, hints, quitting) it asks for by signal.

#include "cards/Settings.h"
#include "graphics/Appearance.h"

#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QSpacerItem;
class QTimer;

namespace murvane {
class SolitaireGame;
}

namespace murvane::board {

class BoardContext;
class FittedLabel;
class RoundSymbolButton;
class ScoreLabel;

class BoardHeader : public QWidget {
    Q_OBJECT
public:
    BoardHeader(BoardContext& board, QWidget* parent);

    // Rebuilds sizes and fonts for the board scale and appearance.
    void applyScale(qreal scale, const graphics::Appearance& appearance);
    void refresh();

    RoundSymbolButton* newDealButton() const { return newDeal_; }
    RoundSymbolButton* undoButton() const { return undo_; }
    RoundSymbolButton* menuButton() const { return more_; }
    ScoreLabel* scoreLabel() const { return score_; }
    QLabel* passLabel() const { return pass_; }
    // Shown only while "Show time and moves" is on.
    QLabel* timeAndMovesLabel() const { return timeAndMoves_; }
    // "Dealing…": shown while a deal played by number is on its way, once
    // that has taken kDealingNoticeDelay, so a quick deal never flashes it.
    QLabel* dealingLabel() const { return dealing_; }
    static constexpr int kDealingNoticeDelayMs = 150;
    FittedLabel* titleLabel() const { return title_; }
    QMenu* menu() const { return menu_; }
    // The menu's commands: Show Hint, Watch Solution, Preferences, Statistics,
    // How to Play, About, Restart Deal, Copy Deal Code, Play Deal…, Today's
    // Deal (checked once today's is won), Quit (the deal's number, or Today's
    // Deal and its date, shown above Restart Deal, is not a command).
    // Each is enabled, when the menu opens, exactly when it would act.
    QList<QAction*> menuActions() const;

    // "1234" in Standard, "-$52" in Vegas.
    static QString scoreText(const SolitaireGame& game, std::int64_t score);

Q_SIGNALS:
    void newDealRequested();
    void screenRequested(murvane::ModalScreen screen);
    void hintRequested();
    void watchSolutionRequested();
    void quitRequested();
    void restartDealRequested();
    void copyDealCodeRequested();
    void playDealRequested();
    void todaysDealRequested();
    // Something for screen readers to hear once ("Dealing…").
    void announcementRequested(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshScore();
    void refreshPass();
    void refreshUndo();
    void refreshTimeAndMoves();
    void refreshDealing();
    void buildMenu();
    void refreshMenu();
    void styleMenu();
    void openMenu();
    bool reduceMotion() const;

    BoardContext& board_;
    QHBoxLayout* row_ = nullptr;
    QHBoxLayout* textLine_ = nullptr; // title, score and pass counter
    QSpacerItem* textGap_ = nullptr;
    FittedLabel* title_ = nullptr;
    ScoreLabel* score_ = nullptr;
    QLabel* pass_ = nullptr;
    QLabel* timeAndMoves_ = nullptr;
    QLabel* dealing_ = nullptr;
    QTimer* dealingDelay_ = nullptr;
    RoundSymbolButton* newDeal_ = nullptr;
    RoundSymbolButton* undo_ = nullptr;
    RoundSymbolButton* more_ = nullptr;
    QMenu* menu_ = nullptr;
    bool menuStyled_ = false; // for the scale and look below
    QAction* hint_ = nullptr;
    QAction* watch_ = nullptr;
    QList<QAction*> layerItems_; // the screens and Play Deal…: they open a layer
    QAction* dealNumber_ = nullptr;
    QAction* restart_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* todaysDeal_ = nullptr;
    QAction* quit_ = nullptr;
    graphics::Appearance appearance_;
    qreal scale_ = 1;
};

// Tooltip text with the platform's own shortcut text in place of the glyphs,
// e.g. "New Deal (⌘N)" -> "New Deal (Ctrl+N)".
QString tooltipWithShortcut(const QString& key, const QString& glyphs, const QKeySequence& shortcut);

} // namespace murvane::board
