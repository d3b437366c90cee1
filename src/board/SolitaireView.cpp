#include "board/SolitaireView.h"

#include "board/BoardAccessibility.h"
#include "board/BoardAnnouncer.h"
#include "board/BoardHeader.h"
#include "board/BoardSurface.h"
#include "board/CardFlightLayer.h"
#include "board/DragPreviewLayer.h"
#include "board/GameSolvedOverlay.h"
#include "board/HintLayer.h"
#include "board/LostNote.h"
#include "board/HeaderControls.h"
#include "board/KeyboardNavigation.h"
#include "board/PilePainter.h"
#include "board/PileView.h"
#include "engine/SolitaireGame.h"
#include "graphics/CardView.h"
#include "graphics/ChromeStyle.h"
#include "graphics/RenderCache.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenStyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

#include <cmath>

namespace murvane {

using board::PileId;

namespace {

int pileSlot(const BoardFocus& pile)
{
    switch (pile.kind) {
    case BoardFocus::Kind::stock:
        return 0;
    case BoardFocus::Kind::waste:
        return 1;
    case BoardFocus::Kind::foundation:
        return 2 + std::clamp(pile.index, 0, kFoundationCount - 1);
    case BoardFocus::Kind::tableau:
        return 2 + kFoundationCount + std::clamp(pile.index, 0, kColumnCount - 1);
    }
    return 0;
}

// The scale and look the render cache was last filled for. The board is
// built anew on every open of the panel, so this outlives it: a new board at
// the same scale and look paints from what the last one drew.
struct RenderedFor {
    qreal scale = 0;
    graphics::Appearance look;
};
RenderedFor& renderedFor()
{
    static RenderedFor rendered;
    return rendered;
}

} // namespace

SolitaireView::SolitaireView(SolitaireGame& game, QWidget* parent)
    : QWidget(parent)
    , game_(game)
{
    setObjectName(QStringLiteral("solitaireBoard"));
    setFocusPolicy(Qt::NoFocus);

    state_ = new board::BoardState(game, this);
    board::BoardState& state = *state_;
    surface_ = new board::BoardSurface(state, this);
    header_ = new board::BoardHeader(state, surface_);
    // Creation order is the focus chain: stock, waste, foundations, columns.
    piles_[0] = new board::PileView(state, PileId::stock(), surface_);
    piles_[1] = new board::PileView(state, PileId::waste(), surface_);
    for (int f = 0; f < kFoundationCount; ++f)
        piles_[size_t(2 + f)] = new board::PileView(state, PileId::foundation(f), surface_);
    for (int c = 0; c < kColumnCount; ++c)
        piles_[size_t(2 + kFoundationCount + c)] = new board::PileView(state, PileId::tableau(c), surface_);
    // Layers above the board content, back to front.
    preview_ = new board::DragPreviewLayer(state, this);
    flight_ = new board::CardFlightLayer(state, this);
    hint_ = new board::HintLayer(state, game.session().lostWatcher(), this);
    // The lost note (lostNote_) exists only while it shows, so screen readers
    // never meet its buttons hidden.
    connect(&game.session(), &DealSession::isLostChanged, this, &SolitaireView::updateLostNote);
    connect(&game.settings(), &GameSettings::tellsWhenLostChanged, this, &SolitaireView::updateLostNote);
    // Undo's button follows the history; nothing else about the note changes.
    connect(&game.play(), &GamePlay::historyChanged, this, [this] {
        if (lostNote_)
            lostNote_->refresh();
    });
    // The win card (overlay_) is made when a game is first won here.
    abandon_ = new screens::AbandonQuestion(game_, screens::AbandonQuestion::Reason::newDeal, this, 1.0);
    connect(abandon_, &screens::AbandonQuestion::askingChanged, this, &SolitaireView::abandonAskingChanged);
    board::installBoardAccessibility();
    announcer_ = new board::BoardAnnouncer(state, [this](const BoardFocus& pile) { return pileView(pile); }, this);
    state.setLayers(flight_, announcer_);
    connect(state_, &board::BoardState::focusedSlotChanged, this, &SolitaireView::focusedSlotChanged);
    connect(state_, &board::BoardState::focusRequested, this, &SolitaireView::followFocusedSlot);
    connect(state_, &board::BoardState::showKeyboardFocusChanged, this, [this] {
        if (const auto slot = state_->focusedSlot())
            pileView(*slot)->update();
        // A header button or "Play Again" draws the same ring.
        if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
            focused->update();
    });

    // The parts ask for what only the board does.
    connect(header_, &board::BoardHeader::newDealRequested, this, &SolitaireView::requestNewDeal);
    connect(header_, &board::BoardHeader::screenRequested, this, &SolitaireView::presentScreen);
    connect(header_, &board::BoardHeader::hintRequested, hint_, &board::HintLayer::requestHint);
    connect(header_, &board::BoardHeader::watchSolutionRequested, this, &SolitaireView::requestWatchSolution);
    connect(&game.watch(), &SolutionWatch::isWatchingChanged, this, &SolitaireView::watchingChanged);
    connect(&game.watch(), &SolutionWatch::stepShown, hint_, &board::HintLayer::showWatched);
    connect(&game.watch(), &SolutionWatch::refused, hint_, &board::HintLayer::showWatched);
    // Anything that covers the board takes it back from a watch.
    connect(state_, &board::BoardState::layerChanged, &game.watch(), &SolutionWatch::stop);
    connect(header_, &board::BoardHeader::quitRequested, this, &SolitaireView::quitRequested);
    connect(header_, &board::BoardHeader::restartDealRequested, this, &SolitaireView::requestRestartDeal);
    connect(header_, &board::BoardHeader::copyDealCodeRequested, this, &SolitaireView::copyDealCode);
    connect(header_, &board::BoardHeader::playDealRequested, this, &SolitaireView::requestPlayDeal);
    connect(header_, &board::BoardHeader::todaysDealRequested, this, &SolitaireView::requestTodaysDeal);
    for (board::PileView* p : piles_)
        connect(p, &board::PileView::hintRequested, hint_, &board::HintLayer::requestHint);
    connect(hint_, &board::HintLayer::announced, announcer_, &board::BoardAnnouncer::announceText);
    connect(header_, &board::BoardHeader::announcementRequested, announcer_, &board::BoardAnnouncer::announceText);
    connect(state_, &board::BoardState::layerChanged, hint_, &board::HintLayer::boardUncovered);
    connect(state_, &board::BoardState::focusedSlotChanged, announcer_, &board::BoardAnnouncer::clearForFocus);

    // A move repaints only the piles whose picture it changed (the recycle
    // marker on the stock follows the waste and the pass limit).
    for (auto signal : {&GamePlay::stockChanged, &GamePlay::wasteChanged, &GamePlay::foundationsChanged,
                        &GamePlay::tableauChanged, &GamePlay::redealsUsedChanged})
        connect(&game.play(), signal, this, &SolitaireView::updateChangedPiles);
    for (auto signal : {&GameSettings::unlimitedRedealsChanged, &GameSettings::scoringModeChanged})
        connect(&game.settings(), signal, this, &SolitaireView::updateChangedPiles);
    for (auto signal : {&GamePlay::tableauChanged, &GamePlay::wasteChanged, &GamePlay::foundationsChanged})
        connect(&game.play(), signal, this, &SolitaireView::dropStaleDrag);
    connect(&game.settings(), &GameSettings::cardThemeChanged, this, &SolitaireView::updatePiles);
    connect(&game.settings(), &GameSettings::showsCornerSuitChanged, this, &SolitaireView::updatePiles);
    connect(&game.settings(), &GameSettings::showsCornerSuitChanged, this, &SolitaireView::startWarmingFaces);
    connect(&game.settings(), &GameSettings::fourColourSuitsChanged, this, &SolitaireView::updatePiles);
    connect(&game.settings(), &GameSettings::fourColourSuitsChanged, this, &SolitaireView::startWarmingFaces);
    connect(&game.settings(), &GameSettings::drawModeChanged, this, &SolitaireView::relayout);
    connect(&game.settings(), &GameSettings::boardSizeChanged, this, &SolitaireView::relayout);
    connect(&game, &SolitaireGame::isShowingScreenChanged, this, &SolitaireView::updateScreenState);
    connect(&game.play(), &GamePlay::hasWonChanged, this, &SolitaireView::updateSolvedOverlay);
    connect(&game.play(), &GamePlay::pilesChanged, flight_, &board::CardFlightLayer::follow);
    connect(flight_, &board::CardFlightLayer::flyingCardChanged, this, &SolitaireView::updateChangedPiles);
    // The preview layer repaints its own cards' area.
    connect(&state.dragState(), &DragState::dragSourceChanged, this, &SolitaireView::updateChangedPiles);
    connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, [this] {
        syncReduceMotion();
        relayout();
    });

