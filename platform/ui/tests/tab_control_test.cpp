// The tab control: selection by clicks and keys with the changing notice
// that may refuse, fixed-width owner-drawn tabs drawn by the parent, and
// hot tracking with its redraws.
#include "platform/ui/controls/tab_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/notify.h"
#include "platform/ui/owner_draw.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr int kTabs = 132;
constexpr int kTabControl = 701;
constexpr int kField = 702;

class TabControls : public testing::OpenDialogTest<> {
 protected:
  TabControls() : OpenDialogTest(kTabs) {}
  void SetUp() override {
    OpenDialogTest::SetUp();
    for (const char* text : {"Rates", "Charges", "Notes"}) {
      const tab_control::Item item{text, 0};
      send(tab_control::InsertItem, 99, reinterpret_cast<LParam>(&item));
    }
    // The parent refuses a change while refusing_ is set.
    dialog_.messageMap().onMessage(msg::Notify, [this](const Message& m) {
      return LResult{NotifyHeaderOf(m.lParam).code == tab_control::SelectionChanging && refusing_ ? 1 : 0};
    });
  }
  WindowHandle tabs() { return item(kTabControl); }
  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(item(kTabControl), message, wParam, lParam);
  }
  int selection() { return static_cast<int>(send(tab_control::GetCurrentSelection)); }
  Rect tabRect(int index) {
    Rect rect;
    send(tab_control::GetItemRect, static_cast<WParam>(index), reinterpret_cast<LParam>(&rect));
    return rect;
  }
  Point middleOf(int index) {
    const Rect rect = tabRect(index);
    return {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
  }
  void clickTab(int index) {
    InjectClick(tabs(), middleOf(index));
    run();
  }
  void hover(int index) {
    InjectMouseMove(ClientToScreen(tabs(), middleOf(index)));
    run();
  }
  // The tab control's own notices (the focus notices left out).
  std::vector<unsigned> selectionNotices() {
    std::vector<unsigned> codes;
    for (unsigned code : dialog_.codesFrom(kTabControl))
      if (code == tab_control::SelectionChanging || code == tab_control::SelectionChange) codes.push_back(code);
    return codes;
  }
  bool refusing_ = false;
};

constexpr unsigned kChanging = tab_control::SelectionChanging;
constexpr unsigned kChange = tab_control::SelectionChange;

TEST_F(TabControls, AreSelectedByClicksAndKeysAndHonourARefusal) {
  using Codes = std::vector<unsigned>;
  struct Step {
    const char* name;
    std::function<void()> act;
    bool refuse;
    int selection;
    Codes notices;
  };
  const auto key = [this](VirtualKey code, unsigned modifiers = modifier::None) {
    return [this, code, modifiers] { press(code, modifiers); };
  };
  const Step steps[] = {
      {"a click on the third tab", [this] { clickTab(2); }, false, 2, {kChanging, kChange}},
      {"Left", key(key::Left), false, 1, {kChanging, kChange}},
      {"Left again", key(key::Left), false, 0, {kChanging, kChange}},
      {"Left at the first tab", key(key::Left), false, 0, {}},
      {"Right", key(key::Right), false, 1, {kChanging, kChange}},
      {"Ctrl+Tab", key(key::Tab, modifier::Control), false, 2, {kChanging, kChange}},
      {"Ctrl+Tab wraps", key(key::Tab, modifier::Control), false, 0, {kChanging, kChange}},
      {"Ctrl+Shift+Tab wraps back", key(key::Tab, modifier::Control | modifier::Shift), false, 2, {kChanging, kChange}},
      {"a refused click", [this] { clickTab(0); }, true, 2, {kChanging}},
      {"a refused Left", key(key::Left), true, 2, {kChanging}},
      {"a refused Ctrl+Tab", key(key::Tab, modifier::Control), true, 2, {kChanging}},
      {"a click on the selected tab", [this] { clickTab(2); }, false, 2, {}},
      {"the program's choice tells nothing", [this] { send(tab_control::SetCurrentSelection, 1); }, false, 1, {}},
  };
  for (const Step& step : steps) {
    refusing_ = step.refuse;
    dialog_.clear();
    step.act();
    EXPECT_EQ(selection(), step.selection) << step.name;
    EXPECT_EQ(selectionNotices(), step.notices) << step.name;
    EXPECT_EQ(GetFocus(), tabs()) << step.name;  // a click gives it the focus; keys leave it there
  }
  // Tab alone moves on in the dialog.
  press(key::Tab);
  EXPECT_NE(GetFocus(), tabs());
}

