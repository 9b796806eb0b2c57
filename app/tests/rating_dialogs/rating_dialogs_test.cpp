// The rating dialogs on a session of their own, driven headless: the
// accessorials' pages, choices and checks, the rating prompts' checks,
// layout and storing, the accessorial totals, the division of revenue and
// the Mexican prompts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "dialogs/list_items.h"
#include "platform/kernel/money_rounding.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "rating_dialogs/accessorial_pages.h"
#include "rating_dialogs/accessorial_totals_dialog.h"
#include "rating_dialogs/accessorials_dialog.h"
#include "rating_dialogs/mexican_prompts_dialog.h"
#include "rating_dialogs/rating_dialog_ids.h"
#include "rating_dialogs/rating_prompts_dialog.h"
#include "rating_dialogs/revenue_division_dialog.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::ShownBox;
namespace entry = ratekit::accessorial_entry;

// An accessorial as the table holds it.
struct Acc {
  char selection = ' ';
  char group = ' ';
  std::string code;
  std::string description;
  char kind = 'f';
  float value = 0;
  std::string unit = {};
  float charge = 0;
};

void SetTable(RatingContext& context, const std::vector<Acc>& table) {
  context.setInt(ratekit::context::kAccessorialCount, static_cast<std::int32_t>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::size_t at = entry::Entry(i).offset;
    auto field = [at](platform::FieldSpan f) { return platform::FieldSpan{at + f.offset, f.width}; };
    context.setChar(field(entry::kSelection), table[i].selection);
    context.setChar(field(entry::kGroupFlag), table[i].group);
    context.view().setText(field(entry::kCode), table[i].code);
    context.view().setText(field(entry::kDescription), table[i].description);
    context.setChar(field(entry::kKind), table[i].kind);
    context.setFloat(field(entry::kEnteredValue), table[i].value);
    context.view().setText(field(entry::kUnitLabel), table[i].unit);
    context.setFloat(field(entry::kComputedCharge), table[i].charge);
  }
}

std::vector<Acc> Plain(std::size_t count) {
  std::vector<Acc> table;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string n = std::to_string(10 + i);
    table.push_back({' ', ' ', "000" + n, "ACCESSORIAL " + n, 'p', static_cast<float>(i), "PER UNIT"});
  }
  return table;
}

char Selection(const RatingContext& context, std::size_t i) { return context.charAt({entry::Entry(i).offset, 1}); }
float Value(const RatingContext& context, std::size_t i) {
  return context.floatAt({entry::Entry(i).offset + entry::kEnteredValue.offset, 4});
}

void Command(WindowHandle dialog, int id) { SendMessage(dialog, msg::Command, CommandParam(id, 0)); }
void Click(WindowHandle dialog, int id) { SendMessage(DialogItem(dialog, id), button::Click); }
void LeaveField(WindowHandle dialog, int id) {
  SendMessage(dialog, msg::Command, CommandParam(id, edit::KillFocusNotify), HandleToParam(DialogItem(dialog, id)));
}
// The focus on the field, then on the other control.
void TabAway(WindowHandle dialog, int field, int to) {
  SetFocus(DialogItem(dialog, field));
  SetFocus(DialogItem(dialog, to));
}
bool Shown(WindowHandle dialog, int id) { return IsWindowVisible(DialogItem(dialog, id)); }
bool Checked(WindowHandle dialog, int id) { return DialogButtonCheck(dialog, id) == button::Checked; }

