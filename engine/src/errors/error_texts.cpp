#include "errors/error_texts.h"

namespace vorn {

std::string ErrorText(std::int16_t) { return {}; }

char* FillErrorStringBuffer(char* buffer) { return buffer; }

}  // namespace vorn
