#include "dataset/data_set.h"

#include <algorithm>

#include "description/block_reader.h"
#include "kinds/file_kind.h"
#include "output/file_io.h"

namespace dataset {
namespace {

constexpr std::string_view kRawWord = "raw";

const FileKind& BlockKind(const BlockText& block) {
  if (const FileKind* kind = FindKindByKeyword(block.keyword); kind && kind->keyword() == block.keyword) return *kind;
  throw DescriptionError(block.line, "unknown block '" + block.keyword + "' (blocks: " + FileKindList() + ")");
}

bool IsRaw(const BlockText& block) {
  for (const std::string& word : block.words) {
    if (word != kRawWord)
      throw DescriptionError(block.line, "unknown word '" + word + "' after " + block.keyword +
                                             " (a block header takes only 'raw' and key=value fields)");
  }
  return !block.words.empty();
}

// The files built so far, as the blocks still to build see them.
class BuiltNeighbours final : public Neighbours {
 public:
  explicit BuiltNeighbours(const std::vector<std::vector<DataFile>>& built) : built_(built) {}
  std::optional<std::string> content(std::string_view fileName) const override {
    for (const std::vector<DataFile>& files : built_) {
      for (const DataFile& f : files) {
        if (SameName(f.name, fileName)) return f.content();
      }
    }
    return std::nullopt;
  }

 private:
  const std::vector<std::vector<DataFile>>& built_;
};

struct BuiltBlock {
  Settings settings;
  std::vector<DataFile> files;
};

BuiltBlock BuildBlock(const FileKind& kind, const BlockText& block, bool raw, const Neighbours& neighbours) {
  BuiltBlock built;
  std::vector<std::string> names;
  try {
    built.settings = kind.settle(block.fields, neighbours);
    names = kind.fileNames(built.settings);
  } catch (const FieldError& e) {
    throw DescriptionError(block.line, e.what());
  }
  std::vector<std::vector<DataRecord>> records = kind.build(block.items, built.settings);
  for (std::size_t i = 0; i < names.size(); ++i) {
    built.files.push_back({std::string(kind.keyword()), names[i], raw, block.line,
                           i < records.size() ? std::move(records[i]) : std::vector<DataRecord>{}});
  }
  return built;
}

}  // namespace

std::string DataFile::content() const {
  std::string out;
  for (const DataRecord& r : records) out += r.bytes;
  return out;
}

DataSet DataSet::Parse(std::string_view description) {
  const std::vector<BlockText> blocks = ReadBlocks(description);
  std::vector<const FileKind*> kinds;
  std::vector<bool> raw;
  for (const BlockText& block : blocks) {
    kinds.push_back(&BlockKind(block));
    raw.push_back(IsRaw(block));
  }
  // Blocks that read other files are built after those that do not.
  std::vector<BuiltBlock> built(blocks.size());
  std::vector<std::vector<DataFile>> independent;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (kinds[i]->readsNeighbours()) continue;
    built[i] = BuildBlock(*kinds[i], blocks[i], raw[i], NoNeighbours());
    independent.push_back(built[i].files);
  }
  const BuiltNeighbours neighbours(independent);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (kinds[i]->readsNeighbours()) built[i] = BuildBlock(*kinds[i], blocks[i], raw[i], neighbours);
  }

  DataSet set;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    Block block{std::string(kinds[i]->keyword()), {}, raw[i], blocks[i].line, set.files_.size(), built[i].files.size()};
    for (Field& f : built[i].settings) block.settings.emplace_back(std::move(f.key), std::move(f.value));
    for (DataFile& file : built[i].files) {
      if (const DataFile* earlier = set.file(file.name))
        throw DescriptionError(
            blocks[i].line, file.name + " is already described by the block at line " + std::to_string(earlier->line));
      set.files_.push_back(std::move(file));
    }
    set.blocks_.push_back(std::move(block));
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
  for (const Block& block : blocks_) {
    if (block.raw) continue;
    const std::span<const DataFile> files(files_.data() + block.firstFile, block.fileCount);
    std::vector<std::string> contents;
    for (const DataFile& f : files) contents.push_back(f.content());
    std::vector<FileRecords> records;
    for (std::size_t i = 0; i < files.size(); ++i) {
      FileRecords r{contents[i], {}};
      for (const DataRecord& record : files[i].records) r.records.push_back(record.bytes);
      records.push_back(std::move(r));
    }
    Settings settings;
    for (const auto& [key, value] : block.settings) settings.push_back({key, value});
    KindProblems found;
    FindKindByKeyword(block.kind)->check(records, settings, found);
    for (KindProblem& p : found) {
      const DataFile& file = files[p.file];
      const int line = p.record && *p.record < file.records.size() ? file.records[*p.record].line : block.line;
      problems.push_back({file.name, p.record, line, std::move(p.message)});
    }
  }
  return problems;
}

void DataSet::write(const std::filesystem::path& dir, const WriteOptions& options) const {
  std::vector<Problem> problems = check(options);
  if (!problems.empty()) throw CheckError(std::move(problems));
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec || !std::filesystem::is_directory(dir))
    throw Error("cannot make the directory " + dir.string() + (ec ? ": " + ec.message() : ""));
  for (const DataFile& file : files_) ReplaceFile(dir / file.name, file.content());
}

bool operator==(const DataSet& a, const DataSet& b) {
  return std::equal(
      a.files_.begin(), a.files_.end(), b.files_.begin(), b.files_.end(),
      [](const DataFile& x, const DataFile& y) { return x.name == y.name && x.content() == y.content(); });
}

void BuildDataSet(std::string_view description, const std::filesystem::path& dir, const WriteOptions& options) {
  DataSet::Parse(description).write(dir, options);
}

}  // namespace dataset
