#ifndef VANTREL_DESKTOP_WINDOWS_WINDOW_PLACEMENT_H_
#define VANTREL_DESKTOP_WINDOWS_WINDOW_PLACEMENT_H_

namespace vantrel {

// A rectangle of the screen in pixels; right() and bottom() are one past its last pixel.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool Contains(const ScreenRect& other) const {
    return other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom();
  }
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// Where a window of the program opens, frames included. `screen` is the screen's available
// area, `anchor` the main window, `wanted` the window's own size and `readable` the least
// at which its content can still be read. The window keeps at least its readable size
// (or the whole area, on a screen smaller than that) and lies fully inside the area:
// beside the anchor where there is room for it, on the right before the left, else
// cascaded over the anchor, a step further down and right for each window opened before
// (`cascade`).
ScreenRect PlaceWindow(const ScreenRect& screen, const ScreenRect& anchor, ScreenSize wanted,
                       ScreenSize readable, int cascade);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_WINDOWS_WINDOW_PLACEMENT_H_
