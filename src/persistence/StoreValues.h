#pragma once
// How a stored value reads back as each of the store's types. Shared by both
// stores so that a value planted in memory reads exactly as the same value
// read back from the settings file, where integers and Booleans come back
// as text ("42", "true").

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace murvane::storevalues {

// Integers, Booleans (1 / 0) and decimal text within 64 bits; anything else 0.
std::int64_t toInteger(const QVariant& value);
// Booleans, integers (non-zero), "true" / "false" and decimal text; anything else false.
bool toBool(const QVariant& value);
// Text as it stands; integers and Booleans as the text the settings file
// would hold for them; anything else (lists, data, nothing) gives nothing.
std::optional<QString> toString(const QVariant& value);
// Byte arrays only: text is not data.
std::optional<QByteArray> toData(const QVariant& value);

} // namespace murvane::storevalues
