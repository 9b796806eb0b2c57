// The city lookups over city files: the shared search and the list
// control's rows answered from a small file whose places are known, then the
// three dialogs over files the sample generator writes, driven headless with
// Rowpane32 loaded by name from the data directory.
#include <gtest/gtest.h>

#include <filesystem>

#include "calculator/conversion_density_dialog.h"
#include "city_generator.h"
#include "dataset/data_set.h"
#include "dialogs/list_items.h"
#include "dialogs/qiv_dialog.h"
#include "lookups/canadian_city_lookup_dialog.h"
#include "lookups/city_file.h"
#include "lookups/city_pane_lookup_dialog.h"
#include "lookups/city_pane_rows.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "rowpane/rowpane.h"
#include "sample_copy.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"
#include "shell/rating_context_fields.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;
using namespace rowpane::message;

std::string Record(std::string_view code, std::string_view state, std::string_view city) {
  std::string r(code);
  r.resize(6, ' ');
  r += state;
  r += city;
  r.resize(36, ' ');
  return r + '\0';
}

// Five Texas cities, in the order the lookups search.
const std::string kTexas = Record("75001", "TX", "AUSTIN") + Record("75002", "TX", "SAN ANTONIO") +
                           Record("75003", "TX", "SAN BENITO") + Record("75004", "TX", "SANDY") +
                           Record("75005", "TX", "WACO");

class CityFileTest : public ::testing::Test {
 protected:
  void write(const std::string& content) {
    data.write("TEXAS.CTU", content);
    file.open((data.data() / "TEXAS.CTU").string());
  }
  testing::QivDataSet data;
  CityFile file;
};

TEST_F(CityFileTest, SearchLandsWhereTheKeyAndTheLastRecordReadSay) {
  write(kTexas);
  struct Case {
    const char* key;
    std::int32_t before;  // the record read before the search
    std::int32_t found;
  };
  for (const Case& c : std::vector<Case>{
           {"TXSAN", 0, 1},    // the first city beginning SAN, whatever follows
           {"txsan b", 4, 2},  // without regard to case
           {"TXSANDY", 0, 3},  // the whole city
           {"TXB", 0, 1},      // between two records: the range narrows to one record
           {"ZZ", 0, 4},       // above the last
           {"AA", 3, 3},       // below the first: the range closes, the last record read stays
       }) {
    ASSERT_TRUE(file.read(c.before)) << c.key;
    EXPECT_EQ(file.search(c.key), c.found) << c.key;
    EXPECT_EQ(file.position(), c.found) << c.key;
  }
}

TEST_F(CityFileTest, MissingShortAndRaggedFiles) {
  file.open((data.data() / "NONE.CTU").string());
  EXPECT_EQ(file.count(), 0);
  EXPECT_EQ(file.search("TX"), -1);
  EXPECT_FALSE(file.read(0));
  // A tail shorter than a record is not a record.
  write(kTexas + "75006 TXZAP");
  EXPECT_EQ(file.count(), 5);
  EXPECT_FALSE(file.read(5));
  EXPECT_EQ(file.search("TXZ"), 4);
  // An unsorted file still answers a record of the file.
  write(Record("1", "TX", "WACO") + Record("2", "AL", "MOBILE") + Record("3", "TX", "AUSTIN"));
  const std::int32_t found = file.search("TXAUSTIN");
  EXPECT_GE(found, 0);
  EXPECT_LT(found, 3);
}

