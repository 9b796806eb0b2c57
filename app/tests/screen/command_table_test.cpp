// The rating screen's whole command table, reached the three ways a user
// has: the menu (clicked), the accelerator and the toolbar button. Each
// command's effect is read through the recording services, the boxes and
// windows the driver saw and the menu's check marks; the three ways must
// agree, and a removed or grayed command does nothing whichever way.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "image_files.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/rating_context_fields.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::QivDataSet;
using testing::QivRun;
using Kind = platform::desktop::RecordingPrograms::Kind;

enum class Way { Menu, Accelerator, Button };

struct Entry {
  int command;
  char key;  // the accelerator's letter (with Ctrl); 0: none
  bool button;
  std::string effect;  // what the command did, as Trace writes it
};

// The commands in the order the test reaches them, and what each does by
// the menu on the test's data set: no route entered (the commands that
// need one are grayed), no service guide (Terminal Information removed),
// no licence text (its item removed), no list library (the U.S. and
// Mexican lookups end at once), the recording programs, whose kept price
// sheet runs on. Accessorial Totals wants a rated route with accessorials,
// so it is grayed here. Auto Clear starts on, the screen in English.
const std::vector<Entry>& Table() {
  static const std::vector<Entry> table = {
      {command::PrintShipment, 'P', true, "box \"116 no weight on the first line\""},
      {command::PrintSetup, 'I', false, "window \"Setup Shipment Print\""},
      {command::RatingPrompts, 'R', false, "window \"Rating Prompts\""},
      {command::ExportShipment, 'E', true, "box \"111 nothing to export\""},
      {command::ExportSetup, 'O', false, "window \"Setup Shipment Export\""},
      {command::PriceSheet, 'S', true, "kept PSHEET.EXE TESTBASE N  01-15-2024 E"},
      {command::BillOfLading, 'B', true, "waited Waybill32.EXE"},
      {command::Rules, 'L', true, "help 1"},
      {command::Maintenance, 'M', true, "waited VornMaintenance.exe"},
      {command::Settings, 'F', true, "box \"146 settings while a program runs\""},
      {command::UseDiscounts, 'Q', true, "grayed"},
      {command::Calculator, 'U', true, "calculator"},
      {command::TariffDisplay, 'D', true, "window \"Tariff Display\""},
      {command::AutoClear, 'C', true, "unchecked"},
      {command::DivisionOfRevenue, 'V', true, "checked"},
      {command::ConversionCalculator, 'G', true, "window \"Conversion/Density Calculator\""},
      {command::English, 0, true, "unchecked"},
      {command::Spanish, 0, false, "unchecked"},
      {command::BorderCrossingPoints, 0, true, "box \"148 border crossing while a program runs\""},
      {command::ShipmentDetail, 0, true, ""},
      {command::DisplayRates, 'T', true, ""},
      {command::LicenseAgreement, 'N', false, ""},
      {command::AccessorialTotals, 'A', true, ""},
      {command::UsCityLookup, 'K', true, ""},
      {command::CanadianCityLookup, 'Y', true, "window \"Canadian City Lookup\""},
      {command::MexicanCityLookup, 'J', true, ""},
      {command::TerminalInformation, 'W', true, ""},
      {command::ServiceMap, 'H', true, "window \"Service Map\""},
      {command::Contents, 0, true, "help 0"},
      {command::About, 0, false, "window \"About\""},
      {command::Website, 0, true, "open http://www.example.test/"},
      {command::CarrierWebsite1, 0, true, "open http://one.example.test/"},
      {command::CarrierWebsite2, 0, true, "open http://two.example.test/"},
      {command::CarrierWebsite3, 0, true, "open http://three.example.test/"},
      {command::FuelSurchargeWebsite, 0, true, "open http://fuel.example.test/"},
      {command::Exit, 'X', false, "box \"130 a program still runs\""},
      // Offered by none of the three ways: the after-entry chain opens it.
      {command::Accessorials, 0, false, ""},
  };
  return table;
}

