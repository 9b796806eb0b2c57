// Test support: a RatingContext as the program allocates it (91,240 zeroed
// bytes), filled field by field; libraries loaded by name with their module
// tokens in the context's library slots; the message boxes Ratekit32
// shows, recorded.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/module_loader.h"
#include "platform/testing/temp_directory.h"
#include "ratekit/host_interface.h"
#include "ratekit/rating_context.h"
#include "support/fake_engine.h"

namespace ratekit::testing {

class TestContext {
 public:
  TestContext();
  void* data() { return bytes_.get(); }
  RatingContextView view() { return RatingContextView(bytes_.get()); }

  void setText(platform::FieldSpan field, std::string_view text, char pad = '\0') { view().setText(field, text, pad); }
  void setInt(platform::FieldSpan field, std::int32_t value) { view().setInteger(field.offset, value); }
  void setShort(platform::FieldSpan field, std::int16_t value) { view().setInteger(field.offset, value); }
  void setFloat(platform::FieldSpan field, float value) { view().setFloat(field.offset, value); }
  // The field's bytes as they stand, or up to the first NUL.
  std::string bytes(platform::FieldSpan field) { return std::string(view().text(field)); }
  std::string text(platform::FieldSpan field);
  std::int32_t integer(platform::FieldSpan field) { return view().integerAt<std::int32_t>(field.offset); }
  std::int32_t lastError() { return integer(context::kLastErrorCode); }

  // The data directory (a separator is added) and the level; the engine
  // marked in use.
  void useData(const std::filesystem::path& directory, std::string_view level = "SAMPLE01");
  // A point: code, state and city (origin 0, destination 1).
  void setPoint(std::size_t point, std::string_view code, std::string_view state, std::string_view city);
  // A shipment line: class and weight text.
  void setLine(std::size_t i, std::string_view cls, std::string_view weight);
  // The shipment of a sample shipment file (samples/shipments/<name>.shipment),
  // as the rating tool fills it (context_shipment.h); its line count.
  int setSampleShipment(std::string_view name);
  // Discounts in use, kind 'C', the same percentage in every field.
  void setDiscounts(float percent);

 private:
  std::unique_ptr<std::uint8_t[]> bytes_;
};

// A library loaded by name from a directory, as the program loads it, with
// its token in a library slot of the context.
class LoadedModule {
 public:
  LoadedModule(TestContext& context, const std::filesystem::path& file,
               platform::FieldSpan slot = context::kEngineModule);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;
  const platform::Module& module() const { return module_; }
  // The fake engine's control, when the module is one.
  FakeEngineControl& fake() const;

 private:
  TestContext& context_;
  platform::Module module_;
  std::uint32_t token_ = 0;
};

// A context connected to the fake engine on the sample data at a level
// (its lane tariff tables loaded), with a shipment of one line: NACLASS1 on
// 03-14-2025, 10001 NY NEW YORK to 60601 IL CHICAGO, class 85 at 1200 pounds.
class FakeEngineShipment {
 public:
  explicit FakeEngineShipment(std::string_view level = "SAMPLE01");
  // RateShipment; the last request the engine got (empty when none).
  int rate(int detailCount = 1);
  std::string request() const;
  FakeEngineControl& fake() const { return engine_.fake(); }
  TestContext context;

 private:
  LoadedModule engine_;
};

// The built libraries and data.
std::filesystem::path SampleData();                        // build/ZQDATA
std::filesystem::path EngineLibrary();                     // VORN32.DLL there
std::filesystem::path FakeEngineLibrary(int omitted = 0);  // the variant without name `omitted`
std::filesystem::path SampleShipment(std::string_view name);

// A private copy of the sample data set (to change a file of it).
class SampleDataCopy {
 public:
  SampleDataCopy();
  const std::filesystem::path& path() const { return dir_.path(); }
  void write(std::string_view name, std::string_view content) const;

 private:
  platform::testing::TempDirectory dir_;
};

// A level's own directories: a copy of the sample data set as the data
// directory and an empty start-up directory, which is the current
// directory while it lives (files the library looks for there first). The
// context's directories and level are set; the engine is not in use.
class LevelDirectories {
 public:
  explicit LevelDirectories(std::string_view level = "SAMPLE01");
  ~LevelDirectories();
  LevelDirectories(const LevelDirectories&) = delete;
  LevelDirectories& operator=(const LevelDirectories&) = delete;

  std::filesystem::path dataFile(std::string_view name) const { return data.path() / name; }
  std::filesystem::path startupFile(std::string_view name) const { return startup / name; }
  // Removes files of the data directory (that exist).
  void remove(std::initializer_list<std::string_view> names) const;
  // Writes files described in the data-set builder's syntax into the data
  // directory, over the sample's.
  void build(std::string_view description) const;
  // OpenAllFiles, with the state-table answer kept in stateTables.
  int openAll();

  TestContext context;
  SampleDataCopy data;
  platform::testing::TempDirectory startup;
  int stateTables = 0;

 private:
  std::filesystem::path previous_;
};

// The boxes shown while it lives, each answered with `answer`.
struct Box {
  RatekitBoxKind kind;
  std::string caption, text;
  void* owner;
};
class BoxRecorder {
 public:
  explicit BoxRecorder(int answer = RATEKIT_ANSWER_OK);
  ~BoxRecorder();
  const std::vector<Box>& boxes() const { return boxes_; }
  const std::vector<int>& quits() const { return quits_; }

 private:
  static int Show(void* self, RatekitBoxKind kind, const char* caption, const char* text, void* owner);
  static void Quit(void* self, int code);
  int answer_;
  std::vector<Box> boxes_;
  std::vector<int> quits_;
};

}  // namespace ratekit::testing
