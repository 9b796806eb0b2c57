// The dialog template text format (described in dialog_template.h): its
// tokens, its style words, the parser, and the registry of templates.
#include "platform/ui/dialog_template.h"

#include <map>
#include <memory>
#include <span>

#include "platform/ui/control_descriptor.h"
#include "resources/resource_text.h"

namespace platform::ui {

namespace {

using detail::ParseNumber;
using detail::Token;

// ---- style words

constexpr StyleWord kWindowWords[] = {
    {"popup", style::Popup},
    {"child", style::Child},
    {"visible", style::Visible},
    {"disabled", style::Disabled},
    {"clipsiblings", style::ClipSiblings},
    {"clipchildren", style::ClipChildren},
    {"caption", style::Caption},
    {"border", style::Border},
    {"dlgframe", style::DialogFrame},
    {"vscroll", style::VScroll},
    {"hscroll", style::HScroll},
    {"sysmenu", style::SystemMenu},
    {"thickframe", style::ThickFrame},
    {"group", style::Group},
    {"tabstop", style::TabStop},
};

constexpr StyleWord kDialogWords[] = {
    {"absalign", dialog_style::AbsoluteAlign},  {"sysmodal", dialog_style::SystemModal},
    {"modalframe", dialog_style::ModalFrame},   {"noidlemsg", dialog_style::NoIdleMessage},
    {"control", dialog_style::Control},         {"center", dialog_style::Center},
    {"contexthelp", dialog_style::ContextHelp}, {"minimizebox", style::MinimizeBox},
    {"maximizebox", style::MaximizeBox},
};

constexpr StyleWord kExStyleWords[] = {
    {"dlgmodalframe", exstyle::DialogModalFrame},
    {"noparentnotify", exstyle::NoParentNotify},
    {"topmost", exstyle::TopMost},
    {"toolwindow", exstyle::ToolWindow},
    {"windowedge", exstyle::WindowEdge},
    {"clientedge", exstyle::ClientEdge},
    {"contexthelp", exstyle::ContextHelp},
    {"controlparent", exstyle::ControlParent},
    {"staticedge", exstyle::StaticEdge},
};

using WordTable = std::span<const StyleWord>;

const StyleWord* FindWord(std::initializer_list<WordTable> tables, std::string_view word) {
  for (const WordTable& table : tables)
    for (const StyleWord& entry : table)
      if (word == entry.word) return &entry;
  return nullptr;
}

// Applies the style words to the bits; false with a message for an unknown
// word.
bool ApplyStyleWords(const std::vector<Token>& tokens, std::size_t first, std::initializer_list<WordTable> tables,
                     StyleBits& bits, std::string& problem) {
  for (std::size_t i = first; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    long long number = 0;
    if (ParseNumber(token, number) && number >= 0) {
      bits |= static_cast<StyleBits>(number);
      continue;
    }
    if (token.kind != Token::Kind::Word) {
      problem = "a text where a style word belongs";
      return false;
    }
    const bool remove = token.value.size() > 1 && token.value.front() == '-';
    const std::string_view name = remove ? std::string_view(token.value).substr(1) : std::string_view(token.value);
    const StyleWord* word = FindWord(tables, name);
    if (word == nullptr) {
      problem = "unknown style word '" + token.value + "'";
      return false;
    }
    if (remove)
      bits &= ~(word->typeMask ? (word->bits | word->typeMask) : word->bits);
    else if (word->typeMask)
      bits = (bits & ~word->typeMask) | word->bits;
    else
      bits |= word->bits;
  }
  return true;
}

// ---- control kinds

// The built-in control a template keyword makes, or null.
const ControlDescriptor* ControlOfKeyword(std::string_view keyword, const TemplateKind*& kind) {
  for (const ControlDescriptor* control : BuiltInControls())
    for (const TemplateKind& k : control->templateKinds)
      if (keyword == k.keyword) {
        kind = &k;
        return control;
      }
  return nullptr;
}

// The style words a control of the class takes beyond the window words
// (none for a class that is not built in).
WordTable ClassWords(std::string_view className) {
  const ControlDescriptor* control = FindBuiltInControl(className);
  return control ? control->styleWords : WordTable{};
}

// ---- the parser

class Parser : public detail::ResourceParser {
 public:
  explicit Parser(ResourceError& error) : ResourceParser(error) {}

