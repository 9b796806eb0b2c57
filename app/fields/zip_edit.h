// CZipEdit: a field for a point code. Its country mask says which shapes
// of code typing may produce:
//   1   three digits (a U.S. ZIP prefix)
//   2   letter, digit, letter (a Canadian prefix)
//   4   five digits, and an 'M' after them when the Mexico option is on
//   8   letter, digit, letter, digit, letter, digit (a Canadian postal code)
//   16  the first five characters of a Canadian postal code
// Letters are upper-cased; a character the mask refuses beeps. Typing tells
// the main window ("SpecialChar") and blanks the statics of the route end
// the field is (origin 1000, destination 1002).
#pragma once

#include <optional>
#include <string_view>

#include "fields/caption_edit.h"

namespace qiv {

namespace country_mask {
inline constexpr int UsPrefix = 1;
inline constexpr int CanadianPrefix = 2;
inline constexpr int UsZip = 4;
inline constexpr int CanadianCode = 8;
inline constexpr int CanadianFive = 16;
}  // namespace country_mask

// Whether every position of the code fits the mask.
bool FitsCountryMask(std::string_view code, int mask, bool mexicoOption);

class RatingContext;
// The shapes a point code may take by the tariff's ZIP mode ('5': five
// digits or five characters of a Canadian code; '6': five digits or a
// whole Canadian code; '3': prefixes), U.S. shapes only when the tariff
// has no Canadian codes; none for another mode.
std::optional<int> ZipModeCountryMask(const RatingContext& context);

class CZipEdit : public CCaptionEdit {
 public:
  static const platform::ui::RuntimeClass kRuntimeClass;
  const platform::ui::RuntimeClass& runtimeClass() const override { return kRuntimeClass; }

  using CCaptionEdit::CCaptionEdit;

  using CCaptionEdit::attachItem;
  virtual bool attachItem(int id, platform::ui::WindowHandle dialog, int countryMask);
  int countryMask() const { return countryMask_; }
  void setCountryMask(int mask) { countryMask_ = mask; }

 protected:
  void onChar(const platform::ui::CharEvent& event) override;
  platform::ui::WindowHandle specialCharTarget() const override;

 private:
  int countryMask_ = 0;
};

}  // namespace qiv
