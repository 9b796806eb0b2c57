// The built-in controls as their descriptors give them: each class
// registered with its procedure, every template keyword and style word of
// each control understood by the template format, and the control-colour
// message each asks its parent with. A control added later is checked by
// the same cases.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <set>
#include <string>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/paint.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr StyleBits kChildVisible = style::Child | style::Visible;

// The style of the one control of a template made of the line.
std::optional<ControlTemplate> ControlOf(const std::string& line) {
  TemplateError error;
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
                           static_control::kClassName})
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

class ControlColours : public testing::WindowSystemTest {};

TEST_F(ControlColours, EachControlAsksWithTheMessageItsDescriptorGives) {
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
      {testing::kRecorderClass, 0, msg::CtlColorStatic},  // a class without a descriptor
  };
  for (const Case& c : cases) {
    WindowCreation creation;
    creation.className = c.className;
    creation.style = style::Child | c.style;
    creation.rect = {0, 0, 80, 20};
    creation.parent = parent;
    const WindowHandle control = CreateWindow(creation);
    ASSERT_NE(control, nullptr) << c.className;
    EXPECT_EQ(ControlColorMessageFor(control), c.message) << c.className << " " << c.style;
    DestroyWindow(control);
  }
}

}  // namespace
}  // namespace platform::ui
