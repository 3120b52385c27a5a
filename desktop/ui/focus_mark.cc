#include "desktop/ui/focus_mark.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>
#include <QWidget>

namespace vantrel {

namespace {

constexpr int kMarkWidth = 2;

// Lets a wheel turn over an unfocused box go by it, to its parent.
class WheelWithFocusFilter final : public QObject {
 public:
  explicit WheelWithFocusFilter(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    const auto* box = static_cast<QWidget*>(watched);
    if (box->hasFocus()) return false;
    // Handled here and not accepted: Qt offers an unaccepted wheel event to the parent.
    event->ignore();
    return true;
  }
};

}  // namespace

void PaintFocusMark(QPainter& painter, const QWidget& widget, const QRect& rect) {
  // Like the style's own focus frames, once the keyboard has moved the focus in the window:
  // a control that merely holds the focus from the start, or after a click, goes unmarked.
  if (!widget.hasFocus() || !widget.window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(widget.palette().color(QPalette::Active, QPalette::Highlight));
  pen.setWidth(kMarkWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // A pen of width 2 on integer coordinates covers the pixel before and the one after.
  painter.drawRect(rect.adjusted(1, 1, -1, -1));
  painter.restore();
}

void TakeWheelOnlyWithFocus(QAbstractSpinBox& box) {
  box.setFocusPolicy(Qt::StrongFocus);
  // The box's own line edit leaves the wheel to the box, so watching the box is enough.
  auto* filter = new WheelWithFocusFilter(&box);
  box.installEventFilter(filter);
}

}  // namespace vantrel
