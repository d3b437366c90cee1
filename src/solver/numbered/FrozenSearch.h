#pragma once
// Version 1 of the search that decides numbered deals: a deliberate copy of
// the game's solver (SolverSearch) as it stood when deal numbers were
// released. Its budget, move order, hash and keys decide which shuffle a
// number names, so none of it may change, whatever becomes of the game's own
// solver; a different search would be a new version beside this one. Only
// NumberedSolve.h is meant to be included from outside.
//
// The solver's compact model of a Klondike position and its bounded
// depth-first search. One SolverSearch lives for exactly one solve.
//
// Cards are single bytes (CardCode), piles are fixed-capacity byte stacks,
// the foundation is four counters and positions are remembered only as
// 64-bit FNV-1a hashes. Moves are applied and undone in place; nothing is
// allocated per position. The order in which moves are generated and tried,
// the hash and the node budget decide which deals pass, so all three are
// fixed: the search answers, and counts nodes, exactly as the plain
// "apply, test solved, visit, expand or undo" loop over the ordered moves.

#include "solver/Solver.h"
#include "FrozenSets.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace murvane::solver::numbered::v1 {

// Bits 0-5: card index = suit index * 13 + (rank - 1), 0...51.
// Bit 6: face up; carried only by tableau codes. Bit 7: always 0.
using CardCode = std::uint8_t;
inline constexpr CardCode kFaceUpBit = 0x40;
inline constexpr CardCode kCardIndexMask = 0x3F;
inline constexpr int kRanksPerSuit = 13;
inline constexpr int kSuitCount = 4;
inline constexpr int kColumnCount = 7;
inline constexpr int kDeckSize = 52;

constexpr CardCode cardCode(int suitIndex, int rank, bool isFaceUp)
{
    return static_cast<CardCode>((suitIndex * kRanksPerSuit + rank - 1) | (isFaceUp ? kFaceUpBit : 0));
}
constexpr int codeSuit(CardCode c) { return (c & kCardIndexMask) / kRanksPerSuit; }
constexpr int codeRankIndex(CardCode c) { return (c & kCardIndexMask) % kRanksPerSuit; } // 0 Ace ... 12 King
constexpr bool codeIsRed(CardCode c)
{
    const int i = c & kCardIndexMask;
    return i >= kRanksPerSuit && i < 3 * kRanksPerSuit; // hearts or diamonds
}
constexpr bool codeIsFaceUp(CardCode c) { return (c & kFaceUpBit) != 0; }

// A move record: six bytes; all moves of the search path share one array.
struct SolverMove {
    enum class Kind : std::uint8_t {
        wasteToFoundation = 0,   // a: suit index
        wasteToTableau = 1,      // a: destination column
        tableauToFoundation = 2, // a: source column, b: suit index
        tableauToTableau = 3,    // a: source column, b: index of the lowest moved card,
                                 // c: destination column, d: cards moved
        draw = 4,                // a: cards turned
        recycle = 5,
    };
    Kind kind = Kind::draw;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    std::uint8_t c = 0;
    std::uint8_t d = 0;
    // Lower is tried first: 0 to a foundation, 1 a run move that uncovers a
    // face-down card, 2 waste to tableau, 3 any other run move, 4 draw, 5 recycle.
    std::uint8_t bucket = 0;

    friend bool operator==(const SolverMove&, const SolverMove&) = default;
};
static_assert(sizeof(SolverMove) == 6, "a move record is six bytes");

// Read-only view of one pile, bottom first; the last element is the top.
class PileView {
public:
    PileView(const CardCode* codes, int count) : codes_(codes), count_(count) {}
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    CardCode operator[](int i) const { return codes_[i]; }
    CardCode top() const { return codes_[count_ - 1]; }
    std::vector<CardCode> toVector() const { return {codes_, codes_ + count_}; }

private:
    const CardCode* codes_;
    int count_;
};

