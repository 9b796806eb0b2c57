// The small dialogs: Level of Rates with its deletion, the splash's two
// seconds, the city list, the bitmap viewer, the notices, the status pop-up
// and the PDF reader's messages; and the files they read, good and bad.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "dialogs/about_text.h"
#include "dialogs/bitmap_view_dialog.h"
#include "dialogs/city_files.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/level_list.h"
#include "dialogs/level_of_rates_dialog.h"
#include "dialogs/mexican_city_list_dialog.h"
#include "dialogs/notices.h"
#include "dialogs/pdf_document.h"
#include "dialogs/status_popup.h"
#include "image_files.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/input.h"
#include "platform/ui/message_box.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::QivDataSet;
using testing::ShownBox;
using testing::TestSession;

std::string ListLines(WindowHandle dialog, int id) {
  std::string all;
  for (int i = 0; i < static_cast<int>(SendDialogItemMessage(dialog, id, 0x018B)); ++i) {
    char line[128] = {};
    SendDialogItemMessage(dialog, id, 0x0189, static_cast<WParam>(i), reinterpret_cast<LParam>(line));
    all += std::string(line) + "|";
  }
  return all;
}

// A 37-byte city record.
std::string City(std::string code, std::string name) {
  code.resize(6, ' ');
  name.resize(28, ' ');
  return code + "JA" + name + " ";
}

constexpr const char* kThreeLevels = "SAMPLE0120240115\r\nSAMPLE0220230301\r\nSAMPLE0320221231\r\n";

TEST(LevelOfRates, DeletingTheSecondOfThreeRewritesTheLevelFileThenRemovesOnlyItsFiles) {
  QivDataSet data;
  data.write("LEVEL.LVL", kThreeLevels);
  for (const char* name : {"SAMPLE02.SET", "sample02.def", "SAMPLE021.SET", "SAMPLE01.SET"}) data.write(name, "x");
  testing::ScreenDriver driver;
  TestSession test(data);
  const std::string texts = "216\n\nDelete level\nBorrar nivel\n152\n\nQuestion\nPregunta\n";
  test.session.languageTable =
      LanguageTable::Parse({reinterpret_cast<const std::uint8_t*>(texts.data()), texts.size()});
  driver.onWindow("Level of Rates", [](WindowHandle level) {
    EXPECT_EQ(ListLines(level, control_id::LevelList),
              "SAMPLE01\t01/15/2024|SAMPLE02\t03/01/2023|SAMPLE03\t12/31/2022|");
    SendDialogItemMessage(level, control_id::LevelList, 0x0186, 1);
    SendMessage(level, msg::Command, CommandParam(control_id::LevelDelete, 0));
    EXPECT_EQ(ListLines(level, control_id::LevelList), "SAMPLE01\t01/15/2024|SAMPLE03\t12/31/2022|");
    EXPECT_EQ(SendDialogItemMessage(level, control_id::LevelList, 0x0188), 1);
    SendMessage(level, msg::Command, CommandParam(control_id::LevelSelect, 0));
  });
  LevelOfRatesDialog dialog(test.session);
  EXPECT_EQ(dialog.doModal(), command_id::Ok);
  EXPECT_EQ(test.session.tariffBaseName(), "SAMPLE03");
  EXPECT_EQ(driver.boxes(), (std::vector<ShownBox>{{"Question", "Delete level SAMPLE02?", 0, true, "", ""}}));
  EXPECT_EQ(data.read("LEVEL.LVL"), "SAMPLE0120240115\r\nSAMPLE0320221231\r\n");
  EXPECT_FALSE(data.exists("SAMPLE02.SET"));
  EXPECT_FALSE(data.exists("sample02.def"));
  EXPECT_TRUE(data.exists("SAMPLE021.SET"));
  EXPECT_TRUE(data.exists("SAMPLE01.SET"));
  EXPECT_EQ(test.session.context->intAt(fields::kLevelCount), 2);
}

