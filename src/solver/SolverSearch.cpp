#include "SolverSearch.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <stdexcept>

namespace murvane::solver {

namespace {

constexpr std::uint64_t kFnvOffset = 0xCBF29CE484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001B3ULL;
constexpr std::uint8_t kColumnEnd = 0xFF;
constexpr std::uint8_t kStockStart = 0xFE;
constexpr std::uint8_t kWasteStart = 0xFD;
constexpr std::uint8_t kHashEnd = 0xFC;
constexpr std::uint8_t kKingRankIndex = 12;
constexpr std::uint8_t kFullFoundation = 13;
constexpr std::uint64_t kKingCards = (std::uint64_t{1} << 12) | (std::uint64_t{1} << 25)
    | (std::uint64_t{1} << 38) | (std::uint64_t{1} << 51);

constexpr std::uint64_t mix(std::uint64_t h, std::uint64_t x) { return (h ^ x) * kFnvPrime; }

constexpr std::uint64_t finishHash(std::uint64_t h, std::int64_t recycles)
{
    return (h ^ (static_cast<std::uint64_t>(recycles) << 8) ^ kHashEnd) * kFnvPrime;
}

// Per-code lookups (all 128 codes, face-up bit included), so move
// generation does no division.
struct CodeTable {
    std::array<std::uint8_t, 128> rank{};
    std::array<std::uint8_t, 128> suit{};
    std::array<bool, 128> red{};
    // The cards that may lie on this one (the other colour, one rank lower)
    // and that this one may lie on (the other colour, one rank higher), as
    // bits by card index.
    std::array<std::uint64_t, 128> below{};
    std::array<std::uint64_t, 128> above{};
};
constexpr CodeTable makeCodeTable()
{
    CodeTable t;
    for (int c = 0; c < 128; ++c) {
        const auto code = static_cast<CardCode>(c);
        const int rank = codeRankIndex(code);
        t.rank[c] = static_cast<std::uint8_t>(rank);
        t.suit[c] = static_cast<std::uint8_t>(codeSuit(code));
        t.red[c] = codeIsRed(code);
        // Spades and clubs are black, hearts and diamonds red.
        const int other1 = codeIsRed(code) ? 0 : 1;
        const int other2 = codeIsRed(code) ? 3 : 2;
        if (rank > 0)
            t.below[c] = (std::uint64_t{1} << (other1 * kRanksPerSuit + rank - 1))
                | (std::uint64_t{1} << (other2 * kRanksPerSuit + rank - 1));
        if (rank < kRanksPerSuit - 1)
            t.above[c] = (std::uint64_t{1} << (other1 * kRanksPerSuit + rank + 1))
                | (std::uint64_t{1} << (other2 * kRanksPerSuit + rank + 1));
    }
    return t;
}
constexpr CodeTable kCodes = makeCodeTable();

bool isValidCard(const SolverCard& c)
{
    return c.suitIndex < kSuitCount && c.rank >= 1 && c.rank <= kRanksPerSuit;
}

// Fibonacci hashing of the FNV value picks the slot from its high bits,
// which depend on every input byte.
constexpr std::uint64_t kSlotMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr std::size_t kMinSlots = 16;

} // namespace

// ---------------------------------------------------------------- VisitedSet

namespace {
// One cleared table kept per thread between searches: a solve is often short,
// and a fresh table costs more in page faults than the search itself.
thread_local std::vector<std::uint64_t> tSpareSlots;
constexpr std::size_t kMaxSpareSlots = std::size_t{1} << 20;
} // namespace

VisitedSet::~VisitedSet()
{
    if (slots_.empty() || slots_.size() > kMaxSpareSlots)
        return;
    std::fill(slots_.begin(), slots_.end(), 0);
    tSpareSlots.swap(slots_);
}

void VisitedSet::reserve(std::size_t count)
{
    // Keep the load at or below one half.
    const std::size_t wanted = std::bit_ceil(std::max(kMinSlots, 2 * (count + 1)));
    if (wanted <= slots_.size())
        return;
    if (size_ == 0 && !hasZero_ && tSpareSlots.size() == wanted) {
        slots_.swap(tSpareSlots);
        shift_ = 64 - std::countr_zero(wanted);
        return;
    }
    grow(wanted);
}

void VisitedSet::prefetch(std::uint64_t h) const
{
#if defined(__GNUC__)
    if (!slots_.empty())
        __builtin_prefetch(slots_.data() + slotFor(h));
#else
    (void)h;
#endif
}

std::size_t VisitedSet::slotFor(std::uint64_t h) const
{
    return static_cast<std::size_t>((h * kSlotMultiplier) >> shift_);
}

void VisitedSet::grow(std::size_t newCapacity)
{
    std::vector<std::uint64_t> old(newCapacity, 0);
    old.swap(slots_);
    shift_ = 64 - std::countr_zero(newCapacity);
    const std::size_t mask = newCapacity - 1;
    for (const std::uint64_t h : old) {
        if (h == 0)
            continue;
        std::size_t i = slotFor(h);
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = h;
    }
}

bool VisitedSet::contains(std::uint64_t h) const
{
    if (h == 0)
        return hasZero_;
    if (slots_.empty())
        return false;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = slotFor(h);; i = (i + 1) & mask) {
        if (slots_[i] == h)
            return true;
        if (slots_[i] == 0)
            return false;
    }
}

