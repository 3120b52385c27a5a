#ifndef VANTREL_DESKTOP_UI_FORM_LOOK_H_
#define VANTREL_DESKTOP_UI_FORM_LOOK_H_

#include <Qt>

class QFont;
class QString;
class QWidget;

namespace vantrel {

// The frame of the program's fixed-size windows: title bar and close box, no resizing, no
// minimise or maximise box.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint;

// Gives a window the program's look: the narrow form font 13 pixels high (with its
// metric-compatible stand-ins registered first, whichever window comes first) and the
// tooltip colour as its background.
void ApplyFormLook(QWidget& window);

// A font of `family`, or of its registered stand-in when the system lacks the family and has
// the stand-in. Asking Qt for a family that is not installed makes it sort fontconfig's whole
// fallback list, which takes longer than building a window.
QFont FormFont(const QString& family);

// Whether a window keeps the form's exact fixed geometry: in English it does; in other
// languages, whose words run longer, windows are laid out to fit their texts.
bool UsesFormGeometry();

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_FORM_LOOK_H_
