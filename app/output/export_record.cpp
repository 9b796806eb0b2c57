#include "output/export_record.h"

#include <algorithm>
#include <array>

#include "output/output_fields.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace of = output_fields;
namespace totals = ratekit::rating_totals;
namespace lines = ratekit::shipment_lines;

namespace {

enum class Kind { Text, Number };

// A field of both records: its place in each and its width.
struct Field {
  std::size_t fixedOffset;
  std::size_t commaOffset;
  std::size_t width;
  Kind kind;
};

constexpr Kind T = Kind::Text;
constexpr Kind N = Kind::Number;
constexpr std::array<Field, 15> kHeaderFields{{
    {0, 1, 9, T},       // shipment id
    {9, 13, 5, T},      // origin code
    {14, 21, 2, T},     // origin state
    {16, 26, 5, T},     // destination code
    {21, 34, 2, T},     // destination state
    {23, 38, 6, N},     // the six-digit figure
    {29, 45, 6, N},     // deficit weight
    {35, 52, 6, N},     // total weight
    {41, 59, 5, N},     // discount percent
    {46, 65, 14, N},    // total charge
    {60, 80, 9, N},     // sum of the two header amounts
    {69, 90, 9, N},     // exported discount
    {78, 100, 14, N},   // discount amount
    {92, 115, 9, N},    // accessorial total ("factor")
    {101, 125, 14, N},  // net charge
}};
// A detail line's fields, from the line's start in each record.
constexpr std::array<Field, 3> kLineFields{{{0, 2, 3, T}, {3, 7, 6, N}, {9, 14, 7, N}}};
constexpr std::size_t kFixedLines = 115;
constexpr std::size_t kFixedLineSize = 16;
constexpr std::size_t kCommaLines = 139;
constexpr std::size_t kCommaLineSize = 21;

// The bytes between two fields of the comma-separated record: a closing
// quote after a text, a comma, an opening quote before a text.
constexpr std::size_t Separation(Kind before, Kind after) { return (before == T ? 1 : 0) + 1 + (after == T ? 1 : 0); }
constexpr bool LaidOutInOrder() {
  for (std::size_t i = 0; i + 1 < kHeaderFields.size(); ++i) {
    const Field& a = kHeaderFields[i];
    const Field& b = kHeaderFields[i + 1];
    if (a.fixedOffset + a.width != b.fixedOffset) return false;
    if (a.commaOffset + a.width + Separation(a.kind, b.kind) != b.commaOffset) return false;
  }
  return kHeaderFields.back().fixedOffset + kHeaderFields.back().width == kFixedLines &&
         kHeaderFields.back().commaOffset + kHeaderFields.back().width == kCommaLines &&
         kLineFields[2].fixedOffset + kLineFields[2].width == kFixedLineSize &&
         kLineFields[2].commaOffset + kLineFields[2].width == kCommaLineSize &&
         kLineFields[1].commaOffset == kLineFields[0].commaOffset + kLineFields[0].width + Separation(T, N) &&
         kLineFields[2].commaOffset == kLineFields[1].commaOffset + kLineFields[1].width + Separation(N, N);
}
static_assert(LaidOutInOrder());
static_assert(kFixedLines + 8 * kFixedLineSize + 2 == kFixedRecordSize);
static_assert(kCommaLines + 8 * kCommaLineSize + 2 == kCommaRecordSize);

constexpr std::string_view kNoDiscountAmount = "00000000000.00";
constexpr std::string_view kNoAccessorialTotal = "000000.00";

// The text as a record holds it: control characters (and, quoted, a '"')
// become blanks.
std::string RecordText(std::string_view text, bool quoted) {
  std::string clean(text);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || (quoted && c == '"')) c = ' ';
  return clean;
}

std::array<std::string, kHeaderFields.size()> HeaderValues(const RatingContext& context) {
  const std::size_t codeLength = context.charAt(of::kThreeDigitZip) == 'Y' ? 3 : 5;
  const bool discounts = context.shortAt(of::kDiscountsInUse) != 0 && context.intAt(of::kNoDiscountLane) == 0;
  const std::string amount = context.textAt(totals::kDiscountAmount);
  float exported = context.view().floatAt(of::kExportedDiscount.offset);
  if (exported == 0.0f) exported = discounts ? context.view().floatAt(ratekit::context::kFloor.offset) : 0.0f;
  return {
      context.shortAt(of::kShipmentIdPrompt) != 0 ? context.textAt(of::kShipmentId) : std::string(),
      context.textAt(of::Code(0)).substr(0, codeLength),
      context.textAt(of::State(0)),
      context.textAt(of::Code(1)).substr(0, codeLength),
      context.textAt(of::State(1)),
      context.textAt(totals::kActualWeight),
      context.textAt(totals::kDeficitWeight),
      context.textAt(totals::kTotalWeight),
      platform::DecimalText(platform::LeadingDecimalValue(context.textAt(totals::kDiscountPercent)), 2, 2),
      context.textAt(totals::kTotalCharge),
      context.textAt(totals::kHeaderAmountsSum),
      platform::DecimalText(exported, 9, 2),
      discounts && platform::LeadingDecimalValue(amount) > 0 ? amount : std::string(kNoDiscountAmount),
      context.shortAt(of::kAccessorialPrompt) != 0 ? context.textAt(of::kAccessorialTotal)
                                                   : std::string(kNoAccessorialTotal),
      context.textAt(totals::kNetCharge),
  };
}

