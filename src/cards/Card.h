#pragma once
// The shared card vocabulary: suits, cards, piles, pile identifiers, the
// board's focus and the unit of undo. The settings enumerations live in
// Settings.h.

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace murvane {

enum class Suit : std::uint8_t { spades, hearts, diamonds, clubs };
inline constexpr std::array<Suit, 4> kAllSuits = {Suit::spades, Suit::hearts, Suit::diamonds, Suit::clubs};

constexpr bool isRed(Suit s) { return s == Suit::hearts || s == Suit::diamonds; }
constexpr int suitIndex(Suit s) { return static_cast<int>(s); }
QString rawValue(Suit s);                 // "♠", "♥", "♦", "♣"
std::optional<Suit> suitFromRaw(const QString& raw);
QString spokenName(Suit s);               // localized "Spades" ...

inline constexpr std::int64_t kAce = 1;
inline constexpr std::int64_t kJack = 11;
inline constexpr std::int64_t kQueen = 12;
inline constexpr std::int64_t kKing = 13;

// Identity of one physical card for the life of the process. Ids are never
// stored, so a process-wide counter is as unique as a UUID and far cheaper
// when a deal is shuffled hundreds of times in a row.
struct CardId {
    std::uint64_t value = 0;
    static CardId make();
    friend bool operator==(CardId, CardId) = default;
};

struct Card {
    CardId id;
    Suit suit = Suit::spades;
    std::int64_t rank = kAce; // 1 = Ace ... 13 = King
    bool isFaceUp = false;

    static Card make(Suit suit, std::int64_t rank, bool isFaceUp = false);
    bool isRed() const { return murvane::isRed(suit); }
    QString rankLabel() const;        // "A", "2" ... "10", "J", "Q", "K"
    QString accessibilityName() const; // "Queen of Hearts" / "Face down card"

    friend bool operator==(const Card&, const Card&) = default;
};

QString rankLabel(std::int64_t rank);
QString spokenRank(std::int64_t rank);

using Pile = QList<Card>;                  // last element is the top card
inline constexpr int kFoundationCount = 4;
inline constexpr int kColumnCount = 7;
inline constexpr int kDeckSize = 52;
using Foundations = std::array<Pile, kFoundationCount>;
using Tableau = std::array<Pile, kColumnCount>;

// Where a moving group comes from.
struct DragSource {
    enum class Kind : std::uint8_t { foundation, tableau, waste };
    Kind kind = Kind::waste;
    int index = 0;      // foundation index or column
    int startIndex = 0; // first card of the group within the column

    static DragSource foundation(int index) { return {Kind::foundation, index, 0}; }
    static DragSource tableau(int col, int startIndex) { return {Kind::tableau, col, startIndex}; }
    static DragSource waste() { return {Kind::waste, 0, 0}; }
    friend bool operator==(const DragSource&, const DragSource&) = default;
};

// A destination pile; also the key of the drop-frame map.
struct MoveTarget {
    enum class Kind : std::uint8_t { foundation, tableau };
    Kind kind = Kind::tableau;
    int index = 0;

    static MoveTarget foundation(int i) { return {Kind::foundation, i}; }
    static MoveTarget tableau(int i) { return {Kind::tableau, i}; }
    friend bool operator==(const MoveTarget&, const MoveTarget&) = default;
};
using DropSlot = MoveTarget;
inline size_t qHash(const MoveTarget& t, size_t seed = 0)
{
    return ::qHash(int(t.kind) * 16 + t.index, seed);
}

// The pile holding keyboard focus.
struct BoardFocus {
    enum class Kind : std::uint8_t { foundation, tableau, stock, waste };
    Kind kind = Kind::stock;
    int index = 0;

    static BoardFocus foundation(int i) { return {Kind::foundation, i}; }
    static BoardFocus tableau(int i) { return {Kind::tableau, i}; }
    static BoardFocus stock() { return {Kind::stock, 0}; }
    static BoardFocus waste() { return {Kind::waste, 0}; }
    friend bool operator==(const BoardFocus&, const BoardFocus&) = default;
};
inline size_t qHash(const BoardFocus& f, size_t seed = 0)
{
    return ::qHash(int(f.kind) * 16 + f.index, seed);
}

// The unit of undo.
struct GameSnapshot {
    Pile stock;
    Pile waste;
    Foundations foundations;
    Tableau tableau;
    std::int64_t score = 0;
    std::int64_t vegasBankroll = 0;
    bool hasStartedCurrentDeal = false;
    std::int64_t redealsUsed = 0;
};

} // namespace murvane
