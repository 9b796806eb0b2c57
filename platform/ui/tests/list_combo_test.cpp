// The list box (tab stops, selection, top index, its scroll bar, keys and
// the mouse) and the combo box (select-string, selection change, the
// drop-down list and its close-up).
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/scroll_bar.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using ::testing::ElementsAre;

constexpr int kLists = 111;

class Lists : public testing::OpenDialogTest<> {
 protected:
  Lists() : OpenDialogTest(kLists) {}
  LResult send(int id, MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(item(id), message, wParam, lParam);
  }
  LResult add(int id, const char* text) {
    return send(id, id == 401 ? list_box::AddString : combo_box::AddString, 0, reinterpret_cast<LParam>(text));
  }
  void fill(int id, int count) {
    for (int i = 0; i < count; ++i) add(id, ("Item " + std::string(i < 10 ? "0" : "") + std::to_string(i)).c_str());
  }
  std::string listText(int index) {
    char buffer[64] = {};
    send(401, list_box::GetText, static_cast<WParam>(index), reinterpret_cast<LParam>(buffer));
    return buffer;
  }
};

TEST_F(Lists, TabStopsAreKeptInQuarterCharactersAndMeasuredInTheListsFont) {
  const int stops[] = {10, 40, 64, 88};
  EXPECT_EQ(send(401, list_box::SetTabStops, 4, reinterpret_cast<LParam>(stops)), 1);
  EXPECT_EQ(list_box::TabStops(item(401)), (std::vector<int>{10, 40, 64, 88}));
  EXPECT_EQ(list_box::TabStopPixels(item(401)), (std::vector<int>{15, 60, 96, 132}));  // 6-pixel characters
  // Given as they are, a descending list too; none is the default.
  const int descending[] = {28, 16};
  send(401, list_box::SetTabStops, 2, reinterpret_cast<LParam>(descending));
  EXPECT_EQ(list_box::TabStopPixels(item(401)), (std::vector<int>{42, 24}));
  send(401, list_box::SetTabStops, 0, 0);
  EXPECT_TRUE(list_box::TabStops(item(401)).empty());
  // A tab stays in the item's text.
  add(401, "\t 100\tCLASS");
  EXPECT_EQ(listText(0), "\t 100\tCLASS");
}

TEST_F(Lists, SelectionAndTopIndexKeepTheSelectedItemInViewAndTheScrollBarFollows) {
  fill(401, 20);
  EXPECT_EQ(send(401, list_box::GetCount), 20);
  EXPECT_EQ(send(401, list_box::GetItemHeight), 13);
  // 42 units high: 68 pixels, 66 inside the border: five 13-pixel lines.
  EXPECT_EQ(send(401, list_box::SetCurrentSelection, 15), 15);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 15);
  EXPECT_EQ(send(401, list_box::GetTopIndex), 11);
  EXPECT_EQ(send(401, list_box::SetTopIndex, 18), 0);
  EXPECT_EQ(send(401, list_box::GetTopIndex), 15);  // the last page
  const ScrollInfo bar = GetScrollInfo(item(401), ScrollBar::Vertical);
  EXPECT_TRUE(bar.visible);
  EXPECT_EQ(bar.maximum, 19);
  EXPECT_EQ(bar.page, 5);
  EXPECT_EQ(bar.position, 15);
  SendMessage(item(401), msg::VScroll, scroll::LineUp);
  EXPECT_EQ(send(401, list_box::GetTopIndex), 14);
  SendMessage(item(401), msg::VScroll, MakeLong(scroll::ThumbPosition, 3));
  EXPECT_EQ(send(401, list_box::GetTopIndex), 3);

  // Removing items before the selection keeps it on its item.
  EXPECT_EQ(send(401, list_box::DeleteString, 0), 19);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 14);
  EXPECT_EQ(listText(14), "Item 15");
  EXPECT_EQ(send(401, list_box::DeleteString, 14), 18);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), -1);
  EXPECT_EQ(send(401, list_box::SetCurrentSelection, static_cast<WParam>(-1)), list_box::Error);
  EXPECT_EQ(send(401, list_box::SetCurrentSelection, 99), list_box::Error);
  EXPECT_EQ(send(401, list_box::GetText, 99, 0), list_box::Error);

  // Finding: prefixes and exact texts without regard to case, after the start.
  EXPECT_EQ(send(401, list_box::FindString, static_cast<WParam>(-1), reinterpret_cast<LParam>("item 1")), 9);
  EXPECT_EQ(send(401, list_box::FindString, 9, reinterpret_cast<LParam>("item 1")), 10);
  EXPECT_EQ(send(401, list_box::FindStringExact, static_cast<WParam>(-1), reinterpret_cast<LParam>("ITEM 07")), 6);
  EXPECT_EQ(send(401, list_box::FindStringExact, static_cast<WParam>(-1), reinterpret_cast<LParam>("Item 0")), -1);
  EXPECT_EQ(send(401, list_box::SelectString, static_cast<WParam>(-1), reinterpret_cast<LParam>("item 08")), 7);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 7);

  // Item values are pointer-sized.
  const LParam value = reinterpret_cast<LParam>(this);
  EXPECT_EQ(send(401, list_box::SetItemData, 3, value), 1);
  EXPECT_EQ(send(401, list_box::GetItemData, 3), value);
  // None of this was the user's doing: no notifications.
  EXPECT_TRUE(dialog_.codesFrom(401).empty());
  send(401, list_box::ResetContent);
  EXPECT_EQ(send(401, list_box::GetCount), 0);
  EXPECT_FALSE(GetScrollInfo(item(401), ScrollBar::Vertical).visible);
}

