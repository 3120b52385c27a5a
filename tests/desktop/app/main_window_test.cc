#include "desktop/app/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "desktop/app/organism_view.h"
#include "desktop/app/spin_edit.h"
#include "population/random_source.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

class MainWindowTest : public testing::MainWindowTest {
 protected:
  MainWindowTest() { Form(); }

  OrganismView* Drawing() { return Child<OrganismView>("pbxOrganism"); }

  static void LeaveBox(SpinEdit* box) {
    QFocusEvent focus_out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &focus_out);
  }
  static void Retype(SpinEdit* box, const QString& text) {
    box->findChild<QLineEdit*>()->clear();
    // Key by key with its text, so that characters beyond Latin-1 arrive as typed too.
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
};

TEST_F(MainWindowTest, StartsCompactWithRowOneShownAndSeededFromTheClock) {
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Vantrel 2.0"));
  EXPECT_EQ(form_->width(), MainWindow::kCompactWidth);
  EXPECT_EQ(form_->height(), MainWindow::kHeight);
  EXPECT_EQ(form_->grid().SelectedRow(), 1);
  EXPECT_EQ(form_->grid().RowCount(), 10);
  // Seed 1 gives this first founder.
  EXPECT_EQ(form_->grid().Cell(kDnaColumn, 1), "0822631340408");
  ASSERT_TRUE(Drawing()->dna().has_value());
  EXPECT_EQ(*Drawing()->dna(), "0822631340408");
  EXPECT_EQ(Health(), "0");
}

TEST_F(MainWindowTest, AdvancedButtonTogglesWidthAndCaption) {
  auto* advanced = Child<QToolButton>("spbAdvanced");
  EXPECT_EQ(advanced->text(), QStringLiteral(">>"));
  advanced->click();
  EXPECT_EQ(form_->width(), MainWindow::kAdvancedWidth);
  EXPECT_EQ(advanced->text(), QStringLiteral("<<"));
  advanced->click();
  EXPECT_EQ(form_->width(), MainWindow::kCompactWidth);
  EXPECT_EQ(advanced->text(), QStringLiteral(">>"));
}

// Tab reaches the buttons; a click leaves the focus where it was.
TEST_F(MainWindowTest, ToolButtonsTakeTheFocusByTabOnlyAndCarryTheirHints) {
  for (const char* name : {"spbStart", "spbIdea", "spbExperiments", "spbFeed", "spbShoot",
                           "spbAdvanced", "spbOpen", "spbSave", "spbPopulation", "spbExcel"}) {
    EXPECT_EQ(Child<QToolButton>(name)->focusPolicy(), Qt::TabFocus) << name;
  }
  EXPECT_EQ(Child<QToolButton>("spbStart")->toolTip(),
            QStringLiteral("Start with a totally new genepool (N)"));
  EXPECT_EQ(Child<QToolButton>("spbShoot")->toolTip(), QStringLiteral("Kill this organism (S)"));
}

// The pictures are compiled in as raw pixels: a renamed or mis-sized resource would leave a
// button blank without any error.
TEST_F(MainWindowTest, PictureButtonsAndTheWindowHaveTheirIconsAtEverySize) {
  const auto drawn = [](const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size, size).toImage();
    if (image.size() != QSize(size, size)) return false;
    const QRgb corner = image.pixel(0, 0);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        if (image.pixel(x, y) != corner) return true;
      }
    }
    return false;  // one colour: nothing was drawn
  };
  for (const char* name : {"spbStart", "spbIdea", "spbExperiments", "spbFeed", "spbShoot"}) {
    const QIcon icon = Child<QToolButton>(name)->icon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}, {64, 64}})) << name;
    EXPECT_TRUE(drawn(icon, 32)) << name;
    EXPECT_TRUE(drawn(icon, 64)) << name;
    // Greyed out (feeding with an empty table) as Qt greys out any icon.
    QIcon plain;
    plain.addPixmap(icon.pixmap(32, 32));
    EXPECT_EQ(icon.pixmap(32, 32, QIcon::Disabled).toImage(),
              plain.pixmap(32, 32, QIcon::Disabled).toImage())
        << name;
  }
  for (const int size : {16, 32, 64, 128}) EXPECT_TRUE(drawn(form_->windowIcon(), size)) << size;
}

TEST_F(MainWindowTest, ArrowKeysInTheTableChangeTheShownOrganism) {
  auto* table = Child<QAbstractItemView>("sgrOrganisms");
  form_->grid().SetCell(kSurvivalColumn, 2, "7");
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(form_->grid().SelectedRow(), 2);
  EXPECT_EQ(*Drawing()->dna(), form_->grid().Cell(kDnaColumn, 2));
  EXPECT_EQ(Health(), "7");
  QTest::keyClick(table, Qt::Key_Up);
  EXPECT_EQ(*Drawing()->dna(), form_->grid().Cell(kDnaColumn, 1));
  EXPECT_EQ(Health(), "0");
}

