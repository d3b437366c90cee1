#pragma once
// Deals as text, for the developer tools and the tests: a deal line is the
// shuffled deck, index 0 to 51, as 52 tokens separated by single spaces;
// a token is a rank character from "A23456789TJQK" followed by a suit
// character from "SHDC". The deck, shuffle and layout themselves are in
// Deals.h.

#include "Deals.h"

#include <optional>
#include <string>
#include <string_view>

namespace murvane::solver {

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

} // namespace murvane::solver
