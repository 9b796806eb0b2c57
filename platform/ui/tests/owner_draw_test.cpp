// Owner-drawn list and combo items: measured and drawn by the parent
// (the combo's in its own name), the focus rectangle over the focused
// item, and the parent told of the items that go.
#include "platform/ui/owner_draw.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/focus.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr int kId = 4353;

// A parent that measures item i 20 pixels high (10 + 3 i in a variable
// list, 24 for a combo's field) and keeps what it is asked to draw and
// told of.
class OwnerDrawn : public testing::WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    parent_ = testing::CreateRecorder("parent", nullptr, style::Popup | style::Visible, {0, 0, 300, 200});
    log().on("parent", msg::MeasureItem, [this](WindowHandle, WParam, LParam lParam) {
      auto* info = reinterpret_cast<MeasureItemInfo*>(lParam);
      measured_.push_back(*info);
      info->itemHeight = info->itemId < 0 ? 24 : variable_ ? 10 + 3 * info->itemId : 20;
      return LResult{1};
    });
    log().on("parent", msg::DrawItem, [this](WindowHandle, WParam, LParam lParam) {
      drawn_.push_back(*reinterpret_cast<const DrawItemInfo*>(lParam));
      return LResult{1};
    });
    log().on("parent", msg::DeleteItem, [this](WindowHandle, WParam, LParam lParam) {
      deleted_.push_back(*reinterpret_cast<const DeleteItemInfo*>(lParam));
      return LResult{1};
    });
  }
  WindowHandle create(const char* className, StyleBits style, Rect rect = {0, 0, 100, 70}) {
    WindowCreation creation;
    creation.className = className;
    creation.style = style::Child | style::Visible | style;
    creation.rect = rect;
    creation.parent = parent_;
    creation.id = kId;
    return CreateWindow(creation);
  }
  static LParam text(const char* t) { return reinterpret_cast<LParam>(t); }
  std::vector<int> ids(const auto& infos) const {
    std::vector<int> found;
    for (const auto& info : infos) found.push_back(info.itemId);
    return found;
  }

  WindowHandle parent_ = nullptr;
  bool variable_ = false;
  std::vector<MeasureItemInfo> measured_;
  std::vector<DrawItemInfo> drawn_;
  std::vector<DeleteItemInfo> deleted_;
};

TEST_F(OwnerDrawn, AFixedListIsMeasuredOnceAndItsOwnerDrawsEachItemWithTheFocusRectangleOverIt) {
  const WindowHandle list = create(list_box::kClassName, list_box::OwnerDrawFixed | list_box::HasStrings);
  ASSERT_EQ(ids(measured_), (std::vector<int>{0}));
  EXPECT_EQ(measured_[0].type, OwnerDrawType::ListBox);
  EXPECT_EQ(measured_[0].controlId, kId);
  EXPECT_EQ(measured_[0].itemHeight, 13);  // the font's height offered
  EXPECT_EQ(SendMessage(list, list_box::GetItemHeight, 0), 20);
  for (const char* name : {"ALBERTA", "MANITOBA", "ONTARIO", "QUEBEC", "YUKON"})
    SendMessage(list, list_box::AddString, 0, text(name));
  EXPECT_EQ(measured_.size(), 1u);
  SendMessage(list, list_box::SetItemData, 2, 0x2A);
  SendMessage(list, list_box::SetCurrentSelection, 1);
  SetFocus(list);
  RecordingSurface surface({300, 200});
  PaintWindowTree(list, surface);
  // Down to the 70-pixel bottom: four items, each in its row.
  ASSERT_EQ(ids(drawn_), (std::vector<int>{0, 1, 2, 3}));
  for (const DrawItemInfo& info : drawn_) {
    SCOPED_TRACE(info.itemId);
    EXPECT_EQ(info.type, OwnerDrawType::ListBox);
    EXPECT_EQ(info.control, list);
    EXPECT_EQ(info.rect, Rect::FromSize(0, 20 * info.itemId, 100, 20));
    EXPECT_EQ(info.state, info.itemId == 1 ? owner_draw_state::Selected | owner_draw_state::Focus : 0u);
  }
  EXPECT_EQ(drawn_[2].itemData, 0x2A);
  // The focus rectangle: dotted, inverted, on the selected row's outline
  // alone.
  int inverted = 0;
  for (const DrawCall& call : surface.calls()) {
    if (call.kind != DrawCall::Kind::Invert) continue;
    ++inverted;
    const Rect& p = call.rect;
    EXPECT_TRUE(p.left == 0 || p.left == 99 || p.top == 20 || p.top == 39) << p.left << "," << p.top;
    EXPECT_TRUE(p.top >= 20 && p.bottom <= 40);
  }
  EXPECT_EQ(inverted, (2 * 100 + 2 * 18) / 2);
  // Disabled, every item says so; no focus rectangle.
  drawn_.clear();
  EnableWindow(list, false);
  PaintWindowTree(list, surface);
  ASSERT_FALSE(drawn_.empty());
  for (const DrawItemInfo& info : drawn_) EXPECT_TRUE(info.state & owner_draw_state::Disabled);
}

