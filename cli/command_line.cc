#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>

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

CommandLineVerdict Refuse(std::string_view what, std::string_view argument,
                          std::string_view after = " (see vantrel --help)") {
  std::string error = "vantrel: ";
  error.append(what).append(" '").append(argument).append("'").append(after);
  return {CommandLineAction::kRefuse, error};
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
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") return {CommandLineAction::kHelp, {}};
    if (argument == "--version") return {CommandLineAction::kVersion, {}};
    if (argument.size() < 2 || argument[0] != '-') {
      return Refuse("unexpected argument", argument, "; files are opened from the window");
    }
    const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    if (IsQtOptionWithEquals(name)) continue;
    const QtOption* option = FindQtOption(name);
    if (option == nullptr) return Refuse("unknown option", argument);
    if (option->takes_value) {
      if (i + 1 >= argc) return Refuse("missing value after", argument);
      ++i;
    }
  }
  return {};
}

std::string HelpText() {
  return "Usage: vantrel [--help | --version] [Qt options]\n"
         "\n"
         "Play creator and watch Darwinian evolution happen: feed the organisms you like,\n"
         "shoot the ones you don't, and see the population change. Opens its window and\n"
         "takes no arguments of its own.\n"
         "\n"
         "Options:\n"
         "  -h, --help          print this help and exit\n"
         "  --version           print the version and exit\n"
         "\n"
         "Qt's own options work as in every Qt program, for example:\n"
         "  -platform NAME      window system plugin: xcb, wayland or offscreen\n"
         "  -display DISPLAY    X display to open the window on\n"
         "  -style NAME         widget style, for example Fusion\n"
         "  -reverse            lay the windows out from right to left\n"
         "\n"
         "Keys, files and environment: man vantrel\n";
}

std::string VersionText() { return std::string("vantrel ") + VANTREL_VERSION + "\n"; }

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
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
