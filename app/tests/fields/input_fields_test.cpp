// The input fields driven by keys as a user types them, on the rating
// screen's own template: what each field takes, cuts, refuses with a beep
// or drops, what it tells the screen ("SpecialChar"), how it leaves (Tab
// only after its check), the run-time type test, and the line and option
// fields' checks.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fields/class_edit.h"
#include "fields/field_screen.h"
#include "fields/screen_fields.h"
#include "fields/weight_edit.h"
#include "fields/zip_edit.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::QivDataSet;
using testing::ScreenDriver;
using testing::TestSession;

constexpr int kScreenTemplate = 537;

// The rating screen's template as a plain dialog that records "SpecialChar"
// and answers the fields' next-field question with nothing (the dialog's
// next tab item follows).
class FieldsDialog : public Dialog {
 public:
  FieldsDialog(QivSession& session, std::function<void(FieldsDialog&)> attach)
      : Dialog(kScreenTemplate), session_(session), attach_(std::move(attach)) {
    session.specialCharMessage = RegisterWindowMessage("SpecialChar");
    messageMap().onMessage(session.specialCharMessage, [this](const Message& m) {
      specialChars.push_back(static_cast<unsigned>(m.wParam));
      return LResult{0};
    });
  }
  ~FieldsDialog() override { SetApplicationMainWindow(nullptr); }
  std::vector<unsigned> specialChars;

 protected:
  bool onInitDialog() override {
    session_.mainWindow = handle();
    SetApplicationMainWindow(handle());
    Dialog::onInitDialog();
    attach_(*this);
    return true;
  }

 private:
  QivSession& session_;
  std::function<void(FieldsDialog&)> attach_;
};

// The screen as the line fields see it: a line list of a given length.
class LineScreen : public FieldScreen {
 public:
  LineScreen(CClassEdit& classField, CWeightEdit& weightField) : class_(classField), weight_(weightField) {}
  void recordFocusedField(WindowHandle field) override { focused = field; }
  void recordMouseActivation(WindowHandle, WindowHandle) override {}
  void updateCityLookup() override {}
  void setLastWeightCharacter(char character) override { lastWeightCharacter = character; }
  bool clearFlag() const override { return clear; }
  int lineListCount() const override { return lines; }
  void setReRate(bool value) override { reRate = value; }
  void setLineEntry(bool value) override { lineEntry = value; }
  void displayRates() override { ++displays; }
  CClassEdit& classField() override { return class_; }
  CWeightEdit& weightField() override { return weight_; }
  bool focusForwardPending() const override { return false; }
  void followFocusForward() override {}
  FontHandle fieldFont() const override { return nullptr; }
  ColorRef fieldBackground() const override { return 0xFFFFFF; }
  ColorRef dialogBackground() const override { return 0xC0C0C0; }

  WindowHandle focused = nullptr;
  char lastWeightCharacter = 0;
  bool clear = false, reRate = false, lineEntry = true;
  int lines = 0, displays = 0;

 private:
  CClassEdit& class_;
  CWeightEdit& weight_;
};

// The class and weight fields on the screen's template, with their screen.
struct LineFields {
  explicit LineFields(QivSession& session)
      : classField(session), weight(session), screen(classField, weight), dialog(session, [this](FieldsDialog& d) {
          ASSERT_TRUE(classField.attachItem(screen_id::ClassField, d.handle(), 4, 0));
          ASSERT_TRUE(weight.attachItem(screen_id::WeightField, d.handle(), 6, 0));
        }) {
    session.fieldScreen = &screen;
  }
  CClassEdit classField;
  CWeightEdit weight;
  LineScreen screen;
  FieldsDialog dialog;
};

class InputFields : public ::testing::Test {
 protected:
  InputFields() : test_(data_) {}
  ~InputFields() override { test_.session.fieldScreen = nullptr; }

  QivSession& session() { return test_.session; }
  RatingContext& context() { return *test_.session.context; }
  const std::vector<int>& beeps() { return driver_.beeps(); }

  // One typing case: the field emptied and focused, the keys typed, then
  // the check (with the beeps the keys gave).
  void typeInto(CCaptionEdit& field, std::function<void()> before, std::string keys,
                std::function<void(int beeps)> check) {
    driver_.onScreen([&field, before, keys, this](WindowHandle) {
      if (before) before();
      field.setText("");
      SetFocus(field.handle());
      driver_.clearBeeps();
      InjectText(keys);
    });
    driver_.onScreen([check, this](WindowHandle) { check(static_cast<int>(beeps().size())); });
  }
  void run(FieldsDialog& dialog) {
    driver_.onScreen([&dialog](WindowHandle) { dialog.endDialog(0); });
    dialog.doModal();
  }

  QivDataSet data_;
  ScreenDriver driver_;
  TestSession test_;
};

