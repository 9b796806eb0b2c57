// Arbitrary lane-adjustment data through the lane readers and their
// application: the input's first byte picks the reader (the text zone-pair
// list, range lanes, the global list with its adjustment lists, the
// percentage tables), the rest is the file. A fixed .A file of every record
// form serves the lookups that read adjustment records. Every input must end
// in an answer code, never a crash or an out-of-bounds read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "lanes/adjustment_lists.h"
#include "lanes/apply_lane_adjustments.h"
#include "lanes/global_lane_lookup.h"
#include "lanes/percent_tables.h"
#include "lanes/range_lane_lookup.h"
#include "lanes/zone_pair_lookup.h"
#include "platform/kernel/file.h"
#include "platform/testing/temp_directory.h"

namespace {

using namespace vorn;

// .A: cell records "101" and "999" (a state list follows), then operator
// records 1 and 7 of 350 bytes, each byte pattern valid for its form.
const platform::File& Adjustments() {
  static const platform::testing::TempDirectory dir;
  static const std::optional<platform::File> file = [] {
    std::string a(347, '\x10');
    a.replace(0, 3, "101");
    std::string marker(347, '\0');
    marker.replace(0, 3, "999");
    std::string list = "     xxF\x01NY                 ";
    std::string op(350, '\x20');
    op[0] = 1;
    op[1] = 0;
    op.replace(2, 2, "*F");
    return platform::File::OpenReadOnly(dir.write("T.A00", a + marker + list + op).string());
  }();
  return *file;
}

void Apply(LaneAdjustmentWork& work, LaneAdjustmentType type) {
  std::array<std::int32_t, 12> rates{1000, 2000, 3000, 0, 9999999, 5, 6, 7, 8, 9, 10, 11};
  std::array<std::int32_t, 4> minimums{5000, 100, 0, 0};
  work.type = type;
  const AdjustmentFile adjustments(const_cast<platform::File&>(Adjustments()));
  ApplyLaneAdjustments(work, &adjustments, RateGrid{rates, 3, 4}, MinimumChargeAmounts{minimums, 4, 2, '1', true},
                       LaneTariffFacts{'F', 200107});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);
  const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const AdjustmentFile adjustments(const_cast<platform::File&>(Adjustments()));
  LaneAdjustmentWork work;
  // The first byte's second bit forces an adjustment number on the lookups.
  const std::optional<std::uint16_t> forced = (data[0] & 4) != 0 ? std::optional<std::uint16_t>(data[0]) : std::nullopt;
  switch (data[0] % 4) {
    case 0:
      for (char type : {'A', 'I', 'K'})
        if (LoadZonePairAdjustments(text, ZonePairLane{"10001", "90001", type, 'B', type != 'A', forced.has_value()},
                                    work) == 0)
          Apply(work, type == 'A' ? LaneAdjustmentType::kZoneText : LaneAdjustmentType::kZonePercent);
      break;
    case 1:
      if (LoadRangeLaneAdjustments(bytes, RangeLane{"10001", "90001", "001 00003B", forced}, work) == 0)
        Apply(work, LaneAdjustmentType::kRangeLanes);
      break;
    case 2: {
      if (LoadGlobalAdjustments(bytes, GlobalBaseKeys{text, std::nullopt}, adjustments,
                                GlobalLane{"10001", "K1A0B", "0003B5", forced}, work) != 0)
        break;
      std::array<std::int32_t, 8> amounts{5000, 100, 2147483000, -5, 9999999, 0, 7, 8};
      const std::vector<std::vector<std::uint8_t>> records = ListRecords(work.global, adjustments);
      for (ListColumn column : {ListColumn::kMinimums, ListColumn::kRates})
        for (char combine : {' ', '*', '+', 'H', 'L'})
          ApplyAdjustmentList(records, column, ListSettings{combine, '7'}, amounts, 9999999);
      break;
    }
    default: {
      // The same bytes as .Q, .J and .X.
      const PercentTableFiles files{text, text, text};
      for (int year : {1997, 1998, 2024}) {
        AdjustmentHitTable hits;
        if (year < 1998)
          FilterPercentExceptions(files.exceptions, PercentLane{"10001", "90001", year}, hits);
        else
          LoadPercentTables(files, adjustments, PercentLane{"10001", "90001", year}, hits);
      }
      break;
    }
  }
  return 0;
}
