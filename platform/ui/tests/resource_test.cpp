// Resources compiled in from their text files (tests/resources/): a dialog
// whose menu bar is its menu resource, accelerator keys that send their
// commands, a raw block read as its pairs, icons and bitmaps with their
// pixels, found by number or by name; and the faults each format refuses,
// with their lines.
#include "platform/ui/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/kernel/byte_record.h"
#include "platform/ui/accelerator.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/metrics.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr int kMenuDialog = 700;   // menu_bar.dlg, with menu 700
constexpr int kPlainDialog = 110;  // fields.dlg: the same size, no menu
constexpr int kRatingMenu = 700;
constexpr int kRatingKeys = 700;
constexpr VirtualKey kF5 = key::F1 + 4;

// ---- the formats' faults

TEST(ResourceFormats, BadResourcesNameTheLineAndTheFault) {
  using K = ResourceKind;
  struct Case {
    ResourceKind kind;
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      // every format: the first line names the resource
      {K::Menu, "# only a comment\n", 0, "no 'menu' line"},
      {K::Menu, "popup \"Run\"\n", 1, "the first line must be 'menu <id>'"},
      {K::Menu, "menu 0\n", 1, "bad id '0'"},
      {K::Data, "data help-topics\n", 1, "bad id 'help-topics'"},
      {K::Icon, "icon 1 2\n", 1, "unexpected '2'"},
      {K::Accelerators, "\n\naccelerators\n", 3, "expected: accelerators <id>"},
      // menus
      {K::Menu, "menu 1\nitem 5 \"A\"\npopup \"P\"\nitem 5 \"B\"\nend\n", 4, "command 5 is also on line 2"},
      {K::Menu, "menu 1\nitem 5 \"A\" bold\n", 2, "unknown flag 'bold'"},
      {K::Menu, "menu 1\nitem 5 A\n", 2, "the menu text must be a quoted text"},
      {K::Menu, "menu 1\nitem 0 \"A\"\n", 2, "bad command '0'"},
      {K::Menu, "menu 1\nend\n", 2, "'end' without a pop-up"},
      {K::Menu, "menu 1\npopup \"Run\"\npopup \"Sub\"\nend\n", 2, "pop-up \"Run\" has no 'end'"},
      {K::Menu, "menu 1\nbutton 1 \"A\"\n", 2, "unknown keyword 'button'"},
      {K::Menu,
       "menu 1\npopup \"1\"\npopup \"2\"\npopup \"3\"\npopup \"4\"\npopup \"5\"\npopup \"6\"\npopup \"7\"\n"
       "popup \"8\"\npopup \"9\"\n",
       10, "pop-ups nest too deep"},
      // accelerators
      {K::Accelerators, "accelerators 1\nkey Ctrl+Ctrl+P 1\n", 2, "unknown key 'Ctrl+Ctrl+P'"},
      {K::Accelerators, "accelerators 1\nkey Hyper+P 1\n", 2, "unknown key 'Hyper+P'"},
      {K::Accelerators, "accelerators 1\nkey F25 1\n", 2, "unknown key 'F25'"},
      {K::Accelerators, "accelerators 1\nkey Ctrl+P 1\nkey shift+ctrl+p 2\nkey ctrl+p 3\n", 4,
       "ctrl+p is also on line 2"},
      {K::Accelerators, "accelerators 1\nkey Ctrl+P\n", 2, "expected: key <keys> <command>"},
      {K::Accelerators, "accelerators 1\nkey Ctrl+P 70000\n", 2, "bad command '70000'"},
      // raw data
      {K::Data, "data 1\n", 0, "no data"},
      {K::Data, "data 1\nu8 255 256\n", 2, "bad u8 value '256'"},
      {K::Data, "data 1\nu32 -1\n", 2, "bad u32 value '-1'"},
      {K::Data, "data 1\nu16\n", 2, "expected: u8|u16|u32 <value>..."},
      {K::Data, "data 1\nu64 1\n", 2, "unknown keyword 'u64'"},
      // icons and bitmaps
      {K::Icon, "icon 1\ncolor k #000000\n", 0, "no image"},
      {K::Icon, "icon 1\ncolor kk #000000\n", 2, "bad colour character 'kk'"},
      {K::Icon, "icon 1\ncolor # #000000\n", 2, "bad colour character '#'"},
      {K::Icon, "icon 1\ncolor k #00000G\n", 2, "bad colour '#00000G' (#RRGGBB or transparent)"},
      {K::Icon, "icon 1\ncolor k #000000\ncolor k #FFFFFF\n", 3, "colour 'k' is also on line 2"},
      {K::Bitmap, "bitmap 1\ncolor . transparent\n", 2, "a bitmap has no transparent colour"},
      {K::Icon, "icon 1\ncolor k #000000\nimage 2 3\n", 3, "an icon's image is square"},
      {K::Icon, "icon 1\ncolor k #000000\nimage 1 1\nk\nimage 1 1\nk\n", 5, "a second 1 x 1 image"},
      {K::Icon, "icon 1\nimage 257 257\n", 2, "bad width '257'"},
      {K::Bitmap, "bitmap 1\ncolor k #000000\nimage 1 1\nk\nimage 1 1\nk\n", 5, "a bitmap has one image"},
      {K::Bitmap, "bitmap 1\ncolor k #000000\nimage 2 2\n# a comment is no row\nkk\n", 3,
       "the image has 1 of its 2 rows"},
      {K::Bitmap, "bitmap 1\ncolor k #000000\nimage 2 1\n  k k\n", 4, "a row of 3 pixels in an image 2 wide"},
      {K::Bitmap, "bitmap 1\ncolor k #000000\nimage 2 1\nkx\n", 4, "'x' at column 2 is not a colour of the palette"},
      {K::Bitmap, "bitmap 1\nimage 1 1\nk\ncolor k #000000\n", 3, "'k' at column 1 is not a colour of the palette"},
      {K::Bitmap, "bitmap 1\nshade k\n", 2, "unknown keyword 'shade'"},
      // a dialog's menu
      {K::Dialog, "dialog 1\nmenu 0\nsize 10 10\n", 2, "bad id '0'"},
      {K::Dialog, "dialog 1\nsize 10 10\nedit 1 \"\" 0 0 1 1\nmenu 5\n", 4,
       "dialog lines must come before the controls"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ResourceError error;
    EXPECT_FALSE(CheckResource(c.kind, c.text, error).has_value());
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.message, c.message);
  }
  // A NUL would cut the text short once compiled in.
  ResourceError error;
  EXPECT_FALSE(CheckResource(K::Data, std::string_view("data 1\nu8 1\n\0u8 2\n", 17), error).has_value());
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(error.message, "a NUL character");
}

