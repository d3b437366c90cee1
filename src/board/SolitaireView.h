#pragma once
// The whole content of the game panel: the header, the top row (stock,
// waste, four foundations) and the seven columns, with drag and drop, the
// abandon-game and Play Deal dialogs, the menu, the full-panel screens and
// the win overlay.
//
// The view never changes cards itself: it reads the game's piles and calls
// its operations. It owns only view state: the board state its parts share
// (drag, focus, geometry, layer) and which dialog or screen is up. The game
// must outlive the view.

#include "board/BoardState.h"
#include "board/PilePainter.h"
#include "cards/Settings.h"
#include "screens/AbandonQuestion.h"
#include "screens/ConfirmationDialog.h"
#include "screens/ModalScreenView.h"
#include "screens/PlayDealDialog.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class QTimer;

namespace murvane {

class SolitaireGame;

namespace board {
class BoardHeader;
class CardFlightLayer;
class DragPreviewLayer;
class GameSolvedOverlay;
class HintLayer;
class LostNote;
class PileView;
class BoardSurface;
class BoardAnnouncer;
class BoardState;
} // namespace board

class SolitaireView : public QWidget {
    Q_OBJECT
public:
    explicit SolitaireView(SolitaireGame& game, QWidget* parent = nullptr);
    ~SolitaireView() override;

    // The board's own size (375 x S wide); the panel takes it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // What the parts see and ask for: the drag, the focus, the geometry,
    // the layer and the moves.
    board::BoardContext& board() const { return *state_; }
    bool isConfirmingNewDeal() const { return state_->layer() == board::BoardLayer::abandonDialog; }
    ModalScreen presentedScreen() const { return presentedScreen_; }

    // Each command below acts only when the input gate lets its channel
    // through (see InputGate.h); the menu enables its items by the same
    // answers (BoardContext::canRestartDeal, canCopyDealCode).

    // The new-deal button / Ctrl+N: deals at once unless that would abandon
    // a started game, in which case the abandon-game dialog asks first.
    void requestNewDeal();
    // The abandon-game dialog's answers.
    void confirmNewDeal();
    void cancelNewDeal();
    // Play Deal…: the dialog for a deal number or code; a chosen deal
    // replaces the one in progress exactly as New Deal does (asking first
    // when that abandons a started game).
    void requestPlayDeal();
    // Today's Deal: the numbered deal of today's date, replacing the one in
    // progress as Play Deal does; nothing while it is already being played.
    void requestTodaysDeal();
    // Restart Deal / Ctrl+R.
    void requestRestartDeal();
    // The menu's Watch Solution: the game plays its winning line until any
    // press on the board, any key, the menu or closing the panel stops it.
    void requestWatchSolution();
    // Copy Deal Code: the deal's code, number and rules on the clipboard.
    void copyDealCode();
    // The win card's Play Again: a new deal, without asking.
    void requestPlayAgain();
    // The menu's screen items.
    void presentScreen(ModalScreen screen);
    void dismissScreen();
    // What Escape does first: dismisses the topmost dialog, else the screen;
    // false when neither is up.
    bool dismissTopmostLayer();

    // Puts the board back into its just-shown state: no drag, no dialog, no
    // focus ring, focus on the stock. Called whenever the view is shown.
    void resetForShow();

    // The parts most often reached from outside; the others are found by
    // their object names ("boardSurface", "dragPreviewLayer",
    // "cardFlightLayer"). The pile widgets are named by their accessibility
    // identifiers.
    board::PileView* pileView(const BoardFocus& pile) const;
    board::BoardHeader* header() const { return header_; }
    // Null until a game is first won on this board.
    board::GameSolvedOverlay* solvedOverlay() const { return overlay_; }
    board::HintLayer* hintLayer() const { return hint_; }
    screens::ConfirmationDialog* newDealDialog() const { return abandon_->dialog(); }
    screens::PlayDealDialog* playDealDialog() const { return playDealDialog_; }
    screens::ModalScreenView* screenHost() const { return screen_; }

Q_SIGNALS:
    // The board's size changed (board size setting, text scale).
    void boardSizeChanged(QSize size);
    // The menu's Quit item.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Keys no pile took: arrows with no pile focused, Escape on a screen.
    void keyPressEvent(QKeyEvent* event) override;
    // Watches pointer presses anywhere on the board (they hide the ring),
    // and presses and keys that stop Watch Solution.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Forgets the drag and any press in progress; the carried cards show
    // in their piles again.
    void abandonDrag();
    // Repaints the piles that gained or lost the focus.
    void focusedSlotChanged(const std::optional<BoardFocus>& previous);
    // Moves the platform focus to the focused pile (off the piles for none).
    void followFocusedSlot();
    void platformFocusChanged(QWidget* now);
    void relayout();
    void updateScreenState();
    void updateSolvedOverlay();
    void updateAppearance();
    void syncReduceMotion();
    // The abandon-game dialog came or went.
    void abandonAskingChanged(bool asking);
    // Takes the Play Deal dialog down; the board is then uncovered.
    void discardPlayDealDialog();
    // Closes whichever dialog is up and gives the keyboard back to the board.
    void closeDialogs();
    // Where the keyboard goes when the board is uncovered: "Play Again" while
    // the win card shows, else the focused pile (the stock when none is).
    void focusBoard(const BoardFocus& pile);
    void dealChosen(const DealRequest& request);
    void updatePiles();
    // Repaints the piles whose picture differs from the one last asked for.
    void updateChangedPiles();
    void dropStaleDrag();
    // Renders the faces of the deck into the cache a few at a time while
    // the board is shown and idle, from the first, so that the first deals
    // of a session do not wait for their faces to be drawn.
    void startWarmingFaces();
    // Makes, places or removes the note that the game can no longer be won.
    void updateLostNote();
    // Watch Solution started or stopped.
    void watchingChanged();
    // While watching, a press or key in the panel stops the watch; true when
    // the event is spent on that (a press on the header or a note still acts).
    bool stopsWatch(QObject* watched, QEvent* event);
    void rescaleLostNote();
    void warmFaces();
    graphics::Appearance appearance() const;

    SolitaireGame& game_;
    board::BoardState* state_ = nullptr; // drag, focus, geometry, layer
    ModalScreen presentedScreen_ = ModalScreen::preferences;

    board::BoardSurface* surface_ = nullptr; // header and piles; takes the pointer
    board::BoardHeader* header_ = nullptr;
    std::array<board::PileView*, 2 + kFoundationCount + kColumnCount> piles_{};
    std::array<board::PilePicture, 2 + kFoundationCount + kColumnCount> paintedPictures_{};
    board::DragPreviewLayer* preview_ = nullptr;
    board::CardFlightLayer* flight_ = nullptr;
    board::HintLayer* hint_ = nullptr;
    board::LostNote* lostNote_ = nullptr; // while the game can no longer be won
    board::GameSolvedOverlay* overlay_ = nullptr;
    board::BoardAnnouncer* announcer_ = nullptr;
    // Both dialogs lie over the whole view, the win card included.
    screens::AbandonQuestion* abandon_ = nullptr; // asks before a deal in progress is replaced
    QPointer<screens::PlayDealDialog> playDealDialog_;
    QPointer<screens::ModalScreenView> screen_;
    QSize lastSize_;
    QTimer* faceWarmer_ = nullptr;
    int warmedFaces_ = 0; // of the deck, in suit and rank order
};

} // namespace murvane