TEST(AccessorialPages, PagesOfThirteenKeepingPairsAndRoomForTheLowValueRow) {
  struct Case {
    const char* name;
    std::vector<Acc> table;
    std::vector<std::pair<std::size_t, std::size_t>> pages;
  };
  std::vector<Acc> pairAtEnd = Plain(14);
  pairAtEnd[12].kind = '<';
  std::vector<Acc> lowRows = Plain(14);
  lowRows[0].code = lowRows[1].code = "00566";
  const Case cases[] = {
      {"empty", {}, {}},
      {"13 entries", Plain(13), {{0, 12}}},
      {"14 entries", Plain(14), {{0, 12}, {13, 13}}},
      {"100 entries", Plain(100), {{0, 12}, {13, 25}, {26, 38}, {39, 51}, {52, 64}, {65, 77}, {78, 90}, {91, 99}}},
      {"a pair the page would part", pairAtEnd, {{0, 11}, {12, 13}}},
      {"two rows of code 566, three rows each", lowRows, {{0, 10}, {11, 13}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<accessorials::Entry> entries;
    for (const Acc& a : c.table) entries.push_back({a.selection, a.code, a.description, a.kind, a.value, a.unit});
    const accessorials::Model model(entries);
    std::vector<std::pair<std::size_t, std::size_t>> pages;
    for (const accessorials::Page& page : model.pages()) pages.push_back({page.first, page.last});
    EXPECT_EQ(pages, c.pages);
  }
}

TEST(AccessorialPages, ValueTextsAndLimitsByKind) {
  struct Case {
    char kind;
    float value;
    const char* text;
    int length, decimals;
  };
  for (const Case& c : std::vector<Case>{{'$', 12.5f, " 12.50", 7, 2},
                                         {'%', 3, "  3.00", 8, 2},
                                         {'f', 2, "     2", 2, 0},
                                         {'4', 1, "     1", 2, 0},
                                         {'h', 36, "    36", 4, 0},
                                         {'p', 0, "", 4, 0},                      // not above 0: empty
                                         {'s', 123456789.0f, "123456792", 4, 0},  // wider than six: whole
                                         {'<', 5, "", 4, 0},                      // no value of its own
                                         {'z', 5, "", 4, 0}}) {
    EXPECT_EQ(accessorials::ValueText(c.kind, c.value), c.text) << c.kind;
    EXPECT_EQ(accessorials::LimitsFor(c.kind).length, c.length) << c.kind;
    EXPECT_EQ(accessorials::LimitsFor(c.kind).decimals, c.decimals) << c.kind;
  }
}

testing::QivDataSet& WithMessages(testing::QivDataSet& data) {
  data.texts->insert(data.texts->end(), {{55, "and over", "y m\xE1s"},
                                         {109, "C.O.D amount cannot exceed $80,000.00", "C.O.D."},
                                         {110, "Entry Required when Item is selected.", "Requerido"},
                                         {132, "Invalid Currency Exchange.", "Tipo de cambio no v\xE1lido."},
                                         {257, "Total Accessorial Charges", "Total de cargos adicionales"},
                                         {513, "Invalid Factor.", "Factor no v\xE1lido."}});
  data.setText(fields::kEnglishHelpFile, "QIVHELP.HLP");
  return data;
}

class RatingDialogs : public ::testing::Test {
 protected:
  RatingContext& context() { return *test.session.context; }
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : driver.boxes()) texts.push_back(box.text);
    return texts;
  }
  static std::string Artifact(const char* name) {
    std::filesystem::create_directories(QIV_ARTIFACT_DIR);
    return std::string(QIV_ARTIFACT_DIR) + "/" + name;
  }

  testing::QivDataSet data;
  testing::ScreenDriver driver{true};
  testing::TestSession test{WithMessages(data)};
};

TEST_F(RatingDialogs, AccessorialsPageThroughFourteenEntries) {
  SetTable(context(), Plain(14));
  driver.onWindow("Accessorials", [&](WindowHandle dialog) {
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::PageNumber), "1");
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::PageCount), "2");
    EXPECT_TRUE(Shown(dialog, accessorials_id::Check + 12));
    EXPECT_FALSE(Shown(dialog, accessorials_id::Check + 13));
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::Check + 3), "00013");
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::Value + 3), "     3");
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::Unit + 3), "PER UNIT");
    EXPECT_FALSE(IsWindowEnabled(DialogItem(dialog, accessorials_id::Previous)));
    EXPECT_TRUE(IsWindowEnabled(DialogItem(dialog, accessorials_id::Next)));
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, Artifact("accessorials-page-1-of-2.png")));
    Click(dialog, accessorials_id::Check + 1);
    Command(dialog, accessorials_id::Next);
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::PageNumber), "2");
    EXPECT_EQ(DialogItemText(dialog, accessorials_id::Description), "ACCESSORIAL 23");
    EXPECT_FALSE(Shown(dialog, accessorials_id::Description + 1));
    EXPECT_FALSE(IsWindowEnabled(DialogItem(dialog, accessorials_id::Next)));
    EXPECT_EQ(GetFocus(), DialogItem(dialog, accessorials_id::Previous));
    Command(dialog, accessorials_id::Previous);
    EXPECT_TRUE(Checked(dialog, accessorials_id::Check + 1));  // read back from the work area
    Command(dialog, command_id::Ok);                           // Enter does nothing
    EXPECT_TRUE(IsWindow(dialog));
    Command(dialog, accessorials_id::Ok);
  });
  AccessorialsDialog accessorials(test.session, nullptr);
  EXPECT_EQ(accessorials.doModal(), command_id::Ok);
  EXPECT_EQ(Selection(context(), 1), '*');
  EXPECT_EQ(Selection(context(), 2), ' ');
}

