// The service-guide bridge: nothing while the guide is not in use; the six
// names bound in order; and, with the service-guide library the program
// loads on the sample guide (samples/service_guide.dataset), the service
// and terminals of a lane copied where the program reads them.
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

// A context in use with the service-guide library loaded and bound; the
// data directory is the sample set's unless the test names another.
class GuideContext {
 public:
  GuideContext() : guide_(context, testing::SampleData() / "LanebookApp.DLL", context::kServiceGuideModule) {
    context.setInt(context::kServiceGuideInUse, 1);
    context.setText(context::kDataDirectory, testing::SampleData().string() + "/", '\0');
    EXPECT_EQ(GetJYAddresses(context.data(), nullptr), 1);
  }
  void lane(std::string_view carrier, bool ltl, std::string_view origin, std::string_view destination) {
    context.setText(tariff_settings::kServiceGuideCarrier, carrier);
    context.setText(tariff_settings::kLtlService, ltl ? "1" : "0");
    context.setText(shipment_point::Of(0, shipment_point::kCode), origin, '\0');
    context.setText(shipment_point::Of(1, shipment_point::kCode), destination, '\0');
  }
  std::string letters() {
    return context.bytes(shipment_point::Of(0, shipment_point::kServiceLetter)) +
           context.bytes(shipment_point::Of(1, shipment_point::kServiceLetter));
  }
  TestContext context;

 private:
  LoadedModule guide_;
};

TEST(ServiceGuide, ServiceOfTheLaneWhereTheProgramReadsIt) {
  GuideContext g;
  ASSERT_EQ(InitializeJYdll(g.context.data()), 1);
  const struct {
    std::string_view carrier;
    bool ltl;
    std::string_view origin, destination;
    int result, lastError;
    std::string_view days, code, terminals, letters;
  } cases[] = {
      {"NAFX", true, "10001", "60601", 1, 0, "2", "NAFX", "NYCCHI", "DD"},
      {"NAFX", true, "12345", "K1A0B1", 1, 0, "2", "NAFX", "NYCTOR", "II"},
      {"SETL", false, "30303", "28202", 1, 0, "1", "SETL", "ATLCLT", "DD"},
      // Lanes the guide does not serve answer 1101 to 1105: no days, and
      // letters it leaves empty become 'I'.
      {"NAFX", true, "10001", "64000M", 1, 0, "", "", "", "II"},
      {"NAFX", true, "30303", "60601", 1, 0, "", "", "", "II"},
      // Failures of the guide: 533, the letters blank.
      {"ZZZZ", true, "10001", "60601", 0, 533, "", "", "", "  "},
      {"NAFX", false, "10001", "60601", 1, 0, "", "", "", "II"},  // a TL lane of an LTL carrier: 1102
  };
  for (const auto& c : cases) {
    g.context.setInt(context::kLastErrorCode, 0);
    g.context.setText(shipment_point::Of(0, shipment_point::kServiceLetter), "x");
    g.lane(c.carrier, c.ltl, c.origin, c.destination);
    EXPECT_EQ(GetService(g.context.data()), c.result) << c.carrier << " " << c.origin;
    EXPECT_EQ(g.context.lastError(), c.lastError) << c.origin;
    EXPECT_EQ(g.context.text(context::kServiceDays), c.days) << c.origin;
    EXPECT_EQ(g.context.text(context::kServiceTerminal1), c.days) << c.origin;  // the days the screen shows
    EXPECT_EQ(g.context.text(context::kServiceCode), c.code) << c.origin;
    EXPECT_EQ(g.context.text(context::kServiceTerminal2) + g.context.text(context::kServiceTerminal3), c.terminals)
        << c.origin;
    EXPECT_EQ(g.letters(), c.letters) << c.origin;
  }
}