TEST_F(CityFileTest, ListRowsAnswerEachRequestFromTheFile) {
  write(kTexas);
  CityPaneRows rows(file);
  struct Case {
    MessageId request;
    std::int32_t data, index;
    std::int32_t status;
    std::int32_t answered;  // data and index of the answer
    std::string text;
  };
  const std::string austin = "75001  TX AUSTIN                      ";
  const std::string waco = "75005  TX WACO                        ";
  const std::string benito = "75003  TX SAN BENITO                  ";
  for (const Case& c : std::vector<Case>{
           {RPBN_GETCOUNT, 0, 0, 0, 5, ""},
           {RPBN_FIRST, 0, 0, 0, 0, austin},
           {RPBN_LAST, 0, 0, 0, 4, waco},
           {RPBN_NEXT, 1, 1, 0, 2, benito},
           {RPBN_NEXT, 4, 4, -1, 4, ""},  // at the last record: no such item
           {RPBN_PREV, 3, 3, 0, 2, benito},
           {RPBN_PREV, 0, 0, -1, 0, ""},  // at the first
           {RPBN_GOTO, 2, 2, 0, 2, benito},
           {RPBN_GOTO, 5, 5, -1, 5, ""},  // past the end: never an earlier row's bytes
           {RPBN_GOTO, -1, -1, -1, -1, ""},
           {RPBN_THUMBPOS, 0, 0, 0, 0, austin},
           {RPBN_THUMBPOS, 50, 50, 0, 2, benito},
           {RPBN_THUMBPOS, 100, 100, 0, 4, waco},
           {RPBN_THUMBPOS, 2000000000, 2000000000, -1, 2000000000, ""},  // 64-bit product, outside
           {RPBN_GETITEMDATA, 9, 3, 0, 3, ""},
       }) {
    rowpane::ItemRequest request;
    request.status = 1;
    request.data = c.data;
    request.index = c.index;
    ASSERT_TRUE(rows.answer(c.request, request));
    EXPECT_EQ(request.status, c.status) << c.request << " " << c.data;
    if (c.request == RPBN_GETCOUNT || c.request == RPBN_GETITEMDATA) {
      EXPECT_EQ(c.request == RPBN_GETCOUNT ? request.index : request.data, c.answered);
      continue;
    }
    if (c.status != 0) continue;
    EXPECT_EQ(request.data, c.answered) << c.request;
    EXPECT_EQ(request.index, c.answered) << c.request;
    EXPECT_EQ(std::string(request.text), c.text) << c.request;
  }
  // The find requests answer the record as it stands, NUL-terminated.
  for (MessageId find : {RPBN_FINDSTRING, RPBN_FINDSTRINGEXACT, CityPaneRows::kFindRequest1626}) {
    rowpane::ItemRequest request;
    request.search = "TXSAN";
    ASSERT_TRUE(rows.answer(find, request));
    EXPECT_EQ(request.status, 0);
    EXPECT_EQ(request.index, 1);
    EXPECT_EQ(std::string(request.text, 37), Record("75002", "TX", "SAN ANTONIO"));
    EXPECT_EQ(request.text[37], '\0');
  }
  rowpane::ItemRequest other;
  EXPECT_FALSE(rows.answer(RPBN_GETTEXT, other));
}

// ---- the dialogs over generated files

class LookupDialogs : public ::testing::Test {
 protected:
  LookupDialogs() {
    // The sample set's texts, as the user reads them.
    data.texts.reset();
    data.write("QIV32.LNG", platform::testing::ReadFileText(std::filesystem::path(QIV_DATA_DIR) / "QIV32.LNG"));
    std::vector<sample_cities::City> fixed =
        sample_cities::ReadFixedCities("ca|K1A0B1|ON|OTTAWA\nca|K7L   |ON|KINGSTON\nmx|64000|NL|MONTERREY|64999\n");
    dataset::BuildDataSet(
        sample_cities::Description(sample_cities::GenerateCities(fixed, {2000, 300, 800}, 7), testing::kBase),
        data.data());
    std::filesystem::copy_file(std::filesystem::path(QIV_DATA_DIR) / "Rowpane32.so", data.data() / "Rowpane32.so");
    test.emplace(data);
    test->session.context->setTerminatedText(fields::kEnglishHelpFile, "QIVHELP.HLP");
    us.open((data.data() / "TESTBASE.CTU").string());
  }
  // The first record whose state and city begin with the key.
  std::int32_t firstOf(std::string_view key) {
    for (std::int32_t i = 0; i < us.count(); ++i)
      if (CompareCityKey(key, *us.read(i)) == 0) return i;
    return -1;
  }
  testing::QivDataSet data;
  testing::ScreenDriver driver{true};
  std::optional<testing::TestSession> test;
  CityFile us;
  const std::string artifacts = QIV_ARTIFACT_DIR;
};

WindowHandle Pane(WindowHandle dialog, int id) { return DialogItem(dialog, id); }

