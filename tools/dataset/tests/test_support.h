// Helpers the builder's tests share.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

#include "dataset/data_set.h"
#include "dataset/inspect.h"

namespace dataset::testing {

// The bytes of one file of a description, built in memory.
inline std::string Built(std::string_view description, std::string_view file) {
  DataSet set = DataSet::Parse(description);
  const DataFile* f = set.file(file);
  return f ? f->content() : std::string("<no such file>");
}

// The content built again from its own decoding.
inline std::string Rebuilt(std::string_view kind, std::string_view content) {
  DataSet set = DataSet::Parse(DecodeContent(kind, content));
  return set.files().empty() ? std::string("<no file>") : set.files().front().content();
}

// A test-name part made of letters, digits and '_' from any text.
inline std::string TestName(std::string_view text) {
  std::string name;
  for (char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

}  // namespace dataset::testing
