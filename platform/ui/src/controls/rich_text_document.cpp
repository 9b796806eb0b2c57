// Reading RTF and plain text into the rich-text view's document (see
// rich_text_document.h).
//
// RTF, as far as it is read here: the text is bytes; '{' opens a group
// and '}' closes it (the character format is the group's and returns
// when it closes); '\' starts a control word (letters, then an optional
// signed number, then one optional blank that belongs to the word), a
// control symbol ('\' and one other character), or a code-page byte
// (\' and two hexadecimal digits). Carriage returns and line feeds in the
// text mean nothing.
#include "rich_text_document.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "platform/kernel/digits.h"

namespace platform::ui::detail {

namespace {

// Control-word names are compared on at most this many letters (RTF's
// own limit); longer words are read whole and never match.
constexpr std::size_t kLongestName = 32;
// Numbers are held to this magnitude.
constexpr std::uint64_t kLargestNumber = 1'000'000'000;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Groups whose content is never shown.
constexpr std::string_view kSkippedDestinations[] = {
    "fonttbl",   "colortbl",     "stylesheet",
    "info",      "pict",         "object",
    "header",    "headerl",      "headerr",
    "headerf",   "footer",       "footerl",
    "footerr",   "footerf",      "footnote",
    "fldinst",   "listtable",    "listoverridetable",
    "rsidtbl",   "themedata",    "colorschememapping",
    "datastore", "latentstyles", "xmlnstbl",
    "generator", "filetbl",      "revtbl",
};

// Words that stand for one Windows-1252 character.
struct SymbolWord {
  std::string_view name;
  char character;
};
constexpr SymbolWord kSymbolWords[] = {
    {"emdash", '\x97'},    {"endash", '\x96'}, {"lquote", '\x91'}, {"rquote", '\x92'}, {"ldblquote", '\x93'},
    {"rdblquote", '\x94'}, {"bullet", '\x95'}, {"emspace", ' '},   {"enspace", ' '},
};

class RtfReader {
 public:
  explicit RtfReader(std::string_view rtf) : rtf_(rtf) { document_.emplace_back(); }

  RichTextDocument read() {
    while (at_ < rtf_.size()) {
      const char c = rtf_[at_++];
      switch (c) {
        case '{': groups_.push_back(state_); break;
        case '}':
          // A brace that closes no group is passed over.
          if (!groups_.empty()) {
            state_ = groups_.back();
            groups_.pop_back();
          }
          break;
        case '\\': escape(); break;
        case '\r':
        case '\n': break;
        default: text(c); break;
      }
    }
    // The paragraph mark ending the last paragraph opens no new one.
    if (document_.size() > 1 && document_.back().runs.empty())
      document_.pop_back();
    else
      document_.back().end = state_.format;
    return std::move(document_);
  }

 private:
  struct State {
    CharacterFormat format;
    bool skipping = false;  // inside a destination that shows nothing
  };

  void text(char c) {
    if (state_.skipping || (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n')) return;
    std::vector<TextRun>& runs = document_.back().runs;
    if (runs.empty() || !(runs.back().format == state_.format)) runs.push_back({{}, state_.format});
    runs.back().text += c;
  }

  void paragraph() {
    if (state_.skipping) return;
    document_.back().end = state_.format;
    document_.emplace_back();
  }

  void escape() {
    if (at_ >= rtf_.size()) return;
    const char c = rtf_[at_];
    if (IsLetter(c)) {
      controlWord();
      return;
    }
    ++at_;
    switch (c) {
      case '\'': {
        int value = 0;
        int digits = 0;
        while (digits < 2 && at_ < rtf_.size() && HexValue(rtf_[at_]) >= 0) {
          value = value * 16 + HexValue(rtf_[at_++]);
          ++digits;
        }
        if (digits > 0) text(static_cast<char>(value));
        break;
      }
      case '\\':
      case '{':
      case '}': text(c); break;
      case '~': text('\xA0'); break;
      case '_': text('-'); break;
      case '*': state_.skipping = true; break;
      case '\r':
      case '\n': paragraph(); break;
      default: break;  // \- (an optional hyphen) and unknown symbols
    }
  }

  void controlWord() {
    const std::size_t start = at_;
    while (at_ < rtf_.size() && IsLetter(rtf_[at_])) ++at_;
    const std::string_view name = rtf_.substr(start, std::min(at_ - start, kLongestName + 1));
    bool negative = false;
    if (at_ < rtf_.size() && rtf_[at_] == '-') {
      negative = true;
      ++at_;
    }
    const DigitRun digits = LeadingDigits(rtf_.substr(at_), kLargestNumber);
    at_ += digits.length;
    if (negative && digits.length == 0) --at_;  // a '-' without digits is text
    if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;
    const bool hasNumber = digits.length > 0;
    const long number = (negative ? -1 : 1) * static_cast<long>(digits.value);
    apply(name, hasNumber, number);
  }

  void apply(std::string_view name, bool hasNumber, long number) {
    const bool on = !hasNumber || number != 0;
    CharacterFormat& format = state_.format;
    if (name == "par" || name == "sect" || name == "page") {
      paragraph();
    } else if (name == "line") {
      text('\n');
    } else if (name == "tab") {
      text('\t');
    } else if (name == "b") {
      format.bold = on;
    } else if (name == "i") {
      format.italic = on;
    } else if (name == "ul") {
      format.underline = on;
    } else if (name == "ulnone") {
      format.underline = false;
    } else if (name == "fs") {
      if (hasNumber && number > 0)
        format.halfPoints = static_cast<int>(std::clamp<long>(number, kSmallestHalfPoints, kLargestHalfPoints));
    } else if (name == "plain") {
      format = CharacterFormat{};
    } else if (name == "bin") {
      // Binary data: its bytes are not RTF.
      if (hasNumber && number > 0) at_ += std::min<std::size_t>(static_cast<std::size_t>(number), rtf_.size() - at_);
    } else if (std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), name) !=
               std::end(kSkippedDestinations)) {
      state_.skipping = true;
    } else {
      for (const SymbolWord& symbol : kSymbolWords)
        if (name == symbol.name) text(symbol.character);
    }
  }

  std::string_view rtf_;
  std::size_t at_ = 0;
  State state_;
  std::vector<State> groups_;
  RichTextDocument document_;
};

}  // namespace

RichTextDocument ReadRtf(std::string_view rtf) { return RtfReader(rtf).read(); }

RichTextDocument ReadPlainText(std::string_view text, const CharacterFormat& format) {
  RichTextDocument document(1);
  document.back().end = format;
  for (char c : text) {
    if (c == '\n') {
      document.emplace_back();
      document.back().end = format;
      continue;
    }
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') continue;
    std::vector<TextRun>& runs = document.back().runs;
    if (runs.empty()) runs.push_back({{}, format});
    runs.back().text += c;
  }
  return document;
}

std::string PlainTextOf(const RichTextDocument& document) {
  std::string text;
  for (std::size_t i = 0; i < document.size(); ++i) {
    if (i > 0) text += "\r\n";
    for (const TextRun& run : document[i].runs)
      for (char c : run.text) text += c == '\n' ? '\v' : c;
  }
  return text;
}

}  // namespace platform::ui::detail
