// The menu format (".menu"), with the rules of every resource text
// (resource.h):
//
//   menu <id>                               first, once
//   popup "<text>" [<flag>...]              a pop-up; its entries follow up to
//   end                                     its 'end' (pop-ups nest)
//   item <command> "<text>" [<flag>...]     an item that sends the command (1-65535)
//   separator
//
// The entries outside any pop-up are the menu bar's. Flags: checked,
// grayed, disabled. A command appears once in a menu (a lookup by command
// finds one item). Indenting the entries of a pop-up is customary; the
// format ignores it.
#include <map>

#include "platform/ui/menu.h"
#include "resources/resource_formats.h"
#include "resources/resource_text.h"

namespace platform::ui::detail {

namespace {

constexpr std::size_t kDeepestNesting = 8;

struct MenuFlagWord {
  const char* word;
  unsigned flag;
};
constexpr MenuFlagWord kFlagWords[] = {
    {"checked", menu_flag::Checked},
    {"grayed", menu_flag::Grayed},
    {"disabled", menu_flag::Disabled},
};

class MenuParser : public ResourceParser {
 public:
  using ResourceParser::ResourceParser;

  std::optional<MenuResource> parse(std::string_view text) {
    open_.push_back({&result_.entries, 0, {}});
    if (!parseText(text, "menu", result_.id, [this](const std::vector<Token>& tokens, int line, LineCursor&) {
          return parseEntry(tokens, line);
        }))
      return std::nullopt;
    if (open_.size() > 1) return fail(open_.back().line, "pop-up \"" + open_.back().text + "\" has no 'end'");
    return std::move(result_);
  }

 private:
  struct OpenMenu {
    std::vector<MenuEntry>* entries;
    int line;
    std::string text;
  };

  bool parseEntry(const std::vector<Token>& tokens, int line) {
    const std::string& keyword = tokens[0].value;
    MenuEntry entry;
    if (keyword == "end") {
      if (open_.size() == 1) return failed(line, "'end' without a pop-up");
      open_.pop_back();
      return noMore(tokens, 1, line);
    }
    if (keyword == "separator") {
      entry.kind = MenuEntry::Kind::Separator;
      open_.back().entries->push_back(std::move(entry));
      return noMore(tokens, 1, line);
    }
    std::size_t next = 0;
    if (keyword == "popup") {
      if (!expect(tokens, 2, line, "popup \"<text>\" [<flag>...]")) return false;
      entry.kind = MenuEntry::Kind::Popup;
      next = 2;
    } else if (keyword == "item") {
      if (!expect(tokens, 3, line, "item <command> \"<text>\" [<flag>...]") ||
          !number(tokens[1], line, "command", 1, 0xFFFF, entry.command))
        return false;
      if (const auto [at, added] = commands_.emplace(entry.command, line); !added)
        return failed(line, "command " + tokens[1].value + " is also on line " + std::to_string(at->second));
      next = 3;
    } else {
      return failed(line, "unknown keyword '" + keyword + "'");
    }
    if (!quoted(tokens[next - 1], line, "menu text", entry.text)) return false;
    for (std::size_t i = next; i < tokens.size(); ++i) {
      const MenuFlagWord* word = FindWordIn(kFlagWords, tokens[i].value);
      if (word == nullptr || tokens[i].kind != Token::Kind::Word)
        return failed(line, "unknown flag '" + tokens[i].value + "'");
      entry.flags |= word->flag;
    }
    std::vector<MenuEntry>& into = *open_.back().entries;
    into.push_back(std::move(entry));
    if (into.back().kind == MenuEntry::Kind::Popup) {
      if (open_.size() > kDeepestNesting) return failed(line, "pop-ups nest too deep");
      // The pop-up's own list: stable while its entries are read, since
      // nothing is added to the list that holds it until its 'end'.
      open_.push_back({&into.back().entries, line, into.back().text});
    }
    return true;
  }

  MenuResource result_;
  std::vector<OpenMenu> open_;   // the menu bar, then the open pop-ups
  std::map<int, int> commands_;  // command -> its line
};

}  // namespace

std::optional<MenuResource> ParseMenuResource(std::string_view text, ResourceError& error) {
  error = {};
  return MenuParser(error).parse(text);
}

MenuHandle BuildMenu(const std::vector<MenuEntry>& entries) {
  const MenuHandle menu = CreateMenu();
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::Kind::Item: AppendMenuItem(menu, entry.command, entry.text, entry.flags); break;
      case MenuEntry::Kind::Separator: AppendSeparator(menu); break;
      case MenuEntry::Kind::Popup: AppendSubMenu(menu, BuildMenu(entry.entries), entry.text, entry.flags); break;
    }
  }
  return menu;
}

}  // namespace platform::ui::detail
