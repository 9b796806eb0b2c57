#include "package/package_tariff_fixture.h"

#include <cstring>

namespace vorn::testing {
namespace {

constexpr int kEntries = 172;  // of a 526-byte record
constexpr int kRecords = 14 * 5;

std::string Entries(const std::map<int, int>& set) {
  std::string text;
  int last = set.empty() ? 0 : set.rbegin()->first;
  for (int i = 0; i <= last && i < kEntries; ++i) {
    const auto it = set.find(i);
    text += (i ? " " : "") + std::to_string(it == set.end() ? 0 : it->second);
  }
  return text.empty() ? "0" : text;
}

}  // namespace

std::string PackageTariff(const PackageTariffOptions& o) {
  std::map<int, std::map<int, int>> records;
  records[0] = {{0, o.kind}, {1, o.largestWeight}, {2, o.defaultTier}, {3, o.version}};
  std::map<int, int>& gnd = records[16];
  gnd = {{0, 20}, {5, 100}};
  for (int w = 1; w <= 150; ++w) gnd[20 + w] = 500 + 10 * w;
  records[17] = {{0, 30}, {31, 900}, {32, 800}, {33, 600}, {35, 850}, {36, 750}, {37, 550}};
  std::map<int, int>& e1a = records[30];
  e1a = {{0, 20}, {5, 100}, {10, 800}};
  for (int w = 0; w <= 150; ++w) e1a[20 + w] = 2000 + 100 * w;
  records[31] = {{0, 30}, {7, 20}, {30, 60}, {31, 40}, {32, 30}, {33, 55}, {34, 35}, {35, 25}};
  for (const auto& [record, set] : o.entries)
    for (const auto& [entry, value] : set) records[record][entry] = value;

  std::string text = R"(
efcrec
  record type=0 letter=P name=TSTPKG01
)" + o.moreTariffs + R"(
tds
  entry
tda
  state
package-codes tariff=TSTPKG01
  code kind=1 code=OUR detail="YOUR PACKAGING"
  code kind=1 code=ELT detail="LETTER"
  code kind=2 code=DPS detail="DAILY PICKUP"
  code kind=2 code=OCA detail="CUSTOMER COUNTER"
  code kind=3 code=GND detail="12 GROUND"
)";
  for (const std::string& code : o.moreCodes) text += "  code " + code + "\n";
  text += R"(
factor tariff=TSTPKG01
  sets numbers=1
  classes codes="GND E1A G3D X9X"
  breaks weights=0
  class-factors
  break-factors
  sets numbers="1 2"
  classes codes=E1A
  breaks weights="500 200 100"
  class-factors values="1.0 1.0"
  break-factors values="1.0 1.0 1.0 1.0 1.0 1.0"
  sets numbers="1 2"
  classes codes="GND G3D"
  breaks weights="200 100 0"
  class-factors values="1.0 1.0 1.0 1.0"
  break-factors values="1.0 1.0 1.0 1.0 1.0 1.0"
points tariff=TSTPKG01
  point low=10001 high=10099 number=1
  point low=60601 high=60699 number=2
  point low=90001 high=90099 number=3
  width value=0
matrix raw tariff=TSTPKG01
  pair a=1 b=1 value=0
  pair a=2 b=2 value=0
  pair a=1 b=2 value=2
  pair a=2 b=3 value=4
  pair a=1 b=3 value=3
points-service tariff=TSTPKG01
  header letter=I
  range low=60000 high=60999 letter=D
rates tariff=TSTPKG01
)";
  for (int r = 0; r < kRecords; ++r) {
    const auto it = records.find(r);
    const int zone = (r % 14) / 2 * 2;
    text += "  record group=PKG number=0000" + std::to_string(zone % 10) + " letter=S entries=\"" +
            Entries(it == records.end() ? std::map<int, int>{} : it->second) + "\"\n";
  }
  return text;
}

std::string PackageRequest::Pad(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

PackageRequest::PackageRequest(std::initializer_list<std::string_view> weights) : bytes_(52 + 10 * 99, ' ') {
  at(2, "TSTPKG01").at(10, "06-15-2024").lane("10001", "60601").at(40, "000000").tier('N');
  at(50, std::string(1, static_cast<char>('0' + weights.size() / 10)) + static_cast<char>('0' + weights.size() % 10));
  std::size_t n = 0;
  for (std::string_view w : weights) at(52 + 10 * n++, Pad(w, 10));
}

PackageRequest& PackageRequest::at(std::size_t offset, std::string_view text) {
  std::memcpy(bytes_.data() + offset, text.data(), text.size());
  return *this;
}

}  // namespace vorn::testing
