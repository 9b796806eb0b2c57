// The package information of a tariff: its .T entries listed for the caller
// (PackageInfoQuery in, PackageInfoList out, vorn32/package_records.h).
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;

// Fills the list (8 bytes and 34 for each entry of the query's room): 0,
// or the code written into its Status (394 no tariff of the name on the
// date, 396 a date that is no date, 219 no .T file, 374 more records than
// room; a room that is no number is none).
std::int16_t AnswerPackageInfo(RatingEngine& engine, const char* query, char* list);

}  // namespace vorn
