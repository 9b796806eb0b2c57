// A file of option records looked up by name: 1792-byte records, each
// beginning with its text (the name, its trailing blanks cut when it is
// looked up) ended by a NUL within the record. The file's name is any
// (`option-records file=COLTOPT.DAT`); items `record text="NAME" data="..."`
// (the data follows the text's NUL).
#include <string>
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

constexpr std::size_t kRecordSize = 1792;

class OptionRecordsKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "option-records"; }
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {"file"};
    return keys;
  }
  // Its name says nothing: dumped with --as "option-records file=NAME".
  std::optional<Settings> recognise(std::string_view) const override { return std::nullopt; }
  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = FileKind::settle(std::move(given), neighbours);
    if (FindSetting(settled, "file") == nullptr) throw FieldError("an option-records block names its file: file=");
    return settled;
  }

 private:
  std::string fileName(const Settings& s) const override { return *FindSetting(s, "file"); }
  std::span<const std::string_view> itemKeywords() const override {
    static constexpr std::string_view items[] = {"record"};
    return items;
  }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    std::string text, data;
    for (const Field& f : fields) {
      if (f.key == "text")
        text = f.value;
      else if (f.key == "data")
        data = f.value;
      else
        throw FieldError("a record takes text= and data=, not '" + f.key + "'");
    }
    if (text.find('\0') != std::string::npos) throw FieldError("a record's text holds no NUL");
    std::string record = text + std::string(1, '\0') + data;
    if (record.size() > kRecordSize) throw FieldError("a record's text and data take more than 1792 bytes");
    record.resize(kRecordSize, '\0');
    return record;
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override {
    const std::size_t end = record.find('\0');
    if (record.size() != kRecordSize || end == std::string_view::npos) return std::nullopt;
    std::string_view data = record.substr(end + 1);
    data = data.substr(0, data.find_last_not_of('\0') + 1);
    FieldList fields{{"text", std::string(record.substr(0, end))}};
    if (!data.empty()) fields.push_back({"data", std::string(data)});
    return ItemLine{"record", std::move(fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kRecordSize);
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].size() != kRecordSize)
        problems.push_back({i, "is " + std::to_string(records[i].size()) + " bytes, not 1792 (never read)"});
      else if (records[i].find('\0') == std::string_view::npos)
        problems.push_back({i, "its text has no NUL within the record"});
    }
  }
};

}  // namespace

const FileKind& OptionRecordsFileKind() {
  static const OptionRecordsKind kind;
  return kind;
}

}  // namespace dataset
