#include "rates/light_edition.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "formats/packed_codes.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "rates/rate_log_kinds.h"
#include "rating/rating.h"

namespace vorn {
namespace {

using Record = platform::ByteRecord<kLightTextRecordSize>;
constexpr std::string_view kBlockEnd = "000";

// Where the fields of the two record forms lie.
struct FormLayout {
  std::size_t size;
  std::size_t keyWidth;   // a ZIP or matrix key: 3 packed bytes, or 5 characters
  std::size_t zip;        // base: first ZIP of the range
  std::size_t endDigits;  // base: the last two digits of the range's end
  std::size_t matrixKey;  // base
  std::size_t addValue;   // base: 3 packed bytes
  std::size_t compared;   // matrix: bytes compared with the key
  std::size_t number;     // matrix: 3 packed bytes
  std::size_t letter;     // matrix
};
constexpr FormLayout kBinary{kLightRecordSize, 3, 2, 5, 6, 9, 8, 8, 11};
constexpr FormLayout kText{kLightTextRecordSize, 5, 2, 7, 9, 14, 12, 12, 15};
static_assert(kBinary.letter < kBinary.size && kText.letter < kText.size && kText.addValue + 3 == kText.size);

const FormLayout& LayoutOf(LightForm form) { return form == LightForm::Text ? kText : kBinary; }

const platform::File& OpenLightFile(RatingEngine& engine, char letter) {
  if (const std::int16_t c = engine.files.open(engine, letter); c != 0) Raise(c);
  const platform::File* file = engine.files.file(letter);
  if (file == nullptr) Raise(OpenErrorOf(letter));
  return *file;
}

// The records [first, last] of the table code (counted from the end of the
// code table); nothing when the code is not listed.
std::optional<SearchBounds> CodeRecords(const platform::File& file, std::string_view code, std::size_t recordSize) {
  std::array<std::uint8_t, light::kCodeTableSize> table{};
  if (file.readAt(0, table) != static_cast<std::ptrdiff_t>(table.size())) return std::nullopt;
  const std::int64_t count = (file.size().value_or(0) - static_cast<std::int64_t>(light::kCodeTableSize)) /
                             static_cast<std::int64_t>(recordSize);
  for (std::size_t i = 0; i < light::kCodeTableEntries; ++i) {
    const std::uint8_t* e = table.data() + i * light::kCodeEntrySize;
    if (std::memcmp(e, code.data(), 2) != 0) continue;
    const std::int64_t first = platform::LoadLittleEndian<std::uint32_t>(e + 2);
    const std::int64_t next = i + 1 < light::kCodeTableEntries
                                  ? platform::LoadLittleEndian<std::uint32_t>(e + light::kCodeEntrySize + 2)
                                  : count;
    return SearchBounds{BoundMode::Records, first, next - 1, static_cast<std::int64_t>(light::kCodeTableSize)};
  }
  return std::nullopt;
}

std::optional<Record> FindRecord(const platform::File& file, std::string_view code, std::size_t recordSize,
                                 const RecordCompare& compare) {
  const std::optional<SearchBounds> bounds = CodeRecords(file, code, recordSize);
  if (!bounds) return std::nullopt;
  const std::optional<std::int64_t> hit = FileRecordIndexSearch({}, file, recordSize, compare, *bounds);
  Record r;
  const std::span<std::uint8_t> bytes = r.bytes().first(recordSize);
  if (!hit || file.readAt(bounds->origin + *hit * static_cast<std::int64_t>(recordSize), bytes) !=
                  static_cast<std::ptrdiff_t>(recordSize))
    return std::nullopt;
  return r;
}

std::string_view Bytes(const Record& r, std::size_t at, std::size_t n) { return std::string_view(r.chars() + at, n); }
std::string_view Bytes(std::span<const std::uint8_t> r, std::size_t at, std::size_t n) {
  return std::string_view(reinterpret_cast<const char*>(r.data()) + at, n);
}

// Keys compare as unsigned bytes.
int CompareKeys(std::string_view a, std::string_view b) {
  return std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
}

std::optional<Record> FindBase(const platform::File& file, std::string_view code, const FormLayout& f,
                               const std::string& key) {
  return FindRecord(file, code, f.size, [&](std::span<const std::uint8_t> r) {
    const std::string_view low = Bytes(r, f.zip, f.keyWidth);
    // The end keeps the first ZIP's 3-digit prefix: its first 3 digits' bytes, then the last two digits.
    const std::string end = std::string(low.substr(0, f.keyWidth - (f.keyWidth == 3 ? 1 : 2))) +
                            std::string(Bytes(r, f.endDigits, f.keyWidth == 3 ? 1 : 2));
    if (CompareKeys(key, low) < 0) return -1;
    if (CompareKeys(key, end) > 0) return 1;
    return 0;
  });
}

// Five digits as the form's key: packed into 3 bytes, or as they stand.
std::optional<std::string> DigitKey(std::string_view digits, const FormLayout& f) {
  if (digits.size() < 5) return std::nullopt;
  for (char c : digits.substr(0, 5))
    if (c < '0' || c > '9') return std::nullopt;
  if (f.keyWidth == 5) return std::string(digits.substr(0, 5));
  std::array<std::uint8_t, 3> packed{};
  PackDigits(packed, digits, 5);
  return std::string(reinterpret_cast<const char*>(packed.data()), 3);
}

// The key of a lane's end: its packed ZIP (or postal prefix), or its ZIP as text.
std::optional<std::string> ZipKey(std::string_view code, const FormLayout& f) {
  if (f.keyWidth == 5) return DigitKey(code, f);
  const std::optional<PackedZip> zip = PackZip(code);
  if (!zip) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(zip->data()), 3);
}

std::string_view CodeOf(const std::array<char, 6>& code) { return std::string_view(code.data(), code.size()); }

std::uint32_t AddValue(const Record& base, const FormLayout& f) {
  return static_cast<std::uint32_t>(
      PackedDigitsValue(base.bytes().subspan(f.addValue, 3), 5).value_or(light::kNoAddValue));
}

std::string MatrixKeyOf(const Record& base, const FormLayout& f) {
  return std::string(Bytes(base, f.matrixKey, f.keyWidth));
}

// The sum of the two ends' add values after a base lookup with the code.
std::int64_t LightSum(RatingEngine& engine, Rating& rating, std::string_view code, LightForm form) {
  LightBaseLookup(engine, rating, code, form);
  const TariffTableWork& t = rating.tables;
  const FormLayout& f = LayoutOf(form);
  std::int64_t sum = 0;
  if (t.hasOriginBase && AddValue(t.originBase, f) != light::kNoAddValue) sum += AddValue(t.originBase, f);
  if (t.hasDestinationBase && AddValue(t.destinationBase, f) != light::kNoAddValue)
    sum += AddValue(t.destinationBase, f);
  return sum;
}

char MatrixThenTable(RatingEngine& engine, Rating& rating, std::string_view code, LightForm form,
                     const std::string& originKey, const std::string& destinationKey) {
  const FormLayout& f = LayoutOf(form);
  const platform::File& file = OpenLightFile(engine, 'K');
  const bool inOrder = engine.currentTariff.tariffType == 'J' || CompareKeys(originKey, destinationKey) <= 0;
  const std::string key =
      std::string(code.substr(0, 2)) + (inOrder ? originKey : destinationKey) + (inOrder ? destinationKey : originKey);
  const std::optional<Record> found = FindRecord(
      file, code, f.size, [&](std::span<const std::uint8_t> r) { return CompareKeys(key, Bytes(r, 0, f.compared)); });
  if (!found) return 0;
  engine.binaryLog.writeBinaryDebug(binary_log::kLightMatrixRecord, found->bytes().first(f.size));
  const std::optional<std::int64_t> number = PackedDigitsValue(found->bytes().subspan(f.number, 3), 5);
  if (!number) Raise(code::kInvalidRateBasisNumber);
  SetKeyRateBasisNumber(rating, *number);
  const char letter = found->charAt(f.letter);
  rating.tables.key.text[RateRecordKey::kRateBasisLetter] = letter;
  ApplyLetteredCode(engine, rating, letter);
  return letter;
}

}  // namespace

