// NAME.Fss: a tariff's factor file, text lines. Its format follows the
// tariff type: types '0'-'7' read one section of counted lists, one value
// per line; types 'A' and up read sections of class, break, kind and factor
// lines (kinds/factor/factor_writer.h lists the items). The type comes from
// the block's type= setting, else from the tariff's EFCREC.TBL record.
#include <algorithm>

#include "kinds/efcrec_columns.h"
#include "kinds/factor/factor_reader.h"
#include "kinds/factor/factor_vocabulary.h"
#include "kinds/factor/factor_writer.h"
#include "kinds/file_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

using factor::FactorWriter;

constexpr std::string_view kType = "type";
constexpr std::string_view kTariffLetter = "tariff-letter";
constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kSuffix, kType, kTariffLetter};
constexpr char kLetter = 'F';

std::optional<factor::FactorFormat> FormatOf(const Settings& settings) {
  const std::string* type = FindSetting(settings, kType);
  if (!type) return std::nullopt;
  const std::string* letter = FindSetting(settings, kTariffLetter);
  return factor::FactorFormat{type->front(), type->front() == '0' && letter && *letter == "P"};
}

// The value of a column that the tariff's EFCREC.TBL records agree on, or nothing.
std::optional<std::string> RecordColumn(const Settings& settings, const Neighbours& neighbours,
                                        platform::FieldSpan span, std::string_view what) {
  const std::string* name = FindSetting(settings, tariff::kTariff);
  if (!name) return std::nullopt;
  const std::vector<std::string> records = tariff::TariffRecords(neighbours, *name);
  return tariff::AgreedValue(
      records, [&](const std::string& r) { return r.substr(span.offset, span.width); }, what, *name);
}

// The item line that writes exactly these lines, tried with the fields the
// writer would take by default left out, then with every field given.
std::optional<std::string> ItemFor(const factor::LineGroup& group, std::string_view text, FactorWriter& writer) {
  FieldList shortest;
  const FieldList defaults = writer.defaults(group.keyword);
  for (const Field& f : group.fields) {
    if (std::find(defaults.begin(), defaults.end(), f) == defaults.end()) shortest.push_back(f);
  }
  for (const FieldList& fields : {shortest, group.fields}) {
    FactorWriter trial = writer;
    try {
      if (trial.write(group.keyword, fields) != text) continue;
    } catch (const FieldError&) {
      continue;
    }
    writer = trial;
    return FormatItem(group.keyword, fields);
  }
  return std::nullopt;
}

class FactorKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "factor"; }
  std::span<const std::string_view> settingKeys() const override { return kSettingKeys; }
  std::optional<Settings> recognise(std::string_view name) const override {
    return tariff::RecogniseName(name, kLetter);
  }
  bool readsNeighbours() const override { return true; }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    tariff::SettleName(given, kLetter, neighbours);
    if (!FindSetting(given, kType)) {
      if (std::optional<std::string> type = RecordColumn(given, neighbours, efcrec::kType, "tariff types"))
        PutSetting(given, kType, *type);
    }
    if (!FindSetting(given, kTariffLetter)) {
      if (std::optional<std::string> letter = RecordColumn(given, neighbours, efcrec::kLetter, "tariff letters"))
        PutSetting(given, kTariffLetter, *letter);
    }
    if (const std::string* type = FindSetting(given, kType);
        type && (type->size() != 1 || !factor::IsTariffType(type->front())))
      throw FieldError("field 'type': " + Shown(*type) + " is not a tariff type ('0'-'7', or a letter 'A'-'Z')");
    if (const std::string* letter = FindSetting(given, kTariffLetter); letter && letter->size() != 1)
      throw FieldError("field 'tariff-letter': " + Shown(*letter) + " is not one letter (EFCREC column 48)");
    return FileKind::settle(std::move(given), neighbours);
  }

  std::vector<std::string> fileNames(const Settings& settings) const override {
    return {tariff::FileName(settings, kLetter)};
  }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    std::vector<DataRecord> lines;
    FactorWriter writer(FormatOf(settings));
    const std::span<const std::string_view> keywords = FactorWriter::Keywords();
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {  // split like the file, so that the checks see its lines
        const DataRecord raw = RawItemRecord(item);
        for (std::string_view line : SplitAtLineFeeds(raw.bytes)) lines.push_back({std::string(line), item.line});
        continue;
      }
      if (std::find(keywords.begin(), keywords.end(), item.keyword) == keywords.end())
        RefuseItem(item, keyword(), keywords);
      const std::string text = AtItemLine(item, [&] { return writer.write(item.keyword, item.fields); });
      for (std::string_view line : SplitAtLineFeeds(text)) lines.push_back({std::string(line), item.line});
    }
    return {std::move(lines)};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    return SplitAtLineFeeds(content);
  }

  void check(std::span<const FileRecords> files, const Settings& settings, KindProblems& problems) const override {
    factor::FactorReading reading = factor::ReadFactorLines(files.front().records, FormatOf(settings));
    problems.insert(problems.end(), reading.problems.begin(), reading.problems.end());
  }

  std::string describe(std::span<const std::string_view> contents, const Settings& settings) const override {
    const std::vector<std::string_view> lines = SplitAtLineFeeds(contents.front());
    const factor::FactorReading reading = factor::ReadFactorLines(lines, FormatOf(settings));
    FactorWriter writer(FormatOf(settings));
    std::string out;
    auto group = reading.groups.begin();
    for (std::size_t i = 0; i < lines.size();) {
      while (group != reading.groups.end() && group->lines.front() < i) ++group;
      if (group != reading.groups.end() && group->lines.front() == i && IsRun(group->lines)) {
        std::string text;
        for (std::size_t l : group->lines) text += lines[l];
        if (std::optional<std::string> item = ItemFor(*group, text, writer)) {
          out += *item + "\n";
          i += group->lines.size();
          continue;
        }
      }
      const std::string_view line = lines[i++];
      out += (line.ends_with('\n')
                  ? FormatItem(factor::kLineItem, {{"text", std::string(line.substr(0, line.size() - 1))}})
                  : RawItemLine(line)) +
             "\n";
    }
    return out;
  }

 private:
  static bool IsRun(const std::vector<std::size_t>& lines) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
      if (lines[i] != lines[i - 1] + 1) return false;
    }
    return true;
  }
};

}  // namespace

const FileKind& FactorFileKind() {
  static const FactorKind kind;
  return kind;
}

}  // namespace dataset
