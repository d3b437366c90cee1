#include "Card.h"

#include "text/Localization.h"

#include <atomic>

namespace murvane {

QString rawValue(Suit s)
{
    switch (s) {
    case Suit::spades: return QStringLiteral("\u2660");
    case Suit::hearts: return QStringLiteral("\u2665");
    case Suit::diamonds: return QStringLiteral("\u2666");
    case Suit::clubs: return QStringLiteral("\u2663");
    }
    return {};
}

std::optional<Suit> suitFromRaw(const QString& raw)
{
    for (Suit s : kAllSuits)
        if (rawValue(s) == raw)
            return s;
    return std::nullopt;
}

QString spokenName(Suit s)
{
    switch (s) {
    case Suit::spades: return localizedString(QStringLiteral("Spades"));
    case Suit::hearts: return localizedString(QStringLiteral("Hearts"));
    case Suit::diamonds: return localizedString(QStringLiteral("Diamonds"));
    case Suit::clubs: return localizedString(QStringLiteral("Clubs"));
    }
    return {};
}

CardId CardId::make()
{
    static std::atomic<std::uint64_t> counter{0};
    return CardId{counter.fetch_add(1, std::memory_order_relaxed) + 1};
}

Card Card::make(Suit suit, std::int64_t rank, bool isFaceUp)
{
    return Card{CardId::make(), suit, rank, isFaceUp};
}

QString rankLabel(std::int64_t rank)
{
    switch (rank) {
    case kAce: return QStringLiteral("A");
    case kJack: return QStringLiteral("J");
    case kQueen: return QStringLiteral("Q");
    case kKing: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

QString spokenRank(std::int64_t rank)
{
    switch (rank) {
    case kAce: return localizedString(QStringLiteral("Ace"));
    case kJack: return localizedString(QStringLiteral("Jack"));
    case kQueen: return localizedString(QStringLiteral("Queen"));
    case kKing: return localizedString(QStringLiteral("King"));
    default: return QString::number(rank);
    }
}

QString Card::rankLabel() const
{
    return murvane::rankLabel(rank);
}

QString Card::accessibilityName() const
{
    if (!isFaceUp)
        return localizedString(QStringLiteral("Face down card"));
    return localizedString(QStringLiteral("%1$@ of %2$@"), {spokenRank(rank), spokenName(suit)});
}

} // namespace murvane
