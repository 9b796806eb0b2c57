// The key=value fields of one description line, in the order written.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace dataset {

struct Field {
  std::string key;
  std::string value;
  friend bool operator==(const Field&, const Field&) = default;
};

using FieldList = std::vector<Field>;

// A field that cannot be encoded; the reader adds the line number.
class FieldError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace dataset
