// The language texts: every label, menu item, tool tip, status text and
// message of the program, numbered, in English and Spanish, read at
// start-up from QIV32.LNG in the data directory.
//
// QIV32.LNG, read as bytes: groups of four lines, each ended by LF (a CR
// before it, and any run of CRs and LFs at its end, is no part of the
// text):
//   1  the key, a decimal number read as atoi reads it (text that is no
//      number is key 0);
//   2  a comment, not kept;
//   3  the English text;
//   4  the Spanish text.
// Texts are Windows-1252, the program's code page, kept byte for byte. A
// line is at most 1999 characters: a longer line is cut there and the rest
// of it skipped, so the next group still starts where it should; a NUL
// ends the text of its line. Reading stops where a group's key line cannot
// be read (the end of the file); a group cut short by the end of the file
// gets empty texts. Keys need not be sorted or unique: the first group of a
// key wins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "language/language.h"

namespace qiv {

inline constexpr std::size_t kLanguageLineLimit = 1999;
inline constexpr const char* kLanguageFileName = "QIV32.LNG";

class LanguageTable {
 public:
  // The table of a language file's bytes.
  static LanguageTable Parse(std::span<const std::uint8_t> bytes);
  // The table of <dataDirectory>QIV32.LNG; nothing when the file cannot be
  // opened.
  static std::optional<LanguageTable> LoadLanguageFile(std::string_view dataDirectory);

  // The text of the first group with the key, cut to limit characters;
  // empty when no group has the key.
  std::string getLanguageMessage(std::int32_t key, Language language, std::size_t limit = kLanguageLineLimit) const;
  bool hasKey(std::int32_t key) const;

  // The groups in file order, for relabelling.
  std::size_t size() const { return keys_.size(); }
  std::int32_t keyAt(std::size_t i) const { return keys_[i]; }
  const std::string& textAt(std::size_t i, Language language) const {
    return language == Language::Spanish ? spanish_[i] : english_[i];
  }

  // The three arrays, whose addresses the RatingContext's language slots
  // stand for.
  const std::vector<std::int32_t>& keys() const { return keys_; }
  const std::vector<std::string>& english() const { return english_; }
  const std::vector<std::string>& spanish() const { return spanish_; }

 private:
  std::vector<std::int32_t> keys_;
  std::vector<std::string> english_;
  std::vector<std::string> spanish_;
};

// A key line's number: leading white space, a sign and digits, as atoi
// reads them, held to the range of an int; 0 when there is no digit.
std::int32_t LanguageKey(std::string_view line);

}  // namespace qiv
