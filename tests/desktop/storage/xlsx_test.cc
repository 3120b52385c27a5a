#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "desktop/storage/qt_busy_cursor.h"
#include "desktop/storage/xlsx_spreadsheet.h"
#include "population/string_grid.h"
#include "storage/sheet_cells.h"
#include "storage/spreadsheet.h"
#include "storage/workbook.h"

namespace vantrel {

// Qt's string literals live in a namespace of their own.
using namespace Qt::StringLiterals;  // NOLINT(google-build-using-namespace)
namespace {

// One part of an .xlsx file (a zip of XML), through unzip; empty when it is missing.
QString Part(const QString& xlsx, const char* part) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, QString::fromLatin1(part)});
  unzip.waitForFinished();
  return unzip.exitCode() == 0 ? QString::fromUtf8(unzip.readAllStandardOutput()) : QString();
}

// The first group of each match of `pattern` in `xml`.
QStringList Captures(const QString& xml, const char* pattern) {
  QStringList found;
  for (const QRegularExpressionMatch& match :
       QRegularExpression(QString::fromLatin1(pattern)).globalMatch(xml)) {
    found << match.captured(1);
  }
  return found;
}

// The sheet's name and its texts by cell name; a cell that is no string reads "?".
std::pair<std::string, std::map<std::string, std::string>> ReadSheet(const QString& xlsx) {
  const QStringList names = Captures(Part(xlsx, "xl/workbook.xml"), R"re(<sheet name="([^"]*)")re");
  const QStringList shared = Captures(Part(xlsx, "xl/sharedStrings.xml"), "<t[^>]*>(.*?)</t>");
  std::map<std::string, std::string> texts;
  const QRegularExpression cell(uR"re(<c r="(\w+)"( t="s")?[^>]*><v>(\d+)</v></c>)re"_s);
  for (const QRegularExpressionMatch& match :
       cell.globalMatch(Part(xlsx, "xl/worksheets/sheet1.xml"))) {
    texts[match.captured(1).toStdString()] =
        match.captured(2).isEmpty() ? "?" : shared.value(match.captured(3).toInt()).toStdString();
  }
  return {names.value(0).toStdString(), texts};
}

// The table's range ("" without a table), marked when it has no header row, and its
// column names joined by commas.
std::pair<std::string, std::string> ReadTable(const QString& xlsx) {
  const QString xml = Part(xlsx, "xl/tables/table1.xml");
  std::string range = Captures(xml, R"re(<table [^>]*ref="([^"]+)")re").value(0).toStdString();
  if (xml.contains(QLatin1String("headerRowCount=\"0\""))) range += " without header";
  return {range, Captures(xml, R"re(<tableColumn id="\d+" name="([^"]*)")re")
                     .join(QLatin1Char(','))
                     .toStdString()};
}

class XlsxExportTest : public ::testing::Test {
 protected:
  XlsxExportTest() {
    const char* titles[] = {"ID", "P1", "P2", "DNA", "Survival"};
    for (int col = 0; col < 5; ++col) grid_.SetCell(col, 0, titles[col]);
    for (int row = 1; row < 10; ++row) {
      grid_.SetCell(0, row, std::to_string(row));
      grid_.SetCell(1, row, "0");
      grid_.SetCell(2, row, row == 4 ? "" : "0");
      grid_.SetCell(3, row, "000" + std::to_string(1234567890 + row));
      grid_.SetCell(4, row, row == 9 ? "Zo\xeb" : std::to_string(row));
    }
    // An opener that notes the file it is given, and an .xlsx application registered.
    Script("opener", u"printf '%s\\n' \"$1\" >> '"_s + Path("opened.txt") + u"'"_s);
    Script("mime", QStringLiteral("echo calc.desktop"));
  }

  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  void Script(const char* name, const QString& body) {
    QFile script(Path(name));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + body.toUtf8() + "\n");
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  }
  std::optional<std::string> Export(XlsxSpreadsheet& spreadsheet) {
    Workbook book;
    if (std::optional<std::string> refused = OrganismsWorkbook(grid_, &book)) return refused;
    return ExportToSpreadsheet(book, spreadsheet, cursor_);
  }
  Workbook Book() const {
    Workbook book;
    EXPECT_EQ(OrganismsWorkbook(grid_, &book), std::nullopt);
    return book;
  }
  std::optional<std::string> Export() { return Export(spreadsheet_); }
  // The files the opener was given, in order.
  QStringList Opened() const {
    QFile list(Path("opened.txt"));
    if (!list.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  QTemporaryDir dir_;
  StringGrid grid_{5, 10};
  XlsxSpreadsheet spreadsheet_{{Path("exports"), Path("opener"), Path("mime"), 10000}};
  QtBusyCursor cursor_;
};

TEST_F(XlsxExportTest, WritesEveryCellAsTextUnderATableAndOpensTheFile) {
  ASSERT_EQ(Export(), std::nullopt);
  ASSERT_EQ(Opened().size(), 1);
  const QString file = Opened()[0];
  EXPECT_TRUE(file.startsWith(Path("exports/")) && file.endsWith(QLatin1String(".xlsx")));
  std::map<std::string, std::string> expected;
  for (int row = 0; row < 10; ++row) {
    for (int col = 0; col < 5; ++col) {
      const std::string name =
          std::string(1, static_cast<char>('A' + col)) + std::to_string(row + 1);
      if (!grid_.Cell(col, row).empty()) expected[name] = Latin1ToUtf8(grid_.Cell(col, row));
    }
  }
  EXPECT_EQ(ReadSheet(file), std::make_pair(std::string("Organisms"), expected));
  EXPECT_EQ(expected.at("D2"), "0001234567891");
  EXPECT_EQ(expected.at("E10"), "Zo\xc3\xab");  // the window's Latin-1 reading of the byte
  EXPECT_EQ(ReadTable(file),
            std::make_pair(std::string("A1:E10"), std::string("ID,P1,P2,DNA,Survival")));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A second export makes a file of its own and leaves the first alone.
  grid_.SetCell(3, 1, "changed");
  ASSERT_EQ(Export(), std::nullopt);
  ASSERT_EQ(Opened().size(), 2);
  EXPECT_NE(Opened()[1], file);
  EXPECT_EQ(ReadSheet(file).second.at("D2"), "0001234567891");
  EXPECT_EQ(ReadSheet(Opened()[1]).second.at("D2"), "changed");
}

TEST_F(XlsxExportTest, TitlesThatCannotNameColumnsKeepTheirTextsUnderAStyleWithoutHeader) {
  grid_.SetCell(1, 0, "id");  // "ID" again but for case
  grid_.SetCell(2, 0, "");
  ASSERT_EQ(Export(), std::nullopt);
  const auto texts = ReadSheet(Opened().at(0)).second;
  EXPECT_EQ(texts.at("B1"), "id");
  EXPECT_EQ(texts.count("C1"), 0u);
  EXPECT_EQ(ReadTable(Opened()[0]).first, "A1:E10 without header");
}

TEST_F(XlsxExportTest, EveryByteArrivesAsItsLatin1CharacterAndOverlongTextIsRefused) {
  grid_.SetCell(3, 2, "any \xff bytes");
  ASSERT_EQ(Export(), std::nullopt);
  EXPECT_EQ(ReadSheet(Opened().at(0)).second.at("D3"), "any \xc3\xbf bytes");

  // Refused before anything is written: no file is left and nothing more is opened.
  grid_.SetCell(3, 2, std::string(kXlsxMaxTextLength + 1, '7'));
  EXPECT_EQ(Export(), "Cell D3 holds 32768 characters; a cell can hold at most 32767");
  EXPECT_EQ(QDir(Path("exports")).entryList(QDir::Files).size(), 1);
  EXPECT_EQ(Opened().size(), 1);
}

TEST_F(XlsxExportTest, PastTwentySixColumnsTheTableStillCoversEveryColumn) {
  grid_.SetColCount(27);
  for (int col = 5; col < 27; ++col) grid_.SetCell(col, 0, "Extra " + std::to_string(col));
  grid_.SetCell(26, 5, "last");
  ASSERT_EQ(Export(), std::nullopt);
  const auto [name, texts] = ReadSheet(Opened().at(0));
  EXPECT_EQ(name, "Organisms");
  EXPECT_EQ(texts.at("AA6"), "last");
  EXPECT_EQ(ReadTable(Opened()[0]).first, "A1:AA10");
}

TEST_F(XlsxExportTest, AnUnwritableTargetIsReportedAndLeavesNoFile) {
  // Root ignores permission bits: a regular file where a folder should be stops it too.
  QFile blocker(Path("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  XlsxSpreadsheet blocked({Path("blocker/exports"), Path("opener"), Path("mime"), 10000});
  EXPECT_EQ(Export(blocked), "Cannot create the folder \"" + Path("blocker/exports").toStdString() +
                                 "\" for the workbook");
  EXPECT_TRUE(Opened().isEmpty());

  // The writer, given no temporary folder to make the workbook in, says so; nothing is
  // left behind and nothing opened.
  const QByteArray temporary = qgetenv("TMPDIR");
  qputenv("TMPDIR", Path("blocker").toUtf8());
  const std::optional<std::string> failure = Export();
  qputenv("TMPDIR", temporary);
  ASSERT_TRUE(failure.has_value());
  EXPECT_TRUE(failure->starts_with("Cannot create a file in \"" + Path("blocker").toStdString()))
      << *failure;
  EXPECT_TRUE(QDir(Path("exports")).entryList(QDir::Files).isEmpty());
  EXPECT_TRUE(Opened().isEmpty());
}

TEST_F(XlsxExportTest, DesktopFailuresBecomeOneClearText) {
  Script("no-mime", QStringLiteral("exit 0"));
  XlsxSpreadsheet unregistered({Path("exports"), Path("opener"), Path("no-mime"), 10000});
  EXPECT_EQ(Export(unregistered), "No application is registered to open .xlsx files");
  EXPECT_FALSE(QDir(Path("exports")).exists());

  // The opener's failure is told with the file's place, which stays for the user.
  Script("failing-opener", QStringLiteral("exit 3"));
  XlsxSpreadsheet failing({Path("exports"), Path("failing-opener"), Path("mime"), 10000});
  const std::optional<std::string> text = Export(failing);
  const QStringList written = QDir(Path("exports")).entryList(QDir::Files);
  ASSERT_EQ(written.size(), 1);
  EXPECT_EQ(text, "\"" + Path("failing-opener").toStdString() + "\" could not open \"" +
                      Path("exports/").toStdString() + written[0].toStdString() +
                      "\": no application was found for it (exit code 3)");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Without a spreadsheet program the reason is known before anything is written, and the
// workbook can be saved where the user says instead, over an old file; a place that cannot
// be written is refused.
TEST_F(XlsxExportTest, WithoutASpreadsheetProgramTheWorkbookIsSavedWhereTheUserSays) {
  Script("no-mime", QStringLiteral("exit 0"));
  XlsxSpreadsheet unregistered({Path("exports"), Path("opener"), Path("no-mime"), 10000});
  EXPECT_EQ(unregistered.WhyCannotShow(), "No application is registered to open .xlsx files");
  EXPECT_EQ(spreadsheet_.WhyCannotShow(), std::nullopt);

  QFile old(Path("book.xlsx"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  ASSERT_EQ(unregistered.Save(Book(), Path("book.xlsx").toStdString()), std::nullopt);
  EXPECT_EQ(ReadSheet(Path("book.xlsx")).first, "Organisms");
  EXPECT_EQ(ReadSheet(Path("book.xlsx")).second.at("D2"), "0001234567891");
  EXPECT_TRUE(QFileInfo(Path("book.xlsx")).permissions() & QFileDevice::ReadOther);
  EXPECT_TRUE(Opened().isEmpty());
  EXPECT_FALSE(QDir(Path("exports")).exists());
  EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("book.xlsx*")}, QDir::Files),
            QStringList{QStringLiteral("book.xlsx")});

  // Into a folder that cannot be: refused, and nothing is left behind.
  QFile blocker(Path("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const std::optional<std::string> failure =
      unregistered.Save(Book(), Path("blocker/book.xlsx").toStdString());
  EXPECT_EQ(failure,
            "Cannot create a file in \"" + Path("blocker").toStdString() + "\": Not a directory");
  // Over a folder: refused with the folder's name, which stays as it was.
  ASSERT_TRUE(QDir().mkpath(Path("folder.xlsx/inside")));
  EXPECT_EQ(unregistered.Save(Book(), Path("folder.xlsx").toStdString()),
            "Cannot write " + Path("folder.xlsx").toStdString() + ": Is a directory");
  EXPECT_TRUE(QFileInfo(Path("folder.xlsx/inside")).isDir());
}

// Every sheet of a workbook goes into the file, each cell of its type: a count is a number.
TEST_F(XlsxExportTest, EverySheetIsWrittenWithItsNumbersAsNumbers) {
  Workbook book = Book();
  book.sheets.push_back(
      MakeSheet("Runs", {{"run", "goal"}, {"12", "square"}}, {CellType::kNumber, CellType::kText}));
  ASSERT_EQ(spreadsheet_.Save(book, Path("two.xlsx").toStdString()), std::nullopt);
  const QString xlsx = Path("two.xlsx");
  EXPECT_EQ(Captures(Part(xlsx, "xl/workbook.xml"), R"re(<sheet name="([^"]*)")re"),
            (QStringList{QStringLiteral("Organisms"), QStringLiteral("Runs")}));
  const QString runs = Part(xlsx, "xl/worksheets/sheet2.xml");
  EXPECT_TRUE(runs.contains(QLatin1String("<c r=\"A2\"><v>12</v></c>"))) << runs.toStdString();
  EXPECT_TRUE(runs.contains(QLatin1String("<c r=\"B2\" t=\"s\">"))) << runs.toStdString();
  EXPECT_EQ(
      Captures(Part(xlsx, "xl/tables/table2.xml"), R"re(<tableColumn id="\d+" name="([^"]*)")re"),
      (QStringList{QStringLiteral("run"), QStringLiteral("goal")}));
}

TEST_F(XlsxExportTest, LibreOfficeReadsTheSameTexts) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
  ASSERT_EQ(Export(), std::nullopt);
  QProcess convert;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), Path("home"));
  convert.setProcessEnvironment(environment);
  // Comma separated, quoted by ", in UTF-8.
  convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                          QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                          QStringLiteral("--outdir"), Path("csv"), Opened().at(0)});
  ASSERT_TRUE(convert.waitForFinished(120000));
  QFile csv(Path("csv") + QLatin1Char('/') + QFileInfo(Opened()[0]).completeBaseName() +
            QStringLiteral(".csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(csv.readAll()).trimmed().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 10);
  for (int row = 0; row < 10; ++row) {
    QStringList texts;
    for (int col = 0; col < 5; ++col) texts << QString::fromLatin1(grid_.Cell(col, row));
    EXPECT_EQ(lines[row].trimmed().toStdString(), texts.join(QLatin1Char(',')).toStdString());
  }
}

TEST(QtBusyCursorTest, TakesBackOnlyItsOwnOverride) {
  QtBusyCursor cursor;
  cursor.ShowHourglass();
  cursor.ShowHourglass();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  cursor.ShowDefault();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  QApplication::setOverrideCursor(Qt::CrossCursor);
  cursor.ShowDefault();
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  QApplication::restoreOverrideCursor();
}

}  // namespace
}  // namespace vantrel
