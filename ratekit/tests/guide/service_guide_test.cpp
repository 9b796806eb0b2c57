// The service-guide bridge without a guide library: nothing while the guide
// is not in use; bound in order, and answering as a closed guide, when it is.
#include <gtest/gtest.h>

#include <string>

#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::LoadedModule;
using testing::TestContext;

TEST(ServiceGuide, NotInUseEveryExportAnswersOneAndTouchesNothing) {
  TestContext context;
  context.setInt(context::kLastErrorCode, 77);
  context.setText(context::kOriginTerminal, "TERMINAL");
  const std::string before = context.bytes({0, kRatingContextSize});
  EXPECT_EQ(GetJYAddresses(context.data(), nullptr), 1);
  EXPECT_EQ(InitializeJYdll(context.data()), 1);
  EXPECT_EQ(GetService(context.data()), 1);
  EXPECT_EQ(GetTerminals(context.data()), 1);
  EXPECT_EQ(EndJYdll(context.data()), 1);
  EXPECT_EQ(context.bytes({0, kRatingContextSize}), before);
}

TEST(ServiceGuide, BindsTheSixNamesInOrder) {
  const struct {
    int omitted;  // the fake engine's variant
    int result, number;
  } cases[] = {{0, 1, 0}, {11, 0, 525}, {12, 0, 525}, {13, 0, 526}, {16, 0, 529}};
  for (const auto& k : cases) {
    TestContext context;
    context.setInt(context::kServiceGuideInUse, 1);
    LoadedModule guide(context, testing::FakeEngineLibrary(k.omitted), context::kServiceGuideModule);
    EXPECT_EQ(GetJYAddresses(context.data(), nullptr), k.result) << k.omitted;
    EXPECT_EQ(context.lastError(), k.number) << k.omitted;
  }
  for (std::uint32_t slot : {0u, 0xDEADBEEFu}) {
    TestContext context;
    context.setInt(context::kServiceGuideInUse, 1);
    context.setInt(context::kServiceGuideModule, static_cast<std::int32_t>(slot));
    EXPECT_EQ(GetJYAddresses(context.data(), nullptr), 0);
    EXPECT_EQ(context.lastError(), 525);
  }
}

TEST(ServiceGuide, InUseWithoutAGuideAnswersAsAClosedOne) {
  TestContext context;
  context.setInt(context::kServiceGuideInUse, 1);
  context.setText(context::kOriginTerminal, "OLD TERMINAL");
  context.setText(shipment_point::Of(0, shipment_point::kServiceLetter), "D");
  EXPECT_EQ(InitializeJYdll(context.data()), 0);
  EXPECT_EQ(context.lastError(), 0);  // no number
  EXPECT_EQ(GetService(context.data()), 0);
  EXPECT_EQ(context.lastError(), 533);
  EXPECT_EQ(context.text(shipment_point::Of(0, shipment_point::kServiceLetter)), "D");
  context.setInt(context::kLastErrorCode, 0);
  EXPECT_EQ(GetTerminals(context.data()), 1);
  EXPECT_EQ(context.lastError(), 533);
  EXPECT_EQ(context.bytes(context::kOriginTerminal), std::string(446, '\0'));
  EXPECT_EQ(EndJYdll(context.data()), 1);
  for (auto f : {&InitializeJYdll, &GetService, &GetTerminals, &EndJYdll}) EXPECT_EQ(f(nullptr), 0);
}

}  // namespace
}  // namespace ratekit
