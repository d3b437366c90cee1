#include "engine/HintFinder.h"

#include "engine/SolverCards.h"
#include "solver/HintState.h"

#include <algorithm>

namespace murvane {

solver::HintPosition hintPositionOf(const Table& table, std::int64_t drawCount,
                                    std::optional<std::int64_t> recyclesLeft)
{
    solver::HintPosition p;
    for (int c = 0; c < kColumnCount; ++c)
        p.tableau[std::size_t(c)] = toSolverCards(table.tableau[std::size_t(c)]);
    p.stock = toSolverCards(table.stock);
    p.waste = toSolverCards(table.waste);
    for (const Pile& f : table.foundations)
        if (!f.isEmpty())
            p.foundation[std::size_t(suitIndex(f.last().suit))] = int(f.size());
    p.drawCount = int(drawCount);
    if (recyclesLeft)
        p.recyclesLeft = int(std::max<std::int64_t>(0, *recyclesLeft));
    return p;
}

namespace {

using solver::HintMove;
using solver::HintResult;

// The game's foundation pile that takes a card of this suit next (its own
// pile, or the first empty one for an Ace), or that holds the suit on top.
int foundationFor(const Table& table, int suit, bool taking)
{
    for (int f = 0; f < kFoundationCount; ++f) {
        const Pile& pile = table.foundations[std::size_t(f)];
        if (!pile.isEmpty() && suitIndex(pile.last().suit) == suit)
            return f;
    }
    if (taking)
        for (int f = 0; f < kFoundationCount; ++f)
            if (table.foundations[std::size_t(f)].isEmpty())
                return f;
    return -1;
}

// The first move of the line as the game names it; none when the piles do
// not allow it (they always should).
std::optional<Hint> hintFor(const Table& table, const HintMove& m)
{
    using K = HintMove::Kind;
    Hint hint;
    hint.kind = Hint::Kind::move;
    switch (m.kind) {
    case K::draw:
        return Hint{Hint::Kind::draw, {}};
    case K::recycle:
        return Hint{Hint::Kind::recycle, {}};
    case K::wasteToFoundation:
        hint.move = {DragSource::waste(), MoveTarget::foundation(foundationFor(table, m.suitIndex, true))};
        break;
    case K::wasteToColumn:
        hint.move = {DragSource::waste(), MoveTarget::tableau(m.toColumn)};
        break;
    case K::columnToFoundation:
        hint.move = {DragSource::tableau(m.fromColumn, int(table.tableau[std::size_t(m.fromColumn)].size()) - 1),
                     MoveTarget::foundation(foundationFor(table, m.suitIndex, true))};
        break;
    case K::columnToColumn:
        hint.move = {DragSource::tableau(m.fromColumn, m.startIndex), MoveTarget::tableau(m.toColumn)};
        break;
    case K::foundationToColumn:
        hint.move = {DragSource::foundation(foundationFor(table, m.suitIndex, false)), MoveTarget::tableau(m.toColumn)};
        break;
    }
    if (hint.move.target.index < 0 || hint.move.source.index < 0 ||
        !moves::isPlayable(table, hint.move.source, hint.move.target))
        return std::nullopt;
    return hint;
}

} // namespace

HintFinder::HintFinder(const solver::HintBudget& budget, QObject* parent) : QObject(parent), budget_(budget) {}

bool HintFinder::request(const solver::HintPosition& now, const Table& table)
{
    const std::string key = solver::positionKey(now);
    if (isSearching() && key == searchedKey_)
        return true; // already searching this very position
    positionChanged(); // a search from other piles is of no use now
    if (followLine(key, table))
        return true;
    searchedKey_ = key;
    searchedPiles_ = {table.stock, table.waste, table.foundations, table.tableau};
    search_.start(
        [now, budget = budget_](const std::atomic<bool>& stop) { return solver::findHint(now, budget, &stop); },
        [this, now](const HintResult& result) { finish(result, now); });
    if (isSearching())
        Q_EMIT isSearchingChanged();
    return isSearching();
}

void HintFinder::finish(const HintResult& r, const solver::HintPosition& searched)
{
    Q_EMIT isSearchingChanged();
    if (r.verdict == HintResult::Verdict::stopped)
        return;
    Hint hint{Hint::Kind::noLineFound, {}};
    if (r.verdict == HintResult::Verdict::provedLost)
        hint.kind = Hint::Kind::lost;
    else if (r.verdict == HintResult::Verdict::winningLine && !r.line.empty()) {
        line_ = r.line;
        lineNext_ = 0;
        lineAt_ = searched;
        lineAtKey_ = searchedKey_;
        hint = hintFor(searchedPiles_.table(), r.line.front()).value_or(hint);
    }
    Q_EMIT hintFound(hint);
}

// Hints taken one after another follow one line to the win: searching
// afresh each time could send the player back and forth between two
// positions. The line is kept while the piles are where it leads.
bool HintFinder::followLine(const std::string& key, const Table& table)
{
    if (lineNext_ >= line_.size())
        return false;
    if (key != lineAtKey_) {
        solver::HintPosition next = lineAt_;
        if (lineNext_ + 1 >= line_.size() || !solver::applyHintMove(next, line_[lineNext_]) ||
            solver::positionKey(next) != key) {
            line_.clear();
            return false;
        }
        ++lineNext_;
        lineAt_ = std::move(next);
        lineAtKey_ = key;
    }
    const auto hint = hintFor(table, line_[lineNext_]);
    if (!hint) {
        line_.clear();
        return false;
    }
    Q_EMIT hintFound(*hint);
    return true;
}

void HintFinder::positionChanged()
{
    // A move made while searching: the answer would be about another position.
    if (!isSearching())
        return;
    search_.stop();
    Q_EMIT isSearchingChanged();
}

} // namespace murvane
