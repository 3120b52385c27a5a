#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "desktop/app/main_window.h"
#include "desktop/app/organism_table_view.h"
#include "desktop/files/qt_file_name_dialog.h"
#include "gallery/picture_question.h"
#include "lab/run_csv.h"
#include "population/random_source.h"
#include "storage/table_file.h"
#include "tests/support/main_window_test.h"

namespace vantrel {

using namespace Qt::StringLiterals;
namespace {

namespace fs = std::filesystem;
using Shown = testing::RecordingMessages::Shown;

class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("files_window_" + Suffix())) {
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }

 private:
  static std::string Suffix() { return std::to_string(std::random_device()()); }
  fs::path path_;
};

class FilesWindowTest : public testing::MainWindowTest {
 protected:
  FilesWindowTest() { Form(); }

  QAbstractItemModel* Model() {
    return Form().findChild<OrganismTableView*>(QStringLiteral("sgrOrganisms"))->model();
  }

  TempDir dir_;
};

TEST_F(FilesWindowTest, SaveAndOpenRestoreTheTableButNotIdsOrTheCounter) {
  StringGrid& grid = Form().grid();
  ASSERT_EQ(grid.RowCount(), 10);
  std::vector<std::vector<std::string>> saved;
  for (int row = 0; row < 10; ++row) saved.push_back(Row(row));

  const std::string path = dir_.Path("population.str");
  dialogs_.names = {path, std::nullopt, std::nullopt, path};
  Click("spbSave");
  Click("spbSave");  // cancelled: nothing happens
  for (int row = 1; row < 10; ++row) {
    for (int col = 0; col < 5; ++col) grid.SetCell(col, row, "changed");
  }
  Form().population().NewId();
  Click("spbOpen");  // cancelled
  EXPECT_EQ(grid.Cell(kDnaColumn, 1), "changed");
  Click("spbOpen");

  for (int row = 0; row < 10; ++row) {
    std::vector<std::string> expected = saved[row];
    if (row > 0) expected[kIdColumn] = "changed";
    EXPECT_EQ(Row(row), expected);
  }
  EXPECT_EQ(Form().population().counter(), 10);
  EXPECT_EQ(Model()->data(Model()->index(2, kDnaColumn)).toString().toStdString(),
            saved[3][kDnaColumn]);
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(FilesWindowTest, LoadedBytesShowAsLatin1AndTheColumnCountOutlivesANewGenePool) {
  const std::string path = dir_.Path("latin.str");
  std::ofstream(path, std::ios::binary) << " P1 ; Na\xEFve ;\r\n 0 ; caf\xE9 ;\r\n 1 ; 2 ;\r\n";
  dialogs_.names = {path};
  Click("spbOpen");
  ASSERT_EQ(Model()->columnCount(), 3);
  EXPECT_EQ(Model()->rowCount(), 2);
  EXPECT_EQ(Model()->headerData(2, Qt::Horizontal), QString::fromUtf8("Na\u00efve"));
  EXPECT_EQ(Model()->data(Model()->index(0, 2)), QString::fromUtf8("caf\u00e9"));

  Click("spbStart");
  EXPECT_EQ(Form().grid().ColCount(), 3);
  EXPECT_EQ(Model()->columnCount(), 3);
  EXPECT_EQ(Model()->rowCount(), 9);
}

// Once the next dialog's event loop runs, types `name` into it and confirms it, or
// cancels it for nullopt; `shown` gets the name it opened on.
void Answer(std::optional<std::string> name, QStringList* shown = nullptr) {
  QTimer::singleShot(0, qApp, [name, shown] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (shown != nullptr) *shown = dialog->selectedFiles();
    if (!name) {
      dialog->reject();
      return;
    }
    dialog->selectFile(QString::fromStdString(*name));
    static_cast<QDialog*>(dialog)->accept();  // public there, protected here
  });
}

