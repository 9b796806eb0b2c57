// sample_cities: writes the data-set description of a level's city files,
// the fixed cities of a file merged with generated ones.
//   sample_cities <fixed cities> <level> <seed> <output description>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "city_generator.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: sample_cities <fixed cities> <level> <seed> <output description>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "sample_cities: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    const std::vector<sample_cities::City> cities = sample_cities::GenerateCities(
        sample_cities::ReadFixedCities(text.str()), {}, std::strtoull(argv[3], nullptr, 10));
    std::ofstream out(argv[4], std::ios::binary | std::ios::trunc);
    out << "# Written by sample_cities from " << argv[1] << " with seed " << argv[3] << ".\n"
        << sample_cities::Description(cities, argv[2]);
    if (!out) {
      std::cerr << "sample_cities: cannot write " << argv[4] << "\n";
      return 1;
    }
  } catch (const std::exception& problem) {
    std::cerr << "sample_cities: " << argv[1] << ": " << problem.what() << "\n";
    return 1;
  }
  return 0;
}
