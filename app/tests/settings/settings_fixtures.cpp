#include "settings_fixtures.h"

namespace qiv::settings::testing {

std::string Lines(const std::vector<CodeRange>& lines) {
  std::string text;
  for (const CodeRange& r : lines) {
    if (!text.empty()) text += ' ';
    text.append(r.from.begin(), r.from.end());
    text.append(r.to.begin(), r.to.end());
  }
  return text;
}

PostalTable PostalTable::Sample() {
  return PostalTable({{"QC", "G0A", "J9Z"},
                      {"ON", "K0A", "P9Z"},
                      {"MB", "R0A", "R9Z"},
                      {"BC", "V0A", "V9Z"},
                      {"YY", "X0A", "X9Z"},
                      {"XX", "Y0A", "Y9Z"}});
}

PostalTable PostalTable::Ontario() { return PostalTable({{"ON", "K0A", "P9Z"}}); }

UsablePrefix PostalTable::usable() const {
  return [rows = rows_](std::string_view prefix) {
    for (const Row& r : rows) {
      if (r.low <= prefix && prefix <= r.high) return r.state != "YY" && r.state != "XX";
    }
    return false;
  };
}

}  // namespace qiv::settings::testing

#include <cstring>
#include <fstream>
#include <iterator>

#include "ratekit/rating_context.h"

namespace qiv::settings::testing {
namespace {
namespace pr = ratekit::profile_record;
namespace ze = ratekit::zip_discount_entry;
}  // namespace

std::vector<std::uint8_t> ProfileBytes(std::string_view name, char marker, const std::vector<EntryBounds>& entries) {
  std::vector<std::uint8_t> record(pr::kSize, 0);
  std::memcpy(record.data(), name.data(), std::min(name.size(), pr::kName.width));
  record[pr::kDiscountKind.offset] = static_cast<std::uint8_t>(marker);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::uint8_t* entry = record.data() + pr::kZipDiscounts.offset + i * ze::kSize;
    auto put = [&](platform::FieldSpan field, const std::string& text) {
      std::memcpy(entry + field.offset, text.data(), std::min(text.size(), field.width));
    };
    put(ze::kOriginFrom, entries[i].originFrom);
    put(ze::kOriginTo, entries[i].originTo);
    put(ze::kDestinationFrom, entries[i].destinationFrom);
    put(ze::kDestinationTo, entries[i].destinationTo);
  }
  const std::int32_t count = static_cast<std::int32_t>(entries.size());
  std::memcpy(record.data() + pr::kZipDiscountCount.offset, &count, sizeof count);
  return record;
}

std::vector<std::uint8_t> ProfileFile(const std::vector<std::vector<std::uint8_t>>& records) {
  std::vector<std::uint8_t> file;
  for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
  return file;
}

std::string NamesIn(const std::vector<std::uint8_t>& file) {
  std::string names;
  for (std::size_t at = 0; at + pr::kSize <= file.size(); at += pr::kSize) {
    if (!names.empty()) names += ' ';
    names += reinterpret_cast<const char*>(file.data() + at);
    names += ':';
    names += static_cast<char>(file[at + pr::kDiscountKind.offset]);
  }
  return names;
}

std::string FilesIn(const std::filesystem::path& directory) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    files[entry.path().filename().string()] =
        std::to_string(bytes.size()) + " " + std::to_string(std::hash<std::string>{}(bytes));
  }
  std::string text;
  for (const auto& [name, what] : files) text += name + " " + what + "\n";
  return text;
}

}  // namespace qiv::settings::testing