  std::optional<DialogTemplate> parse(std::string_view text) {
    result_.style = style::Popup | style::Caption | style::SystemMenu | dialog_style::ModalFrame;
    detail::LineCursor lines(text);
    std::string_view line;
    int number = 0;
    while (lines.next(line, number))
      if (!parseLine(line, number)) return std::nullopt;
    if (!sawDialog_) return fail(0, "no 'dialog' line");
    if (!sawSize_) return fail(0, "no 'size' line");
    return std::move(result_);
  }

 private:
  bool parseLine(std::string_view line, int lineNumber) {
    std::vector<Token> tokens;
    if (!tokenize(line, lineNumber, tokens)) return false;
    const std::string& keyword = tokens[0].value;
    if (!sawDialog_ && keyword != "dialog") return failed(lineNumber, "the first line must be 'dialog <id>'");
    if (keyword == "dialog") {
      if (sawDialog_) return failed(lineNumber, "a second 'dialog' line");
      sawDialog_ = true;
      if (!expect(tokens, 2, lineNumber, "dialog <id>")) return false;
      return number(tokens[1], lineNumber, "id", 1, 0xFFFF, result_.id) && noMore(tokens, 2, lineNumber);
    }
    if (keyword == "menu") {
      if (!beforeControls(lineNumber) || !expect(tokens, 2, lineNumber, "menu <id>")) return false;
      return id(tokens[1], lineNumber, result_.menu) && noMore(tokens, 2, lineNumber);
    }
    if (keyword == "caption") {
      if (!beforeControls(lineNumber) || !expect(tokens, 2, lineNumber, "caption \"<text>\"")) return false;
      return quoted(tokens[1], lineNumber, "caption", result_.caption) && noMore(tokens, 2, lineNumber);
    }
    if (keyword == "font") {
      if (!beforeControls(lineNumber) || !expect(tokens, 3, lineNumber, "font <points> \"<face>\"")) return false;
      if (!number(tokens[1], lineNumber, "point size", 1, 72, result_.fontPoints)) return false;
      if (tokens[2].kind != Token::Kind::Text || tokens[2].value.empty())
        return failed(lineNumber, "the font face must be a quoted text");
      result_.fontFace = tokens[2].value;
      return noMore(tokens, 3, lineNumber);
    }
    if (keyword == "position" || keyword == "size") {
      if (!beforeControls(lineNumber) || !expect(tokens, 3, lineNumber, "position <x> <y> / size <width> <height>"))
        return false;
      int a = 0;
      int b = 0;
      const bool size = keyword == "size";
      if (!number(tokens[1], lineNumber, size ? "width" : "x", size ? 1 : -32768, 32767, a) ||
          !number(tokens[2], lineNumber, size ? "height" : "y", size ? 1 : -32768, 32767, b))
        return false;
      if (size) {
        sawSize_ = true;
        result_.rect.right = result_.rect.left + a;
        result_.rect.bottom = result_.rect.top + b;
      } else {
        result_.rect = Rect::FromSize(a, b, result_.rect.width(), result_.rect.height());
      }
      return noMore(tokens, 3, lineNumber);
    }
    if (keyword == "style" || keyword == "exstyle") {
      if (!beforeControls(lineNumber)) return false;
      const bool ex = keyword == "exstyle";
      StyleBits bits = 0;
      std::string problem;
      const bool ok = ex ? ApplyStyleWords(tokens, 1, {kExStyleWords}, bits, problem)
                         : ApplyStyleWords(tokens, 1, {kWindowWords, kDialogWords}, bits, problem);
      if (!ok) return failed(lineNumber, problem);
      (ex ? result_.exStyle : result_.style) = bits;
      return true;
    }
    return parseControl(tokens, lineNumber);
  }