TEST_F(OwnerDrawn, AVariableListAsksForEachItemsHeightAsItIsAdded) {
  variable_ = true;
  const WindowHandle list = create(list_box::kClassName, list_box::OwnerDrawVariable | list_box::HasStrings);
  EXPECT_TRUE(measured_.empty());
  for (const char* row : {"A0A\tNL\tST. JOHN'S", "B0B\tNS\tHALIFAX", "C0C\tPE\tCHARLOTTETOWN"}) {
    SendMessage(list, list_box::AddString, 0, text(row));
  }
  EXPECT_EQ(ids(measured_), (std::vector<int>{0, 1, 2}));
  Rect third;
  SendMessage(list, list_box::GetItemRect, 2, reinterpret_cast<LParam>(&third));
  EXPECT_EQ(third, (Rect{0, 10 + 13, 100, 10 + 13 + 16}));
  // A row set to its own height afterwards keeps it.
  SendMessage(list, list_box::SetItemHeight, 0, 30);
  SendMessage(list, list_box::GetItemRect, 2, reinterpret_cast<LParam>(&third));
  EXPECT_EQ(third.top, 30 + 13);
}

TEST_F(OwnerDrawn, TheOwnerHearsOfTheItemsThatGoButNotWhenItGoesItself) {
  const WindowHandle list = create(list_box::kClassName, list_box::OwnerDrawFixed);
  for (const LParam data : {LParam{0x30}, LParam{0x10}, LParam{0x20}}) {
    const auto index = static_cast<WParam>(SendMessage(list, list_box::AddString, 0, text("")));
    SendMessage(list, list_box::SetItemData, index, data);
  }
  // Deleted, reset, and gone with the list while the parent stays.
  SendMessage(list, list_box::DeleteString, 0);
  ASSERT_EQ(deleted_.size(), 1u);
  EXPECT_EQ(deleted_[0].itemId, 0);
  EXPECT_EQ(deleted_[0].itemData, 0x30);
  EXPECT_EQ(deleted_[0].control, list);
  EXPECT_EQ(deleted_[0].type, OwnerDrawType::ListBox);
  SendMessage(list, list_box::ResetContent);
  EXPECT_EQ(ids(deleted_), (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(deleted_[2].itemData, 0x10);
  SendMessage(list, list_box::AddString, 0, text("last"));
  SendMessage(list, list_box::SetItemData, 0, 0x40);
  DestroyWindow(list);
  EXPECT_EQ(deleted_.back().itemData, 0x40);
  // The parent going with its list hears nothing more.
  const WindowHandle second = create(list_box::kClassName, list_box::OwnerDrawFixed);
  SendMessage(second, list_box::AddString, 0, text("gone"));
  deleted_.clear();
  DestroyWindow(parent_);
  EXPECT_TRUE(deleted_.empty());
}

TEST_F(OwnerDrawn, AComboAsksForItsFieldAndItemsAndHasThemDrawnInItsOwnName) {
  const WindowHandle combo =
      create(combo_box::kClassName, combo_box::DropDownList | combo_box::OwnerDrawFixed | combo_box::HasStrings,
             {10, 10, 150, 120});
  ASSERT_EQ(ids(measured_), (std::vector<int>{-1, 0}));
  for (const MeasureItemInfo& info : measured_) {
    EXPECT_EQ(info.type, OwnerDrawType::ComboBox);
    EXPECT_EQ(info.controlId, kId);
  }
  EXPECT_EQ(WindowRectInParent(combo).height(), 24 + 8);
  EXPECT_EQ(SendMessage(combo, combo_box::GetItemHeight, 0), 20);
  for (const char* name : {"Lbs.", "Kgs."}) SendMessage(combo, combo_box::AddString, 0, text(name));
  SendMessage(combo, combo_box::SetCurrentSelection, 1);
  EXPECT_EQ(WindowText(combo), "Kgs.");
  SetFocus(combo);
  RecordingSurface surface({300, 200});
  PaintWindowTree(combo, surface);
  ASSERT_EQ(drawn_.size(), 1u);
  EXPECT_EQ(drawn_[0].itemId, 1);
  EXPECT_EQ(drawn_[0].control, combo);
  EXPECT_EQ(drawn_[0].state, owner_draw_state::ComboBoxField | owner_draw_state::Selected | owner_draw_state::Focus);
  EXPECT_TRUE(ClientRect(combo).contains({drawn_[0].rect.left, drawn_[0].rect.top}));
  // The open list's items, drawn for the combo.
  drawn_.clear();
  SendMessage(combo, combo_box::ShowDropDown, 1);
  PaintWindowTree(combo_box::DropListOf(combo), surface);
  EXPECT_EQ(ids(drawn_), (std::vector<int>{0, 1}));
  for (const DrawItemInfo& info : drawn_) {
    EXPECT_EQ(info.type, OwnerDrawType::ComboBox);
    EXPECT_EQ(info.controlId, kId);
    EXPECT_EQ(info.control, combo);
  }
  EXPECT_EQ(drawn_[1].state & owner_draw_state::Selected, owner_draw_state::Selected);
  // The owner hears of the items that go with the combo.
  SendMessage(combo, combo_box::ShowDropDown, 0);
  DestroyWindow(combo);
  EXPECT_EQ(deleted_.size(), 2u);
}

}  // namespace
}  // namespace platform::ui
