#include "guide/service_guide.h"

#include <array>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "messages/message_numbers.h"
#include "platform/kernel/module_loader.h"

namespace ratekit {
namespace {

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

struct ServiceGuide {
  std::array<void*, kGuideNames.size()> entry{};
};

ServiceGuide& Guide() {
  static ServiceGuide guide;
  return guide;
}

bool InUse(const RatingContextView& record) { return IntField(record, context::kServiceGuideInUse) != 0; }

}  // namespace

std::int32_t BindServiceGuide(RatingContextView& record) {
  if (!InUse(record)) return 0;
  ServiceGuide& g = Guide();
  g = ServiceGuide{};
  void* module = Tokens().module(record.data(), SlotToken(record, context::kServiceGuideModule));
  for (std::size_t i = 0; i < kGuideNames.size(); ++i) {
    g.entry[i] = platform::SymbolOfModule(module, kGuideNames[i].name);
    if (g.entry[i] == nullptr) return kGuideNames[i].missing;
  }
  return 0;
}

int OpenServiceGuide(RatingContextView& record) { return InUse(record) ? 0 : 1; }

int AskServiceOfLane(RatingContextView& record) {
  if (!InUse(record)) return 1;
  SetLastError(record, message::kServiceGuideFailed);
  return 0;
}

int AskTerminals(RatingContextView& record) {
  if (!InUse(record)) return 1;
  record.fill(context::kOriginTerminal, '\0');
  record.fill(context::kDestinationTerminal, '\0');
  SetLastError(record, message::kServiceGuideFailed);
  return 1;
}

int CloseServiceGuide(RatingContextView&) { return 1; }

}  // namespace ratekit
