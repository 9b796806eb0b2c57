#include "rates/rate_record_fetch.h"

#include <array>
#include <cstring>

#include "common/version_number.h"
#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "rates/rate_basis_adjustment.h"
#include "rates/rate_file.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::string_view kIndexEnd = rate_file::kIndexMark;
constexpr std::string_view kSubstituteSuffix = "2A";

std::string_view KeyOf(const RateIndexEntry& e) { return std::string_view(e.key.data(), e.key.size()); }

// The byte range of the index that holds the group code.
struct ByteRange {
  std::int64_t start;
  std::int64_t end;
};

ByteRange IndexRangeOf(const std::vector<RateIndexEntry>& index, std::string_view group, std::int64_t fileSize) {
  if (index.size() < 2) return {0, fileSize};
  std::size_t i = 1;
  while (i < index.size() && KeyOf(index[i]) != kIndexEnd && KeyOf(index[i]) <= group) ++i;
  const std::int64_t start = index[i - 1].offset;
  // An index without its end entry, or with an offset past the records,
  // ends where the records end.
  const std::int64_t end = i < index.size() ? std::min<std::int64_t>(index[i].offset, fileSize) : fileSize;
  return {start, end};
}

void SearchIndexedRange(RatingEngine& engine, Rating& rating, std::size_t recordLength, KeyCompare mode) {
  if (recordLength == 0) Raise(code::kInvalidTariffType);
  const platform::File& file = OpenRateFile(engine);
  const std::string_view key = rating.tables.key.view();
  const ByteRange range = IndexRangeOf(engine.files.rateIndex(), key.substr(0, 3), RateRecordsEnd(file));
  if (range.start < 0 || range.start >= range.end) Raise(code::kCantReadRateFile);
  const RecordCompare compare = [&](std::span<const std::uint8_t> r) {
    const std::string_view head(reinterpret_cast<const char*>(r.data()), std::min<std::size_t>(r.size(), key.size()));
    if (mode == KeyCompare::FirstNotBelow) return key <= head ? 0 : 1;
    return key < head ? -1 : key > head ? 1 : 0;
  };
  std::array<std::uint8_t, 3> prefix{};
  std::memcpy(prefix.data(), key.data(), 3);
  const std::optional<std::int64_t> hit = FileRecordIndexSearch(prefix, file, recordLength, compare,
                                                                SearchBounds{BoundMode::Bytes, range.start, range.end});
  if (!hit) Raise(code::kCantReadRateFile);
  ReadRateRecordAt(engine, rating, *hit, recordLength);
}

void MakeCurrent(RatingEngine& engine, std::size_t position) {
  if (const std::int16_t c = engine.effective.loadTariffForEntry(position, engine.currentTariff, EngineVersionNumber());
      c != 0)
    Raise(c);
}

// Chooses the substitute of the current tariff and makes it current.
void SwitchToSubstitute(RatingEngine& engine, Rating& rating, std::string_view suffix) {
  CurrentTariff& t = engine.currentTariff;
  if (std::string_view(t.substituteSuffix.data(), 2) != "00") {
    t.tariffType = t.substituteType;
    std::memcpy(t.laneDigitsAndName.data() + 2 + 6, t.substituteSuffix.data(), 2);  // name characters 7-8
    return;
  }
  const std::string wantedName = std::string(t.name().substr(0, 6)) + std::string(suffix.substr(0, 2));
  const std::span<const EffectiveRecord> records = engine.effective.records();
  for (std::size_t i = records.size(); i-- > 0;) {
    const EffectiveRecord& e = records[i];
    if (e.kind != 2 || e.date > rating.request.shipDate || e.nameView() != wantedName) continue;
    const EffectiveRecord found = e;
    // Every entry alike to it becomes current in turn; the last one stays.
    for (std::size_t j = 0; j < engine.effective.records().size(); ++j) {
      const EffectiveRecord& a = engine.effective.records()[j];
      if (a.kind == found.kind && a.date == found.date && a.country == found.country && a.letter == found.letter)
        MakeCurrent(engine, j);
    }
    return;
  }
}

}  // namespace

std::size_t ReloadTariff(RatingEngine& engine, Rating& rating, std::string_view suffix) {
  SwitchToSubstitute(engine, rating, suffix);
  // Seen now, so that the driver's change test does not close its files again.
  engine.files.closeOnTariffChange(engine.currentTariff);
  engine.files.close('R');
  OpenRateFile(engine);
  engine.files.close('F');
  if (const std::int16_t c = engine.steps->prepareWorkTables(engine, rating); c != 0) Raise(c);
  return CurrentRateRecordLength(engine);
}

void LoadRateByTariffType(RatingEngine& engine, Rating& rating, std::size_t recordLength) {
  TariffTableWork& t = rating.tables;
  std::size_t n = recordLength;
  if (t.substitutionFlag == substitution::kYes) n = ReloadTariff(engine, rating, kSubstituteSuffix);
  const bool noLightEntry = t.substitutionFlag == substitution::kNoEntry;
  switch (const char letter = t.key.letter()) {
    case 'A':
      if (noLightEntry && t.key.text[RateRecordKey::kRateBasisNumber.offset + 1] >= '1')
        n = ReloadTariff(engine, rating, kSubstituteSuffix);
      FindTableEntry(engine, rating, n);
      break;
    case 'B':
    case 'D':
    case 'E':
    case 'F':
    case 'K':
      if (letter == 'F' && noLightEntry) n = ReloadTariff(engine, rating, kSubstituteSuffix);
      FindTableEntry(engine, rating, n);
      break;
    case 'H': {
      // Searched with the first rate-basis digit taken as '0'; the record
      // read carries the digit back in its byte 4.
      char& digit = t.key.text[RateRecordKey::kRateBasisNumber.offset];
      const char kept = digit;
      digit = '0';
      try {
        FindTableEntry2(engine, rating, n);
      } catch (...) {
        digit = kept;
        throw;
      }
      digit = kept;
      t.savedKeyCharacter = kept;
      rating.rates.rateRecord.setByte(RateRecord::kVariantDigit, static_cast<std::uint8_t>(kept));
      break;
    }
    default: FindTableEntry2(engine, rating, n); break;
  }
  const RateRecord& record = rating.rates.rateRecord;
  if (!record.hasSubRecords()) return;
  const std::optional<std::uint32_t> own = record.fourDigitNumber();
  const std::optional<std::uint32_t> wanted = AdjustedRateBasisKey(engine, rating, record);
  if (!wanted && !own) Raise(code::kCantReadRateFile);
  StepToRateKey(engine, rating, rating.rates.rateRecordIndex, n, wanted ? *wanted : *own);
}

void FetchLetterBRate(RatingEngine& engine, Rating& rating, std::size_t recordLength) {
  const std::uint8_t flag = rating.tables.substitutionFlag;
  std::size_t n = recordLength;
  if (flag == substitution::kYes || (flag == substitution::kNoEntry && rating.tables.key.letter() == 'B'))
    n = ReloadTariff(engine, rating, kSubstituteSuffix);
  FindTableEntry(engine, rating, n);
}

void FindTableEntry(RatingEngine& engine, Rating& rating, std::size_t recordLength) {
  SearchIndexedRange(engine, rating, recordLength, KeyCompare::FirstNotBelow);
}

void FindTableEntry2(RatingEngine& engine, Rating& rating, std::size_t recordLength) {
  const char type = engine.currentTariff.tariffType;
  SearchIndexedRange(engine, rating, recordLength, type == 'J' ? KeyCompare::Exact : KeyCompare::FirstNotBelow);
}

}  // namespace vorn
