// Program entry: reads the command line, builds the program and runs the event loop until
// the main window closes.
#include <QApplication>

#include "app/application.h"
#include "cli/command_line.h"

int main(int argc, char** argv) {
  // --help, --version and refused arguments end here, before any display is needed.
  if (const auto status = vantrel::HandleCommandLine(argc, argv)) return *status;
  QApplication app(argc, argv);
  // Lets a desktop shell group the window with its desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvane.Vantrel"));
  vantrel::VantrelApplication vantrel;
  vantrel.main_window().show();
  return QApplication::exec();
}
