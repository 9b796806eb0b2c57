#include "settings_fixtures.h"

namespace qiv::settings::testing {

std::string Lines(const std::vector<CodeRange>& lines) {
  std::string text;
  for (const CodeRange& r : lines) {
    if (!text.empty()) text += ' ';
    text.append(r.from.begin(), r.from.end());
    text.append(r.to.begin(), r.to.end());
  }
  return text;
}

PostalTable PostalTable::Sample() {
  return PostalTable({{"QC", "G0A", "J9Z"},
                      {"ON", "K0A", "P9Z"},
                      {"MB", "R0A", "R9Z"},
                      {"BC", "V0A", "V9Z"},
                      {"YY", "X0A", "X9Z"},
                      {"XX", "Y0A", "Y9Z"}});
}

PostalTable PostalTable::Ontario() { return PostalTable({{"ON", "K0A", "P9Z"}}); }

UsablePrefix PostalTable::usable() const {
  return [rows = rows_](std::string_view prefix) {
    for (const Row& r : rows) {
      if (r.low <= prefix && prefix <= r.high) return r.state != "YY" && r.state != "XX";
    }
    return false;
  };
}

}  // namespace qiv::settings::testing

#include <fstream>
#include <iterator>

#include "dataset/data_set.h"
#include "ratekit/rating_context.h"

namespace qiv::settings::testing {
namespace {
namespace pr = ratekit::profile_record;
}  // namespace

namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      const char* digits = "0123456789ABCDEF";
      out += "\\x";
      out += digits[(c >> 4) & 0xF];
      out += digits[c & 0xF];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::vector<std::uint8_t> ProfileBytes(std::string_view name, char marker, const std::vector<EntryBounds>& entries) {
  // Built by the data-set builder, unchecked (tests also need names it refuses).
  std::string description =
      "profiles raw\n  profile name=" + Quoted(name) + " discount-kind=" + std::string(1, marker) + "\n";
  for (const EntryBounds& e : entries) {
    description += "  zip-discount origin-from=" + Quoted(e.originFrom) + " origin-to=" + Quoted(e.originTo) +
                   " destination-from=" + Quoted(e.destinationFrom) + " destination-to=" + Quoted(e.destinationTo) +
                   "\n";
  }
  const std::string content = dataset::DataSet::Parse(description).file("PROFILE.FIL")->content();
  return std::vector<std::uint8_t>(content.begin(), content.end());
}

std::vector<std::uint8_t> ProfileFile(const std::vector<std::vector<std::uint8_t>>& records) {
  std::vector<std::uint8_t> file;
  for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
  return file;
}

std::string NamesIn(const std::vector<std::uint8_t>& file) {
  std::string names;
  for (std::size_t at = 0; at + pr::kSize <= file.size(); at += pr::kSize) {
    if (!names.empty()) names += ' ';
    names += reinterpret_cast<const char*>(file.data() + at);
    names += ':';
    names += static_cast<char>(file[at + pr::kDiscountKind.offset]);
  }
  return names;
}

std::string FilesIn(const std::filesystem::path& directory) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    files[entry.path().filename().string()] =
        std::to_string(bytes.size()) + " " + std::to_string(std::hash<std::string>{}(bytes));
  }
  std::string text;
  for (const auto& [name, what] : files) text += name + " " + what + "\n";
  return text;
}

}  // namespace qiv::settings::testing
