#include "layout/record_layout.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "codecs/packed_zip.h"
#include "platform/kernel/fixed_format.h"

namespace dataset {
namespace {

[[noreturn]] void Refuse(const RecordField& f, std::string_view value, std::string_view why) {
  throw FieldError("field '" + std::string(f.key) + "': '" + std::string(value) + "' " + std::string(why));
}

std::string EncodeNumber(const RecordField& f, std::string_view value) {
  if (!IsDigits(value)) Refuse(f, value, "is not an unsigned number");
  std::string_view digits = value.substr(std::min(value.find_first_not_of('0'), value.size() - 1));
  if (digits.size() > f.span.width)
    throw FieldError("field '" + std::string(f.key) + "': " + std::string(value) + " does not fit in " +
                     std::to_string(f.span.width) + " digits");
  std::int64_t number = 0;
  for (char c : digits) number = number * 10 + (c - '0');
  std::string columns(f.span.width, '0');
  platform::FormatZeroPadded(columns, number);
  return columns;
}

std::string EncodeDate(const RecordField& f, std::string_view value) {
  const bool shaped = value.size() == 10 && value[4] == '-' && value[7] == '-' && IsDigits(value.substr(0, 4)) &&
                      IsDigits(value.substr(5, 2)) && IsDigits(value.substr(8, 2));
  if (!shaped) Refuse(f, value, "is not a date written as 2024-01-01");
  return std::string(value.substr(0, 4)) + std::string(value.substr(5, 2)) + std::string(value.substr(8, 2));
}

// The range of a little-endian number field.
std::int64_t Lowest(const RecordField& f) {
  return f.form == FieldForm::Signed ? -(std::int64_t{1} << (8 * f.span.width - 1)) : 0;
}
std::int64_t Highest(const RecordField& f) {
  return f.form == FieldForm::Signed ? (std::int64_t{1} << (8 * f.span.width - 1)) - 1
                                     : (std::int64_t{1} << (8 * f.span.width)) - 1;
}

std::string LittleEndian(std::uint64_t bits, std::size_t width) {
  std::string bytes(width, '\0');
  for (std::size_t i = 0; i < width; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

std::uint64_t LoadBits(std::string_view bytes) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) bits |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  return bits;
}

std::int64_t LoadNumber(const RecordField& f, std::string_view bytes) {
  const std::uint64_t bits = LoadBits(bytes);
  if (f.form != FieldForm::Signed) return static_cast<std::int64_t>(bits);
  const std::uint64_t sign = std::uint64_t{1} << (8 * f.span.width - 1);
  return static_cast<std::int64_t>(bits ^ sign) - static_cast<std::int64_t>(sign);
}

std::string EncodeBinaryNumber(const RecordField& f, std::string_view value) {
  const bool negative = value.starts_with('-');
  const std::string_view digits = negative ? value.substr(1) : value;
  if (!IsDigits(digits) || (negative && f.form != FieldForm::Signed))
    Refuse(f, value, f.form == FieldForm::Signed ? "is not a number" : "is not an unsigned number");
  std::int64_t magnitude = 0;
  for (char c : digits) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > (std::int64_t{1} << 33)) break;  // far out of every range
  }
  const std::int64_t number = negative ? -magnitude : magnitude;
  if (number < Lowest(f) || number > Highest(f))
    Refuse(f, value, "is outside " + std::to_string(Lowest(f)) + " to " + std::to_string(Highest(f)));
  return LittleEndian(static_cast<std::uint64_t>(number), f.span.width);
}

std::string EncodeCharacter(const RecordField& f, std::string_view value) {
  if (value.size() > 1) Refuse(f, value, "is not one character (an empty value is a blank)");
  return LittleEndian(static_cast<unsigned char>(value.empty() ? ' ' : value[0]), f.span.width);
}

std::string EncodePackedZip(const RecordField& f, std::string_view value) {
  std::optional<PackedZip> packed = PackZip(value);
  if (!packed) Refuse(f, value, "is not a ZIP code (five digits) or a postal prefix (a letter and two characters)");
  return std::string(packed->begin(), packed->end());
}

std::string EncodeFloat(const RecordField& f, std::string_view value) {
  float number = 0.0f;
  const auto [end, error] =
      std::from_chars(value.data(), value.data() + value.size(), number, std::chars_format::fixed);
  if (value.empty() || error != std::errc() || end != value.data() + value.size() || !std::isfinite(number))
    Refuse(f, value, "is not a decimal number");
  return LittleEndian(std::bit_cast<std::uint32_t>(number), 4);
}

std::optional<std::string> DecodeFloat(std::string_view bytes) {
  const float number = std::bit_cast<float>(static_cast<std::uint32_t>(LoadBits(bytes)));
  if (!std::isfinite(number)) return std::nullopt;
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, number, std::chars_format::fixed);
  if (error != std::errc()) return std::nullopt;
  return std::string(text, end);
}

