#include "DealCode.h"

#include <array>
#include <bitset>

namespace murvane::solver {

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kRadix = 32;
using Digits = std::array<std::uint32_t, kDealCodeDigits>; // most significant first

int cardIndex(const SolverCard& card)
{
    return card.suitIndex * 13 + card.rank - 1;
}

int symbolValue(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    const std::size_t at = kAlphabet.find(c);
    return at == std::string_view::npos ? -1 : int(at);
}

// Luhn mod N: from the right, every second value doubled and its two base-N
// digits added. `withCheck` says whether the last value is the check itself.
int luhnSum(const std::uint32_t* values, int count, bool withCheck)
{
    int sum = 0;
    bool doubled = !withCheck;
    for (int i = count - 1; i >= 0; --i) {
        int addend = int(values[i]) * (doubled ? 2 : 1);
        addend = addend / kRadix + addend % kRadix;
        sum += addend;
        doubled = !doubled;
    }
    return sum % kRadix;
}

} // namespace

std::string encodeDealCode(const Deck& deck)
{
    // The rank: Horner's rule over the Lehmer digits, where digit i (0...51-i)
    // counts the cards after position i that sort before deck[i].
    Digits value{};
    for (int i = 0; i < kDeckCards; ++i) {
        std::uint32_t digit = 0;
        for (int k = i + 1; k < kDeckCards; ++k)
            if (cardIndex(deck[std::size_t(k)]) < cardIndex(deck[std::size_t(i)]))
                ++digit;
        std::uint32_t carry = digit;
        const auto radix = std::uint32_t(kDeckCards - i);
        for (int d = kDealCodeDigits - 1; d >= 0; --d) {
            const std::uint32_t x = value[std::size_t(d)] * radix + carry;
            value[std::size_t(d)] = x % kRadix;
            carry = x / kRadix;
        }
    }
    std::array<std::uint32_t, kDealCodeSymbols> symbols{};
    std::copy(value.begin(), value.end(), symbols.begin());
    symbols[kDealCodeDigits] = std::uint32_t((kRadix - luhnSum(symbols.data(), kDealCodeDigits, false)) % kRadix);

    std::string code;
    for (int i = 0; i < kDealCodeSymbols; ++i) {
        if (i > 0 && i % kDealCodeGroup == 0)
            code += '-';
        code += kAlphabet[symbols[std::size_t(i)]];
    }
    return code;
}

DealCodeParse parseDealCode(std::string_view text)
{
    DealCodeParse result;
    std::array<std::uint32_t, kDealCodeSymbols> symbols{};
    int count = 0;
    bool badSymbol = false;
    for (char c : text) {
        if (c == '-' || c == ' ')
            continue;
        if (count == kDealCodeSymbols) {
            result.error = DealCodeError::notACode;
            return result;
        }
        const int v = symbolValue(c);
        badSymbol |= v < 0;
        symbols[std::size_t(count++)] = std::uint32_t(v < 0 ? 0 : v);
    }
    if (count != kDealCodeSymbols) {
        result.error = DealCodeError::notACode;
        return result;
    }
    result.error = DealCodeError::mistyped;
    if (badSymbol || luhnSum(symbols.data(), kDealCodeSymbols, true) != 0)
        return result;

    // Back to Lehmer digits by dividing by 1, 2, ... 52 in turn; what is left
    // must be zero, or the number is not the rank of any order.
    Digits value{};
    std::copy(symbols.begin(), symbols.begin() + kDealCodeDigits, value.begin());
    std::array<std::uint32_t, kDeckCards> lehmer{};
    for (int i = kDeckCards - 1; i >= 0; --i) {
        const auto radix = std::uint32_t(kDeckCards - i);
        std::uint32_t remainder = 0;
        for (int d = 0; d < kDealCodeDigits; ++d) {
            const std::uint32_t x = remainder * kRadix + value[std::size_t(d)];
            value[std::size_t(d)] = x / radix;
            remainder = x % radix;
        }
        lehmer[std::size_t(i)] = remainder;
    }
    for (std::uint32_t d : value)
        if (d != 0)
            return result;

    const Deck ordered = orderedDeck();
    std::vector<SolverCard> left(ordered.begin(), ordered.end());
    Deck deck{};
    for (int i = 0; i < kDeckCards; ++i) {
        deck[std::size_t(i)] = left[lehmer[std::size_t(i)]];
        left.erase(left.begin() + std::ptrdiff_t(lehmer[std::size_t(i)]));
    }
    result.deck = deck;
    result.error = DealCodeError::none;
    return result;
}

bool isDealCodeSymbol(char c)
{
    return symbolValue(c) >= 0;
}

std::optional<Deck> deckOfLayout(const DealLayout& layout)
{
    constexpr int kStockCards = 24;
    if (layout.stock.size() != std::size_t(kStockCards))
        return std::nullopt;
    Deck deck{};
    std::bitset<kDeckCards> seen;
    auto place = [&](std::size_t at, const SolverCard& card) {
        if (card.suitIndex > 3 || card.rank < 1 || card.rank > 13 || seen.test(std::size_t(cardIndex(card))))
            return false;
        seen.set(std::size_t(cardIndex(card)));
        deck[at] = SolverCard{card.suitIndex, card.rank, false};
        return true;
    };
    for (std::size_t i = 0; i < std::size_t(kStockCards); ++i)
        if (layout.stock[i].isFaceUp || !place(i, layout.stock[i]))
            return std::nullopt;
    // Column c took its cards from the end of the deck, bottom card first.
    std::size_t remaining = kDeckCards;
    for (std::size_t c = 0; c < layout.tableau.size(); ++c) {
        const auto& column = layout.tableau[c];
        if (column.size() != c + 1)
            return std::nullopt;
        for (std::size_t k = 0; k <= c; ++k)
            if (column[k].isFaceUp != (k == c) || !place(--remaining, column[k]))
                return std::nullopt;
    }
    return deck;
}

} // namespace murvane::solver
