// The pupil's name as the desktop remembers it between runs of the program.
#ifndef VANTREL_DESKTOP_FILES_PUPIL_SETTING_H_
#define VANTREL_DESKTOP_FILES_PUPIL_SETTING_H_

#include <QString>

namespace vantrel {

// The name last given in the notebook's "Name" field; empty without one.
QString RememberedPupil();
void RememberPupil(const QString& name);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_FILES_PUPIL_SETTING_H_
