#pragma once
// Deal codes: any layout written as a short code a player can paste into a
// chat or an e-mail and type back. The code is the shuffled deck's rank among
// all 52! orders (its Lehmer code read as one mixed-radix number, 226 bits),
// written as 46 digits of Crockford's base-32 alphabet (no I, L, O or U),
// most significant first, followed by one check character computed with the
// Luhn mod 32 algorithm, which catches every single-character substitution
// and every swap of two neighbours but one. Shown in groups of six joined by
// '-': 54 characters. Reading ignores case, '-' and spaces.

#include "Deals.h"

#include <optional>
#include <string>
#include <string_view>

namespace murvane::solver {

inline constexpr int kDealCodeDigits = 46; // 32^46 > 52!
inline constexpr int kDealCodeSymbols = kDealCodeDigits + 1;
inline constexpr int kDealCodeGroup = 6;

std::string encodeDealCode(const Deck& deck);

enum class DealCodeError {
    none,
    notACode, // not the length of a code, once case, '-' and spaces are set aside
    mistyped, // the length of a code, but a character is wrong
};

struct DealCodeParse {
    std::optional<Deck> deck;
    DealCodeError error = DealCodeError::none;
};

DealCodeParse parseDealCode(std::string_view text);

// Whether a character is one of the code's symbols, in either case.
bool isDealCodeSymbol(char c);

// The deck a layout was dealt from (the inverse of dealLayout); none unless
// the layout has 1 to 7 cards per column with only the top face up, 24
// face-down stock cards and 52 distinct cards.
std::optional<Deck> deckOfLayout(const DealLayout& layout);

} // namespace murvane::solver
