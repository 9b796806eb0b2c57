// TDV.SEQ: the tariff versions, one line per version "%2hd%2hd%2hd%2hd%2hd":
// the version number and the date it took effect (century, year, month,
// day). A line whose five numbers do not all read is skipped; the file holds
// at most 47 versions, in any order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/date_key.h"
#include "logs/binary_log.h"

namespace vorn {

struct TariffVersion {
  std::int8_t version = 0;
  DateKey date;
};

class VersionList {
 public:
  static constexpr const char* kFileName = "TDV.SEQ";
  static constexpr std::size_t kCapacity = 47;

  // Reads TDV.SEQ from the folder, in file order: 0, 130 when it cannot be
  // opened, 131 when no line reads or more lines read than the list holds.
  std::int16_t load(std::string_view folder, const BinaryDebugLog& log);

  const std::vector<TariffVersion>& versions() const { return versions_; }

 private:
  std::vector<TariffVersion> versions_;
};

}  // namespace vorn
