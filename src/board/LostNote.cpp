#include "board/LostNote.h"

#include "board/BoardContext.h"
#include "board/HintWords.h"
#include "engine/SolitaireGame.h"
#include "graphics/ChromeStyle.h"
#include "text/Localization.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace murvane::board {

namespace {
constexpr qreal kMargin = 10;  // from the board's edges, times S
constexpr qreal kPadding = 10; // inside the note, times S
constexpr qreal kRadius = 12;
} // namespace

LostNote::LostNote(const BoardContext& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
    , text_(new QLabel(hintText(Hint{Hint::Kind::lost, {}}, board.game().play().table()), this))
    , undo_(new QPushButton(localizedString(QStringLiteral("Undo")), this))
    , newDeal_(new QPushButton(localizedString(QStringLiteral("New Deal")), this))
{
    setObjectName(QStringLiteral("lostNote"));
    undo_->setObjectName(QStringLiteral("lostNoteUndo"));
    newDeal_->setObjectName(QStringLiteral("lostNoteNewDeal"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    setAccessibleName(text_->text());
    auto* column = new QVBoxLayout(this);
    column->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(undo_);
    buttons->addWidget(newDeal_);
    buttons->addStretch();
    column->addLayout(buttons);
    connect(undo_, &QPushButton::clicked, this, &LostNote::undoRequested);
    connect(newDeal_, &QPushButton::clicked, this, &LostNote::newDealRequested);
}

void LostNote::applyScale(qreal scale, const graphics::Appearance& appearance)
{
    scale_ = scale;
    appearance_ = appearance;
    const int pad = qRound(kPadding * scale);
    layout()->setContentsMargins(pad, pad, pad, pad);
    layout()->setSpacing(pad / 2);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * scale);
    text_->setFont(f);
    const graphics::ChromePalette colours(appearance);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colours.primary());
    text_->setPalette(pal);
    // Undo on glass with a hairline edge, New Deal in the accent colour; a
    // disabled Undo reads dimmer. The focus ring takes the edge's place.
    const QString style = QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %8; border-radius: %3px;"
                                         " padding: %4px %5px; }"
                                         "QPushButton:disabled { color: %9; }"
                                         "QPushButton:focus { outline: none; border: %6px solid %7; }");
    const int radius = qRound(9 * scale);
    const auto styled = [&](QPushButton* button, const QColor& fill, const QColor& text) {
        button->setFont(f);
        button->setStyleSheet(style.arg(fill.name(QColor::HexArgb), text.name())
                                  .arg(radius)
                                  .arg(qRound(3 * scale))
                                  .arg(qRound(12 * scale))
                                  .arg(qMax(1, qRound(2 * scale)))
                                  .arg(colours.focusRing().name())
                                  .arg(fill == colours.accent() ? fill.name() : colours.edge().name(QColor::HexArgb),
                                       colours.secondary().name()));
    };
    styled(undo_, colours.glassFill(), colours.primary());
    styled(newDeal_, colours.accent(), colours.accentText());
    refresh();
}

void LostNote::refresh()
{
    undo_->setEnabled(board_.game().play().canUndo());
    if (!parentWidget())
        return;
    const int margin = qRound(kMargin * scale_);
    const int width = parentWidget()->width() - 2 * margin;
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    setGeometry(margin, parentWidget()->height() - height - margin, width, height);
    raise();
    show();
}

void LostNote::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    graphics::paintGlass(painter, QRectF(rect()), kRadius * scale_, appearance_, graphics::GlassLevel::card);
}

} // namespace murvane::board
