// What every standard control shares: its descriptor (the class
// registered with its procedure, every template keyword and style word
// understood by the template format, the control-colour message it asks
// its parent with), and a control that its parent destroys while it tells
// of a change; the blocks of notice codes. A control added later is checked
// by the same cases.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/date_picker.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/month_calendar.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/controls/rich_text.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/controls/status_bar.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/notify.h"
#include "platform/ui/paint.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr StyleBits kChildVisible = style::Child | style::Visible;

// The style of the one control of a template made of the line.
std::optional<ControlTemplate> ControlOf(const std::string& line) {
  ResourceError error;
  const auto parsed = ParseDialogTemplate("dialog 1\nsize 10 10\n" + line + "\n", error);
  if (!parsed || parsed->controls.size() != 1) {
    ADD_FAILURE() << line << ": " << error.line << ": " << error.message;
    return std::nullopt;
  }
  return parsed->controls[0];
}

TEST(BuiltInControls, EachIsRegisteredFromItsDescriptor) {
  for (const ControlDescriptor* control : BuiltInControls()) {
    SCOPED_TRACE(control->className);
    const WindowClass* registered = FindWindowClass(control->className);
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered->procedure, control->procedure);
    EXPECT_EQ(registered->style, control->classStyle);
    std::string upper = control->className;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(FindBuiltInControl(upper), control);
  }
  for (const char* name : {button::kClassName, combo_box::kClassName, edit::kClassName, list_box::kClassName,
                           static_control::kClassName, date_picker::kClassName, month_calendar::kClassName,
                           rich_text::kClassName, tab_control::kClassName, property_sheet::kClassName})
    EXPECT_NE(FindBuiltInControl(name), nullptr) << name;
  EXPECT_EQ(FindBuiltInControl("Rowpane"), nullptr);
  EXPECT_EQ(FindBuiltInControl(""), nullptr);
}

TEST(BuiltInControls, TemplatesKnowEveryKeywordAndStyleWordOfEachControl) {
  std::set<std::string> keywords;
  for (const ControlDescriptor* control : BuiltInControls()) {
    SCOPED_TRACE(control->className);
    for (const TemplateKind& kind : control->templateKinds) {
      EXPECT_TRUE(keywords.insert(kind.keyword).second) << "keyword '" << kind.keyword << "' of two controls";
      const auto made = ControlOf(std::string(kind.keyword) + " 5 \"\" 0 0 1 1");
      ASSERT_TRUE(made);
      EXPECT_EQ(made->className, control->className);
      EXPECT_EQ(made->style, kChildVisible | kind.style) << kind.keyword;
    }
    // Each word on a control that starts from tabstop alone: a window word
    // of the same name would shadow the control's word and give other bits.
    const StyleBits start = kChildVisible | style::TabStop;
    for (const StyleWord& word : control->styleWords) {
      const auto made = ControlOf("control \"" + std::string(control->className) + "\" 5 \"\" 0 0 1 1 " + word.word);
      ASSERT_TRUE(made);
      const StyleBits expected = word.typeMask ? (start & ~word.typeMask) | word.bits : start | word.bits;
      EXPECT_EQ(made->style, expected) << word.word;
      EXPECT_EQ(made->exStyle, 0u) << word.word;
    }
  }
}

class StandardControls : public testing::WindowSystemTest {
 protected:
  WindowHandle create(WindowHandle parent, const char* className, StyleBits style) {
    WindowCreation creation;
    creation.className = className;
    creation.style = style::Child | style::Visible | style;
    creation.rect = {0, 0, 80, 20};
    creation.parent = parent;
    creation.id = 9;
    return CreateWindow(creation);
  }
};

