#include "kinds/tariff_files.h"

#include <cctype>

#include "kinds/efcrec_columns.h"
#include "kinds/record_tools.h"

namespace dataset::tariff {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string UpperCase(std::string_view text) {
  std::string out;
  for (char c : text) out.push_back(Upper(c));
  return out;
}

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view NameColumns(std::string_view record) {
  const std::string_view name = record.substr(efcrec::kName.offset, efcrec::kName.width);
  return name.substr(0, name.find_last_not_of(' ') + 1);
}

// The suffix a record gives for the letter.
std::string SuffixOf(std::string_view record, char letter) {
  const std::optional<std::size_t> column = efcrec::SuffixColumn(letter);
  if (!column)
    throw FieldError("file letter '" + std::string(1, letter) + "' has no suffix field in EFCREC.TBL: give suffix=");
  std::string_view suffix = record.substr(*column, 2);
  if (IsLetter(suffix[0])) suffix = record.substr(efcrec::kSequence.offset, efcrec::kSequence.width);
  return std::string(suffix);
}

}  // namespace

std::optional<Settings> RecogniseName(std::string_view fileName, char letter) {
  const std::size_t point = fileName.rfind('.');
  if (point == std::string_view::npos || point == 0 || point > 8) return std::nullopt;
  const std::string stem = UpperCase(fileName.substr(0, point)), extension = UpperCase(fileName.substr(point + 1));
  // A suffix taken from a record never begins with a letter (columns 12-13
  // stand in for such a field), which keeps names like TDA.SEQ apart.
  if (!efcrec::IsTariffName(stem) || extension.size() != 3 || !IsLetter(extension[0]) || !IsDigit(extension[1]) ||
      !efcrec::IsSuffix(extension.substr(1)))
    return std::nullopt;
  if (letter != 0 && extension[0] != letter) return std::nullopt;
  Settings settings{{std::string(kTariff), stem}};
  if (letter == 0) settings.push_back({std::string(kLetter), extension.substr(0, 1)});
  settings.push_back({std::string(kSuffix), extension.substr(1)});
  return settings;
}

void SettleName(Settings& settings, char letter, const Neighbours& neighbours) {
  const std::string* tariff = FindSetting(settings, kTariff);
  if (tariff && (tariff->size() > efcrec::kName.width || !efcrec::IsTariffName(*tariff) ||
                 tariff->find(' ') != std::string::npos))
    throw FieldError("field 'tariff': '" + *tariff + "' is not a tariff name (1-8 upper-case letters and digits)");
  if (const std::string* suffix = FindSetting(settings, kSuffix)) {
    if (suffix->size() != 2 || !efcrec::IsSuffix(*suffix))
      throw FieldError("field 'suffix': '" + *suffix +
                       "' is not a file-name suffix (two upper-case letters or digits)");
    return;
  }
  if (!tariff || letter == 0) return;
  const std::vector<std::string> records = TariffRecords(neighbours, *tariff);
  const std::string what = "suffixes for letter " + std::string(1, letter);
  if (std::optional<std::string> suffix = AgreedValue(
          records, [&](const std::string& r) { return SuffixOf(r, letter); }, what, *tariff)) {
    if (!efcrec::IsSuffix(*suffix))
      throw FieldError("the EFCREC.TBL record of " + *tariff + " gives the suffix " + Shown(*suffix) + " for letter " +
                       std::string(1, letter) + ": give suffix=");
    PutSetting(settings, kSuffix, *suffix);
  }
}

std::string FileName(const Settings& settings, char letter) {
  const std::string* tariff = FindSetting(settings, kTariff);
  if (!tariff) throw FieldError("a tariff file's block names its tariff: tariff=NAME");
  const std::string* suffix = FindSetting(settings, kSuffix);
  if (!suffix)
    throw FieldError("the suffix of " + *tariff + "'s " + std::string(1, letter) +
                     " file is not known: give suffix= or describe " + *tariff + " in an efcrec block");
  return *tariff + "." + std::string(1, letter) + *suffix;
}

std::vector<std::string> TariffRecords(const Neighbours& neighbours, std::string_view tariff) {
  std::vector<std::string> found;
  const std::optional<std::string> table = neighbours.content("EFCREC.TBL");
  if (!table) return found;
  for (std::string_view record : SplitFixedRecords(*table, efcrec::kRecordSize)) {
    if (record.size() >= efcrec::kRecordSize - 2 && NameColumns(record) == tariff) found.emplace_back(record);
  }
  return found;
}

}  // namespace dataset::tariff