TEST_F(Lists, ItemHeightsAreOneForAllOrOneEachWithVariableOwnerDraw) {
  fill(401, 10);
  EXPECT_EQ(send(401, list_box::SetItemHeight, 0, 16), 0);
  EXPECT_EQ(send(401, list_box::GetItemHeight, 7), 16);  // every item
  EXPECT_EQ(send(401, list_box::SetItemHeight, 0, 300), list_box::Error);
  send(401, list_box::SetCurrentSelection, 9);
  EXPECT_EQ(send(401, list_box::GetTopIndex), 6);  // four 16-pixel lines in 66 pixels

  WindowCreation creation;
  creation.className = list_box::kClassName;
  creation.style = style::Child | style::Visible | list_box::OwnerDrawVariable | list_box::HasStrings;
  creation.rect = Rect::FromSize(0, 0, 100, 40);
  creation.parent = dialog_.handle();
  const WindowHandle rows = CreateWindow(creation);
  for (const char* text : {"A0A", "B1B", "C2C"})
    SendMessage(rows, list_box::AddString, 0, reinterpret_cast<LParam>(text));
  SendMessage(rows, list_box::SetItemHeight, 1, 25);
  EXPECT_EQ(SendMessage(rows, list_box::GetItemHeight, 0), 13);
  EXPECT_EQ(SendMessage(rows, list_box::GetItemHeight, 1), 25);
  EXPECT_EQ(SendMessage(rows, list_box::GetItemHeight, 5), list_box::Error);
  Rect third{};
  SendMessage(rows, list_box::GetItemRect, 2, reinterpret_cast<LParam>(&third));
  EXPECT_EQ(third.top, 38);
  EXPECT_EQ(LowWord(static_cast<WParam>(SendMessage(rows, list_box::ItemFromPoint, 0, PointToParam({5, 20})))), 1u);
}

TEST_F(Lists, KeysAndClicksSelectAndNotify) {
  fill(401, 20);
  SetFocus(item(401));
  dialog_.clear();
  press(key::Down);  // no selection yet: the first item
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 0);
  press(key::Down);
  press(key::End);
  press(key::PageUp);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 15);
  press(key::Home);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 0);
  type("i");  // the next item starting with I
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 1);
  EXPECT_EQ(dialog_.codesFrom(401), (std::vector<unsigned>(6, list_box::SelectionChange)));
  // A click selects the item under it; a double click reports itself.
  dialog_.clear();
  InjectClick(item(401), {5, 13 * 2 + 3});
  run();
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 2);
  InjectDoubleClick(item(401), {5, 13 * 3 + 3});
  run();
  EXPECT_EQ(dialog_.codesFrom(401),
            (std::vector<unsigned>{list_box::SelectionChange, list_box::SelectionChange, list_box::DoubleClick}));
  Rect rect{};
  EXPECT_EQ(send(401, list_box::GetItemRect, 3, reinterpret_cast<LParam>(&rect)), 1);
  EXPECT_EQ(rect.top, 39);
  EXPECT_EQ(rect.height(), 13);
}

TEST_F(Lists, HoldingTheButtonBelowTheListScrollsItOnTheAutoScrollTimer) {
  fill(401, 20);
  InjectMouseButton(MouseButton::Left, true, ClientToScreen(item(401), {5, 5}));
  InjectMouseMove(ClientToScreen(item(401), {5, 200}));
  run();
  EXPECT_EQ(GetCapture(), item(401));
  EXPECT_EQ(send(401, list_box::GetTopIndex), 0);
  backend_.advanceClock(list_box::kAutoScrollInterval);
  run();
  EXPECT_EQ(send(401, list_box::GetTopIndex), 1);
  backend_.advanceClock(list_box::kAutoScrollInterval);
  run();
  EXPECT_EQ(send(401, list_box::GetTopIndex), 2);
  EXPECT_EQ(send(401, list_box::GetCurrentSelection), 6);  // the last line in view
  InjectMouseButton(MouseButton::Left, false, ClientToScreen(item(401), {5, 200}));
  run();
  EXPECT_EQ(GetCapture(), nullptr);
  backend_.advanceClock(1000);
  run();
  EXPECT_EQ(send(401, list_box::GetTopIndex), 2);
}