TEST_F(RatingDialogs, AccessorialsChoicesPairsChecksAndHelp) {
  const std::vector<Acc> table = {
      {'t', 'H', "00000", "DELIVERY SERVICES", ' '},
      {' ', ' ', "00010", "LIFTGATE DELIVERY", 'f'},
      {' ', ' ', "00100", "COLLECT ON DELIVERY", '<'},
      {' ', ' ', "00101", "COLLECT FEE", '$', 0, "DOLLARS"},
      {' ', ' ', "00430", "C.O.D. AMOUNT", '%', 0, "PERCENT"},
      {' ', ' ', "00099", "OF A KIND UNKNOWN", 'z'},
      {' ', ' ', "00060", "SORT AND SEGREGATE", 'p', 123456789.0f, "PER PIECE"},
  };
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    SetTable(context(), table);
    driver.onWindow("Accessorials", [&](WindowHandle dialog) {
      const int check = accessorials_id::Check, value = accessorials_id::Value;
      // A heading shows its description only; a pair's check box chooses
      // its partner, whose value is on the next row; an unknown kind has no value.
      EXPECT_TRUE(Shown(dialog, accessorials_id::Description));
      EXPECT_FALSE(Shown(dialog, check));
      EXPECT_EQ(DialogItemText(dialog, check + 2), "00100");
      EXPECT_FALSE(Shown(dialog, value + 2));
      EXPECT_FALSE(Shown(dialog, check + 3));
      EXPECT_TRUE(Shown(dialog, value + 3));
      EXPECT_TRUE(Shown(dialog, check + 5));
      EXPECT_FALSE(Shown(dialog, value + 5));
      EXPECT_EQ(DialogItemText(dialog, value + 6), "123456792");  // the float nearest 123456789, whole
      // Chosen without a value: 110 and back to its check box.
      Click(dialog, check + 1);
      EXPECT_EQ(GetFocus(), DialogItem(dialog, value + 1));
      TabAway(dialog, value + 1, check + 2);
      EXPECT_EQ(GetFocus(), DialogItem(dialog, check + 1));
      SetDialogItemText(dialog, value + 1, "2");
      // Code 430 is held to 80000.
      Click(dialog, check + 4);
      SetDialogItemText(dialog, value + 4, "90000");
      TabAway(dialog, value + 4, check + 5);
      EXPECT_EQ(DialogItemText(dialog, value + 4), "80000.00");
      EXPECT_EQ(GetFocus(), DialogItem(dialog, value + 4));
      Click(dialog, check + 2);
      SetDialogItemText(dialog, value + 3, "12.5");
      HelpInfo info;
      info.controlId = value + 3;
      SendMessage(dialog, msg::Help, 0, reinterpret_cast<LParam>(&info));
      Command(dialog, ok ? accessorials_id::Ok : accessorials_id::Cancel);
    });
    AccessorialsDialog accessorials(test.session, nullptr);
    EXPECT_EQ(accessorials.doModal(), ok ? command_id::Ok : command_id::Cancel);
    const std::vector<char> selections = {Selection(context(), 0), Selection(context(), 1), Selection(context(), 2),
                                          Selection(context(), 3), Selection(context(), 4), Selection(context(), 6)};
    if (ok) {
      EXPECT_EQ(selections, (std::vector<char>{'t', '*', ' ', '*', '*', ' '}));
      EXPECT_FLOAT_EQ(Value(context(), 3), 12.5f);
      EXPECT_FLOAT_EQ(Value(context(), 4), 80000.0f);
      EXPECT_FLOAT_EQ(Value(context(), 6), 123456789.0f);  // kept whole
    } else {
      EXPECT_EQ(selections, (std::vector<char>{'t', ' ', ' ', ' ', ' ', ' '}));
      EXPECT_FLOAT_EQ(Value(context(), 3), 0.0f);
    }
  }
  EXPECT_EQ(boxTexts(), (std::vector<std::string>{
                            "Entry Required when Item is selected.", "C.O.D amount cannot exceed $80,000.00",
                            "Entry Required when Item is selected.", "C.O.D amount cannot exceed $80,000.00"}));
  ASSERT_EQ(test.help.requests.size(), 2u);
  EXPECT_EQ(test.help.requests[0].context, accessorials_id::HelpContext);
}

