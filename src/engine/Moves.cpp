// Placement rules, moves, the stock, undo, best spot, drops and auto-complete.

#include "engine/SolitaireGame.h"

#include "platform/Localization.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace murvane {

namespace {

bool validColumn(int c) { return c >= 0 && c < kColumnCount; }
bool validFoundation(int f) { return f >= 0 && f < kFoundationCount; }

bool opposite(const Card& a, const Card& b) { return a.isRed() != b.isRed(); }

} // namespace

// --- Placement -----------------------------------------------------------------

bool SolitaireGame::canPlaceOnTableau(const Card& card, int column) const
{
    if (!validColumn(column))
        return false;
    const Pile& col = tableau_[column];
    if (col.isEmpty())
        return card.rank == kKing;
    const Card& top = col.last();
    return top.isFaceUp && opposite(top, card) && top.rank == card.rank + 1;
}

bool SolitaireGame::canPlaceOnFoundation(const Card& card, int pile) const
{
    if (!validFoundation(pile))
        return false;
    const Pile& p = foundations_[pile];
    if (p.isEmpty())
        return card.rank == kAce;
    return p.last().suit == card.suit && card.rank == p.last().rank + 1;
}

Pile SolitaireGame::cards(const DragSource& source) const
{
    switch (source.kind) {
    case DragSource::Kind::foundation:
        if (validFoundation(source.index) && !foundations_[source.index].isEmpty())
            return {foundations_[source.index].last()};
        return {};
    case DragSource::Kind::waste:
        if (!waste_.isEmpty())
            return {waste_.last()};
        return {};
    case DragSource::Kind::tableau:
        if (validColumn(source.index) && source.startIndex >= 0
            && source.startIndex < tableau_[source.index].size())
            return tableau_[source.index].mid(source.startIndex);
        return {};
    }
    return {};
}

QList<MoveTarget> SolitaireGame::legalTargets(const DragSource& source) const
{
    const Pile moving = cards(source);
    if (moving.isEmpty() || !moving.first().isFaceUp)
        return {};
    const Card& first = moving.first();
    QList<MoveTarget> targets;
    if (moving.size() == 1) {
        for (int f = 0; f < kFoundationCount; ++f) {
            if (canPlaceOnFoundation(first, f)) {
                targets.append(MoveTarget::foundation(f));
                break;
            }
        }
    }
    bool listedEmpty = false;
    const bool fromColumn = source.kind == DragSource::Kind::tableau;
    for (int c = 0; c < kColumnCount; ++c) {
        if (!canPlaceOnTableau(first, c))
            continue;
        const bool empty = tableau_[c].isEmpty();
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

void SolitaireGame::removeCards(const DragSource& source)
{
    switch (source.kind) {
    case DragSource::Kind::tableau:
        if (validColumn(source.index) && source.startIndex >= 0
            && source.startIndex < tableau_[source.index].size()) {
            Tableau t = tableau_;
            t[source.index].resize(source.startIndex);
            setTableau(t);
        }
        break;
    case DragSource::Kind::waste:
        if (!waste_.isEmpty()) {
            Pile w = waste_;
            w.removeLast();
            setWaste(w);
        }
        break;
    case DragSource::Kind::foundation:
        if (validFoundation(source.index) && !foundations_[source.index].isEmpty()) {
            Foundations f = foundations_;
            f[source.index].removeLast();
            setFoundations(f);
        }
        break;
    }
}

void SolitaireGame::move(const DragSource& source, const MoveTarget& target)
{
    const Pile moving = cards(source);
    // Guard the documented preconditions instead of trusting every caller.
    if (moving.isEmpty())
        return;
    if (target.kind == MoveTarget::Kind::foundation && (moving.size() != 1 || !validFoundation(target.index)))
        return;
    if (target.kind == MoveTarget::Kind::tableau && !validColumn(target.index))
        return;

    markDealStarted();
    pushUndoSnapshot();
    removeCards(source);
    if (target.kind == MoveTarget::Kind::tableau) {
        Tableau t = tableau_;
        t[target.index].append(moving);
        setTableau(t);
        if (source.kind == DragSource::Kind::foundation)
            scoreFoundationToTableau();
        else if (source.kind == DragSource::Kind::waste)
            scoreWasteToTableau();
    } else {
        Foundations f = foundations_;
        f[target.index].append(moving.first());
        setFoundations(f);
        scoreFoundationMove();
    }
    moveTail();
}

void SolitaireGame::moveTail()
{
    flipExposedCards();
    checkForWin();
    startAutoCompleteIfPossible();
}

void SolitaireGame::moveIfLegal(const DragSource& source, const MoveTarget& target, DragState& drag)
{
    if (hasWon_ || isAutoCompleting_)
        return;
    if (!legalTargets(source).contains(target))
        return;
    cancelAutoComplete();
    drag.clear();
    move(source, target);
}

std::optional<DragSource> SolitaireGame::sourceForFocus(const BoardFocus& focus, int toColumn) const
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
        const Pile& col = tableau_[focus.index];
        for (int b = 0; b < col.size(); ++b)
            if (col[b].isFaceUp && canPlaceOnTableau(col[b], toColumn))
                return DragSource::tableau(focus.index, b);
        return std::nullopt;
    }
    }
    return std::nullopt;
}

