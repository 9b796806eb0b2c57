// The merge of a profile's Canadian ranges into the tariff's ZIP-range
// table: the lines of the profile's own range file.
//
// The profile's ranges (items) are taken once each, sorted, their bounds
// moved onto usable prefixes (a from-bound up, a to-bound down; an item
// left with none, or with its bounds crossed, is dropped) and cut where an
// earlier item already covers them. The master table and the items are
// then walked together: each master range is cut around the items inside
// it, an item reaching over master ranges is split at their ends, and the
// master ranges after the last item follow unchanged; items after the last
// master range are kept. The result is sorted ascending, its ranges do not
// overlap, and it covers every code of every master range whose prefix is
// usable.
#pragma once

#include <compare>
#include <vector>

#include "settings/postal_codes.h"

namespace qiv::settings {

struct CodeRange {
  RangeCode from;
  RangeCode to;
  friend auto operator<=>(const CodeRange&, const CodeRange&) = default;
};

struct TariffRanges {
  std::vector<CodeRange> master;  // the ZIP-range table in force, ascending
  UsablePrefix usablePrefix;
};

std::vector<CodeRange> MergeZipRanges(std::vector<CodeRange> items, const TariffRanges& tariff);

}  // namespace qiv::settings
