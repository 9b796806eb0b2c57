// Rowpane32 is loaded by name at run time, never linked: loading it
// registers the class once per process.
#include <gtest/gtest.h>

#include "platform/ui/window.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

TEST(RowpaneLibrary, LoadingByNameRegistersTheClassOnce) {
  EXPECT_EQ(ui::FindWindowClass(kClassName), nullptr);
  const platform::Module& module = LoadRowpaneLibrary();
  const ui::WindowClass* registered = ui::FindWindowClass(kClassName);
  ASSERT_NE(registered, nullptr);
  EXPECT_EQ(registered->style, 0x4088u);
  EXPECT_GE(registered->extraBytes, static_cast<int>(sizeof(void*)));

  // A second load of the same library is the same library.
  platform::Module again = platform::Module::Load(module.path());
  ASSERT_TRUE(again.isLoaded());
  again.release();
  EXPECT_EQ(ui::FindWindowClass(kClassName), registered);

  auto wep = module.function<int (*)(int)>("WEP");
  ASSERT_NE(wep, nullptr);
  EXPECT_EQ(wep(0), 1);
}

TEST(RowpaneLibrary, ControlAndItsInnerListBox) {
  Parent parent;
  ASSERT_NE(parent.createControl(0, 130, false), nullptr);
  ASSERT_NE(parent.inner(), nullptr);
  EXPECT_TRUE(ui::IsWindowOfClass(parent.inner(), "LISTBOX"));
  // The control's own scroll bars are taken off; the inner box has none.
  EXPECT_EQ(ui::WindowStyle(parent.control()) & (ui::style::VScroll | ui::style::HScroll), 0u);
  EXPECT_EQ(parent.send(RPB_GETCOUNT), kCountNotAsked);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), -1);
  EXPECT_EQ(parent.send(RPB_GETLINES), 10);
  EXPECT_EQ(parent.send(ui::msg::GetDialogCode), 0x81);
  // The standard list-box messages reach the inner box.
  EXPECT_EQ(parent.send(0x018B /* count */), 0);
  EXPECT_TRUE(parent.requests.empty());
}

}  // namespace
}  // namespace rowpane::testing
