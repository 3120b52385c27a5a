#include <gtest/gtest.h>

#include <string>

#include "desktop/app/organism_table_model.h"
#include "population/population.h"
#include "population/string_grid.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

using TableHeaderLanguageTest = testing::SpokenLanguageTest;

// The screen shows the program's own titles in the language; a title a file brought is
// shown as its Latin-1 bytes, as every cell is.
TEST_F(TableHeaderLanguageTest, ShowsOwnTitlesTranslatedAndAFilesTitlesAsTheyAre) {
  VANTREL_SPEAK(Language::kGerman);
  StringGrid grid(kOrganismColumnCount + 1, 2);
  const char* own_titles[] = {"ID", "P1", "P2", "DNA", "Survival"};
  for (int col = 0; col < kOrganismColumnCount; ++col) grid.SetCell(col, 0, own_titles[col]);
  grid.SetCell(kOrganismColumnCount, 0, std::string("\xdc") + "ber");  // Latin-1, from a file
  OrganismTableModel model(grid);
  const auto header = [&model](int section) {
    return model.headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
  };
  EXPECT_EQ(header(kSurvivalColumn), QStringLiteral("Überleben"));
  EXPECT_EQ(header(kIdColumn), QStringLiteral("ID"));
  EXPECT_EQ(header(kOrganismColumnCount), QStringLiteral("Über"));
  EXPECT_EQ(grid.Cell(kSurvivalColumn, 0), "Survival") << "the grid and its files keep English";
}

}  // namespace
}  // namespace vantrel