TEST_F(RatingDialogs, AccessorialsOfAnEmptyTableShowNoRow) {
  SetTable(context(), {});
  driver.onWindow("Accessorials", [&](WindowHandle dialog) {
    for (int row = 0; row < 15; ++row) EXPECT_FALSE(Shown(dialog, accessorials_id::Description + row));
    EXPECT_FALSE(IsWindowEnabled(DialogItem(dialog, accessorials_id::Next)));
    EXPECT_FALSE(IsWindowEnabled(DialogItem(dialog, accessorials_id::Previous)));
    Command(dialog, accessorials_id::Ok);
  });
  AccessorialsDialog accessorials(test.session, nullptr);
  EXPECT_EQ(accessorials.doModal(), command_id::Ok);
}

std::vector<std::string> StandInCallsOf(const char* name) {
  std::vector<std::string> calls;
  for (const std::string& call : testing::StandInCalls())
    if (call.rfind(name, 0) == 0) calls.push_back(call);
  return calls;
}

TEST_F(RatingDialogs, RatingPromptsCheckEveryNumberBeforeStoringAny) {
  namespace id = prompts_id;
  namespace def = ratekit::rating_defaults;
  context().setShort(def::kFactorInUse, 1);
  context().setFloat(def::kFactor, 1.5f);
  context().setShort(fields::kCurrencyExchangeInUse, 1);
  context().setFloat(fields::kExchangeRate, 1.25f);
  testing::StandInCalls().clear();
  // Refusals, each reported with its field reset; then Cancel: nothing stored.
  driver.onWindow("Rating Prompts", [&](WindowHandle dialog) {
    EXPECT_EQ(DialogItemText(dialog, id::FactorField), " 1.5000");
    struct Step {
      const char* factor;
      const char* rate;
      int field;  // reset and focused
      const char* reset;
    };
    for (const Step& step :
         {Step{"0", "2", id::FactorField, "1.0000"}, Step{"100", "2", id::FactorField, "1.0000"},
          Step{"-5", "2", id::FactorField, "1.0000"}, Step{"99.9999", "100", id::RateField, "0.00"}}) {
      SetDialogItemText(dialog, id::FactorField, step.factor);
      SetDialogItemText(dialog, id::RateField, step.rate);
      Click(dialog, id::ShipmentId);
      Command(dialog, id::Ok);
      EXPECT_EQ(DialogItemText(dialog, step.field), step.reset) << step.factor << ' ' << step.rate;
      EXPECT_EQ(GetFocus(), DialogItem(dialog, step.field));
    }
    Command(dialog, id::Cancel);
  });
  RatingPromptsDialog refused(test.session, nullptr, true);
  EXPECT_EQ(refused.doModal(), command_id::Cancel);
  EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Invalid Factor.", "Invalid Factor.", "Invalid Factor.",
                                                  "Invalid Currency Exchange."}));
  EXPECT_FLOAT_EQ(context().floatAt(def::kFactor), 1.5f);
  EXPECT_FLOAT_EQ(context().floatAt(fields::kExchangeRate), 1.25f);
  EXPECT_EQ(context().shortAt(fields::kShipmentIdPrompt), 0);
  EXPECT_TRUE(StandInCallsOf("ReadWgtFile").empty());

  // The increase factor below 0 refused; then Enter stores like OK.
  driver.onWindow("Rating Prompts", [&](WindowHandle dialog) {
    SetDialogItemText(dialog, id::FactorField, "99.9999");
    SetDialogItemText(dialog, id::RateField, "2.5");
    SetDialogItemText(dialog, id::IncreaseField, "-1");
    Click(dialog, id::ShipmentId);
    Command(dialog, id::Ok);
    EXPECT_EQ(DialogItemText(dialog, id::IncreaseField), "1.0000");
    SetDialogItemText(dialog, id::IncreaseField, "0");
    Command(dialog, command_id::Ok);
  });
  RatingPromptsDialog stored(test.session, nullptr, true);
  EXPECT_EQ(stored.doModal(), command_id::Ok);
  EXPECT_FLOAT_EQ(context().floatAt(def::kFactor), 99.9999f);
  EXPECT_FLOAT_EQ(context().floatAt(fields::kExchangeRate), 2.5f);
  EXPECT_FLOAT_EQ(context().floatAt(def::kIncreaseFactor), 0.0f);
  EXPECT_EQ(context().shortAt(fields::kShipmentIdPrompt), 1);
  EXPECT_EQ(StandInCallsOf("ReadWgtFile").size(), 1u);

  // A factor not in use is not checked.
  context().setShort(def::kFactorInUse, 0);
  context().setFloat(def::kFactor, 0);
  driver.onWindow("Rating Prompts", [&](WindowHandle dialog) {
    EXPECT_FALSE(Shown(dialog, id::FactorField));
    EXPECT_FALSE(Shown(dialog, id::IncreaseField));
    Command(dialog, id::Ok);
  });
  RatingPromptsDialog unused(test.session, nullptr, false);
  EXPECT_EQ(unused.doModal(), command_id::Ok);
  EXPECT_EQ(driver.boxes().size(), 5u);
}

