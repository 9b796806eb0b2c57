// A stand-in for Ratekit32: every entry point the program binds, doing what
// the program's start-up and shutdown need of it with the files of a test's
// data set (the level file, the settings images), and telling the test of
// every call through the recorder the test program exports
// (QivStandInRecord). Its behaviour comes from STANDIN.TXT in the data
// directory, one directive a line:
//   fail <Function> <number>     the function fails with the number
//   effective <name> <yyyymmdd>  an entry of the effective-tariff table
//   bureau <count>               the count of bureau entries
//   profile <name>               a profile (default: one, "Default")
//   origin <code>                a fixed origin point (.COZ)
// Built once whole and, with STAND_IN_OMIT, without one entry point. Built
// as STANDENG and STANDGDE (STAND_IN_ROLE) it stands for the engine or the
// service guide: then it only records that it is freed.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/kernel/file.h"
#include "platform/kernel/money_rounding.h"
#include "platform/kernel/replace_file.h"
#include "platform/kernel/version_block.h"
#include "ratekit/host_interface.h"
#include "ratekit/rating_context.h"
#include "utilities/text_utilities.h"

#define STAND_IN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using Context = ratekit::RatingContextView;
namespace rc = ratekit::context;

void Record(const std::string& event) {
  using Recorder = void (*)(const char*);
  static const auto recorder = reinterpret_cast<Recorder>(::dlsym(RTLD_DEFAULT, "QivStandInRecord"));
  if (recorder != nullptr) recorder(event.c_str());
}

#ifndef STAND_IN_ROLE
#define STAND_IN_ROLE "ratekit"
#endif

struct Unloaded {
  ~Unloaded() { Record(std::string("freed ") + STAND_IN_ROLE); }
} unloaded;

}  // namespace

