#include "engine_state/rating_engine.h"

#include <cstring>
#include <string_view>

#include "errors/engine_error.h"

namespace vorn {
namespace {

constexpr std::string_view kBreakLabels[9] = {"L5C", "M5C", "M1M", "M2M", "M5M", "M10M", "M20M", "M30M", "M40M"};
constexpr std::string_view kCoreCodeTexts[3] = {"800", "801", "802"};

template <std::size_t N>
void CopyText(std::array<char, N>& slot, std::string_view text) {
  slot.fill('\0');
  std::memcpy(slot.data(), text.data(), text.size() < N ? text.size() : N - 1);
}

// The tariff selection (TDS.SEQ) and the states (TDA.SEQ): 0, or the first
// error.
std::int16_t LoadTariffSelection(std::string_view folder, const BinaryDebugLog& log, SelectionTable& selection,
                                 StateTable& states) {
  if (std::int16_t result = selection.load(folder, log); result != code::kSuccess) return result;
  return states.load(folder, log);
}

}  // namespace

RatingEngine::RatingEngine() : effective(binaryLog, folders) {
  revisionText = "Revision 4.18 - freight rating engine";
  for (std::size_t i = 0; i < breakLabels.size(); ++i) CopyText(breakLabels[i], kBreakLabels[i]);
  for (std::size_t i = 0; i < coreCodeTexts.size(); ++i) CopyText(coreCodeTexts[i], kCoreCodeTexts[i]);
}

RatingEngine::~RatingEngine() { endEffectiveTable(); }

std::int16_t RatingEngine::initializeEffectiveTable() {
  effective.clear();
  effective.setFolder(effectivePath);
  if (std::int16_t result = effective.loadEffectiveTable(); result != code::kSuccess) return result;
  return LoadTariffSelection(effectivePath, binaryLog, selection, states);
}

void RatingEngine::endEffectiveTable() {
  currentTariff = CurrentTariff{};
  effective.clear();
  files.closeAll();
  folders.forget();
}

}  // namespace vorn