std::int64_t KeyRateBasisNumber(const Rating& rating) {
  return static_cast<std::int64_t>(
      platform::PositionalDigits(rating.tables.key.view().substr(RateRecordKey::kRateBasisNumber.offset,
                                                                 RateRecordKey::kRateBasisNumber.width))
          .value);
}

void SetKeyRateBasisNumber(Rating& rating, std::int64_t n) {
  if (n < 0 || n > 99999) Raise(code::kInvalidRateBasisNumber);
  char text[8];
  std::snprintf(text, sizeof text, "%5.5lld", static_cast<long long>(n));
  std::memcpy(rating.tables.key.text.data() + RateRecordKey::kRateBasisNumber.offset, text, 5);
}

std::optional<std::int32_t> NumberTableValue(const RatingEngine& engine, std::int64_t number, bool lastWhenNone) {
  const std::vector<std::array<std::int32_t, 2>>& list = engine.factors.cityAddOns;
  auto entry =
      std::find_if(list.begin(), list.end(), [&](const std::array<std::int32_t, 2>& e) { return e[0] >= number; });
  if (entry == list.end()) {
    if (!lastWhenNone || list.empty()) return std::nullopt;
    --entry;
  }
  if ((*entry)[1] <= 0) return std::nullopt;
  return (*entry)[1];
}