// How the search stays exact and still fast: moves are generated straight
// into their bucket order. Besides its 64-bit FNV hash, every position has a
// 128-bit key that a move changes by a few terms (one per card it moves), so
// the keys of all children of a position cost a handful of multiplications.
// A child whose key is among the keys of counted positions is that very
// position again, so its hash is in the visited set: it is passed over
// without apply, hash or undo. Only the other children are applied, hashed
// and looked up in the visited set as before, which keeps every answer of
// the visited set, the node count and the win test exactly those of the
// plain "apply, test solved, visit, expand or undo" loop (two different
// positions sharing a 128-bit key would be needed to tell them apart).
// Those children are new positions, so their hashes are almost never taken:
// in batches (setBatchedHashing) the search goes on as if they were not,
// hashes them several at once and checks afterwards, starting over the
// plain way in the rare case that one was.
class SolverSearch {
public:
    struct Frame {
        std::int32_t start = 0; // first move generated for this position
        std::int32_t next = 0;  // next move to try
        std::int32_t end = 0;   // one past the last move of this position
        SolverMove applied{};   // the move that led here (when hasApplied)
        bool hasApplied = false;
        bool flipped = false;   // what apply(applied) returned
        PositionKey key;        // this position's key
        bool oneCardToGo = false; // 51 cards home: a child may win
    };

    // Throws std::invalid_argument when the piles cannot be a position of one
    // deck: a suit index above 3, a rank outside 1...13, a card twice, or a
    // foundation count outside 0...255. Stock and waste codes never
    // carry the face-up bit, whatever the cards say; drawCount below 1 is 1.
    SolverSearch(const std::array<std::vector<SolverCard>, kColumnCount>& tableau,
                 const std::vector<SolverCard>& stock, const std::vector<SolverCard>& waste,
                 const std::array<int, kSuitCount>& foundation, int drawCount,
                 std::int64_t maxNodes, std::optional<int> maxRecycles);

    // Whether the constructor would accept these piles.
    static bool isValidPosition(const std::array<std::vector<SolverCard>, kColumnCount>& tableau,
                                const std::vector<SolverCard>& stock,
                                const std::vector<SolverCard>& waste,
                                const std::array<int, kSuitCount>& foundation);

    // Builds a search, reserves the visited set (and the key set) for
    // min(maxNodes, kReservedPositions) positions, runs it (hashes in batches
    // where it can) and discards it. Answers false for piles the
    // constructor rejects. nodesOut, when given, receives the nodes counted;
    // stop, when given, is polled every kStopPollNodes positions and ends
    // the search (not winnable, stoppedOut set) once it is true.
    static bool isWinnable(const std::array<std::vector<SolverCard>, kColumnCount>& tableau,
                           const std::vector<SolverCard>& stock,
                           const std::vector<SolverCard>& waste,
                           const std::array<int, kSuitCount>& foundation, int drawCount,
                           std::int64_t maxNodes, std::optional<int> maxRecycles,
                           std::int64_t* nodesOut = nullptr, const std::atomic<bool>* stop = nullptr,
                           bool* stoppedOut = nullptr);
    // Often enough that a stopped search lets go of its core at once.
    static constexpr std::int64_t kStopPollNodes = 64;

    // Constants.
    int drawCount() const { return drawCount_; }
    std::int64_t maxNodes() const { return maxNodes_; }
    std::optional<int> maxRecycles() const { return maxRecycles_; }

    // The position, read-only: it changes only through apply and undo, which
    // keep the incremental hash and the key in step.
    PileView column(int col) const { return pile(col); }
    PileView stock() const { return pile(kStockPile); }
    PileView waste() const { return pile(kWastePile); }
    const std::array<std::uint8_t, kSuitCount>& foundation() const { return foundation_; }
    std::int64_t recycles() const { return recycles_; }

    // Search bookkeeping.
    std::int64_t nodes() const { return nodes_; }
    const VisitedSet& visited() const { return visited_; }
    int moveCount() const { return moveCount_; }
    SolverMove move(int i) const { return moves_[static_cast<std::size_t>(i)]; }

