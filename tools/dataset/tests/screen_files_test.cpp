// The rating screen's files: built by field from UTF-8 descriptions into
// their code page and layouts, decoded back, and checked for what the
// screen would read wrongly (bad input that the screen meets in the field).
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

std::string Padded(std::string text, std::size_t width, char pad = ' ') {
  text.resize(width, pad);
  return text;
}

std::string City(std::string code, std::string state, std::string city) {
  return Padded(code, 6) + state + Padded(city, 28) + '\0';
}

TEST(ScreenFiles, AreBuiltByFieldAndDecodedBack) {
  const std::string met = Padded(std::string(4, '\0') + "Y" + '\0' + "N" + '\0' + "N" + '\0' + "Y" + '\0' + "Y" + '\0' +
                                     "Y" + std::string(3, '\0') + "AYUDA.HLP",
                                 283, '\0');
  const struct {
    const char* description;
    const char* file;
    std::string bytes;
  } cases[] = {
      {"language\n  text key=30 comment=menu en=Run es=Ejecución\n  text key=252 en=No\n", "QIV32.LNG",
       "30\r\nmenu\r\nRun\r\nEjecuci\xF3n\r\n252\r\n\r\nNo\r\n\r\n"},
      {"language\n  text key=40000 en=\"Costs €5\" es=\"Año “nuevo”\"\n", "QIV32.LNG",
       "40000\r\n\r\nCosts \x80"
       "5\r\nA\xF1o \x93nuevo\x94\r\n"},
      {"library-names\n  line\n", "LIBNAME.FIL", "YRatekit32.VORN32\n"},
      {"library-names\n  line engine=N service=Lanebook32.dll\n", "LIBNAME.FIL", "NRatekit32.Lanebook32.dll\n"},
      {"library-names\n  line engine-library=\n", "LIBNAME.FIL", "YRatekit32\n"},
      {"about language=spanish\n  line text=\"Tarificación\"\n  line\n", "aboutsp.fil",
       Padded("Tarificaci\xF3n", 91) + "\n" + Padded("", 91) + "\n"},
      {"us-cities level=L1\n  city code=60601 state=IL city=CHICAGO\n", "L1.CTU", City("60601", "IL", "CHICAGO")},
      {"canadian-cities level=L1\n  city code=K1A state=ON city=OTTAWA\n", "L1.CTC", City("K1A", "ON", "OTTAWA")},
      {"mexican-cities level=L1\n  city code=64000 state=NL city=MONTERREY high=64999\n", "L1.CMX",
       City("64000", "NL", "MONTERREY")},
      {"mexican-cities level=L1\n  city code=64000 state=NL city=MONTERREY high=64999\n  city code=88000 state=TM "
       "city=X range=none\n",
       "L1.MXR",
       std::string("64000\0"
                   "64999\0",
                   12)},
      {"base-point-names level=L1\n  point key=0101 kind=A label=NYC description=\"NEW YORK\"\n", "L1.DSP",
       "0101A" + Padded("NYC", 8) + Padded("NEW YORK", 30)},
      {"base-point-names level=L1\n", "L1.DSP", ""},
      {"mexico-defaults level=L1\n  set spanish-at-start=Y\n", "L1.MEF", Padded(std::string("N\0Y", 3), 350, '\0')},
      {"mexico-settings level=L1\n  set spanish-help-file=AYUDA.HLP\n", "L1.MET", met},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Built(c.description, c.file), c.bytes) << c.description;
    EXPECT_EQ(Rebuilt(c.file, c.bytes), c.bytes) << DecodeContent(c.file, c.bytes);
  }
  // Decoded descriptions read as written, comments and defaults left out.
  EXPECT_EQ(DecodeContent("LIBNAME.FIL", "NRatekit32.Lanebook32.dll\n"),
            "library-names\n  line engine=N service=Lanebook32.dll\n");
  EXPECT_EQ(DecodeContent("L1.MXR", City("64000", "NL", "MONTERREY") + City("88000", "TM", "X")),
            "mexican-cities level=L1\n  city code=64000 state=NL city=MONTERREY range=none\n  city code=88000 state=TM "
            "city=X range=none\n");
}

