// Test support: a fresh directory under the system's temporary directory,
// removed with everything in it when the object goes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform::testing {

class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The directory with a trailing '/'.
  std::string withSeparator() const { return path_.string() + "/"; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  // Writes a file in the directory (subdirectories are made as needed).
  std::filesystem::path write(std::string_view name, std::string_view content) const;
  std::filesystem::path write(std::string_view name, const std::vector<std::uint8_t>& content) const;

 private:
  std::filesystem::path path_;
};

// The content of a file, empty when it cannot be read.
std::string ReadFileText(const std::filesystem::path& path);

// Gives an existing file new bytes in place (the same inode).
void Overwrite(const std::filesystem::path& file, std::string_view content);

// Waits until the last change of each entry (its modification and change
// times) lies more than two seconds back: from then on, what is kept while
// an entry stays unchanged is kept.
void WaitUntilSettled(std::initializer_list<std::filesystem::path> entries);

}  // namespace platform::testing
