#include "board/HintLayer.h"

#include "board/PilePainter.h"
#include "board/BoardContext.h"
#include "board/HintWords.h"
#include "engine/SolitaireGame.h"
#include "solver/HintState.h"
#include "graphics/CardGeometry.h"
#include "graphics/ChromeStyle.h"
#include "platform/SystemAppearance.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace murvane::board {

HintLayer::HintLayer(BoardContext& board, LostGameWatcher& lostWatcher, QWidget* parent)
    : QWidget(parent)
    , board_(board)
    , lostWatcher_(lostWatcher)
    , timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("hintLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { fadeTo(0); });
    connect(&finder_, &HintFinder::hintFound, this, &HintLayer::show);
    connect(&fade_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        opacity_ = v.toReal();
        update();
    });
    connect(&fade_, &QVariantAnimation::finished, this, [this] {
        if (opacity_ <= 0)
            dismiss();
    });
    watchGame();
}

// --- What the hints read of the game: here alone --------------------------------

void HintLayer::watchGame()
{
    const SolitaireGame& game = board_.game();
    // Whatever changes the piles makes a shown move meaningless and a
    // running search's answer stale.
    for (auto signal : {&GamePlay::stockChanged, &GamePlay::wasteChanged,
                        &GamePlay::foundationsChanged, &GamePlay::tableauChanged}) {
        connect(&game.play(), signal, this, &HintLayer::dismiss);
        connect(&game.play(), signal, &finder_, &HintFinder::positionChanged);
    }
    // The deal session watches for a lost game; a notice the board could
    // not show before the piles moved on is never seen.
    connect(&lostWatcher_, &LostGameWatcher::gameLost, this, &HintLayer::lossFound);
    connect(&game.play(), &GamePlay::pilesChanged, this, [this] {
        if (pendingLoss_) {
            pendingLoss_.reset();
            lostWatcher_.lossNotShown();
        }
    });
    connect(&game, &SolitaireGame::isShowingScreenChanged, this, &HintLayer::boardUncovered);
    for (auto signal : {&GamePlay::hasWonChanged, &GamePlay::isAutoCompletingChanged})
        connect(&game.play(), signal, this, &HintLayer::boardUncovered);
    connect(&board_.dragState(), &DragState::dragSourceChanged, this, &HintLayer::boardUncovered);
}

// --- Hints and the lost-game notice ------------------------------------------------

void HintLayer::requestHint()
{
    if (!board_.takesInput(InputChannel::hint))
        return;
    dismiss();
    // Where the deal session already knows, no search could say otherwise.
    if (board_.game().session().isLost()) {
        show(Hint{Hint::Kind::lost, {}});
        return;
    }
    finder_.request(board_.game().session().position(), board_.game().play().table());
}

// The lasting note (LostNote) shows the loss; screen readers hear it here,
// once, when the board is not covered.
void HintLayer::lossFound()
{
    if (board_.takesInput(InputChannel::hint)) {
        tellLoss();
        return;
    }
    pendingLoss_ = solver::positionKey(board_.game().session().position());
}

void HintLayer::tellLoss()
{
    dismiss();
    Q_EMIT announced(hintText(Hint{Hint::Kind::lost, {}}, board_.game().play().table()));
}

void HintLayer::boardUncovered()
{
    // After the turn: the board's own record of what covers it may change
    // only after this was heard.
    if (pendingLoss_)
        QMetaObject::invokeMethod(this, &HintLayer::showPendingLoss, Qt::QueuedConnection);
}

void HintLayer::showPendingLoss()
{
    if (!pendingLoss_ || !board_.takesInput(InputChannel::hint))
        return;
    const bool stillLost = *pendingLoss_ == solver::positionKey(board_.game().session().position()) && board_.game().session().checksForLoss();
    pendingLoss_.reset();
    if (stillLost)
        tellLoss();
}

void HintLayer::dismiss()
{
    timer_->stop();
    fade_.stop();
    if (!shown_ && shownText_.isEmpty())
        return;
    shown_.reset();
    shownText_.clear();
    opacity_ = 0;
    update();
}

void HintLayer::show(const Hint& hint)
{
    // A hint that arrives while something else took over the board is not shown.
    if (!board_.takesInput(InputChannel::hint))
        return;
    shown_ = hint;
    showCaption(hintText(hint, board_.game().play().table()), hint.showsOnBoard() ? kShowMs : kMessageMs);
}

