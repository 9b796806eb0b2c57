#include "messages/error_text.h"

#include <algorithm>
#include <array>

namespace ratekit {
namespace {

struct NumberedText {
  std::int32_t number;
  std::string_view text;
};

// Sorted by number.
constexpr std::array kTexts{
    NumberedText{101, "Invalid Origin ZIP Code."},
    NumberedText{102, "Invalid Destination ZIP Code."},
    NumberedText{103, "Out of Scope of Operations."},
    NumberedText{104, "Invalid Territory."},
    NumberedText{105, "Invalid Class."},
    NumberedText{106, "Invalid Weight."},
    NumberedText{107, "5 Character Postal Code Required."},
    NumberedText{108, "Invalid Surcharge."},
    NumberedText{109, "C.O.D amount cannot exceed $80,000.00"},
    NumberedText{110, "Entry Required when Item is selected."},
    NumberedText{111, "Nothing to Export"},
    NumberedText{112, "Invalid Zip Code."},
    NumberedText{115, "Error opening Map File"},
    NumberedText{116, "Nothing to Print"},
    NumberedText{117, "Failed to create printer device fonts.\nPrint not performed."},
    NumberedText{118, "Discount Cannot Exceed 99.99"},
    NumberedText{119, "Floor Cannot Exceed 999.99"},
    NumberedText{120, "Internet browser failed to start."},
    NumberedText{121, "Error Creating PRO file."},
    NumberedText{122, "The maximum number of entries has been reached.\nDelete one or more items to continue."},
    NumberedText{125, "Error opening PRO file."},
    NumberedText{126, "Error reading PRO file."},
    NumberedText{127, "Error Selected Settings not found."},
    NumberedText{128, "Invalid Settings Name."},
    NumberedText{129, "Error Writing PRO file."},
    NumberedText{131, "Not Available for selected Tariff."},
    NumberedText{132, "Invalid Currency Exchange."},
    NumberedText{140, "Error reading EFCREC.TBL"},
    NumberedText{141, "Error allocation EFCREC.TBL"},
    NumberedText{160, "Error Creating MEF file."},
    NumberedText{161, "Error writing MEF file."},
    NumberedText{168, "Error allocating ZP6."},
    NumberedText{175, "Error opening LIB file."},
    NumberedText{181, "Error opening MC file."},
    NumberedText{182, "Error opening MCH file."},
    NumberedText{183, "Error opening MCA file."},
    NumberedText{193, "Error allocating MCH."},
    NumberedText{210, "Error opening ADJ file."},
    NumberedText{214, "Error reading ADJ file."},
    NumberedText{220, "Error opening BSE file."},
    NumberedText{224, "Error reading BSE file."},
    NumberedText{225, "Error reading BSV file."},
    NumberedText{230, "Error opening CLS file."},
    NumberedText{235, "Class Total Error."},
    NumberedText{240, "Error opening DEF file."},
    NumberedText{241, "Error creating DEF file."},
    NumberedText{244, "Error reading DEF file."},
    NumberedText{245, "Error writing DEF file."},
    NumberedText{246, "Error writing ACC file."},
    NumberedText{250, "Error opening DIS file."},
    NumberedText{254, "Error reading DIS file."},
    NumberedText{260, "Error opening FAC file."},
    NumberedText{264, "Error reading FAC file."},
    NumberedText{270, "Error opening LA file."},
    NumberedText{272, "Error allocating LA."},
    NumberedText{274, "Error reading LA file."},
    NumberedText{280, "Error opening LAB file."},
    NumberedText{284, "Error reading LAB file."},
    NumberedText{290, "Error opening LAM file."},
    NumberedText{292, "Error opening WEB file."},
    NumberedText{300, "Error opening LVL file."},
    NumberedText{302, "Error allocating LVL."},
    NumberedText{304, "Error reading LVL file."},
    NumberedText{305, "Error writing LVL file."},
    NumberedText{312, "Error allocating MC."},
    NumberedText{314, "Error reading MC file."},
    NumberedText{324, "Error reading MCH file."},
    NumberedText{330, "Error opening MX1 file."},
    NumberedText{340, "Error opening RBA file."},
    NumberedText{342, "Error allocating RBA."},
    NumberedText{344, "Error reading RBA file."},
    NumberedText{350, "Error opening RTE file."},
    NumberedText{354, "Error reading RTE file."},
    NumberedText{360, "Error opening SC file."},
    NumberedText{362, "Error allocating MCA."},
    NumberedText{364, "Error reading SC file."},
    NumberedText{370, "Error opening SET file."},
    NumberedText{374, "Error reading SET file."},
    NumberedText{375, "Error opening SRV file."},
    NumberedText{380, "Error opening WGT file."},
    NumberedText{384, "Error reading WGT file."},
    NumberedText{385, "Weight Total Error."},
    NumberedText{390, "Error opening ZF1 file."},
    NumberedText{394, "Error reading ZF1 file."},
    NumberedText{410, "Error opening ZF2 file."},
    NumberedText{414, "Error reading ZF2 file."},
    NumberedText{415, "Error opening ZP2 file."},
    NumberedText{416, "Error reading ZP2 file."},
    NumberedText{417, "Error opening EXP file."},
    NumberedText{418, "Error writing EXP file."},
    NumberedText{425, "Error writing ZP3 file."},
    NumberedText{435, "Error writing ZP5 file."},
    NumberedText{436, "Error opening ZP6 file."},
    NumberedText{437, "Error opening ZP1 file."},
    NumberedText{438, "Error reading ZP6 file."},
    NumberedText{444, "Error reading ZPS file."},
    NumberedText{450, "Error opening TBL file."},
    NumberedText{460, "Error opening SCC file."},
    NumberedText{464, "Error reading SCC file."},
    NumberedText{470, "Error opening MX2 file."},
    NumberedText{480, "Error opening BSC file."},
    NumberedText{484, "Error reading BSC file."},
    NumberedText{490, "Error opening ACC file."},
    NumberedText{494, "Error reading ACC file."},
    NumberedText{501, "Invalid ZIP Code Combination."},
    NumberedText{503, "Error opening Printer"},
    NumberedText{504, "Error opening sideline file"},
    NumberedText{511, "Error invalid Adjustment."},
    NumberedText{512, "Error invalid LAB."},
    NumberedText{513, "Invalid Factor."},
    NumberedText{520, "Error creating ACC file."},
    NumberedText{533, "Error occurred in Service DLL."},
    NumberedText{534, "Error reading MCA file."},
};
static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const NumberedText& a, const NumberedText& b) { return a.number < b.number; }));

constexpr std::string_view kDefaultText = "Error occurred.";

}  // namespace

std::string_view ErrorText(std::int32_t number) {
  const auto it = std::lower_bound(kTexts.begin(), kTexts.end(), number,
                                   [](const NumberedText& e, std::int32_t n) { return e.number < n; });
  return it != kTexts.end() && it->number == number ? it->text : kDefaultText;
}

std::size_t ErrorTextCount() { return kTexts.size(); }

}  // namespace ratekit