void SolitaireGame::moveFocusedPile(const BoardFocus& focus, int toColumn, DragState& drag)
{
    const auto source = sourceForFocus(focus, toColumn);
    if (!source || hasWon_ || isAutoCompleting_)
        return;
    if (!legalTargets(*source).contains(MoveTarget::tableau(toColumn)))
        return;
    cancelAutoComplete();
    drag.clear();
    move(*source, MoveTarget::tableau(toColumn));
}

void SolitaireGame::flipExposedCards()
{
    for (int c = 0; c < kColumnCount; ++c) {
        if (tableau_[c].isEmpty() || tableau_[c].last().isFaceUp)
            continue;
        Tableau t = tableau_;
        t[c].last().isFaceUp = true;
        setTableau(t);
        scoreFlip();
    }
}

// --- Stock and passes -------------------------------------------------------------

bool SolitaireGame::hasPassLimit() const
{
    return scoringMode_ == ScoringMode::vegas && !unlimitedRedeals_;
}

bool SolitaireGame::canRecycleWaste() const
{
    return !hasPassLimit() || redealsUsed_ + 1 < passesAllowed();
}

std::optional<QString> SolitaireGame::passText() const
{
    if (!hasPassLimit())
        return std::nullopt;
    return localizedString(QStringLiteral("Pass %lld/%lld"),
                           {std::min(passesAllowed(), redealsUsed_ + 1), passesAllowed()});
}

std::optional<QString> SolitaireGame::passDescription() const
{
    if (!hasPassLimit())
        return std::nullopt;
    return localizedString(QStringLiteral("Pass %lld of %lld"),
                           {std::min(passesAllowed(), redealsUsed_ + 1), passesAllowed()});
}

void SolitaireGame::drawFromStock(DragState& drag)
{
    if (hasWon_)
        return;
    if (stock_.isEmpty() && (waste_.isEmpty() || !canRecycleWaste()))
        return;
    cancelAutoComplete();
    markDealStarted();
    drag.clear();
    pushUndoSnapshot();
    if (!stock_.isEmpty()) {
        Pile s = stock_;
        Pile w = waste_;
        const qsizetype n = std::min<qsizetype>(drawCount_, s.size());
        for (qsizetype i = 0; i < n; ++i) {
            Card card = s.takeLast();
            card.isFaceUp = true;
            w.append(card);
        }
        setStock(s);
        setWaste(w);
    } else {
        Pile s;
        s.reserve(waste_.size());
        for (auto it = waste_.crbegin(); it != waste_.crend(); ++it) {
            Card card = *it;
            card.isFaceUp = false;
            s.append(card);
        }
        setStock(s);
        setWaste({});
        setRedealsUsed(redealsUsed_ + 1);
        if (scoringMode_ == ScoringMode::standard && drawCount_ == 1)
            setScore(std::max<std::int64_t>(score_ - 100, 0));
    }
    startAutoCompleteIfPossible();
}

