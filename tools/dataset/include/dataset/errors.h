// The errors of the data-set builder: a description that does not parse, a
// data set or file that fails the builder's checks, and failures to read or
// write files.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dataset {

// Any failure of the builder; the message says what and where.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A description that cannot be read. line() is the 1-based line of the
// description at fault; what() reads "line N: message".
class DescriptionError : public Error {
 public:
  DescriptionError(int line, const std::string& message);
  int line() const { return line_; }
  const std::string& message() const { return message_; }

 private:
  int line_;
  std::string message_;
};

// One thing the builder's checks refuse.
struct Problem {
  std::string file;                   // e.g. "EFCREC.TBL"
  std::optional<std::size_t> record;  // index of the record in the file, when one record is at fault
  int line = 0;                       // description line of that record or block, 0 for a file on disk
  std::string message;

  // "EFCREC.TBL record 2 (line 7): column 14 (type): 'Q' is not a tariff type"
  std::string text() const;
  friend bool operator==(const Problem&, const Problem&) = default;
};

// A data set refused by the checks; nothing was written.
class CheckError : public Error {
 public:
  explicit CheckError(std::vector<Problem> problems);
  const std::vector<Problem>& problems() const { return problems_; }

 private:
  std::vector<Problem> problems_;
};

}  // namespace dataset
