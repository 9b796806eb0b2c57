#include "lanes/zone_pair_lookup.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "errors/engine_codes.h"
#include "formats/lane_list.h"
#include "lanes/lane_parameters.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

namespace zone_text = lane_list::zone_text;
using zone_text::PairRecord;
using ZoneCodes = std::vector<std::string>;
using ZoneCodeList = std::array<ZoneCodes, 2>;  // origin, destination
using LanePairs = std::vector<std::string>;     // origin code + destination code

// The text's lines in order, each with the offset of its start; a line ends
// before its LF.
struct Line {
  std::size_t offset;
  std::string_view text;
};

class LineReader {
 public:
  LineReader(std::string_view text, std::size_t from) : text_(text), at_(from) {}
  std::optional<Line> next() {
    if (at_ >= text_.size()) return std::nullopt;
    const std::size_t end = std::min(text_.find('\n', at_), text_.size());
    const Line line{at_, text_.substr(at_, end - at_)};
    at_ = end + 1;
    return line;
  }
  std::size_t position() const { return at_; }

 private:
  std::string_view text_;
  std::size_t at_;
};

bool IsParameterLine(std::string_view line) { return !line.empty() && line[0] == '*'; }

// The range part: up to two parameter lines at the top (the first giving the
// current and first sets, the second the second set), the range lines, and
// the "*" line that ends them. Each end's zone codes come from the first
// range line not below its key, when that line holds the key.
struct RangeScan {
  bool wellFormed = false;  // a "*" line ends the range part and no line is too long
  std::size_t endLine = 0;  // the offset of that line
  ZoneCodeList codes;
};

ZoneCodes CodesOf(std::string_view line) {
  ZoneCodes codes;
  const std::string_view text = line.substr(zone_text::kZoneCodes);
  for (std::size_t at = 0; at + zone_text::kCodeWidth <= text.size() && codes.size() < zone_text::kMaxZoneCodes;
       at += zone_text::kCodeWidth) {
    const std::string_view code = text.substr(at, zone_text::kCodeWidth);
    if (code[0] == '\0' || code[0] == '\r') break;
    codes.emplace_back(code);
  }
  return codes;
}

RangeScan FindZipZoneCodes(std::string_view text, const std::array<std::string_view, 2>& keys,
                           LaneAdjustmentWork& work) {
  RangeScan scan;
  LineReader lines(text, 0);
  int topLines = 0;
  bool rangesBegun = false;
  std::array<bool, 2> settled{};
  while (const std::optional<Line> line = lines.next()) {
    if (line->text.size() > zone_text::kMaxLineLength) return scan;
    if (IsParameterLine(line->text)) {
      if (!rangesBegun && topLines < 2) {
        ApplyLaneParameterLine(line->text, topLines == 0 ? LaneParameterLine::kFirst : LaneParameterLine::kSecond,
                               work);
        ++topLines;
        continue;
      }
      scan.wellFormed = true;
      scan.endLine = line->offset;
      return scan;
    }
    rangesBegun = true;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (settled[k] || line->text.size() < zone_text::kZoneCodes) continue;
      const std::string_view low = line->text.substr(zone_text::kLowKey.offset, zone_text::kLowKey.width);
      const std::string_view high = line->text.substr(zone_text::kHighKey.offset, zone_text::kHighKey.width);
      if (keys[k] > high) continue;
      settled[k] = true;
      if (keys[k] >= low) scan.codes[k] = CodesOf(line->text);
    }
  }
  return scan;
}

// The offset of the first pair record: after the "*" line that ends the
// range part (found by the trailer's offset when the list has one) and the
// pair part's parameter lines, which are applied as the first set's.
std::optional<std::size_t> PairPartStart(std::string_view text, std::size_t scannedEnd, bool trailer,
                                         LaneAdjustmentWork& work) {
  std::size_t end = scannedEnd;
  if (trailer) {
    std::int32_t offset = 0;
    std::memcpy(&offset, text.data() + text.size() - PairRecord::kSize + zone_text::kTrailerOffset, sizeof offset);
    if (offset < 0 || static_cast<std::size_t>(offset) >= text.size() - PairRecord::kSize ||
        text[static_cast<std::size_t>(offset)] != '*')
      return std::nullopt;
    end = static_cast<std::size_t>(offset);
  }
  LineReader lines(text, end);
  lines.next();  // the "*" line itself
  for (;;) {
    const std::size_t start = lines.position();
    const std::optional<Line> line = lines.next();
    if (!line || !IsParameterLine(line->text)) return start;
    ApplyLaneParameterLine(line->text, LaneParameterLine::kFirst, work);
  }
}

int ParseNumber(std::string_view digits) {
  std::string text(digits);
  int value = 0;
  return std::sscanf(text.c_str(), "%d", &value) == 1 ? value : 0;
}

