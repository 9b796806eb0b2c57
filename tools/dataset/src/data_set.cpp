#include "dataset/data_set.h"

#include <algorithm>
#include <cctype>

#include "description/block_reader.h"
#include "kinds/file_kind.h"
#include "output/file_io.h"

namespace dataset {
namespace {

constexpr std::string_view kRawWord = "raw";

const FileKind& BlockKind(const BlockText& block) {
  for (const FileKind* kind : FileKinds()) {
    if (kind->keyword() == block.keyword) return *kind;
  }
  throw DescriptionError(block.line, "unknown block '" + block.keyword + "' (blocks: " + FileKindList() + ")");
}

DataRecord ReadItem(const FileKind& kind, const ItemText& item) {
  if (item.keyword == kRawWord) {
    if (item.fields.size() != 1 || item.fields.front().key != "text")
      throw DescriptionError(item.line, "a raw item takes one field: text=\"...\" (the record's bytes as they stand)");
    return {item.fields.front().value, item.line};
  }
  if (item.keyword != kind.itemKeyword())
    throw DescriptionError(item.line, "unknown item '" + item.keyword + "' in a " + std::string(kind.keyword()) + " block (items: " +
                                          std::string(kind.itemKeyword()) + ", raw)");
  try {
    return {kind.encodeItem(item.fields), item.line};
  } catch (const FieldError& e) {
    throw DescriptionError(item.line, e.what());
  }
}

DataFile ReadFile(const BlockText& block) {
  const FileKind& kind = BlockKind(block);
  DataFile file;
  file.kind = std::string(kind.keyword());
  file.name = std::string(kind.fileName());
  file.line = block.line;
  for (const std::string& word : block.words) {
    if (word != kRawWord)
      throw DescriptionError(block.line, "unknown word '" + word + "' after " + block.keyword + " (a block header takes only 'raw')");
    file.raw = true;
  }
  for (const ItemText& item : block.items) file.records.push_back(ReadItem(kind, item));
  return file;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

void CheckFile(const DataFile& file, std::vector<Problem>& problems) {
  const FileKind* kind = FindFileKind(file.kind);
  std::vector<std::string_view> records;
  for (const DataRecord& r : file.records) records.push_back(r.bytes);
  KindProblems found;
  kind->check(records, found);
  for (KindProblem& p : found) {
    const int line = p.record ? file.records[*p.record].line : file.line;
    problems.push_back({file.name, p.record, line, std::move(p.message)});
  }
}

}  // namespace

std::string DataFile::content() const {
  std::string out;
  for (const DataRecord& r : records) out += r.bytes;
  return out;
}

DataSet DataSet::Parse(std::string_view description) {
  DataSet set;
  for (const BlockText& block : ReadBlocks(description)) {
    DataFile file = ReadFile(block);
    if (const DataFile* earlier = set.file(file.name))
      throw DescriptionError(block.line, file.name + " is already described by the block at line " + std::to_string(earlier->line));
    set.files_.push_back(std::move(file));
  }
  return set;
}

DataSet DataSet::Load(const std::filesystem::path& descriptionFile) { return Parse(ReadFileBytes(descriptionFile)); }

const DataFile* DataSet::file(std::string_view name) const {
  auto it = std::find_if(files_.begin(), files_.end(), [&](const DataFile& f) { return SameName(f.name, name); });
  return it == files_.end() ? nullptr : &*it;
}

std::vector<Problem> DataSet::check(const WriteOptions& options) const {
  std::vector<Problem> problems;
  if (options.raw) return problems;
  for (const DataFile& file : files_) {
    if (!file.raw) CheckFile(file, problems);
  }
  return problems;
}

void DataSet::write(const std::filesystem::path& dir, const WriteOptions& options) const {
  std::vector<Problem> problems = check(options);
  if (!problems.empty()) throw CheckError(std::move(problems));
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec || !std::filesystem::is_directory(dir)) throw Error("cannot make the directory " + dir.string() + (ec ? ": " + ec.message() : ""));
  for (const DataFile& file : files_) ReplaceFile(dir / file.name, file.content());
}

bool operator==(const DataSet& a, const DataSet& b) {
  return std::equal(a.files_.begin(), a.files_.end(), b.files_.begin(), b.files_.end(),
                    [](const DataFile& x, const DataFile& y) { return x.name == y.name && x.content() == y.content(); });
}

void BuildDataSet(std::string_view description, const std::filesystem::path& dir, const WriteOptions& options) {
  DataSet::Parse(description).write(dir, options);
}

}  // namespace dataset