TEST(LevelOfRates, AFailedRewriteKeepsTheLevelAndItsFilesAndOneLevelNeedsNoChoice) {
  QivDataSet data;
  data.write("LEVEL.LVL", kThreeLevels);
  data.write("SAMPLE02.SET", "x");
  data.texts->push_back({305, "Error writing LVL file.", "Error al escribir."});
  testing::ScreenDriver driver;
  TestSession test(data);
  driver.onWindow("Level of Rates", [&](WindowHandle level) {
    SendDialogItemMessage(level, control_id::LevelList, 0x0186, 1);
    ::chmod(data.data().c_str(), 0555);
    SendMessage(level, msg::Command, CommandParam(control_id::LevelDelete, 0));
    ::chmod(data.data().c_str(), 0755);
    // Put back at the end of the list, the selection at its place.
    EXPECT_EQ(ListLines(level, control_id::LevelList),
              "SAMPLE01\t01/15/2024|SAMPLE03\t12/31/2022|SAMPLE02\t03/01/2023|");
    EXPECT_EQ(SendDialogItemMessage(level, control_id::LevelList, 0x0188), 1);
    SendMessage(level, msg::Command, CommandParam(control_id::LevelExit, 0));
  });
  LevelOfRatesDialog dialog(test.session);
  EXPECT_EQ(dialog.doModal(), command_id::Cancel);
  ASSERT_EQ(driver.boxes().size(), 2u);
  EXPECT_EQ(driver.boxes()[1], (ShownBox{"Warning", "Error writing LVL file.", message_box::IconWarning}));
  EXPECT_EQ(data.read("LEVEL.LVL"), kThreeLevels);
  EXPECT_TRUE(data.exists("SAMPLE02.SET"));

  data.write("LEVEL.LVL", "ONLY    20240115\r\n");
  LevelOfRatesDialog single(test.session);
  EXPECT_EQ(single.doModal(), command_id::Ok);
  EXPECT_EQ(test.session.tariffBaseName(), "ONLY");
  EXPECT_EQ(test.session.context->textAt(fields::kShipmentDate), "01-15-2024");
}

TEST(Splash, ShownAtStartAndEndedAfterTwoVirtualSecondsOrLeftOutWhenItsFileIsBad) {
  const std::string splash = testing::BitmapFile(120, 80, 0x336699);
  // A header that claims 60000 x 60000 pixels over the same few bytes.
  std::string huge = splash;
  huge.replace(18, 8, std::string("\x60\xEA\x00\x00\x60\xEA\x00\x00", 8));
  struct Case {
    const char* name;
    std::string file;
    bool shown;
  };
  for (const Case& c : std::vector<Case>{{"a bitmap", splash, true},
                                         {"a truncated bitmap", splash.substr(0, 100), false},
                                         {"a bitmap claiming a huge size", huge, false}}) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    data.write("LEVEL.LVL", kThreeLevels);
    data.write("Splash.bmp", c.file);
    testing::QivRun run(data);
    run.driver.onWindow("Level of Rates", [](WindowHandle level) {
      SendMessage(level, msg::Command, CommandParam(control_id::LevelExit, 0));
    });
    EXPECT_EQ(run.run(), 2);
    std::vector<std::pair<std::string, std::uint64_t>> seen;
    for (const auto& window : run.driver.seen()) seen.emplace_back(window.caption, window.time);
    if (c.shown)
      EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::uint64_t>>{{"", 1000}, {"Level of Rates", 3000}}));
    else
      EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::uint64_t>>{{"Level of Rates", 1000}}));
  }
}