TEST_F(TabControls, FixedWidthOwnerDrawnTabsAreDrawnByTheParent) {
  SetWindowStyle(tabs(), WindowStyle(tabs()) | tab_control::OwnerDrawFixed | tab_control::FixedWidth);
  std::vector<DrawItemInfo> asked;
  bool answer = true;
  dialog_.messageMap().onMessage(msg::DrawItem, [&](const Message& m) {
    asked.push_back(*reinterpret_cast<const DrawItemInfo*>(m.lParam));
    if (answer) TextOut(asked.back().dc, asked.back().rect.left + 5, asked.back().rect.top + 5, "drawn");
    return LResult{answer ? 1 : 0};
  });
  send(tab_control::SetCurrentSelection, 1);
  SetFocus(tabs());
  RecordingSurface surface({400, 200});
  PaintWindowTree(tabs(), surface);
  ASSERT_EQ(asked.size(), 3u);
  // The selected tab last, over its neighbours; each tab as wide as the
  // widest text ("Charges": 7 characters and 6 pixels either side).
  EXPECT_EQ(asked.back().itemId, 1);
  EXPECT_EQ(asked.back().state, owner_draw_state::Selected | owner_draw_state::Focus);
  EXPECT_EQ(asked.front().state, 0u);
  for (const DrawItemInfo& info : asked) {
    EXPECT_EQ(info.type, OwnerDrawType::TabControl);
    EXPECT_EQ(info.controlId, kTabControl);
    EXPECT_EQ(info.control, tabs());
  }
  EXPECT_EQ(tabRect(0).width(), 7 * 6 + 12);
  EXPECT_EQ(tabRect(2).width(), tabRect(0).width());
  std::vector<std::string> texts;
  for (const DrawCall& call : surface.texts()) texts.push_back(call.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"drawn", "drawn", "drawn"}));
  // A parent that draws nothing leaves the text to the control; a size
  // set for the items holds.
  answer = false;
  asked.clear();
  surface.clear();
  send(tab_control::SetItemSize, 0, static_cast<LParam>(MakeLong(80, 0)));
  PaintWindowTree(tabs(), surface);
  texts.clear();
  for (const DrawCall& call : surface.texts()) texts.push_back(call.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Rates", "Notes", "Charges"}));
  EXPECT_EQ(tabRect(1).width(), 80);
  EXPECT_EQ(tabRect(1).left, tabRect(0).right);
}

TEST_F(TabControls, TrackTheTabUnderTheMouseAndRedrawWhenItChanges) {
  SetWindowStyle(tabs(), WindowStyle(tabs()) | tab_control::OwnerDrawFixed);
  std::vector<DrawItemInfo> asked;
  dialog_.messageMap().onMessage(msg::DrawItem, [&](const Message& m) {
    asked.push_back(*reinterpret_cast<const DrawItemInfo*>(m.lParam));
    return LResult{1};
  });
  const auto hotOnes = [&] {
    asked.clear();
    RecordingSurface surface({400, 200});
    PaintWindowTree(tabs(), surface);
    std::vector<int> hot;
    for (const DrawItemInfo& info : asked)
      if (info.state & owner_draw_state::HotLight) hot.push_back(info.itemId);
    return hot;
  };
  const auto redrawn = [this](int index) {
    const std::optional<Rect> update = UpdateRect(tabs());
    return update && update->intersectedWith(tabRect(index)) == tabRect(index);
  };
  ValidateRect(tabs());
  hover(1);
  EXPECT_EQ(send(tab_control::GetHotItem), 1);
  EXPECT_TRUE(redrawn(1));
  EXPECT_EQ(hotOnes(), std::vector<int>{1});
  hover(2);
  EXPECT_EQ(send(tab_control::GetHotItem), 2);
  EXPECT_TRUE(redrawn(1));
  EXPECT_TRUE(redrawn(2));
  EXPECT_EQ(hotOnes(), std::vector<int>{2});
  // The mouse moved within the tab: nothing to redraw.
  ValidateRect(tabs());
  InjectMouseMove(ClientToScreen(tabs(), {middleOf(2).x + 2, middleOf(2).y}));
  run();
  EXPECT_FALSE(UpdateRect(tabs()));
  // The mouse leaves the control: it hears so at once, with no clock.
  InjectMouseMove(ClientToScreen(item(kField), {3, 3}));
  run();
  EXPECT_EQ(send(tab_control::GetHotItem), -1);
  EXPECT_TRUE(redrawn(2));
  EXPECT_TRUE(hotOnes().empty());
  // Without hot tracking no tab is hot.
  SetWindowStyle(tabs(), WindowStyle(tabs()) & ~tab_control::HotTrack);
  hover(0);
  EXPECT_EQ(send(tab_control::GetHotItem), -1);
}

TEST_F(TabControls, KeepTheirItemsAndReportTheirDisplayArea) {
  tab_control::Item read;
  EXPECT_EQ(send(tab_control::GetItem, 1, reinterpret_cast<LParam>(&read)), 1);
  EXPECT_EQ(read.text, "Charges");
  EXPECT_EQ(send(tab_control::GetItem, 3, reinterpret_cast<LParam>(&read)), 0);
  const tab_control::Item first{"First", 42};
  EXPECT_EQ(send(tab_control::InsertItem, 0, reinterpret_cast<LParam>(&first)), 0);
  EXPECT_EQ(selection(), 1);  // the selected tab keeps its place among the others
  EXPECT_EQ(send(tab_control::GetItem, 0, reinterpret_cast<LParam>(&read)), 1);
  EXPECT_EQ(read.data, 42);
  EXPECT_EQ(send(tab_control::HitTest, 0, PointToParam(middleOf(3))), 3);
  EXPECT_EQ(send(tab_control::HitTest, 0, PointToParam({1, 60})), -1);
  EXPECT_EQ(send(tab_control::DeleteItem, 1), 1);
  EXPECT_EQ(selection(), -1);
  EXPECT_EQ(send(tab_control::GetItemCount), 3);
  // The display area and the window that holds one are each other's
  // inverse.
  Rect area = ClientRect(tabs());
  send(tab_control::AdjustRect, 0, reinterpret_cast<LParam>(&area));
  EXPECT_EQ(area.top, tabRect(0).bottom + 4);
  send(tab_control::AdjustRect, 1, reinterpret_cast<LParam>(&area));
  EXPECT_EQ(area, ClientRect(tabs()));
  EXPECT_EQ(send(tab_control::DeleteAllItems), 1);
  EXPECT_EQ(send(tab_control::GetItemCount), 0);
  SetFocus(tabs());
  press(key::Right);  // nothing to select, nothing happens
  EXPECT_EQ(selection(), -1);
}

}  // namespace
}  // namespace platform::ui
