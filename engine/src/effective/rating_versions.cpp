#include "effective/rating_versions.h"

#include <array>

#include "platform/kernel/digits.h"

namespace vorn {
namespace {

// Tariffs of the data publisher whose rating version is fixed by name, date,
// sequence and flag.
constexpr std::array<RatingVersionRow, 6> kRows{{
    {"SMPLUS01", "2019", "01", "01", "01", ' ', "4.2"},
    {"SMPLUS01", "2021", "07", "01", "02", ' ', "4.5"},
    {"SMPLCA01", "2020", "03", "01", "01", 'A', "4.6"},
    {"SMPLCA01", "2020", "03", "01", "01", 'B', "4.7"},
    {"SMPLMX01", "2022", "01", "15", "01", ' ', "4.6"},
    {"SMPLBU01", "2023", "05", "01", "03", ' ', "4.7"},
}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

bool IsKnownTariffType(char c) { return (c >= '0' && c <= '7') || (c >= 'A' && c <= 'M') || c == 'Y'; }

bool Matches(const RatingVersionRow& row, const efcrec::Record& r) {
  const bool olderFormat = r.charAt(efcrec::kFormatColumn) == 'A';
  return row.name == r.text(efcrec::kName) && row.year == r.text({4, 4}) && row.month == r.text({8, 2}) &&
         row.day == r.text({10, 2}) && row.sequence == r.text(olderFormat ? efcrec::kLaneDigits : efcrec::kSequence) &&
         row.flag == r.charAt(efcrec::kVersionFlagColumn);
}

// The version the rules give an older-format record that no row names.
std::string_view OlderFormatVersion(const efcrec::Record& r) {
  const char letter = r.charAt(efcrec::kLetterColumn);
  const char type = r.charAt(efcrec::kTariffTypeColumn);
  const bool reserved = r.text(efcrec::kName).substr(0, 3) == kReservedTariffPrefix;
  if (letter == 'P') return "4.8";
  if (r.charAt(efcrec::kFlag45Column) == 'S') return "4.7";
  if (type == 'Y' && !reserved) return r.charAt(17) == 'G' ? "4.5" : "4.4";
  const char substitute = r.charAt(efcrec::kSubstituteTypeColumn);
  const bool letterKnown = std::string_view("NPSXY").find(letter) != std::string_view::npos;
  const bool substituteKnown = IsKnownTariffType(substitute) || substitute == ' ' || substitute == '.';
  if (!letterKnown || !IsKnownTariffType(type) || !substituteKnown) return "0.0";
  return "4.0";
}

void Normalise(efcrec::Record& r, std::string_view version) {
  const char lane = r.charAt(efcrec::kLaneLetterColumn);
  const bool laneKnown = std::string_view("ACGLTUY").find(lane) != std::string_view::npos && lane != '\0';
  if (!laneKnown || !IsDigit(r.charAt(17)) || !IsDigit(r.charAt(18))) r.setText({16, 3}, " 00");
  const char c73 = r.charAt(efcrec::kFlag73Column);
  if (c73 != 'N' && c73 != '0') r.setChar(efcrec::kFlag73Column, 'N');
  const char c69 = r.charAt(efcrec::kVersionFlagColumn);
  if (!IsUpper(c69) && c69 != ' ') r.setChar(efcrec::kVersionFlagColumn, ' ');
  if (r.charAt(efcrec::kSubstituteTypeColumn) == '.') r.setChar(efcrec::kSubstituteTypeColumn, ' ');
  r.setText(efcrec::kVersion, version);
  r.fill(efcrec::kFiller, ' ');
  r.setChar(efcrec::kFormatColumn, 'B');
  r.setText(efcrec::kLineEnd, "\r\n");
}

}  // namespace

std::span<const RatingVersionRow> RatingVersionTable() { return kRows; }

void DetermineRatingVersion(efcrec::Record& record) {
  if (record.charAt(efcrec::kVersionFlagColumn) == '0') record.setChar(efcrec::kVersionFlagColumn, ' ');
  for (const RatingVersionRow& row : kRows) {
    if (Matches(row, record)) {
      Normalise(record, row.version);
      return;
    }
  }
  if (record.charAt(efcrec::kFormatColumn) != 'A') return;
  Normalise(record, OlderFormatVersion(record));
}

int RatingVersionNumber(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return 0;
  // (each part held to six digits, so the number always fits)
  const std::uint64_t whole = platform::LeadingDigits(text.substr(0, point), 999999).value;
  const std::uint64_t fraction = platform::LeadingDigits(text.substr(point + 1), 999999).value;
  return static_cast<int>(whole * 100 + fraction);
}

}  // namespace vorn