std::array<std::uint8_t, 3> PackedAddValue(const Rating& rating, bool origin, LightForm form) {
  const TariffTableWork& t = rating.tables;
  std::array<std::uint8_t, 3> packed{};
  if (!(origin ? t.hasOriginBase : t.hasDestinationBase)) return packed;
  const Record& base = origin ? t.originBase : t.destinationBase;
  if (AddValue(base, LayoutOf(form)) == light::kNoAddValue) return packed;
  std::memcpy(packed.data(), base.data() + LayoutOf(form).addValue, packed.size());
  return packed;
}

void LoadLetteredCodeTable(RatingEngine& engine) {
  const platform::File& file = OpenLightFile(engine, 'B');
  LetteredCodeTable& table = engine.letteredCodes;
  table.reset();
  const std::int64_t size = file.size().value_or(0);
  const std::int64_t entrySize = static_cast<std::int64_t>(LetteredCodeTable::kEntrySize);
  auto groupAt = [&](std::int64_t k, std::array<std::uint8_t, LetteredCodeTable::kEntrySize>& e) {
    const std::int64_t at = size - entrySize * (k + 1);
    return at >= 0 && file.readAt(at, e) == entrySize;
  };
  // Backwards from the end: the closing entry, then the opening one.
  std::optional<std::int64_t> closing, opening;
  std::array<std::uint8_t, LetteredCodeTable::kEntrySize> e{};
  for (std::int64_t k = 0; k < static_cast<std::int64_t>(light::kMaxBlockSteps) && groupAt(k, e); ++k) {
    if (std::string_view(reinterpret_cast<const char*>(e.data()) + 6, 3) != kBlockEnd) continue;
    if (!closing) {
      closing = k;
      continue;
    }
    if (e[0] == 'X') opening = k;
    break;
  }
  if (closing && opening && *opening - *closing <= static_cast<std::int64_t>(LetteredCodeTable::kEntries)) {
    const std::size_t count = static_cast<std::size_t>(*opening - *closing);
    std::vector<std::uint8_t> entries(count * LetteredCodeTable::kEntrySize);
    if (file.readAt(size - entrySize * *opening, entries) == static_cast<std::ptrdiff_t>(entries.size())) {
      table.load(entries);
      if (table.letter(count - 1) == 'X') table.setLetter(count - 1, '*');
    }
  }
  engine.binaryLog.writeBinaryDebug(binary_log::kLetteredCodeTable, table.bytes().bytes());
}