TEST(CityFiles, MexicanPointsByRangeAndRecordNumberZipsByPrefix) {
  platform::testing::TempDirectory dir;
  // Ranges 0 and 2 hold 44100; range 1 does not; range 3 names a record past .CMX.
  dir.write("B.MXR", std::string("44000 44199 ") + "50000 50999 " + "44100 44100 " + "44100 44199 ");
  dir.write("B.CMX", City("44000M", "GUADALAJARA") + City("50000M", "TOLUCA") + City("44100M", "ZAPOPAN"));
  dir.write("B.CTU", City("10001", "NEW YORK") + City("10001", "MANHATTAN") + City("10002", "BROOKLYN"));
  const std::string base = dir.withSeparator() + "B";
  EXPECT_EQ(MexicanPointCities(base, "44100M"), (std::vector<std::string>{"GUADALAJARA", "ZAPOPAN"}));
  EXPECT_EQ(MexicanPointCities(base, "90000M"), std::vector<std::string>{});
  EXPECT_EQ(UsZipCities(base, "10001"), (std::vector<std::string>{"NEW YORK", "MANHATTAN"}));
  EXPECT_EQ(UsZipCities(base, "1000"), (std::vector<std::string>{"NEW YORK", "MANHATTAN", "BROOKLYN"}));
  EXPECT_EQ(UsZipCities(dir.withSeparator() + "MISSING", "10001"), std::vector<std::string>{});
}

TEST(CityList, OneCityAnswersAtOnceNoneGivesTheNoCityTextAndSeveralOpenTheList) {
  QivDataSet data;
  data.texts->push_back({15, "No city found", "Sin ciudad"});
  data.write("TESTBASE.CTU", City("10001", "NEW YORK") + City("10001", "MANHATTAN") + City("20001", "WASHINGTON"));
  testing::ScreenDriver driver;
  TestSession test(data);
  struct Case {
    const char* code;
    MexicanCityListDialog::Mode mode;
    std::string result;
    bool noCity;
  };
  for (const Case& c :
       std::vector<Case>{{"20001", MexicanCityListDialog::Mode::UsZip, "WASHINGTON", false},
                         {"30001", MexicanCityListDialog::Mode::UsZip, "City not available", false},
                         {"44100M", MexicanCityListDialog::Mode::MexicanPoint, "No city found", true}}) {
    MexicanCityListDialog list(test.session, nullptr, c.code, {100, 200}, c.mode);
    EXPECT_EQ(list.doModal(), command_id::Ok) << c.code;
    EXPECT_EQ(list.result(), c.result) << c.code;
    EXPECT_EQ(list.noCityFound(), c.noCity) << c.code;
  }
  driver.onWindow("", [](WindowHandle list) {
    EXPECT_EQ(WindowRect(list).left, 99);
    EXPECT_EQ(WindowRect(list).top, 199);
    EXPECT_EQ(ListLines(list, control_id::CityList), "NEW YORK|MANHATTAN|");
    SendDialogItemMessage(list, control_id::CityList, 0x0186, 1);
    SendMessage(list, msg::Command, CommandParam(control_id::CityList, 2),
                HandleToParam(DialogItem(list, control_id::CityList)));
  });
  MexicanCityListDialog several(test.session, nullptr, "10001", {100, 200}, MexicanCityListDialog::Mode::UsZip);
  EXPECT_EQ(several.doModal(), command_id::Ok);
  EXPECT_EQ(several.result(), "MANHATTAN");
}

