#include "support/test_context.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "context_shipment.h"
#include "dataset/data_set.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/testing/temp_directory.h"
#include "ratekit/ratekit32.h"
#include "sample_shipment.h"
#include "tables/lane_tariff_tables.h"

namespace ratekit::testing {
namespace {

const RatekitHost& Host() { return *RatekitHostInterface(); }

}  // namespace

TestContext::TestContext() : bytes_(new std::uint8_t[kRatingContextSize]()) {}

std::string TestContext::text(platform::FieldSpan field) { return std::string(platform::UntilNul(view().text(field))); }

void TestContext::useData(const std::filesystem::path& directory, std::string_view level) {
  setText(context::kDataDirectory, directory.string() + "/");
  setText(context::kTariffBaseName, level);
  setInt(context::kEngineInUse, 1);
}

void TestContext::setPoint(std::size_t point, std::string_view code, std::string_view state, std::string_view city) {
  setText(shipment_point::Of(point, shipment_point::kCode), code);
  setText(shipment_point::Of(point, shipment_point::kState), state);
  setText(shipment_point::Of(point, shipment_point::kCity), city);
}

void TestContext::setLine(std::size_t i, std::string_view cls, std::string_view weight) {
  setText(shipment_lines::ClassCode(i), cls);
  setText(shipment_lines::WeightText(i), weight);
}

int TestContext::setSampleShipment(std::string_view name) {
  RatingContextView record = view();
  return rate_tool::FillRatingContext(record, rate_tool::LoadSampleShipment(SampleShipment(name).string()));
}

void TestContext::setDiscounts(float percent) {
  setShort(rating_defaults::kDiscountsInUse, 1);
  setText(rating_defaults::kDiscountKind, "C");
  for (std::size_t i = 0; i < 10; ++i) setFloat(context::SentDiscount(i), percent);
}

LoadedModule::LoadedModule(TestContext& context, const std::filesystem::path& file, platform::FieldSpan slot)
    : context_(context) {
  module_ = platform::Module::Load(file.string());
  if (!module_.isLoaded())
    throw std::runtime_error("cannot load " + file.string() + ": " + platform::Module::lastError());
  token_ = Host().makeToken(context.data(), RATEKIT_TOKEN_MODULE, module_.nativeHandle(), 0);
  context.setInt(slot, static_cast<std::int32_t>(token_));
}

LoadedModule::~LoadedModule() { Host().releaseToken(context_.data(), token_); }

FakeEngineControl& LoadedModule::fake() const {
  auto control = module_.function<FakeEngineControlFunction>("FakeEngine_Control");
  if (control == nullptr) throw std::runtime_error("not the fake engine");
  return *control();
}

FakeEngineShipment::FakeEngineShipment(std::string_view level) : engine_(context, FakeEngineLibrary()) {
  context.useData(SampleData(), level);
  RatingContextView record = context.view();
  LoadLaneTariffTables(record);
  if (GetZQAddresses(context.data(), nullptr) != 1 || InitializeZQdll(context.data()) != 1)
    throw std::runtime_error("the fake engine does not start");
  context.setText(context::kTariffName, "NACLASS1");
  context.setText(context::kShipmentDate, "03-14-2025");
  context.setPoint(0, "10001", "NY", "NEW YORK");
  context.setPoint(1, "60601", "IL", "CHICAGO");
  context.setLine(0, "85", "1200");
}

int FakeEngineShipment::rate(int detailCount) { return RateShipment(context.data(), detailCount, nullptr); }

std::string FakeEngineShipment::request() const {
  return fake().requests.empty() ? std::string() : fake().requests.back();
}

std::filesystem::path SampleData() { return QIV_DATA_DIR; }
std::filesystem::path EngineLibrary() { return SampleData() / "VORN32.DLL"; }
std::filesystem::path FakeEngineLibrary(int omitted) {
  return std::filesystem::path(FAKE_ENGINE_DIR) / ("FakeEngine" + std::to_string(omitted) + ".DLL");
}
std::filesystem::path SampleShipment(std::string_view name) {
  return std::filesystem::path(QIV_SAMPLE_SHIPMENTS) / (std::string(name) + ".shipment");
}

SampleDataCopy::SampleDataCopy() {
  // Files and folders (the help documents are folders) alike.
  for (const auto& entry : std::filesystem::directory_iterator(SampleData()))
    if (entry.path().extension() != ".so")
      std::filesystem::copy(entry.path(), dir_ / entry.path().filename().string(),
                            std::filesystem::copy_options::recursive);
}

void SampleDataCopy::write(std::string_view name, std::string_view content) const { dir_.write(name, content); }

LevelDirectories::LevelDirectories(std::string_view level) : previous_(std::filesystem::current_path()) {
  context.setText(context::kDataDirectory, data.path().string() + "/");
  context.setText(context::kStartupDirectory, startup.withSeparator());
  context.setText(context::kTariffBaseName, level);
  std::filesystem::current_path(startup.path());
}

LevelDirectories::~LevelDirectories() { std::filesystem::current_path(previous_); }

void LevelDirectories::remove(std::initializer_list<std::string_view> names) const {
  for (std::string_view name : names) std::filesystem::remove(dataFile(name));
}

void LevelDirectories::build(std::string_view description) const { dataset::BuildDataSet(description, data.path()); }

int LevelDirectories::openAll() { return OpenAllFiles(context.data(), &stateTables); }

BoxRecorder::BoxRecorder(int answer) : answer_(answer) { Host().installMessageBoxes(&Show, &Quit, this); }
BoxRecorder::~BoxRecorder() { Host().installMessageBoxes(nullptr, nullptr, nullptr); }

int BoxRecorder::Show(void* self, RatekitBoxKind kind, const char* caption, const char* text, void* owner) {
  auto* r = static_cast<BoxRecorder*>(self);
  r->boxes_.push_back({kind, caption, text, owner});
  return r->answer_;
}

void BoxRecorder::Quit(void* self, int code) { static_cast<BoxRecorder*>(self)->quits_.push_back(code); }

}  // namespace ratekit::testing
