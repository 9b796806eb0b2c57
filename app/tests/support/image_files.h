// Small image files for the tests' data sets: a Windows bitmap file of one
// colour and an icon file of one colour.
#pragma once

#include <cstdint>
#include <string>

namespace qiv::testing {

// A 24-bit bitmap file, rows bottom-up.
std::string BitmapFile(int width, int height, std::uint32_t rgb);
// An icon file with one 32-bit image of the side.
std::string IconFile(int side, std::uint32_t rgb);

}  // namespace qiv::testing
