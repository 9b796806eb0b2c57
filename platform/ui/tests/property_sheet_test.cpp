// The property sheet as a child of a dialog: pages made on first
// activation, kill-active and set-active notices that refuse a change of
// page, one tab order from the dialog through the current page and back,
// the sheet hidden and shown, and the tab control's drawing left to the
// sheet.
#include "platform/ui/controls/property_sheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/ui/controls/tab_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/notify.h"
#include "platform/ui/owner_draw.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr int kSettings = 133;
constexpr int kName = 802;
constexpr int kSheet = 850;
constexpr int kOptionPage = 134;
constexpr int kDiscountPage = 135;
constexpr int kNotesPage = 136;
constexpr int kSave = 1;
constexpr int kCancel = 2;

constexpr unsigned kSetActive = property_sheet::SetActive;
constexpr unsigned kKillActive = property_sheet::KillActive;

// A page that records the sheet's notices and refuses what it is told to.
class Page : public testing::RecordingDialog {
 public:
  explicit Page(int templateId) : RecordingDialog(templateId) {
    messageMap().onMessage(msg::Notify, [this](const Message& m) {
      const unsigned code = NotifyHeaderOf(m.lParam).code;
      return LResult{(code == kKillActive && refuseKill) || (code == kSetActive && refuseSet) ? 1 : 0};
    });
  }
  std::vector<unsigned> heard() const { return codesFrom(kSheet); }
  bool refuseKill = false;
  bool refuseSet = false;
};

class PropertySheets : public testing::OpenDialogTest<> {
 protected:
  PropertySheets() : OpenDialogTest(kSettings) {}
  void SetUp() override {
    OpenDialogTest::SetUp();
    property_sheet::Sheet definition;
    definition.parent = dialog_.handle();
    definition.id = kSheet;
    definition.caption = "Profile";
    definition.position = {10, 40};
    definition.tabStyle = tab_control::HotTrack;
    definition.pages = {{kOptionPage, nullptr, &options_, ""},
                        {kDiscountPage, nullptr, &discounts_, ""},
                        {kNotesPage, nullptr, nullptr, "Notes and more"}};
    sheet_ = property_sheet::Create(definition);
    ASSERT_NE(sheet_, nullptr);
    focusAfterCreation_ = GetFocus();
    // In the tab order after the name field, before the buttons.
    SetWindowPosition(sheet_, item(kName), {}, position::NoMove | position::NoSize | position::NoActivate);
    SetFocus(item(kName));
  }
  LResult send(MessageId message, WParam wParam = 0) { return SendMessage(sheet_, message, wParam); }
  WindowHandle tabs() { return reinterpret_cast<WindowHandle>(send(property_sheet::GetTabControl)); }
  WindowHandle page(int index) {
    return reinterpret_cast<WindowHandle>(send(property_sheet::GetPageWindow, static_cast<WParam>(index)));
  }
  int current() { return static_cast<int>(send(property_sheet::GetCurrentPage)); }
  WindowHandle control(int index, int id) { return DialogItem(page(index), id); }
  void clickTab(int index) {
    Rect rect;
    SendMessage(tabs(), tab_control::GetItemRect, static_cast<WParam>(index), reinterpret_cast<LParam>(&rect));
    InjectClick(tabs(), {rect.left + 5, rect.top + 5});
    run();
  }
  // The ids of the windows Tab visits from the focus, so many times.
  std::vector<int> tabbing(int presses, unsigned modifiers = modifier::None) {
    std::vector<int> ids;
    for (int i = 0; i < presses; ++i) {
      press(key::Tab, modifiers);
      ids.push_back(WindowId(GetFocus()));
    }
    return ids;
  }

  Page options_{kOptionPage};
  Page discounts_{kDiscountPage};
  WindowHandle sheet_ = nullptr;
  WindowHandle focusAfterCreation_ = nullptr;
};

