// Fetching the rate record of the lane's rate-record key from the rate file
// (.R) through the file's index, and switching to the substitute tariff when
// the tariff says so.
//
// The index (engine_state/tariff_files.h) lists {group code, offset} in group
// order, ending at a "***" entry whose offset ends the data. The key's group
// code picks the range [previous entry's offset, next entry's offset) of the
// first entry whose code sorts above it (the first entry's own code is never
// compared); the range is binary searched for the key.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorn {

class RatingEngine;
struct Rating;

enum class KeyCompare {
  FirstNotBelow,  // the first record whose head does not sort below the key
  Exact,          // the record whose head equals the key
};

// Searches the index range of the key and reads the record found into the
// engine (binary log kind 5); raises 214 when no record of the key's group
// is found and the rate file's open error (208).
void FindTableEntry(RatingEngine& engine, Rating& rating, std::size_t recordLength);
// The same with an exact compare for tariff type 'J'.
void FindTableEntry2(RatingEngine& engine, Rating& rating, std::size_t recordLength);

// Switches to the substitute tariff named by the suffix ("2A") or by the
// current tariff's substitute columns 70-72, reopens its rate file and
// prepares its work tables; the new type's rate-record length. Raises 202
// for a type not in the tariff-type table, and the errors of the rate file
// (208) and of the work tables.
std::size_t ReloadTariff(RatingEngine& engine, Rating& rating, std::string_view suffix);

// Fetches the rate record of the engine's rate-record key by its rate-basis
// letter, switching tariffs as the light-edition flag and the letter say,
// then steps to the sub-record the rate-basis adjustment asks for (214 when
// it is missing). Letter 'H' searches with the first rate-basis digit as
// '0', puts the digit into byte 4 of the record read and keeps it in the
// tables' saved key character.
void LoadRateByTariffType(RatingEngine& engine, Rating& rating, std::size_t recordLength);

// The rate fetch of rate-basis letter 'B' of the light-edition methods:
// switches to the "2A" substitute when the light-edition flag is 1, or when
// it is 255 and the key's letter is 'B', then searches with FindTableEntry.
void FetchLetterBRate(RatingEngine& engine, Rating& rating, std::size_t recordLength);

}  // namespace vorn
