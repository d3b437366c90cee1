#include "SolverSets.h"
#include "SpareTables.h"

#include "numbered/NumberedSolve.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <type_traits>

namespace murvane::solver {

namespace {

constexpr std::size_t kMinSlots = 16;
constexpr std::size_t kMaxSpareSlots = std::size_t{1} << 20;

// Free slots keep the probes short: the key set, asked several times per
// position and mostly about keys it holds, stays at most a quarter full; the
// visited set, asked once per new position, at most half.
constexpr std::size_t kVisitedSpread = 2;
constexpr std::size_t kKeySpread = 4;
bool overLoaded(std::size_t count, std::size_t slots, std::size_t spread)
{
    return spread * count > slots;
}
std::size_t slotsFor(std::size_t count, std::size_t spread)
{
    return std::bit_ceil(std::max(kMinSlots, spread * (count + 1)));
}

// Empties a table of plain values: all-zero bytes are the empty slot. One
// memset is faster than storing slot by slot.
template <class Slot>
void zeroSlots(std::vector<Slot>& slots)
{
    static_assert(std::is_trivially_copyable_v<Slot>);
    std::memset(static_cast<void*>(slots.data()), 0, slots.size() * sizeof(Slot));
}

// One cleared table of each kind kept per thread between searches: a solve is
// often short, and a fresh table costs more in page faults than the search
// itself. What they hold is counted for all threads together.
std::atomic<std::size_t> heldSpareBytes{0};

template <class Slot>
struct Spare {
    std::vector<Slot> slots;
    Spare() = default;
    Spare(const Spare&) = delete;
    Spare& operator=(const Spare&) = delete;
    ~Spare() { set({}); }
    // Takes `replacement` in and hands what was held back through it.
    void set(std::vector<Slot>&& replacement)
    {
        heldSpareBytes -= slots.capacity() * sizeof(Slot);
        slots.swap(replacement);
        heldSpareBytes += slots.capacity() * sizeof(Slot);
    }
};

template <class Slot>
Spare<Slot>& spareSlots()
{
    thread_local Spare<Slot> spare;
    return spare;
}

template <class Slot>
void keepAsSpare(std::vector<Slot>& slots)
{
    if (slots.empty() || slots.size() > kMaxSpareSlots)
        return;
    zeroSlots(slots);
    spareSlots<Slot>().set(std::move(slots));
}

// Takes the spare table when it has exactly the wanted size.
template <class Slot>
bool takeSpare(std::vector<Slot>& slots, std::size_t wanted)
{
    Spare<Slot>& spare = spareSlots<Slot>();
    if (spare.slots.size() != wanted)
        return false;
    std::vector<Slot> taken;
    spare.set(std::move(taken));
    slots.swap(taken);
    return true;
}

} // namespace

// ---------------------------------------------------------------- VisitedSet

VisitedSet::~VisitedSet() { keepAsSpare(slots_); }

void VisitedSet::reserve(std::size_t count)
{
    const std::size_t wanted = slotsFor(count, kVisitedSpread);
    if (wanted <= slots_.size())
        return;
    if (size_ == 0 && !hasZero_ && takeSpare(slots_, wanted)) {
        shift_ = 64 - std::countr_zero(wanted);
        return;
    }
    grow(wanted);
}

void VisitedSet::clear()
{
    zeroSlots(slots_);
    size_ = 0;
    hasZero_ = false;
}

void VisitedSet::grow(std::size_t newCapacity)
{
    std::vector<std::uint64_t> old(newCapacity, 0);
    old.swap(slots_);
    shift_ = 64 - std::countr_zero(newCapacity);
    const std::size_t mask = newCapacity - 1;
    for (const std::uint64_t h : old) {
        if (h == 0)
            continue;
        std::size_t i = detail::slotOf(h, shift_);
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = h;
    }
}

bool VisitedSet::contains(std::uint64_t h) const
{
    if (h == 0)
        return hasZero_;
    if (slots_.empty())
        return false;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = detail::slotOf(h, shift_);; i = (i + 1) & mask) {
        if (slots_[i] == h)
            return true;
        if (slots_[i] == 0)
            return false;
    }
}

bool VisitedSet::insert(std::uint64_t h)
{
    if (h == 0) {
        if (hasZero_)
            return false;
        hasZero_ = true;
        ++size_;
        return true;
    }
    if (overLoaded(size_ + 1, slots_.size(), kVisitedSpread))
        grow(std::max(kMinSlots, 2 * slots_.size()));
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = detail::slotOf(h, shift_);
    while (slots_[i] != 0) {
        if (slots_[i] == h)
            return false;
        i = (i + 1) & mask;
    }
    slots_[i] = h;
    ++size_;
    return true;
}

// ------------------------------------------------------------ PositionKeySet

PositionKeySet::~PositionKeySet() { keepAsSpare(slots_); }

void PositionKeySet::reserve(std::size_t count)
{
    const std::size_t wanted = slotsFor(count, kKeySpread);
    if (wanted <= slots_.size() || size_ != 0)
        return;
    if (!takeSpare(slots_, wanted))
        slots_.assign(wanted, Slot{});
    shift_ = 64 - std::countr_zero(wanted);
}

void PositionKeySet::clear()
{
    zeroSlots(slots_);
    size_ = 0;
}

void PositionKeySet::insert(const PositionKey& k)
{
    // A key left out only costs a hash later, so a full table stops taking keys.
    const std::uint64_t p = printOf(k);
    if (p == 0 || overLoaded(size_ + 1, slots_.size(), kKeySpread))
        return;
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = detail::slotOf(p, shift_);
    for (; slots_[i].print != 0; i = (i + 1) & mask) {
        if (slots_[i].print == p)
            return;
    }
    slots_[i].print = p;
    ++size_;
}

// ---------------------------------------------------------- spare tables

void releaseSpareTables()
{
    spareSlots<std::uint64_t>().set({});
    spareSlots<PositionKeySet::Slot>().set({});
    numbered::v1::releaseSpareTables();
}

std::size_t spareTableBytes() { return heldSpareBytes.load() + numbered::v1::spareTableBytes(); }

} // namespace murvane::solver
