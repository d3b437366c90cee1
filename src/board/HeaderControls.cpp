#include "board/HeaderControls.h"

#include "board/BoardContext.h"
#include "graphics/ChromeStyle.h"
#include "graphics/PaintUtil.h"
#include "graphics/Symbols.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

namespace murvane::board {

namespace {
using Chrome = graphics::ChromeMetrics;
constexpr int kBounceMs = 350;
constexpr int kCountMs = 500;
} // namespace

bool showsFocusRing(const QWidget& button, const BoardContext& board)
{
    return button.hasFocus() && board.showKeyboardFocus();
}

void noteButtonFocusIn(BoardContext& board, const QFocusEvent& event)
{
    if (event.reason() == Qt::TabFocusReason || event.reason() == Qt::BacktabFocusReason)
        board.setShowKeyboardFocus(true);
}

void paintButtonFocusRing(QPainter& painter, const QRectF& outline, qreal radius,
                          const graphics::Appearance& appearance)
{
    const qreal half = kFocusRingWidth / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(graphics::ChromePalette(appearance).focusRing(), kFocusRingWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(graphics::detail::continuousRoundedRect(outline.adjusted(half, half, -half, -half),
                                                             std::max<qreal>(0, radius - half)));
    painter.restore();
}

// --- RoundSymbolButton -------------------------------------------------------

RoundSymbolButton::RoundSymbolButton(const QString& symbol, BoardContext& board, QWidget* parent)
    : QAbstractButton(parent)
    , board_(board)
    , symbol_(symbol)
{
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::TabFocus);
    bounce_.setDuration(kBounceMs);
    bounce_.setStartValue(0.0);
    bounce_.setEndValue(1.0);
    connect(&bounce_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&bounce_, &QVariantAnimation::finished, this, qOverload<>(&QWidget::update));
}

void RoundSymbolButton::setScale(qreal scale)
{
    scale_ = scale;
    const int d = qRound(Chrome::headerButtonSize * scale);
    setFixedSize(d, d);
    update();
}

void RoundSymbolButton::setAppearance(const graphics::Appearance& appearance)
{
    appearance_ = appearance;
    update();
}

void RoundSymbolButton::bounce(bool animated)
{
    if (!animated)
        return;
    bounce_.stop();
    bounce_.start();
}

bool takeBoardButtonKey(QAbstractButton& button, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & ~Qt::KeypadModifier)
            return false;
        event->accept();
        if (!event->isAutoRepeat())
            button.animateClick();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->ignore();
        return true;
    default:
        return false;
    }
}

void RoundSymbolButton::keyPressEvent(QKeyEvent* event)
{
    if (!takeBoardButtonKey(*this, event))
        QAbstractButton::keyPressEvent(event);
}

void RoundSymbolButton::focusInEvent(QFocusEvent* event)
{
    noteButtonFocusIn(board_, *event);
    update();
    QAbstractButton::focusInEvent(event);
}

void RoundSymbolButton::focusOutEvent(QFocusEvent* event)
{
    update();
    QAbstractButton::focusOutEvent(event);
}

QSize RoundSymbolButton::sizeHint() const
{
    const int d = qRound(Chrome::headerButtonSize * scale_);
    return QSize(d, d);
}

void RoundSymbolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect());
    const graphics::ChromePalette palette(appearance_);
    graphics::paintGlass(painter, r, r.height() / 2, appearance_);
    if (isDown())
        painter.fillPath([&] { QPainterPath p; p.addEllipse(r.adjusted(1, 1, -1, -1)); return p; }(),
                         palette.pressedTint());

    // The header symbol, lifted once by the bounce.
    qreal lift = 0, grow = 1;
    if (bounce_.state() == QAbstractAnimation::Running) {
        const qreal t = bounce_.currentValue().toReal();
        lift = std::sin(t * M_PI) * 3 * scale_;
        grow = 1 + 0.12 * std::sin(t * M_PI);
    }
    const qreal side = Chrome::headerSymbolSize * scale_ * grow;
    const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2 - lift, side, side);
    QColor tint = palette.primary();
    if (!isEnabled())
        tint.setAlphaF(tint.alphaF() * 0.3);
    graphics::paintSymbol(painter, symbol_, box, tint);
    if (showsFocusRing(*this, board_))
        paintButtonFocusRing(painter, r, r.height() / 2, appearance_);
}