TEST_F(RatingDialogs, RatingPromptsCloseUpAroundTheGroupsNotOffered) {
  namespace id = prompts_id;
  struct Layout {
    Rect ok, window, currency;
  };
  auto layout = [&](bool currencyOffered) {
    context().setChar(fields::kCanadianCodesFlag, currencyOffered ? 'N' : 'Y');
    Layout seen;
    driver.onWindow("Rating Prompts", [&](WindowHandle dialog) {
      seen.ok = WindowRectInParent(DialogItem(dialog, id::Ok));
      seen.window = WindowRect(dialog);
      const Rect check = WindowRectInParent(DialogItem(dialog, id::Currency));
      const Rect field = WindowRectInParent(DialogItem(dialog, id::RateField));
      seen.currency = {std::min(check.left, field.left), std::min(check.top, field.top),
                       std::max(check.right, field.right), std::max(check.bottom, field.bottom)};
      EXPECT_EQ(Shown(dialog, id::Currency), currencyOffered);
      if (!currencyOffered) {
        EXPECT_TRUE(cairo::RenderWindowToPng(dialog, Artifact("rating-prompts-currency-hidden.png")));
      }
      Command(dialog, id::Cancel);
    });
    RatingPromptsDialog prompts(test.session, nullptr, false);
    prompts.doModal();
    return seen;
  };
  const Layout offered = layout(true), hidden = layout(false);
  const int shift = offered.currency.height() + 10;
  EXPECT_EQ(hidden.ok.top, offered.ok.top - shift);
  EXPECT_EQ(hidden.window.height(), offered.window.height() - shift);
}

TEST_F(RatingDialogs, RatingPromptsLabelTheBreaksWhoseRatesMayBeDisabled) {
  namespace id = prompts_id;
  // Every group offered.
  context().setChar(ratekit::tariff_settings::kMexicoOptions, 'Y');
  context().setInt(fields::kMexicoOption, 1);
  context().setChar(fields::kAccessorialFile, 'Y');
  context().setChar(fields::kCityChoiceAllowed, 'Y');
  context().setChar({ratekit::rating_defaults::kBreaksToHide.offset, 1}, '1');
  for (std::size_t i = 0; i < 9; ++i)
    context().view().setText({ratekit::context::kRawWeightRecords.offset + 21 * i, 21},
                             "B" + std::to_string(i + 1) + "   0000000000000000");
  struct Case {
    char from;
    std::vector<std::string> labels;  // "" for a radio hidden
    int frameEndsAt;                  // the radio where the frame now ends, 0: unchanged
  };
  for (const Case& c : std::vector<Case>{{'6', {"B7 and over", "B8 and over", "B9"}, 0},
                                         {'7', {"B8 and over", "B9", ""}, id::DisableLast},
                                         {'8', {"B9", "", ""}, id::DisableFirst + 1}}) {
    SCOPED_TRACE(c.from);
    context().setChar(fields::kTlFromBreak, c.from);
    driver.onWindow("Rating Prompts", [&](WindowHandle dialog) {
      for (int i = 0; i < 3; ++i) {
        const int radio = id::DisableFirst + i;
        EXPECT_EQ(Shown(dialog, radio) ? DialogItemText(dialog, radio) : "", c.labels[static_cast<std::size_t>(i)]);
      }
      EXPECT_TRUE(Checked(dialog, id::DisableFirst + 1));
      if (c.frameEndsAt != 0) {
        EXPECT_EQ(WindowRectInParent(DialogItem(dialog, id::DisableFrame)).bottom,
                  WindowRectInParent(DialogItem(dialog, c.frameEndsAt)).top);
      }
      if (c.from == '6') {
        EXPECT_TRUE(cairo::RenderWindowToPng(dialog, Artifact("rating-prompts-all-offered.png")));
      }
      Click(dialog, id::DisableFirst);
      Command(dialog, id::Ok);
    });
    RatingPromptsDialog prompts(test.session, nullptr, false);
    EXPECT_EQ(prompts.doModal(), command_id::Ok);
    EXPECT_EQ(context().charAt({ratekit::rating_defaults::kBreaksToHide.offset, 1}), '0');
    context().setChar({ratekit::rating_defaults::kBreaksToHide.offset, 1}, '1');
  }
}

