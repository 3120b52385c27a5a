// Program entry: reads the command line, builds the program and runs the event loop until
// the main window closes.
#include <QApplication>
#include <optional>

#include "desktop/app/application.h"
#include "desktop/app/program_language.h"
#include "desktop/command_line/command_line.h"
#include "language/language.h"

int main(int argc, char** argv) {
  // --help, --version and refused arguments (a --lang the program does not speak among
  // them) end here, before any display is needed.
  if (const auto status = vantrel::HandleCommandLine(argc, argv)) return *status;
  const vantrel::CommandLineVerdict verdict = vantrel::ReadCommandLine(argc, argv);
  const std::optional<vantrel::Language> named = verdict.language;
  QApplication app(argc, argv);
  // Before any window is made, so that every text is made in the language.
  const vantrel::ProgramLanguage language(named.value_or(vantrel::SystemLanguage()));
  // Lets a desktop shell group the window with its desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvane.Vantrel"));
  // A lesson opens in the engine before the window is first painted.
  vantrel::VantrelApplication vantrel(verdict.lesson_text);
  vantrel.main_window().show();
  return QApplication::exec();
}