// --- Undo ----------------------------------------------------------------------------

void SolitaireGame::pushUndoSnapshot()
{
    history_.append(GameSnapshot{stock_, waste_, foundations_, tableau_, score_, vegasBankroll_,
                                 hasStartedCurrentDeal_, redealsUsed_});
    if (history_.size() > kUndoLimit)
        history_.removeFirst();
    Q_EMIT historyChanged();
}

void SolitaireGame::popUndoSnapshot()
{
    if (history_.isEmpty())
        return;
    history_.removeLast();
    Q_EMIT historyChanged();
}

void SolitaireGame::undo(DragState& drag)
{
    cancelAutoComplete();
    if (history_.isEmpty())
        return;
    const GameSnapshot snapshot = history_.takeLast();
    Q_EMIT historyChanged();
    drag.clear();
    setStock(snapshot.stock);
    setWaste(snapshot.waste);
    setFoundations(snapshot.foundations);
    setTableau(snapshot.tableau);
    setScore(snapshot.score);
    setVegasBankroll(snapshot.vegasBankroll);
    setHasStartedCurrentDeal(snapshot.hasStartedCurrentDeal);
    setRedealsUsed(snapshot.redealsUsed);
    setHasWon(false);
    setUndoCount(undoCount_ + 1);
}

// --- Best spot ------------------------------------------------------------------------

bool SolitaireGame::isTopCard(const Card& card) const
{
    if (!waste_.isEmpty() && waste_.last().id == card.id)
        return true;
    for (const Pile& col : tableau_)
        if (!col.isEmpty() && col.last().id == card.id)
            return true;
    return false;
}

void SolitaireGame::moveToBestSpot(const Card& requested, DragState& drag)
{
    if (hasWon_)
        return;
    cancelAutoComplete();
    drag.clear();

    // From a foundation: back to the leftmost column that takes it.
    for (int f = 0; f < kFoundationCount; ++f) {
        if (foundations_[f].isEmpty() || foundations_[f].last().id != requested.id)
            continue;
        const Card card = foundations_[f].last();
        for (int c = 0; c < kColumnCount; ++c) {
            if (!canPlaceOnTableau(card, c))
                continue;
            markDealStarted();
            pushUndoSnapshot();
            Foundations fs = foundations_;
            fs[f].removeLast();
            setFoundations(fs);
            Tableau t = tableau_;
            t[c].append(card);
            setTableau(t);
            scoreFoundationToTableau();
            flipExposedCards();
            startAutoCompleteIfPossible();
            return;
        }
        return;
    }

    // Find the live card: the caller's copy may be stale (face state).
    const Card* live = nullptr;
    if (!waste_.isEmpty() && waste_.last().id == requested.id)
        live = &waste_.last();
    for (int c = 0; c < kColumnCount && !live; ++c)
        for (const Card& x : tableau_[c])
            if (x.id == requested.id) {
                live = &x;
                break;
            }
    // A face-down card or one that is not on the board is never sent anywhere.
    if (!live || !live->isFaceUp)
        return;
    const Card card = *live;

    // To a foundation: top cards only.
    for (int f = 0; f < kFoundationCount; ++f) {
        if (!isTopCard(card) || !canPlaceOnFoundation(card, f))
            continue;
        markDealStarted();
        pushUndoSnapshot();
        bool moved = false;
        if (!waste_.isEmpty() && waste_.last().id == card.id) {
            Pile w = waste_;
            w.removeLast();
            setWaste(w);
            moved = true;
        } else {
            for (int c = 0; c < kColumnCount && !moved; ++c) {
                if (!tableau_[c].isEmpty() && tableau_[c].last().id == card.id) {
                    Tableau t = tableau_;
                    t[c].removeLast();
                    setTableau(t);
                    moved = true;
                }
            }
        }
        if (!moved) {
            popUndoSnapshot();
            continue;
        }
        Foundations fs = foundations_;
        fs[f].append(card);
        setFoundations(fs);
        scoreFoundationMove();
        moveTail();
        return;
    }

    // A King already at a column's base stays where it is.
    if (card.rank == kKing)
        for (const Pile& col : tableau_)
            if (!col.isEmpty() && col.first().id == card.id)
                return;

    // To a column: the card and everything above it.
    for (int c = 0; c < kColumnCount; ++c) {
        if (!canPlaceOnTableau(card, c))
            continue;
        const bool fromWaste = !waste_.isEmpty() && waste_.last().id == card.id;
        markDealStarted();
        pushUndoSnapshot();
        bool moved = false;
        if (fromWaste) {
            Pile w = waste_;
            w.removeLast();
            setWaste(w);
            Tableau t = tableau_;
            t[c].append(card);
            setTableau(t);
            moved = true;
        } else {
            for (int src = 0; src < kColumnCount && !moved; ++src) {
                if (src == c)
                    continue;
                const Pile& col = tableau_[src];
                for (int i = 0; i < col.size(); ++i) {
                    if (col[i].id != card.id)
                        continue;
                    Tableau t = tableau_;
                    t[c].append(col.mid(i));
                    t[src].resize(i);
                    setTableau(t);
                    moved = true;
                    break;
                }
            }
        }
        if (!moved) {
            popUndoSnapshot();
            continue;
        }
        if (fromWaste)
            scoreWasteToTableau();
        moveTail();
        return;
    }
}

