// Ratekit32's own English texts for the numbers it stores in LastErrorCode
// (the program looks in its language file first). A number without a text
// of its own reads "Error occurred.".
#pragma once

#include <cstdint>
#include <string_view>

namespace ratekit {

std::string_view ErrorText(std::int32_t number);

// How many numbers have a text of their own.
std::size_t ErrorTextCount();

}  // namespace ratekit
