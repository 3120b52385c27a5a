#ifndef VANTREL_UI_QT_PROGRAM_LOOKUP_H_
#define VANTREL_UI_QT_PROGRAM_LOOKUP_H_

#include <QString>

namespace vantrel {

// Where a helper program such as xdg-open is: `program` itself when it holds a slash,
// otherwise the executable of that name on PATH, or the empty text when there is none.
QString LocateProgram(const QString& program);

}  // namespace vantrel

#endif  // VANTREL_UI_QT_PROGRAM_LOOKUP_H_
