// The dialog template text format: what a template says, the styles each
// kind of control starts from, style words and numbers, and the errors a
// bad template gives (with its line).
#include "platform/ui/dialog_template.h"

#include <gtest/gtest.h>

#include "platform/ui/controls/button.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"

namespace platform::ui {
namespace {

constexpr StyleBits kChildVisible = style::Child | style::Visible;

DialogTemplate Parse(std::string_view text) {
  ResourceError error;
  auto parsed = ParseDialogTemplate(text, error);
  EXPECT_TRUE(parsed.has_value()) << error.line << ": " << error.message;
  return parsed.value_or(DialogTemplate{});
}

ResourceError ErrorOf(std::string_view text) {
  ResourceError error;
  EXPECT_FALSE(ParseDialogTemplate(text, error).has_value());
  return error;
}

TEST(DialogTemplateFormat, AHeaderAndControlsInOrder) {
  const DialogTemplate t = Parse(
      "# comment\n"
      "dialog 3143\n"
      "caption \"Question \\\"Q\\\"\"\n"
      "font 10 \"Courier New\"\r\n"
      "position 4 -2\n"
      "size 220 90\n"
      "\n"
      "static 4924 \"Line one\\nline\\ttwo\" 7 7 206 40\n"
      "defbutton 4921 \"Yes\" 50 66 50 14\n"
      "control \"Rowpane\" 0x10FE \"\" 1 2 3 4 0x0100 border\n");
  EXPECT_EQ(t.id, 3143);
  EXPECT_EQ(t.caption, "Question \"Q\"");
  EXPECT_EQ(t.fontPoints, 10);
  EXPECT_EQ(t.fontFace, "Courier New");
  EXPECT_EQ(t.rect, Rect::FromSize(4, -2, 220, 90));
  EXPECT_EQ(t.style, style::Popup | style::Caption | style::SystemMenu | dialog_style::ModalFrame);
  ASSERT_EQ(t.controls.size(), 3u);
  EXPECT_EQ(t.controls[0],
            (ControlTemplate{"Static", 4924, "Line one\nline\ttwo", kChildVisible, 0, Rect::FromSize(7, 7, 206, 40)}));
  EXPECT_EQ(t.controls[1].className, "Button");
  EXPECT_EQ(t.controls[1].style, kChildVisible | style::TabStop | button::DefPushButton);
  EXPECT_EQ(t.controls[2].className, "Rowpane");
  EXPECT_EQ(t.controls[2].id, 4350);
  EXPECT_EQ(t.controls[2].style, kChildVisible | style::TabStop | style::Border | 0x0100);
}

TEST(DialogTemplateFormat, EachKindStartsFromItsStyleAndWordsChangeIt) {
  const DialogTemplate t = Parse(
      "dialog 1\nsize 10 10\n"
      "style popup caption center\n"
      "exstyle controlparent\n"
      "edit 1 \"\" 0 0 1 1 readonly -border\n"
      "checkbox 2 \"\" 0 0 1 1 -tabstop\n"
      "radio 3 \"\" 0 0 1 1 group\n"
      "groupbox 4 \"\" 0 0 1 1\n"
      "combobox 5 \"\" 0 0 1 1 dropdown sort\n"
      "listbox 6 \"\" 0 0 1 1 usetabstops -notify\n"
      "static 7 \"\" 0 0 1 1 right -visible\n"
      "button 8 \"\" 0 0 1 1 disabled\n");
  EXPECT_EQ(t.style, style::Popup | style::Caption | dialog_style::Center);
  EXPECT_EQ(t.exStyle, exstyle::ControlParent);
  const auto& c = t.controls;
  EXPECT_EQ(c[0].style, kChildVisible | style::TabStop | edit::AutoHScroll | edit::ReadOnly);
  EXPECT_EQ(c[1].style, kChildVisible | button::AutoCheckBox);
  EXPECT_EQ(c[2].style, kChildVisible | button::AutoRadioButton | style::Group);
  EXPECT_EQ(c[3].style, kChildVisible | button::GroupBox);
  EXPECT_EQ(c[4].className, "ComboBox");
  EXPECT_EQ(c[4].style, kChildVisible | style::TabStop | style::VScroll | combo_box::DropDown | combo_box::Sort);
  EXPECT_EQ(c[5].style, kChildVisible | style::TabStop | style::VScroll | style::Border | list_box::UseTabStops);
  EXPECT_EQ(c[6].style, style::Child | static_control::Right);
  EXPECT_EQ(c[7].style, kChildVisible | style::TabStop | style::Disabled);
}

TEST(DialogTemplateFormat, BadTemplatesNameTheLineAndTheFault) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"", 0, "no 'dialog' line"},
      {"dialog 1\n", 0, "no 'size' line"},
      {"caption \"x\"\n", 1, "the first line must be 'dialog <id>'"},
      {"dialog 0\n", 1, "bad id '0'"},
      {"dialog 1\ndialog 2\n", 2, "a second 'dialog' line"},
      {"dialog 1\nsize 10 10\nedit 1 \"\" 0 0 1 1 shiny\n", 3, "unknown style word 'shiny'"},
      {"dialog 1\nsize 10 10\nedit 1 \"\" 0 0 1 1 dropdown\n", 3, "unknown style word 'dropdown'"},
      {"dialog 1\nsize 10 10\nslider 1 \"\" 0 0 1 1\n", 3, "unknown keyword 'slider'"},
      {"dialog 1\nsize 10 10\nedit 1 \"\" 0 0 1\n", 3,
       "expected: <kind> <id> \"<text>\" <x> <y> <width> <height> [<style>...]"},
      {"dialog 1\nsize 10 10\nedit 1 \"open 0 0 1 1\n", 3, "unterminated text"},
      {"dialog 1\nsize 10 10\nedit 1 \"a\\qb\" 0 0 1 1\n", 3, "unknown escape \\q"},
      {"dialog 1\nsize 10 10\nedit x \"\" 0 0 1 1\n", 3, "bad id 'x'"},
      {"dialog 1\nsize 10 10\nedit 1 text 0 0 1 1\n", 3, "the control text must be quoted"},
      {"dialog 1\nsize 10 -5\n", 2, "bad height '-5'"},
      {"dialog 1\nsize 10 10\nedit 1 \"\" 0 0 1 1\ncaption \"late\"\n", 4,
       "dialog lines must come before the controls"},
      {"dialog 1\nfont 8\n", 2, "expected: font <points> \"<face>\""},
      {"dialog 1\nsize 10 10 10\n", 2, "unexpected '10'"},
      {"dialog 1\nsize 10 10\nedit 70000 \"\" 0 0 1 1\n", 3, "bad id '70000'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ResourceError error = ErrorOf(c.text);
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.message, c.message);
  }
}

TEST(DialogTemplateRegistry, TemplatesAreFoundByIdAndAnIdIsTakenOnce) {
  // The test program's own templates were compiled in and registered.
  ASSERT_NE(FindDialogTemplate(100), nullptr);
  EXPECT_EQ(FindDialogTemplate(100)->caption, "Entry form");
  DialogTemplate duplicate;
  duplicate.id = 100;
  EXPECT_FALSE(RegisterDialogTemplate(duplicate));
  EXPECT_EQ(FindDialogTemplate(100)->caption, "Entry form");
  DialogTemplate fresh;
  fresh.id = 31000;
  EXPECT_TRUE(RegisterDialogTemplate(fresh));
  EXPECT_NE(FindDialogTemplate(31000), nullptr);
  EXPECT_EQ(FindDialogTemplate(31001), nullptr);
}

}  // namespace
}  // namespace platform::ui
