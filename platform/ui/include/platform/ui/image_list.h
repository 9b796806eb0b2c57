// Image lists: images of one size kept in order, an image's index being
// its place, for the toolbar (and any control) to draw by index. A list
// has room for `initial` images at first and grows by `grow` each time it
// is full. An image of another size is scaled to the list's size when it
// is added or put in. A list belongs to whoever made it: a control given a
// list draws from it and never destroys it.
#pragma once

#include "platform/ui/gdi.h"
#include "platform/ui/image.h"
#include "platform/ui/types.h"

namespace platform::ui {

struct ImageListTag;
using ImageListHandle = ImageListTag*;

// Null for an image size that is not positive. A negative initial room
// counts as none; a growth below 1 as 1.
ImageListHandle CreateImageList(Size imageSize, int initial, int grow);
bool DestroyImageList(ImageListHandle list);
bool IsImageList(ImageListHandle list);

// -1 for an invalid list.
int ImageCount(ImageListHandle list);
// The images the list holds room for before it grows next.
int ImageCapacity(ImageListHandle list);
Size ImageListImageSize(ImageListHandle list);

// The new image's index; -1 (nothing added) for an invalid list or an
// empty image.
int AddImage(ImageListHandle list, const Image& image);
// Puts the image in place of the one at the index; false (the list
// unchanged) for an index outside the list or an empty image.
bool ReplaceImage(ImageListHandle list, int index, const Image& image);
// The image at the index (the list's size), or null outside the list.
const Image* ListImage(ImageListHandle list, int index);

// Draws the image with its top-left corner at the point, as it is or in
// the disabled look (StylePainter::PaintDisabledImage). False, and nothing
// drawn, for an invalid list or an index outside it.
enum class ImageLook { Normal, Disabled };
bool DrawListImage(DcHandle dc, ImageListHandle list, int index, Point at, ImageLook look = ImageLook::Normal);

}  // namespace platform::ui
