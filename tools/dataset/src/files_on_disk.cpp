#include "files_on_disk.h"

#include "description/block_reader.h"
#include "output/file_io.h"
#include "platform/kernel/path.h"

namespace dataset {
namespace {

// The files of a directory, matched without regard to case.
class DirectoryNeighbours final : public Neighbours {
 public:
  explicit DirectoryNeighbours(std::filesystem::path dir) : dir_(std::move(dir)) {}
  std::optional<std::string> content(std::string_view fileName) const override {
    std::optional<std::string> path = platform::FindExistingPath((dir_ / std::string(fileName)).string());
    if (!path || std::filesystem::is_directory(*path)) return std::nullopt;
    return ReadFileBytes(*path);
  }

 private:
  std::filesystem::path dir_;
};

std::string KindListMessage() { return "kinds: " + FileKindList(); }

// The kind and the settings that a kind text and the file's own name give.
RecognisedFile NamedKind(std::string_view kindText, std::string_view fileName) {
  const std::optional<RecognisedFile> byName = RecogniseFileName(fileName);
  if (kindText.empty()) {
    if (!byName)
      throw Error("cannot tell the kind of " + std::string(fileName) + " from its name; name it (" + KindListMessage() +
                  ")");
    return *byName;
  }
  BlockText header;
  try {
    header = ReadBlockHeader(kindText);
  } catch (const DescriptionError& e) {
    throw Error("kind '" + std::string(kindText) + "': " + e.message());
  }
  if (!header.words.empty())
    throw Error("kind '" + std::string(kindText) + "': a kind takes key=value fields, not '" + header.words.front() +
                "'");
  RecognisedFile named{FindKindByKeyword(header.keyword), {}};
  if (!named.kind) {
    std::optional<RecognisedFile> byKindName = RecogniseFileName(header.keyword);
    if (!byKindName) throw Error("unknown kind '" + header.keyword + "' (" + KindListMessage() + ")");
    named = std::move(*byKindName);
  } else if (std::optional<Settings> own = named.kind->recognise(fileName)) {
    named.settings = std::move(*own);  // the file's own name still tells the tariff and suffix
  }
  for (Field& f : header.fields) PutSetting(named.settings, f.key, std::move(f.value));
  return named;
}

ReadBack Resolve(RecognisedFile named, const Neighbours& neighbours, std::string_view context) {
  ReadBack back;
  back.kind = named.kind;
  try {
    back.settings = named.kind->settle(std::move(named.settings), neighbours);
  } catch (const FieldError& e) {
    throw Error(std::string(context) + ": " + e.what());
  }
  return back;
}

// The kind's file names, or the keyword when the settings do not name them.
std::vector<std::string> FileNamesOrKeyword(const ReadBack& back) {
  try {
    return back.kind->fileNames(back.settings);
  } catch (const FieldError&) {
    return {std::string(back.kind->keyword())};
  }
}

}  // namespace

ReadBack ReadBackFile(const std::filesystem::path& file, std::string_view kindText) {
  const std::string fileName = file.filename().string();
  const std::filesystem::path dir = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  const DirectoryNeighbours neighbours(dir);
  ReadBack back = Resolve(NamedKind(kindText, fileName), neighbours, file.string());
  const std::vector<std::string> names = FileNamesOrKeyword(back);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names.size() > 1 && SameName(names[i], fileName)) back.index = i;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i == back.index) {
      back.names.push_back(file.string());
      back.contents.push_back(ReadFileBytes(file));
    } else {
      back.names.push_back((dir / names[i]).string());
      back.contents.push_back(neighbours.content(names[i]).value_or(""));
    }
  }
  return back;
}

ReadBack ReadBackContent(std::string_view kindText, std::string_view content) {
  ReadBack back = Resolve(NamedKind(kindText, {}), NoNeighbours(), "kind '" + std::string(kindText) + "'");
  back.names = FileNamesOrKeyword(back);
  back.contents.assign(back.names.size(), std::string());
  back.contents.front() = std::string(content);
  return back;
}

std::vector<FileRecords> ReadBack::records() const {
  std::vector<FileRecords> files;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    std::optional<std::vector<std::string_view>> split = kind->splitRecords(i, contents[i], settings);
    files.push_back({contents[i], split ? std::move(*split) : std::vector<std::string_view>{contents[i]}});
  }
  return files;
}

std::vector<Problem> ReadBack::check() const {
  KindProblems found;
  kind->check(records(), settings, found);
  std::vector<Problem> problems;
  for (KindProblem& p : found) problems.push_back({names[p.file], p.record, 0, std::move(p.message)});
  return problems;
}

std::string ReadBack::describe() const {
  std::string out;
  const std::vector<Problem> problems = check();
  for (const Problem& p : problems) out += "# " + p.text() + "\n";
  out += kind->keyword();
  if (!problems.empty()) out += " raw";
  out += FormatFields(settings) + "\n";
  std::vector<std::string_view> views(contents.begin(), contents.end());
  out += kind->describe(views, settings);
  return out;
}

}  // namespace dataset
