// The rest of the tariff files read when the engine is not used. Ratekit32
// only loads them (no rating of this system reads them); what each holds
// beyond what is loaded here is the data publisher's.
//   .FAC  802 bytes at 57720, .FCC 1352 bytes at 58522 (descriptors 28, 36);
//   .BSC  16 + 30 + 50 bytes at 62914, 62930, 62960 (descriptor 52);
//   .BSE  a header of 1996 bytes (version number above 21, at 59874) or
//         1044 (at 61870) whose int at byte 32 is the data block's offset
//         and int at 36 its size; the data block, at most 336 bytes, at
//         63010 (descriptor 48);
//   .MCH  the whole file and two zero bytes (token 80);
//   ".LA " 8-byte records (token 84), .RBA 16-byte records (token 88);
//   .LMC  12-byte records (token 92), or its 10-byte twin ".MC ";
//   .LCA  12-byte records (token 96), or its 10-byte twin .MCA; a twin's
//         records are widened to 12 bytes: the two 32-bit values as they
//         are, then the 16-bit value at bytes 8..9 sign-extended;
//   .TBL  18-byte records {name 15, 3}: the names, at most 25, at 15554 +
//         16i (15 characters and a NUL).
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

std::optional<std::int32_t> LoadFac(RatingContextView& record);  // 260, 264
std::optional<std::int32_t> LoadFcc(RatingContextView& record);  // 260, 264
std::optional<std::int32_t> LoadBsc(RatingContextView& record);  // 480, 484
// 220, 224 (also for a data block beyond the file or above 336 bytes).
std::optional<std::int32_t> LoadBse(RatingContextView& record);
std::optional<std::int32_t> LoadMch(RatingContextView& record);         // 182, 193, 324
std::optional<std::int32_t> LoadLa(RatingContextView& record);          // 270, 272, 274
std::optional<std::int32_t> LoadRba(RatingContextView& record);         // 340, 342, 344
std::optional<std::int32_t> LoadLmc(RatingContextView& record);         // 181, 312, 314
std::optional<std::int32_t> LoadLca(RatingContextView& record);         // 183, 362, 534
std::optional<std::int32_t> LoadTableNames(RatingContextView& record);  // 450

}  // namespace ratekit
