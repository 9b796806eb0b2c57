#include "settings/discount_page.h"

#include <algorithm>
#include <cstring>

#include "dialogs/list_items.h"
#include "dialogs/question_dialog.h"
#include "language/show_message.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "settings/settings_ids.h"

namespace qiv {

using namespace platform::ui;
using settings::DiscountEntry;
namespace id = settings_id;
namespace st = settings_text;
namespace pr = ratekit::profile_record;

namespace {

// Labels in the discount image: breaks 1-9 the first 11 characters of
// entries 0-8, row 10 the 22 characters before entry 0. The break count
// digits; the second-column and range-feature switches.
constexpr std::size_t kLabelWidth = 11;
FieldSpan BreakLabel(int row) {
  const FieldSpan entry = ratekit::discount_file::Entry(static_cast<std::size_t>(row - 1));
  return {entry.offset, kLabelWidth};
}
constexpr FieldSpan kTenthLabel = ratekit::discount_file::At(90, 22);
constexpr FieldSpan kBreakCountA{53460, 2}, kBreakCountB{53454, 2};
constexpr FieldSpan kOneColumn{53626, 1};
constexpr FieldSpan kRangeFeatures{53147, 1};
constexpr std::size_t kStateLines = 50, kStateLineLength = 100;
// Wide enough for a 5-character bound in the application font.
constexpr std::array<int, 3> kListTabStops{36, 72, 108};
constexpr std::array<int, 4> kBoundEdits{id::OriginFrom, id::OriginTo, id::DestinationFrom, id::DestinationTo};
constexpr int kRows = 11;
// Percentages: length 5 (the eleventh 6) with 2 decimals, typing one
// character more.
constexpr int kPercentLength = 5, kEleventhLength = 6, kPercentDecimals = 2;

std::string Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
  return std::string(text);
}

bool BeginsWithLetter(const std::string& text) {
  return !text.empty() && std::isalpha(static_cast<unsigned char>(text[0])) != 0;
}

// The float of a percentage row in the profile: rows 1-10 at 155 (+44 for
// the second column), row 11 the eleventh.
std::size_t FloatAt(int column, int row) {
  return pr::kBand0.offset + (column == 1 ? pr::kBand1.offset - pr::kBand0.offset : 0) +
         4 * static_cast<std::size_t>(row - 1);
}

}  // namespace

CProDiscountPage::CProDiscountPage(SettingsDialog& settings) : SettingsPage(settings, id::DiscountPage) {
  messageMap().onNotification(id::UseBreakDiscounts, button::Clicked,
                              [this] { onUseSwitch(id::UseBreakDiscounts, id::UseClassDiscounts); });
  messageMap().onNotification(id::UseClassDiscounts, button::Clicked,
                              [this] { onUseSwitch(id::UseClassDiscounts, id::UseBreakDiscounts); });
  messageMap().onCommand(id::EditPercentages, [this] { openPercentages(); });
  messageMap().onCommand(id::EditRanges, [this] { openRanges(); });
  messageMap().onCommand(id::Close, [this] { onCloseView(); });
  messageMap().onCommand(id::CancelView, [this] { onCancelView(); });
  messageMap().onCommand(id::AddEntry, [this] { onAddEntry(); });
  messageMap().onCommand(id::DeleteEntry, [this] { onDeleteEntry(); });
  messageMap().onNotification(id::EntryList, list_box::SelectionChange, [this] { onEntryChosen(); });
  messageMap().onNotification(id::OriginZips, button::Clicked, [this] { onSideKind(true, false); });
  messageMap().onNotification(id::OriginIsState, button::Clicked, [this] { onSideKind(true, true); });
  messageMap().onNotification(id::DestinationZips, button::Clicked, [this] { onSideKind(false, false); });
  messageMap().onNotification(id::DestinationIsState, button::Clicked, [this] { onSideKind(false, true); });
  for (int row = 1; row <= kRows; ++row) {
    const bool eleventh = row == kRows;
    for (int edit :
         {id::kFirstColumn[static_cast<std::size_t>(row - 1)], id::kSecondColumn[static_cast<std::size_t>(row - 1)]})
      messageMap().onNotification(edit, edit::KillFocusNotify,
                                  [this, edit, eleventh] { onPercentLeft(edit, eleventh); });
  }
  for (int i = 0; i < 2 * kRows; ++i) percentFields_.push_back(std::make_unique<CDecimalEdit>(settings.session()));
  for (std::size_t i = 0; i < kBoundEdits.size(); ++i)
    boundFields_.push_back(std::make_unique<CZipEdit>(settings.session()));
}

