#include "language/help_topics.h"

#include "platform/ui/resource.h"

namespace qiv {

HelpTranTable HelpTranTable::FromResource() {
  return HelpTranTable(platform::ui::FindDataResource(kHelpTopicResource));
}

std::optional<std::uint32_t> HelpTranTable::contextOf(int id) const {
  if (id == 0) return std::nullopt;
  for (std::size_t at = 0; at + 4 <= pairs_.size(); at += 4) {
    const unsigned pairId = pairs_[at] | (pairs_[at + 1] << 8);
    const unsigned context = pairs_[at + 2] | (pairs_[at + 3] << 8);
    if (pairId == 0 && context == 0) break;
    if (static_cast<int>(pairId) == id) return context;
  }
  return std::nullopt;
}

}  // namespace qiv