TEST(ResourceRegistry, FilesAreKnownByTheirExtensionAndEachIdIsTakenOnce) {
  const std::pair<const char*, std::optional<ResourceKind>> files[] = {
      {"gallery.dlg", ResourceKind::Dialog},
      {"res/rating.menu", ResourceKind::Menu},
      {"keys.accel", ResourceKind::Accelerators},
      {"topics.data", ResourceKind::Data},
      {"truck.icon", ResourceKind::Icon},
      {"road.bitmap", ResourceKind::Bitmap},
      {".menu", std::nullopt},
      {"notes.txt", std::nullopt},
      {"menu", std::nullopt},
  };
  for (const auto& [file, kind] : files) EXPECT_EQ(ResourceKindOfFile(file), kind) << file;

  // The compiled-in menu 700 holds its id; a new name is found in any case.
  ResourceError error;
  EXPECT_FALSE(RegisterResource(ResourceKind::Menu, "menu 700\nitem 1 \"A\"\n", error));
  EXPECT_EQ(error.line, 1);
  EXPECT_EQ(error.message, "menu 700 is defined twice");
  const char* extra = "# added at run time\nmenu Extra\nitem 1 \"A\"\n";
  const auto header = CheckResource(ResourceKind::Menu, extra, error);
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->id, ResourceId("EXTRA"));
  EXPECT_EQ(header->line, 2);
  EXPECT_TRUE(RegisterResource(ResourceKind::Menu, extra, error));
  EXPECT_FALSE(RegisterResource(ResourceKind::Menu, extra, error));
  EXPECT_EQ(error.line, 2);
  // A dialog names the menu it needs, for the compiler to find.
  const auto dialog = CheckResource(ResourceKind::Dialog, "dialog 9\n\nmenu Bar\nsize 1 1\n", error);
  ASSERT_TRUE(dialog.has_value());
  ASSERT_EQ(dialog->references.size(), 1u);
  EXPECT_EQ(dialog->references[0].kind, ResourceKind::Menu);
  EXPECT_EQ(dialog->references[0].id, ResourceId("BAR"));
  EXPECT_EQ(dialog->references[0].line, 3);
  // Lines may end in CR LF.
  EXPECT_TRUE(RegisterResource(ResourceKind::Bitmap, "bitmap Dot\r\ncolor k #000000\r\nimage 1 1\r\nk\r\n", error));
  const MenuHandle menu = LoadMenuResource("extra");
  EXPECT_EQ(MenuItemText(menu, 1, MenuLookup::ByCommand), "A");
  DestroyMenu(menu);
  // Each kind has its own ids: 700 is a menu and an accelerator table, not an icon.
  EXPECT_EQ(LoadIconResource(kRatingMenu, {16, 16}), nullptr);
  EXPECT_EQ(LoadMenuResource(9999), nullptr);
}

