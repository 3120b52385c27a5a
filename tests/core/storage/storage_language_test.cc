#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "population/string_grid.h"
#include "storage/atomic_file.h"
#include "storage/sheet_cells.h"
#include "storage/spreadsheet.h"
#include "storage/table_file.h"
#include "tests/support/spoken_language.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class StorageLanguageTest : public testing::SpokenLanguageTest {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vantrel_storage_language_" +
            std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // A regular file: nothing can be made below it, whoever runs the test.
    blocker_ = (dir_ / "plain").string();
    std::ofstream(blocker_) << "kept";
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
  std::string blocker_;
};

// A message in German names the file it is about and says the rest in German.
TEST_F(StorageLanguageTest, TableFileMessagesNameTheFileInGerman) {
  VANTREL_SPEAK(Language::kGerman);
  StringGrid grid(5, 2);
  const std::string missing = (dir_ / "nowhere.str").string();
  const TableFileResult not_found = LoadTableFile(grid, missing);
  EXPECT_EQ(not_found.text, "Die Datei " + missing + " kann nicht geöffnet werden.");

  const std::string below = blocker_ + "/organisms.str";
  const TableFileResult not_saved = SaveTableFile(grid, below);
  EXPECT_EQ(not_saved.status, TableFileResult::Status::kCannotCreate);
  EXPECT_NE(not_saved.text.find(below), std::string::npos) << not_saved.text;
  EXPECT_EQ(not_saved.text.find("Cannot"), std::string::npos) << not_saved.text;

  const TableFileResult title_only = LoadTableText(grid, "a #\r\n", "titles.str");
  EXPECT_NE(title_only.text.find("titles.str"), std::string::npos);
  EXPECT_EQ(title_only.text.find("holds no rows"), std::string::npos) << title_only.text;
}

// The dialogs read the patterns from the filters, so translating a filter's name must
// leave its pattern as it is.
TEST_F(StorageLanguageTest, FileQuestionsTranslateTitlesAndFilterNamesButNotPatterns) {
  for (const Language language : {Language::kGerman, Language::kDutch}) {
    VANTREL_SPEAK(language);
    const FileQuestion open = OpenTableFileQuestion();
    const FileQuestion save = SaveTableFileQuestion();
    EXPECT_NE(open.title, "Open organisms file");
    EXPECT_NE(save.title, "save organisms file");
    ASSERT_EQ(open.filters.size(), 2u);
    EXPECT_TRUE(open.filters[0].ends_with(" (*.str)")) << open.filters[0];
    EXPECT_TRUE(open.filters[1].ends_with(" (*)")) << open.filters[1];
    EXPECT_NE(open.filters[0], "Simple Table Files (*.str)");
    EXPECT_EQ(save.suggested_name, "organisms.str");
  }
}

TEST_F(StorageLanguageTest, WriteFailuresSayFileAndSystemReasonInTheLanguage) {
  VANTREL_SPEAK(Language::kDutch);
  const std::string below = blocker_ + "/runs.csv";
  const std::string error = WriteFileAtomically(below, "text");
  // "Not a directory" is the system's reason; the catalogue knows it in Dutch.
  EXPECT_EQ(error, below + " kan niet worden geschreven: Is geen map");
  EXPECT_EQ(CheckWritable(""), "geen bestandsnaam");
}

TEST_F(StorageLanguageTest, ATooLongCellIsNamedInGerman) {
  VANTREL_SPEAK(Language::kGerman);
  StringGrid grid(3, 2);
  grid.SetCell(2, 1, std::string(kXlsxMaxTextLength + 1, 'x'));
  Workbook book;
  const std::optional<std::string> refused = OrganismsWorkbook(grid, &book);
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->rfind("Die Zelle C2 enthält 32768 Zeichen", 0), 0u) << *refused;
  EXPECT_NE(refused->find("32767"), std::string::npos);
}

}  // namespace
}  // namespace vantrel
