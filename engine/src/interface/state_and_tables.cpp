#include "interface/state_and_tables.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "common/version_number.h"
#include "directory/directory_lookups.h"
#include "engine_state/load_factor_file.h"
#include "engine_state/rating_engine.h"
#include "request/request_parse.h"

namespace vorn {

std::optional<std::string> StateOfCode(RatingEngine& engine, std::string_view code) {
  if (code.size() >= 6 && IsMexicanCode(std::span<const char, 6>(code.data(), 6))) return "MX";
  ZipRangeRecord record;
  if (GetZipRangeRecord(engine.effectivePath, engine.binaryLog, code, std::nullopt, record) != 0) return std::nullopt;
  if (!ZipInRange(code, record)) return std::nullopt;
  const std::string state = engine.states.lookupStateCode(record.regionCode());
  if (state == "**") return std::nullopt;
  return state;
}

bool FillTariffTables(RatingEngine& engine, char* buffer) {
  std::array<char, 10> dateText;
  std::memcpy(dateText.data(), buffer + 212, dateText.size());
  DateKey date;
  if (ParseDateText(date, dateText) != 0) return false;
  const std::string_view name(buffer + 204, 8);

  const auto records = engine.effective.records();
  auto find = [&](std::uint16_t skippedKind) -> std::optional<std::size_t> {
    for (std::size_t i = records.size(); i-- > 0;)
      if (records[i].kind != skippedKind && records[i].date <= date && records[i].nameView() == name) return i;
    return std::nullopt;
  };
  std::optional<std::size_t> position = find(2);
  if (!position) position = find(1);
  if (!position) return false;
  if (engine.effective.loadTariffForEntry(*position, engine.currentTariff, EngineVersionNumber()) != 0) return false;

  engine.files.close('F');
  ClassBreakWork tables;
  const std::int16_t result = LoadFactorFile(engine, tables);
  engine.files.close('F');
  if (result != 0) return false;
  std::memset(buffer, 0, 204);
  for (std::size_t c = 0; c < kMaxClasses; ++c) std::memcpy(buffer + 6 * c, tables.classCodes[c].data(), 6);
  for (std::size_t b = 0; b < kMaxBreaks; ++b)
    platform::StoreLittleEndian<std::int32_t>(reinterpret_cast<std::uint8_t*>(buffer) + 120 + 4 * b,
                                              tables.breakWeights[b]);
  platform::StoreLittleEndian<std::int16_t>(reinterpret_cast<std::uint8_t*>(buffer) + 200, tables.classCount);
  platform::StoreLittleEndian<std::int16_t>(reinterpret_cast<std::uint8_t*>(buffer) + 202, tables.breakCount);
  return true;
}

}  // namespace vorn
