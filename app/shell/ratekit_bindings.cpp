#include "shell/ratekit_bindings.h"

#include <array>

namespace qiv {
namespace {

#define QIV_BINDING(member, message, rule)                                                                   \
  BindingEntry {                                                                                             \
#member, message, BindingRule::rule,                                                                     \
        [](RatekitBindings & b, void* address) { b.member = reinterpret_cast<decltype(b.member)>(address); } \
  }

const std::array kOrder{
    QIV_BINDING(GetZQBse, 496, Required),
    QIV_BINDING(GetZQTariffName, 497, Required),
    QIV_BINDING(CheckQIVCAN, 495, Required),
    QIV_BINDING(WriteMexicoDefFile, 159, Required),
    QIV_BINDING(ReadCOZFile, 162, Required),
    QIV_BINDING(GetJYAddresses, 163, OnlyWithServiceGuide),
    QIV_BINDING(GetZQAddresses, 164, OnlyWithEngine),
    QIV_BINDING(GetZipcIndex, 165, Required),
    QIV_BINDING(LoadProfileZP6, 166, Required),
    QIV_BINDING(GetProfileKey, 167, Required),
    QIV_BINDING(GetProfileSize, 169, Required),
    QIV_BINDING(LoadProfileSettings, 170, Required),
    QIV_BINDING(GetProfileRecord, 171, Required),
    QIV_BINDING(ReadProfileFile, 172, Required),
    QIV_BINDING(ReadColtOpt, 173, Optional),
    QIV_BINDING(ReadWgtFile, 174, Required),
    QIV_BINDING(RateShipment, 177, Required),
    QIV_BINDING(OpenLevelFile, 178, Required),
    QIV_BINDING(warning, 179, Required),
    QIV_BINDING(fatal, 180, Required),
    QIV_BINDING(question, 184, Required),
    QIV_BINDING(GetCurrentEfcRec, 185, Required),
    QIV_BINDING(rndoff, 186, Required),
    QIV_BINDING(VerTerritory, 187, Required),
    QIV_BINDING(GetStateCode, 188, Required),
    QIV_BINDING(VerClass, 189, Required),
    QIV_BINDING(WriteAccFile, 190, Required),
    QIV_BINDING(WriteDefFile, 191, Required),
    QIV_BINDING(VerWeight, 192, Required),
    QIV_BINDING(ValidWeight, 194, Required),
    QIV_BINDING(SplitPath, 195, Required),
    QIV_BINDING(VerOrigZip, 196, Required),
    QIV_BINDING(VerDestZip, 197, Required),
    QIV_BINDING(CloseAllFiles, 198, Required),
    QIV_BINDING(OpenAllFiles, 199, Required),
    QIV_BINDING(LoadDiscounts, 200, Required),
    QIV_BINDING(ClearDiscList, 201, Required),
    QIV_BINDING(ReadDiscFile, 202, Required),
    QIV_BINDING(strltrim, 203, Required),
    QIV_BINDING(strtrim, 204, Required),
    QIV_BINDING(ForceFileNameExtension, 205, Required),
    QIV_BINDING(ReadDefFile, 206, Required),
    QIV_BINDING(SetClassesAndWeights, 207, Required),
    QIV_BINDING(InitializeZQdll, 208, Required),
    QIV_BINDING(EndZQdll, 209, Required),
    QIV_BINDING(InitializeJYdll, 211, Required),
    QIV_BINDING(EndJYdll, 212, Required),
    QIV_BINDING(GetService, 213, Required),
    QIV_BINDING(GetTerminals, 215, Required),
};
static_assert(kOrder.size() == 49);

#undef QIV_BINDING

}  // namespace

std::span<const BindingEntry> RatekitBindingOrder() { return kOrder; }

BindingResult BindLibraryExports(RatekitBindings& bindings, bool engineInUse, bool serviceGuideInUse,
                                 void* (*symbolOf)(void* library, const char* name), void* library) {
  BindingResult result;
  for (const BindingEntry& entry : kOrder) {
    if (entry.rule == BindingRule::OnlyWithServiceGuide && !serviceGuideInUse) continue;
    if (entry.rule == BindingRule::OnlyWithEngine && !engineInUse) continue;
    void* address = symbolOf(library, entry.name);
    entry.store(bindings, address);
    if (address != nullptr) continue;
    result.lastMessage = entry.message;
    if (entry.rule != BindingRule::Optional) return result;
  }
  bindings.RatekitHostInterface =
      reinterpret_cast<decltype(bindings.RatekitHostInterface)>(symbolOf(library, "RatekitHostInterface"));
  result.bound = true;
  return result;
}

}  // namespace qiv