void CProDiscountPage::attachFields() {
  auto field = percentFields_.begin();
  for (const auto& edits : {id::kFirstColumn, id::kSecondColumn})
    for (int row = 1; row <= kRows; ++row) {
      const int length = row == kRows ? kEleventhLength : kPercentLength;
      attachDecimal(**field++, edits[static_cast<std::size_t>(row - 1)], length, kPercentDecimals, length + 1);
    }
  for (std::size_t i = 0; i < kBoundEdits.size(); ++i) attachZip(*boundFields_[i], kBoundEdits[i]);
}

bool CProDiscountPage::rowInUse(int row) const {
  if (row > 9) return true;
  const RatingContext& context = *session().context;
  const std::string label = Trimmed(platform::UntilNul(context.view().text(BreakLabel(row))));
  if (label.empty()) return false;
  if (context.charAt(kBreakCountA) == '\0') return true;
  const auto digits = [&](FieldSpan f) {
    return platform::LeadingInteger(platform::UntilNul(context.view().text(f))).value;
  };
  const std::int64_t n = digits(kBreakCountA) + digits(kBreakCountB);
  return !(n >= 6 && n <= 8 && row > n);
}

bool CProDiscountPage::secondColumnShown() const { return session().context->charAt(kOneColumn) != '1'; }
bool CProDiscountPage::rangesAllowed() const { return session().context->charAt(kRangeFeatures) == 'Y'; }

void CProDiscountPage::fill() {
  if (!made()) return;
  const RatingContext& context = *session().context;
  for (int row = 1; row <= kRows; ++row) {
    std::string label;
    if (row <= 9) {
      label = Trimmed(platform::UntilNul(context.view().text(BreakLabel(row))));
    } else if (row == 10) {
      label = Trimmed(platform::UntilNul(context.view().text(kTenthLabel)));
    } else {
      label = text(st::kEleventhRow);
    }
    setItemText(id::kBreakLabels[static_cast<std::size_t>(row - 1)], label);
  }
  SendDialogItemMessage(handle(), id::EntryList, list_box::SetTabStops, kListTabStops.size(),
                        reinterpret_cast<LParam>(kListTabStops.data()));
  const ProfileRecord& p = profile();
  CheckRadioButton(handle(), id::Rates, id::Charges,
                   p.charAt(pr::kDiscountKind.offset) == 'R' ? id::Rates : id::Charges);
  check(id::UseBreakDiscounts, p.integerAt<std::int16_t>(pr::kTypedDiscountInUse.offset) != 0);
  check(id::UseClassDiscounts, p.integerAt<std::int16_t>(pr::kClassBandDiscountsInUse.offset) != 0);
  check(id::UseZipDiscounts, p.integerAt<std::int16_t>(pr::kZipPairDiscountsInUse.offset) != 0);
  if (!rangesAllowed()) {
    check(id::UseZipDiscounts, false);
    profile().setInteger<std::int16_t>(pr::kZipPairDiscountsInUse.offset, 0);
  }
  editedEntry_.reset();
  showView(View::Overview);
}

void CProDiscountPage::showView(View view) {
  view_ = view;
  const bool overview = view == View::Overview, percentages = view == View::Percentages, ranges = view == View::Ranges;
  for (int control :
       {id::AppliesToGroup, id::Rates, id::Charges, id::UseBreakDiscounts, id::UseClassDiscounts, id::EditPercentages})
    show(control, overview);
  for (int control : {id::ZipDiscountGroup, id::UseZipDiscounts, id::EditRanges})
    show(control, overview && rangesAllowed());
  show(id::PercentHeading, percentages);
  show(id::SecondColumnHeading, percentages && secondColumnShown());
  for (int row = 1; row <= kRows; ++row) {
    const std::size_t r = static_cast<std::size_t>(row - 1);
    const bool inUse = rowInUse(row);
    show(id::kBreakLabels[r], !overview && inUse);
    show(id::kFirstColumn[r], !overview && inUse);
    show(id::kSecondColumn[r], percentages && inUse && secondColumnShown());
  }
  for (int control : {id::OriginLabel, id::DestinationLabel, id::OriginFrom, id::OriginTo, id::DestinationFrom,
                      id::DestinationTo, id::OriginStates, id::DestinationStates, id::OriginZips, id::OriginIsState,
                      id::DestinationZips, id::DestinationIsState, id::EntryList, id::AddEntry, id::DeleteEntry})
    show(control, ranges);
  show(id::Close, !overview);
  show(id::CancelView, !overview);
  settings().setEditing(percentages, ranges);
  InvalidateRect(handle(), nullptr, true);
}

