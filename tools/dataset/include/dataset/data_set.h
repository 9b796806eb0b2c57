// A data set: the files that a description text describes, each as its
// records in file order, ready to be checked and written into a directory.
//
// The description is line-oriented text. A line that starts in the first
// column opens a block, one block per file kind ("efcrec", "tda", "tds");
// the indented lines under it describe the file's records, one per line, as
// an item keyword and key=value fields. Fields left out take defaults, so
// that "  record" alone is a whole valid record. '#' starts a comment at the
// start of a token; values with blanks or special characters are quoted
// ("a b", with \" \\ \r \n \t \0 \xHH escapes). Every block also takes
// "raw text=..." items (the record's bytes verbatim), and the header word
// "raw" ("efcrec raw") writes the block without the builder's checks.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/errors.h"

namespace dataset {

// One record of a file: its bytes as they stand, and where it was described.
struct DataRecord {
  std::string bytes;
  int line = 0;  // description line, 0 when the record did not come from a description
};

// One file of a data set.
struct DataFile {
  std::string kind;  // the block keyword, e.g. "efcrec"
  std::string name;  // the file written, e.g. "EFCREC.TBL"
  bool raw = false;  // written without the checks
  int line = 0;      // line of the block header
  std::vector<DataRecord> records;

  // The file's content: its records, in order.
  std::string content() const;
};

struct WriteOptions {
  bool raw = false;  // skip the checks of every block, as if each were marked raw
};

class DataSet {
 public:
  // Parses a description; throws DescriptionError with the line at fault.
  static DataSet Parse(std::string_view description);
  // Reads and parses a description file; throws Error when it cannot be read.
  static DataSet Load(const std::filesystem::path& descriptionFile);

  const std::vector<DataFile>& files() const { return files_; }
  // The file of that name (matched without regard to case), or null.
  const DataFile* file(std::string_view name) const;

  // What the checks refuse in the blocks not marked raw (nothing when all is well).
  std::vector<Problem> check(const WriteOptions& options = {}) const;

  // Writes one file per block into dir (made when missing). Everything is
  // checked first: on any problem CheckError is thrown and nothing is
  // written. Each file is written under a temporary name and renamed into
  // place, so no file is left half-written.
  void write(const std::filesystem::path& dir, const WriteOptions& options = {}) const;

  // Two data sets are equal when they hold the same files with the same
  // content, in the same order.
  friend bool operator==(const DataSet& a, const DataSet& b);

 private:
  std::vector<DataFile> files_;
};

// Parses a description and writes it into dir.
void BuildDataSet(std::string_view description, const std::filesystem::path& dir, const WriteOptions& options = {});

}  // namespace dataset
