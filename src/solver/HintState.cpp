#include "solver/HintState.h"

#include <algorithm>

namespace murvane::solver {

std::string positionKey(const HintPosition& p)
{
    // One byte a card (suit and rank, the face in its own bit) and an end
    // mark a pile, then the numbers in a fixed-size tail.
    constexpr char kEndOfPile = char(0x7F);
    constexpr int kFaceUpBit = 0x40;
    std::string key;
    key.reserve(96);
    auto addPile = [&key](const std::vector<SolverCard>& pile, bool faces) {
        for (const SolverCard& c : pile)
            key.push_back(char(c.suitIndex * 16 + c.rank + (faces && c.isFaceUp ? kFaceUpBit : 0)));
        key.push_back(kEndOfPile);
    };
    auto addNumber = [&key](int n) {
        for (int shift = 0; shift < 32; shift += 8)
            key.push_back(char((unsigned(n) >> shift) & 0xFF));
    };
    for (const auto& column : p.tableau)
        addPile(column, true);
    addPile(p.stock, false);
    addPile(p.waste, false);
    for (int n : p.foundation)
        addNumber(n);
    addNumber(p.drawCount);
    key.push_back(p.recyclesLeft ? 'l' : 'u');
    addNumber(p.recyclesLeft.value_or(0));
    return key;
}

} // namespace murvane::solver

namespace murvane::solver::hint {

namespace {

SolverCard cardOf(CardCode c, bool faceUp)
{
    return {std::uint8_t(codeSuit(c)), std::uint8_t(rankOf(c)), faceUp};
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

} // namespace

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

void legalMoves(const State& s, bool all, std::vector<HintMove>& out, MoveOrder order)
{
    const bool progress = order == MoveOrder::progressFirst;
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
                // Turning a card up or emptying a column is progress.
                const bool uncovers = start == 0 ? progress : !codeIsFaceUp(pile[std::size_t(start - 1)]);
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
    // The stock before runs that turn nothing up: a player's position is
    // mostly settled by new cards, and shuffling runs between columns first
    // sends a depth-first search down long lines of sideways moves.
    auto stock = [&] {
        if (s.stockLen > 0)
            out.push_back({K::draw, 0, 0, 0, 0});
        else if (s.wasteLen > 0 && s.recyclesLeft != 0)
            out.push_back({K::recycle, 0, 0, 0, 0});
    };
    if (progress)
        stock();
    runs(false);
    if (!progress)
        stock();
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

} // namespace murvane::solver::hint
