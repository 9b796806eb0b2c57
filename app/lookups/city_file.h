// One open city file, read a record at a time at 37 x i, with the search the
// three city lookups share. The key is the typed state followed by the typed
// city; it is compared with each record's state and city without regard to
// case over the key's length only, so a partial city finds the first city
// that begins with it:
//   low := 0, high := count - 1; the first probe is (low + high) / 2, the
//   later ones (high - low) / 2 + low; a key below the probe sets high :=
//   probe - 1, above it low := probe + 1. A match walks back to the first
//   matching record. A range that closes without a match gives -1, except
//   that a range narrowed to the one record being probed gives that record.
// The file's position is the last record read: the search leaves it on the
// record found; a search that gives -1 puts it back where it was and answers
// that record instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lookups/city_record.h"
#include "platform/kernel/file.h"

namespace qiv {

class CityFile {
 public:
  // Opens the file read-only; a missing file is open with no records. A
  // tail shorter than a record is not counted.
  void open(const std::string& path);
  void close();
  bool isOpen() const { return file_.isOpen(); }

  // size / 37, measured again at each call (the file is read as it stands).
  std::int32_t count() const;

  // Reads record i (the file's position moves to it); nothing when i is
  // outside the file or the read is short.
  std::optional<CityRecord> read(std::int64_t index);

  // The index of the search's record for the key (see above); -1 only when
  // the file is empty.
  std::int32_t search(std::string_view key);

  // The index of the last record read (0 before any).
  std::int32_t position() const { return position_; }

 private:
  int compareAt(std::int32_t index, std::string_view key);
  platform::File file_;
  std::int32_t position_ = 0;
};

// The search key's comparison with a record's state and city: over the
// key's length, each byte upper-cased; below zero when the key sorts first.
int CompareCityKey(std::string_view key, const CityRecord& record);

}  // namespace qiv
