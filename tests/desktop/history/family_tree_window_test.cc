#include "desktop/history/family_tree_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include "tests/core/history/test_world.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

// Three founders with DNA of all 1s, 2s and 3s, and a child bred in row 3 from rows 1 and
// 2 with cut 5 and one mutation at index 8 to a 7.
class FamilyTreeWindowTest : public ::testing::Test {
 protected:
  FamilyTreeWindowTest() : document_(random_) {
    StringGrid& grid = document_.grid();
    document_.population().SetUpColumns();
    grid.SetRowCount(4);
    for (int row = 1; row < 4; ++row) {
      grid.SetCell(kIdColumn, row, std::to_string(row));
      grid.SetCell(kP1Column, row, "0");
      grid.SetCell(kP2Column, row, "0");
      grid.SetCell(kDnaColumn, row, std::string(13, static_cast<char>('0' + row)));
    }
    document_.population().set_counter(3);
    history_ = std::make_unique<History>(document_, clock_, Parameters{});
    // Selects as the engine does: the row, then the window told of the change.
    window_ = std::make_unique<FamilyTreeWindow>(*history_, [this](int row) { Select(row); });
    window_->show();
  }

  void Select(int row) {
    document_.grid().SelectRow(row);
    window_->Follow();
  }
  void Shoot(int victim, const std::vector<int>& draws) {
    document_.grid().SelectRow(victim);
    for (int value : draws) random_.Push(value);
    history_->BeginStep(StepKind::kShoot, {});
    history_->RecordBirth(GenerateOrganism(document_.population(), 10));
    history_->EndStep();
    window_->Follow();
  }

  testing::ScriptedRandom random_;
  testing::FakeClock clock_;
  Document document_;
  std::unique_ptr<History> history_;
  std::unique_ptr<FamilyTreeWindow> window_;
};

TEST_F(FamilyTreeWindowTest, ShowsTheSelectedChildWithEachDigitsOriginAndItsParents) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Family tree"));
  EXPECT_EQ(window_->shown(), 0U);  // row 1, selected at the start
  Shoot(3, {0, 1, 5, 3, 8, 7, 50});
  const std::uint32_t child = history_->lineage().SerialInRow(3);
  ASSERT_EQ(window_->shown(), child);
  ASSERT_NE(window_->Card(child), nullptr);
  EXPECT_EQ(window_->Card(child)->DnaDescription(),
            QStringLiteral("4 first parent, 4 second parent, 1 mutation, 4 second parent"));
  EXPECT_EQ(window_->Card(0)->DnaDescription(), QStringLiteral("13 root"));
  EXPECT_NE(window_->Card(1), nullptr);
  EXPECT_EQ(window_->Card(2), nullptr);  // not an ancestor

  // Undo takes the child away; the window follows to the organism back in row 3.
  history_->Undo();
  window_->Follow();
  EXPECT_EQ(window_->shown(), 2U);
}

TEST_F(FamilyTreeWindowTest, ALivingAncestorIsSelectedAndADeadOneShown) {
  Shoot(3, {0, 1, 5, 3, 8, 7, 50});
  const std::uint32_t child = history_->lineage().SerialInRow(3);
  QTest::mouseClick(window_->Card(1), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(document_.grid().SelectedRow(), 2);
  EXPECT_EQ(window_->shown(), 1U);

  // Row 1's founder dies; from the child's tree a click on it shows it, selecting nothing.
  Shoot(1, {2, 2, 0, 50});
  Select(3);
  ASSERT_EQ(window_->shown(), child);
  QTest::mouseClick(window_->Card(0), Qt::LeftButton);
  EXPECT_EQ(window_->shown(), 0U);
  EXPECT_EQ(document_.grid().SelectedRow(), 3);
  EXPECT_FALSE(history_->lineage().Get(0).IsAlive());
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// Pixels of the grey the "invisible" hint is written in.
int HintPixels(QWidget& card) {
  const QImage image = card.grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(0x90, 0x90, 0x90);
  }
  return count;
}

// An organism with the invisible pen draws nothing: its card says "invisible" under the
// blank picture, as the other views do, and a visible organism's card does not.
TEST_F(FamilyTreeWindowTest, AnInvisibleOrganismsCardSaysSo) {
  Shoot(3, {0, 1, 5, 3, 3, 0, 50});  // digit 4, the pen's style, mutated to 0: invisible
  const std::uint32_t child = history_->lineage().SerialInRow(3);
  ASSERT_EQ(history_->lineage().Get(child).dna.substr(3, 1), "0");
  ASSERT_NE(window_->Card(child), nullptr);
  ASSERT_NE(window_->Card(0), nullptr);
  EXPECT_GT(HintPixels(*window_->Card(child)), 10);
  EXPECT_EQ(HintPixels(*window_->Card(0)), 0);
}

}  // namespace
}  // namespace vantrel