void CProDiscountPage::openPercentages() {
  showView(View::Percentages);
  for (int row = 1; row <= kRows; ++row) {
    const std::size_t r = static_cast<std::size_t>(row - 1);
    const bool eleventh = row == kRows;
    setItemText(id::kFirstColumn[r], Trimmed(settings::ShownPercent(profile().floatAt(FloatAt(0, row)), eleventh)));
    setItemText(id::kSecondColumn[r], Trimmed(settings::ShownPercent(profile().floatAt(FloatAt(1, row)), eleventh)));
  }
  SetFocus(item(id::kFirstColumn[0]));
}

void CProDiscountPage::openRanges() {
  showView(View::Ranges);
  const std::int32_t stored = profile().integerAt<std::int32_t>(pr::kZipDiscountCount.offset);
  const std::size_t count = static_cast<std::size_t>(std::clamp<std::int32_t>(stored, 0, settings::kEntryLimit));
  entries_.assign(count, DiscountEntry{});
  for (std::size_t i = 0; i < count; ++i)
    std::memcpy(entries_[i].data(), profile().data() + pr::kZipDiscounts.offset + i * settings::kEntrySize,
                settings::kEntrySize);
  editedEntry_.reset();
  fillEntryList();
  loadStateLists();
  for (int bound : kBoundEdits) setItemText(bound, "");
  for (int edit : id::kFirstColumn) setItemText(edit, "");
  endEntryEdit();
  SetFocus(item(id::OriginFrom));
}

void CProDiscountPage::onCloseView() {
  if (view_ == View::Ranges && editedEntry_) {
    const std::size_t at = *editedEntry_;
    const DiscountEntry old = entries_[at];
    const std::optional<DiscountEntry> edited = buildZipDiscountEntry();
    if (!edited) return;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    if (!insertZipDiscountEntry(*edited)) entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), old);
    endEntryEdit();
    fillEntryList();
    return;
  }
  if (view_ == View::Percentages) saveDiscountTable();
  if (view_ == View::Ranges) saveZipDiscounts();
  showView(View::Overview);
}

void CProDiscountPage::onCancelView() {
  if (view_ == View::Ranges && editedEntry_) {
    endEntryEdit();
    return;
  }
  showView(View::Overview);
}

LResult CProDiscountPage::onKillActive() {
  if (view_ != View::Overview) return 1;
  save();
  return 0;
}

void CProDiscountPage::saveDiscountTable() {
  for (int column = 0; column < 2; ++column) {
    const auto& edits = column == 0 ? id::kFirstColumn : id::kSecondColumn;
    for (int row = 1; row <= kRows; ++row) {
      const settings::CheckedPercent value =
          settings::CheckPercent(itemText(edits[static_cast<std::size_t>(row - 1)]), row == kRows);
      profile().setFloat(FloatAt(column, row), static_cast<float>(value.value));
    }
  }
}

void CProDiscountPage::saveZipDiscounts() {
  std::memset(profile().data() + pr::kZipDiscounts.offset, 0, pr::kZipDiscounts.width);
  for (std::size_t i = 0; i < entries_.size(); ++i)
    std::memcpy(profile().data() + pr::kZipDiscounts.offset + i * settings::kEntrySize, entries_[i].data(),
                settings::kEntrySize);
  profile().setInteger<std::int32_t>(pr::kZipDiscountCount.offset, static_cast<std::int32_t>(entries_.size()));
}

void CProDiscountPage::storeDiscountOptions() {
  if (!made()) return;
  ProfileRecord& p = profile();
  p.setText(pr::kDiscountKind, checked(id::Rates) ? "R" : "C");
  p.setInteger<std::int16_t>(pr::kTypedDiscountInUse.offset, checked(id::UseBreakDiscounts) ? 1 : 0);
  p.setInteger<std::int16_t>(pr::kClassBandDiscountsInUse.offset, checked(id::UseClassDiscounts) ? 1 : 0);
  p.setInteger<std::int16_t>(pr::kZipPairDiscountsInUse.offset, checked(id::UseZipDiscounts) ? 1 : 0);
}