TEST_F(RatingDialogs, AccessorialTotalsGroupHeadingsPairedHeadingsChosenLinesAndTheTotal) {
  SetTable(*test.session.context, {{'t', 'H', "00000", "DELIVERY SERVICES", ' '},
                                   {'*', ' ', "00010", "LIFTGATE DELIVERY", 'f', 1, "", 10.0f},
                                   {' ', ' ', "00020", "INSIDE DELIVERY", 'f', 1, "", 0.0f},
                                   {'t', ' ', "00000", "NOT AFTER A CHARGE", '>'},
                                   {'t', ' ', "00100", "COLLECT ON DELIVERY", '<'},
                                   {'*', ' ', "00101", "COLLECT FEE", '$', 5.5f, "", 5.5f},
                                   {'t', ' ', "00000", "  (PAID TO THE SHIPPER)", '>'}});
  const std::string pad(50 - 17, ' ');  // descriptions are 50 characters, blank-padded
  EXPECT_EQ(AccessorialTotalLines(*test.session.context, "Total Accessorial Charges"),
            (std::vector<std::string>{"DELIVERY SERVICES" + pad, "LIFTGATE DELIVERY" + pad + "\t    10.00",
                                      "COLLECT ON DELIVERY" + std::string(31, ' '),
                                      "COLLECT FEE" + std::string(39, ' ') + "\t     5.50",
                                      "  (PAID TO THE SHIPPER)" + std::string(27, ' '),
                                      "\t==========", std::string(25, ' ') + "Total Accessorial Charges\t    15.50"}));
  driver.onWindow("Accessorial Totals", [&](WindowHandle dialog) {
    EXPECT_EQ(ListCount(DialogItem(dialog, totals_id::List)), 7);
    // The amounts, the rule and the total in one column past the descriptions.
    EXPECT_EQ(testing::MisalignedColumns(DialogItem(dialog, totals_id::List), false), std::vector<std::string>{});
    EXPECT_EQ(GetFocus(), DialogItem(dialog, totals_id::Close));
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, Artifact("accessorial-totals.png")));
    Command(dialog, totals_id::Close);
  });
  AccessorialTotalsDialog totals(test.session, nullptr);
  totals.doModal();
}

TEST(RevenueDivision, SharesByMiles) {
  const Rounding round = [](float value, int decimals) { return platform::RoundMoney(value, decimals); };
  struct Case {
    int origin, bridge, destination;
    double o, b, d;
  };
  for (const Case& c :
       std::vector<Case>{{100, 0, 100, 50, 0, 50}, {1, 1, 1, 34, 33, 33}, {0, 0, 0, 0, 0, 0}, {0, 0, 5, 0, 0, 100}}) {
    const RevenueShares shares = DivideRevenue(100.0, c.origin, c.bridge, c.destination, round);
    EXPECT_DOUBLE_EQ(shares.origin, c.o) << c.origin << ' ' << c.bridge << ' ' << c.destination;
    EXPECT_DOUBLE_EQ(shares.bridge, c.b);
    EXPECT_DOUBLE_EQ(shares.destination, c.d);
  }
}

