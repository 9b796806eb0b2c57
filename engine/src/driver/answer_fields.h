// Writing the answer's numbers into their fixed-width fields. Each writer
// answers false, and leaves the field alone, when the value does not fit its
// width (or is negative where the field has no room for a sign), so that an
// answer never spills into the field beside it.
#pragma once

#include <cstdint>
#include <span>

namespace vorn {

// "%0<w>d": a whole number zero-padded to the field's width.
bool WriteWholeNumber(std::span<char> field, std::int64_t value);

// Cents as a decimal amount with two decimals; the whole part fills the
// field's width less 3, zero-padded ("%04d.%02d") or blank-padded
// ("%6ld.%02ld").
bool WriteCents(std::span<char> field, std::int64_t cents, bool zeroPadded);

// A percentage with two decimals, zero-padded to the field ("%05.2f"); the
// value is rounded to the nearest hundredth, halves away from zero.
bool WritePercent(std::span<char> field, double percent);

}  // namespace vorn
