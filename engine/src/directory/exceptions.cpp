#include "directory/exceptions.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/record_searches.h"
#include "datafiles/table_file.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "formats/packed_codes.h"
#include "points/candidates.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::uint16_t kEquals = '=';

bool InVersion(std::int8_t first, std::int8_t end, std::int8_t v) { return first <= v && v < end; }

bool IsActive(const SetupWork& s, std::size_t slot) { return s.kinds[slot] != 0; }

// Clears the slot and its alternate: it is no longer a candidate.
void DropCurrentSlot(SetupWork& s, std::size_t slot) {
  s.kinds[slot] = 0;
  s.alternates[slot] = 0;
}

// Whether a slot other than this one holds the kind (an empty slot holds 0).
bool OtherSlotHolds(const SetupWork& s, std::size_t slot, std::uint16_t kind, std::size_t slotCount) {
  for (std::size_t i = 0; i < slotCount; ++i)
    if (i != slot && static_cast<std::uint16_t>(s.kinds[i]) == kind) return true;
  return false;
}

// Whether another active slot holds the kind, or any other slot is active
// when the kind is 0.
bool OtherActiveSlotHolds(const SetupWork& s, std::size_t slot, std::uint16_t kind, std::size_t slotCount) {
  for (std::size_t i = 0; i < slotCount; ++i) {
    if (i == slot || !IsActive(s, i)) continue;
    if (kind == 0 || static_cast<std::uint16_t>(s.kinds[i]) == kind) return true;
  }
  return false;
}

bool ZeroOrEqual(std::uint16_t sub, std::int8_t pointSub) {
  return sub == 0 || sub == static_cast<std::uint16_t>(pointSub);
}

// The groups that follow a hit on (kind, a, b): each record alone, or a chain
// of records of one group joined by '=' operators, drops the slot when both
// its origin and destination conditions hold and another slot serves the
// lane (the group's other kind).
void ApplyGroups(ExceptionTable& table, SetupWork& s, std::size_t slot, std::size_t slotCount) {
  const std::int16_t originRegion = s.origin.zipRange.regionCode();
  const std::int16_t destinationRegion = s.destination.zipRange.regionCode();
  const std::int8_t originSub = s.origin.zipRange.subCode();
  const std::int8_t destinationSub = s.destination.zipRange.subCode();
  const ExceptionRecord first = table.current();
  if (first.originCode() > originRegion && first.originCode() != 0) return;
  bool more = true;
  while (more && IsActive(s, slot) && table.current().kind() == first.kind() &&
         table.current().originCode() == first.originCode()) {
    const ExceptionRecord head = table.current();
    const std::int16_t destination = head.destinationCode();
    if ((destination != 0 && destination != destinationRegion) || destination >= 98 ||
        !InVersion(head.firstVersion(), head.endVersion(), s.version)) {
      more = table.nextExceptionRecord() == 0;
      continue;
    }
    bool originHolds = false;
    bool destinationHolds = false;
    if (head.originOperator() != kEquals && head.destinationOperator() != kEquals) {
      originHolds = ZeroOrEqual(head.originSubCode(), originSub);
      destinationHolds = ZeroOrEqual(head.destinationSubCode(), destinationSub);
      s.exceptionGroup.push_back(head);
      more = table.nextExceptionRecord() == 0;
    } else {
      for (;;) {
        const ExceptionRecord& r = table.current();
        if (r.originOperator() == kEquals)
          originHolds = r.originSubCode() != static_cast<std::uint16_t>(originSub);
        else if (ZeroOrEqual(r.originSubCode(), originSub))
          originHolds = true;
        if (r.destinationOperator() == kEquals)
          destinationHolds = !ZeroOrEqual(r.destinationSubCode(), destinationSub);
        else if (ZeroOrEqual(r.destinationSubCode(), destinationSub))
          destinationHolds = true;
        s.exceptionGroup.push_back(r);
        const bool joined = r.originOperator() == kEquals || r.destinationOperator() == kEquals;
        more = table.nextExceptionRecord() == 0;
        if (!more || !joined || table.current().group() != head.group()) break;
      }
    }
    if (originHolds && destinationHolds && OtherActiveSlotHolds(s, slot, head.otherKind(), slotCount))
      DropCurrentSlot(s, slot);
  }
}

