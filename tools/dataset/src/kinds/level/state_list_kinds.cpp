// The lists of states and provinces the discount page offers, text files
// in the data directory, one line ended by CR LF for each:
//   STATE.STP     the states, "NY NEW YORK": the two-letter code, a blank,
//                 the name; the program reads at most 50 lines of at most
//                 100 characters;
//   PROVINCE.PCP  the provinces, the same way, every line read.
// A range entry names its state by the code, so each line begins with one.
#include <string>
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

constexpr std::size_t kLineLimit = 100;
constexpr std::string_view kItem = "state";
constexpr std::string_view kItems[] = {kItem};

class StateListKind final : public FixedNameKind {
 public:
  StateListKind(std::string_view keyword, std::string_view fileName, std::size_t mostLines)
      : keyword_(keyword), fileName_(fileName), mostLines_(mostLines) {}
  std::string_view keyword() const override { return keyword_; }

 private:
  std::string_view fixedName() const override { return fileName_; }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    std::string code = "NY", name;
    for (const Field& f : fields) {
      if (f.key == "code") {
        code = f.value;
      } else if (f.key == "name") {
        name = f.value;
      } else {
        throw FieldError("unknown field '" + f.key + "' (fields: code, name)");
      }
    }
    if ((code + name).find_first_of("\r\n") != std::string::npos) throw FieldError("a state line holds no line end");
    return code + " " + name + "\r\n";
  }

  std::optional<ItemLine> decodeItem(std::string_view line, std::size_t, const Settings&) const override {
    if (!line.ends_with("\r\n") || line.size() < 5 || line[2] != ' ') return std::nullopt;
    return ItemLine{std::string(kItem),
                    {{"code", std::string(line.substr(0, 2))}, {"name", std::string(line.substr(3, line.size() - 5))}}};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitAtLineFeeds(content);
  }

  void checkRecords(std::span<const std::string_view> lines, const Settings&, KindProblems& problems) const override {
    if (mostLines_ != 0 && lines.size() > mostLines_)
      problems.push_back({std::nullopt, "holds " + std::to_string(lines.size()) +
                                            " lines; the program reads the first " + std::to_string(mostLines_)});
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::string_view line = lines[i];
      if (line.ends_with('\n')) line.remove_suffix(1);
      if (line.ends_with('\r')) line.remove_suffix(1);
      if (line.size() > kLineLimit) problems.push_back({i, "is longer than 100 characters: the program splits it"});
      if (line.size() < 2 || !IsUpperLetter(line[0]) || !IsUpperLetter(line[1]))
        problems.push_back({i, "does not begin with a two-letter code (upper case), which range entries name"});
    }
  }

  static bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

  std::string_view keyword_;
  std::string_view fileName_;
  std::size_t mostLines_;
};

}  // namespace

const FileKind& StateListFileKind() {
  static const StateListKind kind("state-list", "STATE.STP", 50);
  return kind;
}

const FileKind& ProvinceListFileKind() {
  static const StateListKind kind("province-list", "PROVINCE.PCP", 0);
  return kind;
}

}  // namespace dataset
