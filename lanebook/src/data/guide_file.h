// DLLData.dat, the service guide's data: lines of fixed length, each ending
// in LF and beginning with its record letter, in five groups in this order:
//
//   H  header, one line (32 bytes)
//        0 'H'   1-2 format version "01"   3-10 expiry date CCYYMMDD (the
//        data serves through that day)   11-14 carrier count   15-18
//        terminal count   19-24 range count   25-30 days count  (digits)
//   C  carriers (40 bytes), sorted by code
//        0 'C'   1-5 code (blank-padded)   6-8 type "LTL" or "TL "   9-38 name
//   T  terminals (456 bytes), sorted by carrier and code
//        0 'T'   1-5 carrier   6-8 code   9-454 the 13 fields of a terminal's
//        details (terminal_details: name, ZIP, two address lines, city,
//        state, country, telephone, toll-free and fax numbers, e-mail,
//        contact, hours)
//   R  ranges of points a terminal serves (21 bytes), sorted by carrier and
//        low key, not overlapping within a carrier
//        0 'R'   1-5 carrier   6-10 low key   11-15 high key (five digits of
//        a ZIP code, or the three characters of a postal prefix and two
//        blanks)   16-18 terminal   19 point letter 'D' direct or 'I' indirect
//   D  days between two terminals of a carrier (15 bytes), sorted by
//        carrier, origin and destination terminal
//        0 'D'   1-5 carrier   6-8 origin terminal   9-11 destination
//        terminal   12-13 days "%02d"
//
// Every count must match the lines that follow, every line its length and
// order, and every carrier and terminal named must be listed; the file is
// refused whole otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/kernel/byte_record.h"

namespace lanebook {

namespace guide_file {
using platform::FieldSpan;
inline constexpr std::string_view kFileName = "DLLData.dat";
inline constexpr std::string_view kFormatVersion = "01";

namespace header {
inline constexpr std::size_t kSize = 32;
inline constexpr FieldSpan kLetter{0, 1};
inline constexpr FieldSpan kVersion{1, 2};
inline constexpr FieldSpan kExpiry{3, 8};
inline constexpr FieldSpan kCarriers{11, 4};
inline constexpr FieldSpan kTerminals{15, 4};
inline constexpr FieldSpan kRanges{19, 6};
inline constexpr FieldSpan kDays{25, 6};
inline constexpr FieldSpan kEnd{31, 1};
static_assert(platform::FieldsAreContiguous(std::array{kLetter, kVersion, kExpiry, kCarriers, kTerminals, kRanges,
                                                       kDays, kEnd},
                                            kSize));
}  // namespace header

namespace carrier {
inline constexpr std::size_t kSize = 40;
inline constexpr FieldSpan kLetter{0, 1};
inline constexpr FieldSpan kCode{1, 5};
inline constexpr FieldSpan kType{6, 3};
inline constexpr FieldSpan kName{9, 30};
inline constexpr FieldSpan kEnd{39, 1};
static_assert(platform::FieldsAreContiguous(std::array{kLetter, kCode, kType, kName, kEnd}, kSize));
}  // namespace carrier

namespace terminal {
inline constexpr std::size_t kSize = 456;
inline constexpr FieldSpan kLetter{0, 1};
inline constexpr FieldSpan kCarrier{1, 5};
inline constexpr FieldSpan kCode{6, 3};
inline constexpr FieldSpan kDetails{9, 446};
inline constexpr FieldSpan kEnd{455, 1};
static_assert(platform::FieldsAreContiguous(std::array{kLetter, kCarrier, kCode, kDetails, kEnd}, kSize));
}  // namespace terminal

namespace range {
inline constexpr std::size_t kSize = 21;
inline constexpr FieldSpan kLetter{0, 1};
inline constexpr FieldSpan kCarrier{1, 5};
inline constexpr FieldSpan kLow{6, 5};
inline constexpr FieldSpan kHigh{11, 5};
inline constexpr FieldSpan kTerminal{16, 3};
inline constexpr FieldSpan kPointLetter{19, 1};
inline constexpr FieldSpan kEnd{20, 1};
static_assert(platform::FieldsAreContiguous(std::array{kLetter, kCarrier, kLow, kHigh, kTerminal, kPointLetter, kEnd},
                                            kSize));
}  // namespace range

namespace days {
inline constexpr std::size_t kSize = 15;
inline constexpr FieldSpan kLetter{0, 1};
inline constexpr FieldSpan kCarrier{1, 5};
inline constexpr FieldSpan kOrigin{6, 3};
inline constexpr FieldSpan kDestination{9, 3};
inline constexpr FieldSpan kDays{12, 2};
inline constexpr FieldSpan kEnd{14, 1};
static_assert(platform::FieldsAreContiguous(std::array{kLetter, kCarrier, kOrigin, kDestination, kDays, kEnd}, kSize));
}  // namespace days

// The 13 fields of a terminal's details, in their order.
inline constexpr std::array<std::size_t, 13> kDetailWidths{51, 6, 51, 51, 31, 3, 11, 13, 13, 13, 101, 51, 51};
}  // namespace guide_file

struct Carrier {
  std::string code;  // without its padding
  std::string type;  // "LTL" or "TL"
  std::string name;
};

struct Terminal {
  std::string carrier;
  std::string code;
  std::array<char, 446> details{};
};

struct ServedRange {
  std::string carrier;
  std::string low, high;  // 5 digits, or a 3-character postal prefix
  std::string terminal;
  char letter = 'D';
};

struct TerminalDays {
  std::string carrier, origin, destination;
  int days = 0;
};

// One DLLData.dat as read: sorted, checked, never changed afterwards, so
// that every thread may read it at once.
struct GuideData {
  std::string expiry;  // CCYYMMDD
  std::vector<Carrier> carriers;
  std::vector<Terminal> terminals;
  std::vector<ServedRange> ranges;
  std::vector<TerminalDays> days;

  const Carrier* carrier(std::string_view code) const;
  const Terminal* terminal(std::string_view carrier, std::string_view code) const;
  std::vector<const Terminal*> terminalsOf(std::string_view carrier) const;
  // The range of the carrier that holds the point key (PointKey()).
  const ServedRange* rangeHolding(std::string_view carrier, std::string_view key) const;
  // The days from one terminal to another; the days of the way back when
  // only those are listed.
  std::optional<int> daysBetween(std::string_view carrier, std::string_view origin, std::string_view destination) const;
};

// The key a point code is served under: the five digits of a ZIP code, the
// first three characters of a postal code (letter, digit, letter; upper
// case), nothing for other codes (a Mexican code, five digits and 'M', among
// them). Blanks and NULs around the code are not part of it.
std::optional<std::string> PointKey(std::string_view code);

// Reads the text of a DLLData.dat: the data, or the status that refuses it
// (1012 for a file of another version or in another shape, 1046 for one cut
// short, 1011 for data expired before today, CCYYMMDD).
std::variant<GuideData, int> ParseGuideFile(std::string_view text, std::string_view today);

// A code or text as a fixed field holds it: the blanks and NULs around it
// are not part of it.
std::string TrimmedCode(std::string_view field);

// Today's date, CCYYMMDD, in local time.
std::string Today();

}  // namespace lanebook
