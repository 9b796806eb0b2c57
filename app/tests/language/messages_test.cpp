// Numbered messages in the screen's language (ShowMessage of each type and
// its question) and the relabelling of a dialog and the main menu.
#include <gtest/gtest.h>

#include "language/dialog_language.h"
#include "language/show_message.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_box.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/resource.h"
#include "platform/ui/window.h"
#include "screen/screen_ids.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::ShownBox;

struct MessageCase {
  const char* name;
  Language language;
  int type;
  std::int32_t number;
  std::vector<bool> answers;
  int result;
  std::vector<ShownBox> boxes;
  bool quits;
};

TEST(ShowMessage, EachTypeShowsTheNumbersTextInTheScreensLanguage) {
  const unsigned warn = message_box::IconWarning;
  const unsigned error = message_box::IconError;
  const std::vector<MessageCase> cases = {
      {"warning", Language::English, 0, 300, {}, 1, {{"Warning", "The level file cannot be opened.", warn}}, false},
      {"warning in Spanish",
       Language::Spanish,
       0,
       300,
       {},
       1,
       {{"Advertencia", "No se puede abrir el archivo de niveles.", warn}},
       false},
      {"a number without a text leaves the text to Ratekit32",
       Language::English,
       0,
       999,
       {},
       1,
       {{"Warning", "", warn}},
       false},
      {"fatal",
       Language::English,
       1,
       178,
       {},
       1,
       {{"Fatal Error", "The rating library has no OpenLevelFile.", error}},
       true},
      {"question answered Yes",
       Language::English,
       2,
       156,
       {true},
       1,
       {{"Question", "Exit the rating program?", 0, true, "Yes", "No"}},
       false},
      {"question answered No, in Spanish",
       Language::Spanish,
       2,
       156,
       {false},
       0,
       {{"Pregunta", "\xBFSalir del programa?", 0, true, "S\xED", "No"}},
       false},
      {"a question without a text still asks",
       Language::English,
       2,
       999,
       {true},
       1,
       {{"Question", "", 0, true, "Yes", "No"}},
       false},
      {"another type shows nothing", Language::English, 3, 300, {}, 0, {}, false},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::QivDataSet data;
    testing::ScreenDriver driver;
    driver.answerQuestions(c.answers);
    testing::TestSession test(data, c.language);
    test.session.context->setLastErrorCode(c.number);
    EXPECT_EQ(ShowMessage(test.session, nullptr, c.type, nullptr), c.result);
    EXPECT_EQ(driver.boxes(), c.boxes);
    Message quit;
    bool quitPending = false;
    while (!quitPending && PeekMessage(quit)) quitPending = quit.message == msg::Quit;
    EXPECT_EQ(quitPending, c.quits);
    if (c.quits) {
      EXPECT_EQ(quit.wParam, static_cast<WParam>(c.number));
    }
  }
}

TEST(DialogLanguage, RelabelsControlsMenusAndCaptionFirstTextOfAKeyWinning) {
  const std::string file =
      "30\n\nEjecutar-Run\nEjecutar\n"
      "4924\n\nThe text\nEl texto\n"
      "0\n\nnever\nnunca\n"
      "32779\n\nUse Discounts\nUsar Descuentos\n"
      "32788\n\nAuto Clear\nBorrado\n"
      "32792\n\nPrint Shipment\nImprimir\n"
      "3143\n\nQuestion caption\nPregunta\n"
      "4924\n\nsecond\nsegundo\n";
  const LanguageTable table = LanguageTable::Parse({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
  testing::ScreenDriver driver;
  WindowCreation main;
  main.className = kDialogClassName;
  main.style = style::Popup | style::Caption;
  main.rect = {0, 0, 300, 200};
  main.menu = LoadMenuResource(screen_id::Menu);
  const WindowHandle mainWindow = CreateWindow(main);
  const WindowHandle dialog = CreateDialogWindow(*FindDialogTemplate(3143), nullptr);
  const MenuHandle menu = GetMenu(mainWindow);
  EnableMenuItem(menu, 32779, MenuLookup::ByCommand, MenuItemState::Grayed);  // grayed
  CheckMenuItem(menu, 32788, MenuLookup::ByCommand, true);                    // checked
  CheckMenuItem(menu, 32792, MenuLookup::ByCommand, true);                    // checked and grayed
  EnableMenuItem(menu, 32792, MenuLookup::ByCommand, MenuItemState::Grayed);
  const int drawn = MenuBarDrawCount(mainWindow);

  ApplyDialogLanguage(3143, dialog, Language::Spanish, table, mainWindow);
  EXPECT_EQ(DialogItemText(dialog, 4924), "El texto");
  EXPECT_EQ(WindowText(dialog), "Pregunta");
  EXPECT_EQ(MenuItemText(menu, 0, MenuLookup::ByPosition), "Ejecutar");
  EXPECT_NE(SubMenu(menu, 0), nullptr);
  EXPECT_EQ(MenuItemText(menu, 32779, MenuLookup::ByCommand), "Usar Descuentos");
  EXPECT_EQ(MenuItemFlags(menu, 32779, MenuLookup::ByCommand), 0u);  // enabled until the next update
  EXPECT_EQ(MenuItemFlags(menu, 32788, MenuLookup::ByCommand), menu_flag::Checked);
  EXPECT_EQ(MenuItemFlags(menu, 32792, MenuLookup::ByCommand), 0u);  // not exactly checked
  EXPECT_EQ(MenuBarDrawCount(mainWindow), drawn + 1);
  DestroyWindow(dialog);
  DestroyWindow(mainWindow);
}

}  // namespace
}  // namespace qiv
