#pragma once
// Small helpers for writing solver positions in tests: a card is "QH", a
// face-up tableau card "QH*"; piles are space-separated, bottom first.

#include "solver/DealText.h"
#include "solver/SolverSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace murvane::solver::testing {

inline SolverCard card(std::string_view text)
{
    const bool faceUp = !text.empty() && text.back() == '*';
    const auto parsed = parseCardToken(faceUp ? text.substr(0, text.size() - 1) : text);
    if (!parsed)
        throw std::invalid_argument("bad card in test: " + std::string(text));
    SolverCard c = *parsed;
    c.isFaceUp = faceUp;
    return c;
}

inline std::vector<SolverCard> pile(std::string_view text)
{
    std::vector<SolverCard> cards;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        if (end > pos)
            cards.push_back(card(text.substr(pos, end - pos)));
        pos = end + 1;
    }
    return cards;
}

struct Position {
    std::array<std::vector<SolverCard>, 7> tableau;
    std::vector<SolverCard> stock;
    std::vector<SolverCard> waste;
    std::array<int, 4> foundation{0, 0, 0, 0};
};

struct Rules {
    int drawCount = 1;
    std::int64_t maxNodes = kDefaultMaxNodes;
    std::optional<int> maxRecycles;
};

inline SolverSearch makeSearch(const Position& p, Rules r = {})
{
    return SolverSearch(p.tableau, p.stock, p.waste, p.foundation, r.drawCount, r.maxNodes, r.maxRecycles);
}

inline SolveResult solvePosition(const Position& p, Rules r = {})
{
    return solve(p.tableau, p.stock, p.waste, p.foundation, r.drawCount, r.maxNodes, r.maxRecycles);
}

inline Position dealPosition(const Deck& deck)
{
    const DealLayout layout = dealLayout(deck);
    Position p;
    p.tableau = layout.tableau;
    p.stock = layout.stock;
    return p;
}

// A shuffle drawing as these tests always have (a standard distribution over
// the engine), so that their seeds keep giving the same deals.
inline Deck shuffledDeck(std::mt19937_64& random)
{
    struct {
        std::mt19937_64& engine;
        std::uint32_t below(std::uint32_t bound)
        {
            return static_cast<std::uint32_t>(std::uniform_int_distribution<int>(0, static_cast<int>(bound) - 1)(engine));
        }
    } draws{random};
    Deck deck = orderedDeck();
    shuffleDeck(deck, draws);
    return deck;
}

inline Position randomDeal(std::mt19937_64& random)
{
    return dealPosition(shuffledDeck(random));
}

inline SolverCard fromCode(CardCode code)
{
    return SolverCard{static_cast<std::uint8_t>(codeSuit(code)),
                      static_cast<std::uint8_t>(codeRankIndex(code) + 1), codeIsFaceUp(code)};
}

// The search's current piles as cards again, e.g. to start a fresh search there.
inline Position positionOf(const SolverSearch& s)
{
    Position p;
    const auto cards = [](PileView view) {
        std::vector<SolverCard> out;
        for (int i = 0; i < view.size(); ++i)
            out.push_back(fromCode(view[i]));
        return out;
    };
    for (int col = 0; col < kColumnCount; ++col)
        p.tableau[static_cast<std::size_t>(col)] = cards(s.column(col));
    p.stock = cards(s.stock());
    p.waste = cards(s.waste());
    for (int suit = 0; suit < kSuitCount; ++suit)
        p.foundation[static_cast<std::size_t>(suit)] = s.foundation()[static_cast<std::size_t>(suit)];
    return p;
}