TEST(ScreenFiles, DescriptionsThatCannotBeWrittenAreRefused) {
  const struct {
    const char* description;
    const char* error;
  } cases[] = {
      {"language\n  text en=Run\n", "line 2: a text names its key: key=<number>"},
      {"language\n  text key=1 en=\"日本\"\n",
       "line 2: field 'en': '日' has no place in Windows-1252, the code page of the file"},
      {"language\n  text key=1 en=\"a\\xFFb\"\n", "line 2: field 'en': the bytes from position 1 are not UTF-8"},
      {"language\n  text key=1 en=\"two\\nlines\"\n", "line 2: field 'en' holds a line end; a text is one line"},
      {"language\n  text key=1 fr=Bonjour\n", "line 2: unknown field 'fr' (fields: key, comment, en, es)"},
      {"library-names\n  line functions=Rate.kit\n",
       "line 2: field 'functions': 'Rate.kit' holds a point or a line end, which split the line elsewhere"},
      {"about\n  line text=\"a\\tb\"\n", "line 2: field 'text' holds a control character"},
      {"about language=french\n", "line 1: field 'language': english (about.fil) or spanish (aboutsp.fil)"},
      {"mexican-cities level=L1\n  city range=none low=64000\n", "line 2: range=none takes no low="},
      {"mexico-settings level=L1\n  set spanish-help-file=NAME_LONGER_THAN.HLP\n",
       "line 2: field 'spanish-help-file': 'NAME_LONGER_THAN.HLP' is longer than 13 characters"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.description), c.error) << c.description;
}

