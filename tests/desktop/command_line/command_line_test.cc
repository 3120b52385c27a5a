#include "desktop/command_line/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "language/catalogue.h"

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

// HandleCommandLine sets the program's language; each test leaves it English.
class CommandLineLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build holds no catalogue: the page hands one over";
#endif
  }
  ~CommandLineLanguageTest() override { SetLanguage(Language::kEnglish); }

  // What HandleCommandLine prints for `arguments`, standard output and error together.
  static std::string Printed(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv = {"vantrel"};
    argv.insert(argv.end(), arguments);
    std::ostringstream out;
    HandleCommandLine(static_cast<int>(argv.size()), argv.data(), out, out);
    return out.str();
  }
};

TEST_F(CommandLineLanguageTest, LangTakesACodeAndTheLastGoodOneCounts) {
  EXPECT_EQ(Read({"--lang", "de"}).action, CommandLineAction::kRun);
  EXPECT_EQ(Read({"--lang", "de"}).language, Language::kGerman);
  EXPECT_EQ(Read({"--lang=nl_NL.UTF-8", "-platform", "offscreen"}).language, Language::kDutch);
  EXPECT_EQ(Read({"--lang", "de", "--lang", "nl"}).language, Language::kDutch);
  EXPECT_EQ(Read({"-platform", "offscreen"}).language, std::nullopt);
  // A later --lang still counts once --help has decided.
  const CommandLineVerdict help = Read({"--help", "--lang", "pseudo"});
  EXPECT_EQ(help.action, CommandLineAction::kHelp);
  EXPECT_EQ(help.language, Language::kPseudo);
}

TEST_F(CommandLineLanguageTest, ABadLangIsRefusedNamingTheValue) {
  EXPECT_EQ(Read({"--lang=klingon"}).action, CommandLineAction::kRefuse);
  EXPECT_NE(Read({"--lang", "fr"}).error.find("'fr'"), std::string::npos);
  EXPECT_NE(Read({"--lang"}).error.find("missing value after '--lang'"), std::string::npos);
}

TEST_F(CommandLineLanguageTest, TheHelpInGermanKeepsEveryOptionName) {
  const std::string english = HelpText();
  const std::string german = Printed({"--lang", "de", "--help"});
  EXPECT_NE(german, english);
  EXPECT_NE(german.find("Optionen:"), std::string::npos) << german;
  for (const char* option :
       {"-h, --help", "--version", "--lang CODE", "-platform", "-display", "-style", "-reverse"}) {
    EXPECT_NE(english.find(option), std::string::npos) << option;
    EXPECT_NE(german.find(option), std::string::npos) << option;
  }
  // The descriptions start in one column, however long the translated words.
  const std::string line = german.substr(german.find("  --version"));
  EXPECT_EQ(line.find_first_not_of(' ', 11), 22U) << line;
}

TEST_F(CommandLineLanguageTest, ARefusalSpeaksTheLanguageGivenAnywhereOnTheLine) {
  const std::string german = Printed({"--bogus", "--lang", "de"});
  EXPECT_EQ(german.rfind("vantrel: unbekannte Option '--bogus'", 0), 0U) << german;
  const std::string dutch = Printed({"--lang", "nl", "--lang", "fr"});
  EXPECT_EQ(dutch.rfind("vantrel: onbekende taal 'fr'", 0), 0U) << dutch;
}

}  // namespace
}  // namespace vantrel
