// Move generation, apply and undo of the solver's position model.

#include "FrozenKeys.h"
#include "FrozenSearch.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace murvane::solver::numbered::v1 {

namespace {

constexpr std::uint8_t kKingRankIndex = 12;
constexpr std::uint8_t kFullFoundation = 13;
constexpr std::uint64_t kKingCards = (std::uint64_t{1} << 12) | (std::uint64_t{1} << 25)
    | (std::uint64_t{1} << 38) | (std::uint64_t{1} << 51);

// Per-code lookups (all 128 codes, face-up bit included), so move
// generation does no division.
struct CodeTable {
    std::array<std::uint8_t, 128> rank{};
    std::array<std::uint8_t, 128> suit{};
    // The cards this one may lie on (the other colour, one rank higher), as
    // bits by card index.
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
        // Spades and clubs are black, hearts and diamonds red.
        const int other1 = codeIsRed(code) ? 0 : 1;
        const int other2 = codeIsRed(code) ? 3 : 2;
        if (rank < kRanksPerSuit - 1)
            t.above[c] = (std::uint64_t{1} << (other1 * kRanksPerSuit + rank + 1))
                | (std::uint64_t{1} << (other2 * kRanksPerSuit + rank + 1));
    }
    return t;
}
constexpr CodeTable kCodes = makeCodeTable();

} // namespace

bool SolverSearch::isSolved() const
{
    return foundation_[0] == kFullFoundation && foundation_[1] == kFullFoundation
        && foundation_[2] == kFullFoundation && foundation_[3] == kFullFoundation;
}