std::size_t SlotCount(const SetupWork& s) { return std::min(s.slotCount, s.kinds.size()); }

}  // namespace

std::int16_t ExceptionTable::openExceptionTable(std::string_view folder, const BinaryDebugLog& log) {
  file_ = OpenTableFile(folder, "TDX.TBL", log);
  index_ = 0;
  return file_ ? 0 : code::kCantOpenExceptions;
}

void ExceptionTable::closeExceptionTable() { file_.reset(); }

std::int16_t ExceptionTable::getExceptionRecord(std::int16_t kind, std::int16_t origin, std::int16_t destination) {
  if (!file_) return code::kExceptionSearchFailed;
  const std::optional<std::int64_t> hit =
      FileBinarySearch(*file_, ExceptionRecord::kSize, [&](std::span<const std::uint8_t> b) {
        ExceptionRecord r;
        r.bytes.assign(b);
        if (kind != r.kind()) return kind < r.kind() ? -1 : 1;
        if (origin != r.originCode()) return origin < r.originCode() ? -1 : 1;
        if (destination != r.destinationCode()) return destination < r.destinationCode() ? -1 : 1;
        return 0;
      });
  if (!hit) return code::kExceptionSearchFailed;
  index_ = *hit;
  return readCurrent();
}

std::int16_t ExceptionTable::nextExceptionRecord() {
  if (!file_) return code::kExceptionSearchFailed;
  ++index_;
  return readCurrent();
}

std::int16_t ExceptionTable::readCurrent() {
  return ReadFileRecord(*file_, index_, current_.bytes.bytes()) ? 0 : code::kExceptionSearchFailed;
}

std::int16_t ApplyStatePairExceptions(std::string_view folder, const BinaryDebugLog& log, SetupWork& s) {
  ExceptionTable table;
  if (const std::int16_t c = table.openExceptionTable(folder, log); c != 0) return c;
  const std::size_t slots = SlotCount(s);
  const std::int16_t o = s.origin.zipRange.regionCode();
  const std::int16_t d = s.destination.zipRange.regionCode();
  for (std::size_t slot = 0; slot < slots; ++slot) {
    if (!IsActive(s, slot)) continue;
    const std::int16_t kind = s.kinds[slot];
    const std::int16_t searches[4][2] = {{0, 0}, {o, 0}, {0, d}, {o, d}};
    for (const auto& key : searches) {
      if (!IsActive(s, slot)) break;
      // A key without records is the usual case, not a failure.
      if (table.getExceptionRecord(kind, key[0], key[1]) == 0) ApplyGroups(table, s, slot, slots);
    }
    if (!IsActive(s, slot)) continue;
    if (table.getExceptionRecord(kind, 99, 99) == 0) {
      do {
        const ExceptionRecord& r = table.current();
        if (r.kind() != kind || r.originCode() != 99 || r.destinationCode() != 99) break;
        if (OtherSlotHolds(s, slot, r.otherKind(), slots)) DropCurrentSlot(s, slot);
      } while (IsActive(s, slot) && table.nextExceptionRecord() == 0);
    }
  }
  return 0;
}

std::int16_t ApplyGeneralExceptions(std::string_view folder, const BinaryDebugLog& log, SetupWork& s) {
  ExceptionTable table;
  if (const std::int16_t c = table.openExceptionTable(folder, log); c != 0) return c;
  const std::size_t slots = SlotCount(s);
  for (std::size_t slot = 0; slot < slots; ++slot) {
    if (!IsActive(s, slot)) continue;
    const std::int16_t kind = s.kinds[slot];
    if (table.getExceptionRecord(kind, 98, 98) != 0) continue;
    do {
      const ExceptionRecord& r = table.current();
      if (r.kind() != kind || r.originCode() != 98 || r.destinationCode() != 98) break;
      if (r.otherKind() == 0 || OtherSlotHolds(s, slot, r.otherKind(), slots)) DropCurrentSlot(s, slot);
    } while (IsActive(s, slot) && table.nextExceptionRecord() == 0);
  }
  return 0;
}

