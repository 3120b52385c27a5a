// The command line of the `vantrel` program. main() calls HandleCommandLine first, before
// the QApplication exists, and returns the status it gives when it gives one: --help and
// --version then need no display, and Qt's own options are left in argv for QApplication.
#ifndef VANTREL_DESKTOP_COMMAND_LINE_COMMAND_LINE_H_
#define VANTREL_DESKTOP_COMMAND_LINE_COMMAND_LINE_H_

#include <optional>
#include <ostream>
#include <string>

#include "language/language.h"

namespace vantrel {

enum class CommandLineAction {
  kRun,      // start the window; Qt reads its own options
  kHelp,     // print HelpText() and exit with 0
  kVersion,  // print VersionText() and exit with 0
  kRefuse,   // print the error and exit with kBadCommandLineStatus
};

inline constexpr int kBadCommandLineStatus = 2;

struct CommandLineVerdict {
  CommandLineAction action = CommandLineAction::kRun;
  std::string error;  // for kRefuse: one line, starting "vantrel: ", without a newline
  // The language --lang names (the last good one), nothing without one: the desktop then
  // takes the language from the environment (LanguageFromEnvironment in language_choice.h).
  std::optional<Language> language;
  // The lesson's text --lesson LINK carries (the last one), for the engine to open before
  // the window is first shown; nothing without --lesson. A link without a lesson refuses.
  std::optional<std::string> lesson_text;
};

// Reads argv[1] to argv[argc - 1] from left to right; the first argument that is --help,
// --version or not understood decides (a bad --lang value too), and every --lang counts.
// A Qt option's value is never read as an option. Texts are in the current language.
CommandLineVerdict ReadCommandLine(int argc, const char* const* argv);

std::string HelpText();     // several lines, ending in a newline
std::string VersionText();  // "vantrel <version>\n"

// Sets the language (SetLanguage) from --lang, else from the environment, then reads the
// command line and acts on it: help and version go to `out`, a refusal to `err`.
// Returns the exit status when the program must stop, nothing when it should start.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);
// The same on standard output and standard error.
std::optional<int> HandleCommandLine(int argc, const char* const* argv);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_COMMAND_LINE_COMMAND_LINE_H_
