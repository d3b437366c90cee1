#include "solver/HintSearch.h"

#include "solver/DealText.h"
#include "solver/HintLine.h"
#include "solver/HintState.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace murvane::solver {

using namespace hint;

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

// The exact search, depth first over whole positions, once per instance.
class AllMovesSearch {
public:
    // `fromFoundation` false leaves out cards taken back from the
    // foundation: lines a player would play, but no proof of a loss.
    AllMovesSearch(const HintPosition& position, std::int64_t expectedNodes, MoveOrder order, bool fromFoundation = true)
        : visited_(std::size_t(std::clamp<std::int64_t>(expectedNodes, 1, 1 << 20))), order_(order),
          fromFoundation_(fromFoundation)
    {
        path_.push_back({toState(position), {}, 0, 0});
        won_ = isWon(path_.back().state);
        expand(path_.back().state);
        path_.back().end = moves_.size();
        visited_.insert(keyOf(path_.back().state));
        nodes_ = 1;
    }

    // Searches until won, proved lost, stopped or past `maxNodes` positions.
    HintResult::Verdict run(std::int64_t maxNodes, const std::atomic<bool>* stop)
    {
        using V = HintResult::Verdict;
        if (won_)
            return V::winningLine;
        while (!path_.empty()) {
            Frame& top = path_.back();
            if (top.next == top.end) {
                moves_.resize(path_.size() > 1 ? path_[path_.size() - 2].end : 0); // the parent's moves end here
                path_.pop_back();
                continue;
            }
            const HintMove m = moves_[top.next++];
            State child = top.state;
            apply(child, m);
            if (isWon(child)) {
                for (std::size_t i = 1; i < path_.size(); ++i)
                    line_.push_back(path_[i].applied);
                line_.push_back(m);
                won_ = true;
                return V::winningLine;
            }
            if (!visited_.insert(keyOf(child)))
                continue;
            if (nodes_ >= maxNodes)
                return V::budgetSpent;
            ++nodes_;
            if (stop && nodes_ % kStopPollNodes == 0 && stop->load(std::memory_order_relaxed))
                return V::stopped;
            const std::size_t start = moves_.size();
            expand(child);
            path_.push_back({child, m, start, moves_.size()});
        }
        return fromFoundation_ ? V::provedLost : V::budgetSpent;
    }

    const std::vector<HintMove>& line() const { return line_; }
    std::int64_t nodes() const { return nodes_; }

private:
    static constexpr std::int64_t kStopPollNodes = 256;
    void expand(const State& s)
    {
        legalMoves(s, false, moves_, order_);
        while (!fromFoundation_ && !moves_.empty() && moves_.back().kind == HintMove::Kind::foundationToColumn)
            moves_.pop_back(); // they come last
    }
    // The path: each position with the move that led to it and its own
    // slice of the shared move stack.
    struct Frame {
        State state;
        HintMove applied;
        std::size_t next = 0;
        std::size_t end = 0;
    };
    std::vector<Frame> path_;
    std::vector<HintMove> moves_;
    std::vector<HintMove> line_;
    KeySet visited_;
    std::int64_t nodes_ = 0;
    bool won_ = false;
    MoveOrder order_;
    bool fromFoundation_ = true;
};

} // namespace

HintResult searchAllMoves(const HintPosition& position, std::int64_t maxNodes, const std::atomic<bool>* stop)
{
    HintResult result;
    if (!isValid(position))
        return result;
    AllMovesSearch search(position, maxNodes, MoveOrder::runsFirst);
    result.verdict = search.run(maxNodes, stop);
    result.line = search.line();
    result.nodes = search.nodes();
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
    // A player's position is mostly won, when at all, by the exact search's
    // progress-first order without taking cards back from the foundation
    // (lines a player would play); then by deal verification's search; then
    // by the exact search with every move in the other order, which alone
    // may prove a loss. The later stages are the whole of the search as it
    // was before the first, so nothing it settled goes unsettled.
    auto exactUpTo = [&](AllMovesSearch& exact, std::int64_t nodes) {
        result.verdict = exact.run(nodes, stop);
        result.nodes += exact.nodes();
        if (result.verdict == HintResult::Verdict::winningLine)
            result.line = shorten(start, exact.line(), stop);
        return result.verdict != HintResult::Verdict::budgetSpent;
    };
    if (budget.forwardNodes > 0) {
        AllMovesSearch forward(position, budget.forwardNodes, MoveOrder::progressFirst, false);
        if (exactUpTo(forward, budget.forwardNodes))
            return result;
    }
    for (const Stage& stage : stages) {
        bool wasStopped = false;
        const auto line = verificationLine(position, stage.drawCount, stage.nodes, stop, wasStopped);
        if (wasStopped)
            return stopped();
        if (line) {
            result.verdict = HintResult::Verdict::winningLine;
            result.line = shorten(start, *line, stop);
            return result;
        }
    }
    AllMovesSearch exact(position, budget.proofNodes, MoveOrder::runsFirst);
    exactUpTo(exact, budget.proofNodes);
    return result;
}

bool isReversal(const HintPosition& before, const HintMove& first, const HintMove& second)
{
    if (!isValid(before))
        return false;
    State s = toState(before);
    std::vector<HintMove> legal;
    legalMoves(s, true, legal);
    if (std::find(legal.begin(), legal.end(), first) == legal.end())
        return false;
    const Step a = stepOf(s, first);
    apply(s, first);
    legal.clear();
    legalMoves(s, true, legal);
    if (std::find(legal.begin(), legal.end(), second) == legal.end())
        return false;
    const Step b = stepOf(s, second);
    using SK = Step::Kind;
    if (a.kind == SK::draw || a.kind == SK::recycle || b.kind == SK::draw || b.kind == SK::recycle || a.card != b.card)
        return false;
    // The same card again, back where it came from.
    using K = HintMove::Kind;
    switch (first.kind) {
    case K::columnToColumn: return second.kind == K::columnToColumn && second.toColumn == first.fromColumn;
    case K::columnToFoundation:
    case K::wasteToFoundation: return second.kind == K::foundationToColumn;
    case K::foundationToColumn: return second.kind == K::columnToFoundation;
    default: return false;
    }
}

bool applyHintMove(HintPosition& position, const HintMove& move)
{
    if (!isValid(position))
        return false;
    State s = toState(position);
    std::vector<HintMove> legal;
    legalMoves(s, true, legal);
    if (std::find(legal.begin(), legal.end(), move) == legal.end())
        return false;
    apply(s, move);
    fromState(s, position);
    return true;
}

} // namespace murvane::solver
