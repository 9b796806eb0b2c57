// The binary debug log kqdebug.dbr in the current directory: records of
// {u32 data length, u32 kind, u32 thread id} (little-endian) followed by the
// data. Each record is appended whole, under a process-wide lock, by one
// write to a file opened for the record and closed after it; a file that
// cannot be opened loses the record.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vorn {

namespace binary_log {
inline constexpr std::uint32_t kRatingStarted = 0;
inline constexpr std::uint32_t kRatingEnded = 1;
inline constexpr std::uint32_t kRequestHeader = 14;
inline constexpr std::uint32_t kFileOpened = 15;
inline constexpr std::uint32_t kVersionText = 17;
inline constexpr std::size_t kFileNameLength = 260;
}  // namespace binary_log

// Appends one record to kqdebug.dbr in the current directory.
void AppendBinaryLogRecord(std::uint32_t kind, std::span<const std::uint8_t> data);

// The engine's switch of the binary log and its writers.
class BinaryDebugLog {
 public:
  bool isOn() const { return letter_ == 'Y'; }
  void setLetter(char letter) { letter_ = letter; }
  char letter() const { return letter_; }

  void writeBinaryDebug(std::uint32_t kind, std::span<const std::uint8_t> data) const {
    if (isOn()) AppendBinaryLogRecord(kind, data);
  }
  // Kind 15: the full name of a file the engine opened, in 260 bytes
  // (NUL-padded; a longer name is cut).
  void fileOpened(std::string_view fullName) const;

 private:
  char letter_ = 'N';
};

}  // namespace vorn