bool VisitedSet::insert(std::uint64_t h)
{
    if (h == 0) {
        if (hasZero_)
            return false;
        hasZero_ = true;
        ++size_;
        return true;
    }
    if (2 * (size_ + 1) > slots_.size())
        grow(std::max(kMinSlots, 2 * slots_.size()));
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = slotFor(h);
    while (slots_[i] != 0) {
        if (slots_[i] == h)
            return false;
        i = (i + 1) & mask;
    }
    slots_[i] = h;
    ++size_;
    return true;
}

// ------------------------------------------------------------- construction

bool SolverSearch::isValidPosition(const std::array<std::vector<SolverCard>, kColumnCount>& tableau,
                                   const std::vector<SolverCard>& stock,
                                   const std::vector<SolverCard>& waste,
                                   const std::array<int, kSuitCount>& foundation)
{
    std::uint64_t seen = 0;
    const auto distinctValid = [&seen](const std::vector<SolverCard>& pile) {
        for (const SolverCard& c : pile) {
            if (!isValidCard(c))
                return false;
            const std::uint64_t bit = std::uint64_t{1} << (c.suitIndex * kRanksPerSuit + c.rank - 1);
            if (seen & bit)
                return false;
            seen |= bit;
        }
        return true;
    };
    return std::all_of(tableau.begin(), tableau.end(), distinctValid) && distinctValid(stock)
        && distinctValid(waste)
        && std::all_of(foundation.begin(), foundation.end(),
                       [](int n) { return n >= 0 && n <= 255; });
}

SolverSearch::SolverSearch(const std::array<std::vector<SolverCard>, kColumnCount>& tableau,
                           const std::vector<SolverCard>& stock,
                           const std::vector<SolverCard>& waste,
                           const std::array<int, kSuitCount>& foundation, int drawCount,
                           std::int64_t maxNodes, std::optional<int> maxRecycles)
    : drawCount_(std::max(drawCount, 1))
    , maxNodes_(maxNodes)
    , maxRecycles_(maxRecycles)
{
    if (!isValidPosition(tableau, stock, waste, foundation))
        throw std::invalid_argument("not a position of one deck");
    const auto fill = [this](int p, const std::vector<SolverCard>& cards, bool keepFaceUp) {
        CardCode* out = pileData(p);
        for (const SolverCard& c : cards)
            *out++ = cardCode(c.suitIndex, c.rank, keepFaceUp && c.isFaceUp);
        counts_[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(cards.size());
    };
    for (int col = 0; col < kColumnCount; ++col)
        fill(col, tableau[static_cast<std::size_t>(col)], true);
    where_.fill(kNowhere);
    for (int col = 0; col < kColumnCount; ++col) {
        for (int i = 0; i < count(col); ++i) {
            const CardCode c = pileData(col)[i];
            where_[c & kCardIndexMask] = static_cast<std::uint16_t>(col << 8 | i);
            if (codeIsFaceUp(c))
                faceUpCards_ |= std::uint64_t{1} << (c & kCardIndexMask);
        }
    }
    fill(kStockPile, stock, false);
    fill(kWastePile, waste, false);
    for (std::size_t s = 0; s < kSuitCount; ++s)
        foundation_[s] = static_cast<std::uint8_t>(foundation[s]);
    trail_[0] = kFnvOffset;
    segmentBase_[0] = 0;
    dirty_ = 0;
}

bool SolverSearch::isWinnable(const std::array<std::vector<SolverCard>, kColumnCount>& tableau,
                              const std::vector<SolverCard>& stock,
                              const std::vector<SolverCard>& waste,
                              const std::array<int, kSuitCount>& foundation, int drawCount,
                              std::int64_t maxNodes, std::optional<int> maxRecycles,
                              std::int64_t* nodesOut, const std::atomic<bool>* stop, bool* stoppedOut)
{
    if (nodesOut)
        *nodesOut = 0;
    if (stoppedOut)
        *stoppedOut = false;
    if (!isValidPosition(tableau, stock, waste, foundation))
        return false;
    SolverSearch s(tableau, stock, waste, foundation, drawCount, maxNodes, maxRecycles);
    constexpr std::int64_t kVisitedReserve = 65536;
    constexpr std::size_t kMoveReserve = 1024;
    s.visited_.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(maxNodes, 0, kVisitedReserve)));
    s.moves_.reserve(kMoveReserve);
    s.stop_ = stop;
    const bool won = s.search();
    if (nodesOut)
        *nodesOut = s.nodes_;
    if (stoppedOut)
        *stoppedOut = s.stopped_;
    return won;
}

// ------------------------------------------------------------------ moves

bool SolverSearch::isSolved() const
{
    return foundation_[0] == kFullFoundation && foundation_[1] == kFullFoundation
        && foundation_[2] == kFullFoundation && foundation_[3] == kFullFoundation;
}

