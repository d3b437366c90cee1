#pragma once
// Whether piles hold a whole deck: 52 distinct cards, ranks Ace to King.

#include "cards/Card.h"

#include <bitset>
#include <initializer_list>

namespace murvane::fuzz {

class DeckTally {
public:
    void add(const Pile& pile)
    {
        for (const Card& card : pile) {
            ++count_;
            if (card.rank < kAce || card.rank > kKing || suitIndex(card.suit) > 3) {
                isValid_ = false;
                continue;
            }
            const std::size_t at = std::size_t(suitIndex(card.suit) * 13 + card.rank - 1);
            if (seen_.test(at))
                isValid_ = false;
            seen_.set(at);
        }
    }
    template <typename Piles>
    void addAll(const Piles& piles)
    {
        for (const Pile& pile : piles)
            add(pile);
    }
    bool isWholeDeck() const { return isValid_ && count_ == kDeckSize && seen_.all(); }

private:
    std::bitset<kDeckSize> seen_;
    int count_ = 0;
    bool isValid_ = true;
};

} // namespace murvane::fuzz
