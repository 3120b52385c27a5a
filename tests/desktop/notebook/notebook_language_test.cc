// The notebook window in German: its own texts translated, numbers as German writes them,
// and the files it writes exactly as in English.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/notebook/auto_run_panel.h"
#include "desktop/notebook/shown_numbers.h"
#include "desktop/notebook/stable_distribution_view.h"
#include "lab/condition_comparison.h"
#include "lab/goal_list.h"
#include "lab/run_csv.h"
#include "tests/desktop/notebook/catalogue_translator.h"
#include "tests/desktop/notebook/lab_window_fixture.h"

namespace vantrel::testing {
namespace {

std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll().toStdString();
}

QStringList GroupTitles(const QWidget& panel) {
  QStringList titles;
  for (const QGroupBox* box : panel.findChildren<QGroupBox*>()) titles << box->title();
  return titles;
}

// The texts drawn in a chart: its title, axis labels and titles.
QStringList ChartTexts(QChartView& view) {
  QStringList texts;
  for (QGraphicsItem* item : view.scene()->items()) {
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) texts << text->toPlainText();
  }
  return texts;
}

// The language is set before the window is made, as the program sets it at start-up.
class GermanWindowTest : private SpokenLanguage, public LabWindowTest {
 protected:
  GermanWindowTest() : SpokenLanguage(Language::kGerman), panel_(window_->auto_run()) {}

  void ChooseWord(Aspect aspect, int word) {
    QComboBox* box = panel_->word_box(aspect);
    box->setCurrentIndex(box->findData(word));
    emit box->activated(box->currentIndex());
  }
  void BackToEnglish() { SpeakEnglish(); }

  AutoRunPanel* panel_;
};

TEST_F(GermanWindowTest, ShowsItsOwnTextsInGerman) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Laborheft"));
  EXPECT_EQ(window_->findChild<QPushButton*>(QStringLiteral("btnReached"))->text(),
            QStringLiteral("Erreicht"));
  EXPECT_EQ(window_->tabs()->tabText(0), QStringLiteral("Dieser Durchgang"));
  EXPECT_EQ(window_->tabs()->tabText(2), QStringLiteral("Automatische Durchgänge"));
  window_->show();
  EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("lblRun"))->text(),
            QStringLiteral("Noch kein Durchgang"));
  EXPECT_EQ(GroupTitles(*panel_),
            QStringList({QStringLiteral("Ziel"), QStringLiteral("Bedingungen"),
                         QStringLiteral("Durchgänge")}));
  EXPECT_EQ(panel_->word_box(Aspect::kShape)->itemText(0), QStringLiteral("beliebig"));
  EXPECT_EQ(panel_->word_box(Aspect::kShape)->accessibleName(), QStringLiteral("Form"));
  EXPECT_TRUE(panel_->status()->text().startsWith(QStringLiteral("Wähle mindestens ein Wort")))
      << panel_->status()->text().toStdString();

  notebook_.StartRun(ParseGoalList("shape=square").goal, {10, 10, 1}, kStartTime);
  window_->Refresh();
  EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("lblRun"))
                  ->text()
                  .startsWith(QStringLiteral("Durchgang 1 · von Hand · begonnen 2026-12-08")));
  // Goal words in the language, in the lists and the judged words; the value stays the word.
  EXPECT_EQ(panel_->word_box(Aspect::kShape)->currentText(), QStringLiteral("Quadrat"));
  EXPECT_EQ(panel_->word_box(Aspect::kShape)->currentData().toInt(), kSquare);
  EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("lblVerdicts"))
                  ->text()
                  .contains(QStringLiteral(" Quadrat</span>")))
      << window_->findChild<QLabel*>(QStringLiteral("lblVerdicts"))->text().toStdString();
}

// Plural forms follow the count; the goal keeps the words of the command line.
TEST_F(GermanWindowTest, CountsRunsAndConditionsInGermanAndKeepsTheGoalsWords) {
  ChooseWord(Aspect::kShape, kSquare);
  ChooseWord(Aspect::kColour, kGreen);
  const QString status = panel_->status()->text();
  EXPECT_TRUE(status.startsWith(
      QStringLiteral("Ziel color=green,shape=square: 1 Bedingung × 20 Durchgänge = 20 "
                     "Durchgänge mit ")))
      << status.toStdString();
  EXPECT_EQ(panel_->progress()->text(), QStringLiteral("0 von 20 Durchgängen"));
  EXPECT_EQ(panel_->PlanOfChoices().plan.conditions.at(0).goal.text, "color=green,shape=square");
  EXPECT_EQ(panel_->word_box(Aspect::kColour)->currentData().toInt(), kGreen);

  panel_->onAddConditionClicked();
  panel_->runs_box()->setValue(1);
  EXPECT_TRUE(panel_->status()->text().contains(
      QStringLiteral(": 2 Bedingungen × 1 Durchgang = 2 Durchgänge mit ")))
      << panel_->status()->text().toStdString();
}

