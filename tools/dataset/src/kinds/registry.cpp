#include <algorithm>
#include <cctype>

#include "kinds/file_kind.h"

namespace dataset {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::span<const FileKind* const> FileKinds() {
  static const FileKind* const kinds[] = {&EfcrecFileKind(), &TdaFileKind(), &TdsFileKind()};
  return kinds;
}

std::string FileKindList() {
  std::string list;
  for (const FileKind* kind : FileKinds()) {
    if (!list.empty()) list += ", ";
    list += kind->keyword();
  }
  return list;
}

const FileKind* FindFileKind(std::string_view name) {
  for (const FileKind* kind : FileKinds()) {
    if (SameIgnoringCase(name, kind->keyword()) || SameIgnoringCase(name, kind->fileName())) return kind;
  }
  return nullptr;
}

}  // namespace dataset