TEST_F(PropertySheets, MakeEachPageOnItsFirstActivation) {
  EXPECT_EQ(WindowText(sheet_), "Profile");
  EXPECT_EQ(send(property_sheet::GetPageCount), 3);
  EXPECT_EQ(current(), 0);
  ASSERT_NE(page(0), nullptr);
  EXPECT_EQ(page(1), nullptr);
  EXPECT_EQ(page(2), nullptr);
  EXPECT_EQ(options_.heard(), std::vector<unsigned>{kSetActive});
  EXPECT_EQ(options_.handle(), page(0));  // the page's object is attached
  EXPECT_TRUE(IsWindowVisible(page(0)));
  EXPECT_EQ(focusAfterCreation_, item(kName));  // making a page takes no focus
  // One tab per page, titled by its template or by the sheet.
  std::vector<std::string> titles;
  for (int i = 0; i < 3; ++i) {
    tab_control::Item tab;
    SendMessage(tabs(), tab_control::GetItem, static_cast<WParam>(i), reinterpret_cast<LParam>(&tab));
    titles.push_back(tab.text);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"Options", "Discounts", "Notes and more"}));
  EXPECT_EQ(WindowId(tabs()), property_sheet::kTabControlId);

  clickTab(1);
  EXPECT_EQ(current(), 1);
  ASSERT_NE(page(1), nullptr);
  EXPECT_EQ(options_.heard(), (std::vector<unsigned>{kSetActive, kKillActive}));
  EXPECT_EQ(discounts_.heard(), std::vector<unsigned>{kSetActive});
  EXPECT_FALSE(IsWindowVisible(page(0)));
  EXPECT_TRUE(IsWindowVisible(page(1)));
  EXPECT_EQ(page(2), nullptr);
  // The pages lie in the tab control's display area, which holds the
  // largest of them (180 by 80 and 160 by 90 dialog units).
  Rect area = ClientRect(tabs());
  SendMessage(tabs(), tab_control::AdjustRect, 0, reinterpret_cast<LParam>(&area));
  EXPECT_EQ(WindowRectInParent(page(0)), area);
  EXPECT_EQ(WindowRectInParent(page(1)), area);
  const Rect largest = DialogUnitsToPixels({6, 13}, {0, 0, 180, 90});
  EXPECT_EQ(area.width(), largest.width());
  EXPECT_EQ(area.height(), largest.height());
  EXPECT_EQ(ClientRect(sheet_), ClientRect(tabs()));
}