// --- Drops ---------------------------------------------------------------------------------

void SolitaireGame::dropDraggedCards(const QHash<DropSlot, QRectF>& slotFrames, DragState& drag, QPointF point)
{
    if (hasWon_) {
        drag.clear();
        return;
    }
    cancelAutoComplete();
    const std::optional<DragSource> source = drag.dragSource();
    if (!source)
        return;
    drag.clear();
    const Pile moving = cards(*source);
    if (moving.isEmpty())
        return;
    const Card& first = moving.first();

    std::optional<MoveTarget> winner;
    // Face-down cards are never carried anywhere, whatever the caller claims.
    const bool carriesHiddenCards = !first.isFaceUp;
    if (moving.size() == 1 && !slotFrames.isEmpty() && !carriesHiddenCards) {
        qreal best = std::numeric_limits<qreal>::infinity();
        for (int f = 0; f < kFoundationCount; ++f) {
            const auto it = slotFrames.constFind(DropSlot::foundation(f));
            if (it == slotFrames.constEnd())
                continue;
            const QRectF r = *it;
            const qreal dx = kDropTolerance * r.width();
            const qreal dy = kDropTolerance * r.height();
            const bool inside = point.x() >= r.left() - dx && point.x() <= r.right() + dx
                && point.y() >= r.top() - dy && point.y() <= r.bottom() + dy;
            if (!inside || !canPlaceOnFoundation(first, f))
                continue;
            const qreal distance = std::hypot(point.x() - r.center().x(), point.y() - r.center().y());
            if (distance < best) {
                best = distance;
                winner = MoveTarget::foundation(f);
            }
        }
    }
    if (!winner && !carriesHiddenCards) {
        qreal best = std::numeric_limits<qreal>::infinity();
        for (int c = 0; c < kColumnCount; ++c) {
            const auto it = slotFrames.constFind(DropSlot::tableau(c));
            if (it == slotFrames.constEnd())
                continue;
            const QRectF r = *it;
            const qreal dx = kDropTolerance * r.width();
            const bool inside = point.x() >= r.left() - dx && point.x() <= r.right() + dx
                && point.y() >= r.top() - kDropTolerance * r.height();
            if (!inside)
                continue;
            if (source->kind == DragSource::Kind::tableau && source->index == c)
                continue;
            if (!canPlaceOnTableau(first, c))
                continue;
            const qreal distance = std::abs(point.x() - r.center().x());
            if (distance < best) {
                best = distance;
                winner = MoveTarget::tableau(c);
            }
        }
    }
    if (!winner) {
        flipExposedCards();
        checkForWin();
        startAutoCompleteIfPossible();
        return;
    }
    move(*source, *winner);
    // No haptic engine on this platform.
}

