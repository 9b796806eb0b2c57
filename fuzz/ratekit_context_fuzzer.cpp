// Fuzzes Ratekit32's rating call with arbitrary RatingContext contents over
// the sample data set: the engine is loaded by name and connected once;
// every input picks a sample shipment and a level (its first byte), then
// lays its other bytes over the blocks a rating reads, in this order: the
// shipment lines, the points, the discounts, the settings images, the
// switches and the effective-table slots. The shipment is rated, its lane
// checked and its effective entry looked up.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "ratekit/ratekit32.h"
#include "ratekit/rating_context.h"
#include "support/test_context.h"
#include "tables/lane_tariff_tables.h"

namespace {

using namespace ratekit;
using platform::FieldSpan;

constexpr std::array kShipments{"ny_to_chicago",       "toronto_to_dallas",    "clinton_to_boston",
                                "columbus_small",      "atlanta_to_charlotte", "savannah_to_charlotte",
                                "lebanon_to_manhattan"};
constexpr std::array kLevels{"SAMPLE01", "SAMPLE02"};

constexpr std::array kOverlaid{
    context::kShipmentLines,
    context::kOriginPoint,
    context::kDestinationPoint,
    context::kBreakDiscounts,
    context::kRatingDefaultsImage,
    context::kTariffSettingsImage,
    FieldSpan{12566, 8},  // Canada and Mexico flags
    context::kIntrastateQuestionInUse,
    context::kIntrastate,
    context::kMethodFlagLetter,
    context::kEngineMessagesOff,
    context::kTariffName,
    context::kShipmentDate,
    context::kClassCodes,
    context::kBreakCount,
    context::kEffectiveTableCopy,
    context::kCurrentEffectiveEntry,
    context::kEffectiveEntriesKept,
    context::kCurrentProfile,
};

struct Connection {
  testing::TestContext context;
  std::unique_ptr<testing::LoadedModule> engine;
  std::string connected;  // the context's bytes once connected
};

// Kept to the end of the process (its module token is never released, so
// that nothing calls into the library while its statics go).
Connection& Connected() {
  static Connection* const c = new Connection;
  return *c;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Connection& c = Connected();
  c.context.useData(std::filesystem::path(QIV_FUZZ_DATA_DIR));
  c.engine = std::make_unique<testing::LoadedModule>(c.context, testing::EngineLibrary());
  const RatekitHost& host = *RatekitHostInterface();
  host.installMessageBoxes(
      [](void*, RatekitBoxKind, const char*, const char*, void*) { return int{RATEKIT_ANSWER_OK}; }, nullptr, nullptr);
  if (GetZQAddresses(c.context.data(), nullptr) != 1 || InitializeZQdll(c.context.data()) != 1) {
    std::fprintf(stderr, "Ratekit32 does not connect to the engine on %s\n",
                 std::filesystem::path(QIV_FUZZ_DATA_DIR).c_str());
    std::exit(1);
  }
  c.connected = c.context.bytes({0, kRatingContextSize});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fresh shipment on the connected context (its tokens stay its own).
  testing::TestContext& x = Connected().context;
  std::memcpy(x.data(), Connected().connected.data(), kRatingContextSize);
  const std::uint8_t pick = size > 0 ? data[0] : 0;
  x.useData(std::filesystem::path(QIV_FUZZ_DATA_DIR), kLevels[(pick >> 4) % kLevels.size()]);
  x.setSampleShipment(kShipments[(pick & 0x0F) % kShipments.size()]);
  RatingContextView record = x.view();
  LoadLaneTariffTables(record);
  std::size_t at = 1;
  for (const FieldSpan& field : kOverlaid) {
    if (at >= size) break;
    const std::size_t n = std::min(field.width, size - at);
    std::memcpy(record.chars() + field.offset, data + at, n);
    at += n;
  }
  RateShipment(x.data(), static_cast<int>(pick % 12) - 2, nullptr);
  CheckQIVCAN(x.data());
  GetZQBse(x.data());
  GetZQTariffName(x.data());
  GetCurrentEfcRec(x.data(), reinterpret_cast<const char*>(record.chars() + context::kTariffName.offset));
  return 0;
}
