// A data file read back: its kind (named, or told by the file's name), the
// block settings completed from the kind text, the file's name and the files
// beside it, and the contents of all the files of its block (TDN.IDX comes
// with TDN.IDA).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "kinds/file_kind.h"

namespace dataset {

struct ReadBack {
  const FileKind* kind = nullptr;
  Settings settings;
  std::size_t index = 0;              // which of the kind's files was named
  std::vector<std::string> names;     // each file as problems name it
  std::vector<std::string> contents;  // each file's bytes; empty when it is not there

  // Each file split into records (a file the kind cannot split is one record).
  std::vector<FileRecords> records() const;
  // What the kind's checks refuse, each problem naming its file.
  std::vector<Problem> check() const;
  // The block that builds the files again: problems as comments, the header
  // (marked raw when there are problems) and the item lines.
  std::string describe() const;
};

// kindText is empty (the kind follows from the file's name), or a block
// keyword or a file name, optionally with block fields ("tdt slots=3",
// "factor type=A"). Throws Error when the kind is unknown or the file
// cannot be read.
ReadBack ReadBackFile(const std::filesystem::path& file, std::string_view kindText);

// The same for a content that stands alone (no name, no neighbours).
ReadBack ReadBackContent(std::string_view kindText, std::string_view content);

}  // namespace dataset
