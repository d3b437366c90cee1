#include "engine/MoveChoice.h"

#include <cmath>
#include <limits>

namespace murvane {

namespace {

bool validColumn(int c) { return c >= 0 && c < kColumnCount; }
bool validFoundation(int f) { return f >= 0 && f < kFoundationCount; }
bool opposite(const Card& a, const Card& b) { return a.isRed() != b.isRed(); }

// Where a card lies, by id: the waste's top or any column position.
std::optional<DragSource> locate(const Table& t, CardId id)
{
    if (!t.waste.isEmpty() && t.waste.last().id == id)
        return DragSource::waste();
    for (int c = 0; c < kColumnCount; ++c)
        for (int i = 0; i < t.tableau[c].size(); ++i)
            if (t.tableau[c][i].id == id)
                return DragSource::tableau(c, i);
    return std::nullopt;
}

// The slot of one kind whose frame admits the point and whose pile takes the
// card, nearest first; ties go to the lower index.
template <typename Admits, typename Distance>
std::optional<MoveTarget> nearestSlot(const QHash<DropSlot, QRectF>& frames, MoveTarget::Kind kind, int count,
                                      Admits admits, Distance distance)
{
    std::optional<MoveTarget> winner;
    qreal best = std::numeric_limits<qreal>::infinity();
    for (int i = 0; i < count; ++i) {
        const MoveTarget slot{kind, i};
        const auto it = frames.constFind(slot);
        if (it == frames.constEnd() || !admits(*it, i))
            continue;
        const qreal d = distance(*it);
        if (d < best) {
            best = d;
            winner = slot;
        }
    }
    return winner;
}

} // namespace

Move AutoCompleteMove::toMove(const Tableau& tableau) const
{
    switch (kind) {
    case Kind::wasteToFoundation:
        return {DragSource::waste(), MoveTarget::foundation(pile)};
    case Kind::tableauToFoundation:
        return {DragSource::tableau(column, int(tableau[column].size()) - 1), MoveTarget::foundation(pile)};
    case Kind::wasteToTableau:
        break;
    }
    return {DragSource::waste(), MoveTarget::tableau(column)};
}

namespace moves {

bool canPlaceOnTableau(const Table& t, const Card& card, int column)
{
    if (!validColumn(column))
        return false;
    const Pile& col = t.tableau[column];
    if (col.isEmpty())
        return card.rank == kKing;
    const Card& top = col.last();
    return top.isFaceUp && opposite(top, card) && top.rank == card.rank + 1;
}

bool canPlaceOnFoundation(const Table& t, const Card& card, int pile)
{
    // Any Ace starts any empty pile; from then on the pile keeps its suit.
    const Pile* p = validFoundation(pile) ? &t.foundations[pile] : nullptr;
    return p && (p->isEmpty() ? card.rank == kAce : p->last().suit == card.suit && card.rank == p->last().rank + 1);
}

Pile cardsFor(const Table& t, const DragSource& source)
{
    switch (source.kind) {
    case DragSource::Kind::foundation:
        if (validFoundation(source.index) && !t.foundations[source.index].isEmpty())
            return {t.foundations[source.index].last()};
        return {};
    case DragSource::Kind::waste:
        if (!t.waste.isEmpty())
            return {t.waste.last()};
        return {};
    case DragSource::Kind::tableau:
        if (validColumn(source.index) && source.startIndex >= 0
            && source.startIndex < t.tableau[source.index].size())
            return t.tableau[source.index].mid(source.startIndex);
        return {};
    }
    return {};
}

QList<MoveTarget> legalTargets(const Table& t, const DragSource& source)
{
    const Pile moving = cardsFor(t, source);
    if (moving.isEmpty() || !moving.first().isFaceUp)
        return {};
    const Card& first = moving.first();
    QList<MoveTarget> targets;
    if (moving.size() == 1) {
        for (int f = 0; f < kFoundationCount; ++f) {
            if (canPlaceOnFoundation(t, first, f)) {
                targets.append(MoveTarget::foundation(f));
                break;
            }
        }
    }
    bool listedEmpty = false;
    const bool fromColumn = source.kind == DragSource::Kind::tableau;
    for (int c = 0; c < kColumnCount; ++c) {
        if (!canPlaceOnTableau(t, first, c))
            continue;
        const bool empty = t.tableau[c].isEmpty();
        if (fromColumn && (c == source.index || (source.startIndex == 0 && empty)))
            continue;
        if (empty) {
            if (listedEmpty)
                continue;
            listedEmpty = true;
        }
        targets.append(MoveTarget::tableau(c));
    }
    return targets;
}

bool isPlayable(const Table& t, const DragSource& source, const MoveTarget& target)
{
    return isPlayable(t, source, cardsFor(t, source), target);
}

bool isPlayable(const Table& t, const DragSource& source, const Pile& moving, const MoveTarget& target)
{
    if (moving.isEmpty() || !moving.first().isFaceUp)
        return false;
    if (target.kind == MoveTarget::Kind::foundation)
        return moving.size() == 1 && canPlaceOnFoundation(t, moving.first(), target.index);
    if (source.kind == DragSource::Kind::tableau && source.index == target.index)
        return false;
    return canPlaceOnTableau(t, moving.first(), target.index);
}

std::optional<Move> bestSpot(const Table& t, CardId id)
{
    for (int f = 0; f < kFoundationCount; ++f) {
        if (t.foundations[f].isEmpty() || t.foundations[f].last().id != id)
            continue;
        for (int c = 0; c < kColumnCount; ++c)
            if (canPlaceOnTableau(t, t.foundations[f].last(), c))
                return Move{DragSource::foundation(f), MoveTarget::tableau(c)};
        return std::nullopt; // a foundation card never goes to another foundation
    }

    const std::optional<DragSource> source = locate(t, id);
    if (!source)
        return std::nullopt;
    const bool fromWaste = source->kind == DragSource::Kind::waste;
    const Pile& pile = fromWaste ? t.waste : t.tableau[source->index];
    const Card& card = fromWaste ? pile.last() : pile[source->startIndex];
    if (!card.isFaceUp)
        return std::nullopt;

    if (fromWaste || source->startIndex == pile.size() - 1)
        for (int f = 0; f < kFoundationCount; ++f)
            if (canPlaceOnFoundation(t, card, f))
                return Move{*source, MoveTarget::foundation(f)};

    // A King already at a column's base stays where it is.
    if (card.rank == kKing && !fromWaste && source->startIndex == 0)
        return std::nullopt;
    for (int c = 0; c < kColumnCount; ++c)
        if ((fromWaste || c != source->index) && canPlaceOnTableau(t, card, c))
            return Move{*source, MoveTarget::tableau(c)};
    return std::nullopt;
}

std::optional<MoveTarget> dropTarget(const Table& t, const DragSource& source,
                                     const QHash<DropSlot, QRectF>& frames, QPointF p)
{
    const Pile moving = cardsFor(t, source);
    // Face-down cards are never carried anywhere, whatever the caller claims.
    if (moving.isEmpty() || !moving.first().isFaceUp)
        return std::nullopt;
    const Card& first = moving.first();

    if (moving.size() == 1) {
        const auto onFoundation = nearestSlot(
            frames, MoveTarget::Kind::foundation, kFoundationCount,
            [&](const QRectF& r, int f) {
                const qreal dx = kDropTolerance * r.width();
                const qreal dy = kDropTolerance * r.height();
                return p.x() >= r.left() - dx && p.x() <= r.right() + dx && p.y() >= r.top() - dy
                    && p.y() <= r.bottom() + dy && canPlaceOnFoundation(t, first, f);
            },
            [&](const QRectF& r) { return std::hypot(p.x() - r.center().x(), p.y() - r.center().y()); });
        if (onFoundation)
            return onFoundation;
    }
    // Columns reach down without limit: a long run hangs far below the frame.
    return nearestSlot(
        frames, MoveTarget::Kind::tableau, kColumnCount,
        [&](const QRectF& r, int c) {
            const qreal dx = kDropTolerance * r.width();
            return p.x() >= r.left() - dx && p.x() <= r.right() + dx
                && p.y() >= r.top() - kDropTolerance * r.height()
                && !(source.kind == DragSource::Kind::tableau && source.index == c)
                && canPlaceOnTableau(t, first, c);
        },
        [&](const QRectF& r) { return std::abs(p.x() - r.center().x()); });
}

std::optional<DragSource> sourceForFocus(const Table& t, const BoardFocus& focus, int toColumn)
{
    switch (focus.kind) {
    case BoardFocus::Kind::foundation:
        return DragSource::foundation(focus.index);
    case BoardFocus::Kind::waste:
        return DragSource::waste();
    case BoardFocus::Kind::stock:
        return std::nullopt;
    case BoardFocus::Kind::tableau: {
        if (!validColumn(focus.index))
            return std::nullopt;
        const Pile& col = t.tableau[focus.index];
        for (int b = 0; b < col.size(); ++b)
            if (col[b].isFaceUp && canPlaceOnTableau(t, col[b], toColumn))
                return DragSource::tableau(focus.index, b);
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<AutoCompleteMove> nextAutoCompleteMove(const Table& t)
{
    using K = AutoCompleteMove::Kind;
    if (!t.waste.isEmpty())
        for (int f = 0; f < kFoundationCount; ++f)
            if (canPlaceOnFoundation(t, t.waste.last(), f))
                return AutoCompleteMove{K::wasteToFoundation, 0, f};
    for (int c = 0; c < kColumnCount; ++c) {
        if (t.tableau[c].isEmpty())
            continue;
        for (int f = 0; f < kFoundationCount; ++f)
            if (canPlaceOnFoundation(t, t.tableau[c].last(), f))
                return AutoCompleteMove{K::tableauToFoundation, c, f};
    }
    if (!t.waste.isEmpty())
        for (int c = 0; c < kColumnCount; ++c)
            if (canPlaceOnTableau(t, t.waste.last(), c))
                return AutoCompleteMove{K::wasteToTableau, c, 0};
    return std::nullopt;
}

bool hasNoMoveLeft(const Table& t, bool canDraw)
{
    if (canDraw)
        return false;
    if (!t.waste.isEmpty() && !legalTargets(t, DragSource::waste()).isEmpty())
        return false;
    for (int f = 0; f < kFoundationCount; ++f)
        if (!t.foundations[f].isEmpty() && !legalTargets(t, DragSource::foundation(f)).isEmpty())
            return false;
    for (int c = 0; c < kColumnCount; ++c)
        for (int i = 0; i < t.tableau[c].size(); ++i)
            if (t.tableau[c][i].isFaceUp && !legalTargets(t, DragSource::tableau(c, i)).isEmpty())
                return false;
    return true;
}

} // namespace moves
} // namespace murvane