TEST(SmallDialogs, ViewerNoticeStatusPopupAndThePdfReadersMessages) {
  QivDataSet data;
  data.write("MAP.BMP", testing::BitmapFile(200, 120, 0xFFFFFF));
  data.write("BAD.BMP", "BM");
  testing::ScreenDriver driver;
  TestSession test(data);
  BitmapViewDialog missing(test.session, test.session.dataFile("BAD.BMP"), nullptr);
  EXPECT_EQ(missing.doModal(), command_id::Ok);
  driver.onWindow("Service Map", [](WindowHandle viewer) {
    EXPECT_EQ(WindowRect(viewer).width(), 200);
    EXPECT_EQ(WindowRect(viewer).height(), 120);
    SendMessage(viewer, msg::LeftButtonUp);
  });
  BitmapViewDialog map(test.session, test.session.dataFile("map.bmp"), nullptr);
  EXPECT_EQ(map.doModal(), command_id::Ok);

  test.session.context->setShort(fields::kNoticeSuppressed, 1);
  driver.onWindow("Notice", [](WindowHandle notice) {
    EXPECT_EQ(DialogButtonCheck(notice, control_id::NoticeCheck), button::Checked);
    CheckDialogButton(notice, control_id::NoticeCheck, button::Unchecked);
    SendMessage(notice, msg::Command, CommandParam(control_id::NoticeOk, 0));
  });
  NoticeDialog notice(test.session, nullptr);
  EXPECT_EQ(notice.doModal(), command_id::Ok);
  EXPECT_EQ(test.session.context->shortAt(fields::kNoticeSuppressed), 0);

  // The two option notices: each its own template, OK closes it.
  driver.onWindow("PriceSheet", [](WindowHandle shown) {
    EXPECT_EQ(DialogItemText(shown, 4879), "The PriceSheet option is not installed on this system.");
    SendMessage(shown, msg::Command, CommandParam(command_id::Ok, 0));
  });
  PriceSheetDialog priceSheet(test.session, nullptr);
  EXPECT_EQ(priceSheet.doModal(), command_id::Ok);
  driver.onWindow("Bill of Lading", [](WindowHandle shown) {
    EXPECT_NE(DialogItem(shown, 4877), nullptr);
    SendMessage(shown, msg::Command, CommandParam(command_id::Ok, 0));
  });
  BillOfLadingDialog billOfLading(test.session, nullptr);
  EXPECT_EQ(billOfLading.doModal(), command_id::Ok);

  StatusPopup popup(test.session, "Printing", nullptr);
  ASSERT_TRUE(popup.open());
  EXPECT_EQ(WindowText(popup.handle()), "Printing");
  EXPECT_TRUE(IsWindowVisible(popup.handle()));
  EXPECT_EQ(DialogItemText(popup.handle(), control_id::StatusText), "");
  popup.destroy();

  using platform::desktop::DesktopOutcome;
  test.opener.answer = {DesktopOutcome::NoProgram};
  EXPECT_FALSE(OpenPdfDocument(test.session, "/d/RULES.PDF", nullptr));
  test.opener.answer = {DesktopOutcome::Failed, 5, "xdg-open"};
  EXPECT_FALSE(OpenPdfDocument(test.session, "/d/RULES.PDF", nullptr));
  test.opener.answer = {};
  EXPECT_TRUE(OpenPdfDocument(test.session, "/d/RULES.PDF", nullptr));
  EXPECT_EQ(driver.boxes(), (std::vector<ShownBox>{
                                {"QIV", kNoPdfReaderText, message_box::IconExclamation},
                                {"WARNING", "Adobe Acrobat failed to start. - 5 xdg-open", 0},
                            }));
  EXPECT_EQ(test.opener.requests.size(), 3u);
}

TEST(DialogFiles, AboutFilesAndLevelLinesOfAnyLength) {
  std::string about(92 * 20, ' ');
  about.replace(0, 12, "First line\r\n");
  about[92 + 91] = 'X';  // byte 91 of a line is never text
  about.replace(92 * 2, 5, std::string("ab\0cd", 5));
  const AboutText full = ParseAboutText({reinterpret_cast<const std::uint8_t*>(about.data()), about.size()});
  EXPECT_EQ(full[0], "First line");
  EXPECT_EQ(full[1], "");
  EXPECT_EQ(full[2], "ab");
  const AboutText cut = ParseAboutText({reinterpret_cast<const std::uint8_t*>(about.data()), 95});
  EXPECT_EQ(cut[0], "First line");
  EXPECT_EQ(cut[19], "");
  EXPECT_EQ(ParseAboutText({})[0], "");

  const std::string levels = "SAMPLE0120240115\r\nSHORT";
  EXPECT_EQ(LevelListLines({reinterpret_cast<const std::uint8_t*>(levels.data()), levels.size()}, 2),
            std::vector<std::string>{"SAMPLE01\t01/15/2024"});
  EXPECT_EQ(LevelRecordOfLine("SAMPLE01\t01/15/2024"), "SAMPLE0120240115\r\n");
  EXPECT_EQ(LevelRecordOfLine(""), std::string(16, ' ') + "\r\n");
}

}  // namespace
}  // namespace qiv
