// Package rating's exports: the package codes of a tariff and the rating of
// a package request, on the calling thread's engine (the handle of an Ex
// form is not used to find it); a thread without an engine, or a null
// record, gets nothing written. They take no rating lock. The plain
// Vorn_RatePackage alone writes the request and the result to the text log.
#include "interface/with_engine.h"
#include "logs/text_log.h"
#include "package/package_info.h"
#include "package/package_log.h"
#include "package/package_rating.h"
#include "vorn32/vorn32.h"

#define VORN_EXPORT extern "C" __attribute__((visibility("default")))

using namespace vorn;

VORN_EXPORT void Vorn_PackageInfoEx(VornHandle, const char* query, char* list) {
  if (query == nullptr || list == nullptr) return;
  WithEngine([&](RatingEngine& engine) { AnswerPackageInfo(engine, query, list); });
}

VORN_EXPORT void Vorn_PackageInfo(const char* query, char* list) { Vorn_PackageInfoEx(nullptr, query, list); }

VORN_EXPORT void Vorn_RatePackageEx(VornHandle, const char* request, char* result) {
  if (request == nullptr || result == nullptr) return;
  WithEngine([&](RatingEngine& engine) { RatePackageRequest(engine, request, result); });
}

VORN_EXPORT void Vorn_RatePackage(const char* request, char* result) {
  if (request == nullptr || result == nullptr) return;
  WithEngine([&](RatingEngine& engine) {
    const int count = PackageCountOf(request);
    if (engine.debugFlag == 'Y') {
      TextDebugLog log = TextDebugLog::Open(engine.dataPath);
      LogPackageRequest(log, request, count);
    }
    RatePackageRequest(engine, request, result);
    if (engine.debugFlag == 'Y') {
      TextDebugLog log = TextDebugLog::Open(engine.dataPath);
      LogPackageResult(log, result, count);
    }
  });
}
