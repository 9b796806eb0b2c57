#include "rating_dialogs/accessorial_pages.h"

#include <algorithm>
#include <string_view>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace qiv::accessorials {

namespace {

namespace entry = ratekit::accessorial_entry;

std::string TrimmedRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string FixedText(const RatingContext& context, std::size_t at, platform::FieldSpan field) {
  std::string text(field.width, '\0');
  for (std::size_t i = 0; i < field.width; ++i) text[i] = context.view().charAt(at + field.offset + i);
  return TrimmedRight(text.substr(0, text.find('\0')));
}

}  // namespace

bool TakesValue(char kind) {
  static constexpr std::string_view kValueKinds = "%fghps34567$";
  return kind != '\0' && kValueKinds.find(kind) != std::string_view::npos;
}

ValueLimits LimitsFor(char kind) {
  switch (kind) {
    case '$': return {7, 2};
    case '%': return {8, 2};
    case 'f':
    case '4': return {2, 0};
    default: return {4, 0};
  }
}

std::string ValueText(char kind, float value) {
  if (!TakesValue(kind) || !(value > 0)) return {};
  return platform::DecimalText(value, 6, kind == '%' || kind == '$' ? 2 : 0);
}

int CodeNumber(const Entry& e) { return static_cast<int>(platform::LeadingDecimalValue(e.code)); }

Model::Model(std::vector<Entry> entries) : entries_(std::move(entries)) {
  work_.resize(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    work_[i].text = ValueText(entries_[i].kind, entries_[i].value);
    work_[i].selection = entries_[i].selection == '*' ? '*' : ' ';
  }
  cutPages();
}

std::vector<Entry> Model::ReadTable(const RatingContext& context) {
  const auto count = static_cast<std::size_t>(std::clamp<std::int32_t>(
      context.intAt(ratekit::context::kAccessorialCount), 0, static_cast<std::int32_t>(entry::kTableEntries)));
  std::vector<Entry> entries(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = entry::Entry(i).offset;
    Entry& e = entries[i];
    e.selection = context.view().charAt(at + entry::kSelection.offset);
    e.code = FixedText(context, at, entry::kCode);
    e.description = FixedText(context, at, entry::kDescription);
    e.kind = context.view().charAt(at + entry::kKind.offset);
    e.value = context.view().floatAt(at + entry::kEnteredValue.offset);
    e.unitLabel = FixedText(context, at, entry::kUnitLabel);
  }
  return entries;
}

std::vector<EntryRows> Model::rowsOf(std::size_t page) const {
  std::vector<EntryRows> rows;
  if (page >= pages_.size()) return rows;
  std::size_t row = 0;
  for (std::size_t i = pages_[page].first; i <= pages_[page].last; ++i) {
    const Entry& e = entries_[i];
    EntryRows at{i, row, {}, {}, {}};
    std::size_t taken = 1;
    if (isPartner(i)) {
      // Chosen by the '<' row above it.
      if (TakesValue(e.kind) && row > 0) {
        at.valueRow = row;
        at.checkOfValue = row - 1;
      }
    } else if (!(e.heading() && e.kind != '<')) {
      at.check = row;
      if (TakesValue(e.kind)) {
        const bool low = CodeNumber(e) == kLowValueCode;
        at.valueRow = low ? row + 2 : row;
        at.checkOfValue = row;
        if (low) taken = 3;
      }
    }
    rows.push_back(at);
    row += taken;
  }
  return rows;
}

std::size_t Model::entriesFitting(std::size_t first) const {
  std::size_t rows = 0, count = 0;
  for (std::size_t i = first; i < entries_.size() && count < kEntriesPerPage; ++i) {
    const Entry& e = entries_[i];
    const bool low = !isPartner(i) && TakesValue(e.kind) && CodeNumber(e) == kLowValueCode;
    if (rows + (low ? 3 : 1) > kRows) break;
    rows += low ? 3 : 1;
    ++count;
  }
  // A '<' entry and its partner stay on one page: a page that would end
  // between them ends before the pair.
  const std::size_t end = first + count;
  if (count > 1 && end < entries_.size() && entries_[end - 1].kind == '<') --count;
  return std::max<std::size_t>(count, 1);
}

void Model::cutPages() {
  pages_.clear();
  for (std::size_t first = 0; first < entries_.size();) {
    const std::size_t count = entriesFitting(first);
    pages_.push_back({first, first + count - 1});
    first += count;
  }
}

void Model::readCheck(std::size_t i, bool checked) {
  if (entries_[i].kind == '<' && i + 1 < entries_.size()) {
    work_[i + 1].selection = checked ? '*' : ' ';
    return;
  }
  if (checked)
    work_[i].selection = '*';
  else if (!entries_[i].heading())
    work_[i].selection = ' ';
}

void Model::readValue(std::size_t i, const std::string& text) { work_[i].text = text; }

void Model::store(RatingContext& context) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::size_t at = entry::Entry(i).offset;
    if (!entries_[i].heading()) context.view().setChar(at + entry::kSelection.offset, work_[i].selection);
    if (TakesValue(entries_[i].kind))
      context.view().setFloat(at + entry::kEnteredValue.offset,
                              static_cast<float>(platform::LeadingDecimalValue(work_[i].text)));
  }
}

}  // namespace qiv::accessorials
