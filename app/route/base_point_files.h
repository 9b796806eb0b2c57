// The tariff base's base-point files: which data-set kind a lane belongs to
// (from the zones of its two ends) and the base point of each end.
//
// Zone files, fixed records without a header:
//   .BSU, .BUU  10 bytes: lowest 3-character prefix, highest prefix, zone 4
//   .BUC         9 bytes: lowest Canadian prefix 3, highest 3, zone 3
//   .UST         9 bytes: the two U.S. zones (the smaller first) 8, kind 1
//   .CNT         8 bytes: Canadian zone 3, U.S. zone 4, kind 1
// .BSE, the base-point index: a 1996-byte header (the U.S. and Canadian
// records' file offsets and sizes, four ints; 310 U.S. block index entries
// of 6 bytes at 16: kind and the 5-digit code that ends the block; 19
// Canadian entries of 6 bytes at 1877: the 5-character code that ends the
// block and a byte not read), then the records in blocks of 100:
//   U.S. 11 bytes: kind 1; 3-byte little-endian value, low 17 bits the
//     range's first ZIP, high 7 bits the last two digits of its end within
//     the first ZIP's hundred; base point int16; 4 bytes; P.O.-box flag 1
//   Canadian 17 bytes: 1 byte; lowest code 5; highest code 5; base point
//     int16; 4 bytes
// .DSP, 43 bytes, sorted by kind then key: key 4, kind 1, label 8,
//   description 30.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qiv::base_points {

// What a lookup found; a file that cannot be opened ends the program.
enum class Lookup { Found, NotFound, FileMissing };

struct DataSetKind {
  Lookup status = Lookup::NotFound;
  char kind = ' ';
};
// The kind of a U.S. lane: the zones of both ends' prefixes (.BSU), then
// the kind of the pair (.UST). basePath is the tariff base without its
// extension.
DataSetKind FindUsDataSetKind(const std::string& basePath, std::string_view origin, std::string_view destination);
// The kind of a lane between the U.S. and Canada: the U.S. end's zone
// (.BUU), the Canadian end's (.BUC), the pair's kind (.CNT).
DataSetKind FindCanadianDataSetKind(const std::string& basePath, std::string_view usCode,
                                    std::string_view canadianCode);

struct BasePoint {
  Lookup status = Lookup::NotFound;
  std::string text;  // "%04d"
  char poBox = ' ';  // '*': a P.O. box or an unassigned ZIP
};
// The base point of a code of the lane's kind in .BSE. A header whose
// sizes are 0, or whose records lie past the file's end, finds nothing.
BasePoint ReadBaseIndex(const std::string& basePath, char kind, std::string_view code);

struct BasePointName {
  std::string label;        // 8 characters
  std::string description;  // 30 characters
};
// The name of a base point of the kind, read from the open .DSP file.
std::optional<BasePointName> ReadBasePointName(int dspDescriptor, char kind, std::string_view basePoint);

// The Canadian code as the index compares it: a 4-character code with a
// blank at its fourth place stands for its whole prefix ("M5V " is
// "M5V0A").
std::string CanadianIndexCode(std::string_view code);

}  // namespace qiv::base_points