    auto shortcut = [this](QKeySequence keys, auto action) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { requestNewDeal(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] {
        if (state_->takesInput(board::InputChannel::undoRedo) && game_.play().canUndo())
            state_->undo();
    });
    for (const QKeyCombination keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y})
        shortcut(QKeySequence(keys), [this] {
            if (state_->takesInput(board::InputChannel::undoRedo) && game_.play().canRedo())
                state_->redo();
        });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), [this] { requestRestartDeal(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), [this] { presentScreen(ModalScreen::preferences); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Q_EMIT quitRequested(); });

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { platformFocusChanged(now); });
    qApp->installEventFilter(this);

    relayout();
    updateScreenState();
}

SolitaireView::~SolitaireView()
{
    game_.watch().stop();
    game_.session().setShown(false);
    // Children go first so nothing paints or reacts to a half-destroyed view.
    disconnect(&SystemAppearance::instance(), nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    delete screen_;
    delete abandon_->dialog();
    delete playDealDialog_;
}

QSize SolitaireView::sizeHint() const
{
    const QSizeF s = state_->boardGeometry().boardSize();
    return QSize(int(std::ceil(s.width())), int(std::ceil(s.height())));
}

graphics::Appearance SolitaireView::appearance() const
{
    return screens::currentAppearance();
}

board::PileView* SolitaireView::pileView(const BoardFocus& pile) const
{
    return piles_[size_t(pileSlot(pile))];
}

void SolitaireView::updatePiles()
{
    for (board::PileView* p : piles_)
        p->update();
    preview_->update();
    // A card in flight or lifted by a hint shows its face too.
    flight_->update();
    hint_->update();
}

void SolitaireView::abandonDrag()
{
    surface_->cancelPointer();
    state_->cancelDrag();
}

void SolitaireView::updateChangedPiles()
{
    const board::PileScene scene = state_->pileScene();
    for (size_t i = 0; i < piles_.size(); ++i) {
        board::PilePicture picture = board::pilePicture(scene, piles_[i]->pile());
        if (picture == paintedPictures_[i])
            continue;
        paintedPictures_[i] = std::move(picture);
        piles_[i]->update();
    }
}

void SolitaireView::dropStaleDrag()
{
    // A deal or undo under a drag in flight (by shortcut) changes what the
    // source refers to; dropping it then would move cards nobody picked up.
    const auto& source = state_->dragState().dragSource();
    if (!source || moves::cardsFor(game_.play().table(), *source) == preview_->movingCards())
        return;
    abandonDrag();
}

void SolitaireView::relayout()
{
    const qreal s = board::boardScale(game_.settings().boardSize() == BoardSize::large, SystemAppearance::instance().textScale());
    state_->setGeometry(board::BoardGeometry(s, game_.settings().drawMode()));
    const QSize size = sizeHint();
    const graphics::Appearance look = appearance();
    RenderedFor& rendered = renderedFor();
    if (s != rendered.scale || look != rendered.look) {
        // Nothing drawn at the old scale or look is drawn again: free it now
        // rather than wait for the cache to push it out.
        graphics::RenderCache::clear();
        rendered = {s, look};
    }

    setFixedSize(size);
    surface_->setGeometry(QRect(QPoint(0, 0), size));
    header_->setGeometry(state_->boardGeometry().headerRect().toAlignedRect());
    header_->applyScale(s, look);
    for (board::PileView* p : piles_)
        p->relayout();
    updateChangedPiles(); // takes note of what each pile now shows
    preview_->setGeometry(QRect(QPoint(0, 0), size));
    flight_->setGeometry(QRect(QPoint(0, 0), size));
    hint_->setGeometry(QRect(QPoint(0, 0), size));
    rescaleLostNote();
    if (overlay_)
        overlay_->applyScale(s, look);
    abandon_->setScale(s);
    if (playDealDialog_)
        playDealDialog_->setScale(s);
    if (screen_) {
        screen_->setBoardScale(s);
        screen_->setGeometry(QRect(QPoint(0, 0), size));
    }
    update();
    startWarmingFaces();
    if (size != lastSize_) {
        lastSize_ = size;
        updateGeometry();
        Q_EMIT boardSizeChanged(size);
    }
}

void SolitaireView::startWarmingFaces()
{
    if (!faceWarmer_) {
        faceWarmer_ = new QTimer(this);
        faceWarmer_->setSingleShot(true);
        connect(faceWarmer_, &QTimer::timeout, this, &SolitaireView::warmFaces);
    }
    // Not before the board's first paint after opening, which it would delay.
    constexpr int kWarmAfterMs = 100;
    warmedFaces_ = 0;
    faceWarmer_->start(kWarmAfterMs);
}

void SolitaireView::warmFaces()
{
    // A few faces per turn of the event loop keep input and painting
    // prompt; a face already in the cache costs a look-up.
    constexpr int kFacesPerTurn = 2;
    if (!isVisible())
        return; // the next show starts again
    graphics::CardView view = board::faceView(state_->pileScene(), Card{});
    const qreal dpr = devicePixelRatioF();
    for (int n = 0; n < kFacesPerTurn && warmedFaces_ < kDeckSize; ++n, ++warmedFaces_) {
        view.card = Card::make(kAllSuits[size_t(warmedFaces_ / 13)], warmedFaces_ % 13 + 1, true);
        view.prepare(dpr);
    }
    if (warmedFaces_ < kDeckSize)
        faceWarmer_->start(0);
}

void SolitaireView::syncReduceMotion()
{
    game_.play().setReduceMotionEnabled(SystemAppearance::instance().reduceMotion());
}

void SolitaireView::requestWatchSolution()
{
    if (!state_->takesInput(board::InputChannel::hint))
        return;
    hint_->dismiss();
    game_.watch().start();
}

void SolitaireView::watchingChanged()
{
    if (game_.watch().isWatching()) {
        // Said once, before the first move's caption.
        announcer_->announceText(localizedString(QStringLiteral("Watching the solution. Press any key to stop.")));
        return;
    }
    hint_->dismiss();
}

bool SolitaireView::stopsWatch(QObject* watched, QEvent* event)
{
    if (!game_.watch().isWatching() || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window())
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        // A modifier alone is not yet a key (and screen readers' users press
        // Control to hush speech): the key it goes with stops the watch.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return false;
        default:
            break;
        }
    }
    switch (type) {
    case QEvent::ShortcutOverride:
        // Claimed, so no shortcut acts and the key arrives as a key press.
        event->accept();
        return true;
    case QEvent::KeyPress:
        game_.watch().stop();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        game_.watch().stop();
        // A press on the piles only stops; the header's buttons and menu act.
        const bool onPiles = (widget == surface_ || surface_->isAncestorOf(widget))
                             && widget != header_ && !header_->isAncestorOf(widget);
        return onPiles;
    }
    default:
        return false;
    }
}

