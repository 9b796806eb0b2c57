#include "display/display_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "dialogs/list_items.h"
#include "display/display_ids.h"
#include "platform/kernel/file.h"
#include "platform/kernel/path.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;
namespace id = display_id;

namespace {

constexpr std::int32_t kTotalText = 4570;
constexpr std::size_t kTariffPiece = 45;

void FillDialogFontList(WindowHandle list, FontHandle font) {
  if (font != nullptr) SendMessage(list, msg::SetFont, reinterpret_cast<WParam>(font), 0);
}

std::string Trimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string DetailText(const std::string& text, const std::string& amount) {
  char line[96];
  std::snprintf(line, sizeof line, "%24s\t%8s", text.c_str(), amount.c_str());
  return line;
}

}  // namespace

ShipmentDetailDialog::ShipmentDetailDialog(QivSession& session, const ResultTables& tables, WindowHandle parent)
    : QivDialog(session, id::ShipmentDetail, parent), tables_(tables) {
  messageMap().onCommand(id::DetailOk, [this] { endDialog(1); });
}

bool ShipmentDetailDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  // The rules' first tab stops a character in; the second lies past the
  // 24-character labels, so that amounts, rules and totals stand in one
  // column (quarters of the list font's average character width).
  const int tabStops[] = {4, 100};
  for (int list : {id::UsTotals, id::MexicanTotals, id::CombinedTotals})
    SendMessage(item(list), list_box::SetTabStops, 2, reinterpret_cast<LParam>(tabStops));
  FillDialogFontList(item(id::CombinedTotals), session().screenFonts[ScreenFont::LineList]);
  struct Country {
    char letter;
    int list;
    const char* rule;
    double total = 0;
  };
  Country countries[] = {{'C', id::CombinedTotals, "\t\t========"},
                         {'U', id::UsTotals, "\t\t--------"},
                         {'M', id::MexicanTotals, "\t\t--------"}};
  for (int i = 0; i < std::min(tables_.detailCount, kResultRows); ++i) {
    const DetailLine& line = tables_.details[static_cast<std::size_t>(i)];
    const std::string amount(FieldText(line.amount));
    for (Country& country : countries)
      if (line.country == country.letter) {
        AddListLine(item(country.list), DetailText(std::string(FieldText(line.label)), amount));
        country.total += std::atof(amount.c_str());
      }
  }
  for (const Country& country : countries) {
    if (country.total <= 0) continue;
    char total[32];
    std::snprintf(total, sizeof total, "%.2f", country.total);
    AddListLine(item(country.list), country.rule);
    AddListLine(item(country.list), DetailText(text(kTotalText), total));
  }
  SetFocus(item(id::DetailOk));
  SendUpdateStatus(session());
  return false;
}

std::vector<std::string> TariffTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) lines.emplace_back();
    for (std::size_t piece = 0; piece < line.size(); piece += kTariffPiece)
      lines.emplace_back(line.substr(piece, kTariffPiece));
    at = next;
  }
  return lines;
}

TariffDisplayDialog::TariffDisplayDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, id::TariffDisplay, parent) {
  messageMap().onCommand(id::TariffOk, [this] { endDialog(1); });
}

bool TariffDisplayDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  const WindowHandle list = item(id::TariffText);
  FillDialogFontList(list, session().screenFonts[ScreenFont::LineList]);
  // No text file: the list stays empty.
  const auto bytes = platform::ReadWholeFile(platform::ResolvePath(session().tariffBasePath()));
  if (bytes)
    for (const std::string& line : TariffTextLines(std::string(bytes->begin(), bytes->end()))) AddListLine(list, line);
  SetFocus(item(id::TariffOk));
  SendUpdateStatus(session());
  return false;
}

TerminalInfoDialog::TerminalInfoDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, id::TerminalInfo, parent) {
  messageMap().onCommand(id::TerminalOk, [this] { endDialog(1); });
}

bool TerminalInfoDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  fillSide(false);
  fillSide(true);
  const FontHandle bold = session().screenFonts[ScreenFont::Labels];
  for (int label : {4825, 4823, 4824, 4807, 4808, 4809, 4821, 4813, 4826, 4886, 4887, 4888, 4889, 4890, 4891, 4892})
    FillDialogFontList(item(label), bold);
  SetFocus(item(id::TerminalOk));
  SendUpdateStatus(session());
  return false;
}

void TerminalInfoDialog::fillSide(bool destination) {
  const RatingContext& context = *session().context;
  namespace td = ratekit::terminal_details;
  const std::size_t record =
      destination ? ratekit::context::kDestinationTerminal.offset : ratekit::context::kOriginTerminal.offset;
  // A field read inside its width whether or not it holds a NUL, trailing
  // blanks removed.
  auto field = [&](std::size_t index) {
    const platform::FieldSpan span = td::kFields[index];
    std::string text(context.view().text({record + span.offset, span.width}));
    return Trimmed(text.substr(0, text.find('\0')));
  };
  // The origin's control ids, and the destination's beside them.
  auto control = [destination](int origin, int other) { return destination ? other : origin; };
  const platform::FieldSpan code = ratekit::shipment_point::Of(destination ? 1 : 0, ratekit::shipment_point::kCode);
  SetDialogItemText(handle(), control(4816, 4854), context.textAt(code));
  std::string name = field(0);
  if (!name.empty()) name += " - ";
  name += field(1);
  SetDialogItemText(handle(), control(4817, 4855), name.empty() ? "Not Available" : name);
  SetDialogItemText(handle(), control(4818, 4856), field(2));
  const std::string city = field(4) + (field(4).empty() ? "" : ", ") + field(5) + " " + field(6);
  if (!field(3).empty()) {
    SetDialogItemText(handle(), control(4819, 4857), field(3));
    SetDialogItemText(handle(), control(4820, 4858), field(4) + ", " + field(5) + " " + field(6));
  } else {
    SetDialogItemText(handle(), control(4819, 4857), city);
    if (field(6).empty()) ShowWindow(item(control(4819, 4857)), ShowCommand::Hide);
    ShowWindow(item(control(4820, 4858)), ShowCommand::Hide);
  }
  const std::pair<std::size_t, std::pair<int, int>> numbers[] = {{7, {control(4810, 4848), control(4807, 4888)}},
                                                                 {8, {control(4811, 4849), control(4808, 4889)}},
                                                                 {9, {control(4812, 4850), control(4809, 4890)}},
                                                                 {10, {control(4822, 4860), control(4821, 4891)}}};
  for (const auto& [index, ids] : numbers) {
    const std::string text = field(index);
    SetDialogItemText(handle(), ids.first, text);
    if (text.empty())
      for (int shown : {ids.first, ids.second}) ShowWindow(item(shown), ShowCommand::Hide);
  }
  SetDialogItemText(handle(), control(4815, 4853), field(11));
  SetDialogItemText(handle(), control(4814, 4852), field(12) + "\n");
  if (field(11).empty() && field(12).empty()) ShowWindow(item(control(4813, 4892)), ShowCommand::Hide);
}

}  // namespace qiv
