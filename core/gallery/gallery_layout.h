#ifndef VANTREL_GALLERY_GALLERY_LAYOUT_H_
#define VANTREL_GALLERY_GALLERY_LAYOUT_H_

namespace vantrel {

// Where the pictures of a gallery go: equal cells in rows that fill the width, in table
// order, the block centred across. Pure arithmetic, so a gallery of a million organisms
// costs nothing until it is painted.
class GalleryLayout {
 public:
  static constexpr int kMinPictureSize = 48;
  static constexpr int kMaxPictureSize = 200;
  static constexpr int kDefaultPictureSize = 96;
  static constexpr int kPadding = 6;  // around each picture, inside its cell

  struct Rect {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const Rect&, const Rect&) = default;
  };

  // `picture_size` is clamped to the allowed sizes; `label_height` is the text under each.
  GalleryLayout(int count, int picture_size, int label_height, int width);

  int count() const { return count_; }
  int picture_size() const { return picture_size_; }
  int columns() const { return columns_; }
  int rows() const { return count_ == 0 ? 0 : (count_ + columns_ - 1) / columns_; }
  int cell_width() const { return picture_size_ + 2 * kPadding; }
  int cell_height() const { return picture_size_ + 2 * kPadding + label_height_; }
  int content_height() const { return rows() * cell_height(); }

  // The cell of picture `index` (0 = first organism) in content coordinates.
  Rect Cell(int index) const;
  // The picture inside that cell.
  Rect Picture(int index) const;
  // The label under that picture.
  Rect Label(int index) const;
  // The picture whose cell holds the content point (x, y), or -1.
  int IndexAt(int x, int y) const;
  // The first and one past the last index with a cell between content heights top and
  // bottom (exclusive).
  int FirstIndexIn(int top) const;
  int EndIndexIn(int bottom) const;

  // The index an arrow key moves to from `index`: `across` -1/+1 for left/right, `down`
  // -1/+1 for up/down; stays within the pictures.
  int Step(int index, int across, int down) const;

 private:
  int count_;
  int picture_size_;
  int label_height_;
  int columns_;
  int left_;  // spare width, shared equally left and right
};

}  // namespace vantrel

#endif  // VANTREL_GALLERY_GALLERY_LAYOUT_H_
