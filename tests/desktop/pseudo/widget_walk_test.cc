// The widget walk on small windows of known content: it must see every kind of text a
// window shows, and tell a text cut off or a control over another.
#include "tests/desktop/pseudo/widget_walk.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

namespace vantrel::testing {
namespace {

// The findings, one a line, sorted.
std::string Keys(const Findings& findings) {
  std::string keys;
  for (const auto& [finding, places] : findings) keys += finding.toStdString() + "\n";
  return keys;
}

TEST(WidgetWalkTest, SeesEveryKindOfTextOutsideBracketsButNotHiddenOnes) {
  QWidget window;
  window.setObjectName(QStringLiteral("frmTest"));
  window.setWindowTitle(QStringLiteral("Title"));
  window.resize(600, 400);
  auto* button = new QPushButton(QStringLiteral("&Button"), &window);
  button->setObjectName(QStringLiteral("btnGo"));
  button->setToolTip(QStringLiteral("Tip"));
  button->setAccessibleName(QStringLiteral("[Spoken ~~]"));
  button->setGeometry(0, 0, 200, 30);
  auto* combo = new QComboBox(&window);
  combo->addItems({QStringLiteral("[Item ~~]"), QStringLiteral("Choice")});
  combo->setGeometry(0, 40, 200, 30);
  auto* tabs = new QTabWidget(&window);
  tabs->addTab(new QWidget, QStringLiteral("Tab"));
  tabs->setGeometry(0, 80, 300, 100);
  auto* model = new QStandardItemModel(1, 1, &window);
  model->setHorizontalHeaderLabels({QStringLiteral("Header")});
  model->setItem(0, 0, new QStandardItem(QStringLiteral("Cell 12")));
  auto* table = new QTableView(&window);
  table->setModel(model);
  table->setGeometry(0, 190, 300, 100);
  auto* scene = new QGraphicsScene(&window);
  scene->addText(QStringLiteral("Axis"));
  auto* plot = new QGraphicsView(scene, &window);
  plot->setGeometry(310, 0, 200, 100);
  auto* hidden = new QLabel(QStringLiteral("Hidden"), &window);
  hidden->setGeometry(310, 200, 100, 20);
  auto* beyond = new QLabel(QStringLiteral("Beyond"), &window);
  beyond->setGeometry(700, 0, 100, 20);
  window.show();
  hidden->hide();

  Findings findings;
  WalkWindow(window, QStringLiteral("test"), findings);
  EXPECT_EQ(Keys(findings), "Axis\nButton\nCell N\nChoice\nHeader\nTab\nTip\nTitle\n");
  EXPECT_TRUE(findings[QStringLiteral("Button")].contains(QStringLiteral("test / btnGo")));
}

TEST(WidgetWalkTest, TellsTextsCutOffAndControlsOverOneAnother) {
  QWidget window;
  window.resize(400, 300);
  auto* whole = new QLabel(QStringLiteral("[Open ~~]"), &window);
  whole->setGeometry(0, 0, 200, 30);
  auto* narrow = new QLabel(QStringLiteral("[Feed this organism ~~~~~~~]"), &window);
  narrow->setGeometry(0, 40, 30, 30);
  auto* short_wrap =
      new QLabel(QStringLiteral("[A long sentence that needs several lines ~~~~~]"), &window);
  short_wrap->setWordWrap(true);
  short_wrap->setGeometry(0, 80, 60, 14);
  auto* button = new QPushButton(QStringLiteral("[Start with ~~~~]"), &window);
  button->setObjectName(QStringLiteral("btnStart"));
  button->setGeometry(0, 120, 40, 30);
  // Two buttons a pixel apart share nothing; a third lies over one of them.
  auto* left = new QPushButton(QStringLiteral("[L ~]"), &window);
  left->setObjectName(QStringLiteral("btnLeft"));
  left->setGeometry(200, 200, 60, 30);
  auto* right = new QPushButton(QStringLiteral("[R ~]"), &window);
  right->setObjectName(QStringLiteral("btnRight"));
  right->setGeometry(259, 200, 60, 30);
  auto* over = new QPushButton(QStringLiteral("[O ~]"), &window);
  over->setObjectName(QStringLiteral("btnOver"));
  over->setGeometry(210, 210, 45, 30);
  window.show();

  Findings findings;
  WalkWindow(window, QStringLiteral("test"), findings);
  EXPECT_EQ(Keys(findings),
            "cut off: [A long sentence that needs several lines ~~~~~]\n"
            "cut off: [Feed this organism ~~~~~~~]\n"
            "cut off: [Start with ~~~~]\n"
            "overlap: btnLeft / btnOver\n");
  EXPECT_EQ(findings[QStringLiteral("cut off: [Start with ~~~~]")],
            QStringList{QStringLiteral("test / btnStart")});
}

}  // namespace
}  // namespace vantrel::testing
