#include "ui/qt/program_lookup.h"

#include <QStandardPaths>

namespace vantrel {

QString LocateProgram(const QString& program) {
  if (program.contains(QLatin1Char('/'))) return program;
  return QStandardPaths::findExecutable(program);
}

}  // namespace vantrel
