// Writes the lines of a factor file from its items, in item order. Every
// data line begins with a blank; factors are written with the decimals
// given. Items:
//
//   parameter name=RADJF value=1.05     "* RADJF = 1.05"
//   line text="*RADJF=1.05"             one line as it stands
// digit format (tariff types '0'-'7'), one line per value:
//   sets numbers="1 2"                  the set count, then the set numbers
//   classes codes="500 400"             the class count, then the codes
//   breaks weights="40000 20000 0"      the break count, then the weights (descending)
//   class-factors values="1.0 1.5"      one set's factor per class
//   break-factors values="1.0 1.0 1.0"  one set's factor per break
// letter format (types 'A' and up), one line each:
//   section kind=1 classes="100 50" breaks="0 500 1000"   class, break and kind lines
//   factor-line values="1.0 1.0 1.0"    one class's factor per break
//   extra-line values="1.0 1.0"         types 'D' and 'H': the extra factor lines
//
// Left out, the lists take the defaults of a rating screen (18 classes, 9
// breaks) and the factors 1.0 for each class or break of the items before.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "description/field_list.h"
#include "kinds/factor/factor_vocabulary.h"

namespace dataset::factor {

class FactorWriter {
 public:
  // Without a format only the parameter and line items can be written.
  explicit FactorWriter(std::optional<FactorFormat> format) : format_(format) {}

  // The line or lines of one item. Throws FieldError.
  std::string write(std::string_view keyword, const FieldList& fields);

  // The fields an item takes when they are left out, as things stand.
  FieldList defaults(std::string_view keyword) const;

  // Every item keyword of the factor file, both formats.
  static std::span<const std::string_view> Keywords();

 private:
  char formatFor(std::string_view keyword) const;
  std::optional<FactorFormat> format_;
  std::optional<std::size_t> classes_, breaks_;  // of the last classes/breaks item or section
};

}  // namespace dataset::factor