namespace {

// Writes a move record with one 8-byte store (the two bytes beyond it belong
// to the next slot, which the next move overwrites): the batch reads the moves
// back at once, and a load spanning several small stores would stall.
inline void writeMove(SolverMove* out, SolverMove::Kind kind, int a, int b, int c, int d, int bucket)
{
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t packed = static_cast<std::uint64_t>(kind) | static_cast<std::uint64_t>(a & 0xFF) << 8
            | static_cast<std::uint64_t>(b & 0xFF) << 16 | static_cast<std::uint64_t>(c & 0xFF) << 24
            | static_cast<std::uint64_t>(d & 0xFF) << 32 | static_cast<std::uint64_t>(bucket & 0xFF) << 40;
        static_assert(offsetof(SolverMove, bucket) == 5);
        std::memcpy(static_cast<void*>(out), &packed, sizeof packed);
    } else {
        *out = SolverMove{kind, static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                          static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                          static_cast<std::uint8_t>(bucket)};
    }
}

} // namespace

void SolverSearch::reserveMoves()
{
    // One slot more than the most moves a position can have, for the wide
    // store of the last one.
    const std::size_t needed = static_cast<std::size_t>(moveCount_ + kMaxMovesPerPosition + 1);
    if (moves_.size() < needed) {
        const std::size_t size = std::max(needed, 2 * moves_.size());
        moves_.resize(size);
        childHash_.resize(size);
        childFlag_.resize(size);
        childTail_.resize(size);
    }
}

void SolverSearch::generateOrderedMoves()
{
    // Bucket by bucket, each in generation order, which is what a stable
    // ordering of the plain generation order by bucket leaves. Instead of trying every
    // card on every column, ask which cards each column takes and look them
    // up among the face-up cards of the tableau.
    using Kind = SolverMove::Kind;
    reserveMoves();
    SolverMove* out = moves_.data() + moveCount_;
    const auto emit = [&out](Kind kind, int a, int b, int c, int d, int bucket) {
        writeMove(out++, kind, a, b, c, d, bucket);
    };
    const std::uint64_t up = faceUpCards_;

    // Run moves keyed by source column, source index and destination (the
    // generation order), and the columns whose top card can go home.
    std::array<std::uint32_t, 2 * kColumnCount + kSuitCount * kColumnCount> runs;
    int runCount = 0;
    unsigned emptyColumns = 0;
    unsigned homeColumns = 0;
    for (int k = 0; k < kColumnCount; ++k) {
        const int n = count(k);
        if (n == 0) {
            emptyColumns |= 1u << k;
            continue;
        }
        const CardCode top = pileData(k)[n - 1];
        if (!codeIsFaceUp(top))
            continue;
        if (foundation_[kCodes.suit[top]] == kCodes.rank[top])
            homeColumns |= 1u << k;
        for (std::uint64_t cards = kCodes.below[top] & up; cards != 0; cards &= cards - 1) {
            const std::uint16_t at = where_[static_cast<std::size_t>(std::countr_zero(cards))];
            if ((at >> 8) != k)
                runs[static_cast<std::size_t>(runCount++)] = static_cast<std::uint32_t>(at << 4 | k);
        }
    }
    if (emptyColumns != 0) {
        // A King already at the bottom of its column never moves to an empty one.
        for (std::uint64_t kings = kKingCards & up; kings != 0; kings &= kings - 1) {
            const std::uint16_t at = where_[static_cast<std::size_t>(std::countr_zero(kings))];
            if ((at & 0xFF) == 0)
                continue;
            for (unsigned e = emptyColumns; e != 0; e &= e - 1)
                runs[static_cast<std::size_t>(runCount++)] = static_cast<std::uint32_t>(at << 4 | std::countr_zero(e));
        }
    }
    for (int r = 1; r < runCount; ++r) {
        const std::uint32_t key = runs[static_cast<std::size_t>(r)];
        int j = r;
        for (; j > 0 && runs[static_cast<std::size_t>(j - 1)] > key; --j)
            runs[static_cast<std::size_t>(j)] = runs[static_cast<std::size_t>(j - 1)];
        runs[static_cast<std::size_t>(j)] = key;
    }
    // Which runs uncover a face-down card (bucket 1, the others are bucket 3).
    std::uint64_t uncovering = 0;
    int uncoveringCount = 0;
    for (int r = 0; r < runCount; ++r) {
        const std::uint32_t run = runs[static_cast<std::size_t>(r)];
        const int i = static_cast<int>(run >> 12);
        const int p = static_cast<int>(run >> 4 & 0xFF);
        if (p > 0 && !codeIsFaceUp(pileData(i)[p - 1])) {
            uncovering |= std::uint64_t{1} << r;
            ++uncoveringCount;
        }
    }
    const auto emitRuns = [&](bool wantUncovering, int bucket) {
        for (int r = 0; r < runCount; ++r) {
            if (((uncovering >> r) & 1) != static_cast<std::uint64_t>(wantUncovering))
                continue;
            const std::uint32_t run = runs[static_cast<std::size_t>(r)];
            const int i = static_cast<int>(run >> 12);
            const int p = static_cast<int>(run >> 4 & 0xFF);
            emit(Kind::tableauToTableau, i, p, static_cast<int>(run & 0xF), count(i) - p, bucket);
        }
    };

    const int wasteCount = count(kWastePile);
    const CardCode w = wasteCount > 0 ? pileData(kWastePile)[wasteCount - 1] : CardCode{0};
    // Bucket 0: home moves, the waste first.
    if (wasteCount > 0 && foundation_[kCodes.suit[w]] == kCodes.rank[w])
        emit(Kind::wasteToFoundation, kCodes.suit[w], 0, 0, 0, 0);
    for (unsigned h = homeColumns; h != 0; h &= h - 1) {
        const int i = std::countr_zero(h);
        emit(Kind::tableauToFoundation, i, kCodes.suit[pileData(i)[count(i) - 1]], 0, 0, 0);
    }
    // Bucket 1.
    if (uncovering != 0)
        emitRuns(true, 1);
    // Bucket 2: the waste card onto a column whose face-up top takes it.
    if (wasteCount > 0) {
        unsigned columns = kCodes.rank[w] == kKingRankIndex ? emptyColumns : 0u;
        for (std::uint64_t cards = kCodes.above[w] & up; cards != 0; cards &= cards - 1) {
            const std::uint16_t at = where_[static_cast<std::size_t>(std::countr_zero(cards))];
            if ((at & 0xFF) == count(at >> 8) - 1)
                columns |= 1u << (at >> 8);
        }
        for (; columns != 0; columns &= columns - 1)
            emit(Kind::wasteToTableau, std::countr_zero(columns), 0, 0, 0, 2);
    }
    // Bucket 3, then the stock.
    if (runCount > uncoveringCount)
        emitRuns(false, 3);
    if (count(kStockPile) > 0) {
        emit(Kind::draw, std::min(drawCount_, count(kStockPile)), 0, 0, 0, 4);
    } else if (wasteCount > 0 && (!maxRecycles_ || recycles_ < *maxRecycles_)) {
        emit(Kind::recycle, 0, 0, 0, 0, 5);
    }
    moveCount_ = static_cast<int>(out - moves_.data());
}

