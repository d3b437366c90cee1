// The two identities of a solver position: the 64-bit FNV-1a hash that the
// visited set holds, kept incrementally along the hashed byte sequence, and
// the 128-bit key that moves change by a few terms.

#include "SolverSearch.h"

#include <cstring>

namespace murvane::solver {

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

// Constants of the position key, two independent sets. A card is worth a
// constant per code (odd, face-up bit included) times the constant of its
// place, and place (pile, index) is worth pile + index * step: a run that
// moves keeps its order, so its change is the sum of its cards times the
// difference of two places. The foundation counts and the recycle count
// are worth a constant each per unit.
struct KeyConstants {
    std::array<std::uint64_t, 128> card{};
    std::array<std::uint64_t, 9 * 64> place{};
    std::array<std::uint64_t, kSuitCount> home{};
    std::uint64_t pass = 0;
};

constexpr std::uint64_t splitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr KeyConstants makeKeyConstants(std::uint64_t seed)
{
    KeyConstants k;
    for (auto& c : k.card)
        c = splitMix(seed) | 1;
    const std::uint64_t step = splitMix(seed);
    for (std::size_t pile = 0; pile < 9; ++pile) {
        const std::uint64_t base = splitMix(seed);
        for (std::size_t i = 0; i < 64; ++i)
            k.place[pile * 64 + i] = base + i * step;
    }
    for (auto& h : k.home)
        h = splitMix(seed);
    k.pass = splitMix(seed);
    return k;
}

constexpr KeyConstants kKeyLo = makeKeyConstants(0x5EED0001);
constexpr KeyConstants kKeyHi = makeKeyConstants(0x5EED0002);

// Card x at place `at` (pile * 64 + index).
inline PositionKey cardTerm(CardCode x, int at)
{
    return {kKeyLo.card[x] * kKeyLo.place[static_cast<std::size_t>(at)],
            kKeyHi.card[x] * kKeyHi.place[static_cast<std::size_t>(at)]};
}
// Cards worth `sum` (card constants added up) moved from place `from` to
// place `to`, keeping their order.
inline PositionKey moveTerm(const PositionKey& sum, int from, int to)
{
    const auto f = static_cast<std::size_t>(from);
    const auto t = static_cast<std::size_t>(to);
    return {sum.lo * (kKeyLo.place[t] - kKeyLo.place[f]), sum.hi * (kKeyHi.place[t] - kKeyHi.place[f])};
}
inline PositionKey cardValue(CardCode x) { return {kKeyLo.card[x], kKeyHi.card[x]}; }
// Card x at place `at` turned face up.
inline PositionKey flipTerm(CardCode x, int at)
{
    const auto a = static_cast<std::size_t>(at);
    const auto up = static_cast<std::size_t>(x | kFaceUpBit);
    return {(kKeyLo.card[up] - kKeyLo.card[x]) * kKeyLo.place[a], (kKeyHi.card[up] - kKeyHi.card[x]) * kKeyHi.place[a]};
}
inline PositionKey homeTerm(int suit)
{
    return {kKeyLo.home[static_cast<std::size_t>(suit)], kKeyHi.home[static_cast<std::size_t>(suit)]};
}

} // namespace

// ------------------------------------------------------------------ FNV-1a

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


void SolverSearch::refreshTrail()
{
    // Hashes from the first byte changed, straight from the piles, noting
    // the state before every byte on the way.
    if (dirty_ == kClean)
        return;
    int seg = dirty_ >> 6;
    int index = dirty_ & 63;
    std::uint64_t* trail = trail_.data();
    std::uint64_t h = trail[dirty_];
    for (; seg < kColumnCount; ++seg, index = 0) {
        const CardCode* cards = store_.data() + seg * kPileStride;
        std::uint64_t* states = trail + (seg << 6);
        const int n = count(seg);
        for (; index < n; ++index) {
            states[index] = h;
            h = mix(h, cards[index]);
        }
        states[n] = h;
        h = mix(h, kColumnEnd);
    }
    if (seg == kFoundationSegment) {
        std::uint64_t* states = trail + (kFoundationSegment << 6);
        for (; index < kSuitCount; ++index) {
            states[index] = h;
            h = mix(h, foundation_[static_cast<std::size_t>(index)]);
        }
        seg = kStockSegment;
        index = 0;
    }
    // The stock segment is 0xFE and then the stock; the waste's 0xFD and the waste.
    const auto pileSegment = [&](int pile, int segment, std::uint8_t start) {
        std::uint64_t* states = trail + (segment << 6);
        if (index == 0) {
            states[0] = h;
            h = mix(h, start);
            index = 1;
        }
        const CardCode* cards = store_.data() + pile * kPileStride - 1;
        const int n = count(pile);
        for (; index <= n; ++index) {
            states[index] = h;
            h = mix(h, cards[index]);
        }
        states[n + 1] = h;
        index = 0;
    };
    if (seg == kStockSegment)
        pileSegment(kStockPile, kStockSegment, kStockStart);
    pileSegment(kWastePile, kWasteSegment, kWasteStart);
    hashState_ = h;
    dirty_ = kClean;
}

std::uint64_t SolverSearch::positionHash()
{
    refreshTrail();
    return finishHash(hashState_, recycles_);
}

// ------------------------------------------------------------------- keys

void SolverSearch::startHashing()
{
    trail_[0] = kFnvOffset;
    dirty_ = 0;
    key_ = recomputeKey();
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
        k += PositionKey{n * kKeyLo.home[static_cast<std::size_t>(s)], n * kKeyHi.home[static_cast<std::size_t>(s)]};
    }
    const auto passes = static_cast<std::uint64_t>(recycles_);
    return k + PositionKey{passes * kKeyLo.pass, passes * kKeyHi.pass};
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
        PositionKey run;
        for (int i = 0; i < m.d; ++i)
            run += cardValue(store[from + i]);
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
            k += PositionKey{kKeyLo.pass, kKeyHi.pass};
        return k;
    }
    }
    return k;
}

void SolverSearch::keyChildren(int start, int end)
{
    for (int j = start; j < end; ++j) {
        const PositionKey k = key_ + keyChange(moves_[static_cast<std::size_t>(j)]);
        childKey_[static_cast<std::size_t>(j)] = k;
        counted_.prefetch(k);
    }
}

} // namespace murvane::solver
