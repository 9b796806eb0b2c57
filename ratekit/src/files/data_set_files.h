// Finding and reading the files of a tariff's data-file set. A file of the
// set is named by the tariff's base name (TariffBaseName, trailing blanks
// dropped) and an extension of four characters (".SET", ".LA "); trailing
// blanks of a name are not part of it on disk, and names are matched
// without regard to case. Where a file is looked for:
//   - the set's open routine: .DIS, .PRS and .ACC first as the bare name in
//     the current directory, then in DataDirectory; every other extension
//     only in DataDirectory;
//   - .DEF and .MEF (the images the program writes back): StartupDirectory,
//     then DataDirectory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ratekit/rating_context.h"

namespace ratekit {

// StartupDirectory as written (up to its first NUL).
std::string StartupDirectory(const RatingContextView& record);

// The base name followed by the extension ("SAMPLE01.SET").
std::string DataSetFileName(const RatingContextView& record, std::string_view extension);

// The open routine: the path of the file to open, or nothing when it is in
// neither place.
std::optional<std::string> FindDataSetFile(const RatingContextView& record, std::string_view extension);

// StartupDirectory first, then DataDirectory.
std::optional<std::string> FindWrittenImageFile(const RatingContextView& record, std::string_view extension);

// A file read whole.
enum class ReadOutcome {
  Read,         // bytes holds the whole file
  Missing,      // no such file, or it cannot be opened
  Unallocated,  // no buffer of its size could be had
  Failed,       // it could not be read
};
struct FileContent {
  ReadOutcome outcome = ReadOutcome::Missing;
  std::vector<std::uint8_t> bytes;
};
FileContent ReadWholeFile(const std::optional<std::string>& path);

// Reads the first field.width bytes of the file into the field. The field
// is changed only when all of them were read: Read; otherwise Missing or
// Failed (a shorter file).
ReadOutcome ReadImage(RatingContextView& record, const std::optional<std::string>& path, platform::FieldSpan field);

// Puts a new buffer of the table's bytes and `zeros` zero bytes after them
// into the token slot, retiring what the slot held; false (the slot empty)
// when no buffer could be had.
bool StoreTable(RatingContextView& record, platform::FieldSpan slot, std::span<const std::uint8_t> bytes,
                std::size_t zeros = 0);

}  // namespace ratekit
