// The help-topic table: the raw data resource "HELPTRAN" compiled into the
// program, pairs of little-endian 16-bit numbers (a control or command id,
// the help context of its page) ending with the pair 0, 0. Several ids may
// share one context.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace qiv {

inline constexpr const char* kHelpTopicResource = "HELPTRAN";

class HelpTranTable {
 public:
  HelpTranTable() = default;
  explicit HelpTranTable(std::span<const std::uint8_t> pairs) : pairs_(pairs) {}
  // The program's table (empty when the program has none).
  static HelpTranTable FromResource();

  // The context of the first pair with the id, searched from the start up
  // to the end pair (or the end of the data, when it has none); nothing for
  // id 0 or an id that has no pair.
  std::optional<std::uint32_t> contextOf(int id) const;

 private:
  std::span<const std::uint8_t> pairs_;
};

}  // namespace qiv
