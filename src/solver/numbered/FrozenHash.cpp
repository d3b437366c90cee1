// The two identities of a solver position: the 64-bit FNV-1a hash that the
// visited set holds, kept incrementally along the hashed byte sequence, and
// the 128-bit key that moves change by a few terms.

#include "FrozenKeys.h"
#include "FrozenSearch.h"

#include <algorithm>
#include <cstring>

namespace murvane::solver::numbered::v1 {

using namespace keys;

namespace {

constexpr std::uint64_t kFnvOffset = 0xCBF29CE484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001B3ULL;
constexpr std::uint8_t kColumnEnd = 0xFF;
constexpr std::uint8_t kStockStart = 0xFE;
constexpr std::uint8_t kWasteStart = 0xFD;
constexpr std::uint8_t kHashEnd = 0xFC;

constexpr std::uint64_t mix(std::uint64_t h, std::uint64_t x) { return (h ^ x) * kFnvPrime; }

constexpr std::uint64_t finishHash(std::uint64_t h, std::int64_t recycles)
{
    return (h ^ (static_cast<std::uint64_t>(recycles) << 8) ^ kHashEnd) * kFnvPrime;
}

} // namespace

// ------------------------------------------------------------------ FNV-1a

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
    // Copies whole blocks and advances by the real length; the tail buffer
    // and the pile store both have the slack for it. A column in play holds
    // at most 19 cards, so one 32-byte block nearly always does.
    constexpr int kColumnBlock = 32;
    std::uint8_t* o = out;
    int seg = mark >> 6;
    int index = mark & 63;
    for (; seg < kColumnCount; ++seg, index = 0) {
        const CardCode* from = store_.data() + seg * kPileStride + index;
        const int n = count(seg) - index;
        std::memcpy(o, from, kColumnBlock);
        if (n > kColumnBlock)
            std::memcpy(o + kColumnBlock, from + kColumnBlock, kPileStride - kColumnBlock);
        o += n;
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

int SolverSearch::writeAll(std::uint8_t* out) const
{
    // writeTail(0, out) without its bookkeeping: a block that nearly always
    // holds the whole pile is copied, the rest of the pile only when it does
    // not; the real lengths are added up.
    std::uint8_t* o = out;
    const auto copyPile = [&o, this](int pile, int block) {
        const CardCode* cards = store_.data() + pile * kPileStride;
        std::memcpy(o, cards, static_cast<std::size_t>(block));
        if (count(pile) > block) [[unlikely]]
            std::memcpy(o + block, cards + block, static_cast<std::size_t>(kPileStride - block));
        o += count(pile);
    };
    for (int col = 0; col < kColumnCount; ++col) {
        copyPile(col, 16);
        *o++ = kColumnEnd;
    }
    std::memcpy(o, foundation_.data(), kSuitCount);
    o += kSuitCount;
    *o++ = kStockStart;
    copyPile(kStockPile, 32);
    *o++ = kWasteStart;
    copyPile(kWastePile, 32);
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
    // Lays out the bytes from the first one changed, then hashes them in one
    // loop, four at a time: running past the end only writes states nobody
    // reads (there is room for them), and the state at the end is kept.
    if (dirty_ == kClean)
        return;
    const int pos = segmentBase_[static_cast<std::size_t>(dirty_ >> 6)] + (dirty_ & 63);
    const int end = pos + writeTail(dirty_, sequence_.data() + pos);
    const std::uint8_t* bytes = sequence_.data();
    std::uint64_t* trail = trail_.data();
    std::uint64_t h = trail[pos];
    int t = pos;
    for (; t < end; t += 4) {
        trail[t] = h;
        h = mix(h, bytes[t]);
        trail[t + 1] = h;
        h = mix(h, bytes[t + 1]);
        trail[t + 2] = h;
        h = mix(h, bytes[t + 2]);
        trail[t + 3] = h;
        h = mix(h, bytes[t + 3]);
    }
    trail[t] = h;
    hashState_ = trail[end];
    rebuildSegmentBases();
    dirty_ = kClean;
}

std::uint64_t SolverSearch::positionHash()
{
    refreshTrail();
    return finishHash(hashState_, recycles_) & hashMask_;
}

// ---------------------------------------------------------- batched hashes

bool SolverSearch::queueHash()
{
    PendingHash& p = pending_[static_cast<std::size_t>(pendingCount_)];
    p.length = writeAll(p.bytes.data());
    p.recycles = recycles_;
    return ++pendingCount_ < kHashBatch || hashPending();
}

bool SolverSearch::settleHashes()
{
    return copyIfDue() && hashPending();
}

bool SolverSearch::hashPending()
{
    // One FNV chain waits on its multiply at every byte, but four
    // independent chains keep the multiplier busy: positions are hashed four
    // side by side over the bytes all four have, then each finishes alone.
    // The hashes are then looked up in the order the positions were counted,
    // as the plain search would have.
    std::array<std::uint64_t, kHashBatch> hashes;
    std::array<int, kHashBatch> done{};
    const auto bytesOf = [this](int i) { return pending_[static_cast<std::size_t>(i)].bytes.data(); };
    const auto lengthOf = [this](int i) { return pending_[static_cast<std::size_t>(i)].length; };
    hashes.fill(kFnvOffset);
    for (int i = 0; i + 4 <= pendingCount_; i += 4) {
        const std::uint8_t* a = bytesOf(i);
        const std::uint8_t* b = bytesOf(i + 1);
        const std::uint8_t* c = bytesOf(i + 2);
        const std::uint8_t* d = bytesOf(i + 3);
        const int common = std::min({lengthOf(i), lengthOf(i + 1), lengthOf(i + 2), lengthOf(i + 3)});
        std::uint64_t ha = kFnvOffset, hb = kFnvOffset, hc = kFnvOffset, hd = kFnvOffset;
        int t = 0;
        for (; t + 4 <= common; t += 4) {
            ha = mix(mix(mix(mix(ha, a[t]), a[t + 1]), a[t + 2]), a[t + 3]);
            hb = mix(mix(mix(mix(hb, b[t]), b[t + 1]), b[t + 2]), b[t + 3]);
            hc = mix(mix(mix(mix(hc, c[t]), c[t + 1]), c[t + 2]), c[t + 3]);
            hd = mix(mix(mix(mix(hd, d[t]), d[t + 1]), d[t + 2]), d[t + 3]);
        }
        for (; t < common; ++t) {
            ha = mix(ha, a[t]);
            hb = mix(hb, b[t]);
            hc = mix(hc, c[t]);
            hd = mix(hd, d[t]);
        }
        const std::size_t at = static_cast<std::size_t>(i);
        hashes[at] = ha;
        hashes[at + 1] = hb;
        hashes[at + 2] = hc;
        hashes[at + 3] = hd;
        std::fill_n(done.begin() + i, 4, common);
    }
    for (int i = 0; i < pendingCount_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        std::uint64_t h = hashes[at];
        for (int t = done[at]; t < lengthOf(i); ++t)
            h = mix(h, bytesOf(i)[t]);
        hashes[at] = finishHash(h, pending_[at].recycles) & hashMask_;
        visited_.prefetch(hashes[at]);
    }
    for (int i = 0; i < pendingCount_; ++i) {
        if (!visited_.insert(hashes[static_cast<std::size_t>(i)]))
            hashClash_ = true;
    }
    pendingCount_ = 0;
    return !hashClash_;
}

// ------------------------------------------------------------------- keys

void SolverSearch::startHashing()
{
    trail_[0] = kFnvOffset;
    segmentBase_[0] = 0;
    dirty_ = 0;
    key_ = recomputeKey();
    for (int col = 0; col < kColumnCount; ++col)
        sumColumnFrom(col, 0);
}

PositionKey SolverSearch::recomputeKey() const
{
    PositionKey k;
    for (int p = 0; p < kPileCount; ++p) {
        for (int i = 0; i < count(p); ++i)
            k += cardTerm(store_[static_cast<std::size_t>(p * kPileStride + i)], p * kPileStride + i);
    }
    for (int s = 0; s < kSuitCount; ++s) {
        const std::uint64_t n = foundation_[static_cast<std::size_t>(s)];
        k += times(homeTerm(s), PositionKey{n, n});
    }
    const auto passes = static_cast<std::uint64_t>(recycles_);
    return k + times(passTerm(), PositionKey{passes, passes});
}

PositionKey SolverSearch::keyChange(const SolverMove& m) const
{
    using Kind = SolverMove::Kind;
    const CardCode* store = store_.data();
    const auto at = [](int pile, int index) { return pile * kPileStride + index; };
    PositionKey k;
    switch (m.kind) {
    case Kind::wasteToFoundation: {
        const int w = count(kWastePile) - 1;
        return homeTerm(m.a) - cardTerm(store[at(kWastePile, w)], at(kWastePile, w));
    }
    case Kind::wasteToTableau: {
        const int w = count(kWastePile) - 1;
        const CardCode x = store[at(kWastePile, w)];
        return cardTerm(static_cast<CardCode>(x | kFaceUpBit), at(m.a, count(m.a)))
            - cardTerm(x, at(kWastePile, w));
    }
    case Kind::tableauToFoundation: {
        const int n = count(m.a);
        k = homeTerm(m.b) - cardTerm(store[at(m.a, n - 1)], at(m.a, n - 1));
        if (n >= 2 && !codeIsFaceUp(store[at(m.a, n - 2)]))
            k += flipTerm(store[at(m.a, n - 2)], at(m.a, n - 2));
        return k;
    }
    case Kind::tableauToTableau: {
        const int from = at(m.a, m.b);
        const PositionKey run = columnSums_[static_cast<std::size_t>(at(m.a, count(m.a)))]
            - columnSums_[static_cast<std::size_t>(from)];
        k = moveTerm(run, from, at(m.c, count(m.c)));
        if (m.b >= 1 && !codeIsFaceUp(store[from - 1]))
            k += flipTerm(store[from - 1], from - 1);
        return k;
    }
    case Kind::draw: {
        // The stock top goes first and ends up lowest of the cards turned.
        const int top = at(kStockPile, count(kStockPile) - 1);
        const int to = at(kWastePile, count(kWastePile));
        for (int i = 0; i < m.a; ++i)
            k += moveTerm(cardValue(store[top - i]), top - i, to + i);
        return k;
    }
    case Kind::recycle: {
        const int w = count(kWastePile);
        for (int i = 0; i < w; ++i)
            k += moveTerm(cardValue(store[at(kWastePile, i)]), at(kWastePile, i), at(kStockPile, w - 1 - i));
        if (maxRecycles_)
            k += passTerm();
        return k;
    }
    }
    return k;
}

} // namespace murvane::solver::numbered::v1
