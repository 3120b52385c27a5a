// Program entry: reads the command line, builds the program and runs the event loop until
// the main window closes.
#include <QApplication>
#include <iostream>
#include <vector>

#include "app/application.h"
#include "app/language_argument.h"
#include "app/program_language.h"
#include "cli/command_line.h"

int main(int argc, char** argv) {
  // --lang is the program's to read: the command line and Qt see the other arguments.
  std::vector<char*> arguments(argv, argv + argc);
  const vantrel::LanguageArgument chosen = vantrel::TakeLanguageArgument(arguments);
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  // --help, --version and refused arguments end here, before any display is needed.
  if (const auto status = vantrel::HandleCommandLine(count, arguments.data())) return *status;
  QApplication app(count, arguments.data());
  // Before any window is made, so that every text is made in the language.
  const vantrel::ProgramLanguage language(chosen.language.value_or(vantrel::SystemLanguage()));
  if (chosen.refused) {
    std::cerr << vantrel::RefusedLanguageText(*chosen.refused, language.language()).toStdString()
              << '\n';
  }
  // Lets a desktop shell group the window with its desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvane.Vantrel"));
  vantrel::VantrelApplication vantrel;
  vantrel.main_window().show();
  return QApplication::exec();
}