// A data set that offers every command: the programs and address files in
// the data directory, the Mexico option and the options of the lookups,
// the tariff display, the shipment detail and the price sheet.
void OfferEverything(QivDataSet& data) {
  data.setMexicoOption(true);
  for (const char* name : {"Waybill32", "Portlist", "VornMaintenance", "PSHEET"}) data.write(name, "");
  data.write("PSNAME.FIL", "PSHEET.EXE\r\n");
  data.write("MAP.BMP", testing::BitmapFile(4, 4, 0x336699));
  data.write("WEB.FIL", "http://www.example.test/\r\n");
  data.write("WEBFUEL.FIL", "http://fuel.example.test/\n");
  data.write("WEB1.FIL", "http://one.example.test/\n");
  data.write("WEB2.FIL", "http://two.example.test/\n");
  data.write("WEB3.FIL", "http://three.example.test/\n");
  for (auto option : {fields::kPriceSheetOption, fields::kTariffDisplayOption, fields::kShipmentDetailOption,
                      fields::kConversionCalculatorOption, fields::kMexicanCityLookupOption,
                      fields::kUsCityLookupOption, fields::kCanadianCityLookupOption, fields::kDivisionOfRevenueOption})
    data.setText(option, "Y");
  data.setText(fields::kRulesOption, "H");
  data.setShort(fields::kNoticeSuppressed, 1);
}

// What the program did since a mark: boxes, windows opened, programs,
// addresses, help, calculators, and the command's check mark after.
class Trace {
 public:
  explicit Trace(QivRun& run) : run_(run) {}
  void mark(WindowHandle screen, int command) {
    flags_ = testing::MenuFlags(screen, command);
    boxes_ = run_.driver.boxes().size();
    seen_ = run_.driver.seen().size();
    programs_ = run_.programs.requests.size();
    opened_ = run_.opener.requests.size();
    help_ = run_.help.requests.size();
    calculators_ = run_.calculator.starts;
  }
  std::string since(WindowHandle screen, int command) const {
    std::ostringstream out;
    for (std::size_t i = boxes_; i < run_.driver.boxes().size(); ++i)
      out << "box \"" << run_.driver.boxes()[i].text << "\"; ";
    // Windows other than the screen and the boxes.
    std::set<std::string> skipped = {WindowText(screen), ""};
    for (const auto& box : run_.driver.boxes()) skipped.insert(box.caption);
    for (std::size_t i = seen_; i < run_.driver.seen().size(); ++i)
      if (!skipped.contains(run_.driver.seen()[i].caption))
        out << "window \"" << run_.driver.seen()[i].caption << "\"; ";
    for (std::size_t i = programs_; i < run_.programs.requests.size(); ++i) {
      const auto& request = run_.programs.requests[i];
      out << (request.kind == Kind::Waited ? "waited "
              : request.kind == Kind::Kept ? "kept "
                                           : "forgotten ")
          << request.commandLine.substr(request.commandLine.rfind('/') + 1) << "; ";
    }
    for (std::size_t i = opened_; i < run_.opener.requests.size(); ++i)
      out << "open " << run_.opener.requests[i].target << "; ";
    for (std::size_t i = help_; i < run_.help.requests.size(); ++i)
      out << "help " << run_.help.requests[i].context.value_or(0) << "; ";
    if (run_.calculator.starts != calculators_) out << "calculator; ";
    // The item's check mark and graying, when they changed.
    const unsigned flags = testing::MenuFlags(screen, command);
    if (flags != ~0u && flags_ != ~0u) {
      if ((flags ^ flags_) & menu_flag::Checked) out << ((flags & menu_flag::Checked) ? "checked; " : "unchecked; ");
      if ((flags ^ flags_) & menu_flag::Grayed) out << ((flags & menu_flag::Grayed) ? "grayed; " : "enabled; ");
    }
    std::string text = out.str();
    while (!text.empty() && (text.back() == ' ' || text.back() == ';')) text.pop_back();
    return text;
  }

 private:
  QivRun& run_;
  unsigned flags_ = 0;
  std::size_t boxes_ = 0, seen_ = 0, programs_ = 0, opened_ = 0, help_ = 0;
  int calculators_ = 0;
};

Point Centre(const Rect& rect) { return {rect.left + rect.width() / 2, rect.top + rect.height() / 2}; }

