// The functions VORN32 exports. Each works on the calling thread's engine
// (the handle of an Ex form is not used to find it); a thread without an
// engine gets the function's "no engine" result. No exception leaves the
// library: a failure inside is that function's failure result.
#include <cstring>

#include "common/version_text.h"
#include "driver/rate_shipment.h"
#include "effective/rating_versions.h"
#include "errors/engine_error.h"
#include "errors/error_texts.h"
#include "formats/efcrec.h"
#include "interface/engine_slots.h"
#include "interface/initialisation.h"
#include "interface/process_state.h"
#include "interface/state_and_tables.h"
#include "interface/with_engine.h"
#include "vorn32/vorn32.h"

#define VORN_EXPORT extern "C" __attribute__((visibility("default")))

namespace vorn {
namespace {

// Initialisation makes the engine when the thread has none; a failed one
// deletes it again.
std::int16_t Initialise(const char* dataPath, RatingEngine** initialised) {
  *initialised = nullptr;
  try {
    RatingEngine* engine = EngineForInitialisation();
    if (engine == nullptr) return code::kMemoryError;
    const std::int16_t result = InitialiseEngine(*engine, dataPath);
    if (result != 0) {
      DeleteCurrentEngine();
      return result;
    }
    *initialised = engine;
    ServiceGuideForThread();
    return 0;
  } catch (const EngineError& e) {
    DeleteCurrentEngine();
    return e.code;
  } catch (...) {
    DeleteCurrentEngine();
    return code::kMemoryError;
  }
}

}  // namespace
}  // namespace vorn

using namespace vorn;

VORN_EXPORT int Vorn_InitializeVorn(const char* dataPath) {
  RatingEngine* engine;
  return Initialise(dataPath, &engine);
}

VORN_EXPORT VornHandle Vorn_InitializeVornEx(const char* dataPath) {
  RatingEngine* engine;
  Initialise(dataPath, &engine);
  return engine;
}

VORN_EXPORT int Vorn_Set_VorndataEx(VornHandle, const char* path) {
  return WithEngine(0, [&](RatingEngine& engine) { return ChangeDataPath(engine, path) ? 1 : 0; });
}

VORN_EXPORT int Vorn_Set_Vorndata(const char* path) { return Vorn_Set_VorndataEx(nullptr, path); }

// The rating proper runs under the process-wide rating lock unless the
// settings switched it off; the switch is read once per rating, so that a
// lock taken is always released.
VORN_EXPORT void Vorn_RateShipment2Ex(VornHandle, char* record, void* cityCandidates) {
  if (record == nullptr) return;
  WithEngine([&](RatingEngine& engine) {
    ProcessState& process = Process();
    platform::CriticalSection* lock = process.useCriticalSection != 0 ? &process.ratingLock : nullptr;
    RateShipmentCore(engine, reinterpret_cast<std::uint8_t*>(record), cityCandidates, lock);
  });
}

VORN_EXPORT void Vorn_RateShipment2(char* record, void* cityCandidates) {
  Vorn_RateShipment2Ex(nullptr, record, cityCandidates);
}

VORN_EXPORT void Vorn_RateShipmentEx(VornHandle handle, char* record) { Vorn_RateShipment2Ex(handle, record, nullptr); }

VORN_EXPORT void Vorn_RateShipment(char* record) { Vorn_RateShipment2Ex(nullptr, record, nullptr); }

VORN_EXPORT int Vorn_disp_verEx(VornHandle, char* versionText) {
  if (versionText != nullptr) {
    const VersionText text = EngineVersionText();
    std::memcpy(versionText, text.data(), kVersionTextSize);
  }
  return 0;
}

VORN_EXPORT int Vorn_disp_ver(char* versionText) { return Vorn_disp_verEx(nullptr, versionText); }

VORN_EXPORT int Vorn_EndVornEx(VornHandle) {
  return WithEngine(-1, [](RatingEngine& engine) {
    engine.endEffectiveTable();
    DeleteCurrentEngine();
    return 0;
  });
}

VORN_EXPORT int Vorn_EndVorn(void) { return Vorn_EndVornEx(nullptr); }

