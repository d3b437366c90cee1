#include "board/GameSolvedOverlay.h"

#include "board/BoardGeometry.h"
#include "board/BoardHeader.h"
#include "board/BoardContext.h"
#include "board/HeaderControls.h"
#include "engine/SolitaireGame.h"
#include "graphics/ChromeStyle.h"
#include "screens/GameWords.h"
#include "text/Localization.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace murvane::board {

namespace {
constexpr qreal kPadding = 24;
// Room around the card for its shadow, at scale 1.
constexpr qreal kShadowRoom = graphics::ChromeMetrics::floatingShadowRoom;

// Desktops without a colour emoji font would show "🎉" as an empty box; we
// draw a small party popper in its place there.
bool hasEmojiFont()
{
    static const bool found = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* name : {"Noto Color Emoji", "Twemoji", "JoyPixels", "Apple Color Emoji", "Segoe UI Emoji",
                                 "Symbola", "Noto Emoji"})
            if (families.contains(QString::fromLatin1(name)))
                return true;
        return false;
    }();
    return found;
}

class PartyPopper : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override
    {
        const int side = std::max(8, QFontMetrics(font()).height());
        return QSize(side, side);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (hasEmojiFont()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(width(), height()) * 0.9;
        p.translate((width() - side) / 2, (height() - side) / 2);
        p.scale(side / 32, side / 32);
        QPainterPath cone;
        cone.moveTo(3, 29);
        cone.lineTo(11, 9);
        cone.lineTo(23, 21);
        cone.closeSubpath();
        p.fillPath(cone, QColor(245, 176, 40));
        p.setPen(QPen(QColor(214, 120, 20), 1.6));
        p.drawLine(QPointF(7, 19), QPointF(13, 25));
        p.drawLine(QPointF(9, 14), QPointF(18, 23));
        const struct { QPointF at; QColor c; } dots[] = {
            {{17, 5}, QColor(235, 64, 90)}, {{26, 8}, QColor(60, 140, 245)}, {{28, 16}, QColor(80, 200, 120)},
            {{21, 11}, QColor(250, 210, 60)}, {{13, 3}, QColor(170, 90, 230)}, {{29, 25}, QColor(235, 64, 90)}};
        p.setPen(Qt::NoPen);
        for (const auto& d : dots) {
            p.setBrush(d.c);
            p.drawEllipse(d.at, 1.8, 1.8);
        }
        p.setPen(QPen(QColor(60, 140, 245), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath streamer;
        streamer.moveTo(14, 8);
        streamer.cubicTo(15, 4, 19, 6, 20, 2);
        p.drawPath(streamer);
        p.setPen(QPen(QColor(235, 64, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath streamer2;
        streamer2.moveTo(24, 20);
        streamer2.cubicTo(27, 19, 26, 23, 30, 21);
        p.drawPath(streamer2);
    }
};

// Return deals again and arrows go to the piles, as on every board button.
// Its accent fill sits inside a margin where the focus ring is drawn: a ring
// in the accent colour on the fill itself would not show.
class PlayAgainButton : public QPushButton {
public:
    PlayAgainButton(const QString& text, BoardContext& board, QWidget* parent)
        : QPushButton(text, parent), board_(board)
    {
    }
    void setLook(qreal ringRadius, const graphics::Appearance& appearance)
    {
        ringRadius_ = ringRadius;
        appearance_ = appearance;
        update();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!takeBoardButtonKey(*this, event))
            QPushButton::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        noteButtonFocusIn(board_, *event);
        QPushButton::focusInEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        if (showsFocusRing(*this, board_)) {
            QPainter painter(this);
            paintButtonFocusRing(painter, QRectF(rect()), ringRadius_, appearance_);
        }
    }

private:
    BoardContext& board_;
    qreal ringRadius_ = 0;
    graphics::Appearance appearance_;
};

QFont sized(QFont f, qreal px, QFont::Weight weight)
{
    f.setPixelSize(std::max(1, qRound(px)));
    f.setWeight(weight);
    return f;
}
} // namespace

GameSolvedOverlay::GameSolvedOverlay(BoardContext& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
{
    setObjectName(QStringLiteral("gameSolvedOverlay"));
    auto* stack = new QVBoxLayout(this);
    stack->setSpacing(14);
    stack->setAlignment(Qt::AlignCenter);
    emoji_ = new PartyPopper(QStringLiteral("🎉"), this);
    title_ = new QLabel(localizedString(QStringLiteral("Game Solved")), this);
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("finalScoreLabel"));
    deal_ = new QLabel(this);
    deal_->setObjectName(QStringLiteral("solvedDealNumberLabel"));
    deal_->setAlignment(Qt::AlignCenter);
    playAgain_ = new PlayAgainButton(localizedString(QStringLiteral("Play Again")), board, this);
    playAgain_->setObjectName(QStringLiteral("playAgainButton"));
    playAgain_->setCursor(Qt::PointingHandCursor);
    for (QLabel* l : {emoji_, title_, score_})
        l->setAlignment(Qt::AlignCenter);

    texts_ = new QVBoxLayout;
    texts_->setSpacing(4);
    texts_->addWidget(title_);
    texts_->addWidget(score_);
    texts_->addWidget(deal_);
    stack->addWidget(emoji_, 0, Qt::AlignHCenter);
    stack->addLayout(texts_);
    stack->addWidget(playAgain_, 0, Qt::AlignHCenter);

    connect(playAgain_, &QPushButton::clicked, this, &GameSolvedOverlay::playAgainRequested);
    connect(&board.game().play(), &GamePlay::scoreChanged, this, &GameSolvedOverlay::refresh);
    connect(&board.game().settings(), &GameSettings::scoringModeChanged, this, &GameSolvedOverlay::refresh);
    connect(&board.game().play(), &GamePlay::hasWonChanged, this, &GameSolvedOverlay::refresh);
    refresh();
}

void GameSolvedOverlay::refresh()
{
    const QString score = BoardHeader::scoreText(board_.game(), board_.game().play().score());
    score_->setText(localizedString(QStringLiteral("Final Score: %@"), {score}));
    QString spoken = localizedString(QStringLiteral("Game Solved. Final Score: %@"), {score});
    // The number lets the player share or replay the deal just won.
    const std::optional<QString> name = dealName(board_.game().session().origin());
    deal_->setVisible(name.has_value());
    if (name) {
        deal_->setText(*name);
        spoken += QStringLiteral(". ") + deal_->text();
    }
    setAccessibleName(spoken);
    place();
}

void GameSolvedOverlay::applyScale(qreal scale, const graphics::Appearance& appearance)
{
    scale_ = scale;
    appearance_ = appearance;
    const int pad = qRound((kPadding + kShadowRoom) * scale);
    layout()->setContentsMargins(pad, pad, pad, pad);
    emoji_->setFont(sized(font(), 32 * scale, QFont::Normal));
    title_->setFont(sized(font(), 15 * scale, QFont::Bold));
    score_->setFont(sized(font(), 12 * scale, QFont::Medium));
    deal_->setFont(sized(font(), 11 * scale, QFont::Normal));
    playAgain_->setFont(sized(font(), 12 * scale, QFont::DemiBold));
    const graphics::ChromePalette colours(appearance);
    const QColor accent = colours.accent();
    // The margin keeps a gap between the fill and the focus ring around it.
    const int ringRoom = qRound(kFocusRingWidth + 2 * scale);
    const int radius = qRound(11 * scale);
    playAgain_->setMinimumWidth(qRound(110 * scale) + 2 * ringRoom);
    playAgain_->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %6; border: none;"
                                             " border-radius: %2px; padding: %3px %4px; margin: %7px; }"
                                             "QPushButton:pressed { background: %5; }")
                                  .arg(accent.name())
                                  .arg(radius)
                                  .arg(qRound(4 * scale))
                                  .arg(qRound(12 * scale))
                                  .arg(accent.darker(120).name(), colours.accentText().name())
                                  .arg(ringRoom));
    static_cast<PlayAgainButton*>(playAgain_)->setLook(radius + ringRoom, appearance);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colours.primary());
    title_->setPalette(pal);
    emoji_->setPalette(pal);
    pal.setColor(QPalette::WindowText, colours.secondary());
    score_->setPalette(pal);
    deal_->setPalette(pal);
    place();
}

QRectF GameSolvedOverlay::cardRect() const
{
    const qreal room = qRound(kShadowRoom * scale_);
    return QRectF(rect()).adjusted(room, room, -room, -room);
}

void GameSolvedOverlay::place()
{
    // Size the card from its content as it is now. A text or font change
    // only marks the outer layout stale; the inner one would report its
    // old size until the next layout pass and clip a longer score.
    texts_->invalidate();
    layout()->invalidate();
    resize(sizeHint());
    const QPointF centre(kSolvedOverlayCentreX * scale_, kSolvedOverlayCentreY * scale_);
    move((centre - QPointF(width(), height()) / 2).toPoint());
}

void GameSolvedOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    graphics::paintFloatingCard(painter, cardRect(), scale_, appearance_);
}

} // namespace murvane::board