    bool isSolved() const;
    // Appends every legal move of the position to the move list, in the
    // order the search tries them: by bucket, generation order within one.
    void generateOrderedMoves();
    // Drops the moves from index count on (a popped frame's moves).
    void truncateMoves(int count);
    // Performs m in place; answers whether a face-down column card was turned up.
    bool apply(const SolverMove& m);
    // Exactly reverses apply(m), given what it returned.
    void undo(const SolverMove& m, bool flipped);
    // The position hash, kept up to date incrementally: only the bytes after
    // the first one changed since the last call are hashed again.
    std::uint64_t positionHash();
    // The same hash computed from scratch over the whole position:
    // 64-bit FNV-1a over every column (bottom to top, each closed by 0xFF),
    // the four foundation counts, 0xFE and the stock, 0xFD and the waste,
    // finished with the recycle count.
    std::uint64_t recomputeHash() const;
    // The position's 128-bit key, kept up to date by apply and undo: a sum
    // of one term per card (a constant of its code times a constant of its
    // place: column and index, or stock or waste index), plus the
    // foundation counts and the recycle count, each times a constant; two
    // such sums with independent constants (see SolverKeys.h).
    const PositionKey& positionKey() const { return key_; }
    PositionKey recomputeKey() const;
    // Counts the position unless already seen; false when seen or over budget.
    bool visitPosition();
    // The bounded depth-first search from the current position; once per
    // instance, unless it stopped (see setStopFlag): then it may be called
    // again, on any thread, and carries on exactly where it stopped, with
    // the answer and node count of a search never stopped. Answers true as
    // soon as a move completes the foundations (the piles are then left in
    // the winning position).
    bool search();
    // After search() answered true: the moves from the starting position to
    // the win, in order (empty when the start was already won).
    std::vector<SolverMove> winningLine() const;
    // Polled every kStopPollNodes positions: once true, search() returns
    // false with stopped() set.
    void setStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    bool stopped() const { return stopped_; }
    // What isWinnable sets up: batched hashing and reserved tables.
    void prepareFastest();
    // How search() looks up the hashes of new positions. One at a time (the
    // default): hash, look up, then go on. In batches: a position whose key
    // is new is taken to be new, and the hashes are worked out several at a
    // time in independent chains and looked up afterwards; should one turn
    // out to be taken already, search() goes back and searches again one at
    // a time. Both give the same answer and node count; batches are faster.
    // They need the key set to hold every counted key, so they are refused
    // (false) for a node budget beyond kReservedPositions.
    bool setBatchedHashing(bool on);
    static constexpr std::int64_t kReservedPositions = 65536;
    // Keeps only the low `bits` bits of every position hash, so that tests
    // can make different positions share one.
    void narrowHashes(int bits) { hashMask_ = bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1; }

private:
    // Piles live side by side in one byte array, so copying a fixed 64 bytes
    // from anywhere inside a pile stays in bounds.
    static constexpr int kStockPile = kColumnCount;
    static constexpr int kWastePile = kColumnCount + 1;
    static constexpr int kPileCount = kColumnCount + 2;
    static constexpr int kPileStride = 64;

    // The hash runs over ten segments in this order: columns 0...6, the
    // foundation, the stock (0xFE first) and the waste (0xFD first). A mark
    // is segment * 64 + byte index within its segment.
    static constexpr int kFoundationSegment = 7;
    static constexpr int kStockSegment = 8;
    static constexpr int kWasteSegment = 9;
    static constexpr int kSegmentCount = 10;
    static constexpr int kClean = kSegmentCount << 6;
    // Waste moves, home moves, every face-up card to every other column, a draw.
    static constexpr int kMaxMovesPerPosition = 8 + kColumnCount + kDeckSize * (kColumnCount - 1) + 1;
    static constexpr int kMaxHashBytes = kDeckSize + kColumnCount + kSuitCount + 2;
    // The hashed bytes; the tail rewrite copies a whole pile stride at a time,
    // and hashing runs up to three bytes past the end.
    static constexpr int kSequenceSize = 160;
    static constexpr int kTrailSize = kMaxHashBytes + 4;
    static_assert(kPileStride >= kDeckSize, "a pile holds at most the whole deck");
    static_assert(kSequenceSize >= kMaxHashBytes + kPileStride, "a pile copy at the last byte stays in bounds");

