#include "level_startup.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ratekit/ratekit32.h"
#include "ratekit/rating_context.h"

namespace ratekit::fuzz {
namespace {

void PutText(std::vector<std::uint8_t>& record, platform::FieldSpan field, std::string_view text) {
  RatingContextView(record.data()).setText(field, text, '\0');
}

}  // namespace

void OpenAndUseLevel(const std::filesystem::path& data, const std::filesystem::path& startup, std::string_view level,
                     bool engineInUse) {
  std::error_code ignored;
  std::filesystem::remove(startup / "PROFILE.FIL", ignored);
  std::vector<std::uint8_t> record(kRatingContextSize, 0);
  void* c = record.data();
  PutText(record, context::kDataDirectory, data.string() + "/");
  PutText(record, context::kStartupDirectory, startup.string() + "/");
  PutText(record, context::kTariffBaseName, level);
  RatingContextView(c).setInteger<std::int32_t>(context::kEngineInUse.offset, engineInUse ? 1 : 0);

  int stateTables = 0;
  OpenLevelFile(c, "LEVEL.LVL");
  ReadDefFile(c);
  OpenAllFiles(c, &stateTables);
  ReadProfileFile(c);
  ReadDiscFile(c);
  ReadCOZFile(c);
  ReadWgtFile(c);
  SetClassesAndWeights(c, 0, 0);

  for (int i = 0, n = GetProfileSize(c); i < n && i < 4; ++i) {
    std::array<char, 31> name{};
    if (GetProfileKey(c, i, name.data()) != 1) continue;
    PutText(record, profile_record::Current(profile_record::kName), std::string_view(name.data(), name.size()));
    GetProfileRecord(c);
    LoadProfileSettings(c);
    LoadProfileZP6(c);
  }

  const std::array<std::pair<const char*, const char*>, 4> lanes{
      {{"30303", "28202"}, {"K1A0B1", "75201"}, {"10001", "12345M"}, {"M5V", "99999"}}};
  std::array<char, 3> state{};
  char flag1 = 0, flag2 = 0;
  for (const auto& [origin, destination] : lanes) {
    PutText(record, shipment_point::Of(0, shipment_point::kCode), origin);
    PutText(record, shipment_point::Of(1, shipment_point::kCode), destination);
    GetStateCode(c, origin, state.data(), &flag1, &flag2);
    GetStateCode(c, destination, state.data(), &flag1, &flag2);
    VerOrigZip(c);
    VerDestZip(c);
    VerTerritory(c);
    GetZipcIndex(c, origin);
    VerClass(c, "85", 0, 1);
    VerWeight(c, "1200", 0);
    ValidWeight(c, 1);
    std::array<std::uint8_t, 1792> texts{};
    LoadDiscounts(c, texts.data(), 0);
    LoadDiscounts(c, texts.data(), 1);
  }
  WriteDefFile(c);
  WriteAccFile(c);
  CloseAllFiles(c);
}

}  // namespace ratekit::fuzz
