#pragma once
// Deals as text, for the developer tools and the tests: a deal line is the
// shuffled deck, index 0 to 51, as 52 tokens separated by single spaces;
// a token is a rank character from "A23456789TJQK" followed by a suit
// character from "SHDC". Also the shuffle and the layout the game uses, so
// the tools see the same deals the game would offer.

#include "Solver.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace murvane::solver {

inline constexpr int kDeckCards = 52;
using Deck = std::array<SolverCard, kDeckCards>;

struct DealLayout {
    std::array<std::vector<SolverCard>, 7> tableau; // bottom first, only the top face up
    std::vector<SolverCard> stock;                  // 24 face-down cards, last = top
};

struct DealParse {
    std::optional<Deck> deck;
    std::string error; // why the line was rejected; empty when deck is set
};

// One card token ("QH", "TS"); none for anything else.
std::optional<SolverCard> parseCardToken(std::string_view token);
std::string cardToken(const SolverCard& card);

// Accepts exactly 52 distinct valid tokens separated by single spaces, with
// nothing before, between or after them.
DealParse parseDealLine(std::string_view line);
std::string formatDealLine(const Deck& deck);

// Spades, hearts, diamonds, clubs; Ace to King within each; all face down.
Deck orderedDeck();

// Fisher-Yates as the game shuffles: for i = 0...50 pick j uniformly in
// 0..<(52 - i) and swap the cards at i and i + j.
template <class Random>
void shuffleDeck(Deck& deck, Random& random)
{
    for (int i = 0; i < kDeckCards - 1; ++i) {
        std::uniform_int_distribution<int> pick(0, kDeckCards - 1 - i);
        const int j = pick(random);
        if (j != 0)
            std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(i + j)]);
    }
}

// Deals column by column from the end of the deck: column c takes c + 1
// cards, the last one taken face up on top; the 24 cards left, in deck
// order, are the stock (so deck[23] is the stock's top).
DealLayout dealLayout(const Deck& deck);

// The three rule sets a deal is verified for.
struct NamedRules {
    std::string_view name;
    int drawCount;
    std::optional<int> maxRecycles;
};
inline constexpr std::int64_t kDefaultMaxNodes = 10000;
inline constexpr int kDealAttempts = 500;
inline const std::array<NamedRules, 3> kNamedRules{{
    {"unlimited", 3, std::nullopt},
    {"draw1-limited", 1, 0},
    {"draw3-limited", 3, 2},
}};
std::optional<NamedRules> rulesNamed(std::string_view name);

} // namespace murvane::solver
