#include "desktop/windows/window_place.h"

#include <QMargins>
#include <QWidget>

#include "desktop/windows/window_placement.h"

namespace vantrel {

namespace {

ScreenRect ToScreen(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

}  // namespace

QRect WindowPlace(const QWidget& window, QSize readable, const QWidget& anchor,
                  const QRect& available, int cascade) {
  const QRect anchor_inner = anchor.geometry();
  const QRect anchor_frame = anchor.frameGeometry();
  const QMargins frame(
      anchor_inner.left() - anchor_frame.left(), anchor_inner.top() - anchor_frame.top(),
      anchor_frame.right() - anchor_inner.right(), anchor_frame.bottom() - anchor_inner.bottom());
  const QSize extra(frame.left() + frame.right(), frame.top() + frame.bottom());
  const QSize least =
      readable.expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize());
  const QSize wanted = window.size().expandedTo(least);
  const ScreenRect place =
      PlaceWindow(ToScreen(available), ToScreen(anchor_frame),
                  {wanted.width() + extra.width(), wanted.height() + extra.height()},
                  {least.width() + extra.width(), least.height() + extra.height()}, cascade);
  return QRect(place.x, place.y, place.width, place.height).marginsRemoved(frame);
}

}  // namespace vantrel
