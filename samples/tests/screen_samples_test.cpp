// The rating screen's sample files: the language texts carry every text
// the program quotes, exactly, in English with a Spanish text beside it;
// no key relabels a control whose text the program or the user sets; the
// help documents have a page for every help context in both languages, and
// the levels' settings images name them and the window icon, and the print
// and export files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "dataset/data_set.h"

namespace {

struct Texts {
  std::string english, spanish;
};

// The groups of QIV32.LNG as the program reads them: key, comment, English, Spanish.
std::map<int, Texts> LanguageTexts() {
  const dataset::DataSet set = dataset::DataSet::Load(std::string(QIV_SAMPLES_DIR) + "/language.dataset");
  const dataset::DataFile* file = set.file("QIV32.LNG");
  if (!file) return {};
  std::map<int, Texts> texts;
  for (const dataset::DataRecord& group : file->records) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < group.bytes.size();) {
      const std::size_t end = group.bytes.find("\r\n", at);
      lines.push_back(group.bytes.substr(at, end - at));
      at = end + 2;
    }
    texts.emplace(std::stoi(lines.at(0)), Texts{lines.at(2), lines.at(3)});
  }
  return texts;
}

class LanguageFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { texts_ = new std::map<int, Texts>(LanguageTexts()); }
  static void TearDownTestSuite() { delete texts_; }
  static std::map<int, Texts>* texts_;
};
std::map<int, Texts>* LanguageFile::texts_ = nullptr;

