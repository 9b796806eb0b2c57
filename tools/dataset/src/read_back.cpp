#include "dataset/read_back.h"

#include "files_on_disk.h"

namespace dataset {

std::string DecodeContent(std::string_view kind, std::string_view content) {
  return ReadBackContent(kind, content).describe();
}

std::string DecodeFile(const std::filesystem::path& file, std::string_view kind) {
  return ReadBackFile(file, kind).describe();
}

std::vector<Problem> CheckContent(std::string_view kind, std::string_view content) {
  return ReadBackContent(kind, content).check();
}

std::vector<Problem> CheckFile(const std::filesystem::path& file, std::string_view kind) {
  return ReadBackFile(file, kind).check();
}

std::vector<std::string> KnownKinds() {
  std::vector<std::string> names;
  for (const FileKind* kind : FileKinds()) names.emplace_back(kind->keyword());
  return names;
}

}  // namespace dataset
