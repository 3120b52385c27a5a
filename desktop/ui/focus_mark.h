#ifndef VANTREL_DESKTOP_UI_FOCUS_MARK_H_
#define VANTREL_DESKTOP_UI_FOCUS_MARK_H_

class QAbstractSpinBox;
class QPainter;
class QRect;
class QWidget;

namespace vantrel {

// Paints the program's mark of the keyboard focus on `widget` when it has the focus and the
// keyboard has moved the focus in its window (Tab, say): a frame two pixels wide in the
// highlight colour just inside `rect`. The style's own focus frame is faint, or missing on
// flat buttons and tables, and the keyboard's user must see where a key will act.
void PaintFocusMark(QPainter& painter, const QWidget& widget, const QRect& rect);

// The mouse wheel changes `box` only while it has the focus; otherwise the wheel passes on to
// what holds the box, so that scrolling a page over it scrolls the page. A click or Tab gives
// the box the focus, the wheel no longer does.
void TakeWheelOnlyWithFocus(QAbstractSpinBox& box);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_FOCUS_MARK_H_