TEST_F(StandardControls, EachAsksForItsColoursWithTheMessageItsDescriptorGives) {
  const WindowHandle parent = testing::CreateRecorder("parent", nullptr, style::Popup, {0, 0, 200, 100});
  struct Case {
    const char* className;
    StyleBits style;
    MessageId message;
  };
  const Case cases[] = {
      {edit::kClassName, 0, msg::CtlColorEdit},
      {edit::kClassName, edit::ReadOnly, msg::CtlColorStatic},
      {edit::kClassName, style::Disabled, msg::CtlColorStatic},
      {list_box::kClassName, 0, msg::CtlColorListBox},
      {combo_box::kClassName, combo_box::DropDownList, msg::CtlColorListBox},
      {button::kClassName, button::PushButton, msg::CtlColorButton},
      {button::kClassName, button::DefPushButton, msg::CtlColorButton},
      {button::kClassName, button::AutoCheckBox, msg::CtlColorStatic},
      {button::kClassName, button::GroupBox, msg::CtlColorStatic},
      {static_control::kClassName, static_control::Left, msg::CtlColorStatic},
      {date_picker::kClassName, 0, msg::CtlColorEdit},
      {date_picker::kClassName, style::Disabled, msg::CtlColorStatic},
      {month_calendar::kClassName, 0, msg::CtlColorStatic},
      {rich_text::kClassName, 0, msg::CtlColorStatic},
      {tab_control::kClassName, 0, msg::CtlColorStatic},
      {toolbar::kClassName, toolbar::Flat, msg::CtlColorStatic},
      {status_bar::kClassName, 0, msg::CtlColorStatic},
      {tool_tip::kClassName, 0, msg::CtlColorStatic},
      {testing::kRecorderClass, 0, msg::CtlColorStatic},  // a class without a descriptor
  };
  for (const Case& c : cases) {
    const WindowHandle control = create(parent, c.className, c.style);
    ASSERT_NE(control, nullptr) << c.className;
    EXPECT_EQ(ControlColorMessageFor(control), c.message) << c.className << " " << c.style;
    DestroyWindow(control);
  }
}

