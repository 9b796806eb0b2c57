#include "settings/constant_zip.h"

#include <algorithm>
#include <cctype>

#include "platform/kernel/digits.h"

namespace qiv::settings {

ConstantZipCheck CheckConstantZip(std::string_view text, char zipMode, const std::vector<CodeRange>* ranges) {
  text = text.substr(0, 5);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || std::isalnum(static_cast<unsigned char>(text[0])) == 0) return ConstantZipCheck::Invalid;
  if (platform::IsDecimalDigit(text[0])) {
    const std::size_t digits = static_cast<std::size_t>(std::max(0, zipMode - '0'));
    if (text.size() < digits ||
        !std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(digits), platform::IsDecimalDigit))
      return ConstantZipCheck::Invalid;
  }
  if (ranges == nullptr || platform::LeadingInteger(text.substr(0, 3)).value >= 1) return ConstantZipCheck::Valid;
  for (const CodeRange& r : *ranges) {
    const std::string_view from(r.from.data(), text.size()), to(r.to.data(), text.size());
    if (text < from || text > to) continue;
    const bool wholePrefixes = SuffixOf(r.from) == kWholePrefixFrom && SuffixOf(r.to) == kWholePrefixTo;
    return wholePrefixes || text.size() > 4 ? ConstantZipCheck::Valid : ConstantZipCheck::NotWholePrefix;
  }
  return ConstantZipCheck::Invalid;
}

}  // namespace qiv::settings