bool SolverSearch::completesFoundations(const SolverMove& m) const
{
    // Only a card going home can complete the foundations.
    using Kind = SolverMove::Kind;
    if (m.kind != Kind::wasteToFoundation && m.kind != Kind::tableauToFoundation)
        return false;
    const int suit = m.kind == Kind::wasteToFoundation ? m.a : m.b;
    for (int s = 0; s < kSuitCount; ++s) {
        if (foundation_[static_cast<std::size_t>(s)] + (s == suit ? 1 : 0) != kFullFoundation)
            return false;
    }
    return true;
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

void SolverSearch::growMoves()
{
    moveCapacity_ = std::max(moveCount_ + kMaxMovesPerPosition + 1, 2 * moveCapacity_);
    moves_.resize(static_cast<std::size_t>(moveCapacity_));
    childKey_.resize(static_cast<std::size_t>(moveCapacity_));
}

void SolverSearch::generateOrderedMoves()
{
    generateMoves(kNoRun);
}

std::uint32_t SolverSearch::undoingRun(const SolverMove& applied, bool flipped) const
{
    // The run just moved from column a (index b) onto column c goes back
    // the same way to the position before, which has been counted: unless
    // the move turned a card face up there, that is the same piles again.
    if (applied.kind != SolverMove::Kind::tableauToTableau || flipped)
        return kNoRun;
    const int at = count(applied.c) - applied.d;
    return static_cast<std::uint32_t>(applied.c << 12 | at << 4 | applied.a);
}

const SolverSearch::StockTerms& SolverSearch::stockTerms()
{
    if (stockTermsAt_ == stockChanges_)
        return stockTerms_;
    stockTermsAt_ = stockChanges_;
    using Kind = SolverMove::Kind;
    const int wasteCount = count(kWastePile);
    const int stockCount = count(kStockPile);
    const int wasteTop = kWastePile * kPileStride + wasteCount - 1;
    const auto turned = static_cast<std::uint8_t>(std::min(drawCount_, stockCount));
    stockTerms_.wasteOff = wasteCount > 0 ? PositionKey{} - keys::cardTerm(store_[wasteTop], wasteTop) : PositionKey{};
    stockTerms_.draw = stockCount > 0 ? keyChange(SolverMove{Kind::draw, turned, 0, 0, 0, 4}) : PositionKey{};
    stockTerms_.recycle = stockCount == 0 && wasteCount > 0 ? keyChange(SolverMove{Kind::recycle, 0, 0, 0, 0, 5})
                                                            : PositionKey{};
    return stockTerms_;
}

void SolverSearch::generateMoves(std::uint32_t skipRun)
{
    // Bucket by bucket, each in generation order, which is what a stable
    // ordering of the plain generation order by bucket leaves. Instead of trying every
    // card on every column, find the face-up cards that fit on some column's
    // top, all at once from a mask of the tops, and look up where they lie.
    using Kind = SolverMove::Kind;
    reserveMoves();
    SolverMove* out = moves_.data() + moveCount_;
    // Each move comes with the key of the position it leads to.
    PositionKey* keyOut = childKey_.data() + moveCount_;
    const auto emit = [&](Kind kind, int a, int b, int c, int d, int bucket, const PositionKey& key) {
        writeMove(out++, kind, a, b, c, d, bucket);
        *keyOut++ = key;
    };
    const auto placeOf = [](int pile, int index) { return pile * kPileStride + index; };
    const CardCode* store = store_.data();
    const std::uint64_t up = faceUpCards_;

    // Run moves keyed by source column, source index and destination (the
    // generation order). A face-up card fits on a top of the other colour,
    // one rank higher: shifting the tops' rank bits down one finds all the
    // cards that fit somewhere at once.
    const std::uint64_t tops = topCards_;
    std::array<std::uint32_t, 2 * kColumnCount + kSuitCount * kColumnCount> runs;
    int runCount = 0;
    // The empty columns: a bit per zero count, found in all of them at once.
    std::uint64_t counts;
    std::memcpy(&counts, counts_.data(), sizeof counts);
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t zeroBytes = ~(((counts & kLow7) + kLow7) | counts | kLow7); // 0x80 per zero byte
    const auto emptyColumns =
        static_cast<unsigned>(((zeroBytes >> 7) * 0x0102040810204080ULL) >> 56) & ((1u << kColumnCount) - 1);
    constexpr std::uint64_t kSuitBits = (std::uint64_t{1} << kRanksPerSuit) - 1;
    // Spades and clubs are black, hearts and diamonds red.
    const std::uint64_t blackTops = (tops | tops >> (3 * kRanksPerSuit)) & kSuitBits;
    const std::uint64_t redTops = (tops >> kRanksPerSuit | tops >> (2 * kRanksPerSuit)) & kSuitBits;
    const std::uint64_t fits = (redTops >> 1) | (blackTops >> 1) << kRanksPerSuit
        | (blackTops >> 1) << (2 * kRanksPerSuit) | (redTops >> 1) << (3 * kRanksPerSuit);
    for (std::uint64_t movers = fits & up; movers != 0; movers &= movers - 1) {
        const int card = std::countr_zero(movers);
        const std::uint16_t at = where_[static_cast<std::size_t>(card)];
        for (std::uint64_t onto = kCodes.above[static_cast<std::size_t>(card)] & tops; onto != 0; onto &= onto - 1) {
            const int k = where_[static_cast<std::size_t>(std::countr_zero(onto))] >> 8;
            const auto run = static_cast<std::uint32_t>(at << 4 | k);
            if ((at >> 8) != k && run != skipRun)
                runs[static_cast<std::size_t>(runCount++)] = run;
        }
    }
    // The columns whose top card can go home.
    unsigned homeColumns = 0;
    for (std::uint64_t cards = tops & nextHome_; cards != 0; cards &= cards - 1)
        homeColumns |= 1u << (where_[static_cast<std::size_t>(std::countr_zero(cards))] >> 8);
    if (emptyColumns != 0) {
        // A King already at the bottom of its column never moves to an empty one.
        for (std::uint64_t kings = kKingCards & up; kings != 0; kings &= kings - 1) {
            const std::uint16_t at = where_[static_cast<std::size_t>(std::countr_zero(kings))];
            if ((at & 0xFF) == 0)
                continue;
            for (unsigned e = emptyColumns; e != 0; e &= e - 1) {
                const auto run = static_cast<std::uint32_t>(at << 4 | std::countr_zero(e));
                if (run != skipRun)
                    runs[static_cast<std::size_t>(runCount++)] = run;
            }
        }
    }
    for (int r = 1; r < runCount; ++r) {
        const std::uint32_t key = runs[static_cast<std::size_t>(r)];
        int j = r;
        for (; j > 0 && runs[static_cast<std::size_t>(j - 1)] > key; --j)
            runs[static_cast<std::size_t>(j)] = runs[static_cast<std::size_t>(j - 1)];
        runs[static_cast<std::size_t>(j)] = key;
    }
    // Which runs uncover a face-down card (bucket 1, the others are bucket 3),
    // worked out without a branch per run. A run from the bottom of its
    // column reads its own card, face up, instead of the one below it.
    std::uint64_t uncovering = 0;
    for (int r = 0; r < runCount; ++r) {
        const std::uint32_t run = runs[static_cast<std::size_t>(r)];
        const int p = static_cast<int>(run >> 4 & 0xFF);
        const int below = placeOf(static_cast<int>(run >> 12), p) - (p > 0 ? 1 : 0);
        uncovering |= static_cast<std::uint64_t>(!codeIsFaceUp(store[below])) << r;
    }
    const std::uint64_t allRuns = (std::uint64_t{1} << runCount) - 1;
    const auto emitRuns = [&](std::uint64_t which, bool uncover, int bucket) {
        for (; which != 0; which &= which - 1) {
            const std::uint32_t run = runs[static_cast<std::size_t>(std::countr_zero(which))];
            const int i = static_cast<int>(run >> 12);
            const int p = static_cast<int>(run >> 4 & 0xFF);
            const int k = static_cast<int>(run & 0xF);
            const int from = placeOf(i, p);
            const PositionKey sum = columnSums_[static_cast<std::size_t>(placeOf(i, count(i)))]
                - columnSums_[static_cast<std::size_t>(from)];
            PositionKey key = key_ + keys::moveTerm(sum, from, placeOf(k, count(k)));
            if (uncover)
                key += keys::flipTerm(store[from - 1], from - 1);
            emit(Kind::tableauToTableau, i, p, k, count(i) - p, bucket, key);
        }
    };

    const int wasteCount = count(kWastePile);
    const CardCode w = wasteCount > 0 ? pileData(kWastePile)[wasteCount - 1] : CardCode{0};
    const StockTerms& terms = stockTerms();
    // The key without the waste top.
    const PositionKey wasteOff = key_ + terms.wasteOff;
    // Bucket 0: home moves, the waste first.
    if (wasteCount > 0 && foundation_[kCodes.suit[w]] == kCodes.rank[w])
        emit(Kind::wasteToFoundation, kCodes.suit[w], 0, 0, 0, 0, wasteOff + keys::homeTerm(kCodes.suit[w]));
    for (unsigned h = homeColumns; h != 0; h &= h - 1) {
        const int i = std::countr_zero(h);
        const int n = count(i);
        const CardCode top = store[placeOf(i, n - 1)];
        PositionKey key = key_ + keys::homeTerm(kCodes.suit[top]) - keys::cardTerm(top, placeOf(i, n - 1));
        if (n >= 2 && !codeIsFaceUp(store[placeOf(i, n - 2)]))
            key += keys::flipTerm(store[placeOf(i, n - 2)], placeOf(i, n - 2));
        emit(Kind::tableauToFoundation, i, kCodes.suit[top], 0, 0, 0, key);
    }
    // Bucket 1.
    emitRuns(uncovering, true, 1);
    // Bucket 2: the waste card onto a column whose face-up top takes it.
    if (wasteCount > 0) {
        unsigned columns = kCodes.rank[w] == kKingRankIndex ? emptyColumns : 0u;
        for (std::uint64_t cards = kCodes.above[w] & tops; cards != 0; cards &= cards - 1)
            columns |= 1u << (where_[static_cast<std::size_t>(std::countr_zero(cards))] >> 8);
        const auto up = static_cast<CardCode>(w | kFaceUpBit);
        for (; columns != 0; columns &= columns - 1) {
            const int k = std::countr_zero(columns);
            emit(Kind::wasteToTableau, k, 0, 0, 0, 2, wasteOff + keys::cardTerm(up, placeOf(k, count(k))));
        }
    }
    // Bucket 3, then the stock.
    emitRuns(allRuns & ~uncovering, false, 3);
    if (count(kStockPile) > 0)
        emit(Kind::draw, std::min(drawCount_, count(kStockPile)), 0, 0, 0, 4, key_ + terms.draw);
    else if (wasteCount > 0 && (!maxRecycles_ || recycles_ < *maxRecycles_))
        emit(Kind::recycle, 0, 0, 0, 0, 5, key_ + terms.recycle);
    moveCount_ = static_cast<int>(out - moves_.data());
}

void SolverSearch::truncateMoves(int count)
{
    moveCount_ = std::clamp(count, 0, moveCount_);
}

void SolverSearch::sumColumnFrom(int col, int index)
{
    const CardCode* cards = pileData(col);
    PositionKey* sums = columnSums_.data() + col * kPileStride;
    for (int i = index; i < count(col); ++i)
        sums[i + 1] = sums[i] + keys::cardValue(cards[i]);
}

void SolverSearch::moveRun(int from, int index, int to, int at, int n)
{
    // Copies the cards, notes where they went and extends the destination's
    // sums as it goes.
    const CardCode* src = pileData(from) + index;
    CardCode* dst = pileData(to) + at;
    PositionKey* sums = columnSums_.data() + to * kPileStride + at;
    PositionKey sum = sums[0];
    for (int i = 0; i < n; ++i) {
        const CardCode c = src[i];
        dst[i] = c;
        where_[c & kCardIndexMask] = static_cast<std::uint16_t>(to << 8 | (at + i));
        sum += keys::cardValue(c);
        sums[i + 1] = sum;
    }
}

void SolverSearch::unflipTop(int col)
{
    CardCode& top = pileData(col)[count(col) - 1];
    top = static_cast<CardCode>(top & ~kFaceUpBit);
    faceUpCards_ &= ~(std::uint64_t{1} << (top & kCardIndexMask));
    sumColumnFrom(col, count(col) - 1);
}

bool SolverSearch::flipTop(int col)
{
    const int n = count(col);
    if (n == 0 || codeIsFaceUp(pileData(col)[n - 1]))
        return false;
    pileData(col)[n - 1] |= kFaceUpBit;
    faceUpCards_ |= std::uint64_t{1} << (pileData(col)[n - 1] & kCardIndexMask);
    sumColumnFrom(col, n - 1);
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
        refreshNextHome(m.a);
        ++stockChanges_;
        return (kFoundationSegment << 6) + m.a;
    case Kind::wasteToTableau: {
        const int n = count(m.a);
        dropTop(m.a);
        const CardCode w = pileData(kWastePile)[--counts_[kWastePile]];
        ++stockChanges_;
        pileData(m.a)[n] = static_cast<CardCode>(w | kFaceUpBit);
        where_[w] = static_cast<std::uint16_t>(m.a << 8 | n);
        faceUpCards_ |= std::uint64_t{1} << w;
        ++counts_[m.a];
        topCards_ |= std::uint64_t{1} << w;
        sumColumnFrom(m.a, n);
        return columnMark(m.a, n);
    }
    case Kind::tableauToFoundation: {
        dropTop(m.a);
        const int n = --counts_[m.a];
        where_[pileData(m.a)[n] & kCardIndexMask] = kNowhere;
        faceUpCards_ &= ~(std::uint64_t{1} << (pileData(m.a)[n] & kCardIndexMask));
        ++foundation_[m.b];
        refreshNextHome(m.b);
        flipped = flipTop(m.a);
        raiseTop(m.a);
        return columnMark(m.a, n - (flipped ? 1 : 0));
    }
    case Kind::tableauToTableau: {
        // The run's top card stays a top.
        const int n = count(m.c);
        dropTop(m.c);
        moveRun(m.a, m.b, m.c, n, m.d);
        counts_[m.c] = static_cast<std::uint8_t>(n + m.d);
        counts_[m.a] = m.b;
        flipped = flipTop(m.a);
        raiseTop(m.a);
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
        ++stockChanges_;
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
        ++stockChanges_;
        if (maxRecycles_)
            ++recycles_;
        return stockMark(0);
    }
    }
    return 0;
}

