#ifndef VANTREL_DESKTOP_WINDOWS_WINDOW_PLACE_H_
#define VANTREL_DESKTOP_WINDOWS_WINDOW_PLACE_H_

#include <QRect>
#include <QSize>

class QWidget;

namespace vantrel {

// The geometry (without its frame, as setGeometry takes it) at which `window` first opens
// on `available`, the screen's available area: beside `anchor` where there is room, else
// cascaded over it (`cascade` windows opened before), never smaller than `readable` or its
// layout's minimum unless the area is smaller, and fully inside the area, frame included.
// The window's frame is taken to be as wide as the anchor's: not yet shown, it has none.
QRect WindowPlace(const QWidget& window, QSize readable, const QWidget& anchor,
                  const QRect& available, int cascade);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_WINDOWS_WINDOW_PLACE_H_
