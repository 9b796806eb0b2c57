// Menus and accelerators: a menu bar on a dialog, items by command and by
// position, check, gray, delete and relabel; the menu loop from the
// keyboard and the mouse with its selection reported through the
// message-filter hook; accelerators tried before dialog navigation, and
// those of grayed or removed commands doing nothing.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/accelerator.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/menu.h"
#include "platform/ui/paint.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using ::testing::ElementsAre;

constexpr int kFields = 110;
constexpr int kPrint = 32792;
constexpr int kExport = 32794;
constexpr int kPriceSheet = 32774;
constexpr int kDisplayRates = 32771;
constexpr int kAutoClear = 32779;
constexpr int kDensity = 32829;
constexpr int kServiceMap = 32800;

// Run, Options and View, as the rating screen has them (shortened).
MenuHandle BuildMenuBar() {
  const MenuHandle bar = CreateMenu();
  const MenuHandle run = CreateMenu();
  AppendMenuItem(run, kPrint, "Print");
  AppendMenuItem(run, kExport, "Export");
  AppendSeparator(run);
  AppendMenuItem(run, kPriceSheet, "Price Sheet");
  const MenuHandle options = CreateMenu();
  AppendMenuItem(options, kAutoClear, "Auto Clear");
  AppendMenuItem(options, kDensity, "Density Calculator");
  const MenuHandle view = CreateMenu();
  AppendMenuItem(view, kDisplayRates, "Display Rates");
  AppendMenuItem(view, kServiceMap, "Show Service Map");
  AppendSubMenu(bar, run, "Run");
  AppendSubMenu(bar, options, "Options");
  AppendSubMenu(bar, view, "View");
  return bar;
}

// The rating screen's order: its accelerators first, then dialog
// navigation.
class MenuDialog : public testing::RecordingDialog {
 public:
  explicit MenuDialog(int templateId) : RecordingDialog(templateId) {}
  AcceleratorHandle accelerators = nullptr;
  bool preTranslateMessage(Message& message) override {
    if (accelerators && TranslateAccelerator(handle(), accelerators, message)) return true;
    return RecordingDialog::preTranslateMessage(message);
  }
  using Dialog::messageMap;
};

class Menus : public testing::OpenDialogTest<MenuDialog> {
 protected:
  Menus() : OpenDialogTest(kFields) {}
  void SetUp() override {
    OpenDialogTest::SetUp();
    bar_ = BuildMenuBar();
    ASSERT_TRUE(SetMenu(dialog_.handle(), bar_));
    dialog_.clear();
    hook_ = AddMessageFilterHook([this](int code, Message& message) {
      if (code == filter_code::Menu && message.message == msg::MenuSelect)
        selected_.push_back(static_cast<int>(LowWord(message.wParam)));
      return false;
    });
  }
  void TearDown() override {
    RemoveMessageFilterHook(hook_);
    OpenDialogTest::TearDown();
  }
  // The menu commands the dialog received (not its controls' notices).
  std::vector<int> commands() {
    std::vector<int> ids;
    for (const auto& notice : dialog_.notices)
      if (notice.id >= 0x8000) ids.push_back(notice.id);
    return ids;
  }
  MenuHandle bar_ = nullptr;
  int hook_ = 0;
  std::vector<int> selected_;
};

