// The route typed on the rating screen of the sample set, beyond the plain
// shipment: a list of fixed origin points, short Canadian codes, Mexican
// points and their cities, Enter after a reset, a change of profile.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_ids.h"
#include "dialogs/qiv_dialog.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "sample_copy.h"
#include "screen/screen_ids.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"

namespace qiv {
namespace {

using namespace platform::ui;

// The sample set's screen on the "Default" profile, the keys typed from
// the origin field on.
void TypeFromOrigin(testing::ScreenDriver& driver, std::string keys) {
  driver.chooseLevels();
  driver.onScreen([keys = std::move(keys)](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText(keys);
  });
}

std::string OriginCode(WindowHandle screen) {
  const QivSession& session = *QivDialog::SessionOf(screen);
  return session.context->textAt(ratekit::shipment_point::Of(0, ratekit::shipment_point::kCode));
}

// The ratings the screen asks of the library, counted.
int (*gRateShipment)(void*, int, void*) = nullptr;
int gRatings = 0;
int CountedRating(void* context, int detailCount, void* owner) {
  ++gRatings;
  return gRateShipment(context, detailCount, owner);
}
void CountRatings(WindowHandle screen) {
  RatekitBindings& bindings = QivDialog::SessionOf(screen)->bindings;
  if (bindings.RateShipment != CountedRating) gRateShipment = std::exchange(bindings.RateShipment, CountedRating);
  gRatings = 0;
}

TEST(OriginPointList, TheChosenPointIsCheckedAndTheRouteRatedAgain) {
  testing::SampleCopy sample;
  std::ofstream(sample.data() / "SAMPLE01.COZ", std::ios::binary) << "10001 43215 ";
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    // The list in the origin field's place, its first point chosen.
    EXPECT_EQ(DialogItem(screen, screen_id::OriginField), nullptr);
    EXPECT_EQ(testing::SelectedComboText(screen, screen_id::OriginCombo), "10001 ");
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    EXPECT_EQ(WindowId(ParentWindow(GetFocus())), screen_id::OriginCombo);
    // A click on the destination from the list's edit box: the point checked, the focus moved.
    testing::ClickOn(screen, screen_id::DestinationField);
  });
  driver.onScreen([](WindowHandle) {
    EXPECT_EQ(WindowId(GetFocus()), screen_id::DestinationField);
    InjectText("60601\t85\t1200\t125\t350\t");
  });
  driver.onScreen([](WindowHandle screen) {
    EXPECT_EQ(testing::ShownText(screen, screen_id::TotalChargesValue), "$748.81");
    CountRatings(screen);
    // Another point chosen: checked, and the route with the typed destination rated again.
    const WindowHandle combo = DialogItem(screen, screen_id::OriginCombo);
    SendMessage(combo, combo_box::SetCurrentSelection, 1);
    SendMessage(screen, msg::Command, CommandParam(screen_id::OriginCombo, combo_box::SelectionChange),
                HandleToParam(combo));
    EXPECT_EQ(OriginCode(screen), "43215 ");
    EXPECT_EQ(gRatings, 2);  // the destination's check and its result display
    EXPECT_EQ(DialogItemText(screen, screen_id::OriginState), "OH");
    EXPECT_NE(testing::ShownText(screen, screen_id::TotalChargesValue), "$748.81");
    EXPECT_NE(testing::ShownText(screen, screen_id::TotalChargesValue), "(hidden)");
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
}

// A Canadian code shorter than five characters is checked against the
// level's ZIP ranges: a range of whole prefixes takes it, one that covers
// part of its prefix asks for the five characters (107).
TEST(RouteEntry, AShortCanadianCodeNeedsARangeOfWholePrefixes) {
  const std::pair<const char*, bool> codes[] = {{"k1a", false}, {"m5v", true}, {"m5v2t6", false}};
  for (const auto& [code, refused] : codes) {
    SCOPED_TRACE(code);
    testing::SampleCopy sample;
    std::ofstream(sample.data() / "SAMPLE01.ZP6", std::ios::binary | std::ios::app) << "K1A0AK1A9Z\r\nM5V2AM5V2Z\r\n";
    testing::ScreenDriver driver;
    TypeFromOrigin(driver, std::string(code) + "\t");
    driver.onScreen([refused = refused](WindowHandle) {
      EXPECT_EQ(WindowId(GetFocus()), refused ? screen_id::OriginField : screen_id::DestinationField);
    });
    driver.cancelScreen();
    EXPECT_EQ(sample.run(driver), 0);
    const bool asked = !driver.boxes().empty() && driver.boxes()[0].text == "5 Character Postal Code Required.";
    EXPECT_EQ(asked, refused) << testing::SeenWindows(driver);
  }
}

// A Mexican origin: its cities are offered below the city text and the
// one chosen is shown, the service label hidden; a point without a city
// shows the "no city" text, in the language the screen is switched to.
TEST(RouteEntry, AMexicanOriginShowsTheCityChosenFromItsList) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  TypeFromOrigin(driver, "64000m\t");
  std::vector<std::string> offered;
  driver.onWindow("", [&offered](WindowHandle list) {
    const WindowHandle cities = DialogItem(list, control_id::CityList);
    for (int i = 0; i < static_cast<int>(SendMessage(cities, list_box::GetCount)); ++i) {
      char line[64] = {};
      SendMessage(cities, list_box::GetText, static_cast<WParam>(i), reinterpret_cast<LParam>(line));
      offered.emplace_back(line);
    }
    SendMessage(cities, list_box::SetCurrentSelection, 1);
    SendMessage(list, msg::Command, CommandParam(control_id::CityList, list_box::DoubleClick), HandleToParam(cities));
  });
  driver.onScreen([](WindowHandle screen) {
    EXPECT_EQ(DialogItemText(screen, screen_id::OriginCity), "MONTERREY");
    EXPECT_FALSE(testing::IsShown(screen, screen_id::OriginService));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    SetDialogItemText(screen, screen_id::OriginField, "");
    InjectText("00500m\t");  // below every range of the list
  });
  driver.onScreen([](WindowHandle screen) {
    EXPECT_EQ(DialogItemText(screen, screen_id::OriginCity), "City not found");
    SendMessage(screen, msg::Command, CommandParam(command::English, 0));
    EXPECT_EQ(DialogItemText(screen, screen_id::OriginCity), "Ciudad no encontrada");
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << testing::SeenWindows(driver);
  EXPECT_EQ(offered, (std::vector<std::string>{"GUADALUPE", "MONTERREY", "SAN NICOLAS DE LOS GARZA"}));
}

// Enter in the destination as the first key after a click-away re-rating:
// the destination's check rates the route (the rating, the result display
// and the class field's refresh), Enter adds no rating of its own and the
// results stay shown; a second Enter is the field's check alone.
TEST(RouteEntry, EnterInTheDestinationAfterAReRatingRatesOnce) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  TypeFromOrigin(driver, "10001\t60601\t85\t1200\t");
  driver.onScreen([](WindowHandle screen) { testing::ClickOn(screen, screen_id::DestinationField); });
  for (int enter = 0; enter < 2; ++enter) {
    driver.onScreen([](WindowHandle screen) {
      EXPECT_EQ(WindowId(GetFocus()), screen_id::DestinationField);
      CountRatings(screen);
      InjectKeyPress(key::Enter);
    });
    driver.onScreen([](WindowHandle screen) {
      EXPECT_EQ(gRatings, 3);
      EXPECT_EQ(testing::ShownText(screen, screen_id::TotalChargesValue), "$536.64");
      EXPECT_EQ(WindowId(GetFocus()), screen_id::ClassField);
      SetFocus(DialogItem(screen, screen_id::DestinationField));
    });
  }
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
}

// A profile chosen: the discount typed for the previous one is shown as
// 0 and the surcharge factors are the profile's; a profile that cannot be
// read leaves the factors as they were. The shipment id leaves its field
// for the rating context.
TEST(ProfileChoice, TheShownDiscountIsResetAndTheFactorsAreTheProfiles) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    SetDialogItemText(screen, screen_id::Discount, "12.50");
    SetDialogItemText(screen, screen_id::LtlSurcharge, "7.77");
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    EXPECT_EQ(DialogItemText(screen, screen_id::Discount), "0.00");
    EXPECT_NE(DialogItemText(screen, screen_id::LtlSurcharge), "7.77");
    SetDialogItemText(screen, screen_id::LtlSurcharge, "7.77");
    const WindowHandle profiles = DialogItem(screen, screen_id::ProfileCombo);
    SendMessage(profiles, combo_box::SetCurrentSelection,
                static_cast<WParam>(
                    SendMessage(profiles, combo_box::AddString, 0, reinterpret_cast<LParam>("No Such Profile"))));
    SendMessage(screen, msg::Command, CommandParam(screen_id::ProfileCombo, combo_box::SelectionChange),
                HandleToParam(profiles));
    EXPECT_EQ(DialogItemText(screen, screen_id::LtlSurcharge), "7.77");
    SetDialogItemText(screen, screen_id::ShipmentId, "PO-4471");
    SendMessage(screen, msg::Command, CommandParam(screen_id::ShipmentId, edit::KillFocusNotify),
                HandleToParam(DialogItem(screen, screen_id::ShipmentId)));
    const QivSession& session = *QivDialog::SessionOf(screen);
    EXPECT_EQ(session.context->textAt(fields::kShipmentId), "PO-4471");
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0);
  EXPECT_EQ(driver.boxes().size(), 1u) << testing::SeenWindows(driver);  // the unreadable profile
}

}  // namespace
}  // namespace qiv