  bool beforeControls(int lineNumber) {
    if (!result_.controls.empty()) return failed(lineNumber, "dialog lines must come before the controls");
    return true;
  }

  bool parseControl(const std::vector<Token>& tokens, int lineNumber) {
    const std::string& keyword = tokens[0].value;
    ControlTemplate control;
    std::size_t next = 1;
    if (keyword == "control") {
      if (tokens.size() < 2 || tokens[1].kind != Token::Kind::Text || tokens[1].value.empty())
        return failed(lineNumber, "expected: control \"<class>\" <id> \"<text>\" <x> <y> <width> <height>");
      control.className = tokens[1].value;
      control.style = style::TabStop;
      next = 2;
    } else {
      const TemplateKind* kind = nullptr;
      const ControlDescriptor* builtIn = ControlOfKeyword(keyword, kind);
      if (builtIn == nullptr) return failed(lineNumber, "unknown keyword '" + keyword + "'");
      control.className = builtIn->className;
      control.style = kind->style;
    }
    control.style |= style::Child | style::Visible;
    if (!expect(tokens, next + 6, lineNumber, "<kind> <id> \"<text>\" <x> <y> <width> <height> [<style>...]"))
      return false;
    if (!number(tokens[next], lineNumber, "id", -1, 0xFFFF, control.id)) return false;
    if (tokens[next + 1].kind != Token::Kind::Text) return failed(lineNumber, "the control text must be quoted");
    control.text = tokens[next + 1].value;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    if (!number(tokens[next + 2], lineNumber, "x", -32768, 32767, x) ||
        !number(tokens[next + 3], lineNumber, "y", -32768, 32767, y) ||
        !number(tokens[next + 4], lineNumber, "width", 0, 32767, width) ||
        !number(tokens[next + 5], lineNumber, "height", 0, 32767, height))
      return false;
    control.rect = Rect::FromSize(x, y, width, height);
    // Extended-style words (clientedge, staticedge...) go to the control's
    // extended style; the rest are style words.
    std::vector<Token> styleTokens(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(next + 6));
    for (std::size_t i = next + 6; i < tokens.size(); ++i) {
      const Token& token = tokens[i];
      const StyleWord* exWord = token.kind == Token::Kind::Word ? FindWord({kExStyleWords}, token.value) : nullptr;
      if (exWord != nullptr && FindWord({kWindowWords, ClassWords(control.className)}, token.value) == nullptr)
        control.exStyle |= exWord->bits;
      else
        styleTokens.push_back(token);
    }
    std::string problem;
    if (!ApplyStyleWords(styleTokens, next + 6, {kWindowWords, ClassWords(control.className)}, control.style, problem))
      return failed(lineNumber, problem);
    result_.controls.push_back(std::move(control));
    return true;
  }

  DialogTemplate result_;
  bool sawDialog_ = false;
  bool sawSize_ = false;
};

std::map<int, std::unique_ptr<DialogTemplate>>& Registry() {
  static auto* registry = new std::map<int, std::unique_ptr<DialogTemplate>>();  // lives to the end of the process
  return *registry;
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text, ResourceError& error) {
  error = {};
  return Parser(error).parse(text);
}

bool RegisterDialogTemplate(DialogTemplate dialogTemplate) {
  auto& registry = Registry();
  if (registry.count(dialogTemplate.id) != 0) return false;
  const int id = dialogTemplate.id;
  registry.emplace(id, std::make_unique<DialogTemplate>(std::move(dialogTemplate)));
  return true;
}

const DialogTemplate* FindDialogTemplate(int id) {
  auto& registry = Registry();
  auto it = registry.find(id);
  return it == registry.end() ? nullptr : it->second.get();
}

}  // namespace platform::ui
