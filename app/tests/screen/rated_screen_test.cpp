// Shipments typed on the rating screen of the sample set, key by key, with
// the real libraries: the route checked, the lines entered, the shipment
// rated and its figures shown as the rating tool gives them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/qiv_dialog.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/calendar_date.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/date_picker.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/notify.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "sample_copy.h"
#include "screen/rating_dialog.h"
#include "screen/screen_ids.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"

namespace qiv {
namespace {

using namespace platform::ui;

std::vector<std::string> LineList(WindowHandle screen) {
  std::vector<std::string> lines;
  const WindowHandle list = DialogItem(screen, screen_id::LineList);
  for (int i = 0; i < static_cast<int>(SendMessage(list, list_box::GetCount)); ++i) {
    char line[128] = {};
    SendMessage(list, list_box::GetText, static_cast<WParam>(i), reinterpret_cast<LParam>(line));
    lines.emplace_back(line);
  }
  return lines;
}

struct Shipment {
  const char* name;
  const char* origin;
  const char* destination;
  std::vector<std::pair<const char*, const char*>> lines;  // class, weight
  std::vector<std::string> listed;                         // the line list as shown
  std::vector<std::pair<int, std::string>> shown;          // result statics
  const char* sign;                                        // the rating sign
  const char* profile = "Default";
};

class RatedScreen : public ::testing::TestWithParam<Shipment> {};

TEST_P(RatedScreen, TypedLineByLineItShowsTheRatingToolsFigures) {
  const Shipment& shipment = GetParam();
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([&](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, shipment.profile));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText(std::string(shipment.origin) + "\t");
  });
  driver.onScreen([&](WindowHandle) { InjectText(std::string(shipment.destination) + "\t"); });
  for (const auto& line : shipment.lines)
    driver.onScreen([line](WindowHandle) { InjectText(std::string(line.first) + "\t" + line.second + "\t"); });
  driver.onScreen([&](WindowHandle screen) {
    if (!shipment.listed.empty()) {
      EXPECT_EQ(LineList(screen), shipment.listed);
    }
    // Every line's figures end under those of the line above, inside the list.
    EXPECT_EQ(testing::MisalignedColumns(DialogItem(screen, screen_id::LineList)), std::vector<std::string>{});
    for (const auto& [id, text] : shipment.shown) EXPECT_EQ(testing::ShownText(screen, id), text) << "static " << id;
    const auto* dialog = dynamic_cast<const RatingDialog*>(Window::FromHandle(screen));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->ratingSign(), shipment.sign);
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
}

INSTANTIATE_TEST_SUITE_P(
    SampleShipments, RatedScreen,
    ::testing::Values(Shipment{"ny_to_chicago",
                               "10001",
                               "60601",
                               {{"85", "1200"}, {"125", "350"}},
                               {"\t  85   \t  1200\t  44.72\t   536.64", "\t 125   \t   350\t  60.62\t   212.17"},
                               {{screen_id::GrossChargeLabel, "Gross Charge:"},
                                {screen_id::ChargeValue, "748.81"},
                                {screen_id::MinimumChargeLabel, "(hidden)"},
                                {screen_id::TotalChargesLabel, "Total Charges:"},
                                {screen_id::TotalChargesValue, "$748.81"}},
                               "LH"},
                      // Seven lines, the last before the entry ends: figures of one to four
                      // digits before the point.
                      Shipment{"ny_to_chicago_seven_lines",
                               "10001",
                               "60601",
                               {{"50", "100"},
                                {"55", "200"},
                                {"60", "300"},
                                {"70", "500"},
                                {"77", "600"},
                                {"85", "7000"},
                                {"500", "9000"}},
                               {"\t  50   \t   100\t   9.21\t     9.21", "\t  55   \t   200\t   9.82\t    19.64",
                                "\t  60   \t   300\t  10.43\t    31.29", "\t  70   \t   500\t  11.82\t    59.10",
                                "\t  77   \t   600\t  12.74\t    76.44", "\t  85   \t  7000\t  13.81\t   966.70",
                                "\t 500   \t  9000\t  65.22\t  5869.80"},
                               {{screen_id::ChargeValue, "9086.01"}, {screen_id::TotalChargesValue, "$9086.01"}},
                               "LH"},
                      Shipment{"columbus_small",
                               "43215",
                               "17101",
                               {{"70", "60"}},
                               {},
                               {{screen_id::MinimumChargeLabel, "Minimum Charge:"},
                                {screen_id::ChargeValue, "108.03"},
                                {screen_id::GrossChargeLabel, "(hidden)"},
                                {screen_id::TotalChargesValue, "$108.03"}},
                               "MC"},
                      Shipment{"toronto_to_dallas",
                               "m5v2t6",
                               "75201",
                               {{"250", "640"}},
                               {},
                               {{screen_id::GrossChargeLabel, "Gross Charge:"},
                                {screen_id::ChargeValue, "1235.07"},
                                {screen_id::TotalChargesValue, "$1235.07"}},
                               "LH"},
                      // The profile with a 25 % discount: the discount row and the net.
                      Shipment{"ny_to_chicago_discounted",
                               "10001",
                               "60601",
                               {{"85", "1200"}, {"125", "350"}},
                               {},
                               {{screen_id::GrossChargeLabel, "Gross Charge:"},
                                {screen_id::ChargeValue, "748.81"},
                                {screen_id::PercentDiscountLabel, " 25.00% Discount:"},
                                {screen_id::DiscountValue, "-187.20"},
                                {screen_id::NetChargeLabel, "Net Charge:"},
                                {screen_id::NetChargeValue, "$561.61"},
                                {screen_id::TotalChargesValue, "$561.61"}},
                               "LH",
                               "Acme Freight"}),
    [](const ::testing::TestParamInfo<Shipment>& info) { return std::string(info.param.name); });

// Whether the child's rectangle in the window's picture holds the colour.
bool Paints(const cairo::ImageSurface& picture, WindowHandle screen, const Rect& onScreen, ColorRef colour) {
  const Rect window = WindowRect(screen);
  for (int y = onScreen.top; y < onScreen.bottom; ++y)
    for (int x = onScreen.left; x < onScreen.right; ++x)
      if (picture.pixel(x - window.left, y - window.top) == colour) return true;
  return false;
}
Rect ItemOnScreen(WindowHandle screen, int id) { return WindowRect(DialogItem(screen, id)); }

TEST(RatedScreenLook, ItsColoursAndCaretThenInSpanishTheSameFigures) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver(true);
  driver.chooseLevels();
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  driver.onScreen([&](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText("10001\t60601\t85\t1200\t125\t350\t");
  });
  std::string englishLabel;
  driver.onScreen([&](WindowHandle screen) {
    EXPECT_TRUE(cairo::RenderWindowToPng(screen, artifacts + "/rated-screen-english.png"));
    const auto picture = cairo::RenderWindow(screen);
    constexpr ColorRef kLabel = 0x8A4225, kBlack = 0x000000;
    EXPECT_TRUE(Paints(*picture, screen, ItemOnScreen(screen, screen_id::TotalChargesLabel), kLabel));
    EXPECT_TRUE(Paints(*picture, screen, ItemOnScreen(screen, screen_id::TotalChargesValue), kBlack));
    EXPECT_FALSE(Paints(*picture, screen, ItemOnScreen(screen, screen_id::TotalChargesValue), kLabel));
    // The caret in the focused class field, after its (empty) text.
    const CaretInfo caret = CurrentCaret();
    EXPECT_EQ(caret.owner, DialogItem(screen, screen_id::ClassField));
    EXPECT_EQ(GetFocus(), caret.owner);
    EXPECT_TRUE(caret.visible);
    const Point middle = ClientToScreen(
        caret.owner, {caret.rect.left + caret.rect.width() / 2, caret.rect.top + caret.rect.height() / 2});
    const Rect window = WindowRect(screen);
    EXPECT_EQ(picture->pixel(middle.x - window.left, middle.y - window.top), kBlack);
    englishLabel = DialogItemText(screen, screen_id::TotalChargesLabel);
    SendMessage(screen, msg::Command, CommandParam(command::English, 0));
  });
  driver.onScreen([&](WindowHandle screen) {
    EXPECT_TRUE(cairo::RenderWindowToPng(screen, artifacts + "/rated-screen-spanish.png"));
    EXPECT_NE(DialogItemText(screen, screen_id::TotalChargesLabel), englishLabel);
    EXPECT_EQ(testing::ShownText(screen, screen_id::TotalChargesValue), "$748.81");
    EXPECT_EQ(testing::ShownText(screen, screen_id::ChargeValue), "748.81");
    EXPECT_EQ(LineList(screen).size(), 2u);
    EXPECT_EQ(DialogItemText(screen, screen_id::OriginService), "Servicio interlineal");
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
}

// Routes typed on the sample set: the P.O.-box notice of each end, a
// Canadian prefix alone; each leaves the focus on the class field.
TEST(RouteEntry, TheNoticeOfEachPostOfficeBoxEnd) {
  const std::pair<const char*, const char*> routes[] = {
      {"10008\t60601\t", "Origin Zip Code is a P.O. Box or unassigned Zip Code."},
      {"60601\t10008\t", "Destination Zip Code is a P.O. Box or unassigned Zip Code."},
      {"10008\t10008\t", "Origin and Destination Zip Codes are P.O. Boxes or unassigned Zip Codes."},
      {"10001\t60601\t", ""},
      {"m5v\t75201\t", ""},
  };
  for (const auto& [route, notice] : routes) {
    SCOPED_TRACE(route);
    testing::SampleCopy sample;
    testing::ScreenDriver driver;
    driver.chooseLevels();
    driver.onScreen([route = route](WindowHandle screen) {
      ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
      SetFocus(DialogItem(screen, screen_id::OriginField));
      InjectText(route);
    });
    driver.onScreen([notice = notice](WindowHandle screen) {
      EXPECT_EQ(DialogItemText(screen, screen_id::PostOfficeBoxNotice), notice);
      EXPECT_EQ(WindowId(GetFocus()), screen_id::ClassField);
    });
    driver.cancelScreen();
    EXPECT_EQ(sample.run(driver), 0);
    EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
  }
}

// A base-point or zone file missing: the program names it in a fatal box
// and ends with code 2.
TEST(RouteEntry, AMissingBasePointFileIsNamedBeforeTheProgramEnds) {
  for (const char* missing : {"SAMPLE01.BSE", "SAMPLE01.UST", "SAMPLE01.TBL"}) {
    SCOPED_TRACE(missing);
    testing::SampleCopy sample;
    std::filesystem::remove(sample.data() / missing);
    testing::ScreenDriver driver;
    driver.chooseLevels();
    driver.onScreen([](WindowHandle screen) {
      ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
      SetFocus(DialogItem(screen, screen_id::OriginField));
      InjectText("10001\t60601\t");
    });
    driver.cancelScreen();
    EXPECT_EQ(sample.run(driver), 2);
    ASSERT_EQ(driver.boxes().size(), 1u);
    EXPECT_EQ(driver.boxes()[0].caption, "FATAL");
    EXPECT_NE(driver.boxes()[0].text.find(std::string(missing).substr(9)), std::string::npos) << driver.boxes()[0].text;
  }
}

// The entry's notices on a rated shipment: a double-clicked line leaves
// the shipment and the rest is rated again; the SCAC typed becomes the
// tariff name; the picker's date becomes the shipment date.
TEST(EntryNotices, ALineDoubleClickedLeavesTheShipmentAndTheRestIsRated) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText("10001\t60601\t85\t1200\t125\t350\t");
  });
  driver.onScreen([](WindowHandle screen) {
    const WindowHandle list = DialogItem(screen, screen_id::LineList);
    SendMessage(list, list_box::SetCurrentSelection, 0);
    SendMessage(screen, msg::Command, CommandParam(screen_id::LineList, list_box::DoubleClick), HandleToParam(list));
    EXPECT_EQ(LineList(screen), std::vector<std::string>{"\t 125   \t   350\t  89.15\t   312.03"});
    EXPECT_EQ(testing::ShownText(screen, screen_id::TotalChargesValue), "$312.03");
    EXPECT_EQ(WindowId(GetFocus()), screen_id::ClassField);
    // The SCAC field left: its first four characters, upper-cased, start the tariff name.
    const QivSession& session = *QivDialog::SessionOf(screen);
    SetDialogItemText(screen, screen_id::Scac, "abcde");
    SendMessage(screen, msg::Command, CommandParam(screen_id::Scac, edit::KillFocusNotify),
                HandleToParam(DialogItem(screen, screen_id::Scac)));
    EXPECT_EQ(std::string(session.context->view().text(fields::kTariffName)), "ABCD    ");
    // The picker closed on a date: the shipment date.
    const CalendarDate date{2025, 3, 14};
    SendDialogItemMessage(screen, screen_id::DatePicker, date_picker::SetDate, 0, reinterpret_cast<LParam>(&date));
    NotifyHeader closeUp{DialogItem(screen, screen_id::DatePicker), screen_id::DatePicker, date_picker::CloseUp};
    SendMessage(screen, msg::Notify, static_cast<WParam>(screen_id::DatePicker), reinterpret_cast<LParam>(&closeUp));
    EXPECT_EQ(std::string(session.context->view().text(fields::kShipmentDate)), "03-14-2025");
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0);
}