void SolverSearch::truncateMoves(int count)
{
    moveCount_ = std::clamp(count, 0, moveCount_);
}

void SolverSearch::unflipTop(int col)
{
    CardCode& top = pileData(col)[count(col) - 1];
    top = static_cast<CardCode>(top & ~kFaceUpBit);
    faceUpCards_ &= ~(std::uint64_t{1} << (top & kCardIndexMask));
}

bool SolverSearch::flipTop(int col)
{
    const int n = count(col);
    if (n == 0 || codeIsFaceUp(pileData(col)[n - 1]))
        return false;
    pileData(col)[n - 1] |= kFaceUpBit;
    faceUpCards_ |= std::uint64_t{1} << (pileData(col)[n - 1] & kCardIndexMask);
    return true;
}

int SolverSearch::applyMarked(const SolverMove& m, bool& flipped)
{
    using Kind = SolverMove::Kind;
    flipped = false;
    switch (m.kind) {
    case Kind::wasteToFoundation:
        --counts_[kWastePile];
        ++foundation_[m.a];
        return (kFoundationSegment << 6) + m.a;
    case Kind::wasteToTableau: {
        const int n = count(m.a);
        const CardCode w = pileData(kWastePile)[--counts_[kWastePile]];
        pileData(m.a)[n] = static_cast<CardCode>(w | kFaceUpBit);
        where_[w] = static_cast<std::uint16_t>(m.a << 8 | n);
        faceUpCards_ |= std::uint64_t{1} << w;
        ++counts_[m.a];
        return columnMark(m.a, n);
    }
    case Kind::tableauToFoundation: {
        const int n = --counts_[m.a];
        where_[pileData(m.a)[n] & kCardIndexMask] = kNowhere;
        faceUpCards_ &= ~(std::uint64_t{1} << (pileData(m.a)[n] & kCardIndexMask));
        ++foundation_[m.b];
        flipped = flipTop(m.a);
        return columnMark(m.a, n - (flipped ? 1 : 0));
    }
    case Kind::tableauToTableau: {
        const int n = count(m.c);
        CardCode* dst = pileData(m.c) + n;
        const CardCode* src = pileData(m.a) + m.b;
        for (int i = 0; i < m.d; ++i) {
            dst[i] = src[i];
            where_[src[i] & kCardIndexMask] = static_cast<std::uint16_t>(m.c << 8 | (n + i));
        }
        counts_[m.c] = static_cast<std::uint8_t>(n + m.d);
        counts_[m.a] = m.b;
        flipped = flipTop(m.a);
        return std::min(columnMark(m.c, n), columnMark(m.a, m.b - (flipped ? 1 : 0)));
    }
    case Kind::draw: {
        CardCode* stock = pileData(kStockPile);
        CardCode* waste = pileData(kWastePile);
        const int s = count(kStockPile);
        const int w = count(kWastePile);
        for (int i = 0; i < m.a; ++i)
            waste[w + i] = stock[s - 1 - i];
        counts_[kStockPile] = static_cast<std::uint8_t>(s - m.a);
        counts_[kWastePile] = static_cast<std::uint8_t>(w + m.a);
        return stockMark(s - m.a);
    }
    case Kind::recycle: {
        CardCode* stock = pileData(kStockPile);
        const CardCode* waste = pileData(kWastePile);
        const int w = count(kWastePile);
        for (int i = 0; i < w; ++i)
            stock[i] = waste[w - 1 - i];
        counts_[kStockPile] = static_cast<std::uint8_t>(w);
        counts_[kWastePile] = 0;
        if (maxRecycles_)
            ++recycles_;
        return stockMark(0);
    }
    }
    return 0;
}

