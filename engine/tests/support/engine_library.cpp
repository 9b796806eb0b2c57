#include "support/engine_library.h"

#include <stdexcept>

namespace vorn::testing {

std::filesystem::path BuiltEngineLibrary() { return VORN32_LIBRARY; }

EngineLibrary::EngineLibrary(std::optional<std::string_view> kqDllIni) {
  std::filesystem::copy_file(BuiltEngineLibrary(), dir_ / "VORN32.so");
  if (kqDllIni) dir_.write("kqDll.ini", *kqDllIni);
  module_ = platform::Module::Load(dir_.withSeparator() + "VORN32.DLL");
  if (!module_.isLoaded()) throw std::runtime_error("cannot load the engine: " + platform::Module::lastError());
  auto bind = [&](auto& slot, const char* name) {
    slot = module_.function<std::remove_reference_t<decltype(slot)>>(name);
    if (slot == nullptr) throw std::runtime_error(std::string("missing export ") + name);
  };
#define BIND(name) bind(exports_.name, "Vorn_" #name)
  BIND(InitializeVorn);
  BIND(InitializeVornEx);
  BIND(Set_Vorndata);
  BIND(Set_VorndataEx);
  BIND(disp_ver);
  BIND(disp_verEx);
  BIND(EndVorn);
  BIND(EndVornEx);
  BIND(GetErrorString);
  BIND(GetErrorStringEx);
  BIND(GetTables);
  BIND(GetTablesEx);
  BIND(GetEffectiveTableSize);
  BIND(GetEffectiveTableSizeEx);
  BIND(GetEffectiveTable);
  BIND(GetEffectiveTableEx);
  BIND(LockEffective);
  BIND(LockEffectiveEx);
  BIND(UnlockEffective);
  BIND(UnlockEffectiveEx);
  BIND(SetNotifyCallback);
  BIND(SetNotifyCallbackEx);
  BIND(DetermineRatingVersion);
  BIND(GetState);
  BIND(GetStateEx);
  BIND(RateShipment);
  BIND(RateShipmentEx);
  BIND(RateShipment2);
  BIND(RateShipment2Ex);
  BIND(PackageInfo);
  BIND(PackageInfoEx);
  BIND(RatePackage);
  BIND(RatePackageEx);
#undef BIND
#define BIND_GUIDE(name) bind(exports_.Guide##name, "Lanebook_" #name)
  BIND_GUIDE(Initialize);
  BIND_GUIDE(Terminate);
  BIND_GUIDE(GetServGuideData);
  BIND_GUIDE(GetCarrierTypes);
  BIND_GUIDE(GetCarriers);
  BIND_GUIDE(GetTerminals);
  BIND_GUIDE(GetTermToTermDays);
  BIND_GUIDE(SetCarrierDataPath);
#undef BIND_GUIDE
}

}  // namespace vorn::testing
