// The rating tool: rates a sample shipment against a data set through the
// engine library loaded by name, and prints the answer.
//   rate <shipment> [--data <dir>] [--engine <dir>]
// The data directory defaults to ZQDATA beside the tool's own directory
// (build/tools/rate -> build/ZQDATA), the engine's directory to the data
// directory.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "answer_report.h"
#include "engine_binding.h"
#include "sample_shipment.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr std::string_view kUsage = "usage: rate <shipment> [--data <dir>] [--engine <dir>]\n";

std::string DefaultDataDirectory(const char* program) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
  const std::filesystem::path base = error ? std::filesystem::absolute(program).parent_path() : self.parent_path();
  return (base.parent_path() / "ZQDATA").string();
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> shipment, data, engine;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--data" || arg == "--engine") && i + 1 < argc) {
      (arg == "--data" ? data : engine) = argv[++i];
    } else if (!arg.starts_with("--") && !shipment) {
      shipment = std::string(arg);
    } else {
      std::cerr << kUsage;
      return kBadUsage;
    }
  }
  if (!shipment) {
    std::cerr << kUsage;
    return kBadUsage;
  }
  if (!data) data = DefaultDataDirectory(argv[0]);
  if (!engine) engine = data;
  try {
    rate_tool::ShipmentBytes record = rate_tool::LoadSampleShipment(*shipment);
    const rate_tool::RatingEngineLibrary library(*engine);
    const VornHandle handle = library.start(*data);
    library.rate(handle, record);
    const std::string code(rate_tool::ReturnCode(record));
    if (code != "    ") {
      std::cerr << *shipment << ": the engine answers " << code << ": " << library.errorText(handle, code) << '\n';
      library.end(handle);
      return kFailed;
    }
    std::cout << "Shipment " << *shipment << '\n';
    rate_tool::WriteAnswer(std::cout, record);
    library.end(handle);
  } catch (const rate_tool::ShipmentError& e) {
    std::cerr << *shipment << ": " << e.what() << '\n';
    return kFailed;
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kFailed;
  }
  return 0;
}
