// Named fields scattered over a record image whose other bytes are zero
// (the settings images, the profile record): `key=value` fields set named
// fields, `bytes at=N text="..."` sets any bytes, and a dump names each
// field that differs from what an image holds before any item sets it (its
// default, or zeros) and reads back the same, giving the rest as bytes. A
// field with a count above 1 is a list: that many values of its width one
// after the other, written as blank-separated words ("500 400").
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "description/field_list.h"
#include "layout/record_layout.h"

namespace dataset {

struct SparseField {
  std::string key;
  platform::FieldSpan span;  // of one value
  FieldForm form;
  std::size_t count = 1;
  std::string_view defaultBytes = {};  // a single field's bytes before any item sets it; empty: zeros
};

// An image of size bytes before any item sets it: zeros, and each field's default.
std::string DefaultImage(std::size_t size, std::span<const SparseField> fields);

// Sets the given fields in the image. Throws FieldError for an unknown key
// or a value its field refuses.
void ApplyFields(std::string& image, std::span<const SparseField> fields, const FieldList& given,
                 std::string_view what);

// Sets bytes from an `at=` and a `text=` field. Throws FieldError.
void ApplyBytes(std::string& image, const FieldList& given);

// The fields of the image that differ from the default image (all zeros when
// it is empty) and read back the same, in table order; covered marks their bytes.
FieldList NamedFields(std::string_view image, std::span<const SparseField> fields, std::vector<bool>& covered,
                      std::string_view defaults = {});

// `at`/`text` field lists of the runs of bytes not covered that differ from
// the default image (all zeros when it is empty).
std::vector<FieldList> LeftoverBytes(std::string_view image, const std::vector<bool>& covered,
                                     std::string_view defaults = {});

}  // namespace dataset