TEST_F(Lists, AListThatWantsTheKeyboardAsksItsParentFirst) {
  const WindowHandle parent =
      testing::CreateRecorder("parent", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 200, 200));
  WindowCreation creation;
  creation.className = list_box::kClassName;
  creation.style = style::Child | style::Visible | list_box::WantKeyboardInput | list_box::Notify;
  creation.rect = Rect::FromSize(0, 0, 100, 100);
  creation.parent = parent;
  creation.id = 100;
  const WindowHandle list = CreateWindow(creation);
  for (const char* text : {"a", "b", "c", "d", "e"})
    SendMessage(list, list_box::AddString, 0, reinterpret_cast<LParam>(text));
  SetFocus(list);
  LResult answer = -2;
  log().on("parent", msg::VKeyToItem, [&](WindowHandle, WParam, LParam) { return answer; });
  press(key::Down);
  EXPECT_EQ(SendMessage(list, list_box::GetCurrentSelection), -1);  // handled by the parent
  answer = 3;
  press(key::Down);
  EXPECT_EQ(SendMessage(list, list_box::GetCurrentSelection), 3);
  answer = -1;
  press(key::Down);
  EXPECT_EQ(SendMessage(list, list_box::GetCurrentSelection), 4);
  const auto& entries = log().entries();
  const auto asked =
      std::count_if(entries.begin(), entries.end(), [](const auto& e) { return e.message == msg::VKeyToItem; });
  EXPECT_EQ(asked, 3);
}

// ---- combo boxes

TEST_F(Lists, SelectStringSelectsByPrefixAndShowsTheItemWithoutNotifying) {
  for (const char* city : {"Ottawa", "Montreal", "Toronto", "Moncton"}) add(402, city);
  char buffer[32] = {};
  send(402, combo_box::GetItemText, 0, reinterpret_cast<LParam>(buffer));
  EXPECT_STREQ(buffer, "Moncton");  // sorted
  EXPECT_EQ(send(402, combo_box::SelectString, static_cast<WParam>(-1), reinterpret_cast<LParam>("mont")), 1);
  EXPECT_EQ(send(402, combo_box::GetCurrentSelection), 1);
  EXPECT_EQ(WindowText(item(402)), "Montreal");
  EXPECT_EQ(WindowText(ChildWithId(item(402), combo_box::kEditId)), "Montreal");
  EXPECT_EQ(send(402, combo_box::SelectString, static_cast<WParam>(-1), reinterpret_cast<LParam>("Quebec")),
            combo_box::Error);
  EXPECT_EQ(send(402, combo_box::GetCurrentSelection), 1);  // unchanged
  EXPECT_EQ(send(402, combo_box::FindStringExact, static_cast<WParam>(-1), reinterpret_cast<LParam>("TORONTO")), 3);
  EXPECT_EQ(send(402, combo_box::SetCurrentSelection, 2), 2);
  EXPECT_EQ(WindowText(item(402)), "Ottawa");
  EXPECT_TRUE(dialog_.codesFrom(402).empty());

  // A drop-down list's text is its selected item; setting it selects one.
  for (const char* unit : {"lbs", "kgs"}) add(403, unit);
  EXPECT_EQ(WindowText(item(403)), "");
  EXPECT_EQ(SetWindowText(item(403), "kgs"), true);
  EXPECT_EQ(send(403, combo_box::GetCurrentSelection), 1);
  EXPECT_FALSE(SetWindowText(item(403), "tons"));
  EXPECT_EQ(WindowText(item(403)), "kgs");
}

TEST_F(Lists, ArrowKeysOnAClosedComboChangeTheSelectionAndNotifyAtOnce) {
  for (const char* unit : {"lbs", "kgs", "cwt"}) add(403, unit);
  send(403, combo_box::SetCurrentSelection, 0);
  SetDialogFocus(item(403));
  dialog_.clear();
  press(key::Down);
  EXPECT_EQ(WindowText(item(403)), "kgs");
  press(key::Down);
  press(key::Down);  // at the end: no change
  EXPECT_EQ(WindowText(item(403)), "cwt");
  EXPECT_EQ(dialog_.codesFrom(403), (std::vector<unsigned>{combo_box::SelectionChange, combo_box::SelectionChange}));
  // The focus is the combo's own for a drop-down list, its edit's for a
  // drop-down; Tab goes on from either.
  press(key::Tab);
  EXPECT_EQ(GetFocus(), item(1));
  SetDialogFocus(item(402));
  EXPECT_EQ(ParentWindow(GetFocus()), item(402));
  EXPECT_EQ(WindowId(GetFocus()), combo_box::kEditId);
  press(key::Tab, modifier::Shift);
  EXPECT_EQ(GetFocus(), item(401));
}

