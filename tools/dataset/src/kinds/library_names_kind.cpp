// LIBNAME.FIL: which libraries the program loads from its data directory,
// one line ended by a line feed. Its first character is 'Y' when the
// rating engine is used; then come the base name of the rating-function
// library, a point and the engine library's base name (only with 'Y'),
// and, after a further point, the service-guide library's name, taken as
// it stands. The program reads 29 characters of the first line and
// removes a line feed, nothing else: a carriage return would stay on the
// last name. A name holding a path separator is not loaded.
#include <algorithm>
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

constexpr std::size_t kMostLength = 29;  // what the program reads of the line
constexpr std::string_view kItem = "line";
constexpr std::string_view kItems[] = {kItem};

// The line's parts as the program splits them.
struct LibraryNames {
  char engine = 'Y';
  std::string functions = "Ratekit32";
  std::string engineLibrary = "VORN32";  // only with the engine
  std::string service;
};

LibraryNames SplitLine(std::string_view line) {
  LibraryNames names{line.empty() ? '\0' : line[0], {}, {}, {}};
  std::string_view rest = line.empty() ? line : line.substr(1);
  const auto take = [&rest]() {
    const std::size_t point = rest.find('.');
    std::string part(rest.substr(0, point));
    rest = point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
    return part;
  };
  const bool hasPoint = rest.find('.') != std::string_view::npos;
  names.functions = take();
  if (names.engine == 'Y' && hasPoint) names.engineLibrary = take();
  names.service = std::string(rest);
  return names;
}

std::string JoinLine(const LibraryNames& names) {
  std::string line(1, names.engine);
  line += names.functions;
  if (names.engine == 'Y' && !names.engineLibrary.empty()) line += "." + names.engineLibrary;
  if (!names.service.empty()) line += "." + names.service;
  return line + "\n";
}

void RefusePoint(std::string_view key, std::string_view value) {
  if (value.find_first_of(".\r\n") != std::string_view::npos)
    throw FieldError("field '" + std::string(key) + "': '" + std::string(value) +
                     "' holds a point or a line end, which split the line elsewhere");
}

class LibraryNamesKind final : public FixedNameKind {
 public:
  std::string_view keyword() const override { return "library-names"; }

 private:
  std::string_view fixedName() const override { return "LIBNAME.FIL"; }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    LibraryNames names;
    for (const Field& f : fields) {
      if (f.key == "engine") {
        if (f.value.size() != 1)
          throw FieldError("field 'engine': Y when the rating engine is used, another letter when not");
        names.engine = f.value[0];
      } else if (f.key == "functions") {
        names.functions = f.value;
      } else if (f.key == "engine-library") {
        names.engineLibrary = f.value;
      } else if (f.key == "service") {
        names.service = f.value;
      } else {
        throw FieldError("unknown field '" + f.key + "' (fields: engine, functions, engine-library, service)");
      }
    }
    RefusePoint("functions", names.functions);
    RefusePoint("engine-library", names.engineLibrary);
    if (names.service.find_first_of("\r\n") != std::string::npos) throw FieldError("field 'service' holds a line end");
    if (names.engine != 'Y') names.engineLibrary.clear();
    return JoinLine(names);
  }

  std::optional<ItemLine> decodeItem(std::string_view line, std::size_t index, const Settings&) const override {
    if (index > 0 || !line.ends_with('\n') || line.size() < 2) return std::nullopt;
    const LibraryNames names = SplitLine(line.substr(0, line.size() - 1));
    const LibraryNames defaults;
    FieldList fields;
    if (names.engine != defaults.engine) fields.push_back({"engine", std::string(1, names.engine)});
    if (names.functions != defaults.functions) fields.push_back({"functions", names.functions});
    if (names.engine == 'Y' && names.engineLibrary != defaults.engineLibrary)
      fields.push_back({"engine-library", names.engineLibrary});
    if (!names.service.empty()) fields.push_back({"service", names.service});
    return ItemLine{std::string(kItem), std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitAtLineFeeds(content);
  }

  void checkRecords(std::span<const std::string_view> lines, const Settings&, KindProblems& problems) const override {
    if (lines.empty()) {
      problems.push_back({std::nullopt, "holds no line: the program loads no library and ends"});
      return;
    }
    std::string_view line = lines.front();
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.size() > kMostLength)
      problems.push_back({0, "is " + std::to_string(line.size()) + " characters; the program reads " +
                                 std::to_string(kMostLength) + ", so the names are cut"});
    if (line.find('\r') != std::string_view::npos)
      problems.push_back({0, "holds a carriage return; the program removes only the line feed, so it stays on a name"});
    const LibraryNames names = SplitLine(line.substr(0, kMostLength));
    if (names.functions.empty()) problems.push_back({0, "names no rating-function library"});
    if (names.engine == 'Y' && names.engineLibrary.empty())
      problems.push_back({0, "uses the engine (Y) but names no engine library after a point"});
    for (const std::string* name : {&names.functions, &names.engineLibrary, &names.service}) {
      if (name->find_first_of("/\\") != std::string::npos)
        problems.push_back({0, "names " + Shown(*name) +
                                   " with a path separator; the program loads only names in its data directory"});
    }
  }
};

}  // namespace

const FileKind& LibraryNamesFileKind() {
  static const LibraryNamesKind kind;
  return kind;
}

}  // namespace dataset
