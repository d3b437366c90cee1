#include "SolverSearch.h"

#include <algorithm>
#include <stdexcept>

namespace murvane::solver {

namespace {

bool isValidCard(const SolverCard& c)
{
    return c.suitIndex < kSuitCount && c.rank >= 1 && c.rank <= kRanksPerSuit;
}


} // namespace

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
                       [](int n) { return n >= 0 && n <= kRanksPerSuit; });
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
    for (int col = 0; col < kColumnCount; ++col)
        raiseTop(col);
    fill(kStockPile, stock, false);
    fill(kWastePile, waste, false);
    for (int s = 0; s < kSuitCount; ++s) {
        foundation_[static_cast<std::size_t>(s)] = static_cast<std::uint8_t>(foundation[static_cast<std::size_t>(s)]);
        refreshNextHome(s);
    }
    startHashing();
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
    s.prepareFastest();
    s.setStopFlag(stop);
    const bool won = s.search();
    if (nodesOut)
        *nodesOut = s.nodes_;
    if (stoppedOut)
        *stoppedOut = s.stopped_;
    return won;
}

void SolverSearch::reserveTables()
{
    constexpr std::size_t kMoveReserve = 1024;
    const auto reserve = static_cast<std::size_t>(std::clamp<std::int64_t>(maxNodes_, 0, kReservedPositions));
    visited_.reserve(reserve);
    counted_.reserve(reserve);
    moves_.reserve(kMoveReserve);
}

void SolverSearch::prepareFastest()
{
    if (!setBatchedHashing(true)) // reserves the tables when it can
        reserveTables();
}

bool SolverSearch::setBatchedHashing(bool on)
{
    // The key set takes up to one key more than reserved for (the position
    // past the budget is counted too).
    batchedHashing_ = on && maxNodes_ <= kReservedPositions;
    if (batchedHashing_)
        reserveTables();
    return batchedHashing_;
}

bool SolverSearch::visitPosition()
{
    if (!visited_.insert(positionHash()))
        return false;
    counted_.insert(key_);
    ++nodes_;
    return nodes_ <= maxNodes_;
}

// ---------------------------------------------------------------- search

void SolverSearch::expand(const SolverMove* applied, bool flipped)
{
    const int start = moveCount_;
    // The move straight back is left out: its child would only be passed
    // over as counted, and no such move wins.
    generateMoves(applied ? undoingRun(*applied, flipped) : kNoRun);
    // Every child's key is looked up soon, most of them found: their slots
    // load side by side instead of one miss after another.
    for (int j = start; j < moveCount_; ++j)
        counted_.prefetch(childKey_[static_cast<std::size_t>(j)]);
    // Filled in place: a frame built aside would be copied wide while its
    // fields were still in narrow stores.
    Frame& f = frames_.emplace_back();
    f.start = start;
    f.next = start;
    f.end = moveCount_;
    if (applied) {
        f.applied = *applied;
        f.hasApplied = true;
        f.flipped = flipped;
    }
    f.key = key_;
    f.oneCardToGo = oneCardToGo();
}

bool SolverSearch::search()
{
    const bool won = stopped_ ? resumeSearch() : runSearch();
    if (!hashClash_ || stopped_)
        return won;
    // Two positions counted in a batch share a hash, so the search should
    // have passed over the later one: search again, one hash at a time.
    rewind();
    batchedHashing_ = false;
    return runSearch();
}

std::vector<SolverMove> SolverSearch::winningLine() const
{
    std::vector<SolverMove> line;
    line.reserve(frames_.size() + 1);
    for (const Frame& f : frames_)
        if (f.hasApplied)
            line.push_back(f.applied);
    if (hasLoose_)
        line.push_back(loose_); // the move that completed the foundations
    return line;
}

