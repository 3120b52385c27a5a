// The population view's cell arithmetic, the desktop gallery's own (GalleryLayout), for
// the page. Plain functions of the view's geometry (count, picture size, label height,
// width) rather than a C++ object the page would have to delete; the pictures in sight
// come back in one call for a scroll position, as one Int32Array, so scrolling costs one
// crossing into the module a frame, not one per cell. vantrel_engine.d.ts declares them.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gallery/gallery_layout.h"
#include "gallery/organism_texts.h"
#include "web/wasm/copied_array.h"

namespace vantrel {
namespace {

using emscripten::val;

// What the page knows of its view; the picture size is clamped as the desktop clamps it.
struct GalleryGeometry {
  int count = 0;
  int picture_size = GalleryLayout::kDefaultPictureSize;
  int label_height = 0;
  int width = 0;
};

GalleryLayout LayoutOf(const GalleryGeometry& geometry) {
  return GalleryLayout(geometry.count, geometry.picture_size, geometry.label_height,
                       geometry.width);
}

// The layout's sizes, without any one cell.
struct GalleryShape {
  int columns;
  int rows;
  int picture_size;
  int cell_width;
  int cell_height;
  int content_height;
};

GalleryShape Shape(const GalleryGeometry& geometry) {
  const GalleryLayout layout = LayoutOf(geometry);
  return {layout.columns(),    layout.rows(),        layout.picture_size(),
          layout.cell_width(), layout.cell_height(), layout.content_height()};
}

GalleryLayout::Rect Cell(const GalleryGeometry& geometry, int index) {
  return LayoutOf(geometry).Cell(index);
}

int Step(const GalleryGeometry& geometry, int index, int across, int down) {
  return LayoutOf(geometry).Step(index, across, down);
}

// Numbers per picture in GalleryCells' boxes: its cell, picture and label rectangles.
constexpr int kBoxNumbers = 12;

void Append(std::vector<std::int32_t>& boxes, const GalleryLayout::Rect& rect) {
  boxes.insert(boxes.end(), {rect.left, rect.top, rect.width, rect.height});
}

// The pictures with a cell between content heights top and bottom: the first index, one
// past the last, and for each the cell's, picture's and label's left, top, width, height.
val Cells(const GalleryGeometry& geometry, int top, int bottom) {
  const GalleryLayout layout = LayoutOf(geometry);
  const int first = layout.FirstIndexIn(top);
  const int end = std::max(first, layout.EndIndexIn(bottom));
  std::vector<std::int32_t> boxes;
  boxes.reserve(static_cast<std::size_t>(end - first) * kBoxNumbers);
  for (int index = first; index < end; ++index) {
    Append(boxes, layout.Cell(index));
    Append(boxes, layout.Picture(index));
    Append(boxes, layout.Label(index));
  }
  val cells = val::object();
  cells.set("first", first);
  cells.set("end", end);
  cells.set("boxes", CopiedArray(boxes.data(), boxes.size()));
  return cells;
}

// A column's title as the table shows it: the program's own in the current language, any
// other as it came (the page holds titles as text already).
std::string ShownColumnTitle(const std::string& title) {
  return TranslatedColumnTitle(title).value_or(title);
}

}  // namespace
}  // namespace vantrel

EMSCRIPTEN_BINDINGS(gallery) {
  using vantrel::GalleryGeometry;
  using vantrel::GalleryLayout;
  using vantrel::GalleryShape;
  emscripten::value_object<GalleryGeometry>("GalleryGeometry")
      .field("count", &GalleryGeometry::count)
      .field("pictureSize", &GalleryGeometry::picture_size)
      .field("labelHeight", &GalleryGeometry::label_height)
      .field("width", &GalleryGeometry::width);
  emscripten::value_object<GalleryShape>("GalleryShape")
      .field("columns", &GalleryShape::columns)
      .field("rows", &GalleryShape::rows)
      .field("pictureSize", &GalleryShape::picture_size)
      .field("cellWidth", &GalleryShape::cell_width)
      .field("cellHeight", &GalleryShape::cell_height)
      .field("contentHeight", &GalleryShape::content_height);
  emscripten::value_object<GalleryLayout::Rect>("Rect")
      .field("left", &GalleryLayout::Rect::left)
      .field("top", &GalleryLayout::Rect::top)
      .field("width", &GalleryLayout::Rect::width)
      .field("height", &GalleryLayout::Rect::height);
  emscripten::function("galleryShape", &vantrel::Shape);
  emscripten::function("galleryCell", &vantrel::Cell);
  emscripten::function("galleryStep", &vantrel::Step);
  emscripten::function("galleryCells", &vantrel::Cells);
  emscripten::function("shownColumnTitle", &vantrel::ShownColumnTitle);
}
