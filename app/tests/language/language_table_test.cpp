// The language file: groups of four lines read as bytes, the first group of
// a key winning, and the defined results of files that are cut short, have
// no line ends, over-long lines or keys that are no number.
#include "language/language_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/temp_directory.h"

namespace qiv {
namespace {

LanguageTable Parse(const std::string& text) {
  return LanguageTable::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

struct Lookup {
  std::int32_t key;
  std::string english;
  std::string spanish;
};

struct FileCase {
  const char* name;
  std::string file;
  std::size_t groups;
  std::vector<Lookup> lookups;
};

TEST(LanguageFile, ReadsGroupsOfFourLinesWithDefinedResultsForBadFiles) {
  const std::string longText(2500, 'x');
  const std::vector<FileCase> cases = {
      {"two groups with CR LF",
       "100\r\nwarning caption\r\nWarning\r\nAdvertencia\r\n251\r\n\r\nYes\r\nS\xED\r\n",
       2,
       {{100, "Warning", "Advertencia"}, {251, "Yes", "S\xED"}}},
      {"empty", "", 0, {{100, "", ""}}},
      {"last group without its Spanish line",
       "30\nmenu\nRun\nEjecutar\n31\nmenu\nOptions",
       2,
       {{30, "Run", "Ejecutar"}, {31, "Options", ""}}},
      {"cut after the key", "123\n", 1, {{123, "", ""}}},
      {"no line end at all", "537", 1, {{537, "", ""}}},
      {"a leading zero and blanks", "  0123\n\nFatal\nFatal\n", 1, {{123, "Fatal", "Fatal"}}},
      {"a key that is no number is key 0", "abc\n\nText\nTexto\n", 1, {{0, "Text", "Texto"}}},
      {"a negative key", "-5\n\nMinus\nMenos\n", 1, {{-5, "Minus", "Menos"}}},
      {"the first of two equal keys wins",
       "15\n\nFirst\nPrimero\n15\n\nSecond\nSegundo\n",
       2,
       {{15, "First", "Primero"}}},
      {"a line over 1999 characters is cut and its rest skipped",
       "40\n\n" + longText + "\nlargo\n41\n\nNext\nSiguiente\n",
       2,
       {{40, std::string(1999, 'x'), "largo"}, {41, "Next", "Siguiente"}}},
      {"a NUL ends a line's text", std::string("50\n\nDir\0ect\nDirecto\n", 20), 1, {{50, "Dir", "Directo"}}},
      {"a run of line ends at a text's end",
       "52\n\nDays\r\r\nD\xED"
       "as\n",
       1,
       {{52, "Days",
         "D\xED"
         "as"}}},
      {"a key past an int is held there", "99999999999\n\nBig\nGrande\n", 1, {{2147483647, "Big", "Grande"}}},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const LanguageTable table = Parse(c.file);
    EXPECT_EQ(table.size(), c.groups);
    for (const Lookup& lookup : c.lookups) {
      EXPECT_EQ(table.getLanguageMessage(lookup.key, Language::English), lookup.english);
      EXPECT_EQ(table.getLanguageMessage(lookup.key, Language::Spanish), lookup.spanish);
    }
  }
}

TEST(LanguageFile, TextsAreCutToTheCallersLimitAndMissingFilesAreReported) {
  platform::testing::TempDirectory dir;
  EXPECT_FALSE(LanguageTable::LoadLanguageFile(dir.withSeparator()));
  dir.write("qiv32.lng", "123\n\nFATAL ERROR of a long caption\nERROR FATAL\n");
  const std::optional<LanguageTable> table = LanguageTable::LoadLanguageFile(dir.withSeparator());
  ASSERT_TRUE(table);
  EXPECT_EQ(table->getLanguageMessage(123, Language::English, 14), "FATAL ERROR of");
  EXPECT_EQ(table->getLanguageMessage(124, Language::English), "");
  EXPECT_TRUE(table->hasKey(123));
  EXPECT_FALSE(table->hasKey(124));
}

}  // namespace
}  // namespace qiv
