#include "engine/DealOrigin.h"

#include "engine/Deal.h"
#include "engine/SolverCards.h"

#include "solver/DealCode.h"
#include "solver/DealNumbers.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace murvane {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isAllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// The text cut into runs of ASCII letters, digits and '-': a code, a number
// and the words around them, whatever the language and punctuation.
std::vector<std::string_view> wordsOf(std::string_view text)
{
    auto inWord = [](char c) {
        return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
    };
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && inWord(text[i]))
            continue;
        if (i > start)
            words.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

// How many code symbols a word has, '-' aside; none when anything else is in it.
std::optional<int> codeSymbols(std::string_view word)
{
    int count = 0;
    for (char c : word) {
        if (c == '-')
            continue;
        if (!solver::isDealCodeSymbol(c))
            return std::nullopt;
        ++count;
    }
    return count;
}

// Without dashes, a run of code symbols longer than two groups is no word
// or number a player means: it is a code cut short.
constexpr int kShortestUngroupedPart = 2 * solver::kDealCodeGroup + 1;

// The start of a code, or a code with symbols missing: fewer symbols than a
// code, either in the code's groups of six joined by '-' (the last one may be
// shorter) or ungrouped and long.
bool isPartOfCode(std::string_view word)
{
    const std::optional<int> symbols = codeSymbols(word);
    if (!symbols || *symbols == 0 || *symbols >= solver::kDealCodeSymbols)
        return false;
    if (word.find('-') == std::string_view::npos)
        return *symbols >= kShortestUngroupedPart;
    std::size_t start = 0;
    while (true) {
        const std::size_t dash = word.find('-', start);
        const std::size_t length = (dash == std::string_view::npos ? word.size() : dash) - start;
        if (dash == std::string_view::npos)
            return length >= 1 && length <= std::size_t(solver::kDealCodeGroup);
        if (length != std::size_t(solver::kDealCodeGroup))
            return false;
        start = dash + 1;
    }
}

DealInput numberInput(std::string_view digits)
{
    if (const auto number = solver::parseDealNumber(digits))
        return {DealRequest{*number, std::nullopt}, DealInputError::none};
    return {std::nullopt, DealInputError::numberOutOfRange};
}

// A line around a code, as Copy Deal Code writes it in any language: "… deal
// <code>, number 4242 (Draw 1, …)". The number is the first one after the code
// and before the bracketed rules (which hold digits of their own).
std::optional<DealInput> readDealLine(std::string_view text)
{
    const std::vector<std::string_view> words = wordsOf(text);
    const auto code = std::find_if(words.begin(), words.end(),
                                   [](std::string_view w) { return codeSymbols(w) == solver::kDealCodeSymbols; });
    if (code == words.end()) {
        if (std::any_of(words.begin(), words.end(), isPartOfCode))
            return DealInput{std::nullopt, DealInputError::incompleteCode};
        return std::nullopt;
    }
    const std::size_t codeEnd = std::size_t(code->data() - text.data()) + code->size();
    const std::size_t rules = text.find('(', codeEnd);
    const auto named = std::find_if(std::next(code), words.end(), [&](std::string_view w) {
        return std::size_t(w.data() - text.data()) < rules && isAllDigits(w);
    });
    if (named != words.end())
        if (const DealInput number = numberInput(*named); number.request)
            return number;
    const solver::DealCodeParse parsed = solver::parseDealCode(*code);
    if (parsed.deck)
        return DealInput{DealRequest{std::nullopt, *parsed.deck}, DealInputError::none};
    return DealInput{std::nullopt, DealInputError::mistypedCode};
}

} // namespace

DealInput readDealInput(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {std::nullopt, DealInputError::empty};
    const std::string utf8 = trimmed.toStdString();
    // Anything that reads as a whole number, signed or not, is taken as a
    // number; only numbers in range deal. As many digits as a code has
    // symbols are a code (the ordered deck's is all digits).
    bool isNumber = false;
    (void)trimmed.toLongLong(&isNumber);
    const bool codeOfDigits = isAllDigits(utf8) && utf8.size() == std::size_t(solver::kDealCodeSymbols);
    if ((isNumber || isAllDigits(utf8)) && !codeOfDigits)
        return numberInput(utf8);
    // A bare code, grouped by '-' or spaces or not at all.
    const solver::DealCodeParse code = solver::parseDealCode(utf8);
    if (code.deck)
        return {DealRequest{std::nullopt, *code.deck}, DealInputError::none};
    if (code.error == solver::DealCodeError::mistyped)
        return {std::nullopt, DealInputError::mistypedCode};
    // Half a code typed in groups split by spaces.
    std::string spacesAsDashes = trimmed.simplified().toStdString();
    std::replace(spacesAsDashes.begin(), spacesAsDashes.end(), ' ', '-');
    if (isPartOfCode(spacesAsDashes))
        return {std::nullopt, DealInputError::incompleteCode};
    if (const std::optional<DealInput> line = readDealLine(utf8))
        return *line;
    return {std::nullopt, DealInputError::notADeal};
}

DealOrigin dealtFrom(const solver::Deck& deck)
{
    Layout layout = layoutOf(deck);
    return DealOrigin{std::move(layout.tableau), std::move(layout.stock), std::nullopt, 0};
}

QString dealCode(const DealOrigin& origin)
{
    if (!origin.isKnown())
        return {};
    const std::optional<solver::Deck> deck = solver::deckOfLayout(toSolverLayout(origin.tableau, origin.stock));
    return deck ? QString::fromStdString(solver::encodeDealCode(*deck)) : QString();
}

} // namespace murvane