TEST_F(LookupDialogs, UsLookupSelectsTheFirstCityOfTheKeyAndAnswersItsCodeAndCity) {
  std::filesystem::create_directories(artifacts);
  const std::int32_t san = firstOf("TXSAN");
  ASSERT_GE(san, 0);
  const CityRecord chosen = *us.read(san);
  driver.onWindow("U.S. City Lookup", [&](WindowHandle dialog) {
    const WindowHandle pane = Pane(dialog, 0x10FE);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(WindowStyle(pane), 0x50810100u);
    EXPECT_EQ(NextDialogTabItem(dialog, DialogItem(dialog, 4349), false), pane);
    EXPECT_EQ(GetFocus(), DialogItem(dialog, 4348));
    SetDialogItemText(dialog, 4348, "tx");  // lower case; two letters move on to the city
    EXPECT_EQ(GetFocus(), DialogItem(dialog, 4349));
    SetDialogItemText(dialog, 4349, "san");
    EXPECT_EQ(SendMessage(pane, RPB_GETCURSEL), san);
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/us-city-lookup-typed.png"));
    SendMessage(pane, msg::KeyDown, key::PageDown);
    EXPECT_GT(SendMessage(pane, RPB_GETCURSEL), san);
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/us-city-lookup-page-down.png"));
    SendMessage(pane, msg::KeyDown, key::End);
    EXPECT_EQ(SendMessage(pane, RPB_GETCURSEL), us.count() - 1);
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/us-city-lookup-end.png"));
    SetDialogItemText(dialog, 4349, "san");
    SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));
  });
  const CityLookupResult result = RunUsCityLookup(test->session, nullptr);
  EXPECT_EQ(result.end, command_id::Ok);
  // The ZIP without the blank that pads it to the record's six places.
  EXPECT_EQ(chosen.code().substr(5), " ");
  EXPECT_EQ(result.code, chosen.code().substr(0, 5));
  EXPECT_EQ(result.city, chosen.city());
}

TEST_F(LookupDialogs, OkWithoutAChoiceAnswersNothingInAllThree) {
  driver.onWindow("U.S. City Lookup",
                  [](WindowHandle dialog) { SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0)); });
  driver.onWindow("Mexican City Lookup", [](WindowHandle dialog) {
    SendMessage(Pane(dialog, 0x11CA), RPB_SETCURSEL, RPBN_GOTO, -1);
    SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));
  });
  driver.onWindow("Canadian City Lookup",
                  [](WindowHandle dialog) { SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0)); });
  for (const CityLookupResult& result :
       {RunUsCityLookup(test->session, nullptr), RunMexicanCityLookup(test->session, nullptr),
        RunCanadianCityLookup(test->session, nullptr)}) {
    EXPECT_EQ(result.end, command_id::Ok);
    EXPECT_EQ(result.code, "");
    EXPECT_EQ(result.city, "");
  }
}

TEST_F(LookupDialogs, MexicanLookupStartsInMexicoAndItsCodeEndsInM) {
  std::filesystem::create_directories(artifacts);
  const void* loaded = nullptr;
  driver.onWindow("Mexican City Lookup", [&](WindowHandle dialog) {
    loaded = test->session.libraries.rowpane.nativeHandle();
    EXPECT_EQ(DialogItemText(dialog, 4556), "MX");
    EXPECT_EQ(GetFocus(), DialogItem(dialog, 4555));
    SetDialogItemText(dialog, 4555, "santa");
    EXPECT_GE(SendMessage(Pane(dialog, 0x11CA), RPB_GETCURSEL), 0);
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/mexican-city-lookup.png"));
    SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));
  });
  const CityLookupResult result = RunMexicanCityLookup(test->session, nullptr);
  ASSERT_EQ(result.code.size(), 6u);
  EXPECT_EQ(result.code[5], 'M');
  EXPECT_EQ(result.city.substr(0, 6), "SANTA ");
  // A second lookup uses the library the first one loaded.
  driver.onWindow("U.S. City Lookup",
                  [](WindowHandle dialog) { SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0)); });
  EXPECT_EQ(RunUsCityLookup(test->session, nullptr).end, command_id::Cancel);
  EXPECT_NE(loaded, nullptr);
  EXPECT_EQ(test->session.libraries.rowpane.nativeHandle(), loaded);
}