TEST_F(Menus, ItemsAreCheckedGrayedDeletedAndRelabelledByCommandOrPosition) {
  EXPECT_EQ(GetMenu(dialog_.handle()), bar_);
  EXPECT_EQ(MenuItemCount(bar_), 3);
  EXPECT_EQ(CheckMenuItem(bar_, kAutoClear, MenuLookup::ByCommand, true), 0);
  EXPECT_EQ(CheckMenuItem(bar_, kAutoClear, MenuLookup::ByCommand, true), 1);
  EXPECT_TRUE(MenuItemFlags(bar_, kAutoClear, MenuLookup::ByCommand) & menu_flag::Checked);
  EXPECT_EQ(EnableMenuItem(bar_, kDisplayRates, MenuLookup::ByCommand, MenuItemState::Grayed), 0);
  EXPECT_TRUE(MenuItemFlags(bar_, kDisplayRates, MenuLookup::ByCommand) & menu_flag::Grayed);
  EXPECT_EQ(EnableMenuItem(bar_, 99999, MenuLookup::ByCommand, MenuItemState::Grayed), -1);

  EXPECT_TRUE(DeleteMenuItem(bar_, kPriceSheet, MenuLookup::ByCommand));
  EXPECT_FALSE(MenuItemExists(bar_, kPriceSheet, MenuLookup::ByCommand));
  EXPECT_EQ(MenuItemCount(SubMenu(bar_, 0)), 3);  // the separator stays
  EXPECT_FALSE(DeleteMenuItem(bar_, kPriceSheet, MenuLookup::ByCommand));

  // Relabelling an item gives it the flags given: a grayed one comes back
  // enabled unless it is grayed again.
  EXPECT_TRUE(ModifyMenuItem(bar_, kDisplayRates, MenuLookup::ByCommand, 0, kDisplayRates, "Tarifas"));
  EXPECT_EQ(MenuItemText(bar_, kDisplayRates, MenuLookup::ByCommand), "Tarifas");
  EXPECT_EQ(MenuItemFlags(bar_, kDisplayRates, MenuLookup::ByCommand) & menu_flag::Grayed, 0u);
  // A top-level pop-up relabelled by position keeps its pop-up.
  const MenuHandle options = SubMenu(bar_, 1);
  EXPECT_TRUE(ModifyMenuItem(bar_, 1, MenuLookup::ByPosition, 0, 0, "Opciones"));
  EXPECT_EQ(MenuItemText(bar_, 1, MenuLookup::ByPosition), "Opciones");
  EXPECT_EQ(SubMenu(bar_, 1), options);
  EXPECT_EQ(MenuItemId(bar_, 1), -1);
  EXPECT_TRUE(DrawMenuBar(dialog_.handle()));
  EXPECT_EQ(MenuBarDrawCount(dialog_.handle()), 1);
  // The menu bar takes its height from the client area.
  EXPECT_EQ(ClientRect(dialog_.handle()).height(), 130 - 19);
}

TEST_F(Menus, TheKeyboardMenuReportsEachHighlightThroughTheHookAndPostsTheChoice) {
  int popupsOpened = 0;
  dialog_.messageMap().onMessage(msg::InitMenuPopup, [&](const Message&) {
    ++popupsOpened;
    return LResult{0};
  });
  InjectKeyPress(key::F10);
  InjectKeyPress(key::Down);   // opens Run: Print
  InjectKeyPress(key::Down);   // Export
  InjectKeyPress(key::Down);   // over the separator: Price Sheet
  InjectKeyPress(key::Right);  // Options: Auto Clear
  InjectKeyPress(key::Left);   // back to Run: Print
  InjectKeyPress(key::Up);     // wraps: Price Sheet
  InjectKeyPress(key::Enter);
  run();
  EXPECT_EQ(selected_, (std::vector<int>{0, 0, kPrint, kExport, kPriceSheet, 1, kAutoClear, 0, kPrint, kPriceSheet}));
  EXPECT_EQ(popupsOpened, 3);
  EXPECT_EQ(commands(), (std::vector<int>{kPriceSheet}));
  EXPECT_FALSE(CurrentMenuTracking().active);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetFocus(), dialog_.item(501));  // the focus never moved
}

TEST_F(Menus, AGrayedItemCannotBeChosenAndEscClosesStepByStep) {
  EnableMenuItem(bar_, kDisplayRates, MenuLookup::ByCommand, MenuItemState::Grayed);
  std::vector<MenuTracking> states;
  whenIdle({[&] {
              states.push_back(CurrentMenuTracking());
              InjectKeyPress(key::Escape);
            },
            [&] {
              states.push_back(CurrentMenuTracking());
              InjectKeyPress(key::Escape);
            }});
  InjectKeyPress(key::F10);
  InjectKeyPress(key::Left);   // wraps to View
  InjectKeyPress(key::Down);   // Display Rates, grayed
  InjectKeyPress(key::Enter);  // nothing: the menu stays open
  run();
  ASSERT_EQ(states.size(), 2u);
  EXPECT_TRUE(states[0].active);
  EXPECT_EQ(states[0].barPosition, 2);
  EXPECT_TRUE(states[0].popupOpen);
  EXPECT_EQ(states[0].popupItem, 0);
  EXPECT_TRUE(states[1].active);  // the first Esc closed the pop-up only
  EXPECT_FALSE(states[1].popupOpen);
  EXPECT_FALSE(CurrentMenuTracking().active);
  EXPECT_TRUE(commands().empty());
  EXPECT_FALSE(backend_.starved());
}

