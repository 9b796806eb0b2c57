// The files of one tariff, named NAME.<letter><suffix>: up to 8 characters
// of the tariff's name, a point, the file's letter and a two-character
// suffix. A block names its tariff (tariff=) and either gives the suffix
// (suffix=) or lets the tariff's EFCREC.TBL record tell it: the record's
// suffix field of the letter (columns 17-18 for A and L, 27-28 for I and J,
// and so on), or its columns 12-13 when that field begins with a letter.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kinds/file_kind.h"

namespace dataset::tariff {

inline constexpr std::string_view kTariff = "tariff";
inline constexpr std::string_view kSuffix = "suffix";
inline constexpr std::string_view kLetter = "letter";

// The settings that a file name gives when it names a tariff file of the
// letter (tariff= and suffix=), or of any letter when letter is 0 (then
// letter= too); nothing for other names. The suffix of such a name begins
// with a digit.
std::optional<Settings> RecogniseName(std::string_view fileName, char letter);

// Checks tariff= and suffix=, and takes a missing suffix from the EFCREC.TBL
// records of the tariff among the neighbours (nothing when there are none).
// Throws FieldError for a bad value, or when the records disagree.
void SettleName(Settings& settings, char letter, const Neighbours& neighbours);

// "TSTFRT01.F01". Throws FieldError when the tariff or the suffix is not known.
std::string FileName(const Settings& settings, char letter);

// The EFCREC.TBL records (among the neighbours) whose name is the tariff's.
std::vector<std::string> TariffRecords(const Neighbours& neighbours, std::string_view tariff);

// The value that every one of the records gives (pick reads it), nothing
// when there are no records. Throws FieldError naming what when they differ.
template <class Pick>
std::optional<std::string> AgreedValue(const std::vector<std::string>& records, Pick&& pick, std::string_view what,
                                       std::string_view tariff) {
  std::optional<std::string> agreed;
  for (const std::string& record : records) {
    std::string value = pick(record);
    if (agreed && *agreed != value)
      throw FieldError("the EFCREC.TBL records of " + std::string(tariff) + " give " + std::string(what) + " '" +
                       *agreed + "' and '" + value + "': give it in the block");
    agreed = std::move(value);
  }
  return agreed;
}

}  // namespace dataset::tariff
