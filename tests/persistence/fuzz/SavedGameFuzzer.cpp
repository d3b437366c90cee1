// libFuzzer target for the saved-game decoder and validator: any bytes in the
// settings file must be refused or accepted without a crash, a sanitizer
// report, or unbounded time and memory; and an accepted, consistent record
// must come back unchanged through its own encoding.

#include "persistence/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto game = murvane::decodeSavedGame(bytes);
    if (!game || !murvane::isConsistentPosition(*game))
        return 0;
    const auto again = murvane::decodeSavedGame(murvane::encodeSavedGame(*game));
    if (!again || *again != *game || !murvane::isConsistentPosition(*again))
        std::abort();
    return 0;
}
