// Deliberate damage to a written data file, for failure tests. Each fault
// rewrites the file through a temporary name and a rename (so the file is
// always whole, damaged only as asked), except SetModificationTime, which
// touches the file in place. Every function throws Error when the file is
// missing or the fault does not fit it (an index past the last record, an
// offset past the end).
//
// Record faults split the file into records by its kind, found from the
// file's name as dataset/read_back.h finds it (76-byte EFCREC records, TDS
// lines up to their line feed, TDT rows as wide as TDS.SEQ beside them
// says, 20-byte TDN.IDA entries, factor-file lines, 7-byte .D records), or
// into records of recordSize bytes when it is not 0 (needed for tariff files
// of other letters). A short last piece counts as a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace dataset {

// Cuts the file to its first size bytes (size must not be above the file's size).
void TruncateFile(const std::filesystem::path& file, std::uint64_t size);

// Removes record index (0-based, file order) from the file.
void DropRecord(const std::filesystem::path& file, std::size_t index, std::size_t recordSize = 0);

// Exchanges two records, so that a sorted file is no longer sorted.
void SwapRecords(const std::filesystem::path& file, std::size_t first, std::size_t second, std::size_t recordSize = 0);

// Puts the records in reverse order.
void ReverseRecords(const std::filesystem::path& file, std::size_t recordSize = 0);

// Sets the byte at offset (which must lie inside the file) to value.
void SetByte(const std::filesystem::path& file, std::uint64_t offset, std::uint8_t value);

// Deletes the file.
void DeleteFile(const std::filesystem::path& file);

// Sets the file's modification time (and access time) to seconds and
// nanoseconds since 1970-01-01 00:00 UTC.
void SetModificationTime(const std::filesystem::path& file, std::int64_t seconds, std::int64_t nanoseconds = 0);

}  // namespace dataset
