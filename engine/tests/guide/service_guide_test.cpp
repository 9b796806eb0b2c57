// The service guide the engine loads and passes through: off without a
// usable library (ktq_qkdll.ini missing or "NOT FOUND", no library, a name
// missing, an initialisation answering false), asked in a rating only for a
// named carrier, its answer taken into the rating, and each thread
// initialised once and terminated at its end (the library stays loaded
// until the process ends, so no terminate comes after it is released). The
// guide is a recording library (support/recording_guide.h). Every case runs
// in a child process with its own copy of the engine, so the process-wide
// state it makes (the settings directory, the guide loaded for good, the
// guide's letter) is its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "platform/kernel/module_loader.h"
#include "platform/testing/child_process.h"
#include "ratings/rating_fixture.h"
#include "support/recording_guide.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::EngineLibrary;
using testing::RatedShipment;
using testing::RecordingGuideControl;
using testing::ShipmentRequest;

// One class at one break: 1000 pounds of class 100 at 10.00 a hundredweight
// is 100.00 on the lane 10001 -> 90001 (points 1 and 2, cell 1, record 3).
constexpr std::string_view kTariff = R"(
efcrec
  record type=0
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=1
  point low=90001 high=90099 number=2 addon=1
  width value=0
matrix tariff=TSTFRT01
  pair a=1 b=2 value=1
lettered tariff=TSTFRT01 letter=Z
factor tariff=TSTFRT01
  sets numbers=1
  classes codes=100
  breaks weights=0
  class-factors
  break-factors
rates tariff=TSTFRT01
  record group=001 number=00000 letter=B entries="1 1"
  record group=001 number=00001 letter=B entries="1 1"
  record group=001 number=00002 letter=B entries="1 1"
  record group=001 number=00003 letter=B entries="0 1000"
tds
  entry
tda
  state
)";

std::filesystem::path Variant(std::string_view name) { return std::filesystem::path(RECORDING_GUIDE_DIR) / name; }

// Runs one case in a child process; its failures are printed there and
// fail the test here.
void InChildProcess(const std::function<void()>& body) {
  platform::testing::ChildProcess child([&](platform::testing::ChildProcess::Channel& channel) {
    body();
    std::fflush(stdout);
    channel.send(::testing::Test::HasFailure() ? 'F' : 'P');
  });
  EXPECT_EQ(child.receive(), 'P');
  child.wait();
}

// A settings directory for the process (ZQ_SYSTEM_DIR) with the ktq_qkdll.ini
// given (none: no file), an engine copy that has not been called yet, and
// the recording guide of a variant folder, reset.
class GuideSetUp {
 public:
  explicit GuideSetUp(std::optional<std::string> ini, std::string_view variant = "full")
      : guide_(platform::Module::Load((Variant(variant) / "Lanebook32.so").string())) {
    if (ini) settings_.write("ktq_qkdll.ini", *ini);
    ::setenv("ZQ_SYSTEM_DIR", settings_.path().c_str(), 1);
    engine.emplace();
    if (auto control = guide_.function<testing::RecordingGuideControlFunction>("RecordingGuide_Control")) {
      control_ = control();
      control_->reset();
    }
  }
  static std::string IniFor(std::string_view variant) { return "[Product]\nPath=" + Variant(variant).string() + "\n"; }

  // Initialises the engine on the tariff; the guide is then initialised for
  // this thread.
  void start() {
    handle = (*engine)->InitializeVornEx(data_.withSeparator().c_str());
    ASSERT_NE(handle, nullptr);
  }
  RatedShipment rate(ShipmentRequest request) {
    (*engine)->RateShipment2Ex(handle, request.data(), nullptr);
    return RatedShipment(request.bytes());
  }
  RecordingGuideControl& control() { return *control_; }

  std::optional<EngineLibrary> engine;
  VornHandle handle = nullptr;

 private:
  platform::testing::TempDirectory settings_;
  DataDirectory data_{kTariff};
  platform::Module guide_;
  RecordingGuideControl* control_ = nullptr;
};

ShipmentRequest WithCarrier(std::string_view carrier) { return ShipmentRequest{}.at(215, carrier); }

