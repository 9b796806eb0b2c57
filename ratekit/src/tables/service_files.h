// The two files that say which points the carrier serves directly, kept
// open and searched at each check (the searches are in checks/):
//   .ZPS  a 628-byte header {byte 0 'Y' = the listed ranges are the direct
//         ones, else the indirect ones; bytes 1..9 direct label, 11..19
//         indirect label; int at 20 the range data's offset, int at 24 its
//         length; from 28 one int per 300-byte block of range data, the
//         block's highest key}, then the range data (3-byte entries, 100 to
//         a block). The header is kept in a buffer of Ratekit32's (token
//         71681), the file in descriptor slot 44.
//   .BSV  a 75-byte header {four labels of 14 characters at 1, 16, 31 and
//         46, each followed by a flag byte '*' or blank; byte 68 not blank:
//         the .ZPS file is not used}, kept at 71685; the 15-byte records of
//         postal ranges are counted from byte 60, so record 0 is the
//         header's tail (written so that it sorts below every key). The
//         file is kept in descriptor slot 60.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

inline constexpr std::size_t kZpsHeaderSize = 628;
inline constexpr std::size_t kBsvHeaderSize = 75;
inline constexpr std::int64_t kBsvRecordsStart = 60;
inline constexpr std::size_t kBsvRecordSize = 15;

// A new zeroed .ZPS header buffer in its slot; false when none can be had.
bool AllocateZpsHeader(RatingContextView& record);

// Opens .ZPS when it is there (nothing happens otherwise): 12574 := 1 and
// the header read, its labels put in place (the four labels cleared first;
// a label beginning "PARTNER" reads "PARTNERSHIP"). 444 when the header
// cannot be read whole.
std::optional<std::int32_t> OpenServiceRanges(RatingContextView& record);

// Opens .BSV when it is there: 12578 := 1 and the header read, its four
// labels put in place with '*' turned into a blank, 12582 := 1 when its
// byte 68 is not a blank. 225 when the header cannot be read whole.
// True when the file opened (the header may still have failed).
std::optional<std::int32_t> OpenPostalServices(RatingContextView& record, bool& opened);

}  // namespace ratekit