TEST_F(Lists, TheDropDownListClosesWithTheChoiceOrPutsTheSelectionBack) {
  for (const char* text : {"ABF", "CCX", "ODFL", "RDWY"}) add(402, text);
  send(402, combo_box::SetCurrentSelection, 0);
  SetDialogFocus(item(402));
  dialog_.clear();

  press(key::F4);
  EXPECT_EQ(send(402, combo_box::GetDroppedState), 1);
  const WindowHandle list = combo_box::DropListOf(item(402));
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(WindowRect(list).top, WindowRect(item(402)).bottom);
  EXPECT_EQ(GetActiveWindow(), dialog_.handle());  // the list does not take the activation
  press(key::Down);
  press(key::Down);
  EXPECT_EQ(WindowText(item(402)), "ODFL");
  press(key::Enter);  // chooses; the dialog does not see it
  EXPECT_EQ(send(402, combo_box::GetDroppedState), 0);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_TRUE(IsWindow(dialog_.handle()));
  EXPECT_EQ(dialog_.codesFrom(402),
            (std::vector<unsigned>{combo_box::DropDownNotify, combo_box::SelectionChange, combo_box::SelectionChange,
                                   combo_box::SelectionEndOk, combo_box::CloseUp}));

  dialog_.clear();
  press(key::Down, modifier::Alt);
  press(key::Up);
  press(key::Escape);  // puts the selection back
  EXPECT_EQ(WindowText(item(402)), "ODFL");
  EXPECT_EQ(send(402, combo_box::GetCurrentSelection), 2);
  EXPECT_EQ(dialog_.codesFrom(402),
            (std::vector<unsigned>{combo_box::DropDownNotify, combo_box::SelectionChange, combo_box::SelectionChange,
                                   combo_box::SelectionEndCancel, combo_box::CloseUp}));
  EXPECT_TRUE(dialog_.codesFrom(2).empty());  // Esc did not cancel the dialog
}

TEST_F(Lists, AClickOpensTheListAndAClickOnAnItemChoosesIt) {
  for (const char* text : {"lbs", "kgs", "cwt"}) add(403, text);
  dialog_.clear();
  InjectClick(item(403), {5, 5});
  run();
  EXPECT_EQ(GetFocus(), item(403));
  const WindowHandle list = combo_box::DropListOf(item(403));
  ASSERT_TRUE(IsWindowVisible(list));
  InjectClick(list, {5, 13 + 3});  // the second item
  run();
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(WindowText(item(403)), "kgs");
  EXPECT_THAT(dialog_.codesFrom(403),
              ElementsAre(combo_box::SetFocusNotify, combo_box::DropDownNotify, combo_box::SelectionChange,
                          combo_box::SelectionEndOk, combo_box::CloseUp));
  // A press outside the open list closes it without a choice.
  dialog_.clear();
  InjectClick(item(403), {5, 5});
  run();
  InjectClick(dialog_.handle(), {2, 2});
  run();
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_THAT(dialog_.codesFrom(403),
              ElementsAre(combo_box::DropDownNotify, combo_box::SelectionEndCancel, combo_box::CloseUp));
  // Losing the focus closes it too.
  dialog_.clear();
  press(key::F4);
  SetFocus(item(401));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_THAT(dialog_.codesFrom(403), ElementsAre(combo_box::DropDownNotify, combo_box::SelectionEndCancel,
                                                  combo_box::CloseUp, combo_box::KillFocusNotify));
}

TEST_F(Lists, AComboIsAsHighAsItsFieldWhateverItIsSizedTo) {
  const Rect field = WindowRectInParent(item(402));
  EXPECT_EQ(field.height(), 13 + 8);
  MoveWindow(item(402), Rect::FromSize(field.left, field.top, 120, 200));
  EXPECT_EQ(WindowRectInParent(item(402)).height(), 21);
  EXPECT_EQ(WindowRectInParent(item(402)).width(), 120);
  // The click under the field is the dialog's, not the combo's.
  EXPECT_EQ(ChildWindowFromPoint(dialog_.handle(), {field.left + 2, field.top + 30}) == item(402), false);
}

}  // namespace
}  // namespace platform::ui
