// Typed access to fixed-layout byte records: little-endian integers at any
// offset, and fixed-width text fields. Records keep their exact byte image;
// fields are read and written through these helpers only, never through
// casts of packed structs.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

namespace platform {

// A field of a record: its offset and width in bytes.
struct FieldSpan {
  std::size_t offset;
  std::size_t width;
  constexpr std::size_t end() const { return offset + width; }
};

template <class T>
requires std::is_integral_v<T>
constexpr T LoadLittleEndian(const std::uint8_t* bytes) {
  using U = std::make_unsigned_t<T>;
  U value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<U>(static_cast<U>(bytes[i]) << (8 * i));
  return static_cast<T>(value);
}

template <class T>
requires std::is_integral_v<T>
constexpr void StoreLittleEndian(std::uint8_t* bytes, T value) {
  using U = std::make_unsigned_t<T>;
  U bits = static_cast<U>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// The typed accessors of a record of N bytes, shared by the record that
// holds its bytes (ByteRecord) and the view of bytes held elsewhere
// (ByteRecordView). Derived supplies data().
template <class Derived, std::size_t N>
class ByteAccess {
 public:
  static constexpr std::size_t kSize = N;

  std::span<std::uint8_t, N> bytes() { return std::span<std::uint8_t, N>(raw(), N); }
  std::span<const std::uint8_t, N> bytes() const { return std::span<const std::uint8_t, N>(raw(), N); }
  char* chars() { return reinterpret_cast<char*>(raw()); }
  const char* chars() const { return reinterpret_cast<const char*>(raw()); }

  std::uint8_t byteAt(std::size_t offset) const { return raw()[offset]; }
  char charAt(std::size_t offset) const { return static_cast<char>(raw()[offset]); }
  void setChar(std::size_t offset, char c) { raw()[offset] = static_cast<std::uint8_t>(c); }

  template <class T>
  T integerAt(std::size_t offset) const {
    return LoadLittleEndian<T>(raw() + offset);
  }
  template <class T>
  void setInteger(std::size_t offset, T value) {
    StoreLittleEndian<T>(raw() + offset, value);
  }
  // An IEEE single at any offset.
  float floatAt(std::size_t offset) const { return std::bit_cast<float>(integerAt<std::uint32_t>(offset)); }
  void setFloat(std::size_t offset, float value) { setInteger(offset, std::bit_cast<std::uint32_t>(value)); }

  // The field's bytes as they stand (padding included).
  std::string_view text(FieldSpan field) const { return std::string_view(chars() + field.offset, field.width); }
  std::span<char> span(FieldSpan field) { return std::span<char>(chars() + field.offset, field.width); }
  // Writes text into the field, cut to the width, the rest filled with pad.
  void setText(FieldSpan field, std::string_view value, char pad = ' ') {
    const std::size_t n = std::min(field.width, value.size());
    std::memcpy(chars() + field.offset, value.data(), n);
    std::memset(chars() + field.offset + n, pad, field.width - n);
  }
  void fill(FieldSpan field, char c) { std::memset(chars() + field.offset, c, field.width); }
  void fillAll(char c) { std::memset(raw(), c, N); }

 private:
  std::uint8_t* raw() { return static_cast<Derived*>(this)->data(); }
  const std::uint8_t* raw() const { return static_cast<const Derived*>(this)->data(); }
};

// A record of exactly N bytes. The bytes are the record; nothing else is kept.
template <std::size_t N>
class ByteRecord : public ByteAccess<ByteRecord<N>, N> {
 public:
  ByteRecord() { bytes_.fill(0); }
  explicit ByteRecord(std::span<const std::uint8_t> source) { assign(source); }

  // Copies min(N, source.size()) bytes; the rest is zero.
  void assign(std::span<const std::uint8_t> source) {
    bytes_.fill(0);
    std::memcpy(bytes_.data(), source.data(), std::min(N, source.size()));
  }

  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }

  friend bool operator==(const ByteRecord& a, const ByteRecord& b) { return a.bytes_ == b.bytes_; }

 private:
  std::array<std::uint8_t, N> bytes_;
};

// N bytes held by someone else (a record lent by pointer across a library
// boundary), read and written through the same accessors.
template <std::size_t N>
class ByteRecordView : public ByteAccess<ByteRecordView<N>, N> {
 public:
  explicit ByteRecordView(void* bytes) : bytes_(static_cast<std::uint8_t*>(bytes)) {}

  std::uint8_t* data() { return bytes_; }
  const std::uint8_t* data() const { return bytes_; }

 private:
  std::uint8_t* bytes_;
};

// Field layout checks used beside each record's field table.
constexpr bool FieldsAreContiguous(std::span<const FieldSpan> fields, std::size_t size) {
  std::size_t next = 0;
  for (const FieldSpan& f : fields) {
    if (f.offset != next) return false;
    next = f.end();
  }
  return next == size;
}

}  // namespace platform
