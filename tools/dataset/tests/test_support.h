// Helpers the builder's tests share.
#pragma once

#include <cctype>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_set.h"
#include "dataset/read_back.h"

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

// What the checks refuse in a content: "3: message" for a record's problem,
// the message alone for the file's.
inline std::vector<std::string> Messages(std::string_view kind, std::string_view content) {
  std::vector<std::string> out;
  for (const Problem& p : CheckContent(kind, content))
    out.push_back((p.record ? std::to_string(*p.record) + ": " : "") + p.message);
  return out;
}

// What the checks refuse in a description, as Problem::text() gives it.
inline std::vector<std::string> DescriptionProblems(std::string_view description) {
  std::vector<std::string> out;
  for (const Problem& p : DataSet::Parse(description).check()) out.push_back(p.text());
  return out;
}

// The error that parsing a description gives ("line 3: ..."), or "<accepted>".
inline std::string ErrorOf(std::string_view description) {
  try {
    DataSet::Parse(description);
  } catch (const DescriptionError& e) {
    return e.what();
  }
  return "<accepted>";
}

// The bytes of a list of byte values ({0x01, 0x23, 0x45}).
inline std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out.push_back(static_cast<char>(b));
  return out;
}

// A test-name part made of letters, digits and '_' from any text.
inline std::string TestName(std::string_view text) {
  std::string name;
  for (char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

}  // namespace dataset::testing
