#include "platform/kernel/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// The code page's characters at 0x80-0x9F as the desktop writes them; the
// unassigned bytes stand for the C1 controls of their own value.
constexpr const char* kHighCharacters[32] = {
    "€",      "\u0081", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "\u008D", "Ž", "\u008F",
    "\u0090", "‘",      "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "\u009D", "ž", "Ÿ",
};

// Every one of the 256 bytes: its character, its UTF-8 text, and the way
// back from both.
TEST(CodePage, EveryByteHasItsCharacterAndComesBackUnchanged) {
  for (int value = 0; value < 256; ++value) {
    SCOPED_TRACE(value);
    const auto byte = static_cast<unsigned char>(value);
    const std::string single(1, static_cast<char>(byte));
    std::string expectedUtf8;
    if (byte >= 0x80 && byte < 0xA0) {
      expectedUtf8 = kHighCharacters[byte - 0x80];
    } else if (byte < 0x80) {
      expectedUtf8 = single;  // ASCII, controls included
    } else {
      // Latin-1: two bytes, 0xC2 or 0xC3 and the low six bits.
      expectedUtf8 = {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
    }
    EXPECT_EQ(Windows1252ToUtf8(single), expectedUtf8);
    Utf8Reader reader(expectedUtf8);
    const auto codePoint = reader.next();
    ASSERT_TRUE(codePoint.has_value());
    EXPECT_FALSE(reader.next().has_value());
    EXPECT_EQ(Windows1252ToCodePoint(byte), *codePoint);
    EXPECT_EQ(CodePointToWindows1252(*codePoint), byte);
    EXPECT_EQ(Utf8ToWindows1252(expectedUtf8), single);
    const bool unassigned = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    EXPECT_EQ(Windows1252Assigns(byte), !unassigned);
  }
}

// Desktop text into the code page: characters it lacks and malformed UTF-8
// give one stand-in per character or per bad byte, never a stop.
TEST(CodePage, DesktopTextKeepsWhatTheCodePageHasAndMarksTheRest) {
  struct Case {
    const char* utf8;
    std::string expected;
  };
  const Case cases[] = {
      {"Mañana",
       "Ma\xF1"
       "ana"},
      {"Adiós, 5 €", "Adi\xF3s, 5 \x80"},
      {"“quoted” — ok", "\x93quoted\x94 \x97 ok"},
      {"a←b", "a?b"},                // U+2190 is not in the code page
      {"Ā", "?"},                    // nor is U+0100
      {"x😀y", "x?y"},                // four bytes, one character
      {"\xC0\xAF", "??"},            // an overlong '/'
      {"\xED\xA0\x80", "???"},       // a surrogate
      {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
      {"ok\xE2\x82", "ok??"},        // cut short at the end
      {"\x80z", "?z"},               // a stray continuation byte
      {"\xC3"
       "A",
       "?A"},  // a lead byte without its continuation
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.expected);
  }
  EXPECT_EQ(Utf8ToWindows1252("a←b", '_'), "a_b");
}

// The reader tells where each character starts and which replacement
// characters stand for malformed bytes rather than for one in the text.
TEST(CodePage, TheReaderTellsPositionsAndMalformedBytes) {
  Utf8Reader reader("a\xFF\xE2\x82\xAC\xEF\xBF\xBD");  // a, a bad byte, the euro sign, a written U+FFFD
  const struct {
    char32_t codePoint;
    std::size_t end;
    bool malformed;
  } expected[] = {
      {U'a', 1, false}, {kReplacementCharacter, 2, true}, {0x20AC, 5, false}, {kReplacementCharacter, 8, false}};
  for (const auto& [codePoint, end, malformed] : expected) {
    SCOPED_TRACE(end);
    EXPECT_EQ(reader.next(), codePoint);
    EXPECT_EQ(reader.position(), end);
    EXPECT_EQ(reader.lastWasMalformed(), malformed);
  }
  EXPECT_FALSE(reader.next().has_value());
  EXPECT_FALSE(reader.lastWasMalformed());
}

TEST(CodePage, CharactersOutsideTheCodePageHaveNoByte) {
  for (char32_t c : {char32_t{0x100}, char32_t{0x2190}, char32_t{0x20AD}, char32_t{0xFFFD}, char32_t{0x1F600}})
    EXPECT_FALSE(CodePointToWindows1252(c).has_value()) << static_cast<unsigned>(c);
}

}  // namespace
}  // namespace platform
