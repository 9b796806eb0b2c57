// A data set: the files that a description text describes, each as its
// records in file order, ready to be checked and written into a directory.
//
// The description is line-oriented text. A line that starts in the first
// column opens a block, one block per file (per pair of files for "tdn"):
// its keyword ("efcrec", "tdz", "factor", ...), the word "raw" (write it
// without the builder's checks) and the block's settings as key=value fields
// ("factor tariff=TSTFRT01 type=0"). The indented lines under it describe the
// file's records in file order, as an item keyword and key=value fields.
// Fields left out take defaults, so that "  record" alone is a whole valid
// record. '#' starts a comment at the start of a token; values with blanks or
// special characters are quoted ("a b", with \" \\ \r \n \t \0 \xHH
// escapes). Every block also takes "raw text=..." items (the record's bytes
// verbatim).
//
// Blocks may draw on each other: a tariff file finds its suffix (and the
// factor file its format) in the EFCREC.TBL records of its tariff, and
// TDT.BIN its row width in TDS.SEQ, whatever the order of the blocks.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
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
  std::string name;  // the file written, e.g. "EFCREC.TBL" or "TSTFRT01.F01"
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
  // A block of the description and the files it wrote.
  struct Block {
    std::string kind;
    std::vector<std::pair<std::string, std::string>> settings;
    bool raw = false;
    int line = 0;
    std::size_t firstFile = 0;
    std::size_t fileCount = 0;
  };
  std::vector<Block> blocks_;
  std::vector<DataFile> files_;
};

// Parses a description and writes it into dir.
void BuildDataSet(std::string_view description, const std::filesystem::path& dir, const WriteOptions& options = {});

}  // namespace dataset