TEST_F(InputFields, ZipFieldsTakeTheShapesOfTheirCountryMask) {
  struct Case {
    int mask;
    bool mexico;
    const char* keys;
    const char* text;
    int beeps;
  };
  const Case cases[] = {
      {4, false, "123456", "12345", 1},     // a sixth digit refused
      {4, true, "12345m", "12345M", 0},     // the Mexican point
      {4, false, "12345M", "12345", 1},     // not without the Mexico option
      {4, true, "1234M", "1234", 1},        // M only after five digits
      {12, false, "m5v2t6", "M5V2T6", 0},   // a Canadian postal code, upper-cased
      {12, false, "M5V2T6X", "M5V2T6", 1},  // seven characters
      {20, false, "M5V2T6", "M5V2T", 1},    // five characters of it
      {1, false, "1234", "123", 1},         // a U.S. prefix
      {4, false, "a1%2", "12", 2},          // a letter where digits belong; '%'
      {2, false, "k0a5", "K0A", 1},         // a Canadian prefix
  };
  CZipEdit origin(session());
  FieldsDialog dialog(session(),
                      [&](FieldsDialog& d) { ASSERT_TRUE(origin.attachItem(screen_id::OriginField, d.handle(), 4)); });
  for (const Case& c : cases)
    typeInto(
        origin,
        [&] {
          origin.setCountryMask(c.mask);
          context().setInt(fields::kMexicoOption, c.mexico ? 1 : 0);
        },
        c.keys,
        [&origin, c](int beeps) {
          EXPECT_EQ(origin.text(), c.text) << c.keys << " with mask " << c.mask;
          EXPECT_EQ(beeps, c.beeps) << c.keys << " with mask " << c.mask;
          EXPECT_FALSE(origin.isValid());
        });
  run(dialog);
  // Every letter or digit was told to the main window before the mask
  // judged it; '%' was not.
  EXPECT_EQ(std::count(dialog.specialChars.begin(), dialog.specialChars.end(), static_cast<unsigned>('%')), 0);
  EXPECT_EQ(std::count(dialog.specialChars.begin(), dialog.specialChars.end(), static_cast<unsigned>('m')), 2);
}

TEST_F(InputFields, DecimalFieldsCutToTheirLengthAndPadTheFractionWhenLeft) {
  struct Case {
    const char* keys;  // '\t' leaves the field
    const char* text;
    int beeps;
  };
  const Case cases[] = {
      {"1234", "12", 0},     // length 5 with 2 decimals keeps two integer digits
      {"1.2.3", "1.23", 1},  // a second point beeps
      {"1.234", "1.23", 0},  // the fraction cut to two
      {"7\t", "7.00", 0},   {"\t", ".00", 0}, {"-5x", "-5", 1},
  };
  CDecimalEdit amount(session());
  FieldsDialog dialog(session(),
                      [&](FieldsDialog& d) { ASSERT_TRUE(amount.attachItem(screen_id::Floor, d.handle(), 5, 2)); });
  for (const Case& c : cases)
    typeInto(amount, nullptr, c.keys, [&amount, c](int beeps) {
      EXPECT_EQ(amount.text(), c.text) << c.keys;
      EXPECT_EQ(beeps, c.beeps) << c.keys;
    });
  run(dialog);
}

TEST_F(InputFields, ClassAndWeightFieldsFilterTheirCharacters) {
  LineFields line(session());
  CClassEdit& classField = line.classField;
  CWeightEdit& weight = line.weight;
  LineScreen& screen = line.screen;
  FieldsDialog& dialog = line.dialog;
  typeInto(classField, nullptr, "a", [&](int beeps) {
    EXPECT_EQ(classField.text(), "A");
    EXPECT_EQ(beeps, 0);
  });
  typeInto(classField, nullptr, "77%.5", [&](int beeps) {
    EXPECT_EQ(classField.text(), "775");  // neither '%' nor a point
    EXPECT_EQ(beeps, 2);
  });
  typeInto(weight, nullptr, "12.5", [&](int beeps) {
    EXPECT_EQ(weight.text(), "125");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(screen.lastWeightCharacter, '5');
    EXPECT_EQ(screen.focused, weight.handle());
  });
  run(dialog);
}

TEST_F(InputFields, ALimitSentAfterAttachingIsKeptByTheFieldAloneAndALongerTextIsDroppedSilently) {
  SingleShipmentField letters(session());
  FieldsDialog dialog(session(), [&](FieldsDialog& d) {
    ASSERT_TRUE(letters.attachItem(screen_id::SingleShipment, d.handle()));
    EXPECT_TRUE(letters.attachItem(screen_id::SingleShipment, d.handle()));  // attached already
    EXPECT_EQ(SendMessage(letters.handle(), edit::LimitText, 4), 0);
  });
  typeInto(letters, nullptr, "abcde", [&](int beeps) {
    EXPECT_EQ(letters.maximumLength(), 4);
    EXPECT_NE(SendMessage(letters.handle(), edit::GetLimitText), 4);  // the control's own limit as it was
    EXPECT_EQ(letters.text(), "abcd");
    EXPECT_EQ(beeps, 0);
  });
  run(dialog);
}