bool SolverSearch::apply(const SolverMove& m)
{
    bool flipped = false;
    markDirty(applyMarked(m, flipped));
    return flipped;
}

void SolverSearch::undo(const SolverMove& m, bool flipped)
{
    using Kind = SolverMove::Kind;
    switch (m.kind) {
    case Kind::wasteToFoundation:
        markDirty((kFoundationSegment << 6) + m.a);
        --foundation_[m.a];
        pileData(kWastePile)[counts_[kWastePile]++] =
            static_cast<CardCode>(m.a * kRanksPerSuit + foundation_[m.a]);
        return;
    case Kind::wasteToTableau: {
        const int n = --counts_[m.a];
        where_[pileData(m.a)[n] & kCardIndexMask] = kNowhere;
        faceUpCards_ &= ~(std::uint64_t{1} << (pileData(m.a)[n] & kCardIndexMask));
        pileData(kWastePile)[counts_[kWastePile]++] = static_cast<CardCode>(pileData(m.a)[n] & ~kFaceUpBit);
        markDirty(columnMark(m.a, n));
        return;
    }
    case Kind::tableauToFoundation: {
        const int n = count(m.a);
        if (flipped)
            unflipTop(m.a);
        markDirty(columnMark(m.a, n - (flipped ? 1 : 0)));
        --foundation_[m.b];
        const int card = m.b * kRanksPerSuit + foundation_[m.b];
        pileData(m.a)[n] = static_cast<CardCode>(card | kFaceUpBit);
        where_[static_cast<std::size_t>(card)] = static_cast<std::uint16_t>(m.a << 8 | n);
        faceUpCards_ |= std::uint64_t{1} << card;
        ++counts_[m.a];
        return;
    }
    case Kind::tableauToTableau: {
        const int n = count(m.a);
        if (flipped)
            unflipTop(m.a);
        const int from = count(m.c) - m.d;
        markDirty(std::min(columnMark(m.a, n - (flipped ? 1 : 0)), columnMark(m.c, from)));
        CardCode* dst = pileData(m.a) + n;
        const CardCode* src = pileData(m.c) + from;
        for (int i = 0; i < m.d; ++i) {
            dst[i] = src[i];
            where_[src[i] & kCardIndexMask] = static_cast<std::uint16_t>(m.a << 8 | (n + i));
        }
        counts_[m.a] = static_cast<std::uint8_t>(n + m.d);
        counts_[m.c] = static_cast<std::uint8_t>(from);
        return;
    }
    case Kind::draw: {
        CardCode* stock = pileData(kStockPile);
        const CardCode* waste = pileData(kWastePile);
        const int s = count(kStockPile);
        const int w = count(kWastePile);
        markDirty(stockMark(s));
        for (int i = 0; i < m.a; ++i)
            stock[s + i] = waste[w - 1 - i];
        counts_[kStockPile] = static_cast<std::uint8_t>(s + m.a);
        counts_[kWastePile] = static_cast<std::uint8_t>(w - m.a);
        return;
    }
    case Kind::recycle: {
        const CardCode* stock = pileData(kStockPile);
        CardCode* waste = pileData(kWastePile);
        const int s = count(kStockPile);
        markDirty(stockMark(0));
        for (int i = 0; i < s; ++i)
            waste[i] = stock[s - 1 - i];
        counts_[kWastePile] = static_cast<std::uint8_t>(s);
        counts_[kStockPile] = 0;
        if (maxRecycles_)
            --recycles_;
        return;
    }
    }
}

// --------------------------------------------------------------- hashing

std::uint64_t SolverSearch::recomputeHash() const
{
    std::uint64_t h = kFnvOffset;
    for (int col = 0; col < kColumnCount; ++col) {
        const PileView p = pile(col);
        for (int i = 0; i < p.size(); ++i)
            h = mix(h, p[i]);
        h = mix(h, kColumnEnd);
    }
    for (const std::uint8_t n : foundation_)
        h = mix(h, n);
    h = mix(h, kStockStart);
    for (int i = 0; i < count(kStockPile); ++i)
        h = mix(h, pile(kStockPile)[i]);
    h = mix(h, kWasteStart);
    for (int i = 0; i < count(kWastePile); ++i)
        h = mix(h, pile(kWastePile)[i]);
    return finishHash(h, recycles_);
}