void CProDiscountPage::onPercentLeft(int edit, bool eleventh) {
  const settings::CheckedPercent value = settings::CheckPercent(itemText(edit), eleventh);
  if (value.message != 0) warn(value.message);
  setItemText(edit, Trimmed(value.shown));
}

void CProDiscountPage::onUseSwitch(int clicked, int other) {
  if (checked(clicked)) check(other, false);
}

void CProDiscountPage::onSideKind(bool origin, bool states) {
  CheckRadioButton(
      handle(), origin ? id::OriginZips : id::DestinationZips, origin ? id::OriginIsState : id::DestinationIsState,
      origin ? (states ? id::OriginIsState : id::OriginZips) : (states ? id::DestinationIsState : id::DestinationZips));
  enable(origin ? id::OriginStates : id::DestinationStates, states);
  enable(origin ? id::OriginFrom : id::DestinationFrom, !states);
  enable(origin ? id::OriginTo : id::DestinationTo, !states);
}

void CProDiscountPage::loadStateLists() {
  const WindowHandle lists[] = {item(id::OriginStates), item(id::DestinationStates)};
  for (WindowHandle list : lists) SendMessage(list, combo_box::ResetContent);
  const std::pair<const char*, std::int32_t> files[] = {{"STATE.STP", st::kNoStateList},
                                                        {"PROVINCE.PCP", st::kNoProvinceList}};
  for (const auto& [name, missing] : files) {
    const std::optional<std::vector<std::uint8_t>> bytes = platform::ReadWholeFile(session().dataFile(name));
    if (!bytes) {
      warn(missing);
      continue;
    }
    const std::string_view content(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    std::size_t lines = 0;
    for (std::string_view line : platform::SplitLines(content)) {
      if (missing == st::kNoStateList && lines++ == kStateLines) break;
      for (WindowHandle list : lists) AddComboLine(list, line.substr(0, kStateLineLength));
    }
  }
  onSideKind(true, false);
  onSideKind(false, false);
}

void CProDiscountPage::fillEntryList() {
  const WindowHandle list = item(id::EntryList);
  SendMessage(list, list_box::ResetContent);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i == settings::kEntryLimit) {
      warn(st::kTooManyEntries);
      break;
    }
    AddListLine(list, settings::EntryLine(entries_[i]));
  }
}

void CProDiscountPage::onEntryChosen() {
  const int chosen = ListSelection(item(id::EntryList));
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= entries_.size()) return;
  const DiscountEntry& entry = entries_[static_cast<std::size_t>(chosen)];
  editedEntry_ = static_cast<std::size_t>(chosen);
  for (int side = 0; side < 2; ++side) {
    const bool origin = side == 0;
    const std::string from = settings::BoundOf(entry, 2 * side), to = settings::BoundOf(entry, 2 * side + 1);
    const bool state = !from.empty() && from[0] == ' ';
    onSideKind(origin, state);
    if (state) {
      const WindowHandle list = item(origin ? id::OriginStates : id::DestinationStates);
      const LResult found =
          SendMessage(list, combo_box::FindString, static_cast<WParam>(-1), reinterpret_cast<LParam>(to.c_str()));
      if (found < 0) warn(st::kStateMissing);
      SendMessage(list, combo_box::SetCurrentSelection, static_cast<WParam>(found));
      setItemText(origin ? id::OriginFrom : id::DestinationFrom, "");
      setItemText(origin ? id::OriginTo : id::DestinationTo, "");
    } else {
      setItemText(origin ? id::OriginFrom : id::DestinationFrom, settings::TypedBound(entry, 2 * side));
      setItemText(origin ? id::OriginTo : id::DestinationTo, settings::TypedBound(entry, 2 * side + 1));
    }
  }
  for (int row = 1; row <= kRows; ++row)
    if (rowInUse(row))
      setItemText(id::kFirstColumn[static_cast<std::size_t>(row - 1)], Trimmed(settings::ValueOf(entry, row)));
  enable(id::EntryList, false);
  enable(id::AddEntry, false);
  enable(id::DeleteEntry, true);
  setItemText(id::Close, text(st::kUpdateLabel));
}

void CProDiscountPage::endEntryEdit() {
  editedEntry_.reset();
  enable(id::EntryList, true);
  enable(id::AddEntry, true);
  enable(id::DeleteEntry, false);
  setItemText(id::Close, text(id::Close));
  SendMessage(item(id::EntryList), list_box::SetCurrentSelection, static_cast<WParam>(-1));
}

