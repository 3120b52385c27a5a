#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/experiment_pages.h"
#include "messages/web_links.h"
#include "messages/web_shell.h"
#include "tests/support/fakes.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

using testing::SpokenLanguageTest;

// The paragraphs of a page: the text split at its empty lines.
std::vector<std::string> Paragraphs(const std::string& text) {
  std::vector<std::string> paragraphs;
  std::size_t from = 0;
  for (std::size_t at = text.find("\n\n"); at != std::string::npos;
       from = at + 2, at = text.find("\n\n", from)) {
    paragraphs.push_back(text.substr(from, at - from));
  }
  paragraphs.push_back(text.substr(from));
  return paragraphs;
}

using ExperimentPagesLanguageTest = SpokenLanguageTest;

// Both faces lay a page out by its empty lines: a translation that lost one, or broke a
// paragraph with a single line break, would show a heading glued to its text.
TEST_F(ExperimentPagesLanguageTest, EveryPageIsTranslatedWholeWithItsParagraphsKept) {
  for (const Language language : {Language::kGerman, Language::kDutch}) {
    VANTREL_SPEAK(language);
    SCOPED_TRACE(LanguageCode(language));
    EXPECT_NE(ExperimentsTitle(), kExperimentsTitle);
    EXPECT_NE(ExperimentsCloseText(), kExperimentsClose);
    for (const ExperimentPage& page : ExperimentPages()) {
      SCOPED_TRACE(page.caption);
      const std::string caption = ShownCaption(page);
      const std::string text = ShownText(page);
      EXPECT_NE(caption, page.caption);
      EXPECT_NE(text, page.text);
      const std::vector<std::string> paragraphs = Paragraphs(text);
      EXPECT_EQ(paragraphs.size(), Paragraphs(page.text).size());
      for (const std::string& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.empty()) << "an empty line too many";
        EXPECT_EQ(paragraph.find('\n'), std::string::npos) << paragraph;
      }
    }
  }
}

TEST(ExperimentPagesEnglishTest, ShowsTheSourcesUnchanged) {
  for (const ExperimentPage& page : ExperimentPages()) {
    EXPECT_EQ(ShownCaption(page), page.caption);
    EXPECT_EQ(ShownText(page), page.text);
  }
  EXPECT_EQ(ExperimentsTitle(), kExperimentsTitle);
}

// Answers every Open at once with one result.
class AnsweringShell final : public WebShell {
 public:
  explicit AnsweringShell(int result) : result_(result) {}
  void Open(const std::string& /*address*/, ResultCallback done) override { done(result_); }

 private:
  int result_;
};

using WebLinksLanguageTest = SpokenLanguageTest;

TEST_F(WebLinksLanguageTest, AFailureSaysItInGermanAndKeepsItsNumber) {
  VANTREL_SPEAK(Language::kGerman);
  for (const int result : {2, 31}) {
    AnsweringShell shell(result);
    testing::RecordingMessages messages;
    OpenWebPage(messages, shell, kProductPage);
    ASSERT_EQ(messages.shown().size(), 1u);
    const auto& shown = messages.shown().front();
    EXPECT_EQ(shown.caption.rfind("Fehler", 0), 0u) << shown.caption;
    EXPECT_EQ(shown.text.rfind("Fehler", 0), 0u) << shown.text;
    EXPECT_NE(shown.text.find(result == 2 ? "w72" : "31"), std::string::npos) << shown.text;
  }
}

}  // namespace
}  // namespace vantrel
