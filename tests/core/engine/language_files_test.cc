#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "lab/run_csv.h"
#include "language/catalogue.h"
#include "population/random_source.h"
#include "storage/sheet_cells.h"
#include "storage/table_file.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

// What a session leaves in files: the table file, the notebook's CSV and the workbook's
// cells, after the same seed and the same clicks.
std::vector<std::string> FilesAfterASession(Language language) {
  SetLanguage(language);
  testing::FixedClock clock{12LL * 3600 * 1000};
  LcgRandom random;
  Engine engine{random, clock};
  engine.NewIdea();
  for (int click = 0; click < 30; ++click) {
    if (click % 3 == 0) {
      engine.Feed();
    } else {
      engine.Shoot();
    }
  }
  engine.DeclareReached();
  engine.NewIdea();
  engine.Shoot();
  Workbook book;
  const std::optional<std::string> refused = OrganismsWorkbook(engine.grid(), &book);
  std::vector<std::string> files = {TableFileText(engine.grid()),
                                    RunsCsv(engine.notebook().runs().runs()), refused.value_or("")};
  for (const Sheet& sheet : book.sheets) {
    files.insert(files.end(), sheet.format.column_names.begin(), sheet.format.column_names.end());
    for (const SheetCell& cell : sheet.cells) files.push_back(cell.text);
  }
  SetLanguage(Language::kEnglish);
  return files;
}

// The language changes what is shown, never what is written: a table saved, runs exported
// or a workbook made in German opens and compares as the English one.
TEST(LanguageFilesTest, FilesAreTheSameInEveryLanguage) {
  const std::vector<std::string> english = FilesAfterASession(Language::kEnglish);
  ASSERT_GT(english.size(), 3U);
  for (const Language language : {Language::kGerman, Language::kDutch, Language::kPseudo}) {
    EXPECT_EQ(FilesAfterASession(language), english) << LanguageCode(language);
  }
}

}  // namespace
}  // namespace vantrel
