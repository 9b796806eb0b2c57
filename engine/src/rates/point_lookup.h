// The two points of a lane: the origin and destination ZIPs looked up in
// the tariff's point files (or zone lists), giving the cell of the
// origin-destination matrix. The point numbers and add-ons are left in the
// engine's rate-file work (rating/rate_file_work.h).
//
// Point files and zone lists (formats/point_file.h) are binary searched; the
// first record whose range holds the code is the point. The destination
// file's last 4 bytes hold the matrix width used with the rectangular matrix
// (point-file flag 'S'); otherwise the cell is the triangular index of the
// two point numbers.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

enum class LaneSide { Origin, Destination };

// The letter of the point file that holds the side's point: 'P', 'Q' or 'Y'
// by the point-file flag (EFCREC column 45), the tariff type and the leg.
char PointFileLetter(const RatingEngine& engine, const Rating& rating, LaneSide side);

// The matrix cell index of the lane from the point files. Raises the point
// file's open error (206), 216 or 217 when a ZIP has no point (or a negative
// point number), and 218 when the rectangular matrix has no such cell.
// Logs the two point records (kinds 7 and 8).
std::int64_t PointPairCellIndex(RatingEngine& engine, Rating& rating);

// The same from zone lists (tariff types '1' and '3'); the rectangular
// matrix has no zone-list form and raises 202.
std::int64_t ZoneListCellIndex(RatingEngine& engine, Rating& rating);

}  // namespace vorn