TEST(ServiceGuide, TerminalsOfBothPoints) {
  GuideContext g;
  ASSERT_EQ(InitializeJYdll(g.context.data()), 1);
  g.lane("NAFX", true, "10001", "60601");
  ASSERT_EQ(GetService(g.context.data()), 1);
  EXPECT_EQ(GetTerminals(g.context.data()), 1);
  EXPECT_EQ(g.context.lastError(), -1);
  auto field = [&](platform::FieldSpan details, std::size_t i) {
    const platform::FieldSpan f = terminal_details::kFields[i];
    return g.context.text({details.offset + f.offset, f.width});
  };
  EXPECT_EQ(field(context::kOriginTerminal, 0).substr(0, 17), "NEW YORK TERMINAL");
  EXPECT_EQ(field(context::kOriginTerminal, 7).substr(0, 10), "7185550100");       // telephone
  EXPECT_EQ(field(context::kDestinationTerminal, 8).substr(0, 10), "8005550160");  // toll-free
  EXPECT_EQ(field(context::kDestinationTerminal, 9).substr(0, 10), "3125550169");  // fax

  // The origin's terminal found, the destination's not: both records
  // filled (the second with nothing), 533, and still 1.
  g.lane("NAFX", true, "10001", "64000M");
  EXPECT_EQ(GetTerminals(g.context.data()), 1);
  EXPECT_EQ(g.context.lastError(), 533);
  EXPECT_EQ(field(context::kOriginTerminal, 0).substr(0, 17), "NEW YORK TERMINAL");
  EXPECT_EQ(g.context.bytes(context::kDestinationTerminal), std::string(446, '\0'));
}

TEST(ServiceGuide, AGuideWithoutDataAnswers533AndBlankLetters) {
  GuideContext g;
  g.context.setText(context::kDataDirectory, "/nonexistent/", '\0');
  EXPECT_EQ(InitializeJYdll(g.context.data()), 0);
  EXPECT_EQ(g.context.lastError(), 0);
  g.lane("NAFX", true, "10001", "60601");
  g.context.setText(shipment_point::Of(0, shipment_point::kServiceLetter), "D");
  EXPECT_EQ(GetService(g.context.data()), 0);  // the guide answers 1010
  EXPECT_EQ(g.context.lastError(), 533);
  EXPECT_EQ(g.letters(), "  ");
}

TEST(ServiceGuide, ClosingAnswersOneWhenTheGuideClosed) {
  GuideContext g;
  ASSERT_EQ(InitializeJYdll(g.context.data()), 1);
  EXPECT_EQ(EndJYdll(g.context.data()), 1);  // the guide's terminate succeeded
  EXPECT_EQ(EndJYdll(g.context.data()), 1);  // nothing open
  // Closed means closed: opening again opens a new handle that answers.
  ASSERT_EQ(InitializeJYdll(g.context.data()), 1);
  g.lane("NAFX", true, "10001", "60601");
  EXPECT_EQ(GetService(g.context.data()), 1);
  EXPECT_EQ(g.context.text(context::kServiceDays), "2");
}

TEST(ServiceGuide, ADataDirectoryTooLongForTheGuideIsRefusedNotCut) {
  GuideContext g;
  // 256 characters whose first 255 name the sample directory and more.
  std::string longer = testing::SampleData().string() + "/";
  longer += std::string(256 - longer.size(), 'x');
  g.context.setText(context::kDataDirectory, longer, '\0');
  EXPECT_EQ(InitializeJYdll(g.context.data()), 0);
  EXPECT_EQ(g.context.lastError(), 0);
  g.context.setText(context::kDataDirectory, testing::SampleData().string() + "/", '\0');
  EXPECT_EQ(InitializeJYdll(g.context.data()), 1);
}

TEST(ServiceGuide, InUseButNeverBoundAnswersAsAClosedGuide) {
  TestContext context;
  context.setInt(context::kServiceGuideInUse, 1);
  context.setText(context::kDataDirectory, testing::SampleData().string() + "/", '\0');
  EXPECT_EQ(InitializeJYdll(context.data()), 0);
  EXPECT_EQ(GetService(context.data()), 0);
  EXPECT_EQ(context.lastError(), 533);
  context.setInt(context::kLastErrorCode, 0);
  EXPECT_EQ(GetTerminals(context.data()), 1);
  EXPECT_EQ(context.lastError(), 533);
  EXPECT_EQ(EndJYdll(context.data()), 1);
  for (auto f : {&InitializeJYdll, &GetService, &GetTerminals, &EndJYdll}) EXPECT_EQ(f(nullptr), 0);
}

}  // namespace
}  // namespace ratekit