// A value hit also names the cell record of its value ("%03d"), which the
// default application reads by adjustment number; a value above 999 names
// none and stays a value only.
void StoreValueHit(std::size_t slot, char letter, int value, AdjustmentHitTable& hits) {
  hits.values[slot] = {letter, static_cast<std::uint16_t>(value), 0};
  if (value < 0 || value > 999) return;
  char number[4];
  std::snprintf(number, sizeof number, "%03d", value);
  std::memcpy(hits.numbers[slot].number.data(), number, 3);
  hits.numbers[slot].position = 0;
}

// Stores the hit of a matching record: a value for tariff types 'I' and 'K',
// else the adjustment number. False when the record adds no hit.
bool StoreHit(const PairRecord& record, const ZonePairLane& lane, AdjustmentHitTable& hits) {
  const std::size_t slot = static_cast<std::size_t>(hits.count);
  const std::string_view value = record.value();
  if (lane.tariffType == 'I') {
    StoreValueHit(slot, '0', ParseNumber(value), hits);
    return true;
  }
  if (lane.tariffType == 'K') {
    const char letter = value[3];
    if (letter != '0' && letter != lane.rateKind) return false;
    StoreValueHit(slot, letter, ParseNumber(value.substr(0, 3)), hits);
    return true;
  }
  std::memcpy(hits.numbers[slot].number.data(), value.data(), 3);
  hits.numbers[slot].position = 0;
  return true;
}

// Sorts the hits by value (letter 'T') or by adjustment number, a slot's
// number and value staying together.
void SortHits(AdjustmentHitTable& hits, bool byValue) {
  const std::size_t n = static_cast<std::size_t>(hits.count);
  std::array<std::size_t, AdjustmentHitTable::kSlots> order{};
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n), [&](std::size_t a, std::size_t b) {
    return byValue ? hits.values[a].value < hits.values[b].value : hits.numbers[a].number < hits.numbers[b].number;
  });
  const AdjustmentHitTable found = hits;
  for (std::size_t i = 0; i < n; ++i) {
    hits.numbers[i] = found.numbers[order[i]];
    hits.values[i] = found.values[order[i]];
  }
}

// Every origin code with every destination code, in the codes' order.
LanePairs BuildLanePairs(const ZoneCodeList& codes) {
  LanePairs pairs;
  for (const std::string& o : codes[0])
    for (const std::string& d : codes[1]) pairs.push_back(o + d);
  return pairs;
}

std::int16_t MatchLanePairs(std::string_view text, std::size_t start, std::size_t end, const LanePairs& pairs,
                            const ZonePairLane& lane, AdjustmentHitTable& hits) {
  hits = AdjustmentHitTable{};
  for (std::size_t at = start; at + PairRecord::kSize <= end; at += PairRecord::kSize) {
    const PairRecord record(std::span(reinterpret_cast<const std::uint8_t*>(text.data()) + at, PairRecord::kSize));
    if (!record.endsLine()) {
      if (at == start) return code::kCantReadLaneList;
      break;
    }
    if (pairs.empty() || record.pair() > pairs.back()) break;
    for (const std::string& pair : pairs) {
      if (pair != record.pair() || !StoreHit(record, lane, hits)) continue;
      if (++hits.count == static_cast<std::int16_t>(AdjustmentHitTable::kSlots)) return code::kTooManyLaneAdjustments;
    }
  }
  if (start < end && end - start < PairRecord::kSize) return code::kCantReadLaneList;
  SortHits(hits, lane.sortByValue);
  return 0;
}

}  // namespace

std::int16_t LoadZonePairAdjustments(std::string_view text, const ZonePairLane& lane, LaneAdjustmentWork& work) {
  work.hits = AdjustmentHitTable{};
  RangeScan ranges = FindZipZoneCodes(text, {lane.originKey, lane.destinationKey}, work);
  if (!ranges.wellFormed) return code::kCantReadLaneList;
  ZoneCodes& origin = ranges.codes[0];
  ZoneCodes& destination = ranges.codes[1];
  if ((origin.empty() || destination.empty()) && !lane.numberForced) return 0;
  std::sort(origin.begin(), origin.end());
  std::sort(destination.begin(), destination.end());
  const LanePairs pairs = BuildLanePairs(ranges.codes);

  const bool trailer =
      text.size() >= PairRecord::kSize &&
      text.substr(text.size() - PairRecord::kSize, zone_text::kTrailerMark.size()) == zone_text::kTrailerMark;
  const std::optional<std::size_t> start = PairPartStart(text, ranges.endLine, trailer, work);
  if (!start) return code::kCantReadLaneList;
  const std::size_t end = trailer ? text.size() - PairRecord::kSize : text.size();
  return MatchLanePairs(text, std::min(*start, end), end, pairs, lane, work.hits);
}

}  // namespace vorn