// A click away from the focused field, by what has the focus and what is
// clicked: the field is checked first, then the focus moves as the route
// entry's table says. A hidden field clicked counts as no field.
TEST(ClickAway, TheFocusedFieldIsCheckedThenTheFocusMovesByTheTable) {
  using Setup = void (*)(WindowHandle screen);
  const Setup focusOrigin = [](WindowHandle s) { SetFocus(DialogItem(s, screen_id::OriginField)); };
  const Setup focusShipmentId = [](WindowHandle s) { SetFocus(DialogItem(s, screen_id::ShipmentId)); };
  const Setup weightShut = [](WindowHandle s) { EnableWindow(DialogItem(s, screen_id::WeightField), false); };
  const Setup classShut = [](WindowHandle s) { EnableWindow(DialogItem(s, screen_id::ClassField), false); };
  const Setup shipmentIdHidden = [](WindowHandle s) {
    ShowWindow(DialogItem(s, screen_id::ShipmentId), ShowCommand::Hide);
  };
  const Setup shipmentIdShut = [](WindowHandle s) { EnableWindow(DialogItem(s, screen_id::ShipmentId), false); };
  const Setup constantClassFromOrigin = [](WindowHandle s) {
    RatingContext& context = *QivDialog::SessionOf(s)->context;
    context.setShort(fields::kConstantClassInUse, 1);
    context.setTerminatedText(fields::kConstantClass, "85");
    SetFocus(DialogItem(s, screen_id::OriginField));
  };
  struct Case {
    const char* name;
    const char* keys;  // typed from the origin on
    Setup before;      // then, before the click
    int clicked;
    int focus;  // afterwards
    bool forwardWindow;
    const char* originState;  // " " while the origin is unchecked, "  " after a reset
    int boxes = 0;
  };
  const Case cases[] = {
      // From the origin.
      {"origin to destination: the origin checked", "10001", nullptr, screen_id::DestinationField,
       screen_id::DestinationField, false, "NY"},
      {"origin to the profile list: passes", "10001", nullptr, screen_id::ProfileCombo, screen_id::ProfileCombo, false,
       " "},
      {"origin to an option field: the route checked, via the sentinel", "10001\t60601\t", focusOrigin,
       screen_id::ShipmentId, screen_id::ShipmentId, false, "NY"},
      {"origin to an option field without a destination: reset", "10001", nullptr, screen_id::ShipmentId,
       screen_id::OriginField, false, "  ", 1},
      {"origin to the class without a destination: reset", "10001", nullptr, screen_id::ClassField,
       screen_id::OriginField, false, "  ", 1},
      {"origin to a hidden option field: eaten", "10001", shipmentIdHidden, screen_id::ShipmentId,
       screen_id::OriginField, false, " "},
      {"origin to a disabled option field: eaten", "10001", shipmentIdShut, screen_id::ShipmentId,
       screen_id::OriginField, false, " "},
      {"origin to the line list: passes", "10001", nullptr, screen_id::LineList, screen_id::LineList, false, " "},
      // From the destination.
      {"destination to the origin: the destination checked", "10001\t60601", nullptr, screen_id::OriginField,
       screen_id::OriginField, false, "NY"},
      {"destination to the class: the route rated, via the sentinel", "10001\t60601", nullptr, screen_id::ClassField,
       screen_id::ClassField, false, "NY"},
      {"destination to the tariff list: passes", "10001\t60601", nullptr, screen_id::TariffList, screen_id::TariffList,
       false, "NY"},
      // From an option field.
      {"option field back to the origin: checked and rated again", "10001\t60601\t", focusShipmentId,
       screen_id::OriginField, screen_id::OriginField, false, "NY"},
      {"option field to another: checked, the focus moved", "10001\t60601\t", focusShipmentId, screen_id::Accessorial,
       screen_id::Accessorial, false, "NY"},
      {"option field to the SCAC: a focus-forward window", "10001\t60601\t", focusShipmentId, screen_id::Scac,
       screen_id::Scac, true, "NY"},
      // From the line fields.
      {"class back to the origin", "10001\t60601\t85", nullptr, screen_id::OriginField, screen_id::OriginField, false,
       "NY"},
      {"class to an option field: a focus-forward window", "10001\t60601\t", nullptr, screen_id::ShipmentId,
       screen_id::ShipmentId, true, "NY"},
      {"class to a disabled option field: eaten", "10001\t60601\t", shipmentIdShut, screen_id::ShipmentId,
       screen_id::ClassField, false, "NY"},
      {"weight to the enabled class: a focus-forward window", "10001\t60601\t85\t", nullptr, screen_id::ClassField,
       screen_id::ClassField, true, "NY"},
      {"class to the enabled weight: a focus-forward window", "10001\t60601\t", nullptr, screen_id::WeightField,
       screen_id::WeightField, true, "NY"},
      {"class with a class to the disabled weight: the weight opened", "10001\t60601\t85", weightShut,
       screen_id::WeightField, screen_id::WeightField, false, "NY"},
      {"empty class to the disabled weight: eaten", "10001\t60601\t", weightShut, screen_id::WeightField,
       screen_id::ClassField, false, "NY"},
      {"origin to the class with a constant class: the weight reached", "10001\t60601\t", constantClassFromOrigin,
       screen_id::ClassField, screen_id::WeightField, false, "NY"},
      {"weight to the disabled class of its own line: eaten", "10001\t60601\t85\t", classShut, screen_id::ClassField,
       screen_id::WeightField, false, "NY"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::SampleCopy sample;
    testing::ScreenDriver driver;
    driver.chooseLevels();
    driver.onScreen([&c](WindowHandle screen) {
      ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
      SetFocus(DialogItem(screen, screen_id::OriginField));
      InjectText(c.keys);
    });
    driver.onScreen([&c](WindowHandle screen) {
      // Two option fields, as a profile that asks for them shows them.
      for (int option : {screen_id::ShipmentId, screen_id::Accessorial})
        ShowWindow(DialogItem(screen, option), ShowCommand::Show);
      if (c.before != nullptr) c.before(screen);
      testing::ClickOn(screen, c.clicked);
    });
    driver.onScreen([&c](WindowHandle screen) {
      EXPECT_EQ(WindowId(GetFocus()), c.focus);
      const auto* dialog = dynamic_cast<const RatingDialog*>(Window::FromHandle(screen));
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->focusForwardPending(), c.forwardWindow);
      EXPECT_EQ(DialogItemText(screen, screen_id::OriginState), c.originState);
    });
    driver.cancelScreen();
    EXPECT_EQ(sample.run(driver), 0);
    EXPECT_EQ(driver.boxes().size(), static_cast<std::size_t>(c.boxes)) << testing::SeenWindows(driver);
  }
}

}  // namespace
}  // namespace qiv
