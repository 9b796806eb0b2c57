// Package rating through the exports on the test package tariff
// (package_tariff_fixture.h): results field by field, every refusal with
// its code, the package information and its room, and the text log of the
// plain form. Results are compared as text: SegmentCode, Status, TierUsed,
// Zone, CwtCharges, NoPackages, then each package's charge.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "package/package_tariff_fixture.h"
#include "platform/testing/temp_directory.h"
#include "support/data_directory.h"
#include "support/engine_library.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::EngineLibrary;
using testing::PackageRequest;
using testing::PackageTariff;
using testing::PackageTariffOptions;

class PackageEngine {
 public:
  explicit PackageEngine(const PackageTariffOptions& options = {},
                         std::optional<std::string_view> kqDllIni = std::nullopt)
      : engine(kqDllIni), data(PackageTariff(options)) {
    handle = engine->InitializeVornEx(data.withSeparator().c_str());
    EXPECT_NE(handle, nullptr);
  }
  // The result's first 17 + 7 n bytes (the rest of the buffer is '#').
  std::string rate(PackageRequest request, std::size_t packages = 1) {
    std::string result(710, '#');
    engine->RatePackageEx(handle, request.data(), result.data());
    return result.substr(0, 17 + 7 * packages);
  }
  std::string info(std::string_view room, std::string_view tariff = "TSTPKG01", std::string_view date = "06-15-2024") {
    std::string query = "  " + PackageRequest::Pad(tariff, 8) + std::string(date) + std::string(room);
    std::string list(8 + 34 * 40, '#');
    engine->PackageInfoEx(handle, query.data(), list.data());
    return list;
  }
  EngineLibrary engine;
  DataDirectory data;
  VornHandle handle = nullptr;
};

TEST(PackageRating, AnswersOfTheTestTariff) {
  PackageEngine e;
  // GND, OUR, DPS by default; 5 pounds from point 1 to 2 (zone 2): the rate
  // at 20 + 5, 500 + 50 = 5.50; no hundredweight charge under 100 pounds.
  EXPECT_EQ(e.rate(PackageRequest{}),
            "15    N2000000001"
            "0000550");
  EXPECT_EQ(e.rate(PackageRequest{}.service("GND").packaging("OUR").dropoff("DPS")),
            "15    N2000000001"
            "0000550");
  // A surcharge of 2.50 on every package, or of 2.5 percent:
  // (10250 x 550 + 5000) / 10000 = 564.
  EXPECT_EQ(e.rate(PackageRequest{}.surcharge('1', "000250")),
            "15    N2000000001"
            "0000800");
  EXPECT_EQ(e.rate(PackageRequest{}.surcharge('P', "000250")),
            "15    N2000000001"
            "0000564");
  // E1A, three packages of 60 pounds: each the rate at 20 + 60, 8000; 180
  // pounds at the default tier 1: break 100 at 60 a pound is 10800, break
  // 200 at 40 is 8000; 20 pounds a package at 60 is a minimum of 3600.
  EXPECT_EQ(e.rate(PackageRequest{"60", "60", "60"}.service("E1A"), 3),
            "15    12000800003"
            "000800000080000008000");
  // Within one point: zone 0, GND's first service record, which holds no
  // rates: no charge, and a hundredweight charge (of 0) from 0 pounds.
  EXPECT_EQ(e.rate(PackageRequest{}.lane("60601", "60601")),
            "15    10000000001"
            "0000000");
}

TEST(PackageRating, TheLargestPackageWeight) {
  // 150.2 pounds rates as 151: above a limit of 150 it is refused.
  EXPECT_EQ(PackageEngine().rate(PackageRequest{"150.2"}),
            "150377"
            "###########"
            "#######");
  // With a limit of 200 it has no package charge (only packages under 151
  // pounds have one), and 151 pounds is break 100 of the 'G' rates at 8.00
  // a hundredweight, 12.08, against 200 pounds at 6.00, 12.00.
  PackageTariffOptions heavier;
  heavier.largestWeight = 200;
  EXPECT_EQ(PackageEngine(heavier).rate(PackageRequest{"150.2"}),
            "15    12000120001"
            "0000000");
}