// A detail line's class, weight and rate; nothing for a line without a class.
std::optional<std::array<std::string, 3>> LineValues(const RatingContext& context, std::size_t line) {
  const std::string code = context.textAt(lines::ClassCode(line));
  if (code.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return std::array<std::string, 3>{code.substr(0, 3), context.textAt(lines::WeightText(line)),
                                    context.textAt(lines::RateText(line))};
}

bool Put(std::string& record, std::size_t at, const Field& field, std::string_view text, bool quoted) {
  const std::span<char> destination(record.data() + at, field.width);
  if (field.kind == Kind::Number) return PutNumberField(destination, RecordText(text, false));
  PutTextField(destination, RecordText(text, quoted));
  return true;
}

}  // namespace

void PutTextField(std::span<char> destination, std::string_view text) {
  platform::FormatLeftAligned(destination, text);
}

bool PutNumberField(std::span<char> destination, std::string_view text) {
  std::fill(destination.begin(), destination.end(), '0');
  std::size_t place = destination.size();
  for (std::size_t i = text.size(); i-- > 0;) {
    if (place == 0) {
      if (text[i] != ' ') return false;
      continue;
    }
    --place;
    if (text[i] != ' ') destination[place] = text[i];
  }
  return true;
}

void SetExportedDiscount(RatingContext& context) {
  float floor = 0.0f;
  const float limit = context.view().floatAt(of::kSingleShipmentFloor.offset);
  if (context.charAt(of::kSingleShipmentLetter) == 'Y' && limit > 0.0f)
    floor = std::max(limit, context.view().floatAt(ratekit::context::kFloor.offset));
  context.view().setFloat(of::kExportedDiscount.offset, floor);
}

std::optional<std::string> FixedRecord(const RatingContext& context) {
  std::string record(kFixedRecordSize, ' ');
  const auto values = HeaderValues(context);
  for (std::size_t i = 0; i < kHeaderFields.size(); ++i)
    if (!Put(record, kHeaderFields[i].fixedOffset, kHeaderFields[i], values[i], false)) return std::nullopt;
  for (std::size_t k = 0; k < lines::kLines; ++k) {
    const auto line = LineValues(context, k);
    if (!line) continue;
    for (std::size_t f = 0; f < kLineFields.size(); ++f)
      if (!Put(record, kFixedLines + kFixedLineSize * k + kLineFields[f].fixedOffset, kLineFields[f], (*line)[f],
               false))
        return std::nullopt;
  }
  record.replace(kFixedRecordSize - 2, 2, "\r\n");
  return record;
}

std::optional<std::string> WriteExportCsvRecord(const RatingContext& context) {
  std::string record(kCommaRecordSize, ' ');
  const auto values = HeaderValues(context);
  record[0] = '"';
  for (std::size_t i = 0; i < kHeaderFields.size(); ++i) {
    const Field& field = kHeaderFields[i];
    if (!Put(record, field.commaOffset, field, values[i], true)) return std::nullopt;
    std::size_t at = field.commaOffset + field.width;
    if (field.kind == T) record[at++] = '"';
    if (i + 1 == kHeaderFields.size()) break;
    record[at++] = ',';
    if (kHeaderFields[i + 1].kind == T) record[at] = '"';
  }
  for (std::size_t k = 0; k < lines::kLines; ++k) {
    const auto line = LineValues(context, k);
    if (!line) continue;
    const std::size_t start = kCommaLines + kCommaLineSize * k;
    for (std::size_t f = 0; f < kLineFields.size(); ++f)
      if (!Put(record, start + kLineFields[f].commaOffset, kLineFields[f], (*line)[f], true)) return std::nullopt;
    record.replace(start, 2, ",\"");
    record.replace(start + 5, 2, "\",");
    record[start + 13] = ',';
  }
  record.replace(kCommaRecordSize - 2, 2, "\r\n");
  return record;
}

std::string WriteExportHeading(const QivSession& session) {
  struct Title {
    std::int32_t key;
    std::size_t start;
    std::size_t closingQuote;
  };
  static constexpr Title kTitles[] = {
      {56, 1, 5},     {57, 8, 15},    {58, 18, 24},   {59, 27, 34},   {60, 37, 43},   {61, 46, 53},
      {62, 56, 62},   {63, 65, 71},   {66, 74, 80},   {67, 83, 90},   {68, 93, 100},  {69, 103, 111},
      {70, 114, 120}, {71, 123, 129}, {72, 132, 137}, {75, 140, 145}, {76, 148, 154}, {77, 157, 165},
  };
  static_assert([] {
    for (std::size_t i = 0; i + 1 < std::size(kTitles); ++i)
      if (kTitles[i + 1].start != kTitles[i].closingQuote + 3) return false;
    return true;
  }());
  constexpr std::size_t kEmptyColumns = 166;
  constexpr std::size_t kLineEnd = kCommaHeadingSize - 2;
  std::string heading(kCommaHeadingSize, ' ');
  for (const Title& title : kTitles) {
    const std::string text = session.text(title.key);
    heading.replace(title.start, std::min(text.size(), kLineEnd - title.start), text.substr(0, kLineEnd - title.start));
  }
  heading[0] = '"';
  for (std::size_t i = 0; i < std::size(kTitles); ++i) {
    heading[kTitles[i].closingQuote] = '"';
    if (i + 1 == std::size(kTitles)) break;
    heading[kTitles[i].closingQuote + 1] = ',';
    heading[kTitles[i].closingQuote + 2] = '"';
  }
  std::fill(heading.begin() + kEmptyColumns, heading.begin() + kLineEnd, ',');
  heading.replace(kLineEnd, 2, "\r\n");
  return heading;
}

}  // namespace qiv
