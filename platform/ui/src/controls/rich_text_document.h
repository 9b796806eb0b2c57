// What the rich-text view shows: paragraphs of runs of text in one
// character format, read from RTF or from plain text. Text is in the
// Windows-1252 code page, like every text of the window system; within a
// run '\n' is a line break inside the paragraph and '\t' a tab.
//
// The RTF read is the subset plain licence texts use: groups ({ }),
// \par, \line, \tab, \b, \i, \ul and \ulnone, \fsN (half points), \plain,
// the escapes \\ \{ \} \~ \_ \-, code-page bytes \'xx (taken as
// Windows-1252), and the typographic words (\emdash, \lquote, \bullet,
// ...). Destinations that hold no text (the font, colour and style tables,
// \info, \pict, headers and footers, \fldinst, and every {\* ...} group)
// are skipped whole, \binN skips its N bytes, and any other control word
// is passed over. Whatever the input (unbalanced braces, endless control
// words or numbers, a file cut off anywhere) it reads to a document.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::ui::detail {

struct CharacterFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;  // 12 points, RTF's default
  friend bool operator==(const CharacterFormat&, const CharacterFormat&) = default;
};

struct TextRun {
  std::string text;
  CharacterFormat format;
};

struct Paragraph {
  std::vector<TextRun> runs;
  CharacterFormat end;  // the format at the paragraph's end (an empty paragraph is as high as it)
};

using RichTextDocument = std::vector<Paragraph>;

// Font sizes are held to this range (half points).
inline constexpr int kSmallestHalfPoints = 2;
inline constexpr int kLargestHalfPoints = 144;

RichTextDocument ReadRtf(std::string_view rtf);
// Each line a paragraph ("\r\n" or "\n" ends one); control characters
// other than tabs are dropped.
RichTextDocument ReadPlainText(std::string_view text, const CharacterFormat& format);
// The document's text: paragraphs separated by "\r\n", line breaks as
// '\v'.
std::string PlainTextOf(const RichTextDocument& document);

}  // namespace platform::ui::detail