TEST(PackageRating, EveryRefusalWithItsCode) {
  PackageTariffOptions options;
  options.moreTariffs = "  record type=0 name=TSTFRT01\n";
  options.entries[16][25] = 16777215;  // five pounds at more than the result's seven digits
  PackageEngine e(options);
  const struct {
    const char* what;
    PackageRequest request;
    std::string_view status;
  } cases[] = {
      {"no tariff of the name", PackageRequest{}.at(2, "NOSUCH01"), "0394"},
      {"a date before the tariff's", PackageRequest{}.at(10, "06-15-2023"), "0394"},
      {"a date that is no date", PackageRequest{}.at(10, "02-30-2024"), "0396"},
      {"letters for a date", PackageRequest{}.at(10, "JUNE 15 24"), "0396"},
      {"not a package tariff", PackageRequest{}.at(2, "TSTFRT01"), "0370"},
      {"a packaging not listed", PackageRequest{}.packaging("BOX"), "0142"},
      {"a drop-off not listed", PackageRequest{}.dropoff("OTP"), "0143"},
      {"a tier the service does not allow", PackageRequest{}.tier('3'), "0141"},
      {"a tier of a service without its entry", PackageRequest{}.service("E1A").tier('1'), "0141"},
      {"a service not offered", PackageRequest{}.service("ZZZ"), "0379"},
      {"a service neither 'E' nor 'G'", PackageRequest{}.service("X9X"), "0379"},
      {"a letter of a 'G' service", PackageRequest{}.service("G3D").packaging("ELT"), "0371"},
      {"the counter of a 'G' service", PackageRequest{}.dropoff("OCA"), "0372"},
      {"no packages", PackageRequest{}.count("00"), "0378"},
      {"letters for a count", PackageRequest{}.count("ab"), "0378"},
      {"a negative count", PackageRequest{}.count("-1"), "0378"},
      {"a weight of 0", PackageRequest{"0"}, "0144"},
      {"letters for a weight", PackageRequest{"five"}, "0144"},
      {"a letter above its limit", PackageRequest{"0.6"}.service("E1A").packaging("ELT"), "0373"},
      {"an odd zone", PackageRequest{}.lane("10001", "90001"), "0218"},
      {"a destination of no point", PackageRequest{}.lane("10001", "99999"), "0217"},
      {"a charge above seven digits", PackageRequest{}, "0145"},
  };
  for (auto c : cases) {
    std::string result(710, '#');
    e.engine->RatePackageEx(e.handle, c.request.data(), result.data());
    EXPECT_EQ(result.substr(0, 6), "15" + std::string(c.status)) << c.what;
    EXPECT_EQ(result.substr(6), std::string(704, '#')) << c.what;  // nothing else written
  }
  PackageTariffOptions third;
  third.version = 3;
  EXPECT_EQ(PackageEngine(third).rate(PackageRequest{}).substr(0, 6), "150392");
  for (const char* file : {"TSTPKG01.T01", "TSTPKG01.F01"}) {
    PackageEngine missing;
    std::filesystem::remove(missing.data / file);
    EXPECT_EQ(missing.rate(PackageRequest{}).substr(0, 6), file[9] == 'T' ? "150219" : "150204") << file;
  }
}

TEST(PackageInformation, TheTariffsCodesAsRoomAllows) {
  PackageEngine e;
  const std::string list = e.info("05");
  EXPECT_EQ(list.substr(0, 8), "13    05");
  EXPECT_EQ(list.substr(8, 34), "1OUR" + PackageRequest::Pad("YOUR PACKAGING", 30));
  EXPECT_EQ(list.substr(8 + 4 * 34, 34), "3GND" + PackageRequest::Pad("12 GROUND", 30));
  EXPECT_EQ(list.substr(8 + 5 * 34, 4), "####");
  for (std::string_view room : {"02", "00", "ab"}) {
    const std::string refused = e.info(room);
    EXPECT_EQ(refused.substr(0, 8), "130374##") << room;
    EXPECT_EQ(refused.find_first_not_of('#', 6), std::string::npos) << room;
  }
  EXPECT_EQ(e.info("05", "NOSUCH01").substr(0, 6), "130394");
  EXPECT_EQ(e.info("05", "TSTPKG01", "99-99-9999").substr(0, 6), "130396");
}

