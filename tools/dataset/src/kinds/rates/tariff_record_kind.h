// The common shape of the rate-data kinds: a block writes one tariff file
// (NAME.<letter><suffix>) of one or several allowed letters, each item line
// one record. Unlike RecordFileKind, an item may depend on the records
// before it (the index tail of a rate file, the code table of the light
// edition's files), so the kind encodes with the records so far, and a
// decoded file is checked as a whole: a description that does not build the
// same bytes again is given raw.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kinds/file_kind.h"
#include "platform/kernel/byte_record.h"

namespace dataset {

class TariffRecordKind : public FileKind {
 public:
  // letters: the file letters the block may write, the first the default;
  // settingKeys: tariff, letter and suffix, then the kind's own settings.
  TariffRecordKind(std::string_view keyword, std::string_view letters, std::span<const std::string_view> settingKeys)
      : keyword_(keyword), letters_(letters), settingKeys_(settingKeys) {}

  std::string_view keyword() const final { return keyword_; }
  std::span<const std::string_view> settingKeys() const final { return settingKeys_; }
  std::optional<Settings> recognise(std::string_view fileName) const override;
  bool readsNeighbours() const final { return true; }
  Settings settle(Settings given, const Neighbours& neighbours) const final;
  std::vector<std::string> fileNames(const Settings& settings) const final;
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override;
  std::optional<std::vector<std::string_view>> splitRecords(std::size_t file, std::string_view content,
                                                            const Settings& settings) const override;
  void check(std::span<const FileRecords> files, const Settings& settings, KindProblems& problems) const override;
  std::string describe(std::span<const std::string_view> contents, const Settings& settings) const override;

 protected:
  // Completes and checks the extra settings (the letter is settled). Throws FieldError.
  virtual void settleExtra(Settings&, const Neighbours&) const {}
  virtual std::span<const std::string_view> itemKeywords() const = 0;
  // One record from an item; before holds the records of the items above it.
  virtual std::string encode(std::string_view keyword, const FieldList& fields, const Settings& settings,
                             const std::vector<DataRecord>& before) const = 0;
  // The item line of record index among records, or nothing (described raw).
  virtual std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                         const Settings& settings) const = 0;
  virtual std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                             const Settings& settings) const = 0;
  virtual void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                            KindProblems& problems) const = 0;

  // The letter of the settings.
  static char LetterOf(const Settings& settings);

 private:
  std::string_view keyword_;
  std::string_view letters_;
  std::span<const std::string_view> settingKeys_;
};

// The value of a setting that the tariff's EFCREC.TBL records agree on (the
// span of columns), or nothing.
std::optional<std::string> TariffRecordColumn(const Settings& settings, const Neighbours& neighbours,
                                              platform::FieldSpan span, std::string_view what);

// The tariff types: the record length of their rate files and the cell
// width in bits of their matrices (0: 16-bit cells); nothing for another type.
struct TariffTypeSizes {
  std::size_t rateRecordLength;
  int matrixBits;
};
std::optional<TariffTypeSizes> TariffTypeSizesOf(char type);

// A whole number field within [least, most], or the default when absent.
std::int64_t IntegerField(const FieldList& fields, std::string_view key, std::int64_t least, std::int64_t most,
                          std::int64_t fallback);
// A text field, or the default when absent.
std::string TextField(const FieldList& fields, std::string_view key, std::string_view fallback);
// Throws FieldError for a field not in keys.
void OnlyFields(const FieldList& fields, std::span<const std::string_view> keys, std::string_view item);

// 24-bit little-endian value at offset.
void Store24(std::string& record, std::size_t offset, std::uint32_t value);
std::uint32_t Load24(std::string_view record, std::size_t offset);

}  // namespace dataset
