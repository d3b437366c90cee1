// The hint search as it was before mid-game positions were measured, kept
// verbatim (only renamed into its own namespace) so that hint_time compares
// old and new in one run on the same positions.
#include "hint_old.h"

#include "solver/DealText.h"
#include "solver/HintState.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace murvane::solver::old_hint {

using namespace murvane::solver::hint;

namespace {

void turnUpTop(State& s, int col)
{
    const int len = s.colLen[std::size_t(col)];
    if (len > 0)
        s.col[std::size_t(col)][std::size_t(len - 1)] |= kFaceUpBit;
}

void push(State& s, int col, CardCode c)
{
    s.col[std::size_t(col)][s.colLen[std::size_t(col)]++] = CardCode(c | kFaceUpBit);
}

struct Step {
    enum class Kind : std::uint8_t { draw, recycle, home, column };
    Kind kind = Kind::draw;
    int card = 0; // card index, home and column
    int toColumn = 0;
};

void oldLegalMoves(const State& s, bool all, std::vector<HintMove>& out)
{
    using K = HintMove::Kind;
    const bool hasWaste = s.wasteLen > 0;
    const CardCode w = hasWaste ? s.waste[std::size_t(s.wasteLen - 1)] : CardCode(0);
    if (hasWaste && fitsFoundation(s, w))
        out.push_back({K::wasteToFoundation, 0, 0, 0, codeSuit(w)});
    for (int from = 0; from < kColumnCount; ++from) {
        const int len = s.colLen[std::size_t(from)];
        const CardCode top = len > 0 ? s.col[std::size_t(from)][std::size_t(len - 1)] : CardCode(0);
        if (len > 0 && codeIsFaceUp(top) && fitsFoundation(s, top))
            out.push_back({K::columnToFoundation, from, 0, 0, codeSuit(top)});
    }
    auto runs = [&](bool uncovering) {
        for (int from = 0; from < kColumnCount; ++from) {
            const int len = s.colLen[std::size_t(from)];
            const auto& pile = s.col[std::size_t(from)];
            for (int start = len - 1; start >= 0 && codeIsFaceUp(pile[std::size_t(start)]); --start) {
                const bool uncovers = start > 0 && !codeIsFaceUp(pile[std::size_t(start - 1)]);
                if (uncovers != uncovering)
                    continue;
                for (int to = 0; to < kColumnCount; ++to) {
                    if (to == from || !fitsColumn(s, to, pile[std::size_t(start)]))
                        continue;
                    if (start == 0 && s.colLen[std::size_t(to)] == 0 && !all)
                        continue;
                    out.push_back({K::columnToColumn, from, start, to, 0});
                }
            }
        }
    };
    runs(true);
    for (int c = 0; hasWaste && c < kColumnCount; ++c)
        if (fitsColumn(s, c, w))
            out.push_back({K::wasteToColumn, 0, 0, c, 0});
    runs(false);
    if (s.stockLen > 0)
        out.push_back({K::draw, 0, 0, 0, 0});
    else if (s.wasteLen > 0 && s.recyclesLeft != 0)
        out.push_back({K::recycle, 0, 0, 0, 0});
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const int n = s.found[std::size_t(suit)];
        if (n == 0)
            continue;
        const CardCode c = cardCode(suit, n, true);
        for (int to = 0; to < kColumnCount; ++to)
            if (fitsColumn(s, to, c))
                out.push_back({K::foundationToColumn, 0, 0, to, suit});
    }
}



