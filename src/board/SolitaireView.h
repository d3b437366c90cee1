#pragma once
// The whole content of the game panel: the header, the top row (stock,
// waste, four foundations) and the seven columns, with drag and drop, the
// abandon-game and Play Deal dialogs, the menu, the full-panel screens and
// the win overlay.
//
// The view never changes cards itself: it reads the game's piles and calls
// its operations. It owns only view state (drag, focus, which dialog or
// screen is up). The game must outlive the view.

#include "board/BoardContext.h"
#include "board/BoardGeometry.h"
#include "board/PilePainter.h"
#include "engine/DragState.h"
#include "cards/Settings.h"
#include "screens/AbandonQuestion.h"
#include "screens/ConfirmationDialog.h"
#include "screens/ModalScreenView.h"
#include "screens/PlayDealDialog.h"

#include <QHash>
#include <QPointer>
#include <QRectF>
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
class PileView;
class BoardSurface;
class BoardAnnouncer;
} // namespace board

class SolitaireView : public QWidget, public board::BoardContext {
    Q_OBJECT
public:
    explicit SolitaireView(SolitaireGame& game, QWidget* parent = nullptr);
    ~SolitaireView() override;

    // The board's own size (375 x S wide); the panel takes it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    SolitaireGame& game() const override { return game_; }
    const board::BoardGeometry& boardGeometry() const override { return geometry_; }
    const QHash<DropSlot, QRectF>& slotFrames() const override { return slotFrames_; }

    DragState& dragState() override { return drag_; }
    const DragState& dragState() const override { return drag_; }
    DragPositionState& dragPosition() override { return dragPosition_; }
    const DragPositionState& dragPosition() const override { return dragPosition_; }

    std::optional<BoardFocus> focusedSlot() const override { return focusedSlot_; }
    void setFocusedSlot(const std::optional<BoardFocus>& slot) override;
    bool showKeyboardFocus() const override { return showKeyboardFocus_; }
    void setShowKeyboardFocus(bool value) override;

    board::BoardLayer layer() const override { return layer_; }
    bool isConfirmingNewDeal() const { return layer_ == board::BoardLayer::abandonDialog; }
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
    // Restart Deal / Ctrl+R.
    void requestRestartDeal();
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

    // What the pile painters need: the game, geometry, appearance and the
    // cards that are carried or in flight (not drawn in their piles).
    board::PileScene pileScene() const override;

    // The pile widgets (named by their accessibility identifiers).
    board::PileView* pileView(const BoardFocus& pile) const;
    // The eleven piles in focus-chain order.
    QList<BoardFocus> pileFoci() const;
    // What the last action did, for screen readers.
    board::BoardAnnouncer* announcer() const override { return announcer_; }
    board::BoardHeader* header() const { return header_; }
    board::BoardSurface* surface() const { return surface_; }
    board::DragPreviewLayer* dragPreviewLayer() const { return preview_; }
    board::CardFlightLayer* flightLayer() const { return flight_; }
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
    void focusedSlotChanged();
    void layerChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Keys no pile took: arrows with no pile focused, Escape on a screen.
    void keyPressEvent(QKeyEvent* event) override;
    // Watches pointer presses anywhere on the board (they hide the ring).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Forgets the drag and any press in progress; the carried cards show
    // in their piles again.
    void abandonDrag();
    // Records the focused pile without moving the platform focus.
    void adoptFocusedSlot(const std::optional<BoardFocus>& slot);
    void platformFocusChanged(QWidget* now);
    void relayout();
    void updateScreenState();
    void updateSolvedOverlay();
    void updateAppearance();
    void syncReduceMotion();
    // Records what covers the board; called once the widget it names is up
    // (or gone), so the focus passing through on the way sees the old layer.
    void setLayer(board::BoardLayer layer);
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
    void warmFaces();
    graphics::Appearance appearance() const;

    SolitaireGame& game_;
    DragState drag_;
    DragPositionState dragPosition_;
    board::BoardGeometry geometry_{1.0, DrawMode::one()};
    QHash<DropSlot, QRectF> slotFrames_;
    std::optional<BoardFocus> focusedSlot_;
    bool showKeyboardFocus_ = false;
    // The one record of what covers the board. It changes only once the
    // widget it names is up or gone, so the focus passing through on the
    // way sees the layer it came from.
    board::BoardLayer layer_ = board::BoardLayer::board;
    ModalScreen presentedScreen_ = ModalScreen::preferences;

    board::BoardSurface* surface_ = nullptr; // header and piles; takes the pointer
    board::BoardHeader* header_ = nullptr;
    std::array<board::PileView*, 2 + kFoundationCount + kColumnCount> piles_{};
    std::array<board::PilePicture, 2 + kFoundationCount + kColumnCount> paintedPictures_{};
    board::DragPreviewLayer* preview_ = nullptr;
    board::CardFlightLayer* flight_ = nullptr;
    board::HintLayer* hint_ = nullptr;
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
