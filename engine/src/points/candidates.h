// The caller's CityCandidates buffer and the choices that fill it: when a
// request's city (or tariff) is ambiguous, the engine lists the candidates
// there and ends the rating with a code that tells the caller to choose.
//   0  i32 capacity of the entry area in bytes (set by the caller)
//   4  i32 count of entries, or -1 when the capacity was too small
//   8  i16 list kind: 0 cities, 1 tariffs
//   10 6   key: the code whose cities are listed (5 characters), or blanks
//   16     entries: cities 20 bytes (19 characters and one more), tariffs 24
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

class RatingEngine;

inline constexpr std::string_view kNoneOfTheAbove = "  None of the above";
inline constexpr std::size_t kCityEntrySize = 20;
inline constexpr std::size_t kTariffEntrySize = 24;

enum class CityMode { Found, NotFound };

// The city choice over a list of 19-character entries (the last usually
// "  None of the above") for a code: the index chosen, or the list's size
// when none is. Raises 123 or 124 (candidates returned) or 129.
std::size_t ChooseCity(RatingEngine& engine, const std::vector<std::string>& list, std::string_view code, CityMode mode);

// Chooses among tariff candidates (24-character texts): the one named like
// the requested tariff; otherwise lists them for the caller and raises 126
// (125 when the request asks for an error instead, 129 without room).
std::size_t ChooseTariffCandidate(RatingEngine& engine, const std::vector<std::string>& candidates);

// The exception-name choice of one end of the lane (origin or destination)
// when several tariff slots are in use.
void ChooseExceptionName(RatingEngine& engine, bool origin);

}  // namespace vorn
