// Image lists (see image_list.h). Each image is kept as a bitmap of the
// list's own, so that it draws like any bitmap.
#include "platform/ui/image_list.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ui/style_painter.h"

namespace platform::ui {

namespace {

struct ImageListRecord {
  Size size;
  int capacity = 0;
  int grow = 1;
  std::vector<BitmapHandle> images;

  ~ImageListRecord() {
    for (BitmapHandle image : images) DeleteBitmap(image);
  }
};

struct ImageListTable {
  std::unordered_map<std::uintptr_t, std::unique_ptr<ImageListRecord>> lists;
  std::uintptr_t next = 0x50000;
};

ImageListTable& Lists() {
  static auto* table = new ImageListTable();  // lives to the end of the process
  return *table;
}

ImageListRecord* FindList(ImageListHandle list) {
  auto& lists = Lists().lists;
  auto it = lists.find(reinterpret_cast<std::uintptr_t>(list));
  return it == lists.end() ? nullptr : it->second.get();
}

bool Valid(const ImageListRecord* record, int index) {
  return record != nullptr && index >= 0 && index < static_cast<int>(record->images.size());
}

// The image at the list's size; nothing for an empty image.
BitmapHandle MakeListBitmap(const ImageListRecord& record, const Image& image) {
  Image scaled = ScaledImage(image, record.size);
  if (scaled.pixels.empty()) return nullptr;
  return CreateBitmap(std::move(scaled));
}

}  // namespace

ImageListHandle CreateImageList(Size imageSize, int initial, int grow) {
  if (imageSize.width <= 0 || imageSize.height <= 0) return nullptr;
  ImageListTable& table = Lists();
  auto record = std::make_unique<ImageListRecord>();
  record->size = imageSize;
  record->capacity = std::max(0, initial);
  record->grow = std::max(1, grow);
  const std::uintptr_t id = table.next++;
  table.lists.emplace(id, std::move(record));
  return reinterpret_cast<ImageListHandle>(id);
}

bool DestroyImageList(ImageListHandle list) { return Lists().lists.erase(reinterpret_cast<std::uintptr_t>(list)) != 0; }

bool IsImageList(ImageListHandle list) { return FindList(list) != nullptr; }

int ImageCount(ImageListHandle list) {
  const ImageListRecord* record = FindList(list);
  return record ? static_cast<int>(record->images.size()) : -1;
}

int ImageCapacity(ImageListHandle list) {
  const ImageListRecord* record = FindList(list);
  return record ? record->capacity : -1;
}

Size ImageListImageSize(ImageListHandle list) {
  const ImageListRecord* record = FindList(list);
  return record ? record->size : Size{};
}

int AddImage(ImageListHandle list, const Image& image) {
  ImageListRecord* record = FindList(list);
  if (record == nullptr) return -1;
  const BitmapHandle bitmap = MakeListBitmap(*record, image);
  if (bitmap == nullptr) return -1;
  if (static_cast<int>(record->images.size()) == record->capacity) record->capacity += record->grow;
  record->images.push_back(bitmap);
  return static_cast<int>(record->images.size()) - 1;
}

bool ReplaceImage(ImageListHandle list, int index, const Image& image) {
  ImageListRecord* record = FindList(list);
  if (!Valid(record, index)) return false;
  const BitmapHandle bitmap = MakeListBitmap(*record, image);
  if (bitmap == nullptr) return false;
  DeleteBitmap(record->images[static_cast<std::size_t>(index)]);
  record->images[static_cast<std::size_t>(index)] = bitmap;
  return true;
}

const Image* ListImage(ImageListHandle list, int index) {
  const ImageListRecord* record = FindList(list);
  return Valid(record, index) ? BitmapImage(record->images[static_cast<std::size_t>(index)]) : nullptr;
}

bool DrawListImage(DcHandle dc, ImageListHandle list, int index, Point at, ImageLook look) {
  const ImageListRecord* record = FindList(list);
  if (!Valid(record, index)) return false;
  const BitmapHandle image = record->images[static_cast<std::size_t>(index)];
  if (look == ImageLook::Disabled) {
    StylePainter::PaintDisabledImage(dc, *BitmapImage(image), at);
    return true;
  }
  return DrawBitmap(dc, image, at);
}

}  // namespace platform::ui
