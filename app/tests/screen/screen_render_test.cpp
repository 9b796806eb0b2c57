// The rating screen as the user sees it, drawn by the cairo backend in
// English and in Spanish: its images are kept in artifacts/, and no label,
// field or title is cut by its control in either language.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/font.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/rating_context_fields.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::LanguageText;

// The screen's labels in both languages.
std::vector<LanguageText> ScreenTexts() {
  std::vector<LanguageText> texts = testing::DefaultLanguageTexts();
  const std::vector<LanguageText> labels = {
      {4341, "Shipment Date:", "Fecha de Env\xEDo:"},
      {4342, "SCAC:", "SCAC:"},
      {4340, "Tariff:", "Tarifa:"},
      {1084, "Settings:", "Configuraci\xF3n:"},
      {4421, "Origin:", "Origen:"},
      {4422, "Destination:", "Destino:"},
      {4928, "Origin Base:", "Base de Origen:"},
      {4929, "Destination Base:", "Base de Destino:"},
      {4423, "Origin Terminal:", "Terminal de Origen:"},
      {4424, "Destination Terminal:", "Terminal de Destino:"},
      {4417, "Class", "Clase"},
      {4418, "Weight", "Peso"},
      {4419, "Rate", "Tarifa"},
      {4420, "Charge", "Cargo"},
      {4894, "lbs.", "lbs."},
      {4895, "kgs.", "kgs."},
      {4367, "Shipment ID:", "Env\xEDo No.:"},
      {4413, "MC Discount:", "Descuento CM:"},
      {4364, "Discount:", "Descuento:"},
      {4365, "Floor:", "Piso:"},
      {4414, "LTL Surcharge:", "Recargo LTL:"},
      {4415, "TL Surcharge:", "Recargo TL:"},
      {4366, "Accessorial:", "Accesorios:"},
      {4368, "Single Shipment:", "Env\xEDo \xDAnico:"},
  };
  texts.insert(texts.end(), labels.begin(), labels.end());
  return texts;
}

// The visible statics and fields of the screen whose text is wider than
// the control shows.
std::vector<int> CutTexts(WindowHandle screen) {
  std::vector<int> cut;
  for (WindowHandle child : ChildWindows(screen)) {
    if (!IsWindowVisible(child)) continue;
    const std::string text = WindowText(child);
    if (text.empty()) continue;
    const bool isStatic = IsWindowOfClass(child, static_control::kClassName);
    if (isStatic && (WindowStyle(child) & static_control::TypeMask) > static_control::Right) continue;
    if (!isStatic && !IsWindowOfClass(child, "Edit")) continue;
    const auto font = reinterpret_cast<FontHandle>(SendMessage(child, msg::GetFont));
    const int margin = isStatic ? 0 : 4;
    if (MeasureTextWidth(font != nullptr ? font : DefaultGuiFont(), text) + margin > ClientRect(child).width())
      cut.push_back(WindowId(child));
  }
  return cut;
}

TEST(ScreenLook, TheScreenInEnglishThenSpanishNothingCut) {
  testing::QivDataSet data;
  data.texts = ScreenTexts();
  data.setMexicoOption(true);
  data.libraryNames = "YSTANDIN.STANDENG.STANDGDE";
  data.setText(fields::kTerminalInformationOption, "Y");
  data.setText(fields::kTerminalsShown, "Y");
  data.setText(fields::kServiceDaysShown, "Y");
  data.setShort(fields::kShipmentIdPrompt, 1);
  data.setShort(fields::kBasePointDisplay, 1);
  data.standIn = "effective TSTFRT01 20240101\neffective TSTFRT02 20240601\n";
  testing::QivRun run(data, true);
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  std::vector<int> cutEnglish, cutSpanish;
  run.driver.onScreen([&](WindowHandle screen) {
    cutEnglish = CutTexts(screen);
    EXPECT_TRUE(cairo::RenderWindowToPng(screen, artifacts + "/rating-screen-english.png"));
    SendMessage(screen, msg::Command, CommandParam(command::English, 0));
  });
  run.driver.onScreen([&](WindowHandle screen) {
    EXPECT_EQ(WindowText(screen), "QIV Tarifas de Carga");
    EXPECT_EQ(testing::MenuTitles(screen), (std::vector<std::string>{"Ejecutar", "Opciones", "Ver", "Ayuda"}));
    cutSpanish = CutTexts(screen);
    EXPECT_TRUE(cairo::RenderWindowToPng(screen, artifacts + "/rating-screen-spanish.png"));
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(cutEnglish, std::vector<int>{});
  EXPECT_EQ(cutSpanish, std::vector<int>{});
}

}  // namespace
}  // namespace qiv
