#include "solver/HintSearch.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace murvane::solver {

namespace {

// A column holds at most 18 face-down cards under a run of 13 (the input is
// checked for that), the stock and waste at most the 24 cards left after a
// deal, so a position fits in a few hundred bytes.
constexpr int kColumnCapacity = 32;
constexpr int kStockCapacity = kDeckSize - 28;
constexpr int kMaxFaceDown = kColumnCapacity - kRanksPerSuit - 1;
constexpr int kKeySize = 72; // cards, seven column ends, foundation, two marks, recycles
constexpr int kUnlimited = -1;

// One position, copied whole per child: a few hundred bytes, cheaper than
// keeping apply and undo exact for seven kinds of move.
struct State {
    std::array<std::array<CardCode, kColumnCapacity>, kColumnCount> col{};
    std::array<std::uint8_t, kColumnCount> colLen{};
    std::array<CardCode, kStockCapacity> stock{};
    std::array<CardCode, kStockCapacity> waste{};
    std::uint8_t stockLen = 0;
    std::uint8_t wasteLen = 0;
    std::array<std::uint8_t, kSuitCount> found{};
    int recyclesLeft = kUnlimited;
    int drawCount = 1;
};

CardCode codeOf(const SolverCard& c, bool faceUp) { return cardCode(c.suitIndex, c.rank, faceUp); }
int rankOf(CardCode c) { return codeRankIndex(c) + 1; }

State toState(const HintPosition& p)
{
    State s;
    for (int c = 0; c < kColumnCount; ++c) {
        const auto& pile = p.tableau[std::size_t(c)];
        s.colLen[std::size_t(c)] = std::uint8_t(pile.size());
        for (std::size_t i = 0; i < pile.size(); ++i)
            s.col[std::size_t(c)][i] = codeOf(pile[i], pile[i].isFaceUp);
    }
    s.stockLen = std::uint8_t(p.stock.size());
    for (std::size_t i = 0; i < p.stock.size(); ++i)
        s.stock[i] = codeOf(p.stock[i], false);
    s.wasteLen = std::uint8_t(p.waste.size());
    for (std::size_t i = 0; i < p.waste.size(); ++i)
        s.waste[i] = codeOf(p.waste[i], false);
    for (int f = 0; f < kSuitCount; ++f)
        s.found[std::size_t(f)] = std::uint8_t(p.foundation[std::size_t(f)]);
    s.recyclesLeft = p.recyclesLeft ? std::max(0, *p.recyclesLeft) : kUnlimited;
    s.drawCount = std::max(1, p.drawCount);
    return s;
}

SolverCard cardOf(CardCode c, bool faceUp)
{
    return {std::uint8_t(codeSuit(c)), std::uint8_t(rankOf(c)), faceUp};
}

void fromState(const State& s, HintPosition& p)
{
    for (int c = 0; c < kColumnCount; ++c) {
        auto& pile = p.tableau[std::size_t(c)];
        pile.clear();
        for (int i = 0; i < s.colLen[std::size_t(c)]; ++i) {
            const CardCode code = s.col[std::size_t(c)][std::size_t(i)];
            pile.push_back(cardOf(code, codeIsFaceUp(code)));
        }
    }
    p.stock.clear();
    for (int i = 0; i < s.stockLen; ++i)
        p.stock.push_back(cardOf(s.stock[std::size_t(i)], false));
    p.waste.clear();
    for (int i = 0; i < s.wasteLen; ++i)
        p.waste.push_back(cardOf(s.waste[std::size_t(i)], true));
    for (int f = 0; f < kSuitCount; ++f)
        p.foundation[std::size_t(f)] = s.found[std::size_t(f)];
    if (p.recyclesLeft)
        p.recyclesLeft = s.recyclesLeft;
}

bool isWon(const State& s)
{
    return std::all_of(s.found.begin(), s.found.end(), [](std::uint8_t n) { return n == kRanksPerSuit; });
}

bool fitsFoundation(const State& s, CardCode c) { return s.found[std::size_t(codeSuit(c))] == rankOf(c) - 1; }

bool fitsColumn(const State& s, int col, CardCode c)
{
    const int len = s.colLen[std::size_t(col)];
    if (len == 0)
        return rankOf(c) == kRanksPerSuit;
    const CardCode top = s.col[std::size_t(col)][std::size_t(len - 1)];
    return codeIsFaceUp(top) && codeIsRed(top) != codeIsRed(c) && rankOf(top) == rankOf(c) + 1;
}

// Appends every legal move, the likeliest first: home, runs that turn a
// card up, the waste to a column, other runs, the stock, and cards taken
// back from the foundation last. `all` keeps a whole column moved to an
// empty one, which the search skips as a mere swap of two columns.
void legalMoves(const State& s, bool all, std::vector<HintMove>& out)
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

// Applies a move known to be legal.
void apply(State& s, const HintMove& m)
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

HintResult findHint(const HintPosition& position, std::int64_t maxNodes, const std::atomic<bool>* stop)
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
    legalMoves(path.back().state, false, moves);
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
        apply(child, m);
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
        legalMoves(child, false, moves);
        path.push_back({child, m, start, moves.size()});
    }
    result.verdict = HintResult::Verdict::provedLost;
    return result;
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