// The status a pass-through leaves and its answer, for each of them.
struct PassThroughAnswer {
  std::string status;
  int answer;
};
std::vector<PassThroughAnswer> CallEveryPassThrough(const EngineLibrary& engine) {
  std::vector<PassThroughAnswer> out;
  for (auto f :
       {engine->GuideInitialize, engine->GuideGetServGuideData, engine->GuideGetCarrierTypes, engine->GuideGetCarriers,
        engine->GuideGetTerminals, engine->GuideGetTermToTermDays, engine->GuideSetCarrierDataPath}) {
    std::string status(22, 'x');
    std::string record(600, '\0');
    std::memcpy(record.data() + 4, "UNQ", 3);
    const int answer = f(status.data(), record.data());
    // Exactly the four status characters are written.
    EXPECT_EQ(status.substr(4), std::string(18, 'x'));
    out.push_back({status.substr(0, 4), answer});
  }
  return out;
}

TEST(GuidePassThrough, OffWithoutAUsableLibrary) {
  const platform::testing::TempDirectory emptyFolder;
  const struct {
    const char* what;
    std::optional<std::string> ini;
    std::string_view variant;
  } cases[] = {
      {"no ktq_qkdll.ini", std::nullopt, "full"},
      {"NOT FOUND", "[Product]\nPath=NOT FOUND\n", "full"},
      {"no library in the folder", "[Product]\nPath=" + emptyFolder.path().string() + "\n", "full"},
      {"a name missing", GuideSetUp::IniFor("without_data_path"), "without_data_path"},
  };
  for (const auto& c : cases)
    InChildProcess([&] {
      GuideSetUp setUp(c.ini, c.variant);
      setUp.start();
      for (const PassThroughAnswer& a : CallEveryPassThrough(*setUp.engine)) {
        EXPECT_EQ(a.status, "0700") << c.what;
        EXPECT_EQ(a.answer, 0) << c.what;
      }
      const RatedShipment rated = setUp.rate(WithCarrier("NAFX").at(178, "xy"));
      EXPECT_EQ(rated.returnCode(), "    ") << c.what;
      EXPECT_EQ(rated.field(178, 2), "xy") << c.what;
      EXPECT_EQ(rated.netCharge(), "0100.00") << c.what;
      EXPECT_EQ(setUp.control().lanes.size(), 0u) << c.what;
      EXPECT_EQ(setUp.control().initializeCalls, 0) << c.what;
    });
}

TEST(GuidePassThrough, OnlyANamedCarrierReachesTheLibrary) {
  InChildProcess([] {
    GuideSetUp setUp(GuideSetUp::IniFor("full"));
    setUp.start();
    EXPECT_EQ(setUp.control().initialiseFolder, Variant("full").string());
    for (std::string_view carrier :
         {std::string_view("0000"), std::string_view("    "), std::string_view("\0\0\0\0", 4)})
      EXPECT_EQ(setUp.rate(WithCarrier(carrier)).returnCode(), "    ");
    EXPECT_EQ(setUp.control().lanes.size(), 0u);

    setUp.rate(WithCarrier("NAFX").at(219, " "));
    setUp.rate(WithCarrier("AB  ").at(219, "L"));
    ASSERT_EQ(setUp.control().lanes.size(), 2u);
    EXPECT_EQ(setUp.control().lanes[0].first, std::string("\0\0\0\0UNQNAFXA", 12));
    EXPECT_EQ(setUp.control().lanes[1].first, std::string("\0\0\0\0UNQAB  L", 12));
    EXPECT_EQ(setUp.control().lanes[0].second, "10001 90001 " + std::string(68, '\0'));
  });
}

TEST(GuidePassThrough, ItsAnswerInTheRating) {
  InChildProcess([] {
    GuideSetUp setUp(GuideSetUp::IniFor("full"));
    setUp.start();
    // The direct discount takes 10 percent of the net, the indirect one 20.
    auto request = [] {
      return WithCarrier("NAFX")
          .at(178, "xy")
          .at(194, "D")
          .discounts(1, "D%",
                     {"01000", "00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000"})
          .discounts(2, "I%",
                     {"02000", "00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000", "00000"});
    };
    const struct {
      std::string status;
      char origin, destination;
      std::string days, given;
      std::string returnCode, answered, letters, net;
    } cases[] = {
        {"1001", 'D', 'D', "02", "  ", "    ", "02", "DD", "0090.00"},
        {"1001", 'I', 'D', "03", "  ", "    ", "03", "ID", "0080.00"},
        {"1001", 'I', 'I', "04", "DI", "    ", "04", "DI", "0080.00"},  // the request's letters win
        {"1001", 'I', 'I', "05", "DD", "    ", "05", "DD", "0090.00"},
        {"1001", '\0', '\0', std::string(2, '\0'), "  ", "    ", "xy", "  ", "0080.00"},  // nothing answered
        // A failing status is the return code; the results stand.
        {"1010", 'I', 'I', "06", "  ", "1010", "  ", "  ", "0090.00"},
        {"10a1", 'D', 'D', "07", "  ", "0703", "  ", "  ", "0090.00"},  // not four digits
    };
    for (const auto& c : cases) {
      {
        std::lock_guard lock(setUp.control().mutex);
        setUp.control().status = c.status;
        setUp.control().originLetter = c.origin;
        setUp.control().destinationLetter = c.destination;
        setUp.control().days = c.days;
      }
      const RatedShipment rated = setUp.rate(request().at(196, c.given));
      EXPECT_EQ(rated.returnCode(), c.returnCode) << c.status << c.days;
      EXPECT_EQ(rated.field(178, 2), c.answered) << c.status << c.days;
      EXPECT_EQ(rated.pointLetters(), c.letters) << c.status << c.days;
      EXPECT_EQ(rated.netCharge(), c.net) << c.status << c.days;
    }
  });
}