TEST_F(RatingDialogs, RevenueDivisionClosesWithoutALineAndSharesWhatIsTyped) {
  RevenueDivisionDialog none(test.session, nullptr, 100.0);
  EXPECT_EQ(none.doModal(), command_id::Cancel);
  context().view().setText(ratekit::shipment_lines::ClassCode(0), "85", '\0');
  context().view().setText(ratekit::shipment_lines::WeightText(0), "1200", '\0');
  driver.onWindow("Division of Revenue", [&](WindowHandle dialog) {
    EXPECT_EQ(GetFocus(), DialogItem(dialog, division_id::OriginMiles));
    SetDialogItemText(dialog, division_id::OriginMiles, "1");
    SetDialogItemText(dialog, division_id::BridgeMiles, "");  // empty: 0
    SetDialogItemText(dialog, division_id::DestinationMiles, "1");
    for (int id : {division_id::OriginMiles, division_id::BridgeMiles, division_id::DestinationMiles})
      LeaveField(dialog, id);
    Command(dialog, division_id::Calculate);
    EXPECT_EQ(DialogItemText(dialog, division_id::OriginShare), "    50.00");
    EXPECT_EQ(DialogItemText(dialog, division_id::BridgeShare), "     0.00");
    EXPECT_EQ(DialogItemText(dialog, division_id::DestinationShare), "    50.00");
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, Artifact("revenue-division.png")));
    LeaveField(dialog, division_id::BridgeMiles);  // leaving a field empties the shares
    EXPECT_EQ(DialogItemText(dialog, division_id::OriginShare), "");
    Command(dialog, division_id::Close);
  });
  RevenueDivisionDialog division(test.session, nullptr, 100.0);
  EXPECT_EQ(division.doModal(), command_id::Cancel);
}

TEST_F(RatingDialogs, MexicanPromptsStoreBothAmountsOnOkOrEnter) {
  struct Case {
    const char* name;
    char taxOff, insuranceOff;
    std::int16_t taxSwitch, insuranceSwitch;
    const char* iva;  // typed (null: the field is hidden)
    const char* insurance;
    int end;  // the command that ends the dialog
    std::string ivaText, insuranceText;
  };
  const Case cases[] = {
      {"both empty", 'N', 'N', 1, 1, "", "", mexican_id::Ok, "   0.00", "   0.00"},
      {"Enter stores", 'N', 'N', 1, 1, "12.5", "1234567", command_id::Ok, "  12.50", "1234567.00"},
      {"the tax off by the settings", 'Y', 'N', 1, 1, nullptr, "3", mexican_id::Ok, "   0.00", "   3.00"},
      {"no insurance in the profile", 'N', 'N', 1, 0, "7", nullptr, mexican_id::Ok, "   7.00", "   0.00"},
      {"Cancel stores nothing", 'N', 'N', 1, 1, "9", "9", mexican_id::Cancel, "kept", "kept"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    context().setChar(ratekit::mexico_settings::kTaxPromptOff, c.taxOff);
    context().setChar(ratekit::mexico_settings::kInsurancePromptOff, c.insuranceOff);
    context().setShort(fields::kIvaTaxPrompt, c.taxSwitch);
    context().setShort(fields::kInsurancePrompt, c.insuranceSwitch);
    std::string iva = "kept", insurance = "kept";
    driver.onWindow("Mexican Prompts", [&](WindowHandle dialog) {
      EXPECT_EQ(Shown(dialog, mexican_id::IvaTax), c.iva != nullptr);
      EXPECT_EQ(Shown(dialog, mexican_id::IvaTaxLabel), c.iva != nullptr);
      EXPECT_EQ(Shown(dialog, mexican_id::Insurance), c.insurance != nullptr);
      if (c.iva) SetDialogItemText(dialog, mexican_id::IvaTax, c.iva);
      if (c.insurance) SetDialogItemText(dialog, mexican_id::Insurance, c.insurance);
      if (c.end == command_id::Ok) {
        EXPECT_TRUE(cairo::RenderWindowToPng(dialog, Artifact("mexican-prompts.png")));
      }
      Command(dialog, c.end);
    });
    MexicanPromptsDialog prompts(test.session, nullptr, iva, insurance);
    prompts.doModal();
    EXPECT_EQ(iva, c.ivaText);
    EXPECT_EQ(insurance, c.insuranceText);
  }
}

}  // namespace
}  // namespace qiv