void ClickAt(Point point) {
  InjectMouseButton(MouseButton::Left, true, point);
  InjectMouseButton(MouseButton::Left, false, point);
}

// The command's place on the menu bar: pop-up and item positions.
std::optional<std::pair<int, int>> MenuPlace(WindowHandle screen, int command) {
  const MenuHandle bar = GetMenu(screen);
  for (int p = 0; p < MenuItemCount(bar); ++p)
    for (int i = 0; i < MenuItemCount(SubMenu(bar, p)); ++i)
      if (MenuItemId(SubMenu(bar, p), i) == command) return std::pair{p, i};
  return std::nullopt;
}

// Runs the whole table one way; the effect of each command.
std::map<int, std::string> RunTable(Way way, std::vector<int>* offered = nullptr) {
  QivDataSet data;
  OfferEverything(data);
  QivRun run(data);
  int settingsShown = 0;
  run.environment.settingsDialog = [&](QivSession&, WindowHandle) {
    ++settingsShown;
    return LResult{2};
  };
  run.driver.cancelOtherWindows();
  run.driver.answerQuestions({false});  // Exit: No
  Trace trace(run);
  std::map<int, std::string> effects;
  int previous = 0;
  int settingsBefore = 0;
  auto record = [&](WindowHandle screen) {
    if (previous == 0) return;
    effects[previous] = trace.since(screen, previous);
    if (settingsShown != settingsBefore) effects[previous] += " settings";
  };
  run.driver.onScreen([&](WindowHandle screen) {
    if (offered) *offered = testing::MenuCommands(screen);
  });
  for (const Entry& entry : Table()) {
    const int command = entry.command;
    if (way == Way::Menu) {
      run.driver.onScreen([&, command](WindowHandle screen) {
        record(screen);
        trace.mark(screen, command);
        settingsBefore = settingsShown;
        previous = command;
        if (const auto place = MenuPlace(screen, command)) ClickAt(Centre(MenuBarItemRect(screen, place->first)));
      });
      run.driver.onScreen([command](WindowHandle screen) {
        if (const auto place = MenuPlace(screen, command))
          ClickAt(Centre(PopupItemRect(screen, place->first, place->second)));
      });
      continue;
    }
    run.driver.onScreen([&, command, entry](WindowHandle screen) {
      record(screen);
      trace.mark(screen, command);
      settingsBefore = settingsShown;
      previous = command;
      if (way == Way::Accelerator) {
        if (entry.key != 0) InjectKeyPress(static_cast<VirtualKey>(entry.key), modifier::Control);
        return;
      }
      const WindowHandle toolbar = DialogItem(screen, screen_id::Toolbar);
      const auto index = SendMessage(toolbar, toolbar::CommandToIndex, static_cast<WParam>(command));
      Rect place;
      if (index >= 0 &&
          SendMessage(toolbar, toolbar::GetItemRect, static_cast<WParam>(index), reinterpret_cast<LParam>(&place)))
        InjectClick(toolbar, Centre(place));
    });
  }
  run.driver.onScreen([&](WindowHandle screen) { record(screen); });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  return effects;
}

TEST(CommandTable, EveryCommandByMenuAcceleratorAndButton) {
  std::vector<int> offered;
  const std::map<int, std::string> byMenu = RunTable(Way::Menu, &offered);
  const std::map<int, std::string> byKey = RunTable(Way::Accelerator);
  const std::map<int, std::string> byButton = RunTable(Way::Button);
  // Every command of the menu is in the table.
  for (int command : offered) {
    EXPECT_TRUE(std::any_of(Table().begin(), Table().end(), [&](const Entry& e) { return e.command == command; }))
        << command;
  }
  for (const Entry& entry : Table()) {
    SCOPED_TRACE(entry.command);
    EXPECT_EQ(byMenu.at(entry.command), entry.effect);
    // A way the command does not have does nothing; the Spanish item's
    // button is the language button, which English already pressed.
    EXPECT_EQ(byKey.at(entry.command), entry.key != 0 ? entry.effect : "");
    EXPECT_EQ(byButton.at(entry.command), entry.button ? entry.effect : "");
  }
}

}  // namespace
}  // namespace qiv
