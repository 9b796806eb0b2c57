#include "settings/zip_range_merge.h"

#include <algorithm>
#include <optional>

namespace qiv::settings {
namespace {

void SetSuffix(RangeCode& code, std::string_view suffix) { std::copy(suffix.begin(), suffix.end(), code.begin() + 3); }

bool IsWholePrefixRange(const CodeRange& r) {
  return SuffixOf(r.from) == kWholePrefixFrom && SuffixOf(r.to) == kWholePrefixTo;
}

class Merge {
 public:
  explicit Merge(const TariffRanges& tariff) : tariff_(tariff) {}

  // A code stepped onto a new prefix starts where the master range that
  // begins with that prefix starts (a from-code) or ends where the one that
  // ends with it ends (a to-code), unless a range of whole prefixes holds
  // the prefix first.
  void fitToMaster(RangeCode& code, bool isFrom) const {
    const std::string_view prefix = PrefixOf(code);
    for (const CodeRange& r : tariff_.master) {
      if (PrefixOf(r.from) > prefix || PrefixOf(r.to) < prefix) continue;
      if (IsWholePrefixRange(r)) return;
      if (isFrom && PrefixOf(r.from) == prefix) SetSuffix(code, SuffixOf(r.from));
      if (!isFrom && PrefixOf(r.to) == prefix) SetSuffix(code, SuffixOf(r.to));
      return;
    }
  }

  std::optional<RangeCode> after(const RangeCode& code) const {
    std::optional<RangeCode> next = CodeAfter(code, tariff_.usablePrefix);
    if (next && PrefixOf(*next) != PrefixOf(code)) fitToMaster(*next, true);
    return next;
  }
  std::optional<RangeCode> before(const RangeCode& code) const {
    std::optional<RangeCode> previous = CodeBefore(code, tariff_.usablePrefix);
    if (previous && PrefixOf(*previous) != PrefixOf(code)) fitToMaster(*previous, false);
    return previous;
  }

  // Bounds on usable prefixes; nothing when the item keeps none.
  std::optional<CodeRange> repaired(CodeRange item) const {
    const UsablePrefix& usable = tariff_.usablePrefix;
    if (!usable(PrefixOf(item.from))) {
      std::optional<RangeCode> from = StepToUsablePrefix(item.from, true, usable);
      if (!from) return std::nullopt;
      item.from = *from;
      SetSuffix(item.from, kWholePrefixFrom);
      fitToMaster(item.from, true);
    }
    if (!usable(PrefixOf(item.to))) {
      std::optional<RangeCode> to = StepToUsablePrefix(item.to, false, usable);
      if (!to) return std::nullopt;
      item.to = *to;
      SetSuffix(item.to, kWholePrefixTo);
      fitToMaster(item.to, false);
    }
    if (item.from > item.to) return std::nullopt;
    return item;
  }

  std::vector<CodeRange> preparedItems(std::vector<CodeRange> items) const {
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    std::vector<CodeRange> fixed;
    for (const CodeRange& item : items) {
      if (std::optional<CodeRange> r = repaired(item)) fixed.push_back(*r);
    }
    std::sort(fixed.begin(), fixed.end());
    std::vector<CodeRange> disjoint;
    for (CodeRange item : fixed) {
      if (!disjoint.empty() && item.from <= disjoint.back().to) {
        if (item.to <= disjoint.back().to) continue;
        std::optional<RangeCode> from = CodeAfter(disjoint.back().to, tariff_.usablePrefix);
        if (!from || *from > item.to) continue;
        item.from = *from;
      }
      disjoint.push_back(item);
    }
    return disjoint;
  }

  std::vector<CodeRange> run(std::vector<CodeRange> items) {
    items = preparedItems(std::move(items));
    const std::vector<CodeRange>& master = tariff_.master;
    std::vector<CodeRange> out;
    std::size_t m = 0, k = 0;
    CodeRange range = master.empty() ? CodeRange{} : master[0];
    CodeRange item = items.empty() ? CodeRange{} : items[0];
    auto nextMaster = [&] {
      if (++m < master.size()) range = master[m];
    };
    auto nextItem = [&] {
      if (++k < items.size()) item = items[k];
    };
    // What is left of the master range after the item's end, if anything.
    auto masterGoesOnAfter = [&](const RangeCode& end) {
      const std::optional<RangeCode> from = after(end);
      if (from && *from <= range.to) {
        range.from = *from;
      } else {
        nextMaster();
      }
    };
    // What is left of the item after the master range's end, if anything.
    auto itemGoesOnAfter = [&] {
      const std::optional<RangeCode> from = after(range.to);
      nextMaster();
      if (from && *from <= item.to) {
        item.from = *from;
      } else {
        nextItem();
      }
    };
    while (k < items.size()) {
      if (m >= master.size()) {
        out.push_back(item);
        nextItem();
        continue;
      }
      if (item.from > range.to) {
        out.push_back(range);
        nextMaster();
        continue;
      }
      if (item.to < range.from) {
        out.push_back(item);
        nextItem();
        continue;
      }
      if (item.from > range.from) {
        const std::optional<RangeCode> head = before(item.from);
        if (head && *head >= range.from) out.push_back({range.from, *head});
      }
      if (item.to < range.to) {
        out.push_back(item);
        const RangeCode end = item.to;
        nextItem();
        masterGoesOnAfter(end);
      } else if (item.to == range.to) {
        out.push_back(item);
        nextItem();
        nextMaster();
      } else {
        out.push_back({item.from, range.to});
        itemGoesOnAfter();
      }
    }
    if (m < master.size()) {
      out.push_back(range);
      out.insert(out.end(), master.begin() + static_cast<std::ptrdiff_t>(m) + 1, master.end());
    }
    return out;
  }

 private:
  const TariffRanges& tariff_;
};

}  // namespace

std::vector<CodeRange> MergeZipRanges(std::vector<CodeRange> items, const TariffRanges& tariff) {
  return Merge(tariff).run(std::move(items));
}

}  // namespace qiv::settings
