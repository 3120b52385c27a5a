#include "language/language_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vantrel {
namespace {

Language FromEnvironment(const std::map<std::string, std::string>& variables) {
  return LanguageFromEnvironment([&variables](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  });
}

TEST(LanguageChoiceTest, FollowsTheEnvironmentInGettextsOrder) {
  struct Case {
    std::map<std::string, std::string> variables;
    Language expected;
  };
  for (const Case& c : {
           Case{{}, Language::kEnglish},
           Case{{{"LANG", "de_DE.UTF-8"}}, Language::kGerman},
           Case{{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "nl_NL.UTF-8"}}, Language::kDutch},
           Case{{{"LC_ALL", "de_AT"}, {"LC_MESSAGES", "nl_NL"}, {"LANG", "nl_NL"}},
                Language::kGerman},
           Case{{{"LC_ALL", ""}, {"LANG", "nl_BE.UTF-8"}}, Language::kDutch},  // empty: unset
           Case{{{"LANGUAGE", "nl:de"}, {"LANG", "de_DE.UTF-8"}}, Language::kDutch},
           Case{{{"LANGUAGE", "fr:de"}, {"LANG", "en_GB.UTF-8"}}, Language::kGerman},
           Case{{{"LANGUAGE", "fr"}, {"LANG", "de_DE.UTF-8"}}, Language::kEnglish},
           Case{{{"LANGUAGE", "de"}}, Language::kGerman},
           Case{{{"LANG", "fr_FR.UTF-8"}}, Language::kEnglish},
           // A plain locale means English whatever LANGUAGE prefers; only the first set counts.
           Case{{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, Language::kEnglish},
           Case{{{"LANGUAGE", "nl"}, {"LANG", "C.UTF-8"}}, Language::kEnglish},
           Case{{{"LANGUAGE", "nl"}, {"LANG", "POSIX"}}, Language::kEnglish},
           Case{{{"LC_ALL", "de_DE"}, {"LANG", "C"}}, Language::kGerman},
           // The pseudo-language is only ever chosen by --lang.
           Case{{{"LANGUAGE", "pseudo"}, {"LANG", "pseudo"}}, Language::kEnglish},
       }) {
    std::string described;
    for (const auto& [name, value] : c.variables) {
      described.append(name).append("=").append(value).append(" ");
    }
    EXPECT_EQ(FromEnvironment(c.variables), c.expected) << described;
  }
}

}  // namespace
}  // namespace vantrel
