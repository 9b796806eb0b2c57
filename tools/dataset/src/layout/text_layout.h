// Fixed-width text records described field by field: each field has a name
// in the description, its columns, the form of its value and the columns
// written when the author leaves it out. One layout table per record kind
// serves the encoder, the decoder and the checks' messages.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "description/field_list.h"
#include "platform/kernel/byte_record.h"

namespace dataset {

// True for a non-empty run of decimal digits.
bool IsDigits(std::string_view text);

enum class FieldForm {
  Number,  // unsigned decimal, zero-padded to the width ("kind=1" is "001")
  Text,    // left-justified, blank-padded, at most the width ("name=AB" is "AB      ")
  Exact,   // exactly the width ("suffix=01")
  Date,    // written 2024-01-01, stored "20240101"
};

struct TextField {
  std::string_view key;
  platform::FieldSpan span;
  FieldForm form;
  std::string_view defaultColumns;  // exactly span.width characters
};

// True when the fields cover columns 0 to width - 1 in order, without gaps,
// and every default has its field's width.
constexpr bool IsWholeLayout(std::span<const TextField> fields, std::size_t width) {
  std::size_t next = 0;
  for (const TextField& f : fields) {
    if (f.span.offset != next || f.defaultColumns.size() != f.span.width) return false;
    next = f.span.end();
  }
  return next == width;
}

class TextRecordLayout {
 public:
  // terminator follows the last field (e.g. "\r\n").
  constexpr TextRecordLayout(std::span<const TextField> fields, std::string_view terminator)
      : fields_(fields), terminator_(terminator) {}

  std::size_t recordSize() const { return textWidth() + terminator_.size(); }
  std::size_t textWidth() const { return fields_.empty() ? 0 : fields_.back().span.end(); }
  std::string_view terminator() const { return terminator_; }
  std::span<const TextField> fields() const { return fields_; }

  // The field of that key, or null.
  const TextField* find(std::string_view key) const;

  // The record with the given fields; fields left out take their defaults,
  // a field given twice takes the later value. Throws FieldError for an
  // unknown key or a value the field's form refuses.
  std::string encode(const FieldList& fields) const;

  // The fields that differ from their defaults, in layout order; nothing
  // when the record has another size or terminator, or a column that its
  // field's form cannot express (letters in a number field, say).
  std::optional<FieldList> decode(std::string_view record) const;

  // A field's columns in a record of recordSize() bytes.
  std::string_view columns(std::string_view record, std::string_view key) const;

  // "column 14 (type)" or "columns 1-3 (kind)", for messages.
  std::string describe(std::string_view key) const;

 private:
  const TextField& field(std::string_view key) const;
  std::span<const TextField> fields_;
  std::string_view terminator_;
};

}  // namespace dataset
