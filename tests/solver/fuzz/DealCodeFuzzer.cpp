// libFuzzer target for the deal-code reader: any text a player pastes is
// refused or read as a whole deck, never a crash; a deck read back writes as
// a code that reads as the same deck and deals a layout that gives it back;
// and no single wrong character slips past the check character.

#include "DeckCheck.h"
#include "support/FuzzCheck.h"

#include "solver/DealCode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace murvane;
using namespace murvane::solver;

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// One symbol of the written code changed to another, chosen by the input.
void requireSubstitutionCaught(const std::string& code, const std::uint8_t* data, std::size_t size)
{
    std::string symbols;
    for (char c : code)
        if (c != '-')
            symbols += c;
    FUZZ_REQUIRE(symbols.size() == std::size_t(kDealCodeSymbols));
    const std::size_t at = size % symbols.size();
    const std::size_t was = kAlphabet.find(symbols[at]);
    FUZZ_REQUIRE(was != std::string_view::npos);
    const std::size_t step = 1 + (size > 0 ? data[0] : 0) % (kAlphabet.size() - 1);
    symbols[at] = kAlphabet[(was + step) % kAlphabet.size()];
    const DealCodeParse wrong = parseDealCode(symbols);
    FUZZ_REQUIRE(!wrong.deck && wrong.error == DealCodeError::mistyped);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DealCodeParse parsed = parseDealCode(text);
    FUZZ_REQUIRE(parsed.deck.has_value() == (parsed.error == DealCodeError::none));
    if (!parsed.deck)
        return 0;
    FUZZ_REQUIRE(fuzz::isWholeDeck(*parsed.deck));

    const std::string code = encodeDealCode(*parsed.deck);
    FUZZ_REQUIRE(code.size() == std::size_t(kDealCodeSymbols + (kDealCodeSymbols - 1) / kDealCodeGroup));
    const DealCodeParse again = parseDealCode(code);
    FUZZ_REQUIRE(again.deck && fuzz::sameDeck(*again.deck, *parsed.deck));

    const auto dealtFrom = deckOfLayout(dealLayout(*parsed.deck));
    FUZZ_REQUIRE(dealtFrom && fuzz::sameDeck(*dealtFrom, *parsed.deck));

    requireSubstitutionCaught(code, data, size);
    return 0;
}
