#pragma once
// A deliberately plain second implementation of the deal search, written
// straight from the rules with vectors and a standard set: no incremental
// hash, no batching, no skipped revisits. The production solver must give
// the same verdict and node count on every position.

#include "solver/Solver.h"

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

namespace murvane::solver::reference {

struct Move {
    int kind = 0; // 0 waste->foundation, 1 waste->tableau, 2 tableau->foundation, 3 tableau->tableau, 4 draw, 5 recycle
    int a = 0, b = 0, c = 0, d = 0, bucket = 0;
    bool operator==(const Move&) const = default;
};

class Search {
public:
    Search(const std::array<std::vector<SolverCard>, 7>& tableau, const std::vector<SolverCard>& stock,
           const std::vector<SolverCard>& waste, const std::array<int, 4>& foundation, int drawCount,
           std::int64_t maxNodes, std::optional<int> maxRecycles)
        : drawCount_(drawCount < 1 ? 1 : drawCount), maxNodes_(maxNodes), maxRecycles_(maxRecycles)
    {
        for (int col = 0; col < 7; ++col)
            for (const SolverCard& c : tableau[col])
                tableau_[col].push_back(code(c) | (c.isFaceUp ? 0x40 : 0));
        for (const SolverCard& c : stock)
            stock_.push_back(code(c));
        for (const SolverCard& c : waste)
            waste_.push_back(code(c));
        for (int s = 0; s < 4; ++s)
            foundation_[s] = foundation[s];
    }

    bool run()
    {
        if (solved())
            return true;
        if (!visit())
            return false;
        struct Frame {
            std::size_t start, next, end;
            std::optional<Move> applied;
            bool flipped;
        };
        std::vector<Frame> frames;
        std::size_t s = moves_.size();
        generate();
        order(s);
        frames.push_back({s, s, moves_.size(), std::nullopt, false});
        for (;;) {
            Frame& f = frames.back();
            if (f.next < f.end) {
                const Move m = moves_[f.next++];
                const bool flipped = apply(m);
                if (solved())
                    return true;
                if (visit()) {
                    s = moves_.size();
                    generate();
                    order(s);
                    frames.push_back({s, s, moves_.size(), m, flipped});
                    continue;
                }
                if (exhausted_)
                    return false;
                undo(m, flipped);
            } else {
                const Frame done = f;
                frames.pop_back();
                moves_.resize(moves_.size() - (done.end - done.start));
                if (done.applied)
                    undo(*done.applied, done.flipped);
                if (frames.empty())
                    return false;
            }
        }
    }

    std::int64_t nodes() const { return nodes_; }

    // Exposed for the model tests.
    std::vector<Move> movesOfPosition()
    {
        moves_.clear();
        generate();
        return moves_;
    }
    std::uint64_t hash() const
    {
        std::uint64_t h = 0xCBF29CE484222325ULL;
        const auto mix = [&h](std::uint64_t x) { h = (h ^ x) * 0x100000001B3ULL; };
        for (const auto& col : tableau_) {
            for (int c : col)
                mix(static_cast<std::uint64_t>(c));
            mix(0xFF);
        }
        for (int n : foundation_)
            mix(static_cast<std::uint64_t>(n));
        mix(0xFE);
        for (int c : stock_)
            mix(static_cast<std::uint64_t>(c));
        mix(0xFD);
        for (int c : waste_)
            mix(static_cast<std::uint64_t>(c));
        return (h ^ (static_cast<std::uint64_t>(recycles_) << 8) ^ 0xFC) * 0x100000001B3ULL;
    }

private:
    static int code(const SolverCard& c) { return c.suitIndex * 13 + c.rank - 1; }
    static int suitOf(int c) { return (c & 0x3F) / 13; }
    static int rankOf(int c) { return (c & 0x3F) % 13; }
    static bool red(int c) { return (c & 0x3F) >= 13 && (c & 0x3F) < 39; }
    static bool up(int c) { return (c & 0x40) != 0; }

    bool solved() const { return foundation_[0] == 13 && foundation_[1] == 13 && foundation_[2] == 13 && foundation_[3] == 13; }

    bool visit()
    {
        if (!visited_.insert(hash()).second)
            return false;
        ++nodes_;
        if (nodes_ > maxNodes_) {
            exhausted_ = true;
            return false;
        }
        return true;
    }