bool SolverSearch::apply(const SolverMove& m)
{
    key_ += keyChange(m);
    bool flipped = false;
    markDirty(applyMarked(m, flipped));
    return flipped;
}

void SolverSearch::undo(const SolverMove& m, bool flipped)
{
    undoMarked(m, flipped);
    key_ = key_ - keyChange(m);
}

void SolverSearch::undoMarked(const SolverMove& m, bool flipped)
{
    using Kind = SolverMove::Kind;
    switch (m.kind) {
    case Kind::wasteToFoundation:
        markDirty((kFoundationSegment << 6) + m.a);
        --foundation_[m.a];
        refreshNextHome(m.a);
        ++stockChanges_;
        pileData(kWastePile)[counts_[kWastePile]++] =
            static_cast<CardCode>(m.a * kRanksPerSuit + foundation_[m.a]);
        return;
    case Kind::wasteToTableau: {
        dropTop(m.a);
        const int n = --counts_[m.a];
        where_[pileData(m.a)[n] & kCardIndexMask] = kNowhere;
        faceUpCards_ &= ~(std::uint64_t{1} << (pileData(m.a)[n] & kCardIndexMask));
        pileData(kWastePile)[counts_[kWastePile]++] = static_cast<CardCode>(pileData(m.a)[n] & ~kFaceUpBit);
        ++stockChanges_;
        raiseTop(m.a);
        markDirty(columnMark(m.a, n));
        return;
    }
    case Kind::tableauToFoundation: {
        const int n = count(m.a);
        dropTop(m.a);
        if (flipped)
            unflipTop(m.a);
        markDirty(columnMark(m.a, n - (flipped ? 1 : 0)));
        --foundation_[m.b];
        refreshNextHome(m.b);
        const int card = m.b * kRanksPerSuit + foundation_[m.b];
        pileData(m.a)[n] = static_cast<CardCode>(card | kFaceUpBit);
        where_[static_cast<std::size_t>(card)] = static_cast<std::uint16_t>(m.a << 8 | n);
        faceUpCards_ |= std::uint64_t{1} << card;
        topCards_ |= std::uint64_t{1} << card;
        ++counts_[m.a];
        sumColumnFrom(m.a, n);
        return;
    }
    case Kind::tableauToTableau: {
        // The run's top card stays a top.
        const int n = count(m.a);
        dropTop(m.a);
        if (flipped)
            unflipTop(m.a);
        const int from = count(m.c) - m.d;
        markDirty(std::min(columnMark(m.a, n - (flipped ? 1 : 0)), columnMark(m.c, from)));
        moveRun(m.c, from, m.a, n, m.d);
        counts_[m.a] = static_cast<std::uint8_t>(n + m.d);
        counts_[m.c] = static_cast<std::uint8_t>(from);
        raiseTop(m.c);
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
        ++stockChanges_;
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
        ++stockChanges_;
        if (maxRecycles_)
            --recycles_;
        return;
    }
    }
}

} // namespace murvane::solver::numbered::v1