int SolverSearch::writeTail(int mark, std::uint8_t* out) const
{
    // Copies whole 64-byte blocks and advances by the real length; the tail
    // buffer and the pile store both have the slack for it.
    std::uint8_t* o = out;
    int seg = mark >> 6;
    int index = mark & 63;
    for (; seg < kColumnCount; ++seg, index = 0) {
        std::memcpy(o, store_.data() + seg * kPileStride + index, kPileStride);
        o += count(seg) - index;
        *o++ = kColumnEnd;
    }
    if (seg == kFoundationSegment) {
        for (int i = index; i < kSuitCount; ++i)
            *o++ = foundation_[static_cast<std::size_t>(i)];
        seg = kStockSegment;
        index = 0;
    }
    if (seg == kStockSegment) {
        if (index == 0)
            *o++ = kStockStart;
        const int from = index == 0 ? 0 : index - 1;
        std::memcpy(o, store_.data() + kStockPile * kPileStride + from, kPileStride);
        o += count(kStockPile) - from;
        index = 0;
    }
    if (index == 0)
        *o++ = kWasteStart;
    const int from = index == 0 ? 0 : index - 1;
    std::memcpy(o, store_.data() + kWastePile * kPileStride + from, kPileStride);
    o += count(kWastePile) - from;
    return static_cast<int>(o - out);
}

namespace {

// Copies n bytes in 16-byte blocks; both sides have the slack for it.
template <int kBlock>
inline std::uint8_t* copyBlocks(std::uint8_t* out, const std::uint8_t* from, int n)
{
    for (int i = 0; i < n; i += kBlock)
        std::memcpy(out + i, from + i, kBlock);
    return out + n;
}

} // namespace

int SolverSearch::writeChildTail(const SolverMove& m, std::uint8_t* out, int& start) const
{
    // The child's bytes from the first one that differs, pieced together
    // from this position's bytes without touching the piles.
    using Kind = SolverMove::Kind;
    const std::uint8_t* seq = sequence_.data();
    const auto base = [this](int segment) { return segmentBase_[static_cast<std::size_t>(segment)]; };
    const int end = base(kSegmentCount);
    std::uint8_t* o = out;
    switch (m.kind) {
    case Kind::wasteToFoundation: // the foundation count goes up, the waste top goes
        start = base(kFoundationSegment) + m.a;
        o = copyBlocks<kBlock>(o, seq + start, end - 1 - start);
        ++out[0];
        break;
    case Kind::wasteToTableau: // the waste top lands on column a
        start = base(m.a) + count(m.a);
        *o++ = static_cast<std::uint8_t>(seq[end - 1] | kFaceUpBit);
        o = copyBlocks<kBlock>(o, seq + start, end - 1 - start);
        break;
    case Kind::tableauToFoundation: {
        const int n = count(m.a);
        const int colStart = base(m.a);
        const bool flips = n >= 2 && !codeIsFaceUp(seq[colStart + n - 2]);
        start = colStart + n - 1 - (flips ? 1 : 0);
        if (flips)
            *o++ = static_cast<std::uint8_t>(seq[start] | kFaceUpBit);
        *o++ = kColumnEnd;
        const int rest = colStart + n + 1;
        std::uint8_t* restOut = o;
        o = copyBlocks<kBlock>(o, seq + rest, end - rest);
        ++restOut[base(kFoundationSegment) + m.b - rest];
        break;
    }
    case Kind::tableauToTableau: {
        const int from = base(m.a);
        const int to = base(m.c);
        const int runStart = from + m.b;
        const bool flips = m.b >= 1 && !codeIsFaceUp(seq[runStart - 1]);
        const int afterFrom = from + count(m.a) + 1; // past column a's end marker
        const int toEnd = to + count(m.c);           // column c's end marker
        if (m.a < m.c) {
            start = runStart - (flips ? 1 : 0);
            if (flips)
                *o++ = static_cast<std::uint8_t>(seq[start] | kFaceUpBit);
            *o++ = kColumnEnd;
            o = copyBlocks<kBlock>(o, seq + afterFrom, toEnd - afterFrom);
            o = copyBlocks<kBlock>(o, seq + runStart, m.d);
            o = copyBlocks<kBlock>(o, seq + toEnd, end - toEnd);
        } else {
            start = toEnd;
            o = copyBlocks<kBlock>(o, seq + runStart, m.d);
            o = copyBlocks<kBlock>(o, seq + toEnd, runStart - toEnd);
            if (flips)
                o[-1] |= kFaceUpBit;
            *o++ = kColumnEnd;
            o = copyBlocks<kBlock>(o, seq + afterFrom, end - afterFrom);
        }
        break;
    }
    case Kind::draw: { // a cards leave the stock top and land on the waste, the last on top
        const int wasteStart = base(kWasteSegment);
        start = wasteStart - m.a;
        *o++ = kWasteStart;
        o = copyBlocks<kBlock>(o, seq + wasteStart + 1, end - wasteStart - 1);
        for (int i = 1; i <= m.a; ++i)
            *o++ = seq[wasteStart - i];
        break;
    }
    case Kind::recycle: { // the waste, reversed, becomes the stock
        const int wasteStart = base(kWasteSegment);
        start = wasteStart;
        for (int i = end - 1; i > wasteStart; --i)
            *o++ = seq[i];
        *o++ = kWasteStart;
        break;
    }
    }
    return static_cast<int>(o - out);
}