void oldApply(State& s, const HintMove& m)
{
    using K = HintMove::Kind;
    switch (m.kind) {
    case K::wasteToFoundation:
        --s.wasteLen;
        ++s.found[std::size_t(m.suitIndex)];
        break;
    case K::wasteToColumn:
        push(s, m.toColumn, s.waste[--s.wasteLen]);
        break;
    case K::columnToFoundation:
        --s.colLen[std::size_t(m.fromColumn)];
        ++s.found[std::size_t(m.suitIndex)];
        turnUpTop(s, m.fromColumn);
        break;
    case K::columnToColumn: {
        const int len = s.colLen[std::size_t(m.fromColumn)];
        for (int i = m.startIndex; i < len; ++i)
            push(s, m.toColumn, s.col[std::size_t(m.fromColumn)][std::size_t(i)]);
        s.colLen[std::size_t(m.fromColumn)] = std::uint8_t(m.startIndex);
        turnUpTop(s, m.fromColumn);
        break;
    }
    case K::foundationToColumn:
        push(s, m.toColumn, cardCode(m.suitIndex, s.found[std::size_t(m.suitIndex)]--, true));
        break;
    case K::draw:
        for (int i = 0; i < s.drawCount && s.stockLen > 0; ++i)
            s.waste[s.wasteLen++] = s.stock[--s.stockLen];
        break;
    case K::recycle:
        for (int i = 0; i < s.wasteLen; ++i)
            s.stock[std::size_t(i)] = s.waste[std::size_t(s.wasteLen - 1 - i)];
        s.stockLen = s.wasteLen;
        s.wasteLen = 0;
        if (s.recyclesLeft > 0)
            --s.recyclesLeft;
        break;
    }
}




enum class Resolved { move, noop, illegal };

Resolved resolve(const State& s, const Step& step, HintMove& out)
{
    using K = HintMove::Kind;
    if (step.kind == Step::Kind::draw) {
        out = {K::draw};
        return s.stockLen > 0 ? Resolved::move : Resolved::illegal;
    }
    if (step.kind == Step::Kind::recycle) {
        out = {K::recycle};
        return s.stockLen == 0 && s.wasteLen > 0 && s.recyclesLeft != 0 ? Resolved::move : Resolved::illegal;
    }
    const int suit = step.card / kRanksPerSuit;
    const int rank = step.card % kRanksPerSuit + 1;
    const CardCode code = cardCode(suit, rank, true);
    enum class From { waste, column, foundation } from;
    int fromColumn = 0, index = 0;
    if (s.wasteLen > 0 && (s.waste[std::size_t(s.wasteLen - 1)] & kCardIndexMask) == step.card) {
        from = From::waste;
    } else if (s.found[std::size_t(suit)] >= rank) {
        if (s.found[std::size_t(suit)] != rank)
            return Resolved::illegal;
        from = From::foundation;
    } else {
        from = From::column;
        fromColumn = -1;
        for (int c = 0; c < kColumnCount && fromColumn < 0; ++c)
            for (int i = 0; i < s.colLen[std::size_t(c)]; ++i)
                if ((s.col[std::size_t(c)][std::size_t(i)] & kCardIndexMask) == step.card) {
                    if (!codeIsFaceUp(s.col[std::size_t(c)][std::size_t(i)]))
                        return Resolved::illegal;
                    fromColumn = c;
                    index = i;
                    break;
                }
        if (fromColumn < 0)
            return Resolved::illegal; // in the stock or under the waste top
    }
    if (step.kind == Step::Kind::home) {
        if (from == From::foundation)
            return Resolved::noop;
        if (!fitsFoundation(s, code))
            return Resolved::illegal;
        if (from == From::waste) {
            out = {K::wasteToFoundation, 0, 0, 0, suit};
            return Resolved::move;
        }
        if (index != s.colLen[std::size_t(fromColumn)] - 1)
            return Resolved::illegal;
        out = {K::columnToFoundation, fromColumn, 0, 0, suit};
        return Resolved::move;
    }
    if (from == From::column && fromColumn == step.toColumn)
        return Resolved::noop;
    if (!fitsColumn(s, step.toColumn, code))
        return Resolved::illegal;
    switch (from) {
    case From::waste: out = {K::wasteToColumn, 0, 0, step.toColumn, 0}; break;
    case From::column: out = {K::columnToColumn, fromColumn, index, step.toColumn, 0}; break;
    case From::foundation: out = {K::foundationToColumn, 0, 0, step.toColumn, suit}; break;
    }
    return Resolved::move;
}