void SolverSearch::rewind()
{
    if (hasLoose_)
        undoMarked(loose_, looseFlipped_);
    for (auto f = frames_.rbegin(); f != frames_.rend(); ++f) {
        if (f->hasApplied)
            undoMarked(f->applied, f->flipped);
    }
    hasLoose_ = false;
    frames_.clear();
    moveCount_ = 0;
    visited_.clear();
    counted_.clear();
    nodes_ = 0;
    pendingCount_ = 0;
    copyDue_ = false;
    hashClash_ = false;
    dirty_ = 0;
    key_ = recomputeKey();
}

bool SolverSearch::runSearch()
{
    if (isSolved())
        return true;
    if (!visitPosition())
        return false;
    constexpr std::size_t kFrameReserve = 256;
    frames_.clear();
    frames_.reserve(kFrameReserve);
    expand(nullptr, false);
    return searchOn();
}

bool SolverSearch::resumeSearch()
{
    // Stopped right after counting the move left applied, before expanding
    // its position: expand it now and go on as if never stopped.
    stopped_ = false;
    hasLoose_ = false;
    expand(&loose_, looseFlipped_);
    return searchOn();
}

bool SolverSearch::searchOn()
{
    // Each move is tried as: apply, test solved, visit, then expand the new
    // position or undo. A child whose key is among the counted positions'
    // keys would fail the visit, so it is passed over without being applied.
    // In batches, the visit's hash look-up is made later (see hashPending),
    // and every way out of the loop looks up what is left.
    for (;;) {
        Frame& f = frames_.back();
        // Pass over the children already counted (the most of them) in a
        // tight loop; stop at the first one to apply.
        int j = f.next;
        if (f.oneCardToGo) {
            for (; j < f.end; ++j) {
                // The win counts even for a position seen before or past the budget.
                if (completesFoundations(moves_[static_cast<std::size_t>(j)])) {
                    if (batchedHashing_ && !settleHashes())
                        return false;
                    const SolverMove m = moves_[static_cast<std::size_t>(j)];
                    leaveApplied(m, apply(m));
                    return true;
                }
                if (!counted_.contains(childKey_[static_cast<std::size_t>(j)]))
                    break;
            }
        } else {
            const PositionKey* keys = childKey_.data();
            while (j < f.end && counted_.contains(keys[j]))
                ++j;
        }
        f.next = j + 1;
        // The position counted last is copied for hashing only now that it
        // is about to change: the bytes its move wrote one at a time have
        // reached the cache by then, and the wide copy does not wait on them.
        if (!copyIfDue())
            return false; // search() starts over
        if (j < f.end) {
            const SolverMove m = moves_[static_cast<std::size_t>(j)];
            const PositionKey key = childKey_[static_cast<std::size_t>(j)];
            bool flipped = false;
            markDirty(applyMarked(m, flipped));
            if (batchedHashing_) {
                copyDue_ = true;
            } else if (!visited_.insert(positionHash())) {
                // Another position with the same hash was counted.
                undoMarked(m, flipped);
                continue;
            }
            key_ = key;
            counted_.insert(key);
            if (++nodes_ > maxNodes_) {
                if (batchedHashing_)
                    settleHashes();
                leaveApplied(m, flipped);
                return false;
            }
            if (stop_ && nodes_ % kStopPollNodes == 0 && stop_->load(std::memory_order_relaxed)) {
                stopped_ = true;
                leaveApplied(m, flipped);
                return false;
            }
            expand(&m, flipped); // invalidates f
            continue;
        }
        // Only the fields needed: a frame pushed a moment ago is still on its
        // way to the cache in narrow stores, and a wide copy would wait on them.
        moveCount_ -= f.end - f.start;
        const bool hasApplied = f.hasApplied;
        const SolverMove applied = f.applied;
        const bool flipped = f.flipped;
        frames_.pop_back();
        if (hasApplied)
            undoMarked(applied, flipped);
        if (frames_.empty()) {
            if (batchedHashing_)
                settleHashes();
            return false;
        }
        key_ = frames_.back().key;
    }
}

} // namespace murvane::solver
