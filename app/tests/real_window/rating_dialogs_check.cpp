// The rating dialogs in real windows on a desktop (under xvfb-run), over
// the sample set's accessorials: Rating Prompts with every group offered,
// the first page of the accessorials, the totals of two chosen ones, the
// division of revenue and the Mexican prompts; a screenshot of each kept
// in the artifacts folder.
//
//   rating_dialogs_check <artifacts>      exit code 0 when all holds
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "checking_backend.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "rating_dialogs/accessorial_totals_dialog.h"
#include "rating_dialogs/accessorials_dialog.h"
#include "rating_dialogs/mexican_prompts_dialog.h"
#include "rating_dialogs/rating_dialog_ids.h"
#include "rating_dialogs/rating_prompts_dialog.h"
#include "rating_dialogs/revenue_division_dialog.h"
#include "real_window_check.h"
#include "shell/qiv_session.h"
#include "shell/rating_context_fields.h"
#include "shell/screen_fonts.h"

namespace {

using namespace platform::ui;
using namespace platform::ui::real_window;
using namespace qiv::real_window;
namespace entry = ratekit::accessorial_entry;

// The level's .ACC read into the table as the library reads it: whole entries.
bool LoadAccessorials(qiv::RatingContext& context, const std::filesystem::path& file) {
  const std::string bytes = platform::testing::ReadFileText(file);
  const std::size_t count = std::min(bytes.size() / entry::kSize, entry::kTableEntries);
  if (count == 0) return false;
  for (std::size_t i = 0; i < count * entry::kSize; ++i) context.view().setChar(entry::Entry(0).offset + i, bytes[i]);
  context.setInt(ratekit::context::kAccessorialCount, static_cast<std::int32_t>(count));
  return true;
}

void Choose(qiv::RatingContext& context, std::size_t i, float charge) {
  context.setChar({entry::Entry(i).offset + entry::kSelection.offset, 1}, '*');
  context.setFloat({entry::Entry(i).offset + entry::kComputedCharge.offset, 4}, charge);
}

// A step that photographs the dialog and ends it with the command.
CheckingBackend::Step PhotographAndEnd(CheckingBackend& backend, const std::string& artifacts, const char* name,
                                       int command) {
  return [&backend, &artifacts, name, command](WindowHandle dialog) {
    if (!Photograph(backend, dialog, artifacts, name, {4, 4})) return false;
    PostMessage(dialog, msg::Command, CommandParam(command, 0));
    return true;
  };
}

}  // namespace

int main(int argc, char** argv) {
  DesktopCheck check(argc, argv);
  if (check.startFailure() != 0) return check.startFailure();
  CheckingBackend& backend = check.backend();
  const std::string& artifacts = check.artifacts();

  qiv::QivSession session(qiv::QivEnvironment{});
  session.context = qiv::RatingContext::Allocate();
  qiv::RatingContext& context = *session.context;
  context.setTerminatedText(qiv::fields::kDataDirectory, (check.root() / "ZQDATA").string() + "/");
  context.view().setText(qiv::fields::kTariffBaseName, "SAMPLE01");
  session.languageTable = qiv::LanguageTable::LoadLanguageFile(session.dataDirectory());
  session.applicationFont = CreateFont(qiv::ApplicationFontSpec());
  if (!LoadAccessorials(context, check.root() / "ZQDATA" / "SAMPLE01.ACC"))
    return Fail("the sample set's accessorials could not be read");
  Choose(context, 1, 75.0f);
  Choose(context, 9, 1.5f);
  // Every group of the rating prompts offered.
  context.setInt(qiv::fields::kMexicoOption, 1);
  context.setChar(qiv::fields::kAccessorialFile, 'Y');
  context.setChar(qiv::fields::kCityChoiceAllowed, 'Y');
  context.setChar(ratekit::tariff_settings::kMexicoOptions, 'Y');
  // The breaks whose rates may be disabled: 7 to 9 of the sample's nine.
  const char* labels[] = {"L5C", "M5C", "M1M", "M2M", "M5M", "M10M", "M20M", "M30M", "M40M"};
  for (std::size_t i = 0; i < 9; ++i)
    context.view().setText({ratekit::context::kRawWeightRecords.offset + 21 * i, 5}, labels[i]);
  context.setChar(qiv::fields::kTlFromBreak, '6');
  // A first shipment line, for the division of revenue; both Mexican prompts.
  context.view().setText(ratekit::shipment_lines::ClassCode(0), "85", '\0');
  context.view().setText(ratekit::shipment_lines::WeightText(0), "1200", '\0');
  context.setShort(qiv::fields::kIvaTaxPrompt, 1);
  context.setShort(qiv::fields::kInsurancePrompt, 1);

  backend.then(PhotographAndEnd(backend, artifacts, "qiv-rating-prompts", qiv::prompts_id::Cancel), "Rating Prompts");
  backend.then(PhotographAndEnd(backend, artifacts, "qiv-accessorials", qiv::accessorials_id::Cancel), "Accessorials");
  backend.then(PhotographAndEnd(backend, artifacts, "qiv-accessorial-totals", qiv::totals_id::Close),
               "Accessorial Totals");
  backend.then(PhotographAndEnd(backend, artifacts, "qiv-revenue-division", qiv::division_id::Close),
               "Division of Revenue");
  backend.then(PhotographAndEnd(backend, artifacts, "qiv-mexican-prompts", qiv::mexican_id::Cancel), "Mexican Prompts");

  std::string iva, insurance;
  const LResult ends[] = {qiv::RatingPromptsDialog(session, nullptr, true).doModal(),
                          qiv::AccessorialsDialog(session, nullptr).doModal(),
                          qiv::AccessorialTotalsDialog(session, nullptr).doModal(),
                          qiv::RevenueDivisionDialog(session, nullptr, 611.64).doModal(),
                          qiv::MexicanPromptsDialog(session, nullptr, iva, insurance).doModal()};
  DeleteFont(session.applicationFont);
  if (backend.failed()) return 1;
  for (LResult end : ends)
    if (end != command_id::Cancel) return Fail("a rating dialog ended otherwise than by Cancel or Close");
  std::printf("rating dialogs check: the five dialogs shown and photographed\n");
  return 0;
}
