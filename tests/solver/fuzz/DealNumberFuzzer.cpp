// libFuzzer target for the deal-number reader: any text gives the number a
// plain reading of its decimal digits gives (leading zeros and all), when
// that lies in the range of deal numbers, and nothing otherwise.

#include "support/FuzzCheck.h"

#include "solver/DealNumbers.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace murvane::solver;

namespace {

// Written separately from the reader: drop the leading zeros, and more than
// ten digits left are past any deal number.
std::optional<std::uint32_t> plainReading(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const std::size_t first = text.find_first_not_of('0');
    if (first == std::string_view::npos)
        return std::nullopt; // all zeros: 0
    const std::string_view digits = text.substr(first);
    if (digits.size() > 10)
        return std::nullopt;
    const std::uint64_t value = std::stoull(std::string(digits));
    if (value < kFirstDealNumber || value > kLastDealNumber)
        return std::nullopt;
    return std::uint32_t(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::uint32_t> number = parseDealNumber(text);
    FUZZ_REQUIRE(number == plainReading(text));
    if (number)
        FUZZ_REQUIRE(parseDealNumber(std::to_string(*number)) == number);
    return 0;
}