TEST(PackageInformation, ThirtyOneCodesFitARating) {
  // The rating's own check has room for all 31 records the list can hold.
  PackageTariffOptions options;
  for (int n = 0; n < 26; ++n) options.moreCodes.push_back("kind=1 code=B" + std::to_string(10 + n));
  PackageEngine e(options);
  EXPECT_EQ(e.rate(PackageRequest{}),
            "15    N2000000001"
            "0000550");
  EXPECT_EQ(e.info("30").substr(0, 6), "130374");
  EXPECT_EQ(e.info("31").substr(0, 8), "13    31");
}

TEST(PackageRating, ThePlainFormLogsTheRequestAndTheResult) {
  PackageEngine e({}, "[Debug]\nDebugFlag=Y\n");
  const std::filesystem::path logFile = e.data / "vorn.dbg";
  const std::uintmax_t before = std::filesystem::file_size(logFile);
  std::string result(710, '#');
  PackageRequest request{"5"};
  e.engine->RatePackageEx(e.handle, request.data(), result.data());
  EXPECT_EQ(std::filesystem::file_size(logFile), before);  // the Ex form does not log
  e.engine->RatePackage(request.data(), result.data());
  const std::string log = platform::testing::ReadFileText(logFile).substr(before);
  const std::string sent(request.data(), 62);
  EXPECT_EQ(log,
            "\r\nBeforePackageRequest=" + sent +
                "\r\nBeforePackage_Residential= \r\nBeforePackage_DropoffCode=   \r\nBeforePackage_PackagingCode=   "
                "\r\nBeforePackage_SurchargeType= \r\nBeforePackage_Surcharge=000000\r\nBeforePackage_ServiceCode=   "
                "\r\nBeforePackage_Tier=N\r\nBeforePackage_NumberPackages=01\r\nBeforePackage1_Weight=5         "
                "\r\nBeforePackage_End\n"
                "\r\nAfterPackageResults=15    N2000000001"
                "0000550\r\nAfterPackage_SegmentCode=15"
                "\r\nAfterPackage_Status=    \r\nAfterPackage_TierUsed=N\r\nAfterPackage_Zone=2"
                "\r\nAfterPackage_CwtCharges=0000000\r\nAfterPackage_NoPackages=01\r\nAfterPackage1_Charge=0000550"
                "\r\nAfterPackage_End\n");
}

TEST(PackageRating, TheSamplePackageTariff) {
  EngineLibrary engine;
  DataDirectory data("");
  data.build(platform::testing::ReadFileText(std::filesystem::path(QIV_SAMPLES_DIR) / "tariffs.dataset"));
  const VornHandle handle = engine->InitializeVornEx(data.withSeparator().c_str());
  auto rate = [&](PackageRequest request, std::size_t packages) {
    std::string result(710, '#');
    engine->RatePackageEx(handle, request.data(), result.data());
    return result.substr(0, 17 + 7 * packages);
  };
  // GND, 10 pounds, New York to Chicago: the Northeast to the Midwest is
  // zone 2 (records 16 and 17, the zone shown 3); 950 + 45 x 10 = 14.00.
  EXPECT_EQ(rate(PackageRequest{"10"}.at(2, "NAPARCEL").at(10, "03-14-2025"), 1),
            "15    N3000000001"
            "0001400");
  // E1D, three packages of 60 pounds, Atlanta to Dallas (zone 2): each
  // 2900 + 150 x 60 = 119.00; 180 pounds is break 100 at 4.38 a pound (3.50
  // x 1.25), 788.40, against 200 pounds at 3.88, 776.00; the minimum, 20
  // pounds a package at 4.38, is 262.80.
  EXPECT_EQ(
      rate(
          PackageRequest{"60", "60", "60"}.at(2, "NAPARCEL").at(10, "03-14-2025").service("E1D").lane("30303", "75201"),
          3),
      "15    13007760003"
      "001190000119000011900");
}

TEST(PackageRating, NullRecordsAndAThreadWithoutAnEngineGetNothing) {
  PackageEngine e;
  std::string result(710, '#');
  PackageRequest request;
  e.engine->RatePackageEx(e.handle, nullptr, result.data());
  e.engine->RatePackage(request.data(), nullptr);
  e.engine->PackageInfoEx(e.handle, nullptr, result.data());
  e.engine->EndVornEx(e.handle);
  e.engine->RatePackage(request.data(), result.data());
  e.engine->PackageInfo(request.data(), result.data());
  EXPECT_EQ(result, std::string(710, '#'));
}

}  // namespace
}  // namespace vorn
