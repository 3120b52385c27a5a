#include "gallery/gallery_layout.h"

#include <algorithm>

namespace vantrel {

GalleryLayout::GalleryLayout(int count, int picture_size, int label_height, int width)
    : count_(std::max(0, count)),
      picture_size_(std::clamp(picture_size, kMinPictureSize, kMaxPictureSize)),
      label_height_(std::max(0, label_height)),
      columns_(std::max(1, width / cell_width())),
      left_(std::max(0, (width - columns_ * cell_width()) / 2)) {}

GalleryLayout::Rect GalleryLayout::Cell(int index) const {
  return Rect{left_ + (index % columns_) * cell_width(), (index / columns_) * cell_height(),
              cell_width(), cell_height()};
}

GalleryLayout::Rect GalleryLayout::Picture(int index) const {
  const Rect cell = Cell(index);
  return Rect{cell.left + kPadding, cell.top + kPadding, picture_size_, picture_size_};
}

GalleryLayout::Rect GalleryLayout::Label(int index) const {
  const Rect picture = Picture(index);
  return Rect{picture.left, picture.top + picture_size_, picture_size_, label_height_ + kPadding};
}

int GalleryLayout::IndexAt(int x, int y) const {
  if (x < left_ || y < 0) return -1;
  const int column = (x - left_) / cell_width();
  if (column >= columns_) return -1;
  const int index = (y / cell_height()) * columns_ + column;
  return index < count_ ? index : -1;
}

int GalleryLayout::FirstIndexIn(int top) const {
  return std::clamp(std::max(0, top) / cell_height() * columns_, 0, count_);
}

int GalleryLayout::EndIndexIn(int bottom) const {
  if (bottom <= 0) return 0;
  const int last_row = (bottom - 1) / cell_height();
  return std::clamp((last_row + 1) * columns_, 0, count_);
}

int GalleryLayout::Step(int index, int across, int down) const {
  if (count_ == 0) return -1;
  const int target = index + across + down * columns_;
  // A step down from the last full row lands on the last picture; other steps off the
  // edge stay put.
  if (target >= count_) return down > 0 && index / columns_ < rows() - 1 ? count_ - 1 : index;
  return target < 0 ? index : target;
}

}  // namespace vantrel