// Everything apply and undo may touch, for exact comparisons.
struct Snapshot {
    std::array<std::vector<CardCode>, kColumnCount> tableau;
    std::vector<CardCode> stock;
    std::vector<CardCode> waste;
    std::array<std::uint8_t, kSuitCount> foundation{};
    std::int64_t recycles = 0;
    std::uint64_t hash = 0;
    PositionKey key;
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot snapshot(SolverSearch& s)
{
    Snapshot snap;
    for (int col = 0; col < kColumnCount; ++col)
        snap.tableau[static_cast<std::size_t>(col)] = s.column(col).toVector();
    snap.stock = s.stock().toVector();
    snap.waste = s.waste().toVector();
    snap.foundation = s.foundation();
    snap.recycles = s.recycles();
    snap.hash = s.positionHash();
    snap.key = s.positionKey();
    return snap;
}

// The rules stated plainly, in generation order: the waste card (home, then
// onto each column), each column's top card home and each of its face-up
// cards onto each other column, then the stock. The search's own generator
// must agree with this once it is ordered by bucket.
inline std::vector<SolverMove> generated(const SolverSearch& s)
{
    using Kind = SolverMove::Kind;
    std::vector<SolverMove> out;
    const auto emit = [&out](Kind kind, int a, int b, int c, int d, int bucket) {
        out.push_back(SolverMove{kind, static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                 static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                                 static_cast<std::uint8_t>(bucket)});
    };
    constexpr int kKing = 12;
    const auto takes = [&s](int k, CardCode x) {
        const PileView col = s.column(k);
        if (col.empty())
            return false;
        const CardCode top = col.top();
        return codeIsFaceUp(top) && codeIsRed(top) != codeIsRed(x) && codeRankIndex(top) == codeRankIndex(x) + 1;
    };
    const auto home = [&s](CardCode x) { return s.foundation()[static_cast<std::size_t>(codeSuit(x))] == codeRankIndex(x); };
    if (!s.waste().empty()) {
        const CardCode w = s.waste().top();
        if (home(w))
            emit(Kind::wasteToFoundation, codeSuit(w), 0, 0, 0, 0);
        for (int k = 0; k < kColumnCount; ++k) {
            if (s.column(k).empty() ? codeRankIndex(w) == kKing : takes(k, w))
                emit(Kind::wasteToTableau, k, 0, 0, 0, 2);
        }
    }
    for (int i = 0; i < kColumnCount; ++i) {
        const PileView col = s.column(i);
        if (col.empty())
            continue;
        if (codeIsFaceUp(col.top()) && home(col.top()))
            emit(Kind::tableauToFoundation, i, codeSuit(col.top()), 0, 0, 0);
        for (int p = 0; p < col.size(); ++p) {
            const CardCode x = col[p];
            if (!codeIsFaceUp(x))
                continue;
            const int bucket = (p == 0 || codeIsFaceUp(col[p - 1])) ? 3 : 1;
            for (int k = 0; k < kColumnCount; ++k) {
                // A King already at the bottom of its column never moves to an empty one.
                if (k != i && (s.column(k).empty() ? codeRankIndex(x) == kKing && p > 0 : takes(k, x)))
                    emit(Kind::tableauToTableau, i, p, k, col.size() - p, bucket);
            }
        }
    }
    if (!s.stock().empty()) {
        emit(Kind::draw, std::min(s.drawCount(), s.stock().size()), 0, 0, 0, 4);
    } else if (!s.waste().empty() && (!s.maxRecycles() || s.recycles() < *s.maxRecycles())) {
        emit(Kind::recycle, 0, 0, 0, 0, 5);
    }
    return out;
}

// Stable insertion sort of moves [start, end) by bucket.
inline void orderByBucket(std::vector<SolverMove>& moves, std::size_t start)
{
    for (std::size_t i = start + 1; i < moves.size(); ++i) {
        const SolverMove key = moves[i];
        std::size_t j = i;
        for (; j > start && moves[j - 1].bucket > key.bucket; --j)
            moves[j] = moves[j - 1];
        moves[j] = key;
    }
}

inline std::vector<SolverMove> ordered(const SolverSearch& s)
{
    std::vector<SolverMove> moves = generated(s);
    orderByBucket(moves, 0);
    return moves;
}

inline SolverMove move(SolverMove::Kind kind, int a, int b, int c, int d, int bucket)
{
    return SolverMove{kind, static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                      static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                      static_cast<std::uint8_t>(bucket)};
}

} // namespace murvane::solver::testing
