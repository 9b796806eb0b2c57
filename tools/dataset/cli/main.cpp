// The data-set builder's command: builds descriptions into data files,
// dumps and checks files, and breaks them on purpose for failure tests.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_set.h"
#include "dataset/faults.h"
#include "dataset/read_back.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr std::string_view kUsage =
    "usage:\n"
    "  dataset build <description> -o <dir> [--raw]\n"
    "  dataset dump <file> [--as <kind>]\n"
    "  dataset check <file> [--as <kind>]\n"
    "  dataset break <file> [--record-size <bytes>] <fault>...\n"
    "faults, applied in order:\n"
    "  truncate=<bytes>        cut the file to its first <bytes> bytes\n"
    "  drop=<record>           remove a record (0-based)\n"
    "  swap=<record>,<record>  exchange two records\n"
    "  reverse                 reverse the order of the records\n"
    "  byte=<offset>:<value>   set one byte (value decimal or 0x hexadecimal)\n"
    "  delete                  delete the file\n"
    "  mtime=<seconds>[.<nanoseconds>]  set the modification time (since 1970, UTC)\n"
    "--raw writes without the builder's checks. A kind is a block keyword or a file name,\n"
    "with block fields where the file's name and its neighbours do not tell them:\n"
    "  --as \"tdt slots=3\", --as \"factor type=A\", --as \"lettered letter=R record-size=526\".\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string KindsLine() {
  std::string line = "kinds:";
  for (const std::string& k : dataset::KnownKinds()) line += " " + k;
  return line;
}

