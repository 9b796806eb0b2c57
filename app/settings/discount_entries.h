// The range entries of a profile as the discount page edits them, and the
// percentage texts of the page.
//
// An entry (117 bytes): origin from, origin to, destination from,
// destination to (7 bytes each: a 5- or 3-digit ZIP, a Canadian prefix
// completed to 5 characters, or, for a state side, five blanks in "from"
// and the state in "to"); at 28 the value of break 10, at 36 + 8 (k - 1)
// the value of break k = 1..9 (8 bytes each); at 108 the eleventh value (9
// bytes). Values are "%05.2f" texts whose leading zeros and blanks are
// blanked up to the first other character: 5.25 is " 5.25", 0 is "  .00".
//
// Entries stand in four groups in this order: ZIPs to ZIPs, ZIPs to a
// state, a state to ZIPs, a state to a state. ZIP-to-ZIP entries keep the
// order they were added in; the others are sorted by their four bounds.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qiv::settings {

inline constexpr std::size_t kEntrySize = 117;
inline constexpr std::size_t kEntryLimit = 150;
inline constexpr std::size_t kBoundRoom = 7;
using DiscountEntry = std::array<char, kEntrySize>;

// Percentages: "%5.2f" (breaks 1-10) or "%6.2f" (the eleventh value), with
// exact halves of the binary value rounded away from zero.
std::string ShownPercent(double value, bool eleventh);
// The stored form: "%05.2f" with leading zeros and blanks blanked.
std::string StoredPercent(double value);

// A percentage as typed, checked as it leaves its field: breaks 1-10 below
// 99.99, the eleventh value at most 999.99; anything else shows "0.00" (a
// value too large with its message, 118 or 119).
struct CheckedPercent {
  double value = 0;
  std::string shown;
  int message = 0;  // 0: none
};
CheckedPercent CheckPercent(std::string_view typed, bool eleventh);

// A Canadian prefix: trimmed, letter, digit, letter; the first letter none
// of D F I O Q U W Z, the third none of D F I O Q U.
bool CheckCanadianPrefix(std::string_view text);
// A range bound as typed: a Canadian prefix when it begins with a letter;
// else empty, or 3 characters in ZIP mode '3', 5 in modes '5' and '6'.
bool CheckRangeBound(std::string_view text, char zipMode);

enum class EntryGroup { ZipZip = 0, ZipState = 1, StateZip = 2, StateState = 3 };
EntryGroup GroupOf(const DiscountEntry& entry);

DiscountEntry MakeEntry(std::string_view originFrom, std::string_view originTo, std::string_view destinationFrom,
                        std::string_view destinationTo);
std::string BoundOf(const DiscountEntry& entry, int bound);  // 0..3, up to its first NUL
// Value k = 1..11 (10 is the tenth break, 11 the eleventh value).
std::string ValueOf(const DiscountEntry& entry, int k);
void SetValue(DiscountEntry& entry, int k, double value);

// Where a new entry goes among the entries.
struct Placement {
  enum class Kind { Insert, Equal, Nowhere } kind = Kind::Nowhere;
  std::size_t position = 0;  // Insert: before this entry; Equal: the equal entry
};
Placement PlaceEntry(std::span<const DiscountEntry> entries, const DiscountEntry& entry);

// A ZIP bound as it is typed: trimmed, a Canadian range's bound as the
// prefix it was built from (so that storing it again builds the same range).
std::string TypedBound(const DiscountEntry& entry, int bound);

// The line of the entry list: the four bounds separated by tabs, a
// Canadian prefix as its 3 characters and two blanks.
std::string EntryLine(const DiscountEntry& entry);

}  // namespace qiv::settings
