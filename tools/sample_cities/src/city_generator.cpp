#include "city_generator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <span>
#include <stdexcept>
#include <tuple>

namespace sample_cities {
namespace {

// A small, exactly specified generator (splitmix64): the same seed gives
// the same cities with every compiler and library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
  template <class T, std::size_t N>
  const T& pick(const std::array<T, N>& items) {
    return items[below(N)];
  }

 private:
  std::uint64_t state_;
};

// Word lists of our own.
constexpr std::array<const char*, 14> kEnglishFronts = {"NORTH ", "SOUTH ", "EAST ",  "WEST ",  "NEW ",
                                                        "LAKE ",  "FORT ",  "MOUNT ", "PORT ",  "OLD ",
                                                        "UPPER ", "LOWER ", "GREAT ", "LITTLE "};
constexpr std::array<const char*, 40> kEnglishRoots = {
    "ASH",    "BIRCH",  "CEDAR",  "ELM",    "MAPLE",   "OAK",    "PINE",   "WILLOW", "STONE",  "CLAY",
    "MILL",   "BROOK",  "RIVER",  "SPRING", "MEADOW",  "HAWK",   "FOX",    "DEER",   "ELK",    "IRON",
    "COPPER", "SILVER", "AMBER",  "RED",    "GREEN",   "WHITE",  "BLACK",  "GRAY",   "BLUE",   "HAZEL",
    "LINDEN", "ALDER",  "QUARRY", "HARBOR", "PRAIRIE", "SUMMIT", "VALLEY", "CANYON", "MARBLE", "THISTLE"};
constexpr std::array<const char*, 20> kEnglishEnds = {
    "VILLE", "TON",    "FIELD",  "BURG",   "FORD",  "WOOD",  "DALE",   "PORT",      "HAVEN",     "LAND",
    "MONT",  " CREEK", " FALLS", " RIDGE", " CITY", " HILL", " GROVE", " JUNCTION", " CROSSING", " SPRINGS"};
constexpr std::array<const char*, 24> kSpanishRoots = {
    "ALAMEDA",  "BRISAS",   "CANTERA",  "DORADO",   "ENCINAL",  "FLORIDO", "GAVILAN", "HONDURA",
    "LAGUNITA", "LUCERO",   "MADRONO",  "NOGALITO", "OLIVAR",   "PALOMAR", "QUEMADO", "ROBLEDO",
    "SABINAL",  "TORDILLO", "VENADITO", "ZACATAL",  "ARROYITO", "CERRITO", "MIRADOR", "TEJOCOTE"};
constexpr std::array<const char*, 8> kSpanishFronts = {"SAN ",  "SANTA ",  "VILLA ", "PUERTO ",
                                                       "LOMA ", "RANCHO ", "EL ",    "LA "};
constexpr std::array<const char*, 10> kSpanishEnds = {"",         " NUEVO",    " VIEJO",     " ALTO",   " BAJO",
                                                      " DEL RIO", " DE ABAJO", " DE ARRIBA", " GRANDE", " CHICO"};

struct Range {
  const char* state;
  std::uint32_t low;
  std::uint32_t high;
  unsigned share;  // parts of the country's count
};

// U.S.: the states the sample tariffs rate, within their ZIP ranges.
constexpr std::array<Range, 8> kUsRanges = {{{"TX", 75000, 79999, 30},
                                             {"NY", 10000, 14999, 18},
                                             {"PA", 15000, 19699, 14},
                                             {"OH", 43000, 45999, 14},
                                             {"IL", 60000, 62999, 12},
                                             {"GA", 30400, 31999, 6},
                                             {"NC", 27000, 28199, 5},
                                             {"MA", 2100, 2299, 1}}};
// Mexico: states and code ranges clear of the fixed cities' ranges.
constexpr std::array<Range, 14> kMexicanRanges = {{{"MX", 50000, 57999, 14},
                                                   {"SO", 83000, 85999, 8},
                                                   {"CO", 25000, 27999, 8},
                                                   {"GT", 36000, 38999, 8},
                                                   {"PU", 72000, 75999, 8},
                                                   {"VE", 91000, 96999, 8},
                                                   {"SL", 78000, 79999, 6},
                                                   {"MI", 58000, 61999, 8},
                                                   {"OA", 68000, 71999, 8},
                                                   {"SI", 80000, 82999, 6},
                                                   {"YU", 97000, 97999, 4},
                                                   {"QT", 76000, 76999, 4},
                                                   {"AG", 20000, 20999, 4},
                                                   {"ZA", 98000, 99999, 6}}};
// Ontario's forward sortation areas begin with these letters.
constexpr std::array<char, 5> kOntarioLetters = {'K', 'L', 'M', 'N', 'P'};
constexpr std::array<char, 18> kPostalLetters = {'A', 'B', 'C', 'E', 'G', 'H', 'J', 'K', 'L',
                                                 'M', 'N', 'P', 'R', 'S', 'T', 'V', 'W', 'X'};
// One made-up name found in several states, and Texas cities beginning SAN.
constexpr const char* kSharedName = "MAPLEHAVEN";
constexpr std::array<const char*, 5> kSharedStates = {"NY", "PA", "OH", "IL", "TX"};
constexpr std::size_t kTexasSanCities = 12;
constexpr std::size_t kNameLimit = 28;

std::string FiveDigits(std::uint32_t value) {
  std::string text = std::to_string(value);
  return std::string(5 - std::min<std::size_t>(5, text.size()), '0') + text;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string EnglishName(Random& random) {
  std::string name;
  if (random.below(3) == 0) name = random.pick(kEnglishFronts);
  name += random.pick(kEnglishRoots);
  name += random.pick(kEnglishEnds);
  return name;
}

std::string SpanishName(Random& random) {
  std::string name = random.below(4) == 0 ? "" : random.pick(kSpanishFronts);
  name += random.pick(kSpanishRoots);
  name += random.pick(kSpanishEnds);
  return name;
}

const Range& Share(Random& random, std::span<const Range> ranges) {
  unsigned total = 0;
  for (const Range& r : ranges) total += r.share;
  std::size_t at = random.below(total);
  for (const Range& r : ranges) {
    if (at < r.share) return r;
    at -= r.share;
  }
  return ranges.front();
}

class Generator {
 public:
  Generator(const std::vector<City>& fixed, std::uint64_t seed) : random_(seed), cities_(fixed) {
    for (const City& city : fixed) {
      taken_.insert({city.country, city.state, Upper(city.name)});
      fixedCodes_.insert(city.code);
    }
  }

  // Adds the city unless its state already has the name; true when added.
  bool add(Country country, std::string code, std::string state, std::string name) {
    if (name.size() > kNameLimit || fixedCodes_.count(code) != 0) return false;
    if (!taken_.insert({country, state, name}).second) return false;
    cities_.push_back({country, code, std::move(state), std::move(name), {}});
    return true;
  }

  void us(std::size_t count) {
    std::size_t made = 0;
    for (const char* state : kSharedStates) made += add(Country::Us, usCode(state), state, kSharedName) ? 1 : 0;
    // Each draw is a statement of its own: the order in which a call's
    // arguments are evaluated differs between compilers, and the cities
    // must not.
    for (std::size_t n = 0; n < kTexasSanCities * 4 && made < count && sanCities_ < kTexasSanCities; ++n) {
      std::string zip = usCode("TX");
      std::string name = "SAN " + std::string(random_.pick(kSpanishRoots));
      name += random_.pick(kSpanishEnds);
      if (add(Country::Us, std::move(zip), "TX", std::move(name))) {
        ++made;
        ++sanCities_;
      }
    }
    while (made < count) {
      const Range& range = Share(random_, kUsRanges);
      std::string name =
          std::string(range.state) == "TX" && random_.below(5) == 0 ? SpanishName(random_) : EnglishName(random_);
      std::string zip = code(range);
      if (add(Country::Us, std::move(zip), range.state, std::move(name))) ++made;
    }
  }

  void canada(std::size_t count) {
    std::size_t made = 0;
    while (made < count) {
      std::string code(1, random_.pick(kOntarioLetters));
      code += static_cast<char>('0' + random_.below(10));
      code += random_.pick(kPostalLetters);
      // Most are full postal codes; some only the forward sortation area.
      if (random_.below(5) != 0) {
        code += static_cast<char>('0' + random_.below(10));
        code += random_.pick(kPostalLetters);
        code += static_cast<char>('0' + random_.below(10));
      }
      if (add(Country::Canada, code, "ON", EnglishName(random_))) ++made;
    }
  }

  void mexico(std::size_t count) {
    std::size_t made = 0;
    for (const Range& range : {kMexicanRanges[0], kMexicanRanges[1], kMexicanRanges[2]})
      made += add(Country::Mexico, code(range), range.state, "SANTA " + std::string(kSpanishRoots[0])) ? 1 : 0;
    while (made < count) {
      const Range& range = Share(random_, kMexicanRanges);
      std::string zip = code(range);
      std::string name = SpanishName(random_);
      if (add(Country::Mexico, std::move(zip), range.state, std::move(name))) ++made;
    }
  }

  std::vector<City> take() { return std::move(cities_); }

 private:
  std::string code(const Range& range) {
    return FiveDigits(range.low + static_cast<std::uint32_t>(random_.below(range.high - range.low + 1)));
  }
  std::string usCode(std::string_view state) {
    for (const Range& range : kUsRanges)
      if (state == range.state) return code(range);
    return code(kUsRanges.front());
  }

  Random random_;
  std::vector<City> cities_;
  std::set<std::tuple<Country, std::string, std::string>> taken_;
  std::set<std::string> fixedCodes_;
  std::size_t sanCities_ = 0;
};

// The lookups' order: state, then city blank-padded to 28, upper-cased.
std::string SortKey(const City& city) {
  std::string key = Upper(city.state) + Upper(city.name);
  key.resize(2 + kNameLimit, ' ');
  return key;
}

std::vector<std::string> SplitAt(std::string_view line, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = line.find(separator, start);
    parts.emplace_back(line.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

}  // namespace

std::vector<City> ReadFixedCities(std::string_view text) {
  std::vector<City> cities;
  std::size_t lineNumber = 0;
  for (const std::string& raw : SplitAt(text, '\n')) {
    ++lineNumber;
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> parts = SplitAt(line, '|');
    const auto refuse = [&](const std::string& why) {
      throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + why);
    };
    if (parts.size() < 4 || parts.size() > 5) refuse("expected country|code|state|city[|high]");
    City city;
    if (parts[0] == "us")
      city.country = Country::Us;
    else if (parts[0] == "ca")
      city.country = Country::Canada;
    else if (parts[0] == "mx")
      city.country = Country::Mexico;
    else
      refuse("the country is us, ca or mx");
    city.code = parts[1];
    city.state = parts[2];
    city.name = parts[3];
    if (parts.size() == 5) {
      if (city.country != Country::Mexico) refuse("only a Mexican city has a range");
      city.high = parts[4];
    }
    if (city.name.empty() || city.name.size() > kNameLimit) refuse("the city has 1 to 28 characters");
    cities.push_back(std::move(city));
  }
  return cities;
}

std::vector<City> GenerateCities(const std::vector<City>& fixed, Counts counts, std::uint64_t seed) {
  Generator generator(fixed, seed);
  generator.us(counts.us);
  generator.canada(counts.canada);
  generator.mexico(counts.mexico);
  std::vector<City> cities = generator.take();
  std::stable_sort(cities.begin(), cities.end(), [](const City& a, const City& b) {
    return std::make_pair(a.country, SortKey(a)) < std::make_pair(b.country, SortKey(b));
  });
  return cities;
}

std::string Description(const std::vector<City>& cities, std::string_view level) {
  const std::pair<Country, const char*> blocks[] = {
      {Country::Us, "us-cities"}, {Country::Canada, "canadian-cities"}, {Country::Mexico, "mexican-cities"}};
  std::string out;
  for (const auto& [country, keyword] : blocks) {
    out += std::string(keyword) + " level=" + std::string(level) + "\n";
    for (const City& city : cities) {
      if (city.country != country) continue;
      out += "  city code=" + city.code + " state=" + city.state + " city=\"" + city.name + "\"";
      if (!city.high.empty()) out += " high=" + city.high;
      out += "\n";
    }
  }
  return out;
}

}  // namespace sample_cities
