// The records of the shipment export, built from the RatingContext: a
// fixed-width record of 245 bytes, or a comma-separated one of 309 bytes
// under a heading line of 189 bytes, each ended by CR LF.
//
// Fixed-width record (offsets from 0; T text, N number):
//    0  9 T shipment id (blanks when the shipment-id prompt is off)
//    9  5 T origin code: 5 characters, 3 with the three-digit-ZIP option
//   14  2 T origin state
//   16  5 T destination code, as the origin's
//   21  2 T destination state
//   23  6 N the six-digit figure           29  6 N deficit weight
//   35  6 N total weight                   41  5 N discount percent "%2.2f"
//   46 14 N total charge                   60  9 N sum of the two header amounts
//   69  9 N exported discount "%9.2f"      78 14 N discount amount, or zeros
//   92  9 N accessorial total, or zeros   101 14 N net charge
//  115 + 16k  detail line k = 0..7: class 3 T, weight 6 N, rate 7 N
//             (16 blanks for a line without a class)
//  243  2   CR LF
// The comma-separated record holds the same fields in the same order:
// texts within double quotes, numbers bare, a comma between fields, a
// detail line as comma, quoted class, comma, weight, comma, rate (21
// blanks for a line without a class).
//
// A text field is blank-filled, the text left-aligned and cut to the
// width (PutTextField); a number field is filled with '0' and the text
// copied right-aligned from its end, a blank leaving its '0'
// (PutNumberField). Control characters count as blanks in both, so a
// record stays one line; in the comma-separated record a '"' inside a text
// is a blank. A number whose text does not fit its field refuses the
// record rather than lose digits.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/rating_context_fields.h"

namespace qiv {

struct QivSession;

inline constexpr std::size_t kFixedRecordSize = 245;
inline constexpr std::size_t kCommaRecordSize = 309;
inline constexpr std::size_t kCommaHeadingSize = 189;

void PutTextField(std::span<char> destination, std::string_view text);
// False when a character that is not a blank would fall before the field.
bool PutNumberField(std::span<char> destination, std::string_view text);

// The record of the shipment; nothing when a number does not fit its field.
std::optional<std::string> FixedRecord(const RatingContext& context);
std::optional<std::string> WriteExportCsvRecord(const RatingContext& context);
// The column titles (language texts 56-63, 66-72 and 75-77) in quotes at
// their places, 21 empty columns after them.
std::string WriteExportHeading(const QivSession& session);

// The first half of the exported discount, written before a record is
// built: the float at 12626 becomes 0, or, when the single-shipment letter
// is 'Y' and the single-shipment floor is above 0, the larger of that floor
// and the overall discount (12630). The record reports that float when it
// is not 0; else 0 when discounts are not in use or the lane takes none;
// else the overall discount.
void SetExportedDiscount(RatingContext& context);

}  // namespace qiv
