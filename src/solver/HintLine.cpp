#include "solver/HintLine.h"

#include <algorithm>
#include <utility>

namespace murvane::solver::hint {

namespace {

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
    if (from == From::column
        && (step.onto < 0 ? index == 0
                          : index > 0 && (s.col[std::size_t(fromColumn)][std::size_t(index - 1)] & kCardIndexMask) == step.onto))
        return Resolved::noop;
    int to = step.toColumn;
    if (step.onto >= 0) {
        to = -1;
        for (int c = 0; c < kColumnCount && to < 0; ++c) {
            const int len = s.colLen[std::size_t(c)];
            if (len > 0 && (s.col[std::size_t(c)][std::size_t(len - 1)] & kCardIndexMask) == step.onto)
                to = c;
        }
        if (to < 0)
            return Resolved::illegal;
    }
    if (!fitsColumn(s, to, code))
        return Resolved::illegal;
    switch (from) {
    case From::waste: out = {K::wasteToColumn, 0, 0, to, 0}; break;
    case From::column: out = {K::columnToColumn, fromColumn, index, to, 0}; break;
    case From::foundation: out = {K::foundationToColumn, 0, 0, to, suit}; break;
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
        apply(s, m);
        if (out)
            out->push_back(m);
    }
    return isWon(s);
}

} // namespace

Step stepOf(const State& s, const HintMove& m)
{
    using K = HintMove::Kind;
    auto index = [](CardCode c) { return int(c & kCardIndexMask); };
    const int len = s.colLen[std::size_t(m.toColumn)];
    const int onto = len > 0 ? index(s.col[std::size_t(m.toColumn)][std::size_t(len - 1)]) : -1;
    switch (m.kind) {
    case K::draw: return {Step::Kind::draw};
    case K::recycle: return {Step::Kind::recycle};
    case K::wasteToFoundation: return {Step::Kind::home, index(s.waste[std::size_t(s.wasteLen - 1)])};
    case K::wasteToColumn: return {Step::Kind::column, index(s.waste[std::size_t(s.wasteLen - 1)]), onto, m.toColumn};
    case K::columnToFoundation:
        return {Step::Kind::home, index(s.col[std::size_t(m.fromColumn)][std::size_t(s.colLen[std::size_t(m.fromColumn)] - 1)])};
    case K::columnToColumn:
        return {Step::Kind::column, index(s.col[std::size_t(m.fromColumn)][std::size_t(m.startIndex)]), onto, m.toColumn};
    case K::foundationToColumn:
        return {Step::Kind::column, m.suitIndex * kRanksPerSuit + s.found[std::size_t(m.suitIndex)] - 1, onto, m.toColumn};
    }
    return {};
}

std::vector<HintMove> shorten(const State& start, const std::vector<HintMove>& line, const std::atomic<bool>* stop)
{
    std::vector<Step> steps;
    steps.reserve(line.size());
    std::vector<State> before; // before[i]: the position before steps[i]
    before.reserve(line.size() + 1);
    State s = start;
    for (const HintMove& m : line) {
        before.push_back(s);
        steps.push_back(stepOf(s, m));
        apply(s, m);
    }
    auto refresh = [&](std::size_t from) {
        before.resize(from + 1);
        State at = before[from];
        for (std::size_t i = from; i + 1 < steps.size(); ++i) {
            HintMove m;
            if (resolve(at, steps[i], m) == Resolved::move)
                apply(at, m);
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
    // Round trips: a card that leaves a face-up card and later lands on it
    // again. Its steps from leaving to coming back go together; cutting one
    // alone would strand it, and cutting them one at a time never wins.
    auto leaves = [&](std::size_t i) { // the face-up card steps[i] leaves, or -1
        HintMove m;
        if (steps[i].kind != Step::Kind::column || resolve(before[i], steps[i], m) != Resolved::move
            || m.kind != HintMove::Kind::columnToColumn || m.startIndex == 0)
            return -1;
        const CardCode below = before[i].col[std::size_t(m.fromColumn)][std::size_t(m.startIndex - 1)];
        return codeIsFaceUp(below) ? int(below & kCardIndexMask) : -1;
    };
    auto cutRoundTrip = [&](std::size_t i) {
        const int left = leaves(i);
        if (left < 0)
            return false;
        for (std::size_t j = i + 1; j < steps.size(); ++j) {
            if (steps[j].card != steps[i].card || steps[j].kind == Step::Kind::draw || steps[j].kind == Step::Kind::recycle)
                continue;
            if (steps[j].kind != Step::Kind::column || steps[j].onto != left)
                continue; // further along the trip
            std::vector<Step> shorter(steps.begin(), steps.begin() + std::ptrdiff_t(i));
            for (std::size_t k = i; k < steps.size(); ++k)
                if (k > j || steps[k].card != steps[i].card || steps[k].kind == Step::Kind::draw
                    || steps[k].kind == Step::Kind::recycle)
                    shorter.push_back(steps[k]);
            if (!replay(before[i], shorter, i))
                return false;
            steps = std::move(shorter);
            if (i < steps.size())
                refresh(i);
            return true;
        }
        return false;
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (stop && stop->load(std::memory_order_relaxed))
            return line;
        while (i < steps.size() && cutRoundTrip(i)) {
        }
    }
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
        HintMove m, back;
        return resolve(before[i], a, m) == Resolved::move && m.kind == HintMove::Kind::columnToColumn
            && resolve(before[i + 1], b, back) == Resolved::move && back.toColumn == m.fromColumn;
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

} // namespace murvane::solver::hint