void SolverSearch::rebuildSegmentBases()
{
    int pos = 0;
    for (int col = 0; col < kColumnCount; ++col) {
        segmentBase_[static_cast<std::size_t>(col)] = pos;
        pos += count(col) + 1;
    }
    segmentBase_[kFoundationSegment] = pos;
    pos += kSuitCount;
    segmentBase_[kStockSegment] = pos;
    pos += 1 + count(kStockPile);
    segmentBase_[kWasteSegment] = pos;
    pos += 1 + count(kWastePile);
    segmentBase_[kSegmentCount] = pos;
}

void SolverSearch::refreshTrail()
{
    if (dirty_ == kClean)
        return;
    int pos = segmentBase_[static_cast<std::size_t>(dirty_ >> 6)] + (dirty_ & 63);
    const int length = writeTail(dirty_, sequence_.data() + pos);
    std::uint64_t h = trail_[static_cast<std::size_t>(pos)];
    for (int t = 0; t < length; ++t) {
        trail_[static_cast<std::size_t>(pos)] = h;
        h = mix(h, sequence_[static_cast<std::size_t>(pos++)]);
    }
    trail_[static_cast<std::size_t>(pos)] = h;
    hashState_ = h;
    rebuildSegmentBases();
    dirty_ = kClean;
}

std::uint64_t SolverSearch::positionHash()
{
    refreshTrail();
    return finishHash(hashState_, recycles_);
}

namespace {

// Advances N independent FNV chains side by side over bytes [from, to), so
// that their multiplications overlap. Chain k reads tails[k][t] and writes
// the state before byte t to states[k * kTrailSize + t].
template <int N, int kTrailSize>
void hashChains(const std::uint8_t* const* tails, std::uint64_t* states, int from, int to, std::uint64_t* h)
{
    std::uint64_t v[N];
    const std::uint8_t* bytes[N];
#pragma GCC unroll 8
    for (int k = 0; k < N; ++k) {
        v[k] = h[k];
        bytes[k] = tails[k];
    }
    for (int t = from; t < to; ++t) {
#pragma GCC unroll 8
        for (int k = 0; k < N; ++k) {
            states[k * kTrailSize + t] = v[k];
            v[k] = (v[k] ^ bytes[k][t]) * kFnvPrime;
        }
    }
#pragma GCC unroll 8
    for (int k = 0; k < N; ++k)
        h[k] = v[k];
}

} // namespace

