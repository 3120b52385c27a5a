#include "language/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

// A catalogue's bytes as the build writes them.
std::string CatalogueBytes(std::initializer_list<std::string> records) {
  std::string bytes =
      "vantrel-catalogue 1\x1f"
      "de\x1e";
  for (const std::string& record : records) bytes += record + '\x1e';
  return bytes;
}

class CurrentLanguageTest : public ::testing::Test {
 protected:
  ~CurrentLanguageTest() override { SetLanguage(Language::kEnglish); }
};

TEST(CatalogueTest, FindsByContextThenBySourceAlone) {
  const Catalogue catalogue =
      Catalogue::Parse(CatalogueBytes({"Main\x1fOpen\x1f\xc3\x96"
                                       "ffnen",
                                       "Lab\x1fOpen\x1f\xc3\xb6"
                                       "ffnen (Lab)"}));
  ASSERT_EQ(catalogue.size(), 2U);
  EXPECT_EQ(catalogue.Find("Lab", "Open")->front(),
            "\xc3\xb6"
            "ffnen (Lab)");
  // A context that does not hold the text borrows another's translation of it.
  EXPECT_EQ(catalogue.Find("Page", "Open")->front(),
            "\xc3\x96"
            "ffnen");
  EXPECT_EQ(catalogue.Find("Main", "Save"), nullptr);
}

TEST(CatalogueTest, DamagedBytesLeaveOnlyTheDamagedTextsEnglish) {
  // Not a catalogue at all: nothing is read.
  EXPECT_TRUE(Catalogue::Parse("PK\x03\x04 binary").empty());
  EXPECT_TRUE(Catalogue::Parse("").empty());
  // A record without a translation and one that is not UTF-8 are left out; the rest stays.
  const Catalogue catalogue = Catalogue::Parse(
      CatalogueBytes({"Main\x1fOpen", "Main\x1fSave\x1fSp\xff", "Main\x1fNew\x1fNeu"}) +
      "Main\x1f"
      "cut off");
  EXPECT_EQ(catalogue.size(), 1U);
  EXPECT_EQ(catalogue.Find("Main", "New")->front(), "Neu");
}

TEST_F(CurrentLanguageTest, TranslatesWithPluralsAndFallsBackToTheSource) {
  SetLanguage(Language::kGerman,
              CatalogueBytes({"Lab\x1f%n clicks\x1f%n Klick\x1f%n Klicks", "Lab\x1fReached\x1f"}));
  EXPECT_EQ(CurrentLanguage(), Language::kGerman);
  EXPECT_EQ(TrN("Lab", "%n clicks", 1), "1 Klick");
  EXPECT_EQ(TrN("Lab", "%n clicks", 0), "0 Klicks");
  EXPECT_EQ(TrN("Lab", "%n clicks", 12), "12 Klicks");
  // An empty translation and a missing one both show the English.
  EXPECT_EQ(Tr("Lab", "Reached"), "Reached");
  EXPECT_EQ(Tr("Lab", "Stable"), "Stable");
  EXPECT_EQ(TrN("Lab", "%n shots", 2), "2 shots");
  // The count with its thousands grouped; English's singular where no translation has one.
  EXPECT_EQ(TrN("Lab", "%n clicks", 1234), "1.234 Klicks");
  EXPECT_EQ(TrN("Lab", "%n shot", "%n shots", 1), "1 shot");
  EXPECT_EQ(TrN("Lab", "%n click", "%n clicks", 1), "1 Klick");
}

TEST(CatalogueTest, ArgReplacesEachPlaceholderOnce) {
  EXPECT_EQ(Arg("%2 of %1", {"3", "7"}), "7 of 3");
  // An argument's own placeholder is not filled again; unknown ones stay.
  EXPECT_EQ(Arg("%1 and %3", {"%2", "x"}), "%2 and %3");
  EXPECT_EQ(Arg("100%", {"a"}), "100%");
}

TEST_F(CurrentLanguageTest, TheBuiltInCataloguesComeFromTheTranslationFiles) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "the WebAssembly build holds no catalogue: the page hands one over";
#endif
  const std::string english =
      "The table holds no organisms: start a new gene pool or open a table.";
  for (const Language language : {Language::kDutch, Language::kGerman}) {
    SetLanguage(language);
    EXPECT_NE(Tr("Gallery", english), english) << LanguageCode(language);
  }
  SetLanguage(Language::kPseudo);
  const std::string pseudo = Tr("Gallery", english);
  EXPECT_EQ(pseudo.front(), '[');
  EXPECT_EQ(pseudo.back(), ']');
  EXPECT_GE(pseudo.size(), english.size() * 4 / 3);
  SetLanguage(Language::kEnglish);
  EXPECT_EQ(Tr("Gallery", english), english);
}

}  // namespace
}  // namespace vantrel
