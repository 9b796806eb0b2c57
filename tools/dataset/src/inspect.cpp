#include "dataset/inspect.h"

#include "description/block_reader.h"
#include "kinds/file_kind.h"
#include "output/file_io.h"

namespace dataset {
namespace {

const FileKind& NamedKind(std::string_view kind) {
  const FileKind* found = FindFileKind(kind);
  if (!found) throw Error("unknown kind '" + std::string(kind) + "' (kinds: " + FileKindList() + ")");
  return *found;
}

const FileKind& KindOfFile(const std::filesystem::path& file, std::string_view kind) {
  if (!kind.empty()) return NamedKind(kind);
  const FileKind* found = FindFileKind(file.filename().string());
  if (!found) throw Error("cannot tell the kind of " + file.string() + " from its name; name it (kinds: " + FileKindList() + ")");
  return *found;
}

// The item line that builds exactly this record, or a raw item.
std::string DescribeRecord(const FileKind& kind, std::string_view record) {
  if (std::optional<FieldList> fields = kind.decodeItem(record)) {
    try {
      if (kind.encodeItem(*fields) == record) return FormatItem(kind.itemKeyword(), *fields);
    } catch (const FieldError&) {
      // not expressible by fields after all: described raw below
    }
  }
  return FormatItem("raw", {{"text", std::string(record)}});
}

std::vector<Problem> Check(const FileKind& kind, std::string_view file, std::string_view content) {
  KindProblems found;
  kind.check(kind.splitRecords(content), found);
  std::vector<Problem> problems;
  for (KindProblem& p : found) problems.push_back({std::string(file), p.record, 0, std::move(p.message)});
  return problems;
}

std::string Decode(const FileKind& kind, std::string_view content) {
  std::string out;
  const std::vector<Problem> problems = Check(kind, kind.fileName(), content);
  for (const Problem& p : problems) out += "# " + p.text() + "\n";
  out += kind.keyword();
  out += problems.empty() ? "\n" : " raw\n";
  for (std::string_view record : kind.splitRecords(content)) out += DescribeRecord(kind, record) + "\n";
  return out;
}

}  // namespace

std::string DecodeContent(std::string_view kind, std::string_view content) { return Decode(NamedKind(kind), content); }

std::string DecodeFile(const std::filesystem::path& file, std::string_view kind) {
  const FileKind& k = KindOfFile(file, kind);
  return Decode(k, ReadFileBytes(file));
}

std::vector<Problem> CheckContent(std::string_view kind, std::string_view content) {
  const FileKind& k = NamedKind(kind);
  return Check(k, k.fileName(), content);
}

std::vector<Problem> CheckFile(const std::filesystem::path& file, std::string_view kind) {
  const FileKind& k = KindOfFile(file, kind);
  return Check(k, file.string(), ReadFileBytes(file));
}

std::vector<std::string> KnownKinds() {
  std::vector<std::string> names;
  for (const FileKind* kind : FileKinds()) names.emplace_back(kind->keyword());
  return names;
}

}  // namespace dataset
