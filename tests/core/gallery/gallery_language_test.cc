#include <gtest/gtest.h>

#include <string>

#include "gallery/organism_texts.h"
#include "gallery/picture_question.h"
#include "population/population.h"
#include "population/string_grid.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

using GalleryLanguageTest = testing::SpokenLanguageTest;

// The table file and the workbook keep the English titles; only the screen shows the
// program's own titles translated, and a title a file brought stays as it came.
TEST_F(GalleryLanguageTest, OnlyTheProgramsOwnColumnTitlesAreTranslated) {
  EXPECT_EQ(TranslatedColumnTitle("Survival"), "Survival");
  VANTREL_SPEAK(Language::kGerman);
  EXPECT_EQ(TranslatedColumnTitle("Survival"), "Überleben");
  EXPECT_EQ(TranslatedColumnTitle("DNA"), "DNA");
  EXPECT_EQ(TranslatedColumnTitle("survival"), std::nullopt);
  EXPECT_EQ(TranslatedColumnTitle("\xdc"
                                  "berleben"),
            std::nullopt);
}

TEST_F(GalleryLanguageTest, TheTooltipNamesTheCellsAsTheTableHeaderDoes) {
  StringGrid grid(kOrganismColumnCount, 2);
  const char* cells[] = {"42", "3", "9", "1234567890123", "5"};
  for (int col = 0; col < kOrganismColumnCount; ++col) grid.SetCell(col, 1, cells[col]);
  VANTREL_SPEAK(Language::kDutch);
  EXPECT_EQ(OrganismTooltip(grid, 1), "ID 42\nP1 3\nP2 9\nDNA 1234567890123\nOverleving 5");
}

TEST_F(GalleryLanguageTest, PictureFiltersKeepTheirPatterns) {
  VANTREL_SPEAK(Language::kGerman);
  const FileQuestion question = SavePictureQuestion("Bild speichern", "organism-1.png");
  ASSERT_EQ(question.filters.size(), 2u);
  EXPECT_EQ(question.filters[0], "PNG-Bild (*.png)");
  EXPECT_EQ(question.filters[1], "SVG-Zeichnung (*.svg)");
  EXPECT_EQ(question.suffix, "png");
}

}  // namespace
}  // namespace vantrel