TEST_F(LookupDialogs, HelpOnTheListIsTheListsHelp) {
  driver.onWindow("U.S. City Lookup", [](WindowHandle dialog) {
    // The focus goes on to the list's own list box, whose id is 100.
    SetFocus(Pane(dialog, 0x10FE));
    EXPECT_EQ(WindowId(GetFocus()), rowpane::kInnerListId);
    InjectKeyPress(key::F1);
  });
  driver.onWindow("U.S. City Lookup",
                  [](WindowHandle dialog) { SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0)); });
  RunUsCityLookup(test->session, nullptr);
  ASSERT_EQ(test->help.requests.size(), 1u);
  EXPECT_EQ(test->help.requests[0].helpFile, (data.data() / "QIVHELP.HLP").string());
  EXPECT_EQ(test->help.requests[0].context, 38u);
}

TEST_F(LookupDialogs, WithoutTheListLibraryTheTwoBrowsingLookupsEndAtOnce) {
  std::filesystem::remove(data.data() / "Rowpane32.so");
  EXPECT_EQ(RunUsCityLookup(test->session, nullptr).end, command_id::Cancel);
  EXPECT_EQ(RunMexicanCityLookup(test->session, nullptr).end, command_id::Cancel);
  EXPECT_FALSE(test->session.libraries.rowpane.isLoaded());
}

TEST_F(LookupDialogs, CanadianLookupShowsFullCodesHyphenatedAndAnswersTheirArea) {
  std::filesystem::create_directories(artifacts);
  driver.onWindow("Canadian City Lookup", [&](WindowHandle dialog) {
    const WindowHandle list = DialogItem(dialog, 4353);
    EXPECT_EQ(SendMessage(list, list_box::GetCount), 302);
    EXPECT_EQ(GetFocus(), DialogItem(dialog, 4351));
    SetDialogItemText(dialog, 4351, "on");
    SetDialogItemText(dialog, 4352, "ottawa");
    const LResult row = SendMessage(list, list_box::GetCurrentSelection);
    ASSERT_GE(row, 0);
    char text[64] = {};
    SendMessage(list, list_box::GetText, static_cast<WParam>(row), reinterpret_cast<LParam>(text));
    EXPECT_EQ(std::string(text).substr(0, 18), "K1A-0B1\tON\tOTTAWA ");
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/canadian-city-lookup.png"));
    SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));
  });
  const CityLookupResult ottawa = RunCanadianCityLookup(test->session, nullptr);
  EXPECT_EQ(ottawa.code, "K1A");
  EXPECT_EQ(ottawa.city.substr(0, 7), "OTTAWA ");
  // A prefix row keeps its blanks; a row whose fourth character is a digit gives six.
  struct Case {
    std::string code;
    std::string row;
    std::string answered;
  };
  for (const Case& c :
       std::vector<Case>{{"K7L   ", "K7L   \tON\tKINGSTON", "K7L"}, {"K1A0B1", "K1A-0B1\tON\tKINGSTON", "K1A"}}) {
    const std::string bytes = Record(c.code, "ON", "KINGSTON");
    CityRecord::Bytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    EXPECT_EQ(CanadianCityRow(CityRecord(raw)).substr(0, c.row.size()), c.row);
    EXPECT_EQ(CanadianRowCode(CanadianCityRow(CityRecord(raw))), c.answered);
  }
  EXPECT_EQ(CanadianRowCode("123456\tON\tX"), "123456");
  EXPECT_EQ(CanadianRowCity("K1A-0B1\tON\tA CITY NAME LONGER THAN THIRTY CHARACTERS"),
            "A CITY NAME LONGER THAN THIRTY");
  // No file: an empty list.
  std::filesystem::remove(data.data() / "TESTBASE.CTC");
  driver.onWindow("Canadian City Lookup", [](WindowHandle dialog) {
    EXPECT_EQ(SendDialogItemMessage(dialog, 4353, list_box::GetCount), 0);
    SetDialogItemText(dialog, 4351, "ON");
    SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
  });
  EXPECT_EQ(RunCanadianCityLookup(test->session, nullptr).end, command_id::Cancel);
}