void CProDiscountPage::onAddEntry() {
  if (entries_.size() >= settings::kEntryLimit) {
    warn(st::kTooManyEntries);
    SetFocus(item(id::OriginFrom));
    return;
  }
  const std::optional<DiscountEntry> entry = buildZipDiscountEntry();
  if (!entry) return;
  insertZipDiscountEntry(*entry);
  fillEntryList();
}

void CProDiscountPage::onDeleteEntry() {
  if (!editedEntry_) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*editedEntry_));
  endEntryEdit();
  fillEntryList();
}

bool CProDiscountPage::buildSide(bool origin, std::string& from, std::string& to) {
  const int fromId = origin ? id::OriginFrom : id::DestinationFrom, toId = origin ? id::OriginTo : id::DestinationTo;
  if (checked(origin ? id::OriginIsState : id::DestinationIsState)) {
    const WindowHandle list = item(origin ? id::OriginStates : id::DestinationStates);
    const int chosen = ComboSelection(list);
    if (chosen < 0) {
      if (!origin) warn(st::kStateMissing);
      SetFocus(list);
      return false;
    }
    from = "     ";
    to = ComboLine(list, chosen).substr(0, 2);
    return true;
  }
  from = Trimmed(itemText(fromId));
  to = Trimmed(itemText(toId));
  const char zipMode = session().context->charAt(fields::kZipMode);
  for (const auto& [bound, field] : {std::pair{&from, fromId}, std::pair{&to, toId}}) {
    if (!settings::CheckRangeBound(*bound, zipMode)) {
      warn(st::kBoundRefused);
      SetFocus(item(field));
      return false;
    }
  }
  const std::int32_t swapQuestion = origin ? st::kOriginSwap : st::kDestinationSwap;
  auto askSwap = [&] {
    const std::string question = text(swapQuestion) + " " + to + " - " + from + "?";
    QuestionDialog asked(session(), handle(), question, std::string(), swapQuestion);
    return asked.doModal() != command_id::Cancel;
  };
  if (!BeginsWithLetter(from) && !BeginsWithLetter(to)) {
    if (platform::LeadingInteger(from).value == 0) {
      SetFocus(item(fromId));
      return false;
    }
    if (platform::LeadingInteger(to).value == 0) {
      SetFocus(item(toId));
      return false;
    }
    if (platform::LeadingInteger(to).value < platform::LeadingInteger(from).value) {
      if (!askSwap()) return false;
      std::swap(from, to);
    }
    return true;
  }
  if (!BeginsWithLetter(from) || !BeginsWithLetter(to)) {
    warn(origin ? st::kOriginNotLetters : st::kDestinationNotLetters);
    return false;
  }
  for (char& c : from) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (char& c : to) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (from.substr(0, 5) > to.substr(0, 5)) {
    if (!askSwap()) return false;
    std::swap(from, to);
  }
  if (from.size() < 5) from = from.substr(0, 3) + "0A";
  if (to.size() < 5) to = to.substr(0, 3) + "9Z";
  return true;
}

std::optional<DiscountEntry> CProDiscountPage::buildZipDiscountEntry() {
  std::string originFrom, originTo, destinationFrom, destinationTo;
  if (!buildSide(true, originFrom, originTo) || !buildSide(false, destinationFrom, destinationTo)) return std::nullopt;
  DiscountEntry entry = settings::MakeEntry(originFrom, originTo, destinationFrom, destinationTo);
  for (int row = 1; row <= kRows; ++row) {
    if (!rowInUse(row)) continue;
    const settings::CheckedPercent value =
        settings::CheckPercent(itemText(id::kFirstColumn[static_cast<std::size_t>(row - 1)]), row == kRows);
    settings::SetValue(entry, row, value.value);
  }
  return entry;
}

bool CProDiscountPage::insertZipDiscountEntry(const DiscountEntry& entry) {
  const settings::Placement place = settings::PlaceEntry(entries_, entry);
  using Kind = settings::Placement::Kind;
  if (place.kind == Kind::Nowhere) return false;
  if (place.kind == Kind::Equal) {
    session().context->setLastErrorCode(st::kReplaceEntry);
    if (ShowMessage(session(), handle(), MessageType::Question) == 0) return false;
    entries_[place.position] = entry;
    return true;
  }
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(place.position), entry);
  return true;
}

}  // namespace qiv