bool SolitaireView::eventFilter(QObject* watched, QEvent* event)
{
    if (stopsWatch(watched, event))
        return true;
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == this || isAncestorOf(widget))
            state_->setShowKeyboardFocus(false);
    }
    // Any pointer press or key ends a hint on show (wherever it goes).
    if (hint_ && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress))
        hint_->dismiss();
    return QWidget::eventFilter(watched, event);
}

void SolitaireView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && dismissTopmostLayer()) {
        event->accept();
        return;
    }
    if (board::handleBoardKey(*state_, *event, [this] { hint_->requestHint(); })) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SolitaireView::resetForShow()
{
    syncReduceMotion();
    if (!state_->focusedSlot())
        state_->adoptFocusedSlot(BoardFocus::stock());
    // The platform focus follows even when the slot did not change (it was
    // set while the piles were hidden), so activating the window lands on
    // the pile and not on the first header button.
    if (state_->layer() == board::BoardLayer::board)
        focusBoard(*state_->focusedSlot());
    state_->setShowKeyboardFocus(false);
    closeDialogs();
    abandonDrag();
}

void SolitaireView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    game_.watch().stop();
    game_.session().setShown(false);
    // With the whole deck drawn, the text outlines its faces came from are
    // needed again only at another scale or look: a closed game holds the
    // pictures, not what they were drawn from.
    if (!event->spontaneous() && warmedFaces_ >= kDeckSize)
        graphics::RenderCache::clear(graphics::RenderElement::text);
}

void SolitaireView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    game_.session().setShown(true);
    resetForShow();
    startWarmingFaces();
}

void SolitaireView::updateLostNote()
{
    const bool shown = game_.session().isLost() && game_.settings().tellsWhenLost();
    if (!shown) {
        // Later: this may run from inside one of the note's own buttons.
        if (lostNote_) {
            lostNote_->hide();
            lostNote_->deleteLater();
            lostNote_ = nullptr;
        }
        return;
    }
    if (lostNote_) {
        lostNote_->refresh();
        return;
    }
    lostNote_ = new board::LostNote(*state_, this);
    connect(lostNote_, &board::LostNote::undoRequested, this, [this] {
        if (state_->takesInput(board::InputChannel::undoRedo) && game_.play().canUndo())
            state_->undo();
    });
    connect(lostNote_, &board::LostNote::newDealRequested, this, &SolitaireView::requestNewDeal);
    rescaleLostNote();
}

void SolitaireView::rescaleLostNote()
{
    if (lostNote_)
        lostNote_->applyScale(state_->boardScale(), appearance());
}

void SolitaireView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), graphics::ChromePalette(appearance()).background());
}

} // namespace murvane
