#include "guide/service_guide_library.h"

#include <array>

#include "errors/engine_codes.h"
#include "platform/kernel/path.h"

namespace vorn {
namespace {

// The names in binding order.
constexpr std::array<const char*, 8> kNames{
    "Lanebook_GetCarrierTypes", "Lanebook_GetServGuideData", "Lanebook_GetTerminals", "Lanebook_GetTermToTermDays",
    "Lanebook_GetCarriers",     "Lanebook_Initialize",       "Lanebook_Terminate",    "Lanebook_SetCarrierDataPath"};

template <class F>
void Assign(void* address, F& slot) {
  slot = reinterpret_cast<F>(address);
}

}  // namespace

std::int16_t ServiceGuideLibrary::load(std::string_view folder) {
  letter_ = 'N';
  functions_ = ServiceGuideFunctions{};
  folder_ = std::string(folder.substr(0, kServiceGuideFolderWidth));
  if (folder_.substr(0, kServiceGuideNotInstalled.size()) == kServiceGuideNotInstalled)
    return code::kServiceGuideNotInitialised;
  platform::Module module =
      platform::Module::Load(platform::WithTrailingSeparator(folder_) + std::string(kServiceGuideLibraryName));
  if (!module.isLoaded()) return code::kServiceGuideNotInitialised;
  handle_ = module.keepLoaded();
  std::array<void*, kNames.size()> found{};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    found[i] = platform::SymbolOfModule(handle_, kNames[i]);
    if (found[i] == nullptr) return code::kServiceGuideEntryNotFound;
  }
  ServiceGuideFunctions& f = functions_;
  Assign(found[0], f.getCarrierTypes);
  Assign(found[1], f.getServGuideData);
  Assign(found[2], f.getTerminals);
  Assign(found[3], f.getTermToTermDays);
  Assign(found[4], f.getCarriers);
  Assign(found[5], f.initialize);
  Assign(found[6], f.terminate);
  Assign(found[7], f.setCarrierDataPath);
  letter_ = 'Y';
  return 0;
}

ServiceGuideLibrary& TheServiceGuide() {
  static ServiceGuideLibrary library;
  return library;
}

}  // namespace vorn