    PileView pile(int p) const { return {store_.data() + p * kPileStride, counts_[static_cast<std::size_t>(p)]}; }
    CardCode* pileData(int p) { return store_.data() + p * kPileStride; }
    int count(int p) const { return counts_[static_cast<std::size_t>(p)]; }

    static int columnMark(int col, int index) { return (col << 6) + index; }
    static int stockMark(int index) { return (kStockSegment << 6) + 1 + index; }
    void markDirty(int mark) { dirty_ = mark < dirty_ ? mark : dirty_; }
    bool flipTop(int col);
    void sumColumnFrom(int col, int index); // columnSums_ from that index up
    // Puts n cards of column `from` from `index` up at index `at` of column `to`.
    void moveRun(int from, int index, int to, int at, int n);
    void unflipTop(int col);
    // Room for one more position's moves, with one slot to spare for the
    // wide store of the last one.
    void reserveMoves()
    {
        if (moveCapacity_ < moveCount_ + kMaxMovesPerPosition + 1) [[unlikely]]
            growMoves();
    }
    void growMoves();
    // generateOrderedMoves without the run move skipRun (source column << 12
    // | source index << 4 | destination column), whose child is known to be
    // counted; kNoRun omits nothing.
    static constexpr std::uint32_t kNoRun = 0xFFFFFFFF;
    void generateMoves(std::uint32_t skipRun);
    // The run move that takes the position straight back to the one before
    // `applied`, as generateMoves takes it, or kNoRun.
    std::uint32_t undoingRun(const SolverMove& applied, bool flipped) const;
    int applyMarked(const SolverMove& m, bool& flipped); // returns the first byte changed
    void undoMarked(const SolverMove& m, bool flipped);
    void startHashing(); // for the piles as constructed
    void refreshTrail();
    void rebuildSegmentBases();
    int writeTail(int mark, std::uint8_t* out) const;
    int writeAll(std::uint8_t* out) const; // the whole sequence, as writeTail(0, out)
    // What m adds to the key; read from the position before m.
    PositionKey keyChange(const SolverMove& m) const;
    bool completesFoundations(const SolverMove& m) const;
    // A cheap first test for the above: 51 cards home.
    bool oneCardToGo() const
    {
        return foundation_[0] + foundation_[1] + foundation_[2] + foundation_[3] == kDeckSize - 1;
    }
    void expand(const SolverMove* applied, bool flipped);
    void reserveTables();
    bool runSearch();
    bool resumeSearch();
    bool searchOn(); // the search loop, from the frames as they are
    // Goes back to the position search() started from, forgetting every
    // counted position.
    void rewind();
    // Notes m, applied as the search ends, for rewind().
    void leaveApplied(const SolverMove& m, bool flipped)
    {
        loose_ = m;
        looseFlipped_ = flipped;
        hasLoose_ = true;
    }
    // Copies the current position's bytes into the batch; false when the
    // batch, full and looked up then, had a hash taken already.
    bool queueHash();
    // Looks up the batch; false when a hash was taken already.
    bool hashPending();
    // Copies the position counted last if that is still due; false as queueHash.
    bool copyIfDue()
    {
        if (!copyDue_)
            return true;
        copyDue_ = false;
        return queueHash();
    }
    // Copies what is due, then looks up the batch.
    bool settleHashes();

    int drawCount_;
    std::int64_t maxNodes_;
    std::optional<int> maxRecycles_;
    alignas(64) std::array<CardCode, kPileCount * kPileStride + kPileStride> store_{};
    std::array<std::uint8_t, kPileCount> counts_{};
    std::array<std::uint8_t, kSuitCount> foundation_{};
    std::int64_t recycles_ = 0;
    std::int64_t nodes_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    bool stopped_ = false;
    VisitedSet visited_;
    std::vector<SolverMove> moves_; // storage; the first moveCount_ are live
    int moveCount_ = 0;
    int moveCapacity_ = 0; // moves_ and childKey_ entries
    std::vector<Frame> frames_;

