// Test support: a private copy of VORN32.so loaded by name, as a program
// loads it, with its exports bound. Each copy lives in its own temporary
// directory, so every test starts with a library that has never been called
// (its own process state, settings file and thread slots).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/kernel/module_loader.h"
#include "platform/testing/temp_directory.h"
#include "vorn32/vorn32.h"

namespace vorn::testing {

struct EngineExports {
  decltype(&Vorn_InitializeVorn) InitializeVorn = nullptr;
  decltype(&Vorn_InitializeVornEx) InitializeVornEx = nullptr;
  decltype(&Vorn_Set_Vorndata) Set_Vorndata = nullptr;
  decltype(&Vorn_Set_VorndataEx) Set_VorndataEx = nullptr;
  decltype(&Vorn_disp_ver) disp_ver = nullptr;
  decltype(&Vorn_disp_verEx) disp_verEx = nullptr;
  decltype(&Vorn_EndVorn) EndVorn = nullptr;
  decltype(&Vorn_EndVornEx) EndVornEx = nullptr;
  decltype(&Vorn_GetErrorString) GetErrorString = nullptr;
  decltype(&Vorn_GetErrorStringEx) GetErrorStringEx = nullptr;
  decltype(&Vorn_GetTables) GetTables = nullptr;
  decltype(&Vorn_GetTablesEx) GetTablesEx = nullptr;
  decltype(&Vorn_GetEffectiveTableSize) GetEffectiveTableSize = nullptr;
  decltype(&Vorn_GetEffectiveTableSizeEx) GetEffectiveTableSizeEx = nullptr;
  decltype(&Vorn_GetEffectiveTable) GetEffectiveTable = nullptr;
  decltype(&Vorn_GetEffectiveTableEx) GetEffectiveTableEx = nullptr;
  decltype(&Vorn_LockEffective) LockEffective = nullptr;
  decltype(&Vorn_LockEffectiveEx) LockEffectiveEx = nullptr;
  decltype(&Vorn_UnlockEffective) UnlockEffective = nullptr;
  decltype(&Vorn_UnlockEffectiveEx) UnlockEffectiveEx = nullptr;
  decltype(&Vorn_SetNotifyCallback) SetNotifyCallback = nullptr;
  decltype(&Vorn_SetNotifyCallbackEx) SetNotifyCallbackEx = nullptr;
  decltype(&Vorn_DetermineRatingVersion) DetermineRatingVersion = nullptr;
  decltype(&Vorn_GetState) GetState = nullptr;
  decltype(&Vorn_GetStateEx) GetStateEx = nullptr;
  decltype(&Vorn_RateShipment) RateShipment = nullptr;
  decltype(&Vorn_RateShipmentEx) RateShipmentEx = nullptr;
  decltype(&Vorn_RateShipment2) RateShipment2 = nullptr;
  decltype(&Vorn_RateShipment2Ex) RateShipment2Ex = nullptr;
  decltype(&Vorn_PackageInfo) PackageInfo = nullptr;
  decltype(&Vorn_PackageInfoEx) PackageInfoEx = nullptr;
  decltype(&Vorn_RatePackage) RatePackage = nullptr;
  decltype(&Vorn_RatePackageEx) RatePackageEx = nullptr;
  // The service guide passed through.
  decltype(&Lanebook_Initialize) GuideInitialize = nullptr;
  decltype(&Lanebook_Terminate) GuideTerminate = nullptr;
  decltype(&Lanebook_GetServGuideData) GuideGetServGuideData = nullptr;
  decltype(&Lanebook_GetCarrierTypes) GuideGetCarrierTypes = nullptr;
  decltype(&Lanebook_GetCarriers) GuideGetCarriers = nullptr;
  decltype(&Lanebook_GetTerminals) GuideGetTerminals = nullptr;
  decltype(&Lanebook_GetTermToTermDays) GuideGetTermToTermDays = nullptr;
  decltype(&Lanebook_SetCarrierDataPath) GuideSetCarrierDataPath = nullptr;
};

class EngineLibrary {
 public:
  // Copies the built library into a fresh directory; kqDllIni, when given,
  // is written beside it as the library's settings file.
  explicit EngineLibrary(std::optional<std::string_view> kqDllIni = std::nullopt);

  const EngineExports& operator*() const { return exports_; }
  const EngineExports* operator->() const { return &exports_; }

  // The directory the library was loaded from, with a trailing separator.
  std::string directory() const { return dir_.withSeparator(); }

 private:
  platform::testing::TempDirectory dir_;
  platform::Module module_;
  EngineExports exports_;
};

// The built VORN32.so.
std::filesystem::path BuiltEngineLibrary();

}  // namespace vorn::testing
