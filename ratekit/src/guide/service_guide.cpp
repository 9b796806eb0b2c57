#include "guide/service_guide.h"

#include <array>
#include <cstring>
#include <string>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "lanebook/app_form.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"

namespace ratekit {
namespace {

namespace af = lanebook::app_form;

struct GuideName {
  const char* name;
  std::int32_t missing;  // the number stored when it is missing
};
constexpr std::array<GuideName, 6> kGuideNames{{{"Lanebook_GetTermToTermDays", 525},
                                                {"Lanebook_Initialize", 525},
                                                {"Lanebook_Set_JYDataPath", 526},
                                                {"Lanebook_GetServGuideData", 527},
                                                {"Lanebook_GetTerminalDetail", 528},
                                                {"Lanebook_Terminate", 529}}};

// The longest data directory the guide takes.
constexpr std::size_t kMostDataDirectory = 255;
constexpr std::string_view kProduct = "KTQ_Prod";

struct Entries {
  af::GetTermToTermDaysFunction getTermToTermDays = nullptr;
  af::InitializeFunction initialize = nullptr;
  af::SetDataPathFunction setDataPath = nullptr;
  af::GetServGuideDataFunction getServGuideData = nullptr;
  af::GetTerminalDetailFunction getTerminalDetail = nullptr;
  af::TerminateFunction terminate = nullptr;
  bool bound() const { return terminate != nullptr; }
};

// The library-wide state: the bound functions, the guide's handle (0: not
// open) and the block every call shares.
struct ServiceGuide {
  Entries entries;
  std::int32_t handle = 0;
  std::array<char, af::kBlockSize> block{};
  af::BlockView view() { return af::BlockView(block.data()); }
};

ServiceGuide& Guide() {
  static ServiceGuide guide;
  return guide;
}

bool InUse(const RatingContextView& record) { return IntField(record, context::kServiceGuideInUse) != 0; }

template <class F>
void Assign(void* address, F& slot) {
  slot = reinterpret_cast<F>(address);
}

// The block's status, read as a number (0 when it holds no digits).
std::uint64_t BlockStatus(ServiceGuide& g) {
  return platform::LeadingDigits(platform::UntilNul(g.view().text(af::kStatus))).value;
}

// A point's code (7 bytes, as the record holds it) into a block field.
void PutPointCode(ServiceGuide& g, platform::FieldSpan to, const RatingContextView& record, std::size_t point) {
  std::memcpy(g.block.data() + to.offset, record.chars() + shipment_point::Of(point, shipment_point::kCode).offset,
              to.width);
}

}  // namespace

std::int32_t BindServiceGuide(RatingContextView& record) {
  if (!InUse(record)) return 0;
  ServiceGuide& g = Guide();
  g.handle = 0;
  g.entries = Entries{};
  void* module = Tokens().module(record.data(), SlotToken(record, context::kServiceGuideModule));
  std::array<void*, kGuideNames.size()> found{};
  for (std::size_t i = 0; i < kGuideNames.size(); ++i) {
    found[i] = platform::SymbolOfModule(module, kGuideNames[i].name);
    if (found[i] == nullptr) return kGuideNames[i].missing;
  }
  Entries& e = g.entries;
  Assign(found[0], e.getTermToTermDays);
  Assign(found[1], e.initialize);
  Assign(found[2], e.setDataPath);
  Assign(found[3], e.getServGuideData);
  Assign(found[4], e.getTerminalDetail);
  Assign(found[5], e.terminate);
  return 0;
}

int OpenServiceGuide(RatingContextView& record) {
  ServiceGuide& g = Guide();
  if (g.handle != 0 || !InUse(record)) return 1;
  std::string path = DataDirectory(record);
  // A longer directory would reach the guide cut to another folder.
  if (path.size() > kMostDataDirectory || !g.entries.bound()) return 0;
  if (platform::EndsWithPathSeparator(path)) path.pop_back();
  g.block.fill('\0');
  g.handle = g.entries.initialize(g.block.data());
  if (g.handle == 0) return 0;
  g.view().setText(af::kProduct, kProduct);
  return g.entries.setDataPath(g.block.data(), path.c_str(), g.handle) != 0 ? 1 : 0;
}

int AskServiceOfLane(RatingContextView& record) {
  if (!InUse(record)) return 1;
  ServiceGuide& g = Guide();
  const bool ltl = record.charAt(tariff_settings::kLtlService.offset) == '1';
  g.view().setText(af::kServiceType, ltl ? "LTL" : "TL", '\0');
  std::memcpy(g.block.data() + af::kCarrier.offset, record.chars() + tariff_settings::kServiceGuideCarrier.offset,
              af::kCarrier.width);
  PutPointCode(g, af::kOriginCode, record, 0);
  PutPointCode(g, af::kDestinationCode, record, 1);
  if (g.entries.bound()) {
    g.entries.getServGuideData(g.block.data(), g.handle);
  } else {
    g.view().setText(af::kStatus, "1010", '\0');
  }

  record.fill(context::kServiceDays, '\0');
  record.fill(context::kServiceCode, '\0');
  record.fill(context::kServiceTerminal1, '\0');
  for (std::size_t point : {0, 1})
    record.setChar(shipment_point::Of(point, shipment_point::kServiceLetter).offset, ' ');
  const std::uint64_t status = BlockStatus(g);
  if (status >= 1010 && status <= 1099) {
    SetLastError(record, message::kServiceGuideFailed);
    return 0;
  }
  auto copy = [&](platform::FieldSpan to, platform::FieldSpan from) {
    std::memcpy(record.chars() + to.offset, g.block.data() + from.offset, from.width);
  };
  copy(context::kServiceDays, af::kDays);
  copy(context::kServiceCode, af::kCarrierAnswered);
  copy(context::kServiceTerminal1, af::kDaysText);
  copy(context::kServiceTerminal2, af::kOriginTerminal);
  copy(context::kServiceTerminal3, af::kDestinationTerminal);
  const platform::FieldSpan letters[] = {af::kOriginLetter, af::kDestinationLetter};
  for (std::size_t point : {0, 1}) {
    const char letter = g.block[letters[point].offset];
    record.setChar(shipment_point::Of(point, shipment_point::kServiceLetter).offset, letter == '\0' ? 'I' : letter);
  }
  return 1;
}

int AskTerminals(RatingContextView& record) {
  if (!InUse(record)) return 1;
  ServiceGuide& g = Guide();
  SetLastError(record, -1);
  const platform::FieldSpan details[] = {context::kOriginTerminal, context::kDestinationTerminal};
  for (const platform::FieldSpan& d : details) record.fill(d, '\0');
  for (std::size_t point : {0, 1}) {
    g.view().setText(af::kTerminalAsked, "      ", '\0');
    PutPointCode(g, af::kTerminalAsked, record, point);
    if (g.entries.bound()) {
      g.entries.getTerminalDetail(g.block.data(), g.handle);
    } else {
      g.view().setText(af::kStatus, "1010", '\0');
    }
    if (BlockStatus(g) != 1) SetLastError(record, message::kServiceGuideFailed);
    // The fields are copied whatever the status, in the record's order.
    std::size_t at = details[point].offset;
    for (const platform::FieldSpan& f : af::kTerminalFields) {
      std::memcpy(record.chars() + at, g.block.data() + f.offset, f.width);
      at += f.width;
    }
  }
  return 1;
}

int CloseServiceGuide(RatingContextView& record) {
  ServiceGuide& g = Guide();
  if (g.handle == 0 || !InUse(record) || !g.entries.bound()) return 1;
  // The guide's terminate answers non-zero when it closed the handle.
  if (g.entries.terminate(g.handle) == 0) return 0;
  g.handle = 0;
  return 1;
}

}  // namespace ratekit
