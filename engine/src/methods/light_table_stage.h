// The stage the table methods share after their matrix steps: the light
// edition's lettered-code table (read backwards from the end of the .B file)
// and its base and matrix files (.B, .K) turn the rate record's head into the
// key of the record that holds the lane's rates.
#pragma once

#include <cstddef>

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

// The tables of the key's tariff number, for the rest of the rating.
void SelectKeyTables(RatingEngine& engine, Rating& rating);

}  // namespace light_stage
}  // namespace vorn
