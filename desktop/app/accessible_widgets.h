#ifndef VANTREL_DESKTOP_APP_ACCESSIBLE_WIDGETS_H_
#define VANTREL_DESKTOP_APP_ACCESSIBLE_WIDGETS_H_

namespace vantrel {

// Tells Qt's accessibility how to present the program's own widgets: the drawing area as
// an image named "Organism" whose description is the organism in words, and a link label
// as a link that can be pressed. Call it before those widgets are made; calling it again
// does nothing.
void InstallAccessibleWidgets();

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ACCESSIBLE_WIDGETS_H_
