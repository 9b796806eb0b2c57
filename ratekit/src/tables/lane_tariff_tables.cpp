#include "tables/lane_tariff_tables.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "context/context_fields.h"
#include "platform/kernel/file.h"

namespace ratekit {
namespace {

constexpr std::size_t kBaseRecordSize = 15;
constexpr platform::FieldSpan kLowKey{0, 5}, kHighKey{5, 5}, kBaseCode{10, 5};
constexpr std::size_t kTariffRecordSize = 18;
constexpr platform::FieldSpan kBasePair{0, 10}, kLaneTariff{10, 8};
constexpr std::size_t kKeyLength = 5;

// A table read whole: its records, in file order.
class RecordTable {
 public:
  RecordTable() = default;
  RecordTable(std::vector<std::uint8_t> bytes, std::size_t recordSize)
      : bytes_(std::move(bytes)), recordSize_(recordSize) {}
  std::size_t size() const { return recordSize_ == 0 ? 0 : bytes_.size() / recordSize_; }
  std::string_view field(std::size_t i, platform::FieldSpan f) const {
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + recordSize_ * i + f.offset, f.width);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t recordSize_ = 0;
};

struct LaneTables {
  std::optional<RecordTable> bases, tariffs;
  std::array<char, kKeyLength> originBase{}, destinationBase{};
  bool basesFound = false;
};

LaneTables& Tables() {
  static LaneTables tables;
  return tables;
}

std::optional<RecordTable> ReadTable(const RatingContextView& record, std::string_view extension,
                                     std::size_t recordSize) {
  std::optional<std::vector<std::uint8_t>> bytes = platform::ReadWholeFile(DataSetFilePath(record, extension));
  if (!bytes) return std::nullopt;
  return RecordTable(std::move(*bytes), recordSize);
}

int Compare(std::string_view a, std::string_view b) {
  return std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
}

// The base code of the .CBS range holding the key: below a record's low
// key the search goes down, at or below its high key it is found, else up.
std::optional<std::string_view> BaseCodeOf(const RecordTable& bases, std::string_view key) {
  std::size_t low = 0, high = bases.size();
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (Compare(key, bases.field(mid, kLowKey)) < 0) {
      high = mid;
    } else if (Compare(key, bases.field(mid, kHighKey)) <= 0) {
      return bases.field(mid, kBaseCode);
    } else {
      low = mid + 1;
    }
  }
  return std::nullopt;
}

}  // namespace

void LoadLaneTariffTables(RatingContextView& record) {
  LaneTables& t = Tables();
  record.setChar(context::kLaneTariffTablesLoaded.offset, 'N');
  t = LaneTables{};
  t.bases = ReadTable(record, ".CBS", kBaseRecordSize);
  if (!t.bases) return;
  t.tariffs = ReadTable(record, ".CMT", kTariffRecordSize);
  if (t.tariffs) record.setChar(context::kLaneTariffTablesLoaded.offset, 'Y');
}

void FreeLaneTariffTables() { Tables() = LaneTables{}; }

int FindBaseCodes(const RatingContextView& record) {
  LaneTables& t = Tables();
  t.basesFound = false;
  if (!t.bases) return 0;
  const auto origin =
      BaseCodeOf(*t.bases, record.text(shipment_point::Of(0, shipment_point::kCode)).substr(0, kKeyLength));
  const auto destination =
      BaseCodeOf(*t.bases, record.text(shipment_point::Of(1, shipment_point::kCode)).substr(0, kKeyLength));
  if (!origin || !destination) return 0;
  std::memcpy(t.originBase.data(), origin->data(), kKeyLength);
  std::memcpy(t.destinationBase.data(), destination->data(), kKeyLength);
  t.basesFound = true;
  return 1;
}

int FindLaneTariff(RatingContextView& record) {
  const LaneTables& t = Tables();
  if (!t.tariffs || !t.basesFound) return 0;
  std::array<char, 2 * kKeyLength> pair;
  std::memcpy(pair.data(), t.originBase.data(), kKeyLength);
  std::memcpy(pair.data() + kKeyLength, t.destinationBase.data(), kKeyLength);
  const std::string_view key(pair.data(), pair.size());
  std::size_t low = 0, high = t.tariffs->size();
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const int order = Compare(key, t.tariffs->field(mid, kBasePair));
    if (order == 0) {
      record.setText(context::kTariffName, t.tariffs->field(mid, kLaneTariff));
      return 1;
    }
    if (order < 0) {
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return 0;
}

}  // namespace ratekit
