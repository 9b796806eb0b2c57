#include "fuzz_inputs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "sample_shipment.h"
#include "vorn32/vorn32.h"

namespace vorn::fuzz {

std::filesystem::path FuzzDataDirectory() {
  if (const char* overridden = std::getenv("QIV_FUZZ_DATA"); overridden != nullptr && *overridden != '\0') {
    return overridden;
  }
  return QIV_FUZZ_DATA_DIR;
}

std::vector<std::string> FileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string RecordFromInput(const std::uint8_t* data, std::size_t size) {
  std::string record(kRecordSize, '\0');
  std::fill(record.begin(), record.begin() + 976, ' ');
  std::memcpy(record.data(), data, std::min(size, kRecordSize));
  return record;
}

std::vector<std::string> SampleRequests() {
  std::vector<std::string> records;
  for (const std::string& name : FileNames(QIV_FUZZ_SHIPMENTS_DIR)) {
    const rate_tool::ShipmentBytes bytes =
        rate_tool::LoadSampleShipment(std::string(QIV_FUZZ_SHIPMENTS_DIR) + "/" + name);
    records.emplace_back(bytes.data(), bytes.size());
  }
  return records;
}

std::vector<std::string> SeedRequests() {
  std::vector<std::string> records = SampleRequests();
  if (records.empty()) return records;
  // Request fields: byte 9 the city-list request ('F' lists the cities),
  // 10 the mode, 11 the tariff (8), 194 discounts on, 214 the discount kind.
  std::string chosen = records.front();
  chosen.replace(10, 9, "0        ");
  std::string cities = records.front();
  cities.replace(9, 1, "F");
  std::string rateDiscounts = records.front();
  rateDiscounts.replace(194, 1, "Y").replace(214, 1, "R");
  records.insert(records.end(), {chosen, cities, rateDiscounts});
  return records;
}

void RateWithCandidates(const std::string& record) {
  std::vector<char> buffer(16 + kCandidatesCapacity, '\0');
  std::memcpy(buffer.data(), &kCandidatesCapacity, sizeof kCandidatesCapacity);
  std::string copy = record;
  Vorn_RateShipment2(copy.data(), buffer.data());
}

void RateWithoutCandidates(const std::string& record) {
  std::string copy = record;
  Vorn_RateShipment(copy.data());
}

}  // namespace vorn::fuzz