// The parent destroys the control when it hears the code; the control's
// handlers, still running, must not touch it again (the sanitizer build
// catches a use of what was freed).
TEST_F(StandardControls, AControlItsParentDestroysWhileItNotifiesStopsCleanly) {
  const WindowHandle parent =
      testing::CreateRecorder("parent", nullptr, style::Popup | style::Visible, {0, 0, 300, 200});
  const auto key = [](VirtualKey code) {
    return [code](WindowHandle control) {
      SendMessage(control, msg::KeyDown, code);
      SendMessage(control, msg::KeyUp, code);
    };
  };
  const auto character = [](WindowHandle control) { SendMessage(control, msg::Char, 'a'); };
  const auto click = [](WindowHandle control) {
    SendMessage(control, msg::LeftButtonDown, 0, PointToParam({3, 3}));
    SendMessage(control, msg::LeftButtonUp, 0, PointToParam({3, 3}));
  };
  const auto focus = [](WindowHandle control) { SetFocus(control); };
  const auto keys = [](VirtualKey first, VirtualKey second) {
    return [first, second](WindowHandle control) {
      SendMessage(control, msg::KeyDown, first);
      if (IsWindow(control)) SendMessage(control, msg::KeyDown, second);
    };
  };
  const auto clickAt = [](Point point) {
    return [point](WindowHandle control) { SendMessage(control, msg::LeftButtonDown, 0, PointToParam(point)); };
  };
  const auto clickButton = [](WindowHandle control) {
    SendMessage(control, msg::LeftButtonDown, 0, PointToParam({10, 10}));
    SendMessage(control, msg::LeftButtonUp, 0, PointToParam({10, 10}));
  };
  // Notices come as commands, or in msg::Notify.
  struct Case {
    const char* className;
    StyleBits style;
    unsigned code;
    std::function<void(WindowHandle)> act;
    MessageId via = msg::Command;
  };
  const Case cases[] = {
      {button::kClassName, button::PushButton, button::Clicked, key(key::Space)},
      {button::kClassName, button::AutoCheckBox, button::Clicked, click},
      {edit::kClassName, 0, edit::Update, character},
      {edit::kClassName, 0, edit::Change, character},
      {edit::kClassName, 0, edit::SetFocusNotify, focus},
      {list_box::kClassName, list_box::Notify, list_box::SelectionChange, key(key::Down)},
      {list_box::kClassName, list_box::Notify, list_box::SelectionChange, click},
      {combo_box::kClassName, combo_box::DropDownList, combo_box::SelectionChange, key(key::Down)},
      {combo_box::kClassName, combo_box::DropDown, combo_box::EditChange, character},
      {date_picker::kClassName, 0, notify_code::SetFocus, focus, msg::Notify},
      {date_picker::kClassName, 0, date_picker::KeyDown, key(key::Up), msg::Notify},
      {date_picker::kClassName, 0, date_picker::CloseUp, keys(key::F4, key::F4), msg::Notify},
      {month_calendar::kClassName, 0, month_calendar::SelectionChange, key(key::Right), msg::Notify},
      {month_calendar::kClassName, 0, month_calendar::Select, clickAt({15, 50}), msg::Notify},
      {tab_control::kClassName, 0, tab_control::SelectionChanging, key(key::Right), msg::Notify},
      {tab_control::kClassName, 0, tab_control::SelectionChange, key(key::Right), msg::Notify},
      {toolbar::kClassName, toolbar::ToolTips, 0, clickButton},  // a check button's command
  };
  for (const Case& c : cases) {
    const WindowHandle control = create(parent, c.className, c.style);
    ASSERT_NE(control, nullptr) << c.className;
    const bool list = IsWindowOfClass(control, list_box::kClassName);
    const bool combo = IsWindowOfClass(control, combo_box::kClassName);
    if (list || combo)
      SendMessage(control, list ? list_box::AddString : combo_box::AddString, 0, reinterpret_cast<LParam>("one"));
    for (const char* text : {"one", "two"}) {
      const tab_control::Item tab{text, 0};
      if (IsWindowOfClass(control, tab_control::kClassName))
        SendMessage(control, tab_control::InsertItem, 9, reinterpret_cast<LParam>(&tab));
    }
    if (IsWindowOfClass(control, toolbar::kClassName)) {
      const toolbar::Button button{0, 77, toolbar::state::Enabled, toolbar::button_style::Check};
      SendMessage(control, toolbar::AddButtons, 1, reinterpret_cast<LParam>(&button));
    }
    // Typing in a drop-down goes to its edit.
    const WindowHandle edit = combo ? ChildWithId(control, combo_box::kEditId) : nullptr;
    const WindowHandle target = edit ? edit : control;
    bool heard = false;
    for (MessageId via : {msg::Command, msg::Notify})
      log().on("parent", via, [&, via](WindowHandle, WParam wParam, LParam lParam) {
        const unsigned code = via == msg::Notify ? NotifyHeaderOf(lParam).code : HighWord(wParam);
        if (via == c.via && code == c.code && !heard) {
          heard = true;
          DestroyWindow(control);
        }
        return LResult{0};
      });
    c.act(target);
    EXPECT_TRUE(heard) << c.className << " " << c.code;
    EXPECT_FALSE(IsWindow(control)) << c.className << " " << c.code;
    EXPECT_FALSE(IsWindow(target));
  }
  EXPECT_TRUE(ChildWindows(parent).empty());
}

// Each control's notice codes lie in the block notify.h gives it, and the
// blocks lie apart: a handler by code alone never takes one control's
// notice for another's.
TEST(NoticeCodes, LieInTheirControlsBlockAndNoBlocksOverlap) {
  struct Block {
    const char* owner;
    int first;  // the codes, as the negative numbers they are
    int last;
    std::vector<unsigned> codes;
  };
  const Block blocks[] = {
      {"notify_code", -99, -1, {notify_code::SetFocus, notify_code::KillFocus}},
      {"property_sheet", -299, -200, {property_sheet::SetActive, property_sheet::KillActive}},
      {"tool_tip", -549, -520, {tool_tip::NeedText}},
      {"tab_control", -580, -550, {tab_control::SelectionChange, tab_control::SelectionChanging}},
      {"month_calendar", -752, -746, {month_calendar::SelectionChange, month_calendar::Select}},
      {"date_picker", -799, -753, {date_picker::CloseUp, date_picker::KeyDown}},
  };
  for (const Block& block : blocks) {
    for (unsigned code : block.codes) {
      EXPECT_GE(static_cast<int>(code), block.first) << block.owner << " " << code;
      EXPECT_LE(static_cast<int>(code), block.last) << block.owner << " " << code;
    }
    for (const Block& other : blocks) {
      if (&other == &block) continue;
      EXPECT_TRUE(block.last < other.first || other.last < block.first) << block.owner << " " << other.owner;
    }
  }
}

}  // namespace
}  // namespace platform::ui
