#include "checks/service_search.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "context/context_fields.h"
#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "tables/service_files.h"

namespace ratekit {
namespace {

constexpr std::size_t kDataOffsetAt = 20, kDataLengthAt = 24, kBlockKeysAt = 28;
constexpr std::size_t kBlockSize = 300, kEntrySize = 3;
constexpr std::size_t kBlockRoom = (kZpsHeaderSize - kBlockKeysAt) / 4;  // 150
constexpr std::uint32_t kZipBits = 17;
constexpr std::size_t kKeyWidth = 5;

bool EntryHolds(const std::uint8_t* entry, std::int64_t key) {
  const std::uint32_t value =
      platform::LoadLittleEndian<std::uint32_t>(std::array<std::uint8_t, 4>{entry[0], entry[1], entry[2], 0}.data());
  const std::int64_t first = value & ((1u << kZipBits) - 1);
  const std::int64_t span = value >> kZipBits;
  return first <= key && key <= first / 100 * 100 + span;
}

// A hit in the listed ranges.
bool InListedRange(const RatingContextView& record, const std::uint8_t* header, std::int64_t key) {
  const std::int64_t offset = platform::LoadLittleEndian<std::int32_t>(header + kDataOffsetAt);
  const std::int64_t length = platform::LoadLittleEndian<std::int32_t>(header + kDataLengthAt);
  if (length < 0) return false;
  const std::size_t blocks = std::min(static_cast<std::size_t>(length) / kBlockSize + 1, kBlockRoom);
  std::size_t b = 0;
  while (b < blocks && platform::LoadLittleEndian<std::int32_t>(header + kBlockKeysAt + 4 * b) < key) ++b;
  if (b == blocks) return false;
  const bool last = b == static_cast<std::size_t>(length) / kBlockSize;
  std::array<std::uint8_t, kBlockSize> block{};
  const std::size_t size = last ? static_cast<std::size_t>(length) % kBlockSize : kBlockSize;
  const std::ptrdiff_t read = ReadSlotAt(record, context::kZpsFile, offset + static_cast<std::int64_t>(kBlockSize * b),
                                         std::span(block.data(), size));
  for (std::ptrdiff_t at = 0; at + static_cast<std::ptrdiff_t>(kEntrySize) <= read; at += kEntrySize)
    if (EntryHolds(block.data() + at, key)) return true;
  return false;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < kKeyWidth; ++i) {
    const int x = std::toupper(static_cast<unsigned char>(a[i])), y = std::toupper(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

}  // namespace

std::optional<bool> ServedDirectlyByRanges(const RatingContextView& record, std::string_view code) {
  const std::optional<ResolvedBuffer> header = SlotBuffer(record, context::kZpsHeader);
  if (!header || header->size < kZpsHeaderSize) return std::nullopt;
  const std::int64_t key =
      platform::LeadingInteger(platform::UntilNul(code.substr(0, std::min(code.size(), kKeyWidth)))).value;
  const bool hit = InListedRange(record, header->data, key);
  return header->data[0] == 'Y' ? hit : !hit;
}

std::optional<bool> InPostalRange(const RatingContextView& record, std::string_view code) {
  const std::string_view text = platform::TrimTrailingBlanks(platform::UntilNul(code));
  std::string key =
      text.size() == 3 ? std::string(text) + "0A" : std::string(code.substr(0, std::min(code.size(), kKeyWidth)));
  key.resize(kKeyWidth, '\0');
  const std::optional<std::int64_t> size = SlotFileSize(record, context::kBsvFile);
  if (!size) return std::nullopt;
  if (*size < kBsvRecordsStart) return false;
  std::int64_t low = 0, high = (*size - kBsvRecordsStart) / static_cast<std::int64_t>(kBsvRecordSize) - 1;
  std::array<std::uint8_t, kBsvRecordSize> r{};
  while (low <= high) {
    const std::int64_t mid = low + (high - low) / 2;
    if (ReadSlotAt(record, context::kBsvFile, kBsvRecordsStart + mid * static_cast<std::int64_t>(kBsvRecordSize), r) !=
        static_cast<std::ptrdiff_t>(r.size()))
      return false;
    const std::string_view bytes(reinterpret_cast<const char*>(r.data()), r.size());
    const int order = CompareIgnoringCase(bytes.substr(0, kKeyWidth), key);
    if (order > 0) {
      high = mid - 1;
    } else if (order == 0) {
      return true;
    } else {
      const std::string highKey = std::string(bytes.substr(0, 3)) + std::string(bytes.substr(6, 2));
      if (key.compare(highKey) > 0) {
        low = mid + 1;
      } else {
        return true;
      }
    }
  }
  return false;
}

}  // namespace ratekit