#ifdef STAND_IN_RATEKIT
namespace {

std::string Text(const Context& context, platform::FieldSpan field) {
  std::string text(context.text(field));
  text = text.substr(0, text.find('\0'));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string DataDirectory(const Context& context) { return Text(context, rc::kDataDirectory); }
std::string StartupDirectory(const Context& context) { return Text(context, rc::kStartupDirectory); }
std::string Base(const Context& context) { return Text(context, rc::kTariffBaseName); }

struct Script {
  std::map<std::string, int> failures;
  std::vector<std::string> effective;  // 17-byte entries
  int bureaus = 0;
  std::vector<std::string> profiles;
  std::vector<std::string> origins;
};

Script ReadScript(const Context& context) {
  Script script;
  std::ifstream in(DataDirectory(context) + "STANDIN.TXT");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string verb, a, b;
    words >> verb >> a >> b;
    if (verb == "fail") script.failures[a] = std::stoi(b);
    if (verb == "effective") {
      std::string entry = a;
      entry.resize(8, ' ');
      entry += b.substr(0, 8);
      entry.resize(17, ' ');
      script.effective.push_back(entry);
    }
    if (verb == "bureau") script.bureaus = std::stoi(a);
    if (verb == "profile") script.profiles.push_back(a);
    if (verb == "origin") {
      a.resize(6, ' ');
      script.origins.push_back(a);
    }
  }
  if (script.profiles.empty()) script.profiles.push_back("Default");
  return script;
}

// Records the call; false (with the number in LastErrorCode) when the
// script makes it fail.
bool Called(void* record, const char* function) {
  Record(function);
  if (record == nullptr) return true;
  Context context(record);
  const Script script = ReadScript(context);
  const auto failure = script.failures.find(function);
  if (failure == script.failures.end()) return true;
  context.setInteger<std::int32_t>(rc::kLastErrorCode.offset, failure->second);
  return false;
}

// The host side: boxes and tokens.
RatekitShowBox gShow = nullptr;
RatekitQuit gQuit = nullptr;
void* gHostContext = nullptr;

struct TokenEntry {
  const void* owner;
  int kind;
  void* object;
  std::size_t size;
  std::shared_ptr<std::vector<std::uint8_t>> own;
};
std::map<std::uint32_t, TokenEntry>& TokenTable() {
  static std::map<std::uint32_t, TokenEntry> table;
  return table;
}
std::uint32_t gNextToken = 0x80000001u;

std::uint32_t OwnBuffer(void* record, std::vector<std::uint8_t> bytes) {
  auto own = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
  const std::uint32_t token = gNextToken++;
  TokenTable()[token] = {record, RATEKIT_TOKEN_BUFFER, own->data(), own->size(), own};
  return token;
}

void InstallBoxes(RatekitShowBox show, RatekitQuit quit, void* hostContext) {
  gShow = show;
  gQuit = quit;
  gHostContext = hostContext;
}
int TakeQuit(int*) { return 0; }
std::uint32_t MakeToken(void* record, int kind, void* object, std::size_t size) {
  const std::uint32_t token = gNextToken++;
  TokenTable()[token] = {record, kind, object, size, nullptr};
  Record("token " + std::to_string(kind));
  return token;
}
void* ResolveToken(const void* record, std::uint32_t token, int kind, std::size_t* size) {
  const auto it = TokenTable().find(token);
  if (it == TokenTable().end() || it->second.owner != record || it->second.kind != kind) return nullptr;
  if (size != nullptr) *size = it->second.size;
  return it->second.object;
}
void ReleaseToken(void*, std::uint32_t token) { TokenTable().erase(token); }
const RatekitHost kHost{sizeof(RatekitHost), &InstallBoxes, &TakeQuit, &MakeToken, &ResolveToken, &ReleaseToken};

bool ReadInto(void* record, const std::vector<std::string>& paths, platform::FieldSpan image) {
  for (const std::string& path : paths) {
    const auto bytes = platform::ReadWholeFile(path);
    if (!bytes) continue;
    if (bytes->size() < image.width) return false;
    std::memcpy(static_cast<std::uint8_t*>(record) + image.offset, bytes->data(), image.width);
    return true;
  }
  return false;
}

int Fails(void* record, int number) {
  Context(record).setInteger<std::int32_t>(rc::kLastErrorCode.offset, number);
  return 0;
}

int WriteImage(void* record, const std::string& path, platform::FieldSpan image, int createFailure) {
  const auto* bytes = static_cast<const std::uint8_t*>(record) + image.offset;
  return platform::ReplaceFile(path, std::span<const std::uint8_t>(bytes, image.width)).ok()
             ? 1
             : Fails(record, createFailure);
}

int Box(RatekitBoxKind kind, const char* text, const char* caption, void* owner) {
  Record(std::string("box ") + (caption != nullptr ? caption : "") + ": " + (text != nullptr ? text : ""));
  return gShow != nullptr ? gShow(gHostContext, kind, caption, text, owner) : RATEKIT_ANSWER_OK;
}

}  // namespace

#if STAND_IN_OMIT != 1
STAND_IN_EXPORT int OpenLevelFile(void* record, const char* fileName) {
  if (!Called(record, "OpenLevelFile")) return 0;
  Context context(record);
  const auto bytes = platform::ReadWholeFile(DataDirectory(context) + fileName);
  if (!bytes) return Fails(record, 300);
  context.setInteger<std::uint32_t>(rc::kLevelTable.offset, OwnBuffer(record, *bytes));
  context.setInteger<std::int32_t>(rc::kLevelCount.offset, static_cast<std::int32_t>(bytes->size() / 18));
  if (bytes->size() >= 18) {
    const std::string date(reinterpret_cast<const char*>(bytes->data()) + 8, 8);
    context.setText(rc::kShipmentDate, date.substr(4, 2) + "-" + date.substr(6, 2) + "-" + date.substr(0, 4));
  }
  return 1;
}
#endif

#if STAND_IN_OMIT != 2
STAND_IN_EXPORT int ReadColtOpt(const char*, char*, const char*) {
  Record("ReadColtOpt");
  return 0;
}
#endif

STAND_IN_EXPORT int ReadDefFile(void* record) {
  if (!Called(record, "ReadDefFile")) return 0;
  const Context context(record);
  const std::string name = Base(context) + ".DEF";
  return ReadInto(record, {StartupDirectory(context) + name, DataDirectory(context) + name}, rc::kRatingDefaultsImage)
             ? 1
             : Fails(record, 240);
}

