// Appending to a file whole or not at all, for the files a user keeps
// adding to (a print file, an export file).
//
// An existing file (matched without regard to case) is opened for writing
// and the data written at its end in one go; a write that fails or is cut
// short is undone: the file is cut back to its size and an end mark the data
// replaced is written back, so a reader never sees part of the data. A file
// that is not there is made with the data through ReplaceFile (written
// under a temporary name in its folder, then renamed), so it appears whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/kernel/replace_file.h"

namespace platform {

struct AppendOptions {
  // A file that ends in this byte (an end-of-file mark) has it replaced:
  // the data begins where the mark was.
  std::optional<std::uint8_t> endMark = std::nullopt;
  // A file made anew.
  NewFileMode mode = {};
  // Failures a test injects: the append writes this many bytes of the data,
  // then fails with ENOSPC (a short write); and faults of a new file.
  std::optional<std::size_t> shortWriteAfter = std::nullopt;
  ReplaceFaults newFileFaults = {};
};

enum class AppendStep {
  None,    // the data is in the file
  Open,    // the existing file could not be opened for writing
  Create,  // the file was not there and could not be made
  Write,   // the data could not be written whole; the file is as it was
  Undo,    // the data could not be written whole, nor the file put back
};

struct AppendResult {
  AppendStep failedStep = AppendStep::None;
  int error = 0;         // errno of the failed step
  std::string path;      // the file: its existing spelling, else the one given
  bool created = false;  // the file was not there and was made with the data
  bool ok() const { return failedStep == AppendStep::None; }
};

AppendResult AppendToFile(std::string_view path, std::span<const std::uint8_t> data, const AppendOptions& options = {});
AppendResult AppendToFile(std::string_view path, std::string_view data, const AppendOptions& options = {});

}  // namespace platform