TEST_F(InputFields, TabLeavesOnlyAfterTheChecksAndAFailedCheckKeepsTheFocusAndTellsNothing) {
  DiscountField discount(session());
  FieldsDialog dialog(
      session(), [&](FieldsDialog& d) { ASSERT_TRUE(discount.attachItem(screen_id::Discount, d.handle(), 5, 2)); });
  typeInto(discount, nullptr, "99.99\t", [&](int) {
    EXPECT_EQ(GetFocus(), discount.handle());
    EXPECT_EQ(context().lastErrorCode(), 118);
    EXPECT_FALSE(discount.isValid());
    // The typed characters only: no Tab.
    EXPECT_EQ(dialog.specialChars, (std::vector<unsigned>{'9', '9', '.', '9', '9'}));
    dialog.specialChars.clear();
  });
  typeInto(discount, nullptr, "12.5\t", [&](int) {
    EXPECT_NE(GetFocus(), discount.handle());
    EXPECT_EQ(dialog.specialChars, (std::vector<unsigned>{'1', '2', '.', '5', '\t'}));
    EXPECT_EQ(context().textAt(ratekit::context::kTypedDiscountText), "12.50");
    EXPECT_EQ(discount.text(), "12.50");
  });
  run(dialog);
  ASSERT_EQ(driver_.boxes().size(), 1u);  // message 118, once
}

TEST_F(InputFields, TheSingleShipmentLetterIsNOrYOrOnASpanishMexicanScreenNOrS) {
  struct Case {
    bool spanishMexican;
    const char* letter;
    bool accepted;
  };
  const Case cases[] = {{false, "N", true}, {false, "Y", true}, {false, "S", false}, {false, "y", false},
                        {true, "N", true},  {true, "S", true},  {true, "Y", false}};
  SingleShipmentField letters(session());
  FieldsDialog dialog(session(),
                      [&](FieldsDialog& d) { ASSERT_TRUE(letters.attachItem(screen_id::SingleShipment, d.handle())); });
  driver_.onScreen([&](WindowHandle) {
    for (const Case& c : cases) {
      session().language = c.spanishMexican ? Language::Spanish : Language::English;
      context().setInt(fields::kMexicoOption, c.spanishMexican ? 1 : 0);
      letters.setText(c.letter);
      driver_.clearBeeps();
      EXPECT_EQ(letters.validate(), c.accepted) << c.letter;
      EXPECT_EQ(beeps().size(), c.accepted ? 0u : 1u) << c.letter;
    }
  });
  run(dialog);
}

TEST_F(InputFields, ANinthLineIsRefusedWith580AndTheClassFieldClosed) {
  LineFields line(session());
  CClassEdit& classField = line.classField;
  CWeightEdit& weight = line.weight;
  LineScreen& screen = line.screen;
  FieldsDialog& dialog = line.dialog;
  driver_.onScreen([&](WindowHandle) {
    for (bool clear : {false, true}) {
      screen.lines = 8;
      screen.clear = clear;
      EnableWindow(classField.handle(), true);
      classField.setText("85");
      EXPECT_TRUE(classField.validate());
      EXPECT_EQ(context().lastErrorCode(), 580);
      EXPECT_EQ(classField.text(), "");
      EXPECT_FALSE(IsWindowEnabled(classField.handle()));
      context().setLastErrorCode(0);
    }
    // A weight of 0 ends the line entry.
    screen.lines = 2;
    weight.setLineIndex(2);
    weight.setText("0");
    EXPECT_TRUE(weight.validate());
    EXPECT_FALSE(screen.lineEntry);
    EXPECT_FALSE(IsWindowEnabled(weight.handle()));
  });
  run(dialog);
  EXPECT_EQ(driver_.boxes().size(), 2u);
}

TEST(InputFieldClasses, TheTypeTestForTheCaptionFieldIsFalseForTheDecimalFamily) {
  QivDataSet data;
  TestSession test(data);
  QivSession& s = test.session;
  const std::pair<std::unique_ptr<CCaptionEdit>, bool> cases[] = {
      {std::make_unique<CCaptionEdit>(s), true},        {std::make_unique<CZipEdit>(s), true},
      {std::make_unique<SingleShipmentField>(s), true}, {std::make_unique<CDecimalEdit>(s), false},
      {std::make_unique<CClassEdit>(s), false},         {std::make_unique<CWeightEdit>(s), false},
      {std::make_unique<DiscountField>(s), false},
  };
  for (const auto& [field, caption] : cases) {
    EXPECT_EQ(field->isKindOf(CCaptionEdit::kRuntimeClass), caption) << field->runtimeClass().name;
    EXPECT_TRUE(field->isKindOf(EditWindow::kRuntimeClass)) << field->runtimeClass().name;
  }
  EXPECT_TRUE(CWeightEdit(s).isKindOf(CDecimalEdit::kRuntimeClass));
}

}  // namespace
}  // namespace qiv
