// The stage the table methods share after their matrix steps: the light
// edition's lettered-code table (read backwards from the end of the .B file)
// and its base and matrix files (.B, .K) turn the rate record's head into the
// key of the record that holds the lane's rates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rates/light_edition.h"

namespace vorn {

class RatingEngine;
struct Rating;

namespace light_stage {

// Whether the tariff has both light-edition files.
bool FilesOpen(RatingEngine& engine);

// Closes the light-edition files when it goes out of scope (the stage's
// files are closed on every way out).
class FilesClosed {
 public:
  explicit FilesClosed(RatingEngine& engine) : engine_(engine) {}
  ~FilesClosed();
  FilesClosed(const FilesClosed&) = delete;
  FilesClosed& operator=(const FilesClosed&) = delete;

 private:
  RatingEngine& engine_;
};

// Loads the lettered-code table (221 without a .B file), copies the rate
// record's head into the key and applies the entry of its kind letter (272
// when the table has none). The kind letter.
char StartFromHead(RatingEngine& engine, Rating& rating);

// Fetches the rate record of the key (once more when the record read does
// not hold the key); 119 when it is still empty.
void LoadKeyedRecord(RatingEngine& engine, Rating& rating, std::size_t recordLength, bool loadFirst);

// The number the light tables find for the lane under a kind letter: for
// 'B' the matrix record's number when both ends have base records and the
// matrix decided, for 'M' the add values of code "M " (or the number table's
// value for them), for 'C' none (the base lookup only), for 'J' the add
// values of code "J1" with the matrix number when the rate record names no
// number of its own, for the other letters what the tariff's light lookup of
// the letter leaves in the key. The key's group code and letter stay as the
// lookup leaves them; its number is put back.
std::int64_t ShipmentNumber(RatingEngine& engine, Rating& rating, char kind, LightForm form);

// Sets the whole key ("001 00000H").
void SetKey(Rating& rating, std::string_view key);

// Kind 'C': the base records of code "C " give the add-on record whose two
// amounts (the ends' add values) the core adds to the minimums and the first
// two breaks.
void LeaveAddOnRecord(RatingEngine& engine, Rating& rating, LightForm form);

// The tables of the key's tariff number, for the rest of the rating.
void SelectKeyTables(RatingEngine& engine, Rating& rating);

}  // namespace light_stage
}  // namespace vorn
