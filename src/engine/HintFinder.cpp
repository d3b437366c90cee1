#include "engine/HintFinder.h"

#include "engine/SolitaireGame.h"
#include "engine/SolverCards.h"
#include "text/Localization.h"
#include "solver/HintSearch.h"

#include <algorithm>

#include <QMetaObject>

namespace murvane {

namespace {

using solver::HintMove;
using solver::HintResult;

} // namespace

solver::HintPosition hintPositionOf(const SolitaireGame& game)
{
    solver::HintPosition p;
    for (int c = 0; c < kColumnCount; ++c)
        p.tableau[std::size_t(c)] = toSolverCards(game.play().tableau()[c]);
    p.stock = toSolverCards(game.play().stock());
    p.waste = toSolverCards(game.play().waste());
    for (const Pile& f : game.play().foundations())
        if (!f.isEmpty())
            p.foundation[std::size_t(suitIndex(f.last().suit))] = int(f.size());
    const DealRules rules = game.settings().dealRules();
    p.drawCount = int(game.settings().drawMode().count());
    if (rules.maxRecycles)
        p.recyclesLeft = int(std::max<std::int64_t>(0, *rules.maxRecycles - game.play().redealsUsed()));
    return p;
}

namespace {

// The game's foundation pile that takes a card of this suit next (its own
// pile, or the first empty one for an Ace), or that holds the suit on top.
int foundationFor(const Table& table, int suit, bool taking)
{
    for (int f = 0; f < kFoundationCount; ++f) {
        const Pile& pile = table.foundations[f];
        if (!pile.isEmpty() && suitIndex(pile.last().suit) == suit)
            return f;
    }
    if (taking)
        for (int f = 0; f < kFoundationCount; ++f)
            if (table.foundations[f].isEmpty())
                return f;
    return -1;
}

QString columnText(int column) { return localizedString(QStringLiteral("column %lld"), {std::int64_t(column + 1)}); }

// The first move of the line as the game names it; none when the piles do
// not allow it (they always should).
std::optional<Hint> hintFor(const Table& table, const HintMove& m)
{
    using K = HintMove::Kind;
    Hint hint;
    hint.kind = Hint::Kind::move;
    switch (m.kind) {
    case K::draw:
        return Hint{Hint::Kind::draw, {}, localizedString(QStringLiteral("Draw from the stock"))};
    case K::recycle:
        return Hint{Hint::Kind::recycle, {}, localizedString(QStringLiteral("Turn the waste back over"))};
    case K::wasteToFoundation:
        hint.move = {DragSource::waste(), MoveTarget::foundation(foundationFor(table, m.suitIndex, true))};
        break;
    case K::wasteToColumn:
        hint.move = {DragSource::waste(), MoveTarget::tableau(m.toColumn)};
        break;
    case K::columnToFoundation:
        hint.move = {DragSource::tableau(m.fromColumn, int(table.tableau[m.fromColumn].size()) - 1),
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
    const Card moving = moves::cardsFor(table, hint.move.source).first();
    const QString where = hint.move.target.kind == MoveTarget::Kind::tableau
                              ? columnText(hint.move.target.index)
                              : localizedString(QStringLiteral("foundation %lld"), {std::int64_t(hint.move.target.index + 1)});
    hint.text = localizedString(QStringLiteral("Move %1$@ to %2$@"), {moving.accessibilityName(), where});
    return hint;
}

bool sameCards(const std::vector<solver::SolverCard>& a, const std::vector<solver::SolverCard>& b, bool faces)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [faces](const auto& x, const auto& y) {
        return x.suitIndex == y.suitIndex && x.rank == y.rank && (!faces || x.isFaceUp == y.isFaceUp);
    });
}

bool samePosition(const solver::HintPosition& a, const solver::HintPosition& b)
{
    for (int c = 0; c < kColumnCount; ++c)
        if (!sameCards(a.tableau[std::size_t(c)], b.tableau[std::size_t(c)], true))
            return false;
    return sameCards(a.stock, b.stock, false) && sameCards(a.waste, b.waste, false) &&
           a.foundation == b.foundation && a.drawCount == b.drawCount && a.recyclesLeft == b.recyclesLeft;
}

} // namespace

HintFinder::HintFinder(const SolitaireGame& game, const solver::HintBudget& budget, QObject* parent)
    : QObject(parent), game_(game), budget_(budget)
{
    for (auto signal : {&GamePlay::stockChanged, &GamePlay::wasteChanged,
                        &GamePlay::foundationsChanged, &GamePlay::tableauChanged})
        connect(&game_.play(), signal, this, &HintFinder::positionChanged);
}

HintFinder::~HintFinder()
{
    stop_ = true;
    joinWorker();
}

QString HintFinder::lostText()
{
    return localizedString(QStringLiteral("This game can no longer be won. Undo or start a new deal."));
}

QString HintFinder::noLineText() { return localizedString(QStringLiteral("No winning line found from here.")); }

bool HintFinder::request()
{
    if (searching_ && searchedGeneration_ == generation_)
        return true; // already searching this very position
    if (game_.play().hasWon() || game_.play().isAutoCompleting())
        return false;
    if (followLine())
        return true;
    // A finished search whose answer is still queued, or a cancelled one,
    // which gives up within about a thousand positions.
    joinWorker();
    stop_ = false;
    const std::uint64_t id = ++searchId_;
    const std::uint64_t generation = generation_;
    searchedGeneration_ = generation;
    if (!searching_) {
        searching_ = true;
        Q_EMIT isSearchingChanged();
    }
    worker_ = std::thread([this, id, generation, position = hintPositionOf(game_), budget = budget_] {
        const HintResult r = solver::findHint(position, budget, &stop_);
        QMetaObject::invokeMethod(
            this, [this, id, generation, r, position] { finish(id, generation, r, position); }, Qt::QueuedConnection);
    });
    return true;
}

void HintFinder::finish(std::uint64_t id, std::uint64_t generation, const solver::HintResult& r,
                        const solver::HintPosition& searched)
{
    if (id != searchId_)
        return; // replaced by a later search
    searching_ = false;
    joinWorker();
    Q_EMIT isSearchingChanged();
    // Dropped when the piles changed meanwhile or the search was stopped.
    if (generation != generation_ || r.verdict == HintResult::Verdict::stopped)
        return;
    Hint hint{Hint::Kind::noLineFound, {}, noLineText()};
    if (r.verdict == HintResult::Verdict::provedLost)
        hint = {Hint::Kind::lost, {}, lostText()};
    else if (r.verdict == HintResult::Verdict::winningLine && !r.line.empty()) {
        line_ = r.line;
        lineNext_ = 0;
        lineAt_ = searched;
        hint = hintFor(game_.play().table(), r.line.front()).value_or(hint);
    }
    Q_EMIT hintFound(hint);
}

// Hints taken one after another follow one line to the win: searching
// afresh each time could send the player back and forth between two
// positions. The line is kept while the piles are where it leads.
bool HintFinder::followLine()
{
    if (lineNext_ >= line_.size())
        return false;
    const solver::HintPosition now = hintPositionOf(game_);
    if (!samePosition(now, lineAt_)) {
        solver::HintPosition next = lineAt_;
        if (lineNext_ + 1 >= line_.size() || !solver::applyHintMove(next, line_[lineNext_]) ||
            !samePosition(now, next)) {
            line_.clear();
            return false;
        }
        ++lineNext_;
        lineAt_ = next;
    }
    const auto hint = hintFor(game_.play().table(), line_[lineNext_]);
    if (!hint) {
        line_.clear();
        return false;
    }
    Q_EMIT hintFound(*hint);
    return true;
}

void HintFinder::cancel()
{
    stop_ = true;
    ++generation_;
}

void HintFinder::positionChanged()
{
    // A move made while searching: the answer would be about another position.
    cancel();
}

void HintFinder::joinWorker()
{
    if (worker_.joinable())
        worker_.join();
}

} // namespace murvane