TEST_F(LanguageFile, QuotesTheProgramsTextsExactlyWithSpanishBeside) {
  const std::map<int, std::string> quoted = {
      // The menus and the command labels.
      {30, "Run"},
      {31, "Options"},
      {32, "View"},
      {33, "Help"},
      {32792, "Print Shipment"},
      {32794, "Print Setup"},
      {32793, "Export Shipment"},
      {32770, "Export Setup"},
      {32774, "PriceSheet"},
      {32773, "BOL"},
      {32789, "Rules"},
      {32799, "Maintenance of Data Modules"},
      {32775, "Exit"},
      {32776, "Rating Prompts"},
      {32832, "Settings"},
      {32779, "Use Discounts"},
      {32777, "Calculator"},
      {32828, "Tariff Display"},
      {32788, "Auto Clear"},
      {32790, "Division of Revenue"},
      {32829, "Conversion/Density Calculator"},
      {32836, "English"},
      {32837, "Spanish"},
      {32838, "Border Crossing Points"},
      {32840, "View Shipment Detail"},
      {32771, "Display Rates/Alternation"},
      {32834, "Display License Agreement"},
      {32791, "Accessorial Totals"},
      {32795, "U.S. City Lookup"},
      {32796, "Canadian City Lookup"},
      {32815, "Mexican City Lookup"},
      {32816, "Terminal Information"},
      {32800, "Show Service Map"},
      {32787, "Contents"},
      {32839, "About the System..."},
      {32805, "Visit Our Website"},
      {32841, "Fuel Surcharge WebSite"},
      // The field labels and the result labels of the rating screen.
      {4342, "SCAC:"},
      {4413, "MC Discount:"},
      {4364, "Discount:"},
      {4365, "Floor:"},
      {4414, "LTL Surcharge:"},
      {4415, "TL Surcharge:"},
      {4366, "Accessorial:"},
      {4367, "Shipment ID:"},
      {4368, "Single Shipment:"},
      {4577, "Deficit Weight:"},
      {4576, "Billed Weight:"},
      {4584, "Total Weight:"},
      {4575, "Minimum Charge:"},
      {4585, "Gross Charge:"},
      {4574, "Discount:"},
      {4573, "Net Charge:"},
      {4572, "Fuel Surcharge:"},
      {4581, "Central Coastal Fee:"},
      {4589, "IVA Tax:"},
      {4590, "Insurance"},
      {4571, "Accessorial Charges:"},
      {4570, "Total Charges:"},
      {4578, "Currency Exchange:"},
      {4894, "lbs."},
      {4895, "kgs."},
      // The small dialogs.
      {4867, "Level "},
      {4925, "not show this message again."},
      {543, "Setup Shipment Print"},
      {544, "Setup Shipment Export"},
      {551, "Warning - File Already Exists"},
      {3109, "Settings"},
      {555, "U.S. City Lookup"},
      {556, "Canadian City Lookup"},
      {557, "Conversion/Density Calculator"},
      {1022, "Print All Rating Screens"},
      {1026, "Export All Rating Screens"},
      {1031, "Output Comma Separated Values"},
      {4666, "Use prompt for IVA Tax "},
      {4938, "Total Shipment Density"},
      // The rating-function library's own texts (a line break inside a text becomes a blank).
      {101, "Invalid Origin ZIP Code."},
      {106, "Invalid Weight."},
      {109, "C.O.D amount cannot exceed $80,000.00"},
      {117, "Failed to create printer device fonts. Print not performed."},
      {292, "Error opening WEB file."},
      {305, "Error writing LVL file."},
      {513, "Invalid Factor."},
      {534, "Error reading MCA file."},
      // The printouts' heading (two centred lines) and messages.
      {537, "QIV      Freight Rating"},
      {111, "Nothing to Export"},
      {116, "Nothing to Print"},
      {417, "Error opening EXP file."},
      {418, "Error writing EXP file."},
      {419, "Error opening PRT file."},
      {420, "Error writing PRT file."},
      {503, "Error opening Printer"},
  };
  for (const auto& [key, english] : quoted) {
    ASSERT_TRUE(texts_->contains(key)) << key;
    EXPECT_EQ(texts_->at(key).english, english) << key;
  }
  // Every key the code asks for by number, and every caption and status text, has both texts.
  std::set<int> used = {15,  40,   41,   42,   43,   44,   45,   50,   51,   52,   53,   54,    55,    78,   100,
                        123, 152,  155,  156,  216,  217,  218,  251,  252,  255,  257,  258,   259,   524,  537,
                        580, 2403, 2404, 2405, 2406, 535,  536,  538,  539,  541,  548,  549,   550,   553,  554,
                        572, 3103, 3105, 3114, 3125, 3131, 3136, 3137, 3140, 3143, 3144, 40021, 40022, 40023};
  for (int binding : {159, 162, 163, 164, 165, 166, 167, 169, 170, 171, 172, 173, 174, 177, 178, 179, 180,
                      184, 185, 186, 187, 188, 189, 190, 191, 192, 194, 195, 196, 197, 198, 199, 200, 201,
                      202, 203, 204, 205, 206, 207, 208, 209, 211, 212, 213, 215, 495, 496, 497})
    used.insert(binding);
  for (int title : {56, 57, 58, 59, 60, 61, 62, 63, 66, 67, 68, 69, 70, 71, 72, 75, 76, 77}) used.insert(title);
  for (int printed : {4214, 4417, 4418, 4419, 4420, 4544, 4550, 4551, 4552, 4715, 4719}) used.insert(printed);
  for (const auto& [key, english] : quoted) used.insert(key);
  for (const auto& [key, english] : quoted) {
    if (key >= 32770 && key <= 32845) used.insert(40000 + key);
  }
  for (int key : used) {
    ASSERT_TRUE(texts_->contains(key)) << key;
    EXPECT_FALSE(texts_->at(key).english.empty()) << key;
    EXPECT_FALSE(texts_->at(key).spanish.empty()) << key;
  }
}

