#include "board/BoardGeometry.h"

#include "cards/Settings.h"

#include <algorithm>
#include <cmath>

namespace murvane::board {

qreal boardScale(bool largeBoard, qreal textScale)
{
    // A broken text factor must not collapse or explode the board.
    if (!std::isfinite(textScale) || textScale <= 0)
        textScale = 1;
    return graphics::boardSizeFactor(largeBoard ? BoardSize::large : BoardSize::standard) * textScale;
}

qreal fanStep(std::int64_t n)
{
    if (n < 2 || (n - 1) * kFanStep + kCardHeight <= kFanHeight)
        return kFanStep;
    return std::max((kFanHeight - kCardHeight) / qreal(n - 1), kMinFanStep);
}

int visibleWasteCount(std::int64_t wasteSize, DrawMode draw)
{
    return int(std::clamp<std::int64_t>(wasteSize, 0, draw.count()));
}

BoardGeometry::BoardGeometry(qreal scale, DrawMode draw)
    : s_(scale)
    , draw_(draw)
{
}

QSizeF BoardGeometry::boardSize() const
{
    const qreal h = kHeaderHeight + kStackSpacing + kCardHeight + kStackSpacing + kColumnsMinHeight + 2 * kInset;
    return QSizeF(kBoardWidth, h) * s_;
}

QRectF BoardGeometry::headerRect() const
{
    return graphics::ChromeMetrics::headerRect(s_);
}

QRectF BoardGeometry::topRowRect() const
{
    const qreal x = (kBoardWidth - kRowFrameWidth) / 2;
    const qreal y = kInset + kHeaderHeight + kStackSpacing;
    return QRectF(x * s_, y * s_, kRowFrameWidth * s_, kCardHeight * s_);
}

QRectF BoardGeometry::columnsRowRect() const
{
    const QRectF top = topRowRect();
    return QRectF(top.left(), top.bottom() + kStackSpacing * s_, kRowFrameWidth * s_, kColumnsMinHeight * s_);
}

QRectF BoardGeometry::pileFrame(const PileId& pile) const
{
    const qreal wasteWidth = draw_ == DrawMode::three() ? kWasteWidthDrawThree : kCardWidth;
    const qreal contentWidth = kCardWidth + kTopRowSpacing + wasteWidth + kFoundationCount * (kTopRowSpacing + kCardWidth);
    const QRectF top = topRowRect();
    const qreal rowStart = top.left() + (kRowFrameWidth - contentWidth) / 2 * s_;
    const QSizeF card(kCardWidth * s_, kCardHeight * s_);
    switch (pile.kind) {
    case PileId::Kind::stock:
        return QRectF(QPointF(rowStart, top.top()), card);
    case PileId::Kind::waste:
        return QRectF(rowStart + (kCardWidth + kTopRowSpacing) * s_, top.top(), wasteWidth * s_, kCardHeight * s_);
    case PileId::Kind::foundation: {
        const int i = std::clamp(pile.index, 0, kFoundationCount - 1);
        const qreal x = kCardWidth + kTopRowSpacing + wasteWidth + kTopRowSpacing + i * (kCardWidth + kTopRowSpacing);
        return QRectF(QPointF(rowStart + x * s_, top.top()), card);
    }
    case PileId::Kind::tableau: {
        const int c = std::clamp(pile.index, 0, kColumnCount - 1);
        const QRectF row = columnsRowRect();
        return QRectF(QPointF(row.left() + c * (kCardWidth + kColumnSpacing) * s_, row.top()), card);
    }
    }
    return {};
}

QRectF BoardGeometry::columnArea(int column) const
{
    const QRectF frame = pileFrame(PileId::tableau(column));
    return QRectF(frame.left(), frame.top(), frame.width(), columnsRowRect().bottom() - frame.top());
}

QHash<DropSlot, QRectF> BoardGeometry::slotFrames() const
{
    QHash<DropSlot, QRectF> frames;
    for (int i = 0; i < kFoundationCount; ++i)
        frames.insert(DropSlot::foundation(i), pileFrame(PileId::foundation(i)));
    for (int c = 0; c < kColumnCount; ++c)
        frames.insert(DropSlot::tableau(c), pileFrame(PileId::tableau(c)));
    return frames;
}

QRectF BoardGeometry::columnCardRect(int column, int j, std::int64_t n) const
{
    return pileFrame(PileId::tableau(column)).translated(0, j * scaledFanStep(n));
}

QRectF BoardGeometry::wasteCardRect(int i) const
{
    const QRectF waste = pileFrame(PileId::waste());
    const qreal dx = draw_ == DrawMode::three() ? kWasteFanStep * i * s_ : 0;
    return QRectF(waste.left() + dx, waste.top(), kCardWidth * s_, kCardHeight * s_);
}

QRectF BoardGeometry::focusRingRect(const PileId& pile, std::int64_t columnCount) const
{
    const QRectF frame = pileFrame(pile);
    if (pile.kind != PileId::Kind::tableau || columnCount < 2)
        return frame;
    return frame.translated(0, scaledFanStep(columnCount) * (columnCount - 1));
}

QRectF BoardGeometry::previewCardRect(QPointF pointer, qreal stackStep, int i, qreal scale)
{
    const QSizeF card(kCardWidth * scale, kCardHeight * scale);
    // The grabbed card (i = 0) is centred on the pointer; the rest hang below.
    return QRectF(pointer.x() - card.width() / 2, pointer.y() - card.height() / 2 + stackStep * i, card.width(),
                  card.height());
}

std::optional<PileHit> hitTest(const BoardGeometry& g, const PileCounts& counts, QPointF p)
{
    if (g.pileFrame(PileId::stock()).contains(p))
        return PileHit{PileId::stock(), std::nullopt};

    if (g.pileFrame(PileId::waste()).contains(p)) {
        // Later waste cards lie on top of earlier ones.
        const int shown = visibleWasteCount(counts.waste, g.drawMode());
        for (int i = shown - 1; i >= 0; --i)
            if (g.wasteCardRect(i).contains(p))
                return PileHit{PileId::waste(), int(counts.waste - shown + i)};
        return PileHit{PileId::waste(), std::nullopt};
    }

    for (int f = 0; f < kFoundationCount; ++f) {
        if (g.pileFrame(PileId::foundation(f)).contains(p)) {
            const std::int64_t n = counts.foundations[f];
            return PileHit{PileId::foundation(f), n > 0 ? std::optional<int>(int(n - 1)) : std::nullopt};
        }
    }

    for (int c = 0; c < kColumnCount; ++c) {
        const std::int64_t n = counts.columns[c];
        for (int j = int(n) - 1; j >= 0; --j)
            if (g.columnCardRect(c, j, n).contains(p))
                return PileHit{PileId::tableau(c), j};
        if (g.pileFrame(PileId::tableau(c)).contains(p))
            return PileHit{PileId::tableau(c), std::nullopt};
    }
    return std::nullopt;
}

} // namespace murvane::board
