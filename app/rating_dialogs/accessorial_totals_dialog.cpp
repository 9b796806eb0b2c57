#include "rating_dialogs/accessorial_totals_dialog.h"

#include <algorithm>
#include <utility>

#include "dialogs/list_items.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "rating_dialogs/rating_dialog_ids.h"

namespace qiv {

using namespace platform::ui;

namespace {

namespace entry = ratekit::accessorial_entry;
constexpr std::int32_t kTotalLabelText = 257;
// The list's tab stops, every 52 characters (in quarters of its font's
// average character width): past the 50-character descriptions, so that the
// amounts, the rule over them and the total all stand in one column.
constexpr int kTabStop = 208;
constexpr std::size_t kTextWidth = 50;

// "%-50.50s" and "%50.50s".
std::string LeftIn50(std::string text) {
  text.resize(kTextWidth, ' ');
  return text;
}
std::string RightIn50(std::string text) {
  text = text.substr(0, kTextWidth);
  return std::string(kTextWidth - text.size(), ' ') + text;
}

}  // namespace

std::vector<std::string> AccessorialTotalLines(const RatingContext& context, const std::string& totalLabel) {
  const auto count = static_cast<std::size_t>(std::clamp<std::int32_t>(
      context.intAt(ratekit::context::kAccessorialCount), 0, static_cast<std::int32_t>(entry::kTableEntries)));
  auto at = [](std::size_t i, platform::FieldSpan field) { return entry::Entry(i).offset + field.offset; };
  auto charge = [&](std::size_t i) { return context.view().floatAt(at(i, entry::kComputedCharge)); };
  auto description = [&](std::size_t i) {
    std::string text;
    for (std::size_t k = 0; k < entry::kDescription.width; ++k) {
      const char c = context.view().charAt(at(i, entry::kDescription) + k);
      if (c == '\0') break;
      text += c;
    }
    return text;
  };
  std::vector<std::string> lines;
  std::string pending;
  double total = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (context.view().charAt(at(i, entry::kGroupFlag)) == 'H') pending = description(i);
    const char selection = context.view().charAt(at(i, entry::kSelection));
    const char kind = context.view().charAt(at(i, entry::kKind));
    std::string line;
    if (selection == 't' && kind == '>') {
      if (i > 0 && charge(i - 1) > 0) line = description(i);
    } else if (selection == 't' && kind == '<') {
      if (i + 1 < count && charge(i + 1) > 0) line = LeftIn50(description(i));
    } else if (selection == '*') {
      line = LeftIn50(description(i)) + "\t" + platform::DecimalText(charge(i), 9, 2);
      total += charge(i);
    }
    if (line.empty()) continue;
    if (!pending.empty()) lines.push_back(std::exchange(pending, std::string()));
    lines.push_back(line);
  }
  lines.push_back("\t==========");
  lines.push_back(RightIn50(totalLabel) + "\t" + platform::DecimalText(total, 9, 2));
  return lines;
}

AccessorialTotalsDialog::AccessorialTotalsDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, rating_dialog_id::AccessorialTotals, parent) {
  messageMap().onCommand(totals_id::Close, [this] { onCancel(); });
}

bool AccessorialTotalsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  const WindowHandle list = item(totals_id::List);
  if (const FontHandle font = session().screenFonts[ScreenFont::LineList])
    SendMessage(list, msg::SetFont, reinterpret_cast<WParam>(font), 0);
  const int stops[] = {kTabStop};
  SendMessage(list, list_box::SetTabStops, 1, reinterpret_cast<LParam>(stops));
  for (const std::string& line : AccessorialTotalLines(*session().context, text(kTotalLabelText)))
    AddListLine(list, line);
  CenterWindow(handle(), parent());
  SetFocus(item(totals_id::Close));
  SendUpdateStatus(session());
  return false;
}

}  // namespace qiv
