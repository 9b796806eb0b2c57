// Fixed-size records described field by field: each field has a name in the
// description, its place in the record, the form of its value and the bytes
// written when the author leaves it out. One layout table per record kind
// serves the encoder, the decoder and the checks' messages. Text forms fill
// columns of a text record; binary forms hold little-endian numbers, packed
// keys and single characters of a binary record.
#pragma once

#include <cstddef>
#include <cstdint>
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
  // Text columns.
  Number,   // unsigned decimal, zero-padded to the width ("kind=1" is "001")
  Text,     // left-justified, blank-padded, at most the width ("name=AB" is "AB      ")
  Exact,    // exactly the width ("suffix=01")
  Date,     // written 2024-01-01, stored "20240101"
  NulText,  // left-justified, NUL-padded, at most the width: a text a program reads up to its first NUL
            // (a file name it appends to a path, a label of a record image); it holds no NUL itself
  // Binary bytes.
  Signed,     // little-endian two's complement of 1, 2 or 4 bytes ("end=-1")
  Unsigned,   // little-endian unsigned of 1, 2 or 4 bytes
  Character,  // one character in a byte or a 16-bit word; an empty value is a blank
  PackedZip,  // 3 bytes: a ZIP code or postal prefix packed (codecs/packed_zip.h)
  Float,      // an IEEE single in 4 bytes, written as a decimal number ("7.5")
};

// True for the forms of binary records (messages say "bytes", not "columns").
constexpr bool IsBinaryForm(FieldForm form) { return form >= FieldForm::Signed; }

struct RecordField {
  std::string_view key;
  platform::FieldSpan span;
  FieldForm form;
  std::string_view defaultBytes;  // exactly span.width bytes (write binary ones as "\x01"sv)
};

// True when the fields cover bytes 0 to size - 1 in order, without gaps,
// and every default has its field's width.
constexpr bool IsWholeLayout(std::span<const RecordField> fields, std::size_t size) {
  std::size_t next = 0;
  for (const RecordField& f : fields) {
    if (f.span.offset != next || f.defaultBytes.size() != f.span.width) return false;
    next = f.span.end();
  }
  return next == size;
}

class RecordLayout {
 public:
  // terminator follows the last field (e.g. "\r\n"; empty for binary records).
  constexpr explicit RecordLayout(std::span<const RecordField> fields, std::string_view terminator = {})
      : fields_(fields), terminator_(terminator) {}

  constexpr std::size_t recordSize() const { return fieldsWidth() + terminator_.size(); }
  constexpr std::size_t fieldsWidth() const { return fields_.empty() ? 0 : fields_.back().span.end(); }
  constexpr std::string_view terminator() const { return terminator_; }
  constexpr std::span<const RecordField> fields() const { return fields_; }

  // The field of that key, or null.
  const RecordField* find(std::string_view key) const;

  // The record with the given fields; fields left out take their defaults,
  // a field given twice takes the later value. Throws FieldError for an
  // unknown key or a value the field's form refuses.
  std::string encode(const FieldList& fields) const;

  // The fields that differ from their defaults, in layout order; nothing
  // when the record has another size or terminator, or bytes that its
  // field's form cannot express (letters in a number field, say).
  std::optional<FieldList> decode(std::string_view record) const;

  // A field's bytes in a record of recordSize() bytes.
  std::string_view columns(std::string_view record, std::string_view key) const;

  // A binary number field's value in a record of recordSize() bytes.
  std::int64_t number(std::string_view record, std::string_view key) const;

  // "column 14 (type)", "columns 1-3 (kind)", "bytes 2-3 (kind)", for messages.
  std::string describe(std::string_view key) const;

 private:
  const RecordField& field(std::string_view key) const;
  std::span<const RecordField> fields_;
  std::string_view terminator_;
};

}  // namespace dataset
