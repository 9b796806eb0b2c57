// Test support: a folder holding a DLLData.dat built from a description,
// by default the test guide below.
#pragma once

#include <string>
#include <string_view>

#include "platform/testing/temp_directory.h"

namespace lanebook::testing {

// Two carriers: AAA (LTL) serves New York City directly and the rest of
// the state indirectly from NYC, Chicago directly from CHI and Ontario
// indirectly from TOR; TLX (TL) serves Texas from DAL. Days are listed
// CHI to NYC (the guide answers NYC to CHI from it), NYC to NYC and to
// TOR, DAL to DAL; none between CHI and TOR.
inline constexpr std::string_view kTestGuide = R"(
service-guide
  header
  carrier code=AAA type=LTL name="AAA LINES"
  carrier code=TLX type=TL name="TL EXPRESS"
  terminal carrier=AAA code=CHI name="CHICAGO TERMINAL" phone=3125550100
  terminal carrier=AAA code=NYC name="NEW YORK TERMINAL" zip=10001 city="NEW YORK" state=NY phone=2125550100 tollfree=8005550100 fax=2125550199
  terminal carrier=AAA code=TOR name="TORONTO TERMINAL"
  terminal carrier=TLX code=DAL name="DALLAS YARD"
  range carrier=AAA low=10000 high=10299 terminal=NYC service=D
  range carrier=AAA low=10300 high=14999 terminal=NYC service=I
  range carrier=AAA low=60000 high=62999 terminal=CHI service=D
  range carrier=AAA low=K0A high=P9Z terminal=TOR service=I
  range carrier=TLX low=75000 high=79999 terminal=DAL service=D
  days carrier=AAA from=CHI to=NYC days=2
  days carrier=AAA from=NYC to=NYC days=1
  days carrier=AAA from=NYC to=TOR days=3
  days carrier=TLX from=DAL to=DAL days=1
)";

class GuideFolder : public platform::testing::TempDirectory {
 public:
  // Builds the description (raw: without the builder's checks).
  explicit GuideFolder(std::string_view description = kTestGuide, bool raw = false);
  std::string file() const { return (*this / "DLLData.dat").string(); }
};

}  // namespace lanebook::testing