void ApplyLetteredCode(RatingEngine& engine, Rating& rating, char letter) {
  const LetteredCodeTable& table = engine.letteredCodes;
  std::size_t i = 0;
  while (i < LetteredCodeTable::kEntries && table.letter(i) != letter && table.letter(i) != '*') ++i;
  if (i == LetteredCodeTable::kEntries) Raise(code::kLightTableCodeBad);
  if (table.letter(i) == '*') return;
  const std::string_view number = rating.tables.key.view().substr(RateRecordKey::kRateBasisNumber.offset +
                                                                  (engine.currentTariff.tariffType == 'J' ? 1 : 0));
  auto fits = [&](std::size_t j) {
    const std::string_view prefix = platform::TrimTrailingBlanks(table.code(j));
    return prefix.size() <= number.size() && prefix <= number.substr(0, prefix.size());
  };
  while (i + 1 < LetteredCodeTable::kEntries && table.letter(i + 1) == letter && fits(i + 1)) ++i;
  std::memcpy(rating.tables.key.text.data(), table.number(i).data(), 3);
  const char flag = table.flag(i);
  rating.tables.substitutionFlag = flag == 'Y'   ? substitution::kYes
                                   : flag == 'N' ? substitution::kNo
                                                 : substitution::kNoEntry;
}

void LightBaseLookup(RatingEngine& engine, Rating& rating, std::string_view code, LightForm form) {
  const FormLayout& f = LayoutOf(form);
  const platform::File& file = OpenLightFile(engine, 'B');
  TariffTableWork& t = rating.tables;
  const ParsedRequest& r = rating.request;
  std::memcpy(engine.lightEditionCode.data(), code.data(), 2);
  struct End {
    const std::array<char, 6>& code;
    Record& base;
    bool& found;
    std::uint32_t kind;
  };
  for (End end : {End{r.originCode, t.originBase, t.hasOriginBase, binary_log::kLightOriginBase},
                  End{r.destinationCode, t.destinationBase, t.hasDestinationBase, binary_log::kLightDestinationBase}}) {
    end.base = {};
    end.found = false;
    const std::optional<std::string> key =
        code[0] == 'C' ? DigitKey(t.key.view().substr(RateRecordKey::kRateBasisNumber.offset, 5), f)
                       : ZipKey(CodeOf(end.code), f);
    if (!key) continue;
    if (const std::optional<Record> found = FindBase(file, code, f, *key)) {
      end.base = *found;
      end.found = true;
      engine.binaryLog.writeBinaryDebug(end.kind, found->bytes().first(f.size));
    }
  }
}

char LightMatrixLookup(RatingEngine& engine, Rating& rating, std::string_view code, LightForm form) {
  const FormLayout& f = LayoutOf(form);
  return MatrixThenTable(engine, rating, code, form, MatrixKeyOf(rating.tables.originBase, f),
                         MatrixKeyOf(rating.tables.destinationBase, f));
}