TEST_F(PropertySheets, StayOnAPageWhoseKillActiveRefusesAndOnTheOldOneWhenTheNewRefuses) {
  struct Way {
    const char* name;
    std::function<void()> toNextPage;
  };
  const Way ways[] = {
      {"a click on the tab", [this] { clickTab(1); }},
      {"Right on the tab control",
       [this] {
         SetFocus(tabs());
         press(key::Right);
       }},
      {"Ctrl+Tab in a page's field",
       [this] {
         SetFocus(control(0, 812));
         press(key::Tab, modifier::Control);
       }},
      {"the program's request", [this] { EXPECT_EQ(send(property_sheet::SetCurrentPage, 1), 0); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    options_.clear();
    discounts_.clear();
    options_.refuseKill = true;
    way.toNextPage();
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(SendMessage(tabs(), tab_control::GetCurrentSelection), 0);
    EXPECT_EQ(page(1), nullptr);  // never made
    EXPECT_TRUE(IsWindowVisible(page(0)));
    EXPECT_EQ(options_.heard(), std::vector<unsigned>{kKillActive});
  }
  // The old page lets go, the new one refuses: the old one is current
  // again and hears so.
  options_.refuseKill = false;
  discounts_.refuseSet = true;
  options_.clear();
  clickTab(1);
  EXPECT_EQ(current(), 0);
  EXPECT_EQ(SendMessage(tabs(), tab_control::GetCurrentSelection), 0);
  EXPECT_EQ(options_.heard(), (std::vector<unsigned>{kKillActive, kSetActive}));
  EXPECT_EQ(discounts_.heard(), std::vector<unsigned>{kSetActive});
  EXPECT_TRUE(IsWindowVisible(page(0)));
  EXPECT_FALSE(IsWindowVisible(page(1)));
  // Agreed on both sides, the change goes through.
  discounts_.refuseSet = false;
  EXPECT_EQ(send(property_sheet::SetCurrentPage, 1), 1);
  EXPECT_EQ(current(), 1);
  EXPECT_EQ(send(property_sheet::SetCurrentPage, 7), 0);
}

TEST_F(PropertySheets, ShareOneTabOrderWithTheDialogThroughTheCurrentPage) {
  const int tabControl = property_sheet::kTabControlId;
  struct Case {
    const char* name;
    std::function<void()> setUp;
    std::vector<int> forward;  // from the name field, Tab after Tab
  };
  const Case cases[] = {
      {"the first page", [] {}, {811, 812, 813, tabControl, kSave, kCancel, kName}},
      {"the second page",
       [this] { send(property_sheet::SetCurrentPage, 1); },
       {821, 823, tabControl, kSave, kCancel, kName}},
      {"a page without a tab stop",
       [this] { send(property_sheet::SetCurrentPage, 2); },
       {tabControl, kSave, kCancel, kName}},
      {"the sheet hidden", [this] { ShowWindow(sheet_, ShowCommand::Hide); }, {kSave, kCancel, kName}},
      {"the sheet shown again",
       [this] { ShowWindow(sheet_, ShowCommand::Show); },
       {811, 812, 813, tabControl, kSave, kCancel, kName}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    send(property_sheet::SetCurrentPage, 0);
    c.setUp();
    SetFocus(item(kName));
    const int count = static_cast<int>(c.forward.size());
    EXPECT_EQ(tabbing(count), c.forward);
    // Shift+Tab runs the same way back.
    std::vector<int> backward(c.forward.rbegin() + 1, c.forward.rend());
    backward.push_back(kName);
    EXPECT_EQ(tabbing(count, modifier::Shift), backward);
  }
}

TEST_F(PropertySheets, MoveTheFocusIntoTheNewPageWhenItWasInTheOldOne) {
  SetFocus(control(0, 812));
  press(key::Tab, modifier::Control);
  EXPECT_EQ(current(), 1);
  EXPECT_EQ(GetFocus(), control(1, 821));
  press(key::Tab, modifier::Control | modifier::Shift);
  EXPECT_EQ(current(), 0);
  EXPECT_EQ(GetFocus(), control(0, 811));
  // A page with no tab stop leaves the focus on the tab control.
  press(key::Tab, modifier::Control | modifier::Shift);
  EXPECT_EQ(current(), 2);
  EXPECT_EQ(GetFocus(), tabs());
  // From the tab control the focus stays there.
  press(key::Left);
  EXPECT_EQ(current(), 1);
  EXPECT_EQ(GetFocus(), tabs());
}

// The tab control, painted again on its own (a change of tab or of the
// focus), draws nothing over the page in its panel.
TEST_F(PropertySheets, KeepTheirPageWhenTheTabControlIsPaintedAlone) {
  SetFocus(tabs());
  RecordingSurface surface({600, 500});
  PaintWindowTree(tabs(), surface);
  const Rect dialog = WindowRect(dialog_.handle());
  const Rect page = WindowRect(this->page(0)).offsetBy(-dialog.left, -dialog.top);
  int fills = 0;
  for (const DrawCall& call : surface.calls()) {
    if (call.kind != DrawCall::Kind::Fill) continue;
    ++fills;
    EXPECT_TRUE(call.rect.intersectedWith(page).isEmpty()) << call.rect.left << "," << call.rect.top;
  }
  EXPECT_GT(fills, 10);
}

// The sheet's object draws the owner-drawn tabs, as the settings dialog's
// sheet does.
class TabDrawer : public Window {
 public:
  std::vector<DrawItemInfo> asked;

 protected:
  LResult windowProcedure(const Message& message) override {
    if (message.message != msg::DrawItem) return Window::windowProcedure(message);
    asked.push_back(*reinterpret_cast<const DrawItemInfo*>(message.lParam));
    return 1;
  }
};

TEST_F(PropertySheets, LeaveOwnerDrawnTabsToTheSheet) {
  SetWindowStyle(tabs(), WindowStyle(tabs()) | tab_control::OwnerDrawFixed);
  TabDrawer drawer;
  ASSERT_TRUE(drawer.subclass(sheet_));
  RecordingSurface surface({500, 400});
  PaintWindowTree(sheet_, surface);
  ASSERT_EQ(drawer.asked.size(), 3u);
  EXPECT_EQ(drawer.asked.back().itemId, 0);
  EXPECT_EQ(drawer.asked.back().controlId, property_sheet::kTabControlId);
  drawer.detach();
}

TEST(PropertySheetCreation, FailsWithoutAParentPagesOrTheirTemplates) {
  testing::ResetWindowSystem();
  property_sheet::Sheet definition;
  EXPECT_EQ(property_sheet::Create(definition), nullptr);
  definition.parent = testing::CreateRecorder("host", nullptr, style::Popup, {0, 0, 400, 300});
  EXPECT_EQ(property_sheet::Create(definition), nullptr);
  property_sheet::Page option;
  option.templateId = kOptionPage;
  property_sheet::Page missing;
  missing.templateId = 999;
  definition.pages = {option, missing};
  EXPECT_EQ(property_sheet::Create(definition), nullptr);
  EXPECT_TRUE(ChildWindows(definition.parent).empty());
  definition.pages = {option};
  EXPECT_NE(property_sheet::Create(definition), nullptr);
  testing::ResetWindowSystem();
}

}  // namespace
}  // namespace platform::ui
