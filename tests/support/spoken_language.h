#ifndef VANTREL_TESTS_SUPPORT_SPOKEN_LANGUAGE_H_
#define VANTREL_TESTS_SUPPORT_SPOKEN_LANGUAGE_H_

#include <gtest/gtest.h>

#include "language/catalogue.h"
#include "language/language.h"

namespace vantrel::testing {

// A test that speaks a language other than English: SpeakLanguage sets it, and English
// comes back after the test, whatever it did.
class SpokenLanguageTest : public ::testing::Test {
 protected:
  ~SpokenLanguageTest() override { SetLanguage(Language::kEnglish); }

  // Sets `language` from the catalogue built into the program or, in the WebAssembly
  // build, which holds none, from the build's catalogue file, as the page hands it over.
  // False when neither is there; the caller skips.
  static bool SpeakLanguage(Language language);
};

// Skips the test where no catalogue of the language can be had.
#define VANTREL_SPEAK(language) \
  if (!SpeakLanguage(language)) GTEST_SKIP() << "no catalogue in this build"

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_SPOKEN_LANGUAGE_H_
