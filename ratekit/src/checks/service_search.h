// Whether the carrier serves a point directly, from the two point-service
// files kept open by the file set (their layouts in tables/service_files.h).
//
// .ZPS: key := the number in the code's first 5 characters. The range
// data holds 3-byte little-endian entries, 100 to a 300-byte block: the
// low 17 bits the first ZIP of a range, the high 7 bits a span, the range
// running from that ZIP to (ZIP / 100) x 100 + span. The header lists each
// block's highest key: the first block whose highest key is at least the
// key is read (the last block holds length mod 300 bytes) and its entries
// tested in order. Header byte 0 'Y': a hit means direct; otherwise a hit
// means indirect and no hit direct. Only the 150 blocks the header has
// room for are searched; a block outside the file holds nothing.
//
// .BSV: key := the code's first 5 characters, or its 3 characters and "0A"
// when it has 3. A binary search over the 15-byte records counted from byte
// 60, read one at a time: a record whose first 5 characters (compared
// without regard to case) are above the key moves down; equal ones are a
// hit; one below it is a hit unless the key lies above its high key
// (bytes 0..2 and 6..7, compared byte by byte), which moves up.
#pragma once

#include <optional>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// The .ZPS decision for a code (7 bytes at most): true direct; nothing
// when no header was read.
std::optional<bool> ServedDirectlyByRanges(const RatingContextView& record, std::string_view code);

// The .BSV search: true when a postal range holds the code; nothing when
// no .BSV file of Ratekit32's is open.
std::optional<bool> InPostalRange(const RatingContextView& record, std::string_view code);

}  // namespace ratekit
