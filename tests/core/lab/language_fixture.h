#ifndef VANTREL_TESTS_CORE_LAB_LANGUAGE_FIXTURE_H_
#define VANTREL_TESTS_CORE_LAB_LANGUAGE_FIXTURE_H_

#include <gtest/gtest.h>

#include "language/catalogue.h"

namespace vantrel::testing {

// Every test starts and ends in English, whatever language it switches to. The tests need
// the catalogues built into the program, which the WebAssembly build leaves out (the page
// hands its catalogue over): there they are skipped.
class InLanguageTest : public ::testing::Test {
 protected:
  InLanguageTest() { SetLanguage(Language::kEnglish); }
  ~InLanguageTest() override { SetLanguage(Language::kEnglish); }

  void SetUp() override {
    for (std::string_view code : {"de", "nl", "pseudo"}) {
      if (BuiltInCatalogue(code).empty()) GTEST_SKIP() << "no catalogue built in for " << code;
    }
  }
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_CORE_LAB_LANGUAGE_FIXTURE_H_
