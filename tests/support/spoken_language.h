#ifndef VANTREL_TESTS_SUPPORT_SPOKEN_LANGUAGE_H_
#define VANTREL_TESTS_SUPPORT_SPOKEN_LANGUAGE_H_

#include <gtest/gtest.h>

#include "language/catalogue.h"
#include "language/language.h"

namespace vantrel::testing {

// A test that speaks a language other than English: SpeakLanguage sets it from the
// catalogue built into the program, and English comes back after the test, whatever
// it did. The WebAssembly build holds no catalogue, so there such a test is skipped.
class SpokenLanguageTest : public ::testing::Test {
 protected:
  ~SpokenLanguageTest() override { SetLanguage(Language::kEnglish); }

  // False when this build holds no catalogue for `language`; the caller skips.
  static bool SpeakLanguage(Language language) {
    if (BuiltInCatalogue(LanguageCode(language)).empty()) return false;
    SetLanguage(language);
    return true;
  }
};

// Skips the test where the program holds no catalogue (the WebAssembly build).
#define VANTREL_SPEAK(language) \
  if (!SpeakLanguage(language)) GTEST_SKIP() << "no built-in catalogue in this build"

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_SPOKEN_LANGUAGE_H_