TEST_F(LookupDialogs, TheFourDialogsReadWholeInEnglishAndSpanish) {
  std::filesystem::create_directories(artifacts);
  struct Dialog {
    const char* english;
    const char* spanish;
    std::function<LResult()> run;
    const char* picture;
  };
  const std::vector<Dialog> dialogs = {
      {"U.S. City Lookup", "Buscar ciudad de EE. UU.", [&] { return RunUsCityLookup(test->session, nullptr).end; },
       nullptr},
      {"Mexican City Lookup", "Buscar ciudad de M\xE9xico",
       [&] { return RunMexicanCityLookup(test->session, nullptr).end; }, nullptr},
      {"Canadian City Lookup", "Buscar ciudad de Canad\xE1",
       [&] { return RunCanadianCityLookup(test->session, nullptr).end; }, nullptr},
      {"Conversion/Density Calculator", "Calculadora de conversi\xF3n y densidad",
       [&] { return RunConversionDensityCalculator(test->session, nullptr); }, "calculator-spanish.png"}};
  for (Language language : {Language::English, Language::Spanish}) {
    test->session.language = language;
    for (const Dialog& d : dialogs) {
      const bool spanish = language == Language::Spanish;
      std::vector<int> cut = {-1};
      std::string cancel;
      driver.onWindow(spanish ? d.spanish : d.english, [&](WindowHandle dialog) {
        cut = testing::CutTexts(dialog);
        cancel = DialogItemText(dialog, 2);
        if (spanish && d.picture != nullptr) {
          EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/" + d.picture));
        }
        SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
      });
      EXPECT_EQ(d.run(), command_id::Cancel) << d.english;
      EXPECT_EQ(cut, std::vector<int>{}) << d.english << (spanish ? " in Spanish" : "");
      if (std::string(d.english).find("Lookup") != std::string::npos) {
        EXPECT_EQ(cancel, spanish ? "Cancelar" : "Cancel");
      }
    }
  }
}

// ---- the lookups from the rating screen, on the sample set's city files

// A U.S. city chosen for the origin fills its code and city and rates
// against the valid destination; a Mexican city chosen for the origin
// leaves the rest of the screen as it was.
TEST(LookupsFromTheScreen, UsOriginRatesAndMexicanOriginClearsNothing) {
  {
    testing::SampleCopy sample;
    testing::ScreenDriver driver;
    driver.chooseLevels();
    driver.onScreen([](WindowHandle screen) {
      ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
      QivDialog::SessionOf(screen)->context->setInt(fields::kCityChoiceOption, 1);
      SetFocus(DialogItem(screen, screen_id::OriginField));
      InjectText("10001\t60601\t");
    });
    driver.onScreen([](WindowHandle screen) {
      SetFocus(DialogItem(screen, screen_id::OriginField));
      PostMessage(screen, msg::Command, CommandParam(command::UsCityLookup, 0));
    });
    driver.onWindow("U.S. City Lookup", [](WindowHandle dialog) {
      SetDialogItemText(dialog, 4348, "IL");
      SetDialogItemText(dialog, 4349, "CHICAGO");
      EXPECT_GE(SendMessage(DialogItem(dialog, 0x10FE), RPB_GETCURSEL), 0);
      SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));
    });
    driver.onScreen([](WindowHandle screen) {
      const std::string code = DialogItemText(screen, screen_id::OriginField);
      EXPECT_EQ(code.substr(0, 3), "606");
      EXPECT_EQ(code.size(), 5u) << '"' << code << '"';
      namespace point = ratekit::shipment_point;
      EXPECT_EQ(QivDialog::SessionOf(screen)->context->textAt(point::Of(0, point::kCode)), code);
      EXPECT_EQ(testing::TextOf(screen, screen_id::OriginCity).substr(0, 7), "CHICAGO");
      EXPECT_TRUE(testing::ButtonEnabled(screen, command::DisplayRates));
    });
    driver.cancelScreen();
    EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
    EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
  }
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    SetDialogItemText(screen, screen_id::ClassField, "85");  // a line being entered
    SetFocus(DialogItem(screen, screen_id::OriginField));
    PostMessage(screen, msg::Command, CommandParam(command::MexicanCityLookup, 0));
  });
  driver.onWindow("Mexican City Lookup", [](WindowHandle dialog) {
    SetDialogItemText(dialog, 4555, "SAN");
    EXPECT_GE(SendMessage(DialogItem(dialog, 0x11CA), RPB_GETCURSEL), 0);
    SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));
  });
  driver.onScreen([](WindowHandle screen) {
    const std::string code = DialogItemText(screen, screen_id::OriginField);
    ASSERT_EQ(code.size(), 6u) << code;
    EXPECT_EQ(code[5], 'M');
    EXPECT_EQ(testing::TextOf(screen, screen_id::OriginCity).substr(0, 4), "SAN ");
    EXPECT_EQ(DialogItemText(screen, screen_id::ClassField), "85");
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
}

}  // namespace
}  // namespace qiv
