// Reading the tariff's rate file (.R): record k of length n at byte k x n.
// The record read goes into the engine's rate-file work and to the binary
// log (kind 5).
#pragma once

#include <cstdint>

#include "platform/kernel/file.h"

namespace vorn {

class RatingEngine;
struct Rating;
class RateRecord;

// The rate-record length of the current tariff's type (type 'N' rates by
// its base type); raises 202 for a type not in the tariff-type table.
std::size_t CurrentRateRecordLength(const RatingEngine& engine);

// The open rate file (its open error, 208, is raised).
const platform::File& OpenRateFile(RatingEngine& engine);

// Reads record index of the given length into the engine's rate record;
// raises 214 for a negative index or a short read.
void ReadRateRecordAt(RatingEngine& engine, Rating& rating, std::int64_t index, std::size_t length);

// Reads records forward from the one after index while their four-digit
// key (bytes 5-8) sorts below the wanted key; the record reached must hold
// the wanted key, else (or at the end of the file) 214.
void StepToRateKey(RatingEngine& engine, Rating& rating, std::int64_t index, std::size_t length, std::uint32_t wanted);

// The rate record by number: reads it, then, unless the type (or the base
// type of 'N') is 'I', steps to the key the rate-basis adjustment gives.
void ReadRateRecordByNumber(RatingEngine& engine, Rating& rating, std::int64_t number, std::size_t length);

}  // namespace vorn
