// The accelerator table format (".accel"), with the rules of every
// resource text (resource.h):
//
//   accelerators <id>                       first, once
//   key <keys> <command>                    the keys stand for the command (1-65535)
//
// <keys> is the key with the modifiers held for it, joined by '+', in any
// case: "Ctrl+P", "Ctrl+Shift+F5", "Alt+Enter". Modifiers: Ctrl, Shift,
// Alt. Keys: A-Z, 0-9, F1-F24, Backspace, Tab, Enter, Esc, Space, PageUp,
// PageDown, End, Home, Left, Up, Right, Down, Insert, Delete. A key with
// its modifiers stands for one command (several keys may share one).
#include <cctype>
#include <map>
#include <utility>

#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "resources/resource_formats.h"
#include "resources/resource_text.h"

namespace platform::ui::detail {

namespace {

struct NamedKey {
  const char* word;
  VirtualKey key;
};
constexpr NamedKey kNamedKeys[] = {
    {"backspace", key::Backspace}, {"tab", key::Tab},       {"enter", key::Enter},
    {"esc", key::Escape},          {"space", key::Space},   {"pageup", key::PageUp},
    {"pagedown", key::PageDown},   {"end", key::End},       {"home", key::Home},
    {"left", key::Left},           {"up", key::Up},         {"right", key::Right},
    {"down", key::Down},           {"insert", key::Insert}, {"delete", key::Delete},
};
struct NamedModifier {
  const char* word;
  unsigned bits;
};
constexpr NamedModifier kModifiers[] = {
    {"ctrl", modifier::Control},
    {"shift", modifier::Shift},
    {"alt", modifier::Alt},
};
constexpr int kFunctionKeys = 24;

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The key a name stands for, or nothing.
std::optional<VirtualKey> KeyNamed(const std::string& name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<VirtualKey>(std::toupper(static_cast<unsigned char>(name[0])));
  if (const NamedKey* named = FindWordIn(kNamedKeys, name)) return named->key;
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f') {
    int n = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
      n = n * 10 + (name[i] - '0');
    }
    if (n >= 1 && n <= kFunctionKeys && name[1] != '0') return static_cast<VirtualKey>(key::F1 + n - 1);
  }
  return std::nullopt;
}

// "Ctrl+Shift+P" as the key and its modifiers; nothing when it is not one
// key with modifiers named once each.
std::optional<Accelerator> ParseKeys(std::string_view text) {
  Accelerator result;
  std::size_t start = 0;
  for (;;) {
    const std::size_t plus = text.find('+', start);
    const std::string part =
        Lower(text.substr(start, plus == std::string_view::npos ? std::string_view::npos : plus - start));
    if (plus == std::string_view::npos) {
      const auto key = KeyNamed(part);
      if (!key) return std::nullopt;
      result.key = *key;
      return result;
    }
    const NamedModifier* held = FindWordIn(kModifiers, part);
    if (held == nullptr || (result.modifiers & held->bits) != 0) return std::nullopt;
    result.modifiers |= held->bits;
    start = plus + 1;
  }
}

class AcceleratorParser : public ResourceParser {
 public:
  using ResourceParser::ResourceParser;

  std::optional<AcceleratorResource> parse(std::string_view text) {
    if (!parseText(text, "accelerators", result_.id,
                   [this](const std::vector<Token>& tokens, int line, LineCursor&) { return parseKey(tokens, line); }))
      return std::nullopt;
    return std::move(result_);
  }

 private:
  bool parseKey(const std::vector<Token>& tokens, int line) {
    if (tokens[0].value != "key") return failed(line, "unknown keyword '" + tokens[0].value + "'");
    if (!expect(tokens, 3, line, "key <keys> <command>")) return false;
    const auto entry = ParseKeys(tokens[1].value);
    if (tokens[1].kind != Token::Kind::Word || !entry) return failed(line, "unknown key '" + tokens[1].value + "'");
    Accelerator accelerator = *entry;
    if (!number(tokens[2], line, "command", 1, 0xFFFF, accelerator.command) || !noMore(tokens, 3, line)) return false;
    if (const auto [at, added] = lines_.emplace(std::pair{accelerator.key, accelerator.modifiers}, line); !added)
      return failed(line, tokens[1].value + " is also on line " + std::to_string(at->second));
    result_.entries.push_back(accelerator);
    return true;
  }

  AcceleratorResource result_;
  std::map<std::pair<VirtualKey, unsigned>, int> lines_;  // key and modifiers -> their line
};

}  // namespace

std::optional<AcceleratorResource> ParseAcceleratorResource(std::string_view text, ResourceError& error) {
  error = {};
  return AcceleratorParser(error).parse(text);
}

}  // namespace platform::ui::detail
