#include "layout/text_layout.h"

#include <algorithm>
#include <stdexcept>

#include "platform/kernel/fixed_format.h"

namespace dataset {
namespace {

std::string EncodeNumber(const TextField& f, std::string_view value) {
  if (!IsDigits(value)) throw FieldError("field '" + std::string(f.key) + "': '" + std::string(value) + "' is not an unsigned number");
  std::string_view digits = value.substr(std::min(value.find_first_not_of('0'), value.size() - 1));
  if (digits.size() > f.span.width)
    throw FieldError("field '" + std::string(f.key) + "': " + std::string(value) + " does not fit in " + std::to_string(f.span.width) + " digits");
  std::int64_t number = 0;
  for (char c : digits) number = number * 10 + (c - '0');
  std::string columns(f.span.width, '0');
  platform::FormatZeroPadded(columns, number);
  return columns;
}

std::string EncodeDate(const TextField& f, std::string_view value) {
  const bool shaped = value.size() == 10 && value[4] == '-' && value[7] == '-' && IsDigits(value.substr(0, 4)) &&
                      IsDigits(value.substr(5, 2)) && IsDigits(value.substr(8, 2));
  if (!shaped) throw FieldError("field '" + std::string(f.key) + "': '" + std::string(value) + "' is not a date written as 2024-01-01");
  return std::string(value.substr(0, 4)) + std::string(value.substr(5, 2)) + std::string(value.substr(8, 2));
}

std::string EncodeValue(const TextField& f, std::string_view value) {
  const std::string key(f.key);
  switch (f.form) {
    case FieldForm::Number: return EncodeNumber(f, value);
    case FieldForm::Date: return EncodeDate(f, value);
    case FieldForm::Exact:
      if (value.size() != f.span.width)
        throw FieldError("field '" + key + "': '" + std::string(value) + "' must be exactly " + std::to_string(f.span.width) + " characters");
      return std::string(value);
    case FieldForm::Text: {
      if (value.size() > f.span.width)
        throw FieldError("field '" + key + "': '" + std::string(value) + "' is longer than " + std::to_string(f.span.width) + " characters");
      std::string columns(f.span.width, ' ');
      platform::FormatLeftAligned(columns, value);
      return columns;
    }
  }
  throw std::logic_error("unknown field form");
}

std::optional<std::string> DecodeValue(const TextField& f, std::string_view columns) {
  switch (f.form) {
    case FieldForm::Number: {
      if (!IsDigits(columns)) return std::nullopt;
      return std::string(columns.substr(std::min(columns.find_first_not_of('0'), columns.size() - 1)));
    }
    case FieldForm::Date:
      if (!IsDigits(columns)) return std::nullopt;
      return std::string(columns.substr(0, 4)) + "-" + std::string(columns.substr(4, 2)) + "-" + std::string(columns.substr(6, 2));
    case FieldForm::Exact: return std::string(columns);
    case FieldForm::Text: return std::string(columns.substr(0, columns.find_last_not_of(' ') + 1));
  }
  return std::nullopt;
}

}  // namespace

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const TextField* TextRecordLayout::find(std::string_view key) const {
  auto it = std::find_if(fields_.begin(), fields_.end(), [&](const TextField& f) { return f.key == key; });
  return it == fields_.end() ? nullptr : &*it;
}

const TextField& TextRecordLayout::field(std::string_view key) const {
  const TextField* f = find(key);
  if (!f) throw std::logic_error("no field " + std::string(key) + " in this layout");
  return *f;
}

std::string TextRecordLayout::encode(const FieldList& given) const {
  std::string record;
  for (const TextField& f : fields_) record += f.defaultColumns;
  record += terminator_;
  for (const Field& g : given) {
    const TextField* f = find(g.key);
    if (!f) {
      std::string known;
      for (const TextField& k : fields_) known += (known.empty() ? "" : ", ") + std::string(k.key);
      throw FieldError("unknown field '" + g.key + "' (fields: " + known + ")");
    }
    record.replace(f->span.offset, f->span.width, EncodeValue(*f, g.value));
  }
  return record;
}

std::optional<FieldList> TextRecordLayout::decode(std::string_view record) const {
  if (record.size() != recordSize() || record.substr(textWidth()) != terminator_) return std::nullopt;
  FieldList fields;
  for (const TextField& f : fields_) {
    std::string_view cols = record.substr(f.span.offset, f.span.width);
    std::optional<std::string> value = DecodeValue(f, cols);
    if (!value) return std::nullopt;
    if (cols != f.defaultColumns) fields.push_back({std::string(f.key), std::move(*value)});
  }
  return fields;
}

std::string_view TextRecordLayout::columns(std::string_view record, std::string_view key) const {
  const TextField& f = field(key);
  return record.substr(f.span.offset, f.span.width);
}

std::string TextRecordLayout::describe(std::string_view key) const {
  const TextField& f = field(key);
  std::string where = f.span.width == 1 ? "column " + std::to_string(f.span.offset)
                                        : "columns " + std::to_string(f.span.offset) + "-" + std::to_string(f.span.end() - 1);
  return where + " (" + std::string(key) + ")";
}

}  // namespace dataset