// Plays steps from `from` on, from `s`; true when they end in a won game.
// `out`, when given, receives the moves played.
bool replay(State s, const std::vector<Step>& steps, std::size_t from, std::vector<HintMove>* out = nullptr)
{
    for (std::size_t i = from; i < steps.size(); ++i) {
        if (isWon(s))
            return true;
        HintMove m;
        const Resolved r = resolve(s, steps[i], m);
        if (r == Resolved::illegal)
            return false;
        if (r == Resolved::noop)
            continue;
        oldApply(s, m);
        if (out)
            out->push_back(m);
    }
    return isWon(s);
}

} // namespace

Step oldStepOf(const State& s, const HintMove& m)
{
    using K = HintMove::Kind;
    auto index = [](CardCode c) { return int(c & kCardIndexMask); };
    switch (m.kind) {
    case K::draw: return {Step::Kind::draw};
    case K::recycle: return {Step::Kind::recycle};
    case K::wasteToFoundation: return {Step::Kind::home, index(s.waste[std::size_t(s.wasteLen - 1)])};
    case K::wasteToColumn: return {Step::Kind::column, index(s.waste[std::size_t(s.wasteLen - 1)]), m.toColumn};
    case K::columnToFoundation:
        return {Step::Kind::home, index(s.col[std::size_t(m.fromColumn)][std::size_t(s.colLen[std::size_t(m.fromColumn)] - 1)])};
    case K::columnToColumn:
        return {Step::Kind::column, index(s.col[std::size_t(m.fromColumn)][std::size_t(m.startIndex)]), m.toColumn};
    case K::foundationToColumn:
        return {Step::Kind::column, m.suitIndex * kRanksPerSuit + s.found[std::size_t(m.suitIndex)] - 1, m.toColumn};
    }
    return {};
}

std::vector<HintMove> oldShorten(const State& start, const std::vector<HintMove>& line, const std::atomic<bool>* stop)
{
    std::vector<Step> steps;
    steps.reserve(line.size());
    std::vector<State> before; // before[i]: the position before steps[i]
    before.reserve(line.size() + 1);
    State s = start;
    for (const HintMove& m : line) {
        before.push_back(s);
        steps.push_back(oldStepOf(s, m));
        oldApply(s, m);
    }
    auto refresh = [&](std::size_t from) {
        before.resize(from + 1);
        State at = before[from];
        for (std::size_t i = from; i + 1 < steps.size(); ++i) {
            HintMove m;
            if (resolve(at, steps[i], m) == Resolved::move)
                oldApply(at, m);
            before.push_back(at);
        }
    };
    auto tryCut = [&](std::size_t first, std::size_t last) { // [first, last)
        std::vector<Step> shorter(steps.begin(), steps.begin() + std::ptrdiff_t(first));
        shorter.insert(shorter.end(), steps.begin() + std::ptrdiff_t(last), steps.end());
        if (!replay(before[first], shorter, first))
            return false;
        steps = std::move(shorter);
        if (first < steps.size())
            refresh(first);
        return true;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (stop && stop->load(std::memory_order_relaxed))
                return line;
            const bool stockOnly = steps[i].kind == Step::Kind::draw || steps[i].kind == Step::Kind::recycle;
            if (!stockOnly) {
                while (i < steps.size() && tryCut(i, i + 1))
                    changed = true;
                continue;
            }
            // A pass through the stock: its draws and the recycle ending it.
            std::size_t end = i;
            while (end < steps.size() && steps[end].kind == Step::Kind::draw)
                ++end;
            if (end < steps.size() && steps[end].kind == Step::Kind::recycle && (i == 0 || steps[i - 1].kind == Step::Kind::recycle)
                && tryCut(i, end + 1)) {
                changed = true;
                --i;
            }
        }
    }
    // A run moved off a face-down card and straight back onto it once turned
    // up cannot be cut; a later step played between the two keeps the line
    // from taking a move straight back.
    auto undoesPrevious = [&](std::size_t i) {
        const Step& a = steps[i];
        const Step& b = steps[i + 1];
        if (a.kind != Step::Kind::column || b.kind != Step::Kind::column || a.card != b.card)
            return false;
        HintMove m;
        return resolve(before[i], a, m) == Resolved::move && m.kind == HintMove::Kind::columnToColumn
            && m.fromColumn == b.toColumn;
    };
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        if (!undoesPrevious(i))
            continue;
        for (std::size_t k = i + 2; k < std::min(steps.size(), i + 8); ++k) {
            std::vector<Step> moved = steps;
            const Step back = moved[i + 1];
            moved.erase(moved.begin() + std::ptrdiff_t(i + 1));
            moved.insert(moved.begin() + std::ptrdiff_t(k), back);
            if (!replay(before[i], moved, i))
                continue;
            const std::vector<Step> kept = std::exchange(steps, std::move(moved));
            refresh(i);
            bool clean = true;
            for (std::size_t j = i; j + 1 < steps.size() && j <= k; ++j)
                clean = clean && !undoesPrevious(j);
            if (clean)
                break;
            steps = kept;
            refresh(i);
        }
    }
    std::vector<HintMove> result;
    if (!replay(start, steps, 0, &result))
        return line; // never expected: every cut was played out before it was kept
    return result;
}

