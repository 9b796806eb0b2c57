// RatekitBindings: the table of Ratekit32's entry points the program binds
// by name at start-up, in a fixed order, each name with the number of its
// message when it is missing. Every later call from the program into
// Ratekit32 goes through this table (the RatingContext is passed first
// where the function takes one). VornGetStateCode, Ratekit32's fiftieth
// export, is not bound.
#pragma once

#include <cstdint>
#include <span>

#include "ratekit/host_interface.h"

namespace qiv {

// What RateShipment answers for a shipment it could not rate.
inline constexpr int kRatingFailed = 9999;

struct RatekitBindings {
  int (*GetZQBse)(void* context) = nullptr;
  int (*GetZQTariffName)(void* context) = nullptr;
  int (*CheckQIVCAN)(void* context) = nullptr;
  int (*WriteMexicoDefFile)(void* context) = nullptr;
  int (*ReadCOZFile)(void* context) = nullptr;
  int (*GetJYAddresses)(void* context, void* owner) = nullptr;
  int (*GetZQAddresses)(void* context, void* owner) = nullptr;
  int (*GetZipcIndex)(void* context, const char* prefix) = nullptr;
  int (*LoadProfileZP6)(void* context) = nullptr;
  int (*GetProfileKey)(void* context, int index, char* name) = nullptr;
  int (*GetProfileSize)(void* context) = nullptr;
  int (*LoadProfileSettings)(void* context) = nullptr;
  int (*GetProfileRecord)(void* context) = nullptr;
  int (*ReadProfileFile)(void* context) = nullptr;
  int (*ReadColtOpt)(const char* path, char* record, const char* name) = nullptr;
  int (*ReadWgtFile)(void* context) = nullptr;
  // Answers kRatingFailed when the shipment could not be rated.
  int (*RateShipment)(void* context, int detailCount, void* owner) = nullptr;
  int (*OpenLevelFile)(void* context, const char* fileName) = nullptr;
  int (*warning)(const char* text, const char* caption, int code, void* owner) = nullptr;
  void (*fatal)(const char* text, const char* caption, int code) = nullptr;
  int (*question)(const char* text, const char* caption, int code, void* owner) = nullptr;
  char* (*GetCurrentEfcRec)(void* context, const char* key) = nullptr;
  double (*rndoff)(float x, int n) = nullptr;
  int (*VerTerritory)(void* context) = nullptr;
  int (*GetStateCode)(void* context, const char* code, char* state, char* flag1, char* flag2) = nullptr;
  int (*VerClass)(void* context, const char* classCode, int line, int fakAllowed) = nullptr;
  int (*WriteAccFile)(void* context) = nullptr;
  int (*WriteDefFile)(void* context) = nullptr;
  int (*VerWeight)(void* context, const char* weight, int line) = nullptr;
  int (*ValidWeight)(void* context, int breakIndex) = nullptr;
  const char* (*SplitPath)(const char* path) = nullptr;
  int (*VerOrigZip)(void* context) = nullptr;
  int (*VerDestZip)(void* context) = nullptr;
  int (*CloseAllFiles)(void* context) = nullptr;
  int (*OpenAllFiles)(void* context, int* stateTablesLoaded) = nullptr;
  short (*LoadDiscounts)(void* context, void* block, int mode) = nullptr;
  void (*ClearDiscList)(void* context) = nullptr;
  int (*ReadDiscFile)(void* context) = nullptr;
  char* (*strltrim)(char* text) = nullptr;
  char* (*strtrim)(char* text) = nullptr;
  char* (*ForceFileNameExtension)(char* name, const char* extension) = nullptr;
  int (*ReadDefFile)(void* context) = nullptr;
  void (*SetClassesAndWeights)(void* context, int mode, int fakAllowed) = nullptr;
  int (*InitializeZQdll)(void* context) = nullptr;
  int (*EndZQdll)(void* context) = nullptr;
  int (*InitializeJYdll)(void* context) = nullptr;
  int (*EndJYdll)(void* context) = nullptr;
  int (*GetService)(void* context) = nullptr;
  int (*GetTerminals)(void* context) = nullptr;

  // The library's table for the program (message boxes, tokens); bound
  // after the 49, null when the library has none.
  const RatekitHost* (*RatekitHostInterface)() = nullptr;
};

// When an entry is looked up, and whether a missing one stops binding.
enum class BindingRule {
  Required,
  OnlyWithServiceGuide,  // looked up only when the service guide is used
  OnlyWithEngine,        // looked up only when the engine is used
  Optional,              // a missing one leaves its number and binding goes on
};

struct BindingEntry {
  const char* name;
  std::int32_t message;  // stored in LastErrorCode when the name is missing
  BindingRule rule;
  void (*store)(RatekitBindings& bindings, void* address);
};

// The 49 entries in binding order.
std::span<const BindingEntry> RatekitBindingOrder();

struct BindingResult {
  bool bound = false;
  std::int32_t lastMessage = 0;  // the number to store in LastErrorCode, 0 when none
};

// Binds every entry from the symbols of a library (symbolOf(name) gives the
// address or null) and the host interface after them: bound, or not bound
// with the number of the first required name missing. A missing optional
// entry leaves its number, and binding goes on.
BindingResult BindLibraryExports(RatekitBindings& bindings, bool engineInUse, bool serviceGuideInUse,
                                 void* (*symbolOf)(void* library, const char* name), void* library);

}  // namespace qiv
