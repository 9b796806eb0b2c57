#include "dataset/faults.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#include "dataset/errors.h"
#include "files_on_disk.h"
#include "kinds/record_tools.h"
#include "output/file_io.h"

namespace dataset {
namespace {

// The records of a file of a known kind, or of recordSize bytes each.
std::vector<std::string_view> Records(const std::filesystem::path& file, std::string_view content,
                                      std::size_t recordSize, const ReadBack& back) {
  if (recordSize != 0) return SplitFixedRecords(content, recordSize);
  std::optional<std::vector<std::string_view>> records = back.kind->splitRecords(back.index, content, back.settings);
  if (!records) throw Error("cannot tell where the records of " + file.string() + " end; give a record size");
  return std::move(*records);
}

// The file read back; with a record size its kind does not matter.
ReadBack ReadForFault(const std::filesystem::path& file, std::size_t recordSize) {
  if (recordSize != 0) {
    ReadBack back;
    back.contents.push_back(ReadFileBytes(file));
    return back;
  }
  ReadFileBytes(file);  // a file that cannot be read is reported as such, not as one of an unknown kind
  try {
    return ReadBackFile(file, {});
  } catch (const Error& e) {
    throw Error("cannot tell the records of " + file.string() + " (" + e.what() + "); give a record size");
  }
}

void RequireRecord(const std::filesystem::path& file, const std::vector<std::string_view>& records, std::size_t index) {
  if (index >= records.size())
    throw Error("record " + std::to_string(index) + " is past the end of " + file.string() + " (" +
                std::to_string(records.size()) + " records)");
}

void WriteRecords(const std::filesystem::path& file, const std::vector<std::string_view>& records) {
  std::string content;
  for (std::string_view r : records) content += r;
  ReplaceFile(file, content);
}

}  // namespace

void TruncateFile(const std::filesystem::path& file, std::uint64_t size) {
  const std::string content = ReadFileBytes(file);
  if (size > content.size())
    throw Error("cannot truncate " + file.string() + " to " + std::to_string(size) + " bytes: it has " +
                std::to_string(content.size()));
  ReplaceFile(file, std::string_view(content).substr(0, size));
}

void DropRecord(const std::filesystem::path& file, std::size_t index, std::size_t recordSize) {
  const ReadBack back = ReadForFault(file, recordSize);
  const std::string& content = back.contents[back.index];
  std::vector<std::string_view> records = Records(file, content, recordSize, back);
  RequireRecord(file, records, index);
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
  WriteRecords(file, records);
}

void SwapRecords(const std::filesystem::path& file, std::size_t first, std::size_t second, std::size_t recordSize) {
  const ReadBack back = ReadForFault(file, recordSize);
  const std::string& content = back.contents[back.index];
  std::vector<std::string_view> records = Records(file, content, recordSize, back);
  RequireRecord(file, records, first);
  RequireRecord(file, records, second);
  std::swap(records[first], records[second]);
  WriteRecords(file, records);
}

void ReverseRecords(const std::filesystem::path& file, std::size_t recordSize) {
  const ReadBack back = ReadForFault(file, recordSize);
  const std::string& content = back.contents[back.index];
  std::vector<std::string_view> records = Records(file, content, recordSize, back);
  std::reverse(records.begin(), records.end());
  WriteRecords(file, records);
}

void SetByte(const std::filesystem::path& file, std::uint64_t offset, std::uint8_t value) {
  std::string content = ReadFileBytes(file);
  if (offset >= content.size())
    throw Error("offset " + std::to_string(offset) + " is past the end of " + file.string() + " (" +
                std::to_string(content.size()) + " bytes)");
  content[offset] = static_cast<char>(value);
  ReplaceFile(file, content);
}

void DeleteFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) throw Error("cannot delete " + file.string() + ": no such file");
  if (!std::filesystem::remove(file, ec)) throw Error("cannot delete " + file.string() + ": " + ec.message());
}

void SetModificationTime(const std::filesystem::path& file, std::int64_t seconds, std::int64_t nanoseconds) {
  if (nanoseconds < 0 || nanoseconds > 999'999'999) throw Error("nanoseconds must lie in 0-999999999");
  struct timespec times[2];
  times[0].tv_sec = static_cast<time_t>(seconds);
  times[0].tv_nsec = static_cast<decltype(times[0].tv_nsec)>(nanoseconds);
  times[1] = times[0];
  if (::utimensat(AT_FDCWD, file.c_str(), times, 0) != 0)
    throw Error("cannot set the modification time of " + file.string() + ": " + std::strerror(errno));
}

}  // namespace dataset
