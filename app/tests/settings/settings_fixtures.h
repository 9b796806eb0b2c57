// Shared by the settings tests: range codes written as text, a tariff's
// postal-prefix table, and profile records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/zip_range_merge.h"

namespace qiv::settings::testing {

inline RangeCode Code(std::string_view text) { return MakeRangeCode(text); }

// The lines as "FROM.TO..." words separated by blanks.
std::string Lines(const std::vector<CodeRange>& lines);

// A postal-prefix table: state, lowest and highest prefix.
class PostalTable {
 public:
  struct Row {
    std::string state, low, high;
  };
  explicit PostalTable(std::vector<Row> rows) : rows_(std::move(rows)) {}
  // QC G-J, ON K-P, MB R, BC V, X out of scope ("YY"), Y unknown ("XX").
  static PostalTable Sample();
  // ON K0A-P9Z only.
  static PostalTable Ontario();
  UsablePrefix usable() const;
  const std::vector<Row>& rows() const { return rows_; }

 private:
  std::vector<Row> rows_;
};

}  // namespace qiv::settings::testing

#include <cstdint>
#include <filesystem>
#include <map>

namespace qiv::settings::testing {

// One range entry's four bounds as typed (each up to 7 characters).
struct EntryBounds {
  std::string originFrom, originTo, destinationFrom, destinationTo;
};

// A profile record built by the data-set builder: the name, a marker byte
// (the discount kind at 147) that tells records of one name apart, and
// range entries.
std::vector<std::uint8_t> ProfileBytes(std::string_view name, char marker = 'R',
                                       const std::vector<EntryBounds>& entries = {});
std::vector<std::uint8_t> ProfileFile(const std::vector<std::vector<std::uint8_t>>& records);
// The names of a PROFILE.FIL's records, blank-separated, with their markers
// ("Alpha:R Beta:C").
std::string NamesIn(const std::vector<std::uint8_t>& file);

// Every file of a directory: its name, size and a hash of its bytes, one
// file a line.
std::string FilesIn(const std::filesystem::path& directory);

}  // namespace qiv::settings::testing