// --- Auto-complete ------------------------------------------------------------------------------

void SolitaireGame::cancelAutoComplete()
{
    autoCompleteTimer_->stop();
    setIsAutoCompleting(false);
}

void SolitaireGame::startAutoCompleteIfPossible()
{
    if (autoCompleteMode_ != AutoCompleteMode::enabled || hasWon_ || isAutoCompleting_ || !stock_.isEmpty())
        return;
    for (const Pile& col : tableau_)
        for (const Card& card : col)
            if (!card.isFaceUp)
                return;
    if (!nextAutoCompleteMove())
        return;
    markDealStarted();
    pushUndoSnapshot();
    setIsAutoCompleting(true);
    autoCompleteTimer_->start();
}

std::optional<AutoCompleteMove> SolitaireGame::nextAutoCompleteMove() const
{
    using K = AutoCompleteMove::Kind;
    if (!waste_.isEmpty())
        for (int f = 0; f < kFoundationCount; ++f)
            if (canPlaceOnFoundation(waste_.last(), f))
                return AutoCompleteMove{K::wasteToFoundation, 0, f};
    for (int c = 0; c < kColumnCount; ++c) {
        if (tableau_[c].isEmpty())
            continue;
        for (int f = 0; f < kFoundationCount; ++f)
            if (canPlaceOnFoundation(tableau_[c].last(), f))
                return AutoCompleteMove{K::tableauToFoundation, c, f};
    }
    if (!waste_.isEmpty())
        for (int c = 0; c < kColumnCount; ++c)
            if (canPlaceOnTableau(waste_.last(), c))
                return AutoCompleteMove{K::wasteToTableau, c, 0};
    return std::nullopt;
}

bool SolitaireGame::performAutoCompleteStep()
{
    const auto next = nextAutoCompleteMove();
    if (!next)
        return false;
    switch (next->kind) {
    case AutoCompleteMove::Kind::wasteToFoundation: {
        Pile w = waste_;
        const Card card = w.takeLast();
        setWaste(w);
        Foundations f = foundations_;
        f[next->pile].append(card);
        setFoundations(f);
        scoreFoundationMove();
        break;
    }
    case AutoCompleteMove::Kind::tableauToFoundation: {
        Tableau t = tableau_;
        const Card card = t[next->column].takeLast();
        setTableau(t);
        Foundations f = foundations_;
        f[next->pile].append(card);
        setFoundations(f);
        scoreFoundationMove();
        break;
    }
    case AutoCompleteMove::Kind::wasteToTableau: {
        Pile w = waste_;
        const Card card = w.takeLast();
        setWaste(w);
        Tableau t = tableau_;
        t[next->column].append(card);
        setTableau(t);
        scoreWasteToTableau();
        break;
    }
    }
    return true;
}

void SolitaireGame::finishAutoCompleteStep()
{
    if (performAutoCompleteStep())
        return;
    autoCompleteTimer_->stop();
    setIsAutoCompleting(false);
    checkForWin();
}

void SolitaireGame::autoCompleteTick()
{
    if (!isAutoCompleting_) {
        autoCompleteTimer_->stop();
        return;
    }
    Q_EMIT autoCompleteStepWillRun(!reduceMotionEnabled_);
    finishAutoCompleteStep();
}

} // namespace murvane