char RateLiteTariff(RatingEngine& engine, Rating& rating, char kindLetter, LightForm form) {
  TariffTableWork& t = rating.tables;
  const FormLayout& f = LayoutOf(form);
  switch (kindLetter) {
    case 'A': {
      LightBaseLookup(engine, rating, "A1", form);
      if (const char letter = LightMatrixLookup(engine, rating, "A1", form)) return letter;
      LightBaseLookup(engine, rating, "A2", form);
      return LightMatrixLookup(engine, rating, "A2", form);
    }
    case 'C': LightBaseLookup(engine, rating, "C ", form); return 0;
    case 'D':
    case 'F': {
      const std::string code{kindLetter, ' '};
      LightBaseLookup(engine, rating, code, form);
      std::string originKey = MatrixKeyOf(t.originBase, f), destinationKey = MatrixKeyOf(t.destinationBase, f);
      // One end without a base record stands for its ZIP's "%3.3s99" key.
      if (t.hasOriginBase != t.hasDestinationBase) {
        const std::array<char, 6>& missing =
            t.hasOriginBase ? rating.request.destinationCode : rating.request.originCode;
        if (const std::optional<std::string> k = DigitKey(std::string(missing.data(), 3) + "99", f))
          (t.hasOriginBase ? destinationKey : originKey) = *k;
      }
      return MatrixThenTable(engine, rating, code, form, originKey, destinationKey);
    }
    case 'E': {
      LightBaseLookup(engine, rating, "E ", form);
      const int ends = (t.hasOriginBase && t.originBase.charAt(0) == 'E') +
                       (t.hasDestinationBase && t.destinationBase.charAt(0) == 'E');
      SetKeyRateBasisNumber(rating, KeyRateBasisNumber(rating) + 70 * ends);
      return 0;
    }
    case 'H': {
      const std::int64_t sum = LightSum(engine, rating, "H ", form);
      const char letter = LightMatrixLookup(engine, rating, "H ", form);
      std::int64_t add = sum;
      if (MatrixKeyOf(t.originBase, f) == MatrixKeyOf(t.destinationBase, f)) {
        ApplyLetteredCode(engine, rating, t.key.letter());
        add = NumberTableValue(engine, sum, false).value_or(sum);
      }
      SetKeyRateBasisNumber(rating, KeyRateBasisNumber(rating) + add);
      return letter;
    }
    case 'J': {
      char letter = 0;
      const RateRecord& record = rating.rates.rateRecord;
      if (!record.hasSubRecords()) {
        LightBaseLookup(engine, rating, "J2", form);
        letter = LightMatrixLookup(engine, rating, "J ", form);
      } else {
        SetKeyRateBasisNumber(
            rating, static_cast<std::int64_t>(
                        platform::PositionalDigits(record.field(RateRecord::kSubRecordField).substr(1)).value));
      }
      SetKeyRateBasisNumber(rating, KeyRateBasisNumber(rating) + LightSum(engine, rating, "J1", form));
      return letter;
    }
    default: return 0;
  }
}

int RateLiteStep(RatingEngine& engine, Rating& rating, char kindLetter, std::int32_t& value, LightForm form) {
  LoadLetteredCodeTable(engine);
  TariffTableWork& t = rating.tables;
  switch (kindLetter) {
    case 'B':
      LightBaseLookup(engine, rating, "B ", form);
      return t.hasOriginBase && t.hasDestinationBase && LightMatrixLookup(engine, rating, "B ", form) != 0 ? 1 : 0;
    case 'C': LightBaseLookup(engine, rating, "C ", form); return 0;
    case 'M': {
      std::int64_t v = value + LightSum(engine, rating, "M ", form);
      SetKeyRateBasisNumber(rating, v);
      t.key.text[RateRecordKey::kRateBasisLetter] = kindLetter;
      std::array<char, 3> group{};
      std::memcpy(group.data(), t.key.text.data(), 3);
      ApplyLetteredCode(engine, rating, kindLetter);
      if (std::string_view(t.key.text.data(), 3) == kBlockEnd) std::memcpy(t.key.text.data(), group.data(), 3);
      if (const std::optional<std::int32_t> listed = NumberTableValue(engine, v, true)) {
        v = *listed;
        SetKeyRateBasisNumber(rating, v);
      }
      value = static_cast<std::int32_t>(v);
      return 0;
    }
    default: return 0;
  }
}

}  // namespace vorn
