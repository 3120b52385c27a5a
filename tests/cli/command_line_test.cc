#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel {
namespace {

// argv as main() gets it: the program name first.
CommandLineVerdict Read(std::initializer_list<const char*> arguments) {
  std::vector<const char*> argv = {"vantrel"};
  argv.insert(argv.end(), arguments);
  return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLineTest, LeavesQtOptionsAndTheirValuesToQt) {
  for (const auto& arguments : std::vector<std::vector<const char*>>{
           {},
           {"-platform", "offscreen"},
           {"--platform", "offscreen"},
           {"-platform", "--help"},  // a value, even when it looks like an option
           {"-display", ":1", "-geometry", "800x600+0+0", "-reverse"},
           {"-style=Fusion", "--stylesheet", "a.qss", "-qmljsdebugger=port:3768"},
           {"-nograb", "-sync", "-widgetcount", "-session", "1234_5"},
       }) {
    std::vector<const char*> argv = {"vantrel"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const CommandLineVerdict verdict = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(verdict.action, CommandLineAction::kRun) << verdict.error;
  }
}

TEST(CommandLineTest, TheFirstDecisiveArgumentWins) {
  EXPECT_EQ(Read({"--help"}).action, CommandLineAction::kHelp);
  EXPECT_EQ(Read({"-h", "--bogus"}).action, CommandLineAction::kHelp);
  EXPECT_EQ(Read({"-platform", "xcb", "--version", "--help"}).action, CommandLineAction::kVersion);
  EXPECT_EQ(Read({"--bogus", "--help"}).action, CommandLineAction::kRefuse);
}

TEST(CommandLineTest, RefusesAnythingElseInOneLineNamingTheArgument) {
  for (const char* argument :
       {"--bogus", "-v", "table.str", "-", "", "--platform=offscreen", "-help", "---platform"}) {
    const CommandLineVerdict verdict = Read({argument});
    EXPECT_EQ(verdict.action, CommandLineAction::kRefuse) << argument;
    EXPECT_EQ(verdict.error.rfind("vantrel: ", 0), 0U) << verdict.error;
    EXPECT_NE(verdict.error.find(std::string("'") + argument + "'"), std::string::npos)
        << verdict.error;
    EXPECT_EQ(verdict.error.find('\n'), std::string::npos) << verdict.error;
  }
  // A Qt option at the end without its value would make Qt ignore it silently.
  const CommandLineVerdict verdict = Read({"-reverse", "-platform"});
  EXPECT_EQ(verdict.action, CommandLineAction::kRefuse);
  EXPECT_NE(verdict.error.find("'-platform'"), std::string::npos) << verdict.error;
}

TEST(CommandLineTest, HandlingPrintsOnTheRightStreamAndGivesTheExitStatus) {
  struct Case {
    std::initializer_list<const char*> arguments;
    std::optional<int> status;
    bool prints_out;
    bool prints_err;
  };
  for (const Case& c : {Case{{}, std::nullopt, false, false},
                        Case{{"-platform", "offscreen"}, std::nullopt, false, false},
                        Case{{"--help"}, 0, true, false}, Case{{"--version"}, 0, true, false},
                        Case{{"--bogus"}, kBadCommandLineStatus, false, true}}) {
    std::vector<const char*> argv = {"vantrel"};
    argv.insert(argv.end(), c.arguments);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(HandleCommandLine(static_cast<int>(argv.size()), argv.data(), out, err), c.status);
    EXPECT_EQ(!out.str().empty(), c.prints_out) << out.str();
    EXPECT_EQ(!err.str().empty(), c.prints_err) << err.str();
  }
}

TEST(CommandLineTest, VersionIsTheProgramNameAndAThreePartVersion) {
  EXPECT_TRUE(std::regex_match(VersionText(), std::regex("vantrel [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << VersionText();
}

}  // namespace
}  // namespace vantrel
