// A kind of data file: its block keyword, the file it writes, how one item
// line becomes a record and back, how a file splits into records, and the
// builder's checks. Adding a kind is one class like these and one line in
// the registry.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "description/field_list.h"

namespace dataset {

// A problem found by a kind's checks: in one record, or in the whole file.
struct KindProblem {
  std::optional<std::size_t> record;
  std::string message;
};
using KindProblems = std::vector<KindProblem>;

class FileKind {
 public:
  virtual ~FileKind() = default;

  // The block keyword, e.g. "efcrec".
  virtual std::string_view keyword() const = 0;
  // The file written, e.g. "EFCREC.TBL".
  virtual std::string_view fileName() const = 0;
  // The keyword of the block's item lines, e.g. "record".
  virtual std::string_view itemKeyword() const = 0;

  // One record from an item's fields; fields left out take defaults.
  // Throws FieldError.
  virtual std::string encodeItem(const FieldList& fields) const = 0;
  // The fields that describe the record, or nothing when no item line can
  // (the record is then described raw).
  virtual std::optional<FieldList> decodeItem(std::string_view record) const = 0;

  // The file's records in file order; a short last piece is a record too.
  virtual std::vector<std::string_view> splitRecords(std::string_view content) const = 0;

  // Appends what the builder refuses in these records (the whole file).
  virtual void check(std::span<const std::string_view> records, KindProblems& problems) const = 0;
};

// The kind with that block keyword or file name (any case), or null.
const FileKind* FindFileKind(std::string_view keywordOrFileName);

// Every kind, in the registry's order.
std::span<const FileKind* const> FileKinds();

// "efcrec, tda, tds": the block keywords, for messages.
std::string FileKindList();

// The kinds, one each.
const FileKind& EfcrecFileKind();
const FileKind& TdaFileKind();
const FileKind& TdsFileKind();

}  // namespace dataset