TEST_F(Menus, UpdateHandlersRunWhenAPopUpOpensAndF1AsksForHelpOnTheItem) {
  bool mapAvailable = false;
  dialog_.messageMap().onUpdateCommand(kServiceMap, [&](CommandUpdate& update) { update.enable(mapAvailable); });
  int helpFor = 0;
  HelpInfo::Source source = HelpInfo::Source::Window;
  dialog_.messageMap().onMessage(msg::Help, [&](const Message& m) {
    const auto* info = reinterpret_cast<const HelpInfo*>(m.lParam);
    helpFor = info->controlId;
    source = info->source;
    return LResult{1};
  });
  InjectKeyPress(key::F10);
  InjectKeyPress(key::Left);
  InjectKeyPress(key::Down);
  InjectKeyPress(key::Down);  // Show Service Map
  InjectKeyPress(key::F1);
  run();
  EXPECT_TRUE(MenuItemFlags(bar_, kServiceMap, MenuLookup::ByCommand) & menu_flag::Grayed);
  EXPECT_EQ(helpFor, kServiceMap);
  EXPECT_EQ(source, HelpInfo::Source::MenuItem);
  EXPECT_TRUE(commands().empty());
}

TEST_F(Menus, TheMouseOpensAPopUpAndChoosesAnItem) {
  const Rect options = MenuBarItemRect(dialog_.handle(), 1);
  ASSERT_FALSE(options.isEmpty());
  const Point title{options.left + 2, options.top + 2};
  InjectMouseMove(title);
  InjectMouseButton(MouseButton::Left, true, title);
  InjectMouseButton(MouseButton::Left, false, title);
  const Rect density = PopupItemRect(dialog_.handle(), 1, 1);
  const Point at{density.left + 5, density.top + 5};
  InjectMouseMove(at);
  InjectMouseButton(MouseButton::Left, true, at);
  InjectMouseButton(MouseButton::Left, false, at);
  run();
  EXPECT_EQ(commands(), (std::vector<int>{kDensity}));
  EXPECT_EQ(selected_, (std::vector<int>{1, kDensity}));
  // A press outside closes the menu without a command.
  dialog_.clear();
  InjectMouseButton(MouseButton::Left, true, title);
  InjectMouseButton(MouseButton::Left, false, title);
  InjectMouseButton(MouseButton::Left, true, {900, 700});
  InjectMouseButton(MouseButton::Left, false, {900, 700});
  run();
  EXPECT_TRUE(commands().empty());
  EXPECT_FALSE(CurrentMenuTracking().active);
}

// The open pop-up as the screen shows it: painted in a window of its own
// over the dialog, with the check, the separator, the grayed item and the
// highlight.
TEST_F(Menus, AnOpenPopUpIsShownInItsOwnWindowWithChecksGrayedItemsAndTheHighlight) {
  CheckMenuItem(bar_, kPrint, MenuLookup::ByCommand, true);
  EnableMenuItem(bar_, kPriceSheet, MenuLookup::ByCommand, MenuItemState::Grayed);
  WindowHandle popup = nullptr;
  WindowHandle owner = nullptr;
  Rect where;
  std::unique_ptr<cairo::ImageSurface> image;
  bool openAfterEsc = true;
  whenIdle({[&] {
              popup = CurrentMenuTracking().popupWindow;
              owner = OwnerWindow(popup);
              where = WindowRect(popup);
              image = std::make_unique<cairo::ImageSurface>(Size{where.width(), where.height()});
              PaintWindowTree(popup, *image);
              InjectKeyPress(key::Escape);
            },
            [&] {
              openAfterEsc = IsWindow(popup);
              InjectKeyPress(key::Escape);
            }});
  InjectKeyPress(key::F10);
  InjectKeyPress(key::Down);  // opens Run: Print
  InjectKeyPress(key::Down);  // Export
  run();
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(openAfterEsc);  // the pop-up's window goes with it
  EXPECT_EQ(owner, dialog_.handle());
  EXPECT_EQ(GetActiveWindow(), dialog_.handle());
  // Below its title, framed around the items.
  const Rect title = MenuBarItemRect(dialog_.handle(), 0);
  EXPECT_EQ((Point{where.left, where.top}), (Point{title.left, title.bottom}));
  const auto item = [&](int position) {
    return PopupItemRect(dialog_.handle(), 0, position).offsetBy(-where.left, -where.top);
  };
  EXPECT_EQ(item(0).left, 2);
  EXPECT_EQ(item(3).bottom + 2, where.height());
  // The pixels of the rectangle that pass the test (text is smoothed:
  // its colour is told by its channels).
  const auto count = [&](const Rect& rect, auto test) {
    int found = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) found += test(image->pixel(x, y)) ? 1 : 0;
    return found;
  };
  const auto is = [](ColorRef color) { return [color](ColorRef p) { return p == color; }; };
  const auto dark = [](ColorRef p) { return RedOf(p) < 100 && GreenOf(p) < 100 && BlueOf(p) < 100; };
  const Rect checkColumn{item(0).left, item(0).top, item(0).left + 18, item(0).bottom};
  const Rect textColumn{checkColumn.right, item(0).top, item(0).right, item(0).bottom};
  EXPECT_GT(count(checkColumn, is(GetSystemColor(SystemColor::MenuText))), 10);  // Print's check mark
  EXPECT_GT(count(textColumn, dark), 10);                                        // and its text
  // Export highlighted, its text light on it, and no check.
  const int down = item(1).top - item(0).top;
  EXPECT_EQ(count(checkColumn.offsetBy(0, down), is(GetSystemColor(SystemColor::Highlight))), 18 * 18);
  EXPECT_GT(count(textColumn.offsetBy(0, down), [](ColorRef p) { return RedOf(p) > 200; }), 10);
  EXPECT_EQ(image->pixel(item(0).right - 2, item(0).top + 1), GetSystemColor(SystemColor::Menu));
  // The separator's etched line; Price Sheet grayed: drawn, nothing dark.
  const int line = item(2).top + item(2).height() / 2 - 1;
  EXPECT_EQ(image->pixel(item(2).left + 5, line), GetSystemColor(SystemColor::ButtonShadow));
  EXPECT_EQ(image->pixel(item(2).left + 5, line + 1), GetSystemColor(SystemColor::ButtonHighlight));
  EXPECT_GT(count(item(3), [](ColorRef p) { return p != GetSystemColor(SystemColor::Menu); }), 10);
  EXPECT_EQ(count(item(3), dark), 0);
}

