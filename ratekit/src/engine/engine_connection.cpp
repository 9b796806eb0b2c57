#include "engine/engine_connection.h"

#include <cstring>
#include <new>
#include <string>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "engine/effective_copy.h"
#include "messages/message_numbers.h"
#include "platform/kernel/module_loader.h"
#include "vorn32/city_candidates.h"

namespace ratekit {
namespace {

// The version texts the engine writes (offset and width in its 105-byte
// answer) and where each goes in the record.
struct VersionPiece {
  std::size_t offset, width;
  platform::FieldSpan target;
};
constexpr std::array<VersionPiece, 6> kVersionPieces{{{0, 20, context::kVersionStrings[0]},
                                                      {20, 3, context::kVersionStrings[1]},
                                                      {23, 5, context::kVersionStrings[2]},
                                                      {76, 3, context::kVersionStrings[3]},
                                                      {79, 5, context::kVersionStrings[4]},
                                                      {84, 21, context::kVersionStrings[5]}}};

// The ten names in binding order; the first missing one's number is 400
// plus its place.
constexpr std::array<const char*, 10> kEntryNames{"Vorn_GetStateEx",          "Vorn_GetErrorStringEx",
                                                  "Vorn_InitializeVornEx",    "Vorn_Set_VorndataEx",
                                                  "Vorn_GetEffectiveTableEx", "Vorn_GetEffectiveTableSizeEx",
                                                  "Vorn_GetTablesEx",         "Vorn_RateShipment2Ex",
                                                  "Vorn_disp_verEx",          "Vorn_EndVornEx"};

template <class F>
void Assign(void* address, F& slot) {
  slot = reinterpret_cast<F>(address);
}

void CopyVersionTexts(RatingContextView& record, const std::array<char, VORN_VERSION_TEXT_SIZE>& text) {
  for (const VersionPiece& piece : kVersionPieces) {
    const std::size_t length = strnlen(text.data() + piece.offset, piece.width);
    record.setText(piece.target, std::string_view(text.data() + piece.offset, length), '\0');
  }
}

void DropConnection(EngineConnection& e) {
  e.handle = nullptr;
  e.firstBlock.reset();
  e.secondBlock.reset();
}

}  // namespace

CandidateBlock::CandidateBlock(std::size_t size, std::int32_t capacity) : bytes_(size, 0) {
  platform::StoreLittleEndian(bytes_.data() + vorn::candidates::kCapacity.offset, capacity);
}

std::int32_t CandidateBlock::count() const {
  return platform::LoadLittleEndian<std::int32_t>(bytes_.data() + vorn::candidates::kCount.offset);
}

std::int16_t CandidateBlock::listKind() const {
  return platform::LoadLittleEndian<std::int16_t>(bytes_.data() + vorn::candidates::kListKind.offset);
}

void CandidateBlock::clearAnswer() {
  platform::StoreLittleEndian<std::int32_t>(bytes_.data() + vorn::candidates::kCount.offset, 0);
  platform::StoreLittleEndian<std::int16_t>(bytes_.data() + vorn::candidates::kListKind.offset, 0);
}

EngineConnection& Engine() {
  static EngineConnection connection;
  return connection;
}

std::int32_t BindEngine(RatingContextView& record) {
  EngineConnection& e = Engine();
  DropConnection(e);
  e.entry = EngineEntryPoints{};
  void* module = Tokens().module(record.data(), SlotToken(record, context::kEngineModule));
  std::array<void*, kEntryNames.size()> found{};
  std::size_t bound = 0;
  while (bound < kEntryNames.size() && (found[bound] = platform::SymbolOfModule(module, kEntryNames[bound])) != nullptr)
    ++bound;
  EngineEntryPoints& f = e.entry;
  Assign(found[0], f.getState);
  Assign(found[1], f.getErrorString);
  Assign(found[2], f.initialize);
  Assign(found[3], f.setDataPath);
  Assign(found[4], f.getEffectiveEntry);
  Assign(found[5], f.getEffectiveTableSize);
  Assign(found[6], f.getTables);
  Assign(found[7], f.rateShipment);
  Assign(found[8], f.versionText);
  Assign(found[9], f.end);
  e.bindingResult =
      bound == kEntryNames.size() ? 0 : message::kEngineEntryPointMissing + static_cast<std::int32_t>(bound);
  return e.bindingResult;
}

int OpenEngineConnection(RatingContextView& record) {
  EngineConnection& e = Engine();
  if (e.isOpen() || IntField(record, context::kEngineInUse) == 0) return 1;
  if (e.bindingResult != 0) {
    SetLastError(record, e.bindingResult);
    return 0;
  }
  const std::string dataDirectory = DataDirectory(record);
  e.handle = e.entry.initialize(dataDirectory.c_str());
  if (e.handle == nullptr) {
    SetLastError(record, message::kEffectiveTableRead);
    return 0;
  }
  e.entry.setDataPath(e.handle, dataDirectory.c_str());
  e.request.fillAll(' ');
  // An engine that cannot say how many tariffs it has is not kept.
  const std::int16_t tariffs = e.entry.getEffectiveTableSize(e.handle);
  if (tariffs < 0) {
    e.entry.end(e.handle);
    DropConnection(e);
    SetLastError(record, message::kEffectiveTableRead);
    return 0;
  }
  if (const std::optional<std::int32_t> failure = CopyEffectiveTable(record, e.entry, e.handle, tariffs))
    SetLastError(record, *failure);
  try {
    e.firstBlock.emplace(kFirstBlockSize, kFirstBlockCapacity);
  } catch (const std::bad_alloc&) {
    SetLastError(record, message::kFirstCandidateBlock);
    return 0;
  }
  try {
    e.secondBlock.emplace(kSecondBlockSize, kSecondBlockCapacity);
  } catch (const std::bad_alloc&) {
    SetLastError(record, message::kSecondCandidateBlock);
    return 0;
  }
  std::array<char, VORN_VERSION_TEXT_SIZE> version{};
  e.entry.versionText(e.handle, version.data());
  CopyVersionTexts(record, version);
  return 1;
}

int CloseEngineConnection(RatingContextView& record) {
  EngineConnection& e = Engine();
  if (!e.isOpen() || IntField(record, context::kEngineInUse) == 0) return 1;
  const int ended = e.entry.end(e.handle);
  DropConnection(e);
  return ended == 0 ? 1 : 0;
}

int EngineStateOfCode(const char* zip, char* stateOut) {
  const EngineConnection& e = Engine();
  if (zip == nullptr || stateOut == nullptr || e.entry.getState == nullptr) return 0;
  return e.entry.getState(e.handle, stateOut, zip) != nullptr ? 1 : 0;
}

}  // namespace ratekit
