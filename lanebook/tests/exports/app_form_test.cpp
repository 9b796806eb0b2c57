// LanebookApp loaded by name as Ratekit32's program loads it: handles, the
// data folder, the service of a lane and a terminal's details at their
// places in the exchange block.
#include "lanebook/app_form.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/kernel/module_loader.h"
#include "support/guide_folder.h"

namespace lanebook {
namespace {

namespace af = app_form;
using testing::GuideFolder;

class AppLibrary {
 public:
  AppLibrary() : module_(platform::Module::Load(LANEBOOK_APP_LIBRARY)) {
    initialize = module_.function<af::InitializeFunction>("Lanebook_Initialize");
    setDataPath = module_.function<af::SetDataPathFunction>("Lanebook_Set_JYDataPath");
    getService = module_.function<af::GetServGuideDataFunction>("Lanebook_GetServGuideData");
    getTerminal = module_.function<af::GetTerminalDetailFunction>("Lanebook_GetTerminalDetail");
    getDays = module_.function<af::GetTermToTermDaysFunction>("Lanebook_GetTermToTermDays");
    terminate = module_.function<af::TerminateFunction>("Lanebook_Terminate");
    EXPECT_NE(terminate, nullptr);
  }
  af::InitializeFunction initialize;
  af::SetDataPathFunction setDataPath;
  af::GetServGuideDataFunction getService;
  af::GetTerminalDetailFunction getTerminal;
  af::GetTermToTermDaysFunction getDays;
  af::TerminateFunction terminate;

  // A handle opened on the folder.
  std::int32_t openOn(const GuideFolder& guide) {
    std::string block(af::kBlockSize, '\0');
    const std::int32_t handle = initialize(block.data());
    EXPECT_EQ(setDataPath(block.data(), guide.path().c_str(), handle), 1);
    return handle;
  }

