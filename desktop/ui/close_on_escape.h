#ifndef VANTREL_DESKTOP_UI_CLOSE_ON_ESCAPE_H_
#define VANTREL_DESKTOP_UI_CLOSE_ON_ESCAPE_H_

class QWidget;

namespace vantrel {

// Escape closes `window` as its close button does, unless the control with the focus uses
// the key itself (an open list, a box that undoes its typing): like a dialog's Escape, it
// acts on the key no control of the window took.
void CloseOnEscape(QWidget& window);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_CLOSE_ON_ESCAPE_H_
