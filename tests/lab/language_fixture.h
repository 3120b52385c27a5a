#ifndef VANTREL_TESTS_LAB_LANGUAGE_FIXTURE_H_
#define VANTREL_TESTS_LAB_LANGUAGE_FIXTURE_H_

#include <gtest/gtest.h>

#include "language/catalogue.h"

namespace vantrel::testing {

// Every test starts and ends in English, whatever language it switches to.
class InLanguageTest : public ::testing::Test {
 protected:
  InLanguageTest() { SetLanguage(Language::kEnglish); }
  ~InLanguageTest() override { SetLanguage(Language::kEnglish); }
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_LAB_LANGUAGE_FIXTURE_H_