TEST(GuidePassThrough, AFailedInitialisationTurnsItOffForEveryThread) {
  InChildProcess([] {
    GuideSetUp setUp(GuideSetUp::IniFor("refuses"), "refuses");
    setUp.start();
    EXPECT_EQ(setUp.control().initializeCalls, 1);
    std::vector<PassThroughAnswer> otherThread;
    std::thread([&] { otherThread = CallEveryPassThrough(*setUp.engine); }).join();
    for (const PassThroughAnswer& a : otherThread) EXPECT_EQ(a.status, "0700");
    EXPECT_EQ(setUp.control().initializeCalls, 1);
    EXPECT_EQ(setUp.rate(WithCarrier("NAFX")).returnCode(), "    ");
    EXPECT_EQ(setUp.control().lanes.size(), 0u);
  });
}

TEST(GuidePassThrough, EachThreadInitialisedOnceAndTerminatedAtItsEnd) {
  InChildProcess([] {
    GuideSetUp setUp(GuideSetUp::IniFor("full"));
    setUp.start();
    RecordingGuideControl& c = setUp.control();
    const EngineLibrary& engine = *setUp.engine;
    EXPECT_EQ(c.initializeCalls, 1);
    // The engine's own initialisation answers what the library answered.
    char status[22] = {};
    std::string record(537, 'x');
    EXPECT_EQ(engine->GuideInitialize(status, record.data()), 1);
    EXPECT_EQ(std::string(status, 4), "1001");
    EXPECT_EQ(record.substr(0, 11), "INITIALISED");
    EXPECT_EQ(record.substr(17, Variant("full").string().size()), Variant("full").string());
    EXPECT_EQ(engine->GuideTerminate(), 1);
    EXPECT_EQ(c.terminateCalls, 0);  // the real terminate waits for the thread's end

    const std::vector<PassThroughAnswer> answers = CallEveryPassThrough(engine);
    EXPECT_EQ(c.calls,
              (std::vector<std::string>{"Lanebook_GetCarrierTypes", "Lanebook_GetCarriers", "Lanebook_GetTerminals",
                                        "Lanebook_GetTermToTermDays", "Lanebook_SetCarrierDataPath"}));
    EXPECT_EQ(c.initializeCalls, 1);
    std::thread([&] { CallEveryPassThrough(engine); }).join();
    EXPECT_EQ(c.initializeCalls, 2);
    EXPECT_EQ(c.terminateCalls, 1);

    // Any thread's first call initialises the guide for it, as a thread
    // attach would.
    std::thread([&] { engine->GetEffectiveTableSizeEx(nullptr); }).join();
    EXPECT_EQ(c.initializeCalls, 3);
    EXPECT_EQ(c.terminateCalls, 2);
  });
}

TEST(GuidePassThrough, NullPointersAnswerFalseAndWriteNothing) {
  InChildProcess([] {
    GuideSetUp setUp(GuideSetUp::IniFor("full"));
    setUp.start();
    char status[22] = "????";
    char record[600] = {};
    const EngineLibrary& engine = *setUp.engine;
    for (auto f : {engine->GuideInitialize, engine->GuideGetServGuideData, engine->GuideGetCarrierTypes,
                   engine->GuideGetCarriers, engine->GuideGetTerminals, engine->GuideGetTermToTermDays,
                   engine->GuideSetCarrierDataPath}) {
      EXPECT_EQ(f(nullptr, record), 0);
      EXPECT_EQ(f(status, nullptr), 0);
    }
    EXPECT_EQ(std::string(status, 4), "????");
    EXPECT_TRUE(setUp.control().calls.empty());
  });
}

}  // namespace
}  // namespace vorn
