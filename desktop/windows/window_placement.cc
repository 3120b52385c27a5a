#include "desktop/windows/window_placement.h"

#include <algorithm>

namespace vantrel {

namespace {

// Between the anchor and a window beside it.
constexpr int kGap = 8;
// How far each cascaded window sits below and to the right of the one before.
constexpr int kCascadeStep = 32;

// `start` moved just enough for `length` pixels from it to lie in [low, high).
int Fit(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

ScreenRect PlaceWindow(const ScreenRect& screen, const ScreenRect& anchor, ScreenSize wanted,
                       ScreenSize readable, int cascade) {
  // A window never opens smaller than readable, nor larger than the area.
  const int width = std::min(std::max(wanted.width, readable.width), screen.width);
  const int height = std::min(std::max(wanted.height, readable.height), screen.height);
  const int least_width = std::min(readable.width, width);

  const int room_right = screen.right() - (anchor.right() + kGap);
  const int room_left = anchor.x - kGap - screen.x;
  ScreenRect place{0, anchor.y, width, height};
  if (room_right >= width || (room_right >= least_width && room_right >= room_left)) {
    place.width = std::min(width, room_right);
    place.x = anchor.right() + kGap;
  } else if (room_left >= least_width) {
    place.width = std::min(width, room_left);
    place.x = anchor.x - kGap - place.width;
  } else {
    const int step = kCascadeStep * (std::max(cascade, 0) + 1);
    place.x = anchor.x + step;
    place.y = anchor.y + step;
  }
  place.x = Fit(place.x, place.width, screen.x, screen.right());
  place.y = Fit(place.y, place.height, screen.y, screen.bottom());
  return place;
}

}  // namespace vantrel