std::string EncodeValue(const RecordField& f, std::string_view value) {
  switch (f.form) {
    case FieldForm::Number: return EncodeNumber(f, value);
    case FieldForm::Date: return EncodeDate(f, value);
    case FieldForm::Exact:
      if (value.size() != f.span.width)
        Refuse(f, value, "must be exactly " + std::to_string(f.span.width) + " characters");
      return std::string(value);
    case FieldForm::Text:
    case FieldForm::NulText: {
      if (value.size() > f.span.width)
        Refuse(f, value, "is longer than " + std::to_string(f.span.width) + " characters");
      const char pad = f.form == FieldForm::NulText ? '\0' : ' ';
      if (pad == '\0' && value.find('\0') != std::string_view::npos)
        Refuse(f, value, "holds a NUL, which would end the text");
      std::string columns(f.span.width, pad);
      platform::FormatLeftAligned(columns, value, pad);
      return columns;
    }
    case FieldForm::Signed:
    case FieldForm::Unsigned: return EncodeBinaryNumber(f, value);
    case FieldForm::Character: return EncodeCharacter(f, value);
    case FieldForm::PackedZip: return EncodePackedZip(f, value);
    case FieldForm::Float: return EncodeFloat(f, value);
  }
  throw std::logic_error("unknown field form");
}

std::optional<std::string> DecodeValue(const RecordField& f, std::string_view bytes) {
  switch (f.form) {
    case FieldForm::Number:
      if (!IsDigits(bytes)) return std::nullopt;
      return std::string(bytes.substr(std::min(bytes.find_first_not_of('0'), bytes.size() - 1)));
    case FieldForm::Date:
      if (!IsDigits(bytes)) return std::nullopt;
      return std::string(bytes.substr(0, 4)) + "-" + std::string(bytes.substr(4, 2)) + "-" +
             std::string(bytes.substr(6, 2));
    case FieldForm::Exact: return std::string(bytes);
    case FieldForm::Text: return std::string(bytes.substr(0, bytes.find_last_not_of(' ') + 1));
    case FieldForm::NulText: {
      const std::string_view text = bytes.substr(0, bytes.find('\0'));
      if (bytes.substr(text.size()).find_first_not_of('\0') != std::string_view::npos)
        return std::nullopt;  // bytes behind the NUL
      return std::string(text);
    }
    case FieldForm::Float: return DecodeFloat(bytes);
    case FieldForm::Signed:
    case FieldForm::Unsigned: return std::to_string(LoadNumber(f, bytes));
    case FieldForm::Character: {
      const std::uint64_t c = LoadBits(bytes);
      if (c < 0x20 || c >= 0x7F) return std::nullopt;
      return c == ' ' ? std::string() : std::string(1, static_cast<char>(c));
    }
    case FieldForm::PackedZip: return UnpackZip(PackedZipAt(bytes, 0));
  }
  return std::nullopt;
}

}  // namespace

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const RecordField* RecordLayout::find(std::string_view key) const {
  auto it = std::find_if(fields_.begin(), fields_.end(), [&](const RecordField& f) { return f.key == key; });
  return it == fields_.end() ? nullptr : &*it;
}

const RecordField& RecordLayout::field(std::string_view key) const {
  const RecordField* f = find(key);
  if (!f) throw std::logic_error("no field " + std::string(key) + " in this layout");
  return *f;
}

std::string RecordLayout::encode(const FieldList& given) const {
  std::string record;
  for (const RecordField& f : fields_) record += f.defaultBytes;
  record += terminator_;
  for (const Field& g : given) {
    const RecordField* f = find(g.key);
    if (!f) {
      std::string known;
      for (const RecordField& k : fields_) known += (known.empty() ? "" : ", ") + std::string(k.key);
      throw FieldError("unknown field '" + g.key + "' (fields: " + known + ")");
    }
    record.replace(f->span.offset, f->span.width, EncodeValue(*f, g.value));
  }
  return record;
}

std::optional<FieldList> RecordLayout::decode(std::string_view record) const {
  if (record.size() != recordSize() || record.substr(fieldsWidth()) != terminator_) return std::nullopt;
  FieldList fields;
  for (const RecordField& f : fields_) {
    std::string_view bytes = record.substr(f.span.offset, f.span.width);
    std::optional<std::string> value = DecodeValue(f, bytes);
    if (!value) return std::nullopt;
    if (bytes != f.defaultBytes) fields.push_back({std::string(f.key), std::move(*value)});
  }
  return fields;
}

std::string_view RecordLayout::columns(std::string_view record, std::string_view key) const {
  const RecordField& f = field(key);
  return record.substr(f.span.offset, f.span.width);
}

std::int64_t RecordLayout::number(std::string_view record, std::string_view key) const {
  const RecordField& f = field(key);
  if (f.form != FieldForm::Signed && f.form != FieldForm::Unsigned)
    throw std::logic_error("field " + std::string(key) + " is not a binary number");
  return LoadNumber(f, record.substr(f.span.offset, f.span.width));
}

std::string RecordLayout::describe(std::string_view key) const {
  const RecordField& f = field(key);
  const std::string unit = IsBinaryForm(f.form) ? "byte" : "column";
  std::string where = f.span.width == 1
                          ? unit + " " + std::to_string(f.span.offset)
                          : unit + "s " + std::to_string(f.span.offset) + "-" + std::to_string(f.span.end() - 1);
  return where + " (" + std::string(key) + ")";
}

}  // namespace dataset
