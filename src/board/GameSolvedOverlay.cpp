#include "board/GameSolvedOverlay.h"

#include "board/BoardGeometry.h"
#include "board/BoardHeader.h"
#include "board/BoardPalette.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "graphics/PaintUtil.h"
#include "platform/Localization.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace murvane::board {

namespace {
constexpr qreal kPadding = 24;
constexpr qreal kRadius = 16;
constexpr qreal kShadowBlur = 16; // not scaled, like the shadow's offset
constexpr qreal kShadowY = 6;
constexpr qreal kShadowOpacity = 0.3;
constexpr qreal kShadowRoom = 2 * kShadowBlur + kShadowY;

QFont sized(QFont f, qreal px, QFont::Weight weight)
{
    f.setPixelSize(std::max(1, qRound(px)));
    f.setWeight(weight);
    return f;
}
} // namespace

GameSolvedOverlay::GameSolvedOverlay(SolitaireView& view, QWidget* parent)
    : QWidget(parent)
    , view_(view)
{
    setObjectName(QStringLiteral("gameSolvedOverlay"));
    auto* stack = new QVBoxLayout(this);
    stack->setSpacing(14);
    stack->setAlignment(Qt::AlignCenter);
    emoji_ = new QLabel(QStringLiteral("🎉"), this);
    title_ = new QLabel(localizedString(QStringLiteral("Game Solved")), this);
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("finalScoreLabel"));
    playAgain_ = new QPushButton(localizedString(QStringLiteral("Play Again")), this);
    playAgain_->setObjectName(QStringLiteral("playAgainButton"));
    playAgain_->setCursor(Qt::PointingHandCursor);
    for (QLabel* l : {emoji_, title_, score_})
        l->setAlignment(Qt::AlignCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(title_);
    texts->addWidget(score_);
    stack->addWidget(emoji_, 0, Qt::AlignHCenter);
    stack->addLayout(texts);
    stack->addWidget(playAgain_, 0, Qt::AlignHCenter);

    // No confirmation: the game is won, nothing is abandoned.
    connect(playAgain_, &QPushButton::clicked, &view.game(), &SolitaireGame::newDeal);
    connect(&view.game(), &SolitaireGame::scoreChanged, this, &GameSolvedOverlay::refresh);
    connect(&view.game(), &SolitaireGame::scoringModeChanged, this, &GameSolvedOverlay::refresh);
    refresh();
}

void GameSolvedOverlay::refresh()
{
    const QString score = BoardHeader::scoreText(view_, view_.game().score());
    score_->setText(localizedString(QStringLiteral("Final Score: %@"), {score}));
    setAccessibleName(localizedString(QStringLiteral("Game Solved. Final Score: %@"), {score}));
    place();
}

void GameSolvedOverlay::applyScale(qreal scale, const graphics::Appearance& appearance)
{
    scale_ = scale;
    appearance_ = appearance;
    const int pad = qRound(kPadding * scale + kShadowRoom);
    layout()->setContentsMargins(pad, pad, pad, pad);
    emoji_->setFont(sized(font(), 32 * scale, QFont::Normal));
    title_->setFont(sized(font(), 15 * scale, QFont::Bold));
    score_->setFont(sized(font(), 12 * scale, QFont::Medium));
    playAgain_->setFont(sized(font(), 12 * scale, QFont::DemiBold));
    playAgain_->setMinimumWidth(qRound(110 * scale));
    const QColor accent = accentColor(appearance);
    playAgain_->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; border: none;"
                                             " border-radius: %2px; padding: %3px %4px; }"
                                             "QPushButton:pressed { background: %5; }")
                                  .arg(accent.name())
                                  .arg(qRound(11 * scale))
                                  .arg(qRound(4 * scale))
                                  .arg(qRound(12 * scale))
                                  .arg(accent.darker(120).name()));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, primaryText(appearance));
    title_->setPalette(pal);
    emoji_->setPalette(pal);
    pal.setColor(QPalette::WindowText, secondaryText(appearance));
    score_->setPalette(pal);
    shadow_ = {};
    place();
}

QRectF GameSolvedOverlay::cardRect() const
{
    return QRectF(rect()).adjusted(kShadowRoom, kShadowRoom, -kShadowRoom, -kShadowRoom);
}

void GameSolvedOverlay::place()
{
    resize(sizeHint());
    const QPointF centre(kSolvedOverlayCentreX * scale_, kSolvedOverlayCentreY * scale_);
    move((centre - QPointF(width(), height()) / 2).toPoint());
    shadow_ = {};
}

void GameSolvedOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = cardRect();
    const qreal radius = kRadius * scale_;
    if (shadow_.isNull() || shadow_.deviceIndependentSize() != card.size() + QSizeF(2, 2) * 2 * kShadowBlur)
        shadow_ = graphics::detail::shadowImage(card.size(), radius, kShadowBlur, kShadowOpacity, 2 * kShadowBlur,
                                                graphics::detail::painterDevicePixelRatio(painter));
    painter.drawImage(card.topLeft() + QPointF(-2 * kShadowBlur, -2 * kShadowBlur + kShadowY), shadow_);
    // The win card floats over cards, so its glass is nearly opaque.
    const QPainterPath path = graphics::detail::continuousRoundedRect(card, radius);
    painter.fillPath(path, appearance_.dark ? QColor(48, 48, 54, 245) : QColor(250, 250, 252, 245));
    painter.setPen(QPen(appearance_.dark ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 28), 1));
    painter.drawPath(path);
}

} // namespace murvane::board