namespace {


constexpr int kKeySize = 72; // cards, seven column ends, foundation, two marks, recycles

// The exact identity of a position up to the order of the columns, which
// does not change what can be won: the columns sorted as byte strings, the
// foundation, the stock, the waste and the recycles left, zero-padded.
using Key = std::array<std::uint64_t, kKeySize / 8>;

Key keyOf(const State& s)
{
    std::array<int, kColumnCount> order{0, 1, 2, 3, 4, 5, 6};
    auto less = [&](int a, int b) {
        const auto& x = s.col[std::size_t(a)];
        const auto& y = s.col[std::size_t(b)];
        return std::lexicographical_compare(x.begin(), x.begin() + s.colLen[std::size_t(a)], y.begin(),
                                            y.begin() + s.colLen[std::size_t(b)]);
    };
    for (int i = 1; i < kColumnCount; ++i) // insertion sort: seven short strings
        for (int j = i; j > 0 && less(order[std::size_t(j)], order[std::size_t(j - 1)]); --j)
            std::swap(order[std::size_t(j)], order[std::size_t(j - 1)]);
    std::array<std::uint8_t, kKeySize> bytes{};
    std::size_t n = 0;
    for (int c : order) {
        std::memcpy(bytes.data() + n, s.col[std::size_t(c)].data(), s.colLen[std::size_t(c)]);
        n += s.colLen[std::size_t(c)];
        bytes[n++] = 0xFF;
    }
    std::memcpy(bytes.data() + n, s.found.data(), kSuitCount);
    n += kSuitCount;
    bytes[n++] = 0xFE;
    std::memcpy(bytes.data() + n, s.stock.data(), s.stockLen);
    n += s.stockLen;
    bytes[n++] = 0xFD;
    std::memcpy(bytes.data() + n, s.waste.data(), s.wasteLen);
    n += s.wasteLen;
    bytes[n] = std::uint8_t(s.recyclesLeft);
    Key key;
    std::memcpy(key.data(), bytes.data(), kKeySize);
    return key;
}

// The positions already seen, compared whole (never by hash alone, so that
// "no win" stays a proof). Open addressing; a zero hash marks a free slot.
class KeySet {
public:
    explicit KeySet(std::size_t expected)
    {
        std::size_t cap = 1024;
        while (cap < expected * 2)
            cap *= 2;
        resize(cap);
    }
    bool insert(const Key& key)
    {
        if ((size_ + 1) * 2 > hashes_.size())
            resize(hashes_.size() * 2);
        return place(key, hashOf(key));
    }

private:
    static std::uint64_t hashOf(const Key& key)
    {
        std::uint64_t h = 0x9E3779B97F4A7C15ull;
        for (std::uint64_t w : key) {
            h ^= w;
            h *= 0xFF51AFD7ED558CCDull;
            h ^= h >> 32;
        }
        return h | 1;
    }
    bool place(const Key& key, std::uint64_t h)
    {
        const std::size_t mask = hashes_.size() - 1;
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            if (hashes_[i] == 0) {
                hashes_[i] = h;
                keys_[i] = key;
                ++size_;
                return true;
            }
            if (hashes_[i] == h && keys_[i] == key)
                return false;
        }
    }
    void resize(std::size_t cap)
    {
        std::vector<std::uint64_t> oldHashes(cap, 0);
        std::vector<Key> oldKeys(cap);
        oldHashes.swap(hashes_);
        oldKeys.swap(keys_);
        size_ = 0;
        for (std::size_t i = 0; i < oldHashes.size(); ++i)
            if (oldHashes[i] != 0)
                place(oldKeys[i], oldHashes[i]);
    }

