// The RatingContext's copy of the engine's effective-tariff table: 17-byte
// EffectiveEntry records in a buffer of Ratekit32's (token at 15957), the
// kept and skipped counts (48414, 48418), and the search for the entry of a
// tariff name and date.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/engine_connection.h"

namespace ratekit {

// Replaces the copy with the engine's n entries, leaving out those named
// "Bureau". Nothing on success, else 141 (no buffer) or 140 (an entry the
// engine did not give; the entries before it stay).
std::optional<std::int32_t> CopyEffectiveTable(RatingContextView& record, const EngineEntryPoints& engine,
                                               VornHandle handle, std::int16_t n);

// GetCurrentEfcRec: the kept entry whose name and date equal the key's
// ("NAME    -YYYY-MM-DD", 19 characters; the separators are not
// compared), or null.
char* FindEffectiveEntry(RatingContextView& record, const char* key);

}  // namespace ratekit
