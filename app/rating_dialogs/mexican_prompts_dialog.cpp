#include "rating_dialogs/mexican_prompts_dialog.h"

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "rating_dialogs/rating_dialog_ids.h"

namespace qiv {

using namespace platform::ui;
namespace id = mexican_id;

namespace {
namespace met = ratekit::mexico_settings;
constexpr int kAmountLength = 7;
constexpr int kAmountDecimals = 2;

// "%7.2f" of the field's value; an empty field counts as 0. A value wider
// than seven characters is kept whole.
std::string AmountText(const std::string& typed) {
  return platform::DecimalText(platform::LeadingDecimalValue(typed), kAmountLength, kAmountDecimals);
}
}  // namespace

MexicanPromptsDialog::MexicanPromptsDialog(QivSession& session, WindowHandle parent, std::string& ivaTax,
                                           std::string& insurance)
    : QivDialog(session, rating_dialog_id::MexicanPrompts, parent),
      ivaTax_(ivaTax),
      insurance_(insurance),
      ivaField_(session),
      insuranceField_(session) {
  messageMap().onCommand(id::Ok, [this] { onOK(); });
  messageMap().onCommand(id::Cancel, [this] { onCancel(); });
}

bool MexicanPromptsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  ivaField_.attachItem(id::IvaTax, handle(), kAmountLength, kAmountDecimals);
  insuranceField_.attachItem(id::Insurance, handle(), kAmountLength, kAmountDecimals);
  ivaField_.setText("");
  insuranceField_.setText("");
  const RatingContext& context = *session().context;
  const bool ivaHidden = context.charAt(met::kTaxPromptOff) == 'Y' || context.shortAt(fields::kIvaTaxPrompt) == 0;
  const bool insuranceHidden =
      context.charAt(met::kInsurancePromptOff) == 'Y' || context.shortAt(fields::kInsurancePrompt) == 0;
  if (ivaHidden)
    for (int control : {id::IvaTax, id::IvaTaxLabel}) ShowWindow(item(control), ShowCommand::Hide);
  if (insuranceHidden)
    for (int control : {id::Insurance, id::InsuranceLabel}) ShowWindow(item(control), ShowCommand::Hide);
  CenterWindow(handle(), parent());
  SendUpdateStatus(session());
  return true;
}

void MexicanPromptsDialog::onOK() {
  ivaTax_ = AmountText(ivaField_.text());
  insurance_ = AmountText(insuranceField_.text());
  endDialog(command_id::Ok);
}

}  // namespace qiv
