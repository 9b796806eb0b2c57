// Files opened the way the engine opens its data: read-only, binary, with
// exact reads at offsets and a stamp that tells when a file was replaced or
// touched; and existing files opened for reading and writing in place.
// Files written anew go through replace_file.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What identifies one state of a file: modification and change times to the
// nanosecond, size and inode. Two stamps differ when the file was written,
// touched or replaced, also when a writer put the old modification time
// back (setting it sets the change time).
struct FileStamp {
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::int64_t changedSeconds = 0;
  std::int64_t changedNanoseconds = 0;
  std::int64_t size = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file read-only. The name is matched without regard to
  // case (see ResolvePath).
  static std::optional<File> OpenReadOnly(std::string_view path);
  // Opens an existing file for reading and writing, matched the same way;
  // never creates one. A file whose mode has no write bit is refused as
  // read-only, also for root (errno EACCES).
  static std::optional<File> OpenReadWrite(std::string_view path);

  bool isOpen() const { return fd_ >= 0; }
  void close();

  // Reads up to buffer.size() bytes from the current position; the count
  // read, 0 at the end of the file, or -1 on a read error.
  std::ptrdiff_t read(std::span<std::uint8_t> buffer);
  // Reads up to buffer.size() bytes at offset without moving the position.
  std::ptrdiff_t readAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;
  // Writes all of data at the current position, or at offset without
  // moving the position. False when any of it could not be written (errno
  // tells why); part of it may then have been written.
  bool write(std::span<const std::uint8_t> data);
  bool writeAt(std::int64_t offset, std::span<const std::uint8_t> data);
  bool seek(std::int64_t offset);
  std::optional<std::int64_t> size() const;
  std::optional<FileStamp> stamp() const;
  // The stamp the file had when it was opened.
  const FileStamp& openedStamp() const { return opened_; }

  // Reads the file once for the reads that follow, until releaseContents():
  // a file of at most limit bytes is read whole in one read and then read
  // and measured from memory; a larger one is measured once and read from
  // the file. Answers whether the contents are held. (A short read of a
  // regular file is its end.)
  bool holdContents(std::size_t limit);
  void releaseContents();
  bool holdsContents() const { return held_ == Held::kWhole; }

  const std::string& path() const { return path_; }

 private:
  File(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  static std::optional<File> OpenExisting(std::string_view path, bool forWriting);
  enum class Held { kNothing, kWhole, kSizeOnly };
  int fd_ = -1;
  std::string path_;
  FileStamp opened_;
  Held held_ = Held::kNothing;
  std::vector<std::uint8_t> contents_;  // while held whole
  std::int64_t heldSize_ = 0;
  std::int64_t position_ = 0;  // where read() goes on (reads are positioned)
};

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(std::string_view path);

// Splits text into lines at LF; a CR before the LF is dropped, and so is an
// empty last line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace platform