TEST_F(GermanWindowTest, WritesNumbersAsGermanDoes) {
  EXPECT_EQ(ShownNumber(1'234'567), QStringLiteral("1.234.567"));
  EXPECT_EQ(ShownDecimal(1234.5, 1), QStringLiteral("1.234,5"));
  EXPECT_EQ(panel_->max_clicks_box()->text(), QStringLiteral("1.000.000"));

  window_->SetConditionDefaults({1000, 20, 1500});
  panel_->strictness_box()->setValue(0.95);
  EXPECT_EQ(panel_->strictness_box()->text(), QStringLiteral("0,95"));
  panel_->onAddConditionClicked();
  EXPECT_EQ(panel_->conditions()->item(1)->text(),
            QStringLiteral("Pop. 1.000 · Kreativität 20 % · Bonus 1.500 · Strenge 0,95"));

  // The box plot's axis counts clicks in thousands with German grouping.
  window_->show();
  window_->onRunAutomaticallyClicked();
  BatchPlan plan;
  plan.conditions = {{ParseGoalList("shape=square").goal, {10, 10, 1}, 1}};
  plan.runs_per_condition = 2;
  std::vector<BatchRun> runs(2);
  for (int i = 0; i < 2; ++i) {
    runs[i].run.number = i + 1;
    runs[i].condition = 1;
    runs[i].run.stable_click = 4000 + 2000 * i;
  }
  panel_->distribution()->Show(plan, runs, {});
  Settle();
  auto* chart = panel_->distribution()->findChild<QChartView*>();
  ASSERT_NE(chart, nullptr);
  const QStringList texts = ChartTexts(*chart);
  EXPECT_TRUE(texts.contains(QStringLiteral("Klicks bis stabil")))
      << texts.join(QLatin1Char('|')).toStdString();
  EXPECT_FALSE(texts.filter(QRegularExpression(QStringLiteral("^\\d\\.000$"))).isEmpty())
      << texts.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(texts.filter(QRegularExpression(QStringLiteral("^\\d000$"))).isEmpty());
  EXPECT_EQ(ConditionLabel(StableBoxes({ConditionResults{2, 2, {}, {5, 7}}})[0]),
            QStringLiteral("Bedingung 1<br>2/2 stabil"));

  BackToEnglish();
  EXPECT_EQ(ShownNumber(1'234'567), QStringLiteral("1234567"));
  EXPECT_EQ(ShownDecimal(1234.5, 1), QStringLiteral("1234.5"));
}

// The CSV export and the workbook are data: the same bytes whatever the language.
TEST_F(GermanWindowTest, TheRunTableIsWrittenAsInEnglish) {
  Goal goal = ParseGoalList("shape=square").goal;
  goal.text = "looks like a square.";
  notebook_.StartRun(goal, {10, 20, 3}, kStartTime);
  Play(Click::kFeed);
  Play(Click::kShoot);
  window_->onReachedClicked();
  notebook_.StartRun(ParseGoalList("color=green").goal, {1000, 5, -2}, kStartTime + 60);
  Play(Click::kFeed);

  QTemporaryDir dir;
  const auto export_to = [&](const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    dialog_.answer = QFile::encodeName(path).toStdString();
    window_->onExportRunsClicked();
    window_->onToSpreadsheetClicked();
    return std::pair{ReadBytes(path), excel_.value};
  };
  const auto german = export_to("de.csv");
  BackToEnglish();
  const auto english = export_to("en.csv");

  EXPECT_EQ(german.first, english.first);
  EXPECT_TRUE(german.first.starts_with(std::string(kRunCsvHeader) + "\r\n1,hand,")) << german.first;
  EXPECT_NE(german.first.find(",1000,5,-2,color=green,"), std::string::npos) << german.first;
  EXPECT_EQ(german.second, english.second);
  ASSERT_FALSE(german.second.empty());
  EXPECT_EQ(german.second[0], "run");
  EXPECT_TRUE(messages_.shown().empty());
}

// English keeps its one and many forms without a catalogue.
TEST_F(LabWindowTest, CountsConditionsInEnglishAsBefore) {
  AutoRunPanel* panel = window_->auto_run();
  QComboBox* shape = panel->word_box(Aspect::kShape);
  shape->setCurrentIndex(shape->findData(int{kSquare}));
  emit shape->activated(shape->currentIndex());
  EXPECT_TRUE(panel->status()->text().startsWith(
      QStringLiteral("Goal shape=square: 1 condition × 20 runs = 20 runs on ")));
  panel->onAddConditionClicked();
  panel->runs_box()->setValue(1);
  EXPECT_TRUE(panel->status()->text().startsWith(
      QStringLiteral("Goal shape=square: 2 conditions × 1 runs = 2 runs on ")))
      << panel->status()->text().toStdString();
  EXPECT_EQ(panel->progress()->text(), QStringLiteral("0 of 2 runs"));
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

// The captions in capitals keep their accents ("FÜTTERUNGEN", "SCHÜSSE"): no ink of theirs
// touches a caption's top edge, where it would be cut off.
TEST_F(GermanWindowTest, CaptionsInCapitalsKeepTheirAccents) {
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window_));
  int captions = 0;
  for (QLabel* label : window_->findChildren<QLabel*>()) {
    if (label->font().capitalization() != QFont::AllUppercase || !label->isVisible()) continue;
    ++captions;
    const QImage image = label->grab().toImage();
    bool blank_top = true;
    for (int x = 1; x < image.width(); ++x) blank_top &= image.pixel(x, 0) == image.pixel(0, 0);
    EXPECT_TRUE(blank_top) << label->text().toStdString();
  }
  EXPECT_GE(captions, 6);
}

}  // namespace
}  // namespace vantrel::testing
