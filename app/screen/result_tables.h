// The two small tables the result display keeps for the printouts and the
// shipment-detail dialog: the totals column as shown (one row per shown
// total, with its rule) and the detail lines of a shipment with a Mexican
// part. Texts are NUL-terminated inside their fields: a label is the screen
// label right-aligned in 24 characters, a value or amount the shown text
// right-aligned in at least 8.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qiv {

inline constexpr int kResultRows = 15;

// How a totals row is printed.
enum class TotalsRowKind : std::int32_t {
  Plain = 1,
  IndentedAmount = 3,
  DeficitLine = 4,
};

// The rule printed above a totals row.
enum class TotalsRule : std::int32_t {
  None = 0,
  Single = 1,
  Double = 2,
};

struct TotalsRow {
  TotalsRowKind kind = TotalsRowKind::Plain;
  TotalsRule rule = TotalsRule::None;
  std::array<char, 25> label{};  // "%24s" of the screen label
  std::array<char, 20> value{};  // "%8s" of the shown value
};

struct DetailLine {
  char country = 'U';             // 'U' United States, 'M' Mexico, 'C' combined
  std::array<char, 25> label{};   // "%24s"
  std::array<char, 20> amount{};  // "%8s"
};

// The tables with their counts; a count never exceeds kResultRows.
struct ResultTables {
  std::array<TotalsRow, kResultRows> totalsRows{};
  int totalsCount = 0;
  std::array<DetailLine, kResultRows> details{};
  int detailCount = 0;
};

// The text of a field up to its first NUL.
inline std::string_view FieldText(const auto& field) {
  const std::string_view all(field.data(), field.size());
  return all.substr(0, all.find('\0'));
}

}  // namespace qiv