STAND_IN_EXPORT int OpenAllFiles(void* record, int* stateTablesLoaded) {
  if (!Called(record, "OpenAllFiles")) return 0;
  Context context(record);
  const std::string base = Base(context);
  if (!ReadInto(record, {DataDirectory(context) + base + ".SET"}, rc::kTariffSettingsImage)) return Fails(record, 370);
  const bool mexico =
      ReadInto(record, {StartupDirectory(context) + base + ".MEF", DataDirectory(context) + base + ".MEF"},
               rc::kMexicoDefaultsImage) &&
      ReadInto(record, {DataDirectory(context) + base + ".MET"}, rc::kMexicoSettingsImage);
  context.setInteger<std::int32_t>(rc::kMexicoFilesLoaded.offset, mexico ? 1 : 0);
  if (stateTablesLoaded != nullptr) *stateTablesLoaded = 0;
  return 1;
}

STAND_IN_EXPORT int ReadProfileFile(void* record) { return Called(record, "ReadProfileFile") ? 1 : 0; }

STAND_IN_EXPORT int ReadDiscFile(void* record) {
  if (!Called(record, "ReadDiscFile")) return 0;
  const Context context(record);
  ReadInto(record, {DataDirectory(context) + Base(context) + ".DIS"}, rc::kDiscountFileImage);
  return 1;
}

STAND_IN_EXPORT int GetProfileSize(void* record) {
  if (!Called(record, "GetProfileSize")) return 0;
  return static_cast<int>(ReadScript(Context(record)).profiles.size());
}

STAND_IN_EXPORT int GetProfileKey(void* record, int index, char* name) {
  if (!Called(record, "GetProfileKey")) return 0;
  const Script script = ReadScript(Context(record));
  if (index < 0 || index >= static_cast<int>(script.profiles.size())) return Fails(record, 126);
  std::memset(name, 0, 31);
  std::strncpy(name, script.profiles[static_cast<std::size_t>(index)].c_str(), 30);
  return 1;
}

STAND_IN_EXPORT int GetZQAddresses(void* record, void*) { return Called(record, "GetZQAddresses") ? 1 : 0; }
STAND_IN_EXPORT int GetJYAddresses(void* record, void*) { return Called(record, "GetJYAddresses") ? 1 : 0; }

STAND_IN_EXPORT int InitializeZQdll(void* record) {
  if (!Called(record, "InitializeZQdll")) return 0;
  Context context(record);
  const Script script = ReadScript(context);
  std::vector<std::uint8_t> table;
  for (const std::string& entry : script.effective) table.insert(table.end(), entry.begin(), entry.end());
  if (!table.empty()) context.setInteger<std::uint32_t>(rc::kEffectiveTableCopy.offset, OwnBuffer(record, table));
  context.setInteger<std::int32_t>(rc::kEffectiveEntriesKept.offset,
                                   static_cast<std::int32_t>(script.effective.size()));
  context.setInteger<std::int32_t>(rc::kEffectiveEntriesSkipped.offset, script.bureaus);
  return 1;
}

STAND_IN_EXPORT int InitializeJYdll(void* record) { return Called(record, "InitializeJYdll") ? 1 : 0; }
STAND_IN_EXPORT int EndZQdll(void* record) { return Called(record, "EndZQdll") ? 1 : 0; }
STAND_IN_EXPORT int EndJYdll(void* record) { return Called(record, "EndJYdll") ? 1 : 0; }

STAND_IN_EXPORT int CloseAllFiles(void* record) {
  Record("CloseAllFiles");
  Context context(record);
  const int dsp = context.integerAt<std::int32_t>(rc::kDspFile.offset);
  if (dsp > 2) {
    ::close(dsp);
    context.setInteger<std::int32_t>(rc::kDspFile.offset, 0);
  }
  return 1;
}

STAND_IN_EXPORT int WriteDefFile(void* record) {
  if (!Called(record, "WriteDefFile")) return 0;
  const Context context(record);
  return WriteImage(record, Base(context) + ".DEF", rc::kRatingDefaultsImage, 241);
}

STAND_IN_EXPORT int WriteMexicoDefFile(void* record) {
  if (!Called(record, "WriteMexicoDefFile")) return 0;
  const Context context(record);
  return WriteImage(record, StartupDirectory(context) + Base(context) + ".MEF", rc::kMexicoDefaultsImage, 160);
}