void SolverSearch::hashChildren(const Frame& frame)
{
    using Kind = SolverMove::Kind;
    using Runner = void (*)(const std::uint8_t* const*, std::uint64_t*, int, int, std::uint64_t*);
    static constexpr std::array<Runner, kMaxChains + 1> kRunners{
        nullptr,
        hashChains<1, kTrailSize>,
        hashChains<2, kTrailSize>,
        hashChains<3, kTrailSize>,
        hashChains<4, kTrailSize>,
        hashChains<5, kTrailSize>,
        hashChains<6, kTrailSize>,
    };

    const int children = frame.end - frame.start;
    if (tailOrdinal_.size() < static_cast<std::size_t>(children)) {
        const std::size_t size =
            std::max<std::size_t>(static_cast<std::size_t>(children), 2 * tailOrdinal_.size());
        tailOrdinal_.resize(size);
        tailStart_.resize(size);
        tailLength_.resize(size);
        tails_.resize(size * kTailStride);
        tailStates_.resize(size * kTrailSize);
    }

    // A run moved straight back where it came from gives the parent
    // position again, which is on the search path and so already visited.
    const SolverMove& back = frame.applied;
    const bool canReturn = frame.hasApplied && !frame.flipped && back.kind == Kind::tableauToTableau;

    // Find the children that need a hash and where their bytes start to
    // differ; lay out their tails longest first, so that chains can drop out
    // of a group as they finish.
    int hashed = 0;
    for (int c = 0; c < children; ++c) {
        const auto j = static_cast<std::size_t>(frame.start + c);
        const SolverMove m = moves_[j];
        if (canReturn && m.kind == Kind::tableauToTableau && m.a == back.c && m.c == back.a
            && m.d == back.d) {
            childFlag_[j] = kSkip;
            continue;
        }
        // Only a card going home can complete the foundations.
        if (m.kind == Kind::wasteToFoundation || m.kind == Kind::tableauToFoundation) {
            const int suit = m.kind == Kind::wasteToFoundation ? m.a : m.b;
            bool solves = true;
            for (int s = 0; s < kSuitCount; ++s)
                solves = solves
                    && foundation_[static_cast<std::size_t>(s)] + (s == suit ? 1 : 0) == kFullFoundation;
            if (solves) {
                childFlag_[j] = kSolves;
                continue;
            }
        }
        childFlag_[j] = kHashed;
        int start = 0;
        const int length = writeChildTail(m, tailOf(c), start);
        int k = hashed++;
        for (; k > 0 && tailLength_[static_cast<std::size_t>(k - 1)] < length; --k) {
            tailLength_[static_cast<std::size_t>(k)] = tailLength_[static_cast<std::size_t>(k - 1)];
            tailStart_[static_cast<std::size_t>(k)] = tailStart_[static_cast<std::size_t>(k - 1)];
            tailOrdinal_[static_cast<std::size_t>(k)] = tailOrdinal_[static_cast<std::size_t>(k - 1)];
        }
        tailLength_[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(length);
        tailStart_[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(start);
        tailOrdinal_[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(c);
    }
    // Longest first, side by side.
    std::array<const std::uint8_t*, kMaxChains> tails{};

    // Hash them in groups of at most kMaxChains chains.
    const int groups = (hashed + kMaxChains - 1) / kMaxChains;
    std::array<std::uint64_t, kMaxChains> h{};
    for (int first = 0, g = 0; g < groups; ++g) {
        const int size = (hashed - first + (groups - g) - 1) / (groups - g);
        for (int k = 0; k < size; ++k)
            h[static_cast<std::size_t>(k)] = trail_[static_cast<std::size_t>(tailStart_[static_cast<std::size_t>(first + k)])];
        for (int k = 0; k < size; ++k)
            tails[static_cast<std::size_t>(k)] = tailOf(tailOrdinal_[static_cast<std::size_t>(first + k)]);
        std::uint64_t* states = tailStates_.data() + static_cast<std::size_t>(first) * kTrailSize;
        // All chains run to the shortest length, then one fewer, and so on.
        int t = 0;
        for (int active = size; active > 0; --active) {
            const int until = tailLength_[static_cast<std::size_t>(first + active - 1)];
            if (until > t) {
                kRunners[static_cast<std::size_t>(active)](tails.data(), states, t, until, h.data());
                t = until;
            }
            const auto k = static_cast<std::size_t>(active - 1);
            states[k * kTrailSize + static_cast<std::size_t>(until)] = h[k];
        }
        for (int k = 0; k < size; ++k) {
            const auto q = static_cast<std::size_t>(first + k);
            const auto j = static_cast<std::size_t>(frame.start + tailOrdinal_[q]);
            const SolverMove& m = moves_[j];
            const std::int64_t recycles = recycles_ + (m.kind == Kind::recycle && maxRecycles_ ? 1 : 0);
            childHash_[j] = finishHash(h[static_cast<std::size_t>(k)], recycles);
            childTail_[j] = static_cast<std::int16_t>(q);
            visited_.prefetch(childHash_[j]);
        }
        first += size;
    }
}

bool SolverSearch::visitPosition()
{
    if (!visited_.insert(positionHash()))
        return false;
    ++nodes_;
    if (nodes_ > maxNodes_) {
        exhausted_ = true;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- search

void SolverSearch::expand(const SolverMove* applied, bool flipped)
{
    const int start = moveCount_;
    generateOrderedMoves();
    Frame f;
    f.start = start;
    f.next = start;
    f.end = moveCount_;
    if (applied) {
        f.applied = *applied;
        f.hasApplied = true;
        f.flipped = flipped;
    }
    // The children's hashes need this position's trail.
    refreshTrail();
    hashChildren(f);
    f.batch = ++batch_;
    frames_.push_back(f);
}

bool SolverSearch::search()
{
    if (isSolved())
        return true;
    if (!visitPosition())
        return false;
    constexpr std::size_t kFrameReserve = 256;
    frames_.clear();
    frames_.reserve(kFrameReserve);
    expand(nullptr, false);

    // Each move is tried as: apply, test solved, visit, then expand the new
    // position or undo. The hashes of a frame's children were computed when
    // the frame was pushed, so a child seen before costs no apply or undo.
    for (;;) {
        Frame& f = frames_.back();
        if (f.next < f.end) {
            const int j = f.next++;
            const std::uint8_t flag = childFlag_[static_cast<std::size_t>(j)];
            if (flag == kSkip)
                continue;
            const SolverMove m = moves_[static_cast<std::size_t>(j)];
            // The win counts even for a position seen before or past the budget.
            if (flag == kSolves) {
                apply(m);
                return true;
            }
            if (!visited_.insert(childHash_[static_cast<std::size_t>(j)]))
                continue;
            if (++nodes_ > maxNodes_) {
                exhausted_ = true;
                return false;
            }
            if (stop_ && nodes_ % kStopPollNodes == 0 && stop_->load(std::memory_order_relaxed)) {
                stopped_ = true;
                return false;
            }
            bool flipped = false;
            if (f.batch == batch_) {
                // Nothing has been expanded since this frame's batch, so the
                // trail still describes this position and the child's states
                // are at hand.
                applyMarked(m, flipped);
                const auto q = static_cast<std::size_t>(childTail_[static_cast<std::size_t>(j)]);
                const int from = tailStart_[q];
                const int length = tailLength_[q];
                std::memcpy(trail_.data() + from, tailStates_.data() + q * kTrailSize,
                            static_cast<std::size_t>(length + 1) * sizeof(std::uint64_t));
                std::memcpy(sequence_.data() + from, tailOf(tailOrdinal_[q]),
                            static_cast<std::size_t>(length));
                hashState_ = trail_[static_cast<std::size_t>(from + length)];
                rebuildSegmentBases();
                dirty_ = kClean;
            } else {
                flipped = apply(m);
            }
            expand(&m, flipped); // invalidates f
            continue;
        }
        const Frame done = f;
        frames_.pop_back();
        moveCount_ -= done.end - done.start;
        if (done.hasApplied)
            undo(done.applied, done.flipped);
        if (frames_.empty())
            return false;
    }
}

} // namespace murvane::solver