TEST_F(MainWindowTest, ProgramSelectionMovesTheTableCursor) {
  auto* table = Child<QAbstractItemView>("sgrOrganisms");
  form_->engine().SelectRow(6);
  EXPECT_EQ(table->currentIndex().row(), 5);
  EXPECT_EQ(*Drawing()->dna(), form_->grid().Cell(kDnaColumn, 6));
}

TEST_F(MainWindowTest, TableKeepsColumnWidthsTheUserSetAndDrawsNoGridLines) {
  auto* table = Child<QTableView>("sgrOrganisms");
  EXPECT_FALSE(table->showGrid());
  table->setColumnWidth(kDnaColumn, 120);
  Click("spbStart");
  EXPECT_EQ(table->columnWidth(kDnaColumn), 120);
  EXPECT_EQ(table->columnWidth(kSurvivalColumn), 52);
  // A column the table loses and gains again comes back 64 wide, like any new column.
  form_->grid().SetColCount(4);
  form_->grid().SetColCount(6);
  EXPECT_EQ(table->columnWidth(kDnaColumn), 120);
  EXPECT_EQ(table->columnWidth(kSurvivalColumn), 64);
  EXPECT_EQ(table->columnWidth(5), 64);
}

TEST_F(MainWindowTest, StartPopulationBoxForcesItsLimitsWhenLeft) {
  auto* box = Child<SpinEdit>("speStartOrganisms");
  Retype(box, QStringLiteral("5000"));
  EXPECT_EQ(box->Value(), 5000);  // read as typed until the box is left
  LeaveBox(box);
  EXPECT_EQ(box->text(), QStringLiteral("1000"));
  Retype(box, QStringLiteral("0"));
  LeaveBox(box);
  EXPECT_EQ(box->text(), QStringLiteral("2"));
  box->stepBy(-1);
  EXPECT_EQ(box->text(), QStringLiteral("2"));
}

TEST_F(MainWindowTest, ParameterBoxesRefuseLettersAndReadBadTextAsTheLowerLimit) {
  auto* creativity = Child<SpinEdit>("speCreativity");
  // Only the digits 0 to 9: a full-width or Arabic-Indic digit would not read as a number.
  Retype(creativity, QStringLiteral("a1b") + QChar(0xFF13) + QChar(0x0663) + u'2');
  EXPECT_EQ(creativity->text(), QStringLiteral("12"));
  Retype(creativity, QString());
  EXPECT_EQ(form_->CurrentParameters().creativity, 0);
  Retype(creativity, QStringLiteral("-"));
  EXPECT_EQ(form_->CurrentParameters().creativity, 0);
  // Boxes without limits keep any value, also when left.
  auto* bonus = Child<SpinEdit>("speSurvivalBonus");
  Retype(bonus, QStringLiteral("-5000"));
  LeaveBox(bonus);
  EXPECT_EQ(form_->CurrentParameters().bonus, -5000);
  auto* start = Child<SpinEdit>("speStartOrganisms");
  Retype(start, QStringLiteral("x"));
  EXPECT_EQ(form_->CurrentParameters().start_organisms, 2);
}

TEST_F(MainWindowTest, NewGenePoolTakesTheStartPopulationEvenBelowTwoAsTyped) {
  auto* start = Child<SpinEdit>("speStartOrganisms");
  Retype(start, QStringLiteral("4"));
  Child<QToolButton>("spbStart")->click();
  EXPECT_EQ(form_->grid().RowCount(), 4);
  EXPECT_EQ(form_->population().counter(), 3);
  Retype(start, QStringLiteral("-3"));  // not yet left: forced into the limits at reading
  Child<QToolButton>("spbStart")->click();
  EXPECT_EQ(form_->grid().RowCount(), 2);
  EXPECT_EQ(form_->grid().Cell(kIdColumn, 1), "1");
}

