#include "desktop/app/program_language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "desktop/files/qt_file_name_dialog.h"
#include "language/catalogue.h"
#include "storage/table_file.h"

namespace vantrel {
namespace {

QString Translate(const char* context, const char* source, int n = -1) {
  return QCoreApplication::translate(context, source, nullptr, n);
}

constexpr char kMainWindow[] = "vantrel::MainWindow";
constexpr char kPopulationWindow[] = "vantrel::PopulationWindow";

TEST(ProgramLanguageTest, GermanTranslatesWindowsCoreAndNumbersUntilItEnds) {
  {
    const ProgramLanguage german(Language::kGerman);
    EXPECT_GE(german.installed(), 1);
    EXPECT_EQ(Translate(kMainWindow, "Open"), QStringLiteral("Öffnen"));
    EXPECT_EQ(Translate(kMainWindow, "Feed this organism (F)"),
              QStringLiteral("Füttere diesen Organismus (F)"));
    EXPECT_EQ(Translate(kPopulationWindow, "%Ln organism(s)", 1), QStringLiteral("1 Organismus"));
    EXPECT_EQ(Translate(kPopulationWindow, "%Ln organism(s)", 1234),
              QStringLiteral("1.234 Organismen"));
    EXPECT_EQ(CurrentLanguage(), Language::kGerman);
  }
  EXPECT_EQ(Translate(kMainWindow, "Open"), QStringLiteral("Open"));
  EXPECT_EQ(CurrentLanguage(), Language::kEnglish);
  const ProgramLanguage dutch(Language::kDutch);
  EXPECT_EQ(Translate(kPopulationWindow, "%Ln organism(s)", 2), QStringLiteral("2 organismen"));
}

TEST(ProgramLanguageTest, EnglishTakesItsPluralFormsAndKeepsEveryOtherText) {
  const ProgramLanguage english(Language::kEnglish);
  EXPECT_EQ(Translate(kPopulationWindow, "%Ln organism(s)", 1), QStringLiteral("1 organism"));
  EXPECT_EQ(Translate(kPopulationWindow, "%Ln organism(s)", 1234),
            QStringLiteral("1,234 organisms"));
  EXPECT_EQ(Translate(kMainWindow, "Health of organism"), QStringLiteral("Health of organism"));
}

TEST(ProgramLanguageTest, QtsOwnDialogButtonsSpeakTheLanguage) {
  if (!QFile::exists(ProgramLanguage::QtTranslationsFolder() + QStringLiteral("/qtbase_de.qm"))) {
    GTEST_SKIP() << "Qt's own German translation is not installed";
  }
  const ProgramLanguage german(Language::kGerman);
  EXPECT_EQ(Translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// Qt's own file dialog lists sizes as the program's language writes them, and dates as the
// core writes them in that language (the page's too), not as the system's locale does
// (under LANG=C an English "10 Dec 2026 09:30:00").
TEST(ProgramLanguageTest, FileDialogsListDatesAndSizesInTheLanguage) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(folder.filePath(QStringLiteral("organisms.str")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(1536, 'x'));
  file.flush();  // a later write would move the time again
  ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)),
                               QFileDevice::FileModificationTime));
  file.close();
  const struct {
    Language language;
    std::string size;
    std::string date;
  } cases[] = {
      {Language::kGerman, "1,50 KiB", "10.12.2026 09:30:00"},
      {Language::kDutch, "1,50 KiB", "10-12-2026 09:30:00"},
      {Language::kEnglish, "1.50 KiB", "2026-12-10 09:30:00"},
  };
  for (const auto& c : cases) {
    const ProgramLanguage language(c.language);
    const auto dialog = QtFileNameDialog().MakeDialog(OpenTableFileQuestion());
    dialog->setDirectory(folder.path());
    const auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    const QAbstractItemModel* files = list->model();
    for (int wait = 0; wait < 500 && files->rowCount(list->rootIndex()) == 0; ++wait) {
      QTest::qWait(10);  // the dialog reads its folder in the background
    }
    ASSERT_EQ(files->rowCount(list->rootIndex()), 1);
    EXPECT_EQ(files->index(0, 1, list->rootIndex()).data().toString().toStdString(), c.size);
    EXPECT_EQ(files->index(0, 3, list->rootIndex()).data().toString().toStdString(), c.date);
  }
}

// A damaged or missing translation file is passed over: its texts stay English and the
// program goes on in the language chosen.
TEST(ProgramLanguageTest, DamagedOrMissingFilesFallBackToEnglish) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const auto& [name, bytes] :
       {std::pair{"desktop_de.qm", QByteArray("not a translation at all")},
        std::pair{"empty_de.qm", QByteArray()},
        std::pair{"cut_de.qm",
                  QByteArray("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf", 12)}}) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  {
    const ProgramLanguage german(Language::kGerman, folder.path(), folder.path());
    EXPECT_EQ(german.installed(), 0);
    EXPECT_EQ(Translate(kMainWindow, "Open"), QStringLiteral("Open"));
    EXPECT_EQ(CurrentLanguage(), Language::kGerman);
  }
  const ProgramLanguage missing(Language::kDutch, folder.filePath(QStringLiteral("nowhere")),
                                folder.filePath(QStringLiteral("nowhere")));
  EXPECT_EQ(missing.installed(), 0);
  EXPECT_EQ(Translate(kMainWindow, "Open"), QStringLiteral("Open"));
}

}  // namespace
}  // namespace vantrel
