// The common shape of a kind: its block writes one file, each item line
// one record, and each record decodes on its own back into an item line.
#pragma once

#include "kinds/file_kind.h"
#include "layout/record_layout.h"

namespace dataset {

class RecordFileKind : public FileKind {
 public:
  std::vector<std::string> fileNames(const Settings& settings) const final { return {fileName(settings)}; }
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const final;
  std::optional<std::vector<std::string_view>> splitRecords(std::size_t file, std::string_view content,
                                                            const Settings& settings) const final;
  void check(std::span<const FileRecords> files, const Settings& settings, KindProblems& problems) const final;
  std::string describe(std::span<const std::string_view> contents, const Settings& settings) const final;

 protected:
  // The file written. Throws FieldError when the settings do not name it.
  virtual std::string fileName(const Settings& settings) const = 0;

  // The keywords of the block's item lines besides "raw", e.g. "record".
  virtual std::span<const std::string_view> itemKeywords() const = 0;

  // One record from an item's fields; fields left out take defaults.
  // Throws FieldError.
  virtual std::string encodeItem(std::string_view keyword, const FieldList& fields, const Settings& settings) const = 0;

  // The item line of record index, or nothing when no item line can
  // express it (the record is then described raw).
  virtual std::optional<ItemLine> decodeItem(std::string_view record, std::size_t index,
                                             const Settings& settings) const = 0;

  // The file's records in file order, or nothing when they cannot be told apart.
  virtual std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                             const Settings& settings) const = 0;

  // Appends what the builder refuses in these records (the whole file).
  virtual void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                            KindProblems& problems) const = 0;
};

// A RecordFileKind of one fixed file name (EFCREC.TBL, TDA.SEQ, ...).
class FixedNameKind : public RecordFileKind {
 public:
  std::optional<Settings> recognise(std::string_view name) const override;

 protected:
  virtual std::string_view fixedName() const = 0;
  std::string fileName(const Settings&) const override { return std::string(fixedName()); }
};

// A FixedNameKind whose records all follow one layout under one item
// keyword: fixed-size records, or lines split at their line feeds.
class LayoutFileKind : public FixedNameKind {
 public:
  enum class Split { FixedSize, AtLineFeeds };

  LayoutFileKind(std::string_view keyword, std::string_view fileName, std::string_view item, const RecordLayout& layout,
                 Split split)
      : keyword_(keyword), fileName_(fileName), items_{item}, layout_(layout), split_(split) {}

  std::string_view keyword() const override { return keyword_; }

 protected:
  const RecordLayout& layout() const { return layout_; }
  std::string_view fixedName() const override { return fileName_; }
  std::span<const std::string_view> itemKeywords() const override { return items_; }
  std::string encodeItem(std::string_view keyword, const FieldList& fields, const Settings& settings) const override;
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t index,
                                     const Settings& settings) const override;
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings& settings) const override;

 private:
  std::string_view keyword_, fileName_;
  std::string_view items_[1];
  const RecordLayout& layout_;
  Split split_;
};

}  // namespace dataset
