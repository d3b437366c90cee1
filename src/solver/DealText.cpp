#include "DealText.h"

#include <bitset>

namespace murvane::solver {

namespace {
constexpr std::string_view kRankChars = "A23456789TJQK";
constexpr std::string_view kSuitChars = "SHDC";
constexpr std::size_t kTokenLength = 2;
} // namespace

std::optional<SolverCard> parseCardToken(std::string_view token)
{
    if (token.size() != kTokenLength)
        return std::nullopt;
    const std::size_t rank = kRankChars.find(token[0]);
    const std::size_t suit = kSuitChars.find(token[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return SolverCard{static_cast<std::uint8_t>(suit), static_cast<std::uint8_t>(rank + 1), false};
}

std::string cardToken(const SolverCard& card)
{
    if (card.rank < 1 || card.rank > kRankChars.size() || card.suitIndex >= kSuitChars.size())
        return "??";
    return {kRankChars[card.rank - 1u], kSuitChars[card.suitIndex]};
}

DealParse parseDealLine(std::string_view line)
{
    DealParse result;
    if (line.empty()) {
        result.error = "empty line";
        return result;
    }
    Deck deck{};
    std::bitset<kDeckCards> seen;
    std::size_t pos = 0;
    for (int i = 0; i < kDeckCards; ++i) {
        if (i > 0) {
            if (pos >= line.size()) {
                result.error = "expected 52 cards, found " + std::to_string(i);
                return result;
            }
            if (line[pos] != ' ') {
                result.error = "card " + std::to_string(i) + " is not followed by a single space";
                return result;
            }
            ++pos;
        }
        const std::size_t end = line.find(' ', pos);
        const std::string_view token =
            line.substr(pos, (end == std::string_view::npos ? line.size() : end) - pos);
        const std::optional<SolverCard> card = parseCardToken(token);
        if (!card) {
            result.error = token.empty()
                ? "empty card at position " + std::to_string(i + 1) + " (double or stray space?)"
                : "bad card \"" + std::string(token) + "\" at position " + std::to_string(i + 1);
            return result;
        }
        const std::size_t index = card->suitIndex * 13u + card->rank - 1u;
        if (seen.test(index)) {
            result.error = "duplicate card " + std::string(token) + " at position " + std::to_string(i + 1);
            return result;
        }
        seen.set(index);
        deck[static_cast<std::size_t>(i)] = *card;
        pos += token.size();
    }
    if (pos != line.size()) {
        result.error = "unexpected text after the 52nd card";
        return result;
    }
    result.deck = deck;
    return result;
}

std::string formatDealLine(const Deck& deck)
{
    std::string line;
    line.reserve(kDeckCards * 3);
    for (const SolverCard& card : deck) {
        if (!line.empty())
            line += ' ';
        line += cardToken(card);
    }
    return line;
}

} // namespace murvane::solver
