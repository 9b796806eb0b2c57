#include "sample_shipment.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace rate_tool {
namespace {

constexpr std::size_t kLines = 265, kLineSize = 30, kMaxLines = 20;
constexpr std::size_t kDirectDiscounts = 865, kIndirectDiscounts = 919, kDiscountFields = 10;

class RecordWriter {
 public:
  RecordWriter() {
    bytes_.fill(' ');
    std::memset(bytes_.data() + 976, 0, kRecordSize - 976);
    put(0, "F01");
    put(10, "1");   // normal rating
    put(19, "N");   // not intrastate
    put(194, "N");  // discounts off
    put(214, "C");
    put(215, "0000");   // no service-guide carrier
    put(236, "10000");  // factor 1.0
    put(263, "\r\n");
    for (std::size_t n = 0; n < kMaxLines; ++n) put(kLines + kLineSize * n + 27, "\r\n");
  }
  void put(std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  void putPadded(std::size_t offset, std::string_view text, std::size_t width) {
    std::string padded(text.substr(0, width));
    padded.resize(width, ' ');
    put(offset, padded);
  }
  const ShipmentBytes& bytes() const { return bytes_; }

 private:
  ShipmentBytes bytes_;
};

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) {
    if (w[0] == '#') break;
    words.push_back(w);
  }
  return words;
}

// value (which fits) in width digits with leading zeros.
std::string ZeroPadded(std::size_t value, std::size_t width) {
  std::string text = std::to_string(value);
  return std::string(width - std::min(width, text.size()), '0') + text;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::string Joined(const std::vector<std::string>& words, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < words.size(); ++i) out += (out.empty() ? "" : " ") + words[i];
  return out;
}

class ShipmentReader {
 public:
  ShipmentBytes read(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      ++line_;
      readLine(Words(text.substr(start, end - start)));
      start = end + 1;
    }
    if (!sawOrigin_ || !sawDestination_) fail("the shipment needs an origin and a destination");
    if (lines_ == 0) fail("the shipment needs at least one line (class and weight)");
    out_.put(80, ZeroPadded(lines_, 2));
    return out_.bytes();
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw ShipmentError(line_, "line " + std::to_string(line_) + ": " + what);
  }

  void expectCount(const std::vector<std::string>& w, std::size_t least, std::size_t most) const {
    if (w.size() < least || w.size() > most) fail("wrong number of values for '" + w[0] + "'");
  }

  void readLine(const std::vector<std::string>& w) {
    if (w.empty()) return;
    const std::string& key = w[0];
    if (key == "tariff") {
      expectCount(w, 2, 2);
      if (w[1].size() > 8) fail("a tariff name has at most 8 characters");
      out_.putPadded(11, Upper(w[1]), 8);
    } else if (key == "date") {
      expectCount(w, 2, 2);
      if (w[1].size() != 10) fail("the date is written MM-DD-YYYY");
      out_.put(20, w[1]);
    } else if (key == "origin" || key == "destination") {
      expectCount(w, 2, 99);
      readEnd(key == "origin" ? 30 : 55, w);
      (key == "origin" ? sawOrigin_ : sawDestination_) = true;
    } else if (key == "line") {
      expectCount(w, 3, 3);
      readDetail(w[1], w[2]);
    } else if (key == "discount") {
      expectCount(w, 3, 2 + kDiscountFields);
      readDiscount(w);
    } else if (key == "carrier") {
      expectCount(w, 2, 3);
      if (w[1].size() > 4) fail("a service-guide carrier code has at most 4 characters");
      out_.putPadded(215, Upper(w[1]), 4);
      if (w.size() == 3) {
        if (w[2] != "A" && w[2] != "L" && w[2] != "T") fail("the carrier's mode is A (any), L (LTL) or T (TL)");
        out_.put(219, w[2]);
      }
    } else if (key == "discount-kind") {
      expectCount(w, 2, 2);
      if (w[1] != "C" && w[1] != "R") fail("the discount kind is C or R");
      out_.put(214, w[1]);
    } else {
      fail("unknown field '" + key + "'");
    }
  }

  void readEnd(std::size_t offset, const std::vector<std::string>& w) {
    if (w[1].size() > 6) fail("a ZIP or postal code has at most 6 characters");
    out_.putPadded(offset, Upper(w[1]), 6);
    if (w.size() > 2) {
      if (w[2].size() != 2) fail("a state or province is 2 letters");
      const std::string city = Upper(Joined(w, 3));
      if (city.size() > 17) fail("a city name has at most 17 characters");
      out_.putPadded(offset + 6, Upper(w[2]) + city, 19);
    }
  }

  void readDetail(const std::string& cls, const std::string& weightText) {
    if (lines_ == kMaxLines) fail("a shipment has at most 20 lines");
    if (cls.empty() || cls.size() > 3) fail("a class has at most 3 characters");
    int weight = 0;
    const auto [end, ec] = std::from_chars(weightText.data(), weightText.data() + weightText.size(), weight);
    if (ec != std::errc{} || end != weightText.data() + weightText.size() || weight < 1 || weight > 999999)
      fail("a weight is 1 to 999999 pounds");
    const std::size_t base = kLines + kLineSize * lines_;
    out_.put(base, "02");
    out_.putPadded(base + 2, cls, 3);
    out_.put(base + 5, ZeroPadded(static_cast<std::size_t>(weight), 6));
    out_.put(base + 11, "0000.00000000.00");
    ++lines_;
  }

  // A discount record: its tag and ten 5-digit fields in hundredths of a
  // percent; fields not given are 0.
  void readDiscount(const std::vector<std::string>& w) {
    const bool direct = w[1] == "direct";
    if (!direct && w[1] != "indirect") fail("a discount is direct or indirect");
    const std::size_t base = direct ? kDirectDiscounts : kIndirectDiscounts;
    out_.put(base, direct ? "D%" : "I%");
    for (std::size_t k = 0; k < kDiscountFields; ++k) {
      double percent = 0;
      if (k + 2 < w.size()) {
        const std::string& v = w[k + 2];
        char* end = nullptr;
        percent = std::strtod(v.c_str(), &end);
        if (end != v.c_str() + v.size() || !(percent >= 0 && percent < 100))
          fail("a discount is a percentage below 100");
      }
      out_.put(base + 2 + 5 * k, ZeroPadded(static_cast<std::size_t>(std::lround(percent * 100)), 5));
    }
    out_.put(194, "Y");
  }

  RecordWriter out_;
  int line_ = 0;
  std::size_t lines_ = 0;
  bool sawOrigin_ = false, sawDestination_ = false;
};

}  // namespace

ShipmentBytes ReadSampleShipment(std::string_view text) { return ShipmentReader().read(text); }

ShipmentBytes LoadSampleShipment(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ShipmentError(0, "cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return ReadSampleShipment(text.str());
}

}  // namespace rate_tool