std::optional<std::uint64_t> ParseUnsigned(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::uint64_t RequireUnsigned(std::string_view text, std::string_view what) {
  std::optional<std::uint64_t> value = ParseUnsigned(text);
  if (!value) throw UsageError(std::string(what) + ": '" + std::string(text) + "' is not an unsigned number");
  return *value;
}

// The arguments after the command: positional ones, and options with a value.
struct Arguments {
  std::vector<std::string_view> positional;
  std::optional<std::string_view> output, kind, recordSize;
  bool raw = false;
};

Arguments ReadArguments(int argc, char** argv, std::initializer_list<std::string_view> allowed) {
  Arguments args;
  for (int i = 2; i < argc; ++i) {
    std::string_view a = argv[i];
    auto permit = [&] {
      if (std::find(allowed.begin(), allowed.end(), a) == allowed.end())
        throw UsageError("option " + std::string(a) + " does not go with " + argv[1]);
    };
    auto value = [&](std::optional<std::string_view>& slot) {
      permit();
      if (i + 1 >= argc) throw UsageError("option " + std::string(a) + " needs a value");
      slot = argv[++i];
    };
    if (a == "-o") {
      value(args.output);
    } else if (a == "--as") {
      value(args.kind);
    } else if (a == "--record-size") {
      value(args.recordSize);
    } else if (a == "--raw") {
      permit();
      args.raw = true;
    } else if (a.starts_with("-") && a.size() > 1) {
      throw UsageError("unknown option " + std::string(a));
    } else {
      args.positional.push_back(a);
    }
  }
  return args;
}

int Build(const Arguments& args) {
  if (args.positional.size() != 1 || !args.output) throw UsageError("build takes one description and -o <dir>");
  const std::filesystem::path from(args.positional[0]);
  dataset::DataSet set;
  try {
    set = dataset::DataSet::Load(from);
  } catch (const dataset::DescriptionError& e) {
    throw dataset::Error(from.string() + ": " + e.what());
  }
  set.write(std::filesystem::path(*args.output), {.raw = args.raw});
  for (const dataset::DataFile& f : set.files())
    std::cout << "wrote " << f.name << " (" << f.records.size() << " records, " << f.content().size() << " bytes)\n";
  return 0;
}

int Dump(const Arguments& args) {
  if (args.positional.size() != 1) throw UsageError("dump takes one file");
  std::cout << dataset::DecodeFile(std::filesystem::path(args.positional[0]), args.kind.value_or(""));
  return 0;
}

int Check(const Arguments& args) {
  if (args.positional.size() != 1) throw UsageError("check takes one file");
  const std::filesystem::path file(args.positional[0]);
  std::vector<dataset::Problem> problems = dataset::CheckFile(file, args.kind.value_or(""));
  for (const dataset::Problem& p : problems) std::cout << p.text() << "\n";
  if (problems.empty()) std::cout << file.string() << ": no problems\n";
  return problems.empty() ? 0 : kFailed;
}

void ApplyFault(const std::filesystem::path& file, std::string_view fault, std::size_t recordSize) {
  const std::size_t eq = fault.find('=');
  const std::string_view name = fault.substr(0, eq);
  const std::string_view value = eq == std::string_view::npos ? std::string_view() : fault.substr(eq + 1);
  const bool hasValue = eq != std::string_view::npos;
  auto needValue = [&](bool wanted) {
    if (hasValue != wanted)
      throw UsageError("fault " + std::string(name) + (wanted ? " needs a value" : " takes no value"));
  };
  if (name == "truncate") {
    needValue(true);
    dataset::TruncateFile(file, RequireUnsigned(value, "truncate"));
  } else if (name == "drop") {
    needValue(true);
    dataset::DropRecord(file, RequireUnsigned(value, "drop"), recordSize);
  } else if (name == "swap") {
    needValue(true);
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos) throw UsageError("swap takes two records: swap=<record>,<record>");
    dataset::SwapRecords(file, RequireUnsigned(value.substr(0, comma), "swap"),
                         RequireUnsigned(value.substr(comma + 1), "swap"), recordSize);
  } else if (name == "reverse") {
    needValue(false);
    dataset::ReverseRecords(file, recordSize);
  } else if (name == "byte") {
    needValue(true);
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) throw UsageError("byte takes an offset and a value: byte=<offset>:<value>");
    const std::uint64_t byte = RequireUnsigned(value.substr(colon + 1), "byte value");
    if (byte > 255) throw UsageError("byte value " + std::to_string(byte) + " is above 255");
    dataset::SetByte(file, RequireUnsigned(value.substr(0, colon), "byte offset"), static_cast<std::uint8_t>(byte));
  } else if (name == "delete") {
    needValue(false);
    dataset::DeleteFile(file);
  } else if (name == "mtime") {
    needValue(true);
    const std::size_t point = value.find('.');
    const std::uint64_t seconds = RequireUnsigned(value.substr(0, point), "mtime");
    std::uint64_t nanoseconds = 0;
    if (point != std::string_view::npos) {
      std::string digits(value.substr(point + 1));
      if (digits.empty() || digits.size() > 9) throw UsageError("mtime: give 1 to 9 digits after the point");
      digits.resize(9, '0');
      nanoseconds = RequireUnsigned(digits, "mtime");
    }
    dataset::SetModificationTime(file, static_cast<std::int64_t>(seconds), static_cast<std::int64_t>(nanoseconds));
  } else {
    throw UsageError("unknown fault '" + std::string(fault) + "'");
  }
}

int Break(const Arguments& args) {
  if (args.positional.size() < 2) throw UsageError("break takes a file and at least one fault");
  const std::filesystem::path file(args.positional[0]);
  const std::size_t recordSize = args.recordSize ? RequireUnsigned(*args.recordSize, "--record-size") : 0;
  if (args.recordSize && recordSize == 0) throw UsageError("--record-size must be above 0");
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    ApplyFault(file, args.positional[i], recordSize);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  try {
    if (command == "build") return Build(ReadArguments(argc, argv, {"-o", "--raw"}));
    if (command == "dump") return Dump(ReadArguments(argc, argv, {"--as"}));
    if (command == "check") return Check(ReadArguments(argc, argv, {"--as"}));
    if (command == "break") return Break(ReadArguments(argc, argv, {"--record-size"}));
    if (command == "help" || command == "--help" || command == "-h") {
      std::cout << kUsage << KindsLine() << "\n";
      return 0;
    }
    throw UsageError(command.empty() ? "no command given" : "unknown command '" + std::string(command) + "'");
  } catch (const UsageError& e) {
    std::cerr << "dataset: " << e.what() << "\n" << kUsage << KindsLine() << "\n";
    return kBadUsage;
  } catch (const std::exception& e) {
    std::cerr << "dataset: " << e.what() << "\n";
    return kFailed;
  }
}