// A compiled-in resource that cannot be registered (one of a library
// linked in holds its id) ends the program at its start, saying why.
TEST(ResourceRegistryDeathTest, ACompiledResourceThatCannotBeRegisteredEndsTheProgram) {
  EXPECT_DEATH(RegisterCompiledResources({{"again.menu", "# the test menu's id\nmenu 700\nitem 1 \"A\"\n"}}),
               "again.menu:2: menu 700 is defined twice");
  EXPECT_DEATH(RegisterCompiledResources({{"notes.txt", "menu 5\n"}}), "notes.txt:0: not a resource file");
}

// ---- menus and accelerators

// The menu as an outline: an entry a line, a pop-up's entries indented
// under it, each with its command (or "popup", "separator") and its flags.
void Outline(MenuHandle menu, const std::string& indent, std::vector<std::string>& lines) {
  for (int i = 0; i < MenuItemCount(menu); ++i) {
    const unsigned flags = MenuItemFlags(menu, i, MenuLookup::ByPosition);
    std::string line = indent;
    if (flags & menu_flag::Separator) {
      lines.push_back(line + "separator");
      continue;
    }
    line += (flags & menu_flag::Popup) ? std::string("popup") : std::to_string(MenuItemId(menu, i));
    line += " " + MenuItemText(menu, i, MenuLookup::ByPosition);
    if (flags & menu_flag::Checked) line += " checked";
    if (flags & menu_flag::Grayed) line += " grayed";
    if (flags & menu_flag::Disabled) line += " disabled";
    lines.push_back(line);
    if (flags & menu_flag::Popup) Outline(SubMenu(menu, i), indent + "  ", lines);
  }
}

std::vector<std::string> Outline(MenuHandle menu) {
  std::vector<std::string> lines;
  Outline(menu, "", lines);
  return lines;
}

// A dialog that tries its accelerator table first, as the rating screen does.
class AcceleratorDialog : public testing::RecordingDialog {
 public:
  using RecordingDialog::RecordingDialog;
  AcceleratorHandle accelerators = nullptr;
  bool preTranslateMessage(Message& message) override {
    if (accelerators && TranslateAccelerator(handle(), accelerators, message)) return true;
    return RecordingDialog::preTranslateMessage(message);
  }
};

class MenuBarDialog : public testing::OpenDialogTest<AcceleratorDialog> {
 protected:
  MenuBarDialog() : OpenDialogTest(kMenuDialog) {}
  std::vector<int> commands() const {
    std::vector<int> ids;
    for (const auto& notice : dialog_.notices)
      if (notice.id >= 0x8000) ids.push_back(notice.id);
    return ids;
  }
};

TEST_F(MenuBarDialog, TheTemplatesMenuResourceIsItsMenuBarAboveTheFullClientArea) {
  const MenuHandle bar = GetMenu(dialog_.handle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Outline(bar), (std::vector<std::string>{
                              "popup &Run",
                              "  32792 &Print Shipment\tCtrl+P",
                              "  32793 &Export Shipment\tCtrl+E",
                              "  separator",
                              "  32775 E&xit\tCtrl+X",
                              "popup &Options",
                              "  32779 Use &Discounts\tCtrl+Q checked",
                              "  separator",
                              "  popup &Language",
                              "    32836 &English checked",
                              "    32837 &Spanish",
                              "popup &View",
                              "  32771 Display &Rates/Alternation\tCtrl+T grayed",
                              "  32840 View Shipment &Detail disabled",
                              "  32795 &U.S. City Lookup\tCtrl+K",
                          }));
  // The window grew by the bar: the client area is the template's size, as
  // in a dialog of the same size without a menu.
  testing::RecordingDialog plain(kPlainDialog);
  plain.open();
  EXPECT_EQ(ClientRect(dialog_.handle()), ClientRect(plain.handle()));
  EXPECT_EQ(WindowRect(dialog_.handle()).height(),
            WindowRect(plain.handle()).height() + GetSystemMetric(SystemMetric::MenuBarHeight));

  // Each load makes a menu of its own.
  const MenuHandle copy = LoadMenuResource(kRatingMenu);
  ASSERT_NE(copy, bar);
  CheckMenuItem(copy, 32779, MenuLookup::ByCommand, false);
  EXPECT_TRUE(MenuItemFlags(bar, 32779, MenuLookup::ByCommand) & menu_flag::Checked);
  DestroyMenu(copy);
}

