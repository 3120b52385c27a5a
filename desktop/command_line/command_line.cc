#include "desktop/command_line/command_line.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>

#include "desktop/command_line/lesson_link.h"
#include "lab/lesson.h"
#include "language/catalogue.h"
#include "language/language_choice.h"
#include "language/text_width.h"

namespace vantrel {
namespace {

struct QtOption {
  std::string_view name;  // without its leading dash
  bool takes_value;
};

// The options QApplication and its platform plugins take from argv, which Qt accepts with
// one dash or two. Options of older Qt versions are kept so old launchers keep working.
constexpr std::array kQtOptions = {
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"geometry", true},
    QtOption{"qwindowtitle", true},    QtOption{"title", true},
    QtOption{"qwindowicon", true},     QtOption{"icon", true},
    QtOption{"display", true},         QtOption{"name", true},
    QtOption{"visual", true},          QtOption{"ncols", true},
    QtOption{"session", true},         QtOption{"style", true},
    QtOption{"stylesheet", true},      QtOption{"qmljsdebugger", true},
    QtOption{"fontengine", true},      QtOption{"reverse", false},
    QtOption{"widgetcount", false},    QtOption{"testability", false},
    QtOption{"nograb", false},         QtOption{"dograb", false},
    QtOption{"sync", false},           QtOption{"cmap", false},
};

// Options Qt also reads as -name=value.
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals = {"style", "stylesheet",
                                                                  "qmljsdebugger"};

constexpr std::string_view kContext = "CommandLine";

// `message` (in the current language, naming the argument as %1) with the argument, in
// one line after the program's name.
CommandLineVerdict Refuse(std::string_view message, std::string_view argument) {
  return {CommandLineAction::kRefuse, "vantrel: " + Arg(Tr(kContext, message), {argument}), {}, {}};
}

const QtOption* FindQtOption(std::string_view name) {
  const auto* found = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                   [name](const QtOption& option) { return option.name == name; });
  return found == kQtOptions.end() ? nullptr : found;
}

bool IsQtOptionWithEquals(std::string_view name) {
  const auto equals = name.find('=');
  return equals != std::string_view::npos &&
         std::find(kQtOptionsWithEquals.begin(), kQtOptionsWithEquals.end(),
                   name.substr(0, equals)) != kQtOptionsWithEquals.end();
}

}  // namespace

CommandLineVerdict ReadCommandLine(int argc, const char* const* argv) {
  CommandLineVerdict verdict;
  bool decided = false;
  const auto decide = [&](CommandLineVerdict decision) {
    if (decided) return;
    decided = true;
    decision.language = verdict.language;
    decision.lesson_text = std::move(verdict.lesson_text);
    verdict = std::move(decision);
  };
  // Read to the end even after the decisive argument, so that a later --lang still picks
  // the language of the help or the refusal.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      decide({CommandLineAction::kHelp, {}, {}, {}});
      continue;
    }
    if (argument == "--version") {
      decide({CommandLineAction::kVersion, {}, {}, {}});
      continue;
    }
    if (argument == "--lang" || argument.starts_with("--lang=")) {
      std::string_view code;
      if (argument != "--lang") {
        code = argument.substr(7);
      } else if (i + 1 < argc) {
        code = argv[++i];
      } else {
        decide(Refuse("missing value after '%1' (see vantrel --help)", argument));
        continue;
      }
      if (const std::optional<Language> language = LanguageFromCode(code)) {
        verdict.language = language;
      } else {
        decide(Refuse("unknown language '%1' after --lang (it can be en, nl or de)", code));
      }
      continue;
    }
    if (argument == "--lesson" || argument.starts_with("--lesson=")) {
      std::string_view link;
      if (argument != "--lesson") {
        link = argument.substr(9);
      } else if (i + 1 < argc) {
        link = argv[++i];
      } else {
        decide(Refuse("missing value after '%1' (see vantrel --help)", argument));
        continue;
      }
      if (std::optional<std::string> text = LessonTextFromLink(link)) {
        verdict.lesson_text = std::move(text);
      } else {
        decide({CommandLineAction::kRefuse, "vantrel: " + NotALessonMessage(), {}, {}});
      }
      continue;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      decide(Refuse("unexpected argument '%1'; files are opened from the window", argument));
      continue;
    }
    const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    if (IsQtOptionWithEquals(name)) continue;
    const QtOption* option = FindQtOption(name);
    if (option == nullptr) {
      decide(Refuse("unknown option '%1' (see vantrel --help)", argument));
    } else if (option->takes_value) {
      if (i + 1 >= argc) decide(Refuse("missing value after '%1' (see vantrel --help)", argument));
      ++i;
    }
  }
  return verdict;
}

namespace {

// One option of the help: its name (with a placeholder) in a column of its own.
std::string OptionLine(std::string_view names, std::string_view description) {
  return "  " + PadRight(Tr(kContext, names), 18) + "  " + Tr(kContext, description) + "\n";
}

}  // namespace

std::string HelpText() {
  std::string help =
      Tr(kContext,
         "Usage: vantrel [--help | --version] [--lang CODE] [--lesson LINK] [Qt options]") +
      "\n\n" +
      Tr(kContext,
         "Play creator and watch Darwinian evolution happen: feed the organisms you like,\n"
         "shoot the ones you don't, and see the population change. Opens its window, with\n"
         "the lesson a teacher's link holds when --lesson gives one.") +
      "\n\n" + Tr(kContext, "Options:") + "\n";
  help += OptionLine("-h, --help", "print this help and exit");
  help += OptionLine("--version", "print the version and exit");
  help += OptionLine("--lang CODE", "the language of the program: en, nl or de");
  help += OptionLine("--lesson LINK", "open the lesson of a link (the address or its #lesson=)");
  help += "\n" + Tr(kContext, "Qt's own options work as in every Qt program, for example:") + "\n";
  help += OptionLine("-platform NAME", "window system plugin: xcb, wayland or offscreen");
  help += OptionLine("-display DISPLAY", "X display to open the window on");
  help += OptionLine("-style NAME", "widget style, for example Fusion");
  help += OptionLine("-reverse", "lay the windows out from right to left");
  help += "\n" + Tr(kContext, "Keys, files and environment: man vantrel") + "\n";
  return help;
}

std::string VersionText() { return std::string("vantrel ") + VANTREL_VERSION + "\n"; }

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
  // Read once for the language, then again so that the refusal speaks it.
  const std::optional<Language> chosen = ReadCommandLine(argc, argv).language;
  SetLanguage(chosen.value_or(LanguageFromEnvironment()));
  const CommandLineVerdict verdict = ReadCommandLine(argc, argv);
  switch (verdict.action) {
    case CommandLineAction::kRun:
      return std::nullopt;
    case CommandLineAction::kHelp:
      out << HelpText() << std::flush;
      return 0;
    case CommandLineAction::kVersion:
      out << VersionText() << std::flush;
      return 0;
    case CommandLineAction::kRefuse:
      err << verdict.error << '\n' << std::flush;
      return kBadCommandLineStatus;
  }
  return std::nullopt;
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv) {
  return HandleCommandLine(argc, argv, std::cout, std::cerr);
}

}  // namespace vantrel
