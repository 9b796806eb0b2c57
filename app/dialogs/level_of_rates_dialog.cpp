#include "dialogs/level_of_rates_dialog.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

#include "dialogs/dialog_ids.h"
#include "dialogs/level_list.h"
#include "dialogs/list_items.h"
#include "dialogs/question_dialog.h"
#include "language/help_requests.h"
#include "language/show_message.h"
#include "platform/kernel/path.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr std::int32_t kLevelFileNotWritten = 305;
constexpr std::int32_t kNoHelpFile = 149;
constexpr std::int32_t kDeleteQuestion = 216;
constexpr std::int32_t kQuestionCaption = 152;
}  // namespace

LevelOfRatesDialog::LevelOfRatesDialog(QivSession& session) : QivDialog(session, dialog_id::LevelOfRates, nullptr) {
  messageMap().onCommand(control_id::LevelSelect, [this] { select(); });
  messageMap().onCommand(control_id::LevelExit, [this] { endDialog(command_id::Cancel); });
  messageMap().onCommand(control_id::LevelDelete, [this] { deleteLevel(); });
  messageMap().onNotification(control_id::LevelList, list_box::DoubleClick, [this] { select(); });
}

bool LevelOfRatesDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  RatingContext& context = *session().context;
  if (session().bindings.OpenLevelFile(context.data(), kLevelFileName) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    endDialog(command_id::Cancel);
    return true;
  }
  const WindowHandle list = item(control_id::LevelList);
  static constexpr int kTabStops[] = {32, 32};
  SendMessage(list, list_box::SetTabStops, 2, reinterpret_cast<LParam>(kTabStops));
  const int count = std::max(0, context.intAt(fields::kLevelCount));
  for (const std::string& line :
       LevelListLines(session().slotBuffer(fields::kLevelTable), static_cast<std::size_t>(count)))
    AddListLine(list, line);
  if (ListCount(list) > 0) {
    SelectListLine(list, 0);
    context.view().setText(fields::kTariffBaseName, LevelNameOfLine(ListLine(list, 0)));
  }
  if (ListCount(list) < 2) endDialog(command_id::Ok);
  return true;
}

std::vector<std::string> LevelOfRatesDialog::lines() const {
  const WindowHandle list = item(control_id::LevelList);
  std::vector<std::string> all;
  for (int i = 0; i < ListCount(list); ++i) all.push_back(ListLine(list, i));
  return all;
}

void LevelOfRatesDialog::select() {
  const WindowHandle list = item(control_id::LevelList);
  const int selected = ListSelection(list);
  if (selected < 0) return;
  session().context->view().setText(fields::kTariffBaseName, LevelNameOfLine(ListLine(list, selected)));
  endDialog(command_id::Ok);
}

void LevelOfRatesDialog::setLevelCount(int count) { session().context->setInt(fields::kLevelCount, count); }

bool LevelOfRatesDialog::rewriteLevelFile() {
  if (RewriteLevelFile(session().dataFile(kLevelFileName), lines())) return true;
  session().context->setLastErrorCode(kLevelFileNotWritten);
  ShowMessage(session(), handle(), MessageType::Warning);
  return false;
}

void LevelOfRatesDialog::deleteLevel() {
  const WindowHandle list = item(control_id::LevelList);
  const int selected = ListSelection(list);
  if (ListCount(list) <= 1 || selected < 0) {
    SelectListLine(list, 0);
    return;
  }
  const std::string line = ListLine(list, selected);
  const std::string name = LevelNameOfLine(line);
  QuestionDialog question(session(), handle(), text(kDeleteQuestion) + " " + name + "?", text(kQuestionCaption),
                          kDeleteQuestion);
  if (question.doModal() == command_id::Cancel) return;
  DeleteListLine(list, selected);
  setLevelCount(ListCount(list));
  if (rewriteLevelFile()) {
    DeleteLevelFiles(session().dataDirectory(), name, kLevelFileName);
  } else {
    AddListLine(list, line);
    setLevelCount(ListCount(list));
  }
  SelectListLine(list, std::min(selected, ListCount(list) - 1));
}

LResult LevelOfRatesDialog::onHelp(const HelpInfo& info) {
  const std::string helpFile = FirstHelpFileIn(session().context->textAt(fields::kStartupDirectory));
  if (helpFile.empty()) {
    session().context->setLastErrorCode(kNoHelpFile);
    ShowMessage(session(), handle(), MessageType::Warning);
    return 0;
  }
  if (const std::optional<std::uint32_t> context = session().helpTranTable.contextOf(info.controlId))
    ShowHelpContext(session(), helpFile, *context, handle());
  else if (session().environment.help != nullptr)
    session().environment.help->showContents(helpFile);
  return 1;
}

std::string FirstHelpFileIn(const std::string& directory) {
  std::vector<std::string> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(platform::NativePath(directory), error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 4 && ::strcasecmp(name.c_str() + name.size() - 4, ".hlp") == 0)
      found.push_back(entry.path().string());
  }
  std::sort(found.begin(), found.end());
  return found.empty() ? std::string() : found.front();
}

}  // namespace qiv
