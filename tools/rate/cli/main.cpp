// The rating tool: rates a sample shipment against a data set through the
// engine library loaded by name, and prints the answer; with --ratekit,
// through the rating-function library Ratekit32 as the program rates (the
// level's files beside the data), and prints what the rating screen shows.
//   rate <shipment> [--data <dir>] [--engine <dir>] [--ratekit [--level <name>]]
// The data directory defaults to ZQDATA beside the tool's own directory
// (build/tools/rate -> build/ZQDATA), the libraries' directory to the data
// directory, the level to SAMPLE01.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "answer_report.h"
#include "engine_binding.h"
#include "ratekit_rating.h"
#include "sample_shipment.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr std::string_view kUsage =
    "usage: rate <shipment> [--data <dir>] [--engine <dir>] [--ratekit [--level <name>]]\n";

std::string DefaultDataDirectory(const char* program) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
  const std::filesystem::path base = error ? std::filesystem::absolute(program).parent_path() : self.parent_path();
  return (base.parent_path() / "ZQDATA").string();
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> shipment, data, engine;
  std::string level = "SAMPLE01";
  bool throughRatekit = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--data" || arg == "--engine") && i + 1 < argc) {
      (arg == "--data" ? data : engine) = argv[++i];
    } else if (arg == "--level" && i + 1 < argc) {
      level = argv[++i];
    } else if (arg == "--ratekit") {
      throughRatekit = true;
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
    if (throughRatekit) {
      rate_tool::RatekitRating ratekit(*engine, *data, level);
      if (const int result = ratekit.rate(record); result != 0) {
        std::cerr << *shipment << ": RateShipment answers " << result << " with message " << ratekit.lastError()
                  << '\n';
        return kFailed;
      }
      std::cout << "Shipment " << *shipment << " through Ratekit32, level " << level << '\n';
      ratekit.writeAnswer(std::cout);
      return 0;
    }
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