// ---- accelerators

class Accelerators : public Menus {
 protected:
  void SetUp() override {
    Menus::SetUp();
    dialog_.accelerators = CreateAcceleratorTable({{'T', modifier::Control, kDisplayRates},
                                                   {key::Enter, modifier::None, kPrint},
                                                   {'S', modifier::Control, kPriceSheet},
                                                   {'G', modifier::Control, kDensity}});
  }
  void TearDown() override {
    DestroyAcceleratorTable(dialog_.accelerators);
    Menus::TearDown();
  }
};

TEST_F(Accelerators, AnAcceleratorIsTranslatedBeforeDialogNavigation) {
  type("12");
  press(key::Enter);  // Print, not the default button
  press('T', modifier::Control);
  EXPECT_EQ(commands(), (std::vector<int>{kPrint, kDisplayRates}));
  EXPECT_FALSE(IsDialogEnded(dialog_.handle()));
  EXPECT_EQ(DialogItemText(dialog_.handle(), 501), "12");  // no control character reached the field
  // The command says it came from an accelerator.
  dialog_.clear();
  dialog_.messageMap().onCommand(kDisplayRates, [] {});
  press('T', modifier::Control);
  EXPECT_EQ(dialog_.codesFrom(kDisplayRates), (std::vector<unsigned>{1}));
  // Other modifiers are other keys.
  dialog_.clear();
  press('T', modifier::Control | modifier::Shift);
  EXPECT_TRUE(commands().empty());
}

TEST_F(Accelerators, TheAcceleratorOfAGrayedOrRemovedCommandDoesNothing) {
  EnableMenuItem(bar_, kDensity, MenuLookup::ByCommand, MenuItemState::Grayed);
  DeleteMenuItem(bar_, kPriceSheet, MenuLookup::ByCommand);
  press('G', modifier::Control);
  press('S', modifier::Control);
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(DialogItemText(dialog_.handle(), 501), "");  // the keys were taken all the same
  EnableMenuItem(bar_, kDensity, MenuLookup::ByCommand, MenuItemState::Enabled);
  press('G', modifier::Control);
  EXPECT_EQ(commands(), (std::vector<int>{kDensity}));
  // Without a menu bar every accelerator goes through.
  dialog_.clear();
  SetMenu(dialog_.handle(), nullptr);
  press('S', modifier::Control);
  EXPECT_EQ(commands(), (std::vector<int>{kPriceSheet}));
  DestroyMenu(bar_);
}

}  // namespace
}  // namespace platform::ui
