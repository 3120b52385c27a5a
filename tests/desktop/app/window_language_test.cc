// The main window and the experiments window in other languages than English: their texts
// translated, every text with room to show whole, and English keeping the form's geometry.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "desktop/app/main_window.h"
#include "desktop/app/program_language.h"
#include "desktop/ui/experiments_dialog.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

// Set before the fixture's windows are made, ended after they are gone.
struct LanguageFirst {
  explicit LanguageFirst(Language language) : language(language) {}
  ProgramLanguage language;
};

// The room a widget gives its text: labels their contents, buttons and group boxes less
// their frames.
int TextRoom(const QWidget& widget) {
  if (qobject_cast<const QLabel*>(&widget) != nullptr) return widget.contentsRect().width();
  return widget.width() - 6;
}

std::string Describe(const QWidget& widget, const QString& text) {
  return (widget.objectName() + QStringLiteral(" \"") + text + QStringLiteral("\"")).toStdString();
}

// Every visible text of `window` wider than the room its widget gives it.
std::vector<std::string> CutOffTexts(const QWidget& window) {
  std::vector<std::string> cut_off;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&window)) continue;
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      if (label->wordWrap()) continue;
      text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      text = button->text();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
      text = box->title();
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width() ||
            !tabs->rect().contains(tabs->tabRect(i))) {
          cut_off.push_back(Describe(*tabs, tabs->tabText(i)));
        }
      }
      continue;
    }
    if (!text.isEmpty() && widget->fontMetrics().horizontalAdvance(text) > TextRoom(*widget)) {
      cut_off.push_back(Describe(*widget, text));
    }
  }
  return cut_off;
}

// Visible widgets under one parent that overlap one another.
std::vector<std::string> Overlaps(const QWidget& window) {
  std::vector<std::string> overlaps;
  std::vector<const QWidget*> parents{&window};
  for (const QWidget* widget : window.findChildren<QWidget*>()) parents.push_back(widget);
  for (const QWidget* parent : parents) {
    std::vector<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisibleTo(&window) && !child->isWindow()) shown.push_back(child);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t k = i + 1; k < shown.size(); ++k) {
        if (shown[i]->geometry().intersects(shown[k]->geometry())) {
          overlaps.push_back(
              (shown[i]->objectName() + QStringLiteral(" / ") + shown[k]->objectName())
                  .toStdString());
        }
      }
    }
  }
  return overlaps;
}

class WindowLanguageTest : public LanguageFirst,
                           public testing::MainWindowTest,
                           public ::testing::WithParamInterface<Language> {
 protected:
  WindowLanguageTest() : LanguageFirst(GetParam()) {
    Form().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }

  void ShowAdvanced() {
    Click("spbAdvanced");
    QCoreApplication::processEvents();
  }
};

TEST_P(WindowLanguageTest, EveryTextOfTheMainWindowFitsAtBothWidthsAndNothingOverlaps) {
  const int compact = form_->width();
  EXPECT_GE(compact, MainWindow::kCompactWidth);
  EXPECT_EQ(CutOffTexts(*form_), std::vector<std::string>{}) << "compact";
  EXPECT_EQ(Overlaps(*form_), std::vector<std::string>{}) << "compact";
  ShowAdvanced();
  EXPECT_EQ(CutOffTexts(*form_), std::vector<std::string>{}) << "advanced";
  EXPECT_EQ(Overlaps(*form_), std::vector<std::string>{}) << "advanced";
  // Every column shows its title whole ("Überleben"), and the table all its columns
  // without scrolling sideways.
  auto* table = Child<QTableView>("sgrOrganisms");
  for (int col = 0; col < table->model()->columnCount(); ++col) {
    const QString title = table->model()->headerData(col, Qt::Horizontal).toString();
    EXPECT_GT(table->columnWidth(col),
              table->horizontalHeader()->fontMetrics().horizontalAdvance(title))
        << title.toStdString();
  }
  EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
  // Never smaller than the form; back at the compact width the panel goes out of sight.
  EXPECT_GE(form_->width(), MainWindow::kAdvancedWidth);
  EXPECT_GE(form_->height(), MainWindow::kHeight);
  ShowAdvanced();
  EXPECT_EQ(form_->width(), compact);
  EXPECT_FALSE(Child<QWidget>("sgrOrganisms")->isVisible());
}

TEST_P(WindowLanguageTest, EveryTextOfTheExperimentsWindowFits) {
  experiments_.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&experiments_));
  EXPECT_EQ(CutOffTexts(experiments_), std::vector<std::string>{});
  EXPECT_GE(experiments_.width(), ExperimentsDialog::kClientWidth);
  EXPECT_GE(experiments_.height(), ExperimentsDialog::kClientHeight);
}

INSTANTIATE_TEST_SUITE_P(OtherLanguages, WindowLanguageTest,
                         ::testing::Values(Language::kGerman, Language::kDutch, Language::kPseudo),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

class GermanMainWindowTest : public LanguageFirst, public testing::MainWindowTest {
 protected:
  GermanMainWindowTest() : LanguageFirst(Language::kGerman) { Form(); }
};

TEST_F(GermanMainWindowTest, ShowsItsTextsInGerman) {
  EXPECT_EQ(Child<QAbstractButton>("spbOpen")->text(), QStringLiteral("Öffnen"));
  EXPECT_EQ(Child<QAbstractButton>("undoButton")->text(), QStringLiteral("Rückgängig"));
  EXPECT_EQ(Child<QAbstractButton>("spbFeed")->toolTip(),
            QStringLiteral("Füttere diesen Organismus (F)"));
  // A picture button is named by its hint for a screen reader, in the same language.
  EXPECT_EQ(Child<QAbstractButton>("spbShoot")->accessibleName(),
            QStringLiteral("Töte diesen Organismus (S)"));
  EXPECT_EQ(Child<QWidget>("speCreativity")->accessibleName(), QStringLiteral("Kreativität"));
  // Names stay as they are.
  EXPECT_EQ(Child<QLabel>("Label7")->text(), QStringLiteral("Quorvane"));
}

class EnglishMainWindowTest : public LanguageFirst, public testing::MainWindowTest {
 protected:
  EnglishMainWindowTest() : LanguageFirst(Language::kEnglish) { Form(); }
};

TEST_F(EnglishMainWindowTest, KeepsTheFormsExactGeometry) {
  EXPECT_EQ(form_->layout(), nullptr);
  EXPECT_EQ(form_->size(), QSize(MainWindow::kCompactWidth, MainWindow::kHeight));
  Click("spbAdvanced");
  EXPECT_EQ(form_->size(), QSize(MainWindow::kAdvancedWidth, MainWindow::kHeight));
  EXPECT_EQ(Child<QWidget>("spbOpen")->geometry(), QRect(368, 272, 33, 33));
  EXPECT_EQ(Child<QWidget>("sgrOrganisms")->geometry(), QRect(368, 16, 425, 249));
  EXPECT_EQ(Child<QWidget>("speSurvivalBonus")->geometry(), QRect(84, 49, 73, 26));
  EXPECT_EQ(experiments_.layout(), nullptr);
  EXPECT_EQ(experiments_.size(),
            QSize(ExperimentsDialog::kClientWidth, ExperimentsDialog::kClientHeight));
}

}  // namespace
}  // namespace vantrel