TEST_F(MainWindowTest, DrawsASolidSquareInItsColourAndLeavesTheCentreWhite) {
  // Square (d1 2), 5 px wide (d2 4), solid (d4 9), colour 167 (dark red), radius 50, no spokes.
  form_->grid().SetCell(kDnaColumn, 1, "2409000000441");
  form_->PaintOrganism(form_->grid().Cell(kDnaColumn, 1));
  const QImage image = Drawing()->grab().toImage();
  ASSERT_EQ(image.size(), QSize(350, 350));
  const QColor red(167, 0, 0);
  // Vertices at (175, 225), (225, 175), (175, 125), (125, 175); the edge midpoints:
  for (const QPoint midpoint :
       {QPoint(200, 200), QPoint(200, 150), QPoint(150, 150), QPoint(150, 200)}) {
    EXPECT_EQ(image.pixelColor(midpoint), red) << midpoint.x() << "," << midpoint.y();
  }
  EXPECT_EQ(image.pixelColor(175, 175), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
}

// The figure leaves the area white; only a small grey "invisible" at its foot says why.
TEST_F(MainWindowTest, InvisiblePenLeavesTheAreaWhiteButForAHintAndUpdatesTheHealth) {
  form_->grid().SetCell(kDnaColumn, 1, "9990999999999");
  form_->grid().SetCell(kSurvivalColumn, 1, "12");
  form_->PaintOrganism(form_->grid().Cell(kDnaColumn, 1));
  const QImage image = Drawing()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int grey = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel == QColor(Qt::white)) continue;
      ASSERT_GT(y, image.height() - 25) << x << "," << y;  // at the foot only
      ASSERT_TRUE(pixel.red() == pixel.green() && pixel.green() == pixel.blue());
      ++grey;
    }
  }
  EXPECT_GT(grey, 20);
  EXPECT_EQ(Health(), "12");
  // A visible figure gets no hint: its foot stays white.
  form_->PaintOrganism("2409000000441");
  const QImage visible = Drawing()->grab().toImage();
  for (int x = 0; x < visible.width(); ++x) {
    ASSERT_EQ(visible.pixelColor(x, visible.height() - 8), QColor(Qt::white)) << x;
  }
}

// A window as the program makes it, not yet completed by the fixture.
class FirstPaintTest : public testing::MainWindowTest {
 protected:
  FirstPaintTest() {
    workspace_ = std::make_unique<Workspace>(random_, clock_);
    form_ = std::make_unique<MainWindow>(*workspace_, Services());
  }
};

// The controls of the advanced width are out of sight at first and are built after the
// first organism is painted; until then the window already judges with the boxes' values.
TEST_F(FirstPaintTest, BuildsTheAdvancedControlsOnceTheFirstOrganismIsOnScreen) {
  EXPECT_EQ(form_->findChild<QTableView*>(QStringLiteral("sgrOrganisms")), nullptr);
  EXPECT_EQ(form_->CurrentParameters(), (Parameters{10, 10, 1}));
  form_->onShootClicked();
  EXPECT_EQ(workspace_->notebook().current_run()->shots, 1);

  form_->show();
  QTableView* table = nullptr;
  for (int turn = 0; turn < 100 && table == nullptr; ++turn) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    table = form_->findChild<QTableView*>(QStringLiteral("sgrOrganisms"));
  }
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->currentIndex().row(), form_->grid().SelectedRow() - 1);
  EXPECT_EQ(table->model()->rowCount(), form_->grid().RowCount() - 1);
  // Hidden at the compact width, so that Tab passes them by; ">>" shows them.
  for (bool wide : {false, true}) {
    for (const char* name :
         {"sgrOrganisms", "spbOpen", "spbExcel", "grbParameters", "Label7", "Label9"}) {
      EXPECT_EQ(form_->findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(form_.get()),
                wide)
          << name;
    }
    if (!wide) form_->onAdvancedClicked();
  }
  EXPECT_EQ(form_->CurrentParameters(), (Parameters{10, 10, 1}));
}

TEST_F(MainWindowTest, AShownWindowCanBeDestroyed) {
  // The table view reads the grid while it is torn down; the grid must still be there.
  form_->show();
  form_.reset();
  SUCCEED();
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// A screen reader can follow the game: every picture button has a name, and the drawing
// says in words what it shows.
TEST_F(MainWindowTest, PictureButtonsAndTheDrawingSpeakToAScreenReader) {
  for (const char* name : {"spbStart", "spbIdea", "spbExperiments", "spbFeed", "spbShoot"}) {
    auto* button = Child<QToolButton>(name);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr) << name;
    EXPECT_EQ(accessible->text(QAccessible::Name), button->toolTip()) << name;
  }
  Form().grid().SetCell(kDnaColumn, Form().grid().SelectedRow(), "2999999999990");
  Form().ShowSelectedOrganism();
  QAccessibleInterface* drawing =
      QAccessible::queryAccessibleInterface(Child<OrganismView>("pbxOrganism"));
  ASSERT_NE(drawing, nullptr);
  const QString words = drawing->text(QAccessible::Description);
  EXPECT_TRUE(words.startsWith(QStringLiteral("a giant"))) << words.toStdString();
  EXPECT_TRUE(words.contains(QStringLiteral("square"))) << words.toStdString();
}

}  // namespace
}  // namespace vantrel
