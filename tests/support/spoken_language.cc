#include "tests/support/spoken_language.h"

#include <fstream>
#include <iterator>
#include <string>

namespace vantrel::testing {

bool SpokenLanguageTest::SpeakLanguage(Language language) {
  const std::string code(LanguageCode(language));
  if (!BuiltInCatalogue(code).empty()) {
    SetLanguage(language);
    return true;
  }
#ifdef VANTREL_TEST_CATALOGUE_DIR
  std::ifstream file(std::string(VANTREL_TEST_CATALOGUE_DIR) + "/vantrel_" + code + ".cat",
                     std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!bytes.empty()) {
    SetLanguage(language, bytes);
    return true;
  }
#endif
  return false;
}

}  // namespace vantrel::testing