    std::vector<std::uint64_t> hashes_;
    std::vector<Key> keys_;
    std::size_t size_ = 0;
};

bool isValid(const HintPosition& p)
{
    if (!SolverSearch::isValidPosition(p.tableau, p.stock, p.waste, p.foundation))
        return false;
    // Room for every position the rules can reach from here: a column's
    // face-up cards form one run, and the stock and waste hold what a deal
    // leaves over.
    if (p.stock.size() + p.waste.size() > std::size_t(kStockCapacity))
        return false;
    for (const auto& col : p.tableau) {
        std::size_t firstUp = 0;
        while (firstUp < col.size() && !col[firstUp].isFaceUp)
            ++firstUp;
        if (firstUp > std::size_t(kMaxFaceDown))
            return false;
        for (std::size_t i = firstUp + 1; i < col.size(); ++i) {
            const CardCode below = codeOf(col[i - 1], true), above = codeOf(col[i], true);
            if (!col[i].isFaceUp || codeIsRed(below) == codeIsRed(above) || rankOf(below) != rankOf(above) + 1)
                return false;
        }
    }
    // Every card exactly once across piles and foundations.
    std::array<int, kDeckSize> seen{};
    auto mark = [&](const std::vector<SolverCard>& pile) {
        for (const SolverCard& c : pile)
            ++seen[std::size_t(c.suitIndex * kRanksPerSuit + c.rank - 1)];
    };
    for (const auto& col : p.tableau)
        mark(col);
    mark(p.stock);
    mark(p.waste);
    for (int suit = 0; suit < kSuitCount; ++suit) {
        if (p.foundation[std::size_t(suit)] < 0 || p.foundation[std::size_t(suit)] > kRanksPerSuit)
            return false;
        for (int r = 0; r < p.foundation[std::size_t(suit)]; ++r)
            ++seen[std::size_t(suit * kRanksPerSuit + r)];
    }
    return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
}

} // namespace

HintResult searchAllMoves(const HintPosition& position, std::int64_t maxNodes, const std::atomic<bool>* stop)
{
    HintResult result;
    if (!isValid(position))
        return result;
    // The path: each position with the move that led to it and its own
    // slice of the shared move stack.
    struct Frame {
        State state;
        HintMove applied;
        std::size_t next = 0;
        std::size_t end = 0;
    };
    std::vector<Frame> path;
    std::vector<HintMove> moves;
    path.push_back({toState(position), {}, 0, 0});
    if (isWon(path.back().state)) {
        result.verdict = HintResult::Verdict::winningLine;
        return result;
    }
    oldLegalMoves(path.back().state, false, moves);
    path.back().end = moves.size();
    KeySet visited(std::size_t(std::clamp<std::int64_t>(maxNodes, 1, 1 << 20)));
    visited.insert(keyOf(path.back().state));
    result.nodes = 1;
    while (!path.empty()) {
        Frame& top = path.back();
        if (top.next == top.end) {
            moves.resize(path.size() > 1 ? path[path.size() - 2].end : 0); // the parent's moves end here
            path.pop_back();
            continue;
        }
        const HintMove m = moves[top.next++];
        State child = top.state;
        oldApply(child, m);
        if (isWon(child)) {
            for (std::size_t i = 1; i < path.size(); ++i)
                result.line.push_back(path[i].applied);
            result.line.push_back(m);
            result.verdict = HintResult::Verdict::winningLine;
            return result;
        }
        if (!visited.insert(keyOf(child)))
            continue;
        if (result.nodes >= maxNodes) {
            result.verdict = HintResult::Verdict::budgetSpent;
            return result;
        }
        ++result.nodes;
        if (stop && result.nodes % 1024 == 0 && stop->load(std::memory_order_relaxed)) {
            result.verdict = HintResult::Verdict::stopped;
            return result;
        }
        const std::size_t start = moves.size();
        oldLegalMoves(child, false, moves);
        path.push_back({child, m, start, moves.size()});
    }
    result.verdict = HintResult::Verdict::provedLost;
    return result;
}

