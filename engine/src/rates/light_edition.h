// The light edition's rate-basis tables (formats/light_edition_files.h): the
// base file (.B) and the matrix file (.K) turn the lane's ZIPs into the
// rate-basis number and letter of the rate-record key, and the
// lettered-code table turns the letter into the key's group code and the
// substitution flag.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "formats/light_edition_files.h"

namespace vorn {

class RatingEngine;
struct Rating;

enum class LightForm { Binary, Text };

// The rate-basis number of the key (bytes 4-8), and its setting ("%5.5ld";
// 223 past five digits or below zero).
std::int64_t KeyRateBasisNumber(const Rating& rating);
void SetKeyRateBasisNumber(Rating& rating, std::int64_t number);

// The tariff's number table (the factor file's city add-on list): the second
// value of the first entry whose first value is at or above the number, when
// that value is above 0; with lastWhenNone the last entry answers a number
// above them all. Nothing otherwise.
std::optional<std::int32_t> NumberTableValue(const RatingEngine& engine, std::int64_t number, bool lastWhenNone);

// The add value of a base record of the form, as five packed digits; the
// value that stands for none, or no record, is zero.
std::array<std::uint8_t, 3> PackedAddValue(const Rating& rating, bool origin, LightForm form);

// Loads the lettered-code table from the .B file's closing block, else the
// default table, and logs it (kind 18). Raises 221 when the .B file does not
// open.
void LoadLetteredCodeTable(RatingEngine& engine);

// The table step: the entry of the letter whose prefix fits the key's
// rate-basis number gives the key's group code and the substitution flag.
// Raises 272 when the letter is not in the table; a '*' entry met first
// changes nothing.
void ApplyLetteredCode(RatingEngine& engine, Rating& rating, char letter);

// The base records of both ends for the table code (kinds 19 and 20).
void LightBaseLookup(RatingEngine& engine, Rating& rating, std::string_view code, LightForm form = LightForm::Binary);

// The .K record of the two ends' matrix keys for the table code (kind 21):
// it sets the key's rate-basis number and letter and runs the table step.
// The letter, or 0 when there is no record.
char LightMatrixLookup(RatingEngine& engine, Rating& rating, std::string_view code, LightForm form = LightForm::Binary);

// The rate-basis number and letter of the lane for the tariff method's
// kind letter ('A', 'C', 'D', 'E', 'F', 'H', 'J'; other letters change
// nothing). The letter found, or 0.
char RateLiteTariff(RatingEngine& engine, Rating& rating, char kindLetter, LightForm form = LightForm::Binary);

// The second light-edition step of the tariff methods that take one: loads
// the lettered-code table, then for kind 'B' the base and matrix lookups of
// code "B " (1 when a matrix record decided), for 'C' the base lookup of
// "C ", for 'M' the rate-basis number of value plus the add values of "M "
// (or the factor file's city add-on for it), given back in value. Other
// kinds change nothing. 1 when a matrix record decided, else 0.
int RateLiteStep(RatingEngine& engine, Rating& rating, char kindLetter, std::int32_t& value,
                 LightForm form = LightForm::Binary);

}  // namespace vorn