void HintLayer::showWatched(const Hint& hint)
{
    if (board_.layer() != BoardLayer::board)
        return;
    shown_ = hint;
    showCaption(hintText(hint, board_.game().play().table()), hint.showsOnBoard() ? kShowMs : kMessageMs);
}

void HintLayer::showMessage(const QString& text)
{
    shown_.reset();
    showCaption(text, kMessageMs);
}

void HintLayer::showCaption(const QString& text, int milliseconds)
{
    shownText_ = text;
    raise();
    Q_EMIT announced(shownText_);
    timer_->start(milliseconds);
    fadeTo(1);
}

void HintLayer::fadeTo(qreal opacity)
{
    fade_.stop();
    if (SystemAppearance::instance().reduceMotion()) {
        opacity_ = opacity;
        update();
        if (opacity <= 0)
            dismiss();
        return;
    }
    fade_.setStartValue(opacity_);
    fade_.setEndValue(opacity);
    fade_.setDuration(kFadeMs);
    fade_.start();
}

void HintLayer::paintCaption(QPainter& painter, const PileScene& scene, qreal fontScale) const
{
    const qreal s = scene.geometry.scale();
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * s * fontScale);
    painter.setFont(font);
    const QRectF area = QRectF(rect()).adjusted(16 * s, 0, -16 * s, -24 * s);
    const QRectF text = painter.boundingRect(area, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, shownText_);
    const QRectF bubble = text.adjusted(-12 * s, -8 * s, 12 * s, 8 * s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(scene.appearance.dark ? QColor(30, 30, 30, 235) : QColor(250, 250, 250, 240));
    painter.drawRoundedRect(bubble, 10 * s, 10 * s);
    painter.setPen(QPen(graphics::ChromePalette(scene.appearance).hint(), scene.appearance.increasedContrast ? 2.5 : 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bubble, 10 * s, 10 * s);
    painter.setPen(graphics::ChromePalette(scene.appearance).primary());
    painter.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, shownText_);
}

void HintLayer::paintEvent(QPaintEvent*)
{
    if (shownText_.isEmpty() || opacity_ <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity_);
    const PileScene scene = board_.pileScene();
    const QColor accent = graphics::ChromePalette(scene.appearance).hint();
    const qreal s = scene.geometry.scale();

    if (!shown_ || !shown_->showsOnBoard()) {
        paintCaption(painter, scene, 1.0);
        return;
    }
    // The hint's words ride along at the foot of the board, as screen
    // readers hear them.
    paintCaption(painter, scene, 0.85);

    if (shown_->kind != Hint::Kind::move) {
        paintFocusRing(painter, scene, PileId::stock(), accent);
        return;
    }
    const Move& move = shown_->move;
    paintFocusRing(painter, scene, move.target.kind == MoveTarget::Kind::tableau ? PileId::tableau(move.target.index)
                                                                                 : PileId::foundation(move.target.index),
                   accent);
    // The cards that move, lifted a little over a soft accent glow.
    const PileId source = move.source.kind == DragSource::Kind::tableau  ? PileId::tableau(move.source.index)
                          : move.source.kind == DragSource::Kind::waste ? PileId::waste()
                                                                         : PileId::foundation(move.source.index);
    const PilePicture picture = pilePicture(scene, source);
    const int count = int(moves::cardsFor(board_.game().play().table(), move.source).size());
    if (picture.cards.empty() || count == 0)
        return;
    const int first = std::max(0, int(picture.cards.size()) - count);
    const QPointF lift(0, -3 * s);
    QRectF group;
    for (int i = first; i < int(picture.cards.size()); ++i)
        group = group.united(picture.cards[std::size_t(i)].frame.translated(lift));
    for (int ring = 4; ring >= 1; --ring) {
        QColor glow = accent;
        glow.setAlphaF(0.12 * (5 - ring));
        painter.setPen(QPen(glow, 2.5 * ring * s));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(group, 5 * s, 5 * s);
    }
    for (int i = first; i < int(picture.cards.size()); ++i) {
        const PlacedCard& placed = picture.cards[std::size_t(i)];
        std::optional<QRectF> next = placed.nextFrame;
        if (next)
            next = next->translated(lift);
        paintCard(painter, scene, placed.card, placed.frame.translated(lift), next);
    }
}

} // namespace murvane::board