namespace {

// Deal verification's search, with its move order and a larger budget: the
// line it wins with, none when it found none, or nullopt when stopped.
std::optional<std::vector<HintMove>> verificationLine(const HintPosition& p, int drawCount, std::int64_t maxNodes,
                                                      const std::atomic<bool>* stop, bool& stopped)
{
    SolverSearch search(p.tableau, p.stock, p.waste, p.foundation, drawCount, maxNodes, p.recyclesLeft);
    search.prepareFastest();
    search.setStopFlag(stop);
    if (!search.search()) {
        stopped = search.stopped();
        return std::nullopt;
    }
    using K = HintMove::Kind;
    using SK = SolverMove::Kind;
    std::vector<HintMove> line;
    for (const SolverMove& m : search.winningLine()) {
        switch (m.kind) {
        case SK::wasteToFoundation: line.push_back({K::wasteToFoundation, 0, 0, 0, m.a}); break;
        case SK::wasteToTableau: line.push_back({K::wasteToColumn, 0, 0, m.a, 0}); break;
        case SK::tableauToFoundation: line.push_back({K::columnToFoundation, m.a, 0, 0, m.b}); break;
        case SK::tableauToTableau: line.push_back({K::columnToColumn, m.a, m.b, m.c, 0}); break;
        case SK::recycle: line.push_back({K::recycle}); break;
        case SK::draw:
            // Turning three is turning one three times, so a line found for
            // a larger draw also plays with a smaller one.
            for (int i = 0; i < m.a; i += p.drawCount)
                line.push_back({K::draw});
            break;
        }
    }
    return line;
}

} // namespace

HintResult findHint(const HintPosition& position, const HintBudget& budget, const std::atomic<bool>* stop)
{
    HintResult result;
    if (!isValid(position))
        return result;
    const State start = toState(position);
    if (isWon(start)) {
        result.verdict = HintResult::Verdict::winningLine;
        return result;
    }
    auto stopped = [&] {
        result.verdict = HintResult::Verdict::stopped;
        return result;
    };
    // Deals with unlimited passes are verified with a draw of three, which
    // a draw of one can follow: with a draw of one, that search comes after
    // a short one of its own (whose lines draw less) and before the long one.
    const int drawCount = std::max(1, position.drawCount);
    struct Stage {
        int drawCount;
        std::int64_t nodes;
    };
    std::vector<Stage> stages;
    if (!position.recyclesLeft && drawCount < 3)
        stages = {{drawCount, std::min(budget.lineNodes, kDefaultMaxNodes)}, {3, std::min(budget.lineNodes, kDefaultMaxNodes)}};
    if (stages.empty() || budget.lineNodes > kDefaultMaxNodes)
        stages.push_back({drawCount, budget.lineNodes});
    for (const Stage& stage : stages) {
        bool wasStopped = false;
        const auto line = verificationLine(position, stage.drawCount, stage.nodes, stop, wasStopped);
        if (wasStopped)
            return stopped();
        if (line) {
            result.verdict = HintResult::Verdict::winningLine;
            result.line = oldShorten(start, *line, stop);
            return result;
        }
    }
    result = old_hint::searchAllMoves(position, budget.proofNodes, stop);
    if (result.verdict == HintResult::Verdict::winningLine)
        result.line = oldShorten(start, result.line, stop);
    return result;
}


void legalMovesInOldOrder(const State& s, std::vector<HintMove>& out) { oldLegalMoves(s, true, out); }

} // namespace murvane::solver::old_hint
