#include "fields/screen_fields.h"

#include "fields/field_screen.h"
#include "language/show_message.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace {

constexpr std::int32_t kDiscountTooLarge = 118;
constexpr double kDiscountLimit = 99.99;
constexpr FieldSpan kTypedDiscountText = ratekit::context::kTypedDiscountText;
constexpr FieldSpan kTypedMcDiscountText = ratekit::context::kTypedMcDiscountText;
constexpr FieldSpan kTypedFloorText = ratekit::context::kTypedFloorText;
constexpr FieldSpan kMcDiscountText = ratekit::rating_totals::kMcDiscountText;

std::string TwoDecimals(double value) { return platform::DecimalText(value, 0, 2); }

// 118 for a discount of 99.99 or more.
bool DiscountAllowed(QivSession& session, double value) {
  if (value < kDiscountLimit) return true;
  session.context->setLastErrorCode(kDiscountTooLarge);
  ShowMessage(session, session.mainWindow, MessageType::Warning);
  return false;
}

}  // namespace

double ScreenDecimalField::value() const { return platform::LeadingDecimalValue(text()); }

bool ScreenDecimalField::refresh() {
  if (FieldScreen* s = screen()) s->displayRates();
  return true;
}

bool DiscountField::validate() {
  if (!session().context) return CCaptionEdit::validate();
  const double v = value();
  if (!DiscountAllowed(session(), v)) return false;
  RatingContext& context = *session().context;
  context.setTerminatedText(kTypedDiscountText, TwoDecimals(v));
  if (context.shortAt(fields::kMcDiscountPrompt) == 0) {
    context.setTerminatedText(kMcDiscountText, text());
    context.setTerminatedText(kTypedMcDiscountText, TwoDecimals(v));
  }
  return refresh();
}

bool McDiscountField::validate() {
  if (!session().context) return CCaptionEdit::validate();
  const double v = value();
  if (!DiscountAllowed(session(), v)) return false;
  RatingContext& context = *session().context;
  context.setTerminatedText(kMcDiscountText, text());
  context.setTerminatedText(kTypedMcDiscountText, TwoDecimals(v));
  return refresh();
}

bool FloorField::validate() {
  if (!session().context) return CCaptionEdit::validate();
  RatingContext& context = *session().context;
  context.setTerminatedText(fields::kFloorText, TwoDecimals(value()));
  context.setTerminatedText(kTypedFloorText, TwoDecimals(value()));
  return refresh();
}

bool SurchargeField::validate() {
  if (!session().context) return CCaptionEdit::validate();
  const auto percent = static_cast<float>(value());
  session().context->view().setFloat((truckload_ ? fields::kProfileTlPercent : fields::kProfileLtlPercent).offset,
                                     percent);
  setText(platform::DecimalText(percent, 4, 2));
  return refresh();
}

bool AccessorialAmountField::validate() {
  if (!session().context) return CCaptionEdit::validate();
  session().context->setTerminatedText(fields::kAccessorialTotalText, platform::DecimalText(value(), 9, 2));
  return refresh();
}

bool SingleShipmentField::validate() {
  const std::string letter = text();
  const bool spanishLetters = session().context && session().context->intAt(fields::kMexicoOption) != 0 &&
                              session().language == Language::Spanish;
  const bool accepted = letter == "N" || (spanishLetters ? letter == "S" : letter == "Y");
  if (!accepted) {
    Beep();
    return false;
  }
  if (FieldScreen* s = screen()) s->displayRates();
  return true;
}

}  // namespace qiv