// --- ScoreLabel ---------------------------------------------------------------

ScoreLabel::ScoreLabel(QWidget* parent)
    : QWidget(parent)
    , format_([](std::int64_t v) { return QString::number(v); })
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    counter_.setDuration(kCountMs);
    counter_.setStartValue(0.0);
    counter_.setEndValue(1.0);
    // Close to a well-damped spring: fast start, no visible overshoot.
    counter_.setEasingCurve(QEasingCurve::OutCubic);
    connect(&counter_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        const qreal t = v.toReal();
        const std::int64_t now = from_ + std::llround(qreal(target_ - from_) * t);
        if (now != shown_) {
            shown_ = now;
            update();
        }
    });
    connect(&counter_, &QVariantAnimation::finished, this, [this] {
        shown_ = target_;
        update();
    });
}

void ScoreLabel::setFormatter(Formatter formatter)
{
    format_ = std::move(formatter);
    updateGeometry();
    update();
}

void ScoreLabel::setScale(qreal scale)
{
    scale_ = scale;
    updateGeometry();
    update();
}

void ScoreLabel::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void ScoreLabel::setValue(std::int64_t value, bool animated)
{
    if (value == target_ && counter_.state() != QAbstractAnimation::Running && shown_ == value)
        return;
    counter_.stop();
    target_ = value;
    if (!animated || shown_ == value) {
        shown_ = value;
        updateGeometry();
        update();
        return;
    }
    from_ = shown_;
    counter_.start();
    updateGeometry();
}

QString ScoreLabel::text() const
{
    return format_(target_);
}

QFont ScoreLabel::labelFont() const
{
    QFont f = font();
    f.setPixelSize(std::max(1, qRound(11 * scale_)));
    f.setWeight(QFont::Medium);
    return f;
}

QSize ScoreLabel::sizeHint() const
{
    // Wide enough for both ends of the count, so the row does not jitter.
    const QFontMetrics fm(labelFont());
    const int w = std::max(fm.horizontalAdvance(format_(target_)), fm.horizontalAdvance(format_(shown_)));
    return QSize(w + 2, fm.height());
}

void ScoreLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(labelFont());
    painter.setPen(color_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, format_(shown_));
}

// --- FittedLabel --------------------------------------------------------------

FittedLabel::FittedLabel(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FittedLabel::setText(const QString& text)
{
    text_ = text;
    updateGeometry();
    update();
}

void FittedLabel::setBaseFont(const QFont& font)
{
    base_ = font;
    updateGeometry();
    update();
}

void FittedLabel::setColor(const QColor& color)
{
    color_ = color;
    update();
}

qreal FittedLabel::naturalWidth() const
{
    return QFontMetricsF(base_).horizontalAdvance(text_);
}

qreal FittedLabel::fittedFactor() const
{
    // A continuous factor: whole-pixel font sizes would jump from 13 to 12
    // pixels (92 %) and never reach 85 %.
    const qreal natural = naturalWidth();
    if (natural <= width())
        return 1;
    return std::clamp(qreal(width()) / natural, kMinimumFactor, 1.0);
}

QSize FittedLabel::sizeHint() const
{
    const QFontMetrics fm(base_);
    return QSize(fm.horizontalAdvance(text_) + 1, fm.height());
}

QSize FittedLabel::minimumSizeHint() const
{
    const QFontMetrics fm(base_);
    return QSize(fm.horizontalAdvance(QStringLiteral("M…")), fm.height());
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(base_);
    painter.setPen(color_);
    // Scale about the left end of the vertical centre line, then lay the
    // text out in the widened box that maps back onto the widget.
    const qreal f = fittedFactor();
    painter.translate(0, height() / 2.0);
    painter.scale(f, f);
    const QRectF box(0, -height() / (2 * f), width() / f, height() / f);
    const QString shown = QFontMetricsF(base_).elidedText(text_, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

} // namespace murvane::board