TEST(QtFileNameDialogTest, TableDialogsHaveTheirTitlesFiltersAndTakeAnyName) {
  const QtFileNameDialog dialogs;
  const auto open = dialogs.MakeDialog(OpenTableFileQuestion());
  const auto save = dialogs.MakeDialog(SaveTableFileQuestion());
  EXPECT_EQ(open->windowTitle(), u"Open organisms file"_s);
  EXPECT_EQ(save->windowTitle(), u"save organisms file"_s);
  for (QFileDialog* dialog : {open.get(), save.get()}) {
    EXPECT_EQ(dialog->nameFilters(),
              QStringList({u"Simple Table Files (*.str)"_s, u"All Files (*)"_s}));
    EXPECT_EQ(dialog->selectedNameFilter(), u"Simple Table Files (*.str)"_s);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);  // a missing name is taken too
    EXPECT_EQ(dialog->defaultSuffix(), u"str"_s);
  }
  EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(save->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(QtFileNameDialogTest, PictureAndRunDialogsOfferTheirKindsAndAskBeforeReplacing) {
  const QtFileNameDialog dialogs;
  const auto picture = dialogs.MakeDialog(SavePictureQuestion("Save picture as", "x.png"));
  EXPECT_EQ(picture->windowTitle(), u"Save picture as"_s);
  EXPECT_EQ(picture->nameFilters(),
            QStringList({u"PNG image (*.png)"_s, u"SVG drawing (*.svg)"_s}));
  EXPECT_EQ(picture->defaultSuffix(), u"png"_s);
  const auto runs = dialogs.MakeDialog(ExportRunsQuestion());
  EXPECT_EQ(runs->windowTitle(), u"Export runs"_s);
  EXPECT_EQ(runs->nameFilters(), QStringList({u"CSV files (*.csv)"_s}));
  EXPECT_EQ(runs->defaultSuffix(), u"csv"_s);
  for (QFileDialog* dialog : {picture.get(), runs.get()}) {
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  }
}

// The name in a dialog's name box, without its folder.
QString ProposedName(const QFileDialog& dialog) {
  return QFileInfo(dialog.selectedFiles().value(0)).fileName();
}

TEST(QtFileNameDialogTest, SaveDialogsProposeANameOfTheirOwn) {
  const QtFileNameDialog dialogs;
  EXPECT_EQ(ProposedName(*dialogs.MakeDialog(SaveTableFileQuestion())), u"organisms.str"_s);
  EXPECT_EQ(ProposedName(*dialogs.MakeDialog(ExportRunsQuestion())), u"runs.csv"_s);
  EXPECT_EQ(ProposedName(*dialogs.MakeDialog(SavePictureQuestion("Save picture as", "a.png"))),
            u"a.png"_s);
}

// Another kind of file changes the proposed name's suffix and the one a typed name gets;
// "All Files" gives back the question's own.
TEST(QtFileNameDialogTest, ChoosingAKindOfFileChangesTheSuffix) {
  const QtFileNameDialog dialogs;
  const auto picture = dialogs.MakeDialog(SavePictureQuestion("Save all", "population.png"));
  auto* kinds = picture->findChild<QComboBox*>(u"fileTypeCombo"_s);
  ASSERT_NE(kinds, nullptr);
  QTest::keyClick(kinds, Qt::Key_Down);  // as the user picks the next kind
  EXPECT_EQ(picture->selectedNameFilter(), u"SVG drawing (*.svg)"_s);
  EXPECT_EQ(ProposedName(*picture), u"population.svg"_s);
  EXPECT_EQ(picture->defaultSuffix(), u"svg"_s);

  const auto table = dialogs.MakeDialog(SaveTableFileQuestion());
  kinds = table->findChild<QComboBox*>(u"fileTypeCombo"_s);
  ASSERT_NE(kinds, nullptr);
  QTest::keyClick(kinds, Qt::Key_Down);
  EXPECT_EQ(table->selectedNameFilter(), u"All Files (*)"_s);
  EXPECT_EQ(table->defaultSuffix(), u"str"_s);
}

// Typing into a dialog that suggests a name replaces the name and keeps its suffix.
TEST(QtFileNameDialogTest, TypingReplacesTheSuggestedNameButNotItsSuffix) {
  TempDir dir;
  QtFileNameDialog dialogs;
  Answer(dir.Path("first"));
  dialogs.AskFileName(ExportRunsQuestion());
  QTimer::singleShot(0, qApp, [] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->selectedText(), u"organisms"_s);
    QTest::keyClicks(name, u"zoo"_s);
    EXPECT_EQ(name->text(), u"zoo.str"_s);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(dialogs.AskFileName(SaveTableFileQuestion()), dir.Path("zoo.str"));
}

TEST(QtFileNameDialogTest, ATypedNameGetsTheSuffixAndTheNextDialogOpensInItsFolder) {
  TempDir first;
  TempDir second;
  QtFileNameDialog dialogs;
  Answer(first.Path("pop"));
  EXPECT_EQ(dialogs.AskFileName(SaveTableFileQuestion()), first.Path("pop.str"));
  // Another dialog opens in that folder on its own name.
  QStringList shown;
  Answer(std::nullopt, &shown);
  EXPECT_EQ(dialogs.AskFileName(ExportRunsQuestion()), std::nullopt);
  EXPECT_EQ(shown, QStringList(QString::fromStdString(first.Path("runs.csv"))));

  Answer(second.Path("other"));
  EXPECT_EQ(dialogs.AskFileName(OpenTableFileQuestion()), second.Path("other.str"));
  Answer(std::nullopt, &shown);
  dialogs.AskFileName(SaveTableFileQuestion());
  EXPECT_EQ(shown, QStringList(QString::fromStdString(second.Path("organisms.str"))));
  // A cancel keeps the folder; a question without a name of its own gets its last one.
  Answer(std::nullopt, &shown);
  dialogs.AskFileName(OpenTableFileQuestion());
  EXPECT_EQ(shown, QStringList(QString::fromStdString(second.Path("other.str"))));
}

// A failed save and a missing file reach the user in the boxes they always did.
TEST_F(FilesWindowTest, FailuresAreToldInTheirOwnKindOfBox) {
  const std::string under_file = dir_.Path("blocker") + "/table.str";
  std::ofstream(dir_.Path("blocker")) << "not a folder";
  const std::string missing = dir_.Path("missing.str");
  dialogs_.names = {under_file, missing};
  Click("spbSave");
  Click("spbOpen");
  using Shown = testing::RecordingMessages::Shown;
  EXPECT_EQ(messages_.shown(),
            (std::vector<Shown>{{Shown::kError, "", "Cannot create file " + under_file + "."},
                                {Shown::kMessage, "", "Cannot open file " + missing + "."}}));
}

// The loaded file's selected organism is drawn as soon as the load is done.
TEST_F(FilesWindowTest, ALoadDrawsTheSelectedOrganismAtOnce) {
  const std::string path = dir_.Path("one.str");
  std::ofstream(path, std::ios::binary)
      << " P1 # P2 # DNA # Survival #\r\n 0 # 0 # 1234567890123 # 7 #\r\n";
  dialogs_.names = {path};
  Click("spbOpen");
  EXPECT_EQ(Drawn(), "1234567890123");
  EXPECT_EQ(Health(), "7");
}

}  // namespace
}  // namespace vantrel