VORN_EXPORT char* Vorn_GetErrorStringEx(VornHandle, char* buffer) {
  return WithEngine(static_cast<char*>(nullptr), [&](RatingEngine&) { return FillErrorStringBuffer(buffer); });
}

VORN_EXPORT char* Vorn_GetErrorString(char* buffer) { return Vorn_GetErrorStringEx(nullptr, buffer); }

VORN_EXPORT int Vorn_GetTablesEx(VornHandle, char* tariffTables) {
  if (tariffTables == nullptr) return 0;
  return WithEngine(0, [&](RatingEngine& engine) { return FillTariffTables(engine, tariffTables) ? 1 : 0; });
}

VORN_EXPORT char* Vorn_GetStateEx(VornHandle, char* state, const char* code) {
  if (state == nullptr || code == nullptr) return nullptr;
  return WithEngine(static_cast<char*>(nullptr), [&](RatingEngine& engine) -> char* {
    const std::optional<std::string> found = StateOfCode(engine, std::string_view(code, strnlen(code, 6)));
    if (!found) return nullptr;
    std::memcpy(state, found->data(), 2);
    return state;
  });
}

VORN_EXPORT char* Vorn_GetState(char* state, const char* code) { return Vorn_GetStateEx(nullptr, state, code); }

VORN_EXPORT int Vorn_GetTables(char* tariffTables) { return Vorn_GetTablesEx(nullptr, tariffTables); }

VORN_EXPORT int16_t Vorn_GetEffectiveTableSizeEx(VornHandle) {
  return WithEngine(static_cast<int16_t>(-1), [](RatingEngine& engine) {
    std::optional<std::size_t> count = engine.effective.refreshEffectiveTable();
    return count ? static_cast<int16_t>(*count) : static_cast<int16_t>(-1);
  });
}

VORN_EXPORT int16_t Vorn_GetEffectiveTableSize(void) { return Vorn_GetEffectiveTableSizeEx(nullptr); }

VORN_EXPORT char* Vorn_GetEffectiveTableEx(VornHandle, char* entry, int index) {
  return WithEngine(static_cast<char*>(nullptr), [&](RatingEngine& engine) -> char* {
    if (entry == nullptr || index < 0) return nullptr;
    std::optional<std::size_t> count = engine.effective.refreshEffectiveTable();
    if (!count || static_cast<std::size_t>(index) >= *count) return nullptr;
    std::memcpy(entry, engine.effective.entries()[static_cast<std::size_t>(index)].data(), kEffectiveEntrySize);
    return entry;
  });
}

VORN_EXPORT char* Vorn_GetEffectiveTable(char* entry, int index) {
  return Vorn_GetEffectiveTableEx(nullptr, entry, index);
}

VORN_EXPORT int Vorn_LockEffectiveEx(VornHandle) {
  return WithEngine(0, [](RatingEngine& engine) { return engine.effective.waitEffectiveMutex() ? 1 : 0; });
}

VORN_EXPORT int Vorn_LockEffective(void) { return Vorn_LockEffectiveEx(nullptr); }

VORN_EXPORT int Vorn_UnlockEffectiveEx(VornHandle) {
  return WithEngine(0, [](RatingEngine& engine) { return engine.effective.releaseEffectiveMutex() ? 1 : 0; });
}

VORN_EXPORT int Vorn_UnlockEffective(void) { return Vorn_UnlockEffectiveEx(nullptr); }

VORN_EXPORT void Vorn_SetNotifyCallbackEx(VornHandle, void* context, VornNotifyFunction function) {
  WithEngine([&](RatingEngine& engine) { engine.effective.setNotify(context, function); });
}

VORN_EXPORT void Vorn_SetNotifyCallback(void* context, VornNotifyFunction function) {
  Vorn_SetNotifyCallbackEx(nullptr, context, function);
}

VORN_EXPORT void Vorn_DetermineRatingVersion(char* efcrecRecord) {
  if (efcrecRecord == nullptr) return;
  efcrec::Record record(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(efcrecRecord), efcrec::kRecordSize));
  DetermineRatingVersion(record);
  std::memcpy(efcrecRecord, record.data(), efcrec::kRecordSize);
}
