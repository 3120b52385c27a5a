// The rules of the walk itself: what counts as untranslated, and how the list of known
// findings is read and compared.
#include "tests/desktop/pseudo/pseudo_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "tests/desktop/pseudo/known_findings.h"

namespace vantrel::testing {
namespace {

TEST(UntranslatedPiecesTest, BracketedTextsAndWhatStandsBetweenThemPass) {
  for (const char* shown : {"[Open ~~]",
                            "",
                            "  ",
                            "[Health of organism ~~~~~~]: 57",
                            "[The organism is [green ~~] and round ~~~~~~~~]",
                            "[Feed this organism ~~~~~~~] (F)",
                            "[Undo ~~] Ctrl+Z",
                            "Ctrl+Shift+Z",
                            "1,234 / 5.678,9 %",
                            "P1",
                            "#12",
                            "0123456789012",
                            "[Saved ~~] organisms.xlsx",
                            "organisms.str",
                            "/tmp/a/b.txt",
                            "Vantrel",
                            "Excel",
                            "Quorvane © 2026",
                            "Nederlands",
                            "Deutsch",
                            "[one ~~]\n[two ~~]",
                            "— … · ×"}) {
    EXPECT_EQ(UntranslatedPieces(QString::fromUtf8(shown)), QStringList()) << shown;
  }
}

TEST(UntranslatedPiecesTest, WordsOutsideBracketsAreReportedOneTrimmedLineEach) {
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("Open")), QStringList{QStringLiteral("Open")});
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("  Feed this organism (F)  ")),
            QStringList{QStringLiteral("Feed this organism (F)")});
  // English glued to a translated piece, before and after it.
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("Health: [57 ~] points")),
            (QStringList{QStringLiteral("Health:"), QStringLiteral("points")}));
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("First line\n[two ~~]\nthird")),
            (QStringList{QStringLiteral("First line"), QStringLiteral("third")}));
  // Umlauts are letters too.
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("Größe")), QStringList{QStringLiteral("Größe")});
  // Words around a name are still words.
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("About Vantrel")),
            QStringList{QStringLiteral("About Vantrel")});
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("English text")),
            QStringList{QStringLiteral("English text")});
}

TEST(UntranslatedPiecesTest, AnUnclosedBracketLeavesTheRestOutside) {
  // A translated text cut short, or a bracket of the program's own.
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("[Feed this org")),
            QStringList{QStringLiteral("[Feed this org")});
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("[a [b ~] c")),
            QStringList{QStringLiteral("[a [b ~] c")});
  // A closing bracket with nothing open is punctuation.
  EXPECT_EQ(UntranslatedPieces(QStringLiteral("] [x ~]")), QStringList());
}

class KnownFindingsTest : public ::testing::Test {
 protected:
  QString Write(const char* text) {
    QString path = folder_.filePath(QStringLiteral("known.txt"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
  }
  QTemporaryDir folder_;
};

TEST_F(KnownFindingsTest, EachSectionHoldsItsOwnLinesAndTheTopIsAComment) {
  const QString path =
      Write("# Texts still found.\n[desktop]\nOpen\n  Save  \n\n#5 runs\n[page]\nOpen\nView\n");
  EXPECT_EQ(ReadKnownFindings(path, QStringLiteral("desktop")),
            (std::set<QString>{QStringLiteral("Open"), QStringLiteral("Save"),
                               QStringLiteral("#5 runs")}));
  EXPECT_EQ(ReadKnownFindings(path, QStringLiteral("page")),
            (std::set<QString>{QStringLiteral("Open"), QStringLiteral("View")}));
  EXPECT_EQ(ReadKnownFindings(path, QStringLiteral("other")), std::nullopt);
  EXPECT_EQ(ReadKnownFindings(folder_.filePath(QStringLiteral("missing")), QStringLiteral("page")),
            std::nullopt);
  // An empty section is a list with nothing left on it.
  EXPECT_EQ(ReadKnownFindings(Write("[desktop]\n[page]\nX\n"), QStringLiteral("desktop")),
            std::set<QString>());
}

TEST_F(KnownFindingsTest, NewFindingsAndEntriesNoLongerFoundAreBothReported) {
  Findings findings;
  AddFinding(findings, QStringLiteral("Open"), QStringLiteral("main / spbOpen"));
  AddFinding(findings, QStringLiteral("Open"), QStringLiteral("notebook / btnOpen"));
  AddFinding(findings, QStringLiteral("Open"), QStringLiteral("main / spbOpen"));
  AddFinding(findings, QStringLiteral("Save"), QStringLiteral("main / spbSave"));
  EXPECT_EQ(CompareWithKnown(findings, {QStringLiteral("Open"), QStringLiteral("Save")}),
            QString());

  const QString report =
      CompareWithKnown(findings, {QStringLiteral("Open"), QStringLiteral("Gone")});
  EXPECT_TRUE(report.contains(QStringLiteral("new: \"Save\"  at main / spbSave")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("remove it from the list: \"Gone\"")))
      << report.toStdString();
  EXPECT_FALSE(report.contains(QStringLiteral("\"Open\""))) << report.toStdString();
  // Each place once, and the list lines sorted.
  EXPECT_EQ(findings[QStringLiteral("Open")].size(), 2);
  EXPECT_EQ(ListLines(findings), QStringLiteral("Open\nSave\n"));
}

}  // namespace
}  // namespace vantrel::testing
