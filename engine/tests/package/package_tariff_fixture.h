// Test support: a package tariff TSTPKG01 (type 0, tariff letter 'P',
// dated 01-01-2024) as the data-set builder writes it, and requests of it.
//
// Codes (.T): packagings OUR and ELT, drop-offs DPS and OCA, the service
// GND (tiers 1 and 2). Factor sections: 1 the services GND, E1A, G3D and
// X9X (positions 1 to 4); 2 the 'E' services, tiers 1 and 2, breaks 100,
// 200, 500; 3 the 'G' services, tier 1 and 2, breaks 0, 100, 200.
// Points: 10001 is 1, 60601 is 2, 90001 is 3; zones (matrix cells): 1-1
// and 2-2 zone 0, 1-2 zone 2, 2-3 zone 4, 1-3 the odd cell 3 (written raw:
// the builder refuses it). Point
// services: 60000-60999 direct, the rest indirect.
// Rate records (526 bytes, 172 entries): record 0 the header; GND's
// service record in zone 2 (record 16): base 20, the rate of w pounds
// 500 + 10 w, hundredweight from 100 pounds; its hundredweight record (17):
// base 30, tier rows {minimum, rates at 0, 100, 200} = {0, 900, 800, 600}
// and {0, 850, 750, 550}. E1A's in zone 2 (30): base 20, 2000 + 100 w, a
// letter limit of 800 (half a pound); its hundredweight record (31): base
// 30, tier rows {60, 40, 30} and {55, 35, 25}, 20 pounds a package for the
// minimum. Every record's head "PKG 0000zS" carries its zone.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::testing {

struct PackageTariffOptions {
  int kind = 1;
  int largestWeight = 150;
  int defaultTier = 1;
  int version = 1;
  // Entries to set beyond the defaults: record -> entry -> value.
  std::map<int, std::map<int, int>> entries;
  // More records of EFCREC.TBL, and .T records after the five above.
  std::string moreTariffs;
  std::vector<std::string> moreCodes;
};

std::string PackageTariff(const PackageTariffOptions& options = {});

// A PackageRequest: the tariff, 06-15-2024, 10001 to 60601, blank codes,
// no surcharge, tier 'N', the weights given.
class PackageRequest {
 public:
  explicit PackageRequest(std::initializer_list<std::string_view> weights = {"5"});
  PackageRequest& at(std::size_t offset, std::string_view text);
  PackageRequest& service(std::string_view code) { return at(46, code); }
  PackageRequest& packaging(std::string_view code) { return at(36, code); }
  PackageRequest& dropoff(std::string_view code) { return at(33, code); }
  PackageRequest& tier(char t) { return at(49, std::string(1, t)); }
  PackageRequest& count(std::string_view two) { return at(50, two); }
  PackageRequest& lane(std::string_view origin, std::string_view destination) {
    return at(20, Pad(origin, 6)).at(26, Pad(destination, 6));
  }
  PackageRequest& surcharge(char type, std::string_view six) { return at(39, std::string(1, type)).at(40, six); }
  char* data() { return bytes_.data(); }
  static std::string Pad(std::string_view text, std::size_t width);

 private:
  std::string bytes_;
};

}  // namespace vorn::testing
