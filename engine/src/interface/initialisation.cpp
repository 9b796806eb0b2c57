#include "interface/initialisation.h"

#include <cctype>
#include <string>

#include "common/version_text.h"
#include "guide/service_guide_library.h"
#include "interface/process_state.h"
#include "logs/text_log.h"
#include "platform/kernel/environment.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"
#include "platform/kernel/profile_file.h"

namespace vorn {
namespace {

// A one-character Y/N setting, upper-cased; an empty value counts as 'N'.
char ReadLetter(const std::string& settings, const char* key) {
  const std::string value = platform::ReadProfileString(settings, "Debug", key, "N", 2);
  return value.empty() ? 'N' : static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
}

void LogInitialisation(RatingEngine& engine, std::int16_t result) {
  TextDebugLog log = TextDebugLog::Open(engine.dataPath);
  if (!log.isOpen()) {
    engine.debugFlag = 'N';
    return;
  }
  const VersionText version = EngineVersionText();
  using namespace version_text;
  const std::string_view atByte99 = platform::UntilNul(std::string_view(version.chars() + 99, kVersionTextSize - 99));
  log.tag("Version") << VersionPiece(version, kMajor1) << "." << VersionPiece(version, kMinor1) << ","
                     << VersionPiece(version, kBuild) << "," << atByte99;
  log.tag("EffectivePath") << engine.effectivePath << "EndofString";
  log.tag("VornInitializeVorn Return Code") << std::to_string(result);
}

}  // namespace

std::int16_t InitialiseEngine(RatingEngine& engine, const char* dataPath) {
  ProcessState& process = Process();

  // The library's directory is the data path unless the caller names one;
  // kqDll.ini is read there, else from the system settings directory.
  engine.dataPath = process.moduleDirectory;
  std::string settings = process.moduleDirectory + kEngineSettingsFile;
  if (!platform::FindExistingPath(settings)) settings = kEngineSettingsFile;
  process.setSettingsFile(settings);

  if (dataPath != nullptr && *dataPath != '\0') {
    engine.dataPath = dataPath;
    if (!platform::EndsWithPathSeparator(engine.dataPath)) engine.dataPath.push_back(platform::kPathSeparator);
  }
  // The effective table stays where it was found, whatever later changes the
  // data path.
  engine.effectivePath = engine.dataPath;
  engine.serviceGuideLetter = TheServiceGuide().letter();

  engine.debugFlag = ReadLetter(settings, "DebugFlag");
  const int logSize = platform::ReadProfileInt(settings, "Debug", "MBLogSize", 20);
  TextDebugLog::SetSizeLimit(logSize);
  engine.binaryLog.setLetter(ReadLetter(settings, "BinaryDebug"));
  process.useCriticalSection = platform::ReadProfileInt(settings, "Options", "UseCriticalSection", 1);

  // VORNDATA names a file or a directory: its directory part becomes the data
  // path (a last component without a trailing separator is a file name).
  if (std::optional<std::string> override = platform::EnvironmentVariable(kDataPathVariable);
      override && !override->empty()) {
    engine.dataPath = platform::DriveAndDirectory(*override);
  }

  const std::int16_t result = engine.initializeEffectiveTable();
  if (engine.debugFlag == 'Y') LogInitialisation(engine, result);
  return result;
}

bool ChangeDataPath(RatingEngine& engine, const char* path) {
  if (path == nullptr) return false;
  const std::string_view trimmed = platform::TrimTrailingBlanks(path);
  if (trimmed.empty()) return false;
  engine.dataPath = platform::DriveAndDirectory(trimmed);
  if (engine.debugFlag == 'Y') {
    TextDebugLog log = TextDebugLog::Open(engine.dataPath);
    log.tag("ToPath in Vorn_Set_Vorndata") << engine.dataPath << "EndofString";
  }
  return true;
}

}  // namespace vorn
