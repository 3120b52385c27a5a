#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "history/family_tree_texts.h"
#include "history/journal_texts.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

using HistoryLanguageTest = testing::SpokenLanguageTest;

OrganismRecord Root(std::string id, std::string p1, std::string p2) {
  OrganismRecord record;
  record.pool = 3;
  record.id = std::move(id);
  record.p1 = std::move(p1);
  record.p2 = std::move(p2);
  record.survival = "7";
  return record;
}

TEST_F(HistoryLanguageTest, CardsAndDetailsKeepTheirDataInGerman) {
  VANTREL_SPEAK(Language::kGerman);
  EXPECT_EQ(CardCaption(Root("12", "0", "0")), "ID 12 · lebt · Wurzel");
  OrganismRecord loaded = Root("40", "8", "9");
  loaded.exit = Exit::kShot;
  loaded.left_step = 17;
  loaded.born_step = 5;
  EXPECT_EQ(CardCaption(loaded), "ID 40 · tot · Wurzel (P1 8, P2 9)");
  EXPECT_EQ(TreeDetails(loaded),
            "Genpool 3 · P1 8 · P2 9 · Überleben bei der Geburt 7\n"
            "geboren in Schritt 5 · getötet in Schritt 17");
}

TEST_F(HistoryLanguageTest, OriginRunsChooseThePluralFormOfEachCount) {
  VANTREL_SPEAK(Language::kGerman);
  using enum DigitOrigin;
  EXPECT_EQ(OriginRuns({kMutation, kFirstParent, kFirstParent, kMutation, kMutation}),
            "1 Mutation, 2 vom ersten Elternteil, 2 Mutationen");
}

// The tree's fixed texts, generation headings and legend, in the current language.
std::vector<std::string> FixedTreeTexts() {
  std::vector<std::string> texts = {FamilyTreeTitle(),       TreeBackText(), TreeBackName(),
                                    TreeBackTooltip(),       LegendLead(),   LegendTail(),
                                    NoOrganismSelectedText()};
  for (int generation = 1; generation <= kTreeGenerations; ++generation) {
    texts.push_back(GenerationName(generation));
  }
  for (const LegendEntry& entry : LegendEntries()) texts.push_back(entry.text);
  return texts;
}

// Every fixed text of the tree differs from the English in both languages, and the
// generations stay told apart.
TEST_F(HistoryLanguageTest, TheTreesFixedTextsAreAllTranslated) {
  const std::vector<std::string> english = FixedTreeTexts();
  // The back key as the language's keyboards print it.
  for (const auto& [language, key] : {std::pair{Language::kGerman, "(Alt+Links)"},
                                      std::pair{Language::kDutch, "(Alt+Pijl-links)"}}) {
    VANTREL_SPEAK(language);
    SCOPED_TRACE(LanguageCode(language));
    const std::vector<std::string> shown = FixedTreeTexts();
    ASSERT_EQ(shown.size(), english.size());
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_NE(shown[i], english[i]) << english[i];
    const auto legend = static_cast<std::ptrdiff_t>(LegendEntries().size());
    const std::set<std::string> generations(shown.end() - legend - kTreeGenerations,
                                            shown.end() - legend);
    EXPECT_EQ(generations.size(), static_cast<std::size_t>(kTreeGenerations));
    EXPECT_NE(TreeBackTooltip().find(key), std::string::npos) << TreeBackTooltip();
  }
}

TEST_F(HistoryLanguageTest, JournalMessagesNameTheJournalAndCountInDutch) {
  VANTREL_SPEAK(Language::kDutch);
  EXPECT_NE(RestoreQuestion(1, 12).find("(1 organisme, 12 stappen)"), std::string::npos)
      << RestoreQuestion(1, 12);
  EXPECT_NE(RestoreQuestion(30, 1).find("(30 organismen, 1 stap)"), std::string::npos);
  const std::string one = JournalLostStepsText("run-7.journal", 1);
  const std::string many = JournalLostStepsText("run-7.journal", 4);
  EXPECT_NE(one.find("run-7.journal"), std::string::npos) << one;
  EXPECT_NE(one.find("de laatste stap kon"), std::string::npos) << one;
  EXPECT_NE(many.find("de laatste 4 stappen konden"), std::string::npos) << many;
  // A name that looks like a placeholder is shown as it is.
  EXPECT_NE(JournalDamagedText("%1 %n.journal").find("%1 %n.journal"), std::string::npos);
  EXPECT_EQ(RestoreCaption(), "Populatie herstellen");
}

TEST(HistoryEnglishTest, JournalTextsReadAsBefore) {
  EXPECT_EQ(RestoreQuestion(1, 1),
            "Vantrel ended unexpectedly. Restore the population of that run (1 organisms, 1 "
            "steps)?");
  EXPECT_EQ(JournalLostStepsText("j", 2),
            "The journal j was damaged: the last 2 steps could not "
            "be restored.");
}

}  // namespace
}  // namespace vantrel