STAND_IN_EXPORT int WriteAccFile(void* record) { return Called(record, "WriteAccFile") ? 1 : 0; }
STAND_IN_EXPORT int ReadCOZFile(void* record) {
  Record("ReadCOZFile");
  Context context(record);
  const Script script = ReadScript(context);
  if (script.origins.empty()) return 0;
  std::vector<std::uint8_t> table;
  for (const std::string& code : script.origins) table.insert(table.end(), code.begin(), code.end());
  context.setInteger<std::uint32_t>(rc::kCozTable.offset, OwnBuffer(record, table));
  context.setInteger<std::int32_t>(rc::kCozCount.offset, static_cast<std::int32_t>(script.origins.size()));
  return 1;
}

STAND_IN_EXPORT int warning(const char* text, const char* caption, int, void* owner) {
  return Box(RATEKIT_BOX_WARNING, text, caption, owner);
}
STAND_IN_EXPORT void fatal(const char* text, const char* caption, int code) {
  Box(RATEKIT_BOX_ERROR, text, caption, nullptr);
  if (gQuit != nullptr) gQuit(gHostContext, code);
}
STAND_IN_EXPORT int question(const char* text, const char* caption, int, void* owner) {
  return Box(RATEKIT_BOX_QUESTION, text, caption, owner) == RATEKIT_ANSWER_NO ? 0 : 1;
}
STAND_IN_EXPORT const RatekitHost* RatekitHostInterface(void) { return &kHost; }
STAND_IN_EXPORT const platform::VersionBlock* ModuleVersionBlock() {
  static constexpr platform::VersionBlock kBlock{"040904b0", "Stand-in Rating Library", "4,18,2,7", "4,18,2,7"};
  return &kBlock;
}

// The rest: recorded, answering as a closed data set would.
#define STAND_IN_RECORDED(name, ...)      \
  STAND_IN_EXPORT int name(__VA_ARGS__) { \
    Record(#name);                        \
    return 1;                             \
  }
STAND_IN_RECORDED(GetZQBse, void*)
STAND_IN_RECORDED(GetZQTariffName, void*)
STAND_IN_RECORDED(CheckQIVCAN, void*)
STAND_IN_RECORDED(GetZipcIndex, void*, const char*)
STAND_IN_RECORDED(LoadProfileZP6, void*)
STAND_IN_RECORDED(LoadProfileSettings, void*)
STAND_IN_RECORDED(GetProfileRecord, void*)
STAND_IN_RECORDED(ReadWgtFile, void*)
STAND_IN_RECORDED(RateShipment, void*, int, void*)
STAND_IN_RECORDED(VerTerritory, void*)
STAND_IN_RECORDED(GetStateCode, void*, const char*, char*, char*, char*)
STAND_IN_RECORDED(VerClass, void*, const char*, int, int)
STAND_IN_RECORDED(VerWeight, void*, const char*, int)
STAND_IN_RECORDED(ValidWeight, void*, int)
STAND_IN_RECORDED(VerOrigZip, void*)
STAND_IN_RECORDED(VerDestZip, void*)
STAND_IN_RECORDED(GetService, void*)
STAND_IN_EXPORT int GetTerminals(void* record) { return Called(record, "GetTerminals") ? 1 : 0; }
STAND_IN_EXPORT char* GetCurrentEfcRec(void*, const char*) { return nullptr; }
// The library's own rounding rule, so that the calculator's figures are its.
STAND_IN_EXPORT double rndoff(float x, int n) { return platform::RoundMoney(x, n); }
STAND_IN_EXPORT const char* SplitPath(const char* path) { return path; }
STAND_IN_EXPORT short LoadDiscounts(void*, void*, int) { return 0; }
STAND_IN_EXPORT void ClearDiscList(void*) {}
STAND_IN_EXPORT char* strltrim(char* text) { return text; }
STAND_IN_EXPORT char* strtrim(char* text) { return text; }
STAND_IN_EXPORT char* ForceFileNameExtension(char* name, const char* ext) {
  const std::string forced = ratekit::WithForcedExtension(name, ext);
  std::memcpy(name, forced.c_str(), forced.size() + 1);
  return name;
}
STAND_IN_EXPORT void SetClassesAndWeights(void*, int, int) {}
#endif
