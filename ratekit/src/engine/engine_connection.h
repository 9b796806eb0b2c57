// Ratekit32's one connection to the rating engine VORN32. Ratekit32 never
// links the engine: the program loads it and puts a module token in the
// RatingContext (LibraryHandles, byte 48390); the ten entry points are
// bound by name from it, in a fixed order, each with the number stored
// when it is missing (400..409). The connection holds the engine's handle,
// the 2160-byte request record every rating reuses and the two
// CityCandidates blocks the engine may fill. No entry point that is not
// bound is ever called.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "ratekit/rating_context.h"
#include "vorn32/shipment_record.h"
#include "vorn32/vorn32.h"

namespace ratekit {

struct EngineEntryPoints {
  decltype(&Vorn_GetStateEx) getState = nullptr;
  decltype(&Vorn_GetErrorStringEx) getErrorString = nullptr;
  decltype(&Vorn_InitializeVornEx) initialize = nullptr;
  decltype(&Vorn_Set_VorndataEx) setDataPath = nullptr;
  decltype(&Vorn_GetEffectiveTableEx) getEffectiveEntry = nullptr;
  decltype(&Vorn_GetEffectiveTableSizeEx) getEffectiveTableSize = nullptr;
  decltype(&Vorn_GetTablesEx) getTables = nullptr;
  decltype(&Vorn_RateShipment2Ex) rateShipment = nullptr;
  decltype(&Vorn_disp_verEx) versionText = nullptr;
  decltype(&Vorn_EndVornEx) end = nullptr;
};

// A CityCandidates block Ratekit32 lends the engine: its size in bytes,
// the entry area's capacity written at its start.
class CandidateBlock {
 public:
  CandidateBlock(std::size_t size, std::int32_t capacity);
  void* data() { return bytes_.data(); }
  std::int32_t count() const;
  std::int16_t listKind() const;
  // Clears the count and list kind before the engine is asked again.
  void clearAnswer();

 private:
  std::vector<std::uint8_t> bytes_;
};

inline constexpr std::size_t kFirstBlockSize = 976;
inline constexpr std::int32_t kFirstBlockCapacity = 960;
inline constexpr std::size_t kSecondBlockSize = 816;
inline constexpr std::int32_t kSecondBlockCapacity = 800;

struct EngineConnection {
  EngineEntryPoints entry;
  // 0 when all ten are bound, else the number of the first missing one.
  std::int32_t bindingResult = 400;
  VornHandle handle = nullptr;  // null: no connection
  vorn::ShipmentRecord request;
  std::optional<CandidateBlock> firstBlock, secondBlock;

  bool isOpen() const { return handle != nullptr; }
  // Open, with the rating entry point and both candidate blocks.
  bool canRate() const { return isOpen() && entry.rateShipment != nullptr && firstBlock && secondBlock; }
};

// The connection of the process.
EngineConnection& Engine();

// GetZQAddresses: drops any connection, then binds the ten names from the
// module the record's engine slot stands for. 0 when all are bound, else
// the number of the first missing one (all of them when the slot holds no
// module).
std::int32_t BindEngine(RatingContextView& record);

// InitializeZQdll: 1 connected (or nothing to do), 0 with the number in
// LastErrorCode.
int OpenEngineConnection(RatingContextView& record);

// EndZQdll.
int CloseEngineConnection(RatingContextView& record);

// VornGetStateCode.
int EngineStateOfCode(const char* zip, char* stateOut);

}  // namespace ratekit