 private:
  platform::Module module_;
};

struct Block {
  std::string bytes = std::string(af::kBlockSize, '\0');
  af::BlockView view() { return af::BlockView(bytes.data()); }
  std::string at(platform::FieldSpan f) const { return bytes.substr(f.offset, f.width); }
  std::string status() const { return at(af::kStatus).substr(0, at(af::kStatus).find('\0')); }
  void lane(std::string_view carrier, std::string_view type, std::string_view origin, std::string_view destination) {
    view().setText(af::kCarrier, carrier, ' ');
    view().setText(af::kServiceType, type, '\0');
    view().setText(af::kOriginCode, origin, '\0');
    view().setText(af::kDestinationCode, destination, '\0');
  }
};

std::string Padded(std::string_view text, std::size_t width) {
  return std::string(text) + std::string(width - text.size(), '\0');
}

TEST(AppForm, HandlesAreSmallNumbersOpenedOnAFolder) {
  AppLibrary lib;
  const GuideFolder guide;
  Block block;
  const std::int32_t first = lib.initialize(block.bytes.data());
  EXPECT_EQ(first, 1);
  EXPECT_EQ(lib.initialize(block.bytes.data()), 2);
  EXPECT_EQ(lib.setDataPath(block.bytes.data(), (guide.path() / "none").c_str(), first), 0);
  EXPECT_EQ(block.status(), "1045");
  EXPECT_EQ(lib.setDataPath(block.bytes.data(), guide.path().c_str(), 7), 0);  // not open
  EXPECT_EQ(block.status(), "1010");
  EXPECT_EQ(lib.setDataPath(block.bytes.data(), guide.path().c_str(), first), 1);
  EXPECT_EQ(block.status(), "1001");
  EXPECT_EQ(lib.terminate(first), 1);
  EXPECT_EQ(lib.terminate(first), 0);
  EXPECT_EQ(lib.terminate(0), 0);
  block.lane("AAA", "LTL", "10001", "60601");
  EXPECT_EQ(lib.getService(block.bytes.data(), first), 0);
  EXPECT_EQ(block.status(), "1010");
  // Handles run out rather than grow without bound; a closed one is reused.
  std::int32_t last = 0;
  for (int i = 0; i < 40 && (last = lib.initialize(block.bytes.data())) != 0;) ++i;
  EXPECT_EQ(last, 0);
  EXPECT_EQ(block.status(), "1010");
  EXPECT_EQ(lib.terminate(5), 1);
  EXPECT_EQ(lib.initialize(block.bytes.data()), 5);
  EXPECT_EQ(lib.initialize(nullptr), 0);
  EXPECT_EQ(lib.setDataPath(block.bytes.data(), nullptr, 5), 0);
}

TEST(AppForm, ServiceOfALaneAtItsPlacesInTheBlock) {
  AppLibrary lib;
  const GuideFolder guide;
  Block block;
  const std::int32_t handle = lib.openOn(guide);
  const struct {
    std::string_view carrier, type, origin, destination, status;
    std::string_view days, letters, terminals;  // answered when the status is 1001
  } cases[] = {
      {"AAA", "LTL", "10001", "60601", "1001", "2", "DD", "NYCCHI"},
      {"TLX", "TL", "75201", "75202", "1001", "1", "DD", "DALDAL"},
      {"AAA", "XL", "10001", "60601", "1015", "", "", ""},
      {"AAA", "LTL", "10001", "64000M", "1105", "", "", ""},
  };
  for (const auto& c : cases) {
    block.view().fill(af::kServiceAnswer, 'x');
    block.lane(c.carrier, c.type, c.origin, c.destination);
    EXPECT_EQ(lib.getService(block.bytes.data(), handle), c.status == "1001" ? 1 : 0) << c.origin;
    EXPECT_EQ(block.status(), c.status) << c.origin;
    if (c.status != "1001") {
      EXPECT_EQ(block.at(af::kServiceAnswer), std::string(af::kServiceAnswer.width, '\0')) << c.origin;
      continue;
    }
    EXPECT_EQ(block.at(af::kDays), Padded(c.days, 5)) << c.origin;
    EXPECT_EQ(block.at(af::kDaysText), Padded(c.days, 3)) << c.origin;
    EXPECT_EQ(block.at(af::kCarrierAnswered), Padded(c.carrier, 5)) << c.origin;
    EXPECT_EQ(block.at(af::kOriginLetter) + block.at(af::kDestinationLetter), c.letters) << c.origin;
    EXPECT_EQ(block.at(af::kOriginTerminal) + block.at(af::kDestinationTerminal), c.terminals) << c.origin;
  }
  // The days of two terminals the block names.
  block.view().setText(af::kOriginTerminal, "TOR", '\0');
  block.view().setText(af::kDestinationTerminal, "NYC", '\0');
  block.lane("AAA", "LTL", "", "");
  EXPECT_EQ(lib.getDays(block.bytes.data(), handle), 1);
  EXPECT_EQ(block.at(af::kDays), Padded("3", 5));
}

TEST(AppForm, TerminalDetailOfAPoint) {
  AppLibrary lib;
  const GuideFolder guide;
  Block block;
  const std::int32_t handle = lib.openOn(guide);
  block.lane("AAA", "LTL", "", "");
  for (const platform::FieldSpan& f : af::kTerminalFields) block.view().fill(f, 'x');
  block.view().setText(af::kTerminalAsked, "10001", '\0');
  EXPECT_EQ(lib.getTerminal(block.bytes.data(), handle), 1);
  EXPECT_EQ(block.status(), "1");
  const std::string name = block.at(af::kTerminalFields[0]);
  EXPECT_EQ(name.substr(0, 18), "NEW YORK TERMINAL ");
  EXPECT_EQ(block.at(af::kTerminalFields[1]), "10001 ");
  EXPECT_EQ(block.at(af::kTerminalFields[7]), "2125550100   ");  // telephone
  EXPECT_EQ(block.at(af::kTerminalFields[8]), "8005550100   ");  // toll-free
  EXPECT_EQ(block.at(af::kTerminalFields[9]), "2125550199   ");  // fax

  block.view().setText(af::kTerminalAsked, "99999", '\0');
  EXPECT_EQ(lib.getTerminal(block.bytes.data(), handle), 0);
  EXPECT_EQ(block.status(), "1100");
  for (const platform::FieldSpan& f : af::kTerminalFields) EXPECT_EQ(block.at(f), std::string(f.width, '\0'));
}

}  // namespace
}  // namespace lanebook