    void generate()
    {
        const auto takes = [this](int k, int x) {
            if (tableau_[k].empty())
                return false;
            const int t = tableau_[k].back();
            return up(t) && red(t) != red(x) && rankOf(t) == rankOf(x) + 1;
        };
        if (!waste_.empty()) {
            const int w = waste_.back();
            if (foundation_[suitOf(w)] == rankOf(w))
                moves_.push_back({0, suitOf(w), 0, 0, 0, 0});
            for (int k = 0; k < 7; ++k)
                if (tableau_[k].empty() ? rankOf(w) == 12 : takes(k, w))
                    moves_.push_back({1, k, 0, 0, 0, 2});
        }
        for (int i = 0; i < 7; ++i) {
            const auto& col = tableau_[i];
            if (col.empty())
                continue;
            const int top = col.back();
            if (up(top) && foundation_[suitOf(top)] == rankOf(top))
                moves_.push_back({2, i, suitOf(top), 0, 0, 0});
            const int n = static_cast<int>(col.size());
            for (int p = 0; p < n; ++p) {
                if (!up(col[p]))
                    continue;
                const int bucket = (p == 0 || up(col[p - 1])) ? 3 : 1;
                for (int k = 0; k < 7; ++k) {
                    if (k == i)
                        continue;
                    const bool ok = tableau_[k].empty() ? (rankOf(col[p]) == 12 && p > 0) : takes(k, col[p]);
                    if (ok)
                        moves_.push_back({3, i, p, k, n - p, bucket});
                }
            }
        }
        if (!stock_.empty())
            moves_.push_back({4, std::min<int>(drawCount_, static_cast<int>(stock_.size())), 0, 0, 0, 4});
        else if (!waste_.empty() && (!maxRecycles_ || recycles_ < *maxRecycles_))
            moves_.push_back({5, 0, 0, 0, 0, 5});
    }

    void order(std::size_t start)
    {
        for (std::size_t i = start + 1; i < moves_.size(); ++i) {
            const Move key = moves_[i];
            std::size_t j = i;
            while (j > start && moves_[j - 1].bucket > key.bucket) {
                moves_[j] = moves_[j - 1];
                --j;
            }
            moves_[j] = key;
        }
    }

    bool flipTop(int col)
    {
        auto& c = tableau_[col];
        if (!c.empty() && !up(c.back())) {
            c.back() |= 0x40;
            return true;
        }
        return false;
    }

    bool apply(const Move& m)
    {
        switch (m.kind) {
        case 0:
            waste_.pop_back();
            ++foundation_[m.a];
            return false;
        case 1:
            tableau_[m.a].push_back(waste_.back() | 0x40);
            waste_.pop_back();
            return false;
        case 2:
            tableau_[m.a].pop_back();
            ++foundation_[m.b];
            return flipTop(m.a);
        case 3: {
            auto& src = tableau_[m.a];
            tableau_[m.c].insert(tableau_[m.c].end(), src.begin() + m.b, src.end());
            src.resize(m.b);
            return flipTop(m.a);
        }
        case 4:
            for (int i = 0; i < m.a; ++i) {
                waste_.push_back(stock_.back());
                stock_.pop_back();
            }
            return false;
        default:
            stock_.assign(waste_.rbegin(), waste_.rend());
            waste_.clear();
            if (maxRecycles_)
                ++recycles_;
            return false;
        }
    }

    void undo(const Move& m, bool flipped)
    {
        switch (m.kind) {
        case 0:
            --foundation_[m.a];
            waste_.push_back(m.a * 13 + foundation_[m.a]);
            return;
        case 1:
            waste_.push_back(tableau_[m.a].back() & ~0x40);
            tableau_[m.a].pop_back();
            return;
        case 2:
            if (flipped)
                tableau_[m.a].back() &= ~0x40;
            --foundation_[m.b];
            tableau_[m.a].push_back((m.b * 13 + foundation_[m.b]) | 0x40);
            return;
        case 3: {
            if (flipped)
                tableau_[m.a].back() &= ~0x40;
            auto& dst = tableau_[m.c];
            tableau_[m.a].insert(tableau_[m.a].end(), dst.end() - m.d, dst.end());
            dst.resize(dst.size() - static_cast<std::size_t>(m.d));
            return;
        }
        case 4:
            for (int i = 0; i < m.a; ++i) {
                stock_.push_back(waste_.back());
                waste_.pop_back();
            }
            return;
        default:
            waste_.assign(stock_.rbegin(), stock_.rend());
            stock_.clear();
            if (maxRecycles_)
                --recycles_;
            return;
        }
    }

    int drawCount_;
    std::int64_t maxNodes_;
    std::optional<int> maxRecycles_;
    std::array<std::vector<int>, 7> tableau_;
    std::array<int, 4> foundation_{};
    std::vector<int> stock_;
    std::vector<int> waste_;
    std::int64_t recycles_ = 0;
    std::int64_t nodes_ = 0;
    bool exhausted_ = false;
    std::unordered_set<std::uint64_t> visited_;
    std::vector<Move> moves_;
};

inline SolveResult solve(const std::array<std::vector<SolverCard>, 7>& tableau,
                         const std::vector<SolverCard>& stock, const std::vector<SolverCard>& waste,
                         const std::array<int, 4>& foundation, int drawCount, std::int64_t maxNodes,
                         std::optional<int> maxRecycles)
{
    Search s(tableau, stock, waste, foundation, drawCount, maxNodes, maxRecycles);
    const bool won = s.run();
    return {won, s.nodes()};
}

} // namespace murvane::solver::reference
