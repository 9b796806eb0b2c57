// Two small files of the tariff that judge a lane, as the data directory
// holds them at each use (their contents are kept between uses while the
// files stay unchanged, platform/kernel/kept_file.h):
//   .NDS  2-character states (file size / 2 of them): a lane within one of
//         these states gets no discount;
//   .APP  12-character records {U.S. end low 3, high 3, other end low 3,
//         high 3}: the Canadian lanes the carrier serves itself.
// A trailing piece shorter than a record is not read.
#pragma once

#include "ratekit/rating_context.h"

namespace ratekit {

// True when the origin and destination states are equal and listed in the
// .NDS file (no file: false).
bool IsNoDiscountLane(const RatingContextView& record);

// CheckQIVCAN: 1 when the lane lies in an .APP record (or there is no .APP
// file), else 0. The U.S. end is the origin when its code begins with a
// digit, else the destination; each end is judged by its first three
// characters, bounds included, compared byte by byte.
int CheckCanadianLane(const RatingContextView& record);

}  // namespace ratekit