    // Incremental hash of the current position: trail_[p] is the FNV state
    // before byte p of the hashed sequence, segmentBase_[s] where segment s
    // starts in it; valid up to the mark dirty_.
    int dirty_ = 0;
    std::uint64_t hashState_ = 0;
    std::array<std::uint64_t, kTrailSize> trail_{};
    std::array<std::uint8_t, kSequenceSize> sequence_{}; // the hashed bytes themselves
    std::array<int, kSegmentCount + 1> segmentBase_{};

    // Counted positions whose hashes are still to be looked up: the hashed
    // bytes of each (with room for whole-block copies).
    static constexpr int kHashBatch = 16;
    struct PendingHash {
        std::array<std::uint8_t, kSequenceSize> bytes;
        int length;
        std::int64_t recycles;
    };
    bool batchedHashing_ = false;
    bool hashClash_ = false;
    bool copyDue_ = false; // the current position is counted and not yet copied
    int pendingCount_ = 0;
    std::array<PendingHash, kHashBatch> pending_;
    std::uint64_t hashMask_ = ~std::uint64_t{0};
    // A move applied but not on the frame stack when the search ended, for
    // rewind().
    bool hasLoose_ = false;
    bool looseFlipped_ = false;
    SolverMove loose_{};

    // The current position's key, the keys of counted positions, and per
    // move of every frame on the path (indexed like moves_) the key of the
    // position it leads to, worked out when its frame was pushed.
    PositionKey key_;
    PositionKeySet counted_;
    std::vector<PositionKey> childKey_;
    // Where each card index lies in the tableau: column << 8 | index, or kNowhere.
    static constexpr std::uint16_t kNowhere = 0xFFFF;
    std::array<std::uint16_t, 64> where_{};
    std::uint64_t faceUpCards_ = 0; // bit per card index: face up in the tableau
    std::uint64_t nextHome_ = 0;    // bit per card index: the next card of its suit to go home
    void refreshNextHome(int suit)
    {
        constexpr std::uint64_t kSuitBits = (std::uint64_t{1} << kRanksPerSuit) - 1;
        const int f = foundation_[static_cast<std::size_t>(suit)];
        nextHome_ &= ~(kSuitBits << (suit * kRanksPerSuit));
        nextHome_ |= f < kRanksPerSuit ? std::uint64_t{1} << (suit * kRanksPerSuit + f) : 0;
    }
    // What the stock and waste moves add to the key depends on those two
    // piles alone, which most moves leave as they are: worked out once per
    // arrangement. stockChanges_ counts every apply and undo that touches
    // them; the terms are valid while it still equals stockTermsAt_.
    struct StockTerms {
        PositionKey wasteOff; // taking the waste top away
        PositionKey draw;
        PositionKey recycle;
    };
    std::uint32_t stockChanges_ = 0;
    std::uint32_t stockTermsAt_ = ~std::uint32_t{0};
    StockTerms stockTerms_;
    const StockTerms& stockTerms();
    std::uint64_t topCards_ = 0;    // bit per card index: face up on top of a column
    // Keep topCards_ in step: the column's top stops being one, or becomes
    // one when it is face up.
    void dropTop(int col)
    {
        if (count(col) > 0)
            topCards_ &= ~(std::uint64_t{1} << (pileData(col)[count(col) - 1] & kCardIndexMask));
    }
    void raiseTop(int col)
    {
        if (count(col) > 0 && codeIsFaceUp(pileData(col)[count(col) - 1]))
            topCards_ |= std::uint64_t{1} << (pileData(col)[count(col) - 1] & kCardIndexMask);
    }
    // Per column, the sums of the key's card values of its lowest 0, 1, 2...
    // cards, so that a run's sum is one subtraction.
    std::array<PositionKey, kColumnCount * kPileStride> columnSums_{};
};

} // namespace murvane::solver::numbered::v1
