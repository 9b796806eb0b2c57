#include "answer_report.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace rate_tool {
namespace {

std::string_view Field(const ShipmentBytes& a, std::size_t offset, std::size_t width) {
  return {a.data() + offset, width};
}

// A fixed-width number with its leading zeros and blanks dropped.
std::string Number(std::string_view text) {
  std::size_t start = text.find_first_not_of(" 0");
  if (start == std::string_view::npos) return "0";
  if (text[start] == '.') --start;
  return std::string(text.substr(start));
}

std::string Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

std::string Cents(std::int32_t cents) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%02d", cents / 100, cents % 100);
  return text;
}

std::int32_t Integer(const ShipmentBytes& a, std::size_t offset) {
  std::int32_t v;
  std::memcpy(&v, a.data() + offset, sizeof v);
  return v;
}

}  // namespace

void Row(std::ostream& out, std::string_view label, std::string_view value) {
  std::string padded(label);
  padded.resize(22, ' ');
  out << padded << value << '\n';
}

std::string_view ReturnCode(const ShipmentBytes& answer) { return Field(answer, 3, 4); }

void WriteAnswer(std::ostream& out, const ShipmentBytes& a) {
  Row(out, "Tariff used", Field(a, 82, 8));
  Row(out, "Effective date", Field(a, 151, 10));
  Row(out, "Rate basis", Trimmed(Field(a, 90, 11)));
  if (Field(a, 196, 2) != "  ")
    Row(out, "Point service",
        std::string(Field(a, 196, 1)) + " " + std::string(Field(a, 197, 1)) +
            "  (origin, destination: D direct, I indirect)");
  if (Field(a, 215, 4) != "0000" && Field(a, 178, 2) != "  ") Row(out, "Service days", Field(a, 178, 2));
  out << "Line  Class  Weight    Rate/cwt      Charge\n";
  int lines = 0;
  std::sscanf(std::string(Field(a, 80, 2)).c_str(), "%2d", &lines);
  for (int n = 0; n < lines && n < 20; ++n) {
    const std::size_t base = 265 + 30 * static_cast<std::size_t>(n);
    char row[96];
    std::snprintf(row, sizeof row, "%4d  %-5s %7s %11s %11s\n", n + 1, Number(Field(a, base + 2, 3)).c_str(),
                  Number(Field(a, base + 5, 6)).c_str(), Number(Field(a, base + 11, 7)).c_str(),
                  Number(Field(a, base + 18, 9)).c_str());
    out << row;
  }
  Row(out, "Actual weight", Number(Field(a, 101, 6)));
  Row(out, "Deficit weight", Number(Field(a, 127, 6)) + " at " + Number(Field(a, 120, 7)) + "/cwt");
  Row(out, "Deficit charge", Number(Field(a, 133, 9)));
  Row(out, "Billed weight", Number(Field(a, 107, 6)));
  Row(out, "Minimum charge", Cents(Integer(a, 976)));
  Row(out, "Gross charge", Number(Field(a, 142, 9)));
  Row(out, "Break discount", Number(Field(a, 220, 9)));
  Row(out, "Percent discount", Number(Field(a, 229, 7)));
  Row(out, "Discount percentage", Number(Field(a, 241, 5)));
  Row(out, "Net charge", Number(Field(a, 113, 7)));
}

}  // namespace rate_tool
