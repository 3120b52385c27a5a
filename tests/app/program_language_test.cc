#include "app/program_language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "language/catalogue.h"

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