std::vector<ExceptionName> ReadExceptionNames(std::string_view folder, const BinaryDebugLog& log, const SetupWork& s,
                                              std::string_view code, std::size_t capacity) {
  std::vector<ExceptionName> names;
  std::optional<platform::File> index = OpenTableFile(folder, "TDN.IDX", log);
  std::optional<platform::File> data = OpenTableFile(folder, "TDN.IDA", log);
  const std::optional<PackedZip> zip = PackZip(code);
  if (!index || !data || !zip) return names;
  auto searchKind = [&](std::int16_t kind) {
    const std::optional<std::int64_t> hit =
        FileBinarySearch(*index, ExceptionNameIndexRecord::kSize, [&](std::span<const std::uint8_t> b) {
          ExceptionNameIndexRecord r;
          r.bytes.assign(b);
          if (const int c = std::memcmp(zip->data(), r.zip().data(), 3); c != 0) return c;
          if (kind != r.kind()) return kind < r.kind() ? -1 : 1;
          if (s.version < r.firstVersion()) return -1;
          if (s.version >= r.endVersion()) return 1;
          return 0;
        });
    if (!hit) return;
    ExceptionNameIndexRecord r;
    for (std::int64_t i = *hit; names.size() < capacity && ReadFileRecord(*index, i, r.bytes.bytes()); ++i) {
      if (std::memcmp(r.zip().data(), zip->data(), 3) != 0 || r.kind() != kind) break;
      // The same version rule as the search: the end version is not in range.
      if (!InVersion(r.firstVersion(), r.endVersion(), s.version)) continue;
      std::uint8_t entry[20] = {};
      if (data->readAt(r.nameOffset(), entry) < 1) continue;
      const std::size_t length = std::min<std::size_t>(entry[0], kExceptionNameLength);
      if (length <= 2) continue;
      ExceptionName name;
      std::memcpy(name.key.data(), r.bytes.data(), 5);
      name.name.assign(reinterpret_cast<const char*>(entry + 1), length);
      name.name.resize(kExceptionNameLength, ' ');
      names.push_back(std::move(name));
    }
  };
  for (std::size_t slot = 0; slot < SlotCount(s) && names.size() < capacity; ++slot) {
    if (s.kinds[slot] == 0) continue;
    searchKind(s.kinds[slot]);
    if (s.alternates[slot] != s.kinds[slot] && s.alternates[slot] != 0) searchKind(s.alternates[slot]);
  }
  return names;
}

void ChooseExceptionName(RatingEngine& engine, Rating& rating, bool origin) {
  const LaneSide side = origin ? LaneSide::Origin : LaneSide::Destination;
  ParsedRequest& r = rating.request;
  const std::array<char, 6>& code = origin ? r.originCode : r.destinationCode;
  std::vector<ExceptionName> found =
      ReadExceptionNames(engine.effectivePath, engine.binaryLog, rating.setup, std::string_view(code.data(), 6), 100);
  std::vector<std::string> names;
  for (const ExceptionName& e : found)
    if (std::find(names.begin(), names.end(), e.name) == names.end()) names.push_back(e.name);
  // A code without exception names has nothing to choose from.
  if (names.empty()) return;
  std::string chosen(RequestCity(rating, side));
  if (std::find(names.begin(), names.end(), chosen) == names.end()) {
    std::sort(names.begin(), names.end());
    names.emplace_back(kNoneOfTheAbove);
    const std::size_t index =
        ChooseCity(engine, rating, names, std::string_view(code.data(), 6), side, CityMode::NotFound);
    if (index + 1 >= names.size()) return;
    chosen = names[index];
    SetRequestCity(rating, side, chosen);
  }
  if (std::string_view(code.data(), 5) != "25530") return;
  for (const ExceptionName& e : found) {
    if (e.name != chosen || platform::LoadLittleEndian<std::int16_t>(e.key.data() + 3) != 901) continue;
    SetupWork& s = rating.setup;
    for (std::size_t i = 0; i < s.slotCount && i < s.kinds.size(); ++i)
      if (s.kinds[i] == 906) s.kinds[i] = 901;
  }
}

}  // namespace vorn