TEST(ScreenFiles, ChecksRefuseWhatTheScreenWouldReadWrongly) {
  const std::string longLine(2000, 'x');
  std::string lowerCaseFlag = Built("mexico-settings level=L\n", "L.MET");
  lowerCaseFlag[4] = 'y';
  const struct {
    const char* kind;
    std::string content;
    std::vector<std::string> messages;
  } cases[] = {
      // Language texts: groups cut short, keys that are no number or repeat, texts the screen cuts.
      {"language",
       "30\r\nc\r\nRun\r\nEjecutar\r\n31\r\nc\r\nView\r\n",
       {"1: the file ends after 3 of the group's 4 lines, so its texts are empty"}},
      {"language",
       "abc\r\n\r\nx\r\nx\r\n0123\r\n\r\nx\r\nx\r\n",
       {"0: key \"abc\" is not a number from 1 up written without leading zeros; the program reads it as 0 and never "
        "finds the text where it is meant",
        "1: key \"0123\" is not a number from 1 up written without leading zeros; the program reads it as 123 and "
        "never finds the text where it is meant"}},
      {"language",
       "7\r\n\r\nfirst\r\n\r\n7\r\n\r\nsecond\r\n\r\n",
       {"1: repeats key 7 of group 0; the first group of a key wins, so this one is never shown"}},
      {"language",
       "7\n\nx\nx\n",
       {"0: the key line does not end in CR LF", "0: the comment line does not end in CR LF",
        "0: the en line does not end in CR LF", "0: the es line does not end in CR LF"}},
      {"language",
       "7\r\n\r\n" + longLine + "\r\n\x81\r\n",
       {"0: the en line is 2000 characters; the program reads 1999",
        "0: the es line holds a byte that Windows-1252 leaves undefined"}},
      {"language",
       "123\r\n\r\nFATAL ERROR!!!!\r\nERROR FATAL\r\n",
       {"0: the en text is 15 characters; a fatal-error caption shows at most 14"}},
      {"language",
       "251\r\n\r\nYes\r\nS\xED, continuar\r\n",
       {"0: the es text is 13 characters; a question button shows at most 11"}},
      {"language",
       "40001\r\n\r\n" + std::string(127, 's') + "\r\nok\r\n",
       {"0: the en text is 127 characters; a status-bar text shows at most 126"}},
      {"language",
       "32792\r\n\r\n" + std::string(80, 't') + "\r\nok\r\n",
       {"0: the en text is 80 characters; a command's tool tip shows at most 79"}},
      // Library names: empty, the engine letter alone, too long, a carriage return, a path.
      {"library-names", "", {"holds no line: the program loads no library and ends"}},
      {"library-names",
       "Y\n",
       {"0: names no rating-function library", "0: uses the engine (Y) but names no engine library after a point"}},
      {"library-names",
       "YRatekit32.VORN32.Lanebook32.dll.ExtraNames.XYZ\n",
       {"0: is 47 characters; the program reads 29, so the names are cut"}},
      {"library-names",
       "YRatekit32.VORN32\r\n",
       {"0: holds a carriage return; the program removes only the line feed, so it stays on a name"}},
      {"library-names",
       "Ylib/Ratekit32.VORN32\n",
       {"0: names \"lib/Ratekit32\" with a path separator; the program loads only names in its data directory"}},
      // About texts: short lines, too many lines.
      {"about", std::string(91, ' ') + "\n" + "short\n", {"1: is 6 bytes, not 92"}},
      {"about", std::string(21 * 92, ' '), {"holds 21 lines; the program reads 20"}},
      // City lists: order, code shapes, states.
      {"us-cities level=L",
       City("60601", "IL", "CHICAGO") + City("10001", "NY", "NEW YORK") + City("12201", "NY", "Albany"),
       {"2: is out of order after record 1 (the records must be sorted by state and city, without regard to case, as "
        "the lookups search)"}},
      {"us-cities level=L",
       City("6060", "il", "CHICAGO"),
       {"0: columns 0-5 (code): \"6060  \" is not five digits and a blank",
        "0: columns 6-7 (state): \"il\" is not two capital letters"}},
      {"canadian-cities level=L",
       City("K1A0B1", "ON", "OTTAWA") + City("K1", "ON", "OTTAWA"),
       {"1: columns 0-5 (code): \"K1    \" is not a postal code (K1A0B1) or its prefix (K1A)"}},
      // Mexican ranges: past the city list, naming a city of another code.
      {"mexican-cities level=L", City("64000", "NL", "MONTERREY"), {}},
      // Mexico images: whole, and their flags Y or N.
      {"mexico-defaults level=L",
       std::string(349, '\0'),
       {"is 349 bytes, not 350 (the image is read whole or not at all)"}},
      {"mexico-defaults level=L", "", {"is 0 bytes, not 350 (the image is read whole or not at all)"}},
      {"mexico-settings level=L",
       lowerCaseFlag,
       {"byte 4 (shipment-detail) \"y\" is not Y or N (the screen reads it as N)"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Messages(c.kind, c.content), c.messages) << c.kind << " " << c.content.substr(0, 60);
}

TEST(ScreenFiles, MexicanRangesMustNameTheirOwnCities) {
  // The dialog lists .CMX record i for .MXR record i only when the city's
  // code begins as the range's low key.
  const std::string description =
      "mexican-cities level=L1\n"
      "  city code=64000 state=NL city=MONTERREY\n"
      "  city code=88000 state=TM city=\"NUEVO LAREDO\" low=64100 high=64199\n"
      "  range low=22000 high=22999\n";
  const std::vector<std::string> expected = {
      "L1.MXR record 1 (line 3): its .CMX record 1 has the code \"88000 \", which does not begin as its low key "
      "\"64100\", so the city is "
      "never listed",
      "L1.MXR record 2 (line 4): names .CMX record 2, past the end of .CMX (2 records)"};
  EXPECT_EQ(testing::DescriptionProblems(description), expected);
}

}  // namespace
}  // namespace dataset
