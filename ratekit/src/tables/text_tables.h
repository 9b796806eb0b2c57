// The text tables of a tariff rated without the engine (read when .SET
// byte 168 is 'Y'):
//   .LAB  text in blocks of 20 lines (read 71 characters at most at a
//         time), kept open as a stream (token 72); block k's index record
//         at 63418 + 9k holds characters 5..9 of the block's last line
//         (blanks where the line is shorter; "ZZZZZ" for the last block)
//         and the block's file position; room for 525 blocks (count 210);
//   .LAM  lines of 6 + 3 characters ending LF or CR LF, at 68154 + 9i
//         (blanks where a line is shorter); room for 220 lines (count 214);
//   .ADJ  347-byte records read in turn into the buffer at 70134, the first
//         3 bytes of each kept at 70481 + 3i; room for 400 (count 218); the
//         file stays open (descriptor 12).
// A file with more than its room is refused with its read number.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

std::optional<std::int32_t> LoadLab(RatingContextView& record);  // 280, 284
std::optional<std::int32_t> LoadLam(RatingContextView& record);  // 290
std::optional<std::int32_t> LoadAdj(RatingContextView& record);  // 210, 214

}  // namespace ratekit
