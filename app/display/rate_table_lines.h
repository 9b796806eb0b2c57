// The lines of the rates dialog, read from the RatingContext: the rates of
// every class and weight break of one rate table, the alternation weights
// between breaks, the discount line, and the two charge lists.
//
// Rate tables hold integer cents, the rate of class c and break b at
// table start + 4 x (S x c + b), S the stride the engine gives; classes come
// from the class table (a code beginning with 'X' is skipped), breaks from
// the weight-break table. A count below 0 counts as none, and a cell that
// would lie outside its table is shown empty, as is a negative alternation
// weight, so the columns stay under their headings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/rating_context_fields.h"

namespace qiv {

// The table the dialog shows (its radio choice): 1 combined, 2 U.S. only,
// 3 Mexico only.
enum class RateTableChoice { Combined = 1, UsOnly = 2, MexicoOnly = 3 };

// The table of the lane and choice: the U.S. table unless the lane is
// Mexican and the choice is not U.S. only.
platform::FieldSpan RateTableOf(const RatingContext& context, RateTableChoice choice);

int ClassCount(const RatingContext& context);  // 0..20
int BreakCount(const RatingContext& context);  // 0..20
std::vector<std::string> BreakLabels(const RatingContext& context);
// The rate of a class at a break; nothing outside the table.
std::optional<std::int32_t> RateCell(const RatingContext& context, platform::FieldSpan table, int classIndex,
                                     int breakIndex);
// W = L(b+1) x R(b+1) / R(b), the product in 64 bits, truncating; 0 when
// R(b) is not above 0; nothing when a rate lies outside the table.
std::optional<std::int64_t> AlternationWeight(const RatingContext& context, platform::FieldSpan table, int classIndex,
                                              int breakIndex);

// One line a class: its code (or "FAK" for a table of the one class FAK),
// then "\t%7.2f" of every break's rate / 100, or "\t%5ld" of the
// alternation weights between breaks.
std::vector<std::string> RateLines(const RatingContext& context, RateTableChoice choice, bool alternation);
// The discounts' line: the language text, "%6.2f" of break 0's discount and
// "\t%7.2f" of the next ones (one fewer for the alternation view).
std::string DiscountLine(const RatingContext& context, const std::string& label, bool alternation);
// A charge list's lines "%s%7.2f%s": label, charge / 100, flag; the second
// of the pair answers whether any shown flag is '*'.
std::pair<std::vector<std::string>, bool> ChargeListLines(const RatingContext& context, std::size_t list);

}  // namespace qiv