TEST_F(MenuBarDialog, TheAcceleratorTableSendsTheCommandsOfItsKeys) {
  dialog_.accelerators = LoadAcceleratorResource(kRatingKeys);
  ASSERT_NE(dialog_.accelerators, nullptr);
  struct Case {
    VirtualKey key;
    unsigned modifiers;
    std::vector<int> commands;
  };
  const Case cases[] = {
      {'P', modifier::Control, {32792}},
      {'E', modifier::Control, {32793}},
      {'K', modifier::Control | modifier::Shift, {32795}},
      {kF5, modifier::None, {32795}},
      {key::Enter, modifier::Alt, {32836}},
      {'Q', modifier::Control, {32779}},
      {'T', modifier::Control, {}},  // Display Rates is grayed on the menu bar
      {'P', modifier::Control | modifier::Shift, {}},
      {'K', modifier::Control, {}},
      {kF5 + 1, modifier::None, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " with " + std::to_string(c.modifiers));
    dialog_.clear();
    press(c.key, c.modifiers);
    EXPECT_EQ(commands(), c.commands);
  }
  DestroyAcceleratorTable(dialog_.accelerators);
}

TEST_F(MenuBarDialog, ADialogWhoseMenuIsMissingIsNotMade) {
  DialogTemplate withoutItsMenu = *FindDialogTemplate(kMenuDialog);
  withoutItsMenu.menu = ResourceId(4242);
  EXPECT_EQ(CreateDialogWindow(withoutItsMenu, nullptr), nullptr);
  EXPECT_EQ(DialogBox(withoutItsMenu, dialog_.handle()), -1);
  // A child dialog has no menu bar, and needs none.
  withoutItsMenu.style = style::Child;
  const WindowHandle child = CreateDialogWindow(withoutItsMenu, dialog_.handle());
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetMenu(child), nullptr);
}

// ---- raw data, icons and bitmaps

TEST(Resources, ARawBlockReadsAsItsPairsUpToTheZeroPair) {
  const std::span<const std::uint8_t> topics = FindDataResource("helptopics");
  ASSERT_EQ(topics.size(), 7u * 4u);
  std::vector<std::pair<int, int>> pairs;
  for (std::size_t at = 0; at + 4 <= topics.size(); at += 4) {
    const int id = LoadLittleEndian<std::uint16_t>(topics.data() + at);
    const int context = LoadLittleEndian<std::uint16_t>(topics.data() + at + 2);
    if (id == 0 && context == 0) break;
    pairs.emplace_back(id, context);
  }
  EXPECT_EQ(pairs,
            (std::vector<std::pair<int, int>>{{32789, 1}, {32787, 5}, {1000, 50}, {1018, 50}, {1002, 51}, {3307, 52}}));
  // Values of every width follow each other, little-endian.
  const std::span<const std::uint8_t> widths = FindDataResource(701);
  EXPECT_EQ(std::vector<std::uint8_t>(widths.begin(), widths.end()),
            (std::vector<std::uint8_t>{1, 0xFF, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 7, 0, 0, 0}));
  EXPECT_TRUE(FindDataResource("HELPTRAN").empty());
}

TEST(Resources, AnIconGivesItsImageClosestToTheSizeAndABitmapItsPixels) {
  constexpr std::uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu,
                          kBlack = 0xFF000000u, kClear = 0;
  // quadrants.icon: 16 x 16 in quadrants, 32 x 32 black in a white border.
  const std::pair<int, int> sizes[] = {{16, 16}, {32, 32}, {8, 16}, {24, 32}, {48, 32}};
  for (const auto& [wanted, side] : sizes) {
    SCOPED_TRACE(wanted);
    const BitmapHandle icon = LoadIconResource(701, {wanted, wanted});
    const Image* image = BitmapImage(icon);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), (Size{side, side}));
    DeleteBitmap(icon);
  }
  const BitmapHandle small = LoadIconResource(701, {16, 16});
  const Image& quadrants = *BitmapImage(small);
  EXPECT_EQ(quadrants.at(0, 0), kRed);
  EXPECT_EQ(quadrants.at(7, 7), kRed);
  EXPECT_EQ(quadrants.at(8, 0), kGreen);
  EXPECT_EQ(quadrants.at(0, 8), kBlue);
  EXPECT_EQ(quadrants.at(15, 15), kClear);
  DeleteBitmap(small);
  const BitmapHandle large = LoadIconResource(701, {32, 32});
  EXPECT_EQ(BitmapImage(large)->at(31, 0), kWhite);
  EXPECT_EQ(BitmapImage(large)->at(1, 1), kBlack);
  DeleteBitmap(large);

  const BitmapHandle swatch = LoadBitmapResource("Swatch");
  const Image* pixels = BitmapImage(swatch);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels->size(), (Size{4, 3}));
  EXPECT_EQ(pixels->pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite,  //
                                                        kGreen, kBlue, kWhite, kRed,  //
                                                        kBlue, kWhite, kRed, kGreen}));
  DeleteBitmap(swatch);
  EXPECT_EQ(LoadBitmapResource(701), nullptr);  // an icon's id
}

}  // namespace
}  // namespace platform::ui