TEST_F(LanguageFile, NoKeyRelabelsAControlWhoseTextIsData) {
  // Entry fields, lists, combo boxes, the date picker, the rich-text view
  // and the statics the program fills: a key equal to one of these ids
  // would overwrite its text whenever the dialog is relabelled.
  std::set<int> data = {1000, 1001, 1002, 1003, 1004, 1009, 1013, 1014, 1015, 1017, 1018, 1020, 1025, 1029, 1030,
                        1033, 1075, 1076, 1081, 1082, 2133, 2135, 2137, 2139, 2140, 2141, 2142, 2143, 2144, 2156,
                        2158, 2209, 2210, 2211, 2212, 2213, 2214, 2215, 2216, 2217, 2219, 2220, 2221, 3307, 3308,
                        4343, 4344, 4345, 4346, 4348, 4349, 4351, 4352, 4353, 4360, 4361, 4362, 4363, 4371, 4372,
                        4373, 4412, 4542, 4543, 4548, 4549, 4555, 4556, 4557, 4583, 4588, 4611, 4649, 4657, 4658,
                        4664, 4665, 4708, 4709, 4710, 4711, 4712, 4730, 4731, 4764, 4788, 4793, 4794, 4802, 4897,
                        4900, 4908, 4909, 4916, 4917, 4919, 4924, 4930, 4931, 4932, 4933, 4935};
  for (int id = 4558; id <= 4569; ++id) data.insert(id);  // result values
  for (int id = 4220; id <= 4239; ++id) data.insert(id);  // About lines
  for (int id = 2108; id <= 2116; ++id) data.insert(id);  // break headings
  for (int id = 2160; id <= 2204; ++id) data.insert(id);  // accessorial rows
  for (int id = 4670; id <= 4703; ++id) data.insert(id);  // discount labels and edits
  for (int id : {4612, 4613, 4614, 4615, 4616, 4617, 4618, 4619, 4651, 4705}) data.insert(id);
  for (int id = 4620; id <= 4647; ++id) data.insert(id);                   // FAK labels and edits
  for (int id = 4810; id <= 4822; ++id) data.insert(id);                   // origin terminal values
  for (int id = 4848; id <= 4860; ++id) data.insert(id);                   // destination terminal values
  data.erase(4813), data.erase(4821), data.erase(4632), data.erase(4693);  // labels and a button among them
  for (const auto& [key, texts] : *texts_)
    EXPECT_FALSE(data.contains(key)) << "key " << key << " names a control whose text is data";
}

TEST(HelpDocuments, HaveAPageForEveryContextInBothLanguages) {
  const std::set<int> contexts = {1,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24, 25,
                                  26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 50, 51, 52,
                                  53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 70, 71, 72, 75, 76};
  for (const char* folder : {"QIVHELP", "QIVAYUDA"}) {
    const std::filesystem::path dir = std::filesystem::path(QIV_SAMPLES_DIR) / "documents" / folder;
    EXPECT_TRUE(std::filesystem::exists(dir / "index.html")) << folder;
    for (int context : contexts)
      EXPECT_TRUE(std::filesystem::exists(dir / ("context-" + std::to_string(context) + ".html")))
          << folder << " " << context;
  }
}

// The program appends a name of 13 NUL-padded bytes to its data directory
// as it stands: a blank or a stray byte after the name would miss the file.
TEST(SettingsImages, NameTheHelpFilesAndTheIconOfTheSampleSet) {
  const dataset::DataSet set = dataset::DataSet::Load(std::string(QIV_SAMPLES_DIR) + "/tariffs.dataset");
  const auto field = [&](const char* file, std::size_t offset) {
    const dataset::DataFile* image = set.file(file);
    return image ? image->content().substr(offset, 13) : std::string("<no ") + file + ">";
  };
  const auto padded = [](std::string name) { return name.append(13 - name.size(), '\0'); };
  EXPECT_EQ(field("SAMPLE01.SET", 240), padded("QIV.ICO"));  // painted into the data directory by the build
  const struct {
    const char* file;
    std::size_t offset;
    const char* help;
  } helps[] = {{"SAMPLE01.SET", 176, "QIVHELP"}, {"SAMPLE01.MET", 18, "QIVAYUDA"}, {"SAMPLE02.MET", 18, "QIVAYUDA"}};
  for (const auto& h : helps) {
    EXPECT_EQ(field(h.file, h.offset), padded(std::string(h.help) + ".HLP")) << h.file;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(QIV_SAMPLES_DIR) / "documents" / h.help / "index.html"))
        << h.help;
  }
}

}  // namespace

// The sample level prints to a file and exports fixed-width records, both on
// request, to files not there yet: names NUL-terminated as the program reads
// them.
TEST(SettingsImages, PrintAndExportToTheSampleFilesOnRequest) {
  const dataset::DataSet set = dataset::DataSet::Load(std::string(QIV_SAMPLES_DIR) + "/tariffs.dataset");
  const dataset::DataFile* image = set.file("SAMPLE01.DEF");
  ASSERT_NE(image, nullptr);
  const std::string def = image->content();
  using namespace std::string_literals;
  EXPECT_EQ(def.substr(75, 5), "FILE\0"s);
  EXPECT_EQ(def.substr(80, 13), "SHIPMENT.PRT\0"s);
  EXPECT_EQ(def.substr(111, 2), "SN");
  EXPECT_EQ(def.substr(115, 13), "SHIPMENT.PRN\0"s);
  EXPECT_EQ(def.substr(146, 4), "\0\0SN"s);
}
