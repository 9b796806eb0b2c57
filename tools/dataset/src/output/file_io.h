// Whole-file reads and replacing writes for the builder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dataset {

// The file's bytes; throws Error when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

// Writes content under a temporary name in the file's directory, then
// renames it onto the file, so that the file is either the old one or the
// whole new one. Throws Error on failure (the temporary file is removed).
void ReplaceFile(const std::filesystem::path& file, std::string_view content);

}  // namespace dataset
