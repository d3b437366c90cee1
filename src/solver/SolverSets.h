#pragma once
// The two hash tables of a solve: the 64-bit position hashes already
// counted (the search's "visited" set, exact), and the 128-bit keys of
// positions known to be among them (a shortcut past the hash, allowed to
// forget).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace murvane::solver {

namespace detail {
// Fibonacci hashing picks a slot from the high bits of the product, which
// depend on every bit of the value.
inline constexpr std::uint64_t kSlotMultiplier = 0x9E3779B97F4A7C15ULL;
inline std::size_t slotOf(std::uint64_t h, int shift)
{
    return static_cast<std::size_t>((h * kSlotMultiplier) >> shift);
}
inline void prefetchRead(const void* p)
{
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}
} // namespace detail

// Hashes of the positions already seen. Open addressing with linear probing,
// sized up front so that a search within the reserved count never rehashes;
// it only grows (doubling) beyond that. Exactly a set of 64-bit values: the
// value 0, which marks an empty slot, is kept aside.
class VisitedSet {
public:
    VisitedSet() = default;
    VisitedSet(const VisitedSet&) = delete;
    VisitedSet& operator=(const VisitedSet&) = delete;
    ~VisitedSet();
    void reserve(std::size_t count);
    void clear();
    // True when h was not in the set (it is now).
    bool insert(std::uint64_t h);
    bool contains(std::uint64_t h) const;
    // Starts loading the slot of h, for an insert that follows soon.
    void prefetch(std::uint64_t h) const
    {
        if (!slots_.empty())
            detail::prefetchRead(slots_.data() + detail::slotOf(h, shift_));
    }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return slots_.size(); }

private:
    void grow(std::size_t newCapacity);

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
    int shift_ = 64;
    bool hasZero_ = false;
};

// A 128-bit identity of a position (see SolverSearch::positionKey).
struct PositionKey {
    std::uint64_t lo = 0;
    std::uint64_t hi = 0;
    friend bool operator==(const PositionKey&, const PositionKey&) = default;
    PositionKey& operator+=(const PositionKey& o)
    {
        lo += o.lo;
        hi += o.hi;
        return *this;
    }
    friend PositionKey operator+(PositionKey a, const PositionKey& b) { return a += b; }
    friend PositionKey operator-(const PositionKey& a, const PositionKey& b) { return {a.lo - b.lo, a.hi - b.hi}; }
};

// Keys of positions whose hashes are in the visited set. A hit answers
// "seen" without hashing the position; a miss only means "hash it and ask
// the visited set", so the table may stop taking keys when full. It keeps a
// 64-bit print of each key, not the key: half the bytes keep the table in
// the cache the search lives in, and two counted positions would need equal
// prints among some 10^4 for a new one to be passed over. The zero print is
// simply never stored.
class PositionKeySet {
public:
    PositionKeySet() = default;
    PositionKeySet(const PositionKeySet&) = delete;
    PositionKeySet& operator=(const PositionKeySet&) = delete;
    ~PositionKeySet();
    void reserve(std::size_t count);
    void clear();
    void insert(const PositionKey& k);
    bool contains(const PositionKey& k) const
    {
        if (slots_.empty())
            return false;
        const std::uint64_t p = printOf(k);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = detail::slotOf(p, shift_);; i = (i + 1) & mask) {
            const std::uint64_t s = slots_[i].print;
            if (s == p)
                return p != 0;
            if (s == 0)
                return false;
        }
    }
    // Starts loading the slot of k, for a contains() that follows soon.
    void prefetch(const PositionKey& k) const
    {
        if (!slots_.empty())
            detail::prefetchRead(slots_.data() + detail::slotOf(printOf(k), shift_));
    }
    std::size_t size() const { return size_; }

    // A slot; its own type, so its spare table is not the visited set's.
    struct Slot {
        std::uint64_t print = 0;
    };

private:
    // Both halves count: positions that differ in one half only are common.
    static std::uint64_t printOf(const PositionKey& k) { return k.lo ^ (k.hi * detail::kSlotMultiplier + (k.hi >> 29)); }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
    int shift_ = 64;
};

} // namespace murvane::solver
