#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <set>

#include "desktop/history/family_tree_window.h"
#include "tests/core/history/test_world.h"

namespace vantrel {
namespace {

// Three organisms shot at a hundred times over: the selected one has ancestors in every one
// of the five generations shown, most of them dead. The window at its least readable size.
class FamilyTreeDepthTest : public ::testing::Test {
 protected:
  FamilyTreeDepthTest() : world_(11, 3) {
    for (int shot = 0; shot < 100; ++shot) world_.Shoot(10);
    StringGrid& grid = world_.document.grid();
    for (int row = 1; row < grid.RowCount(); ++row) {
      const std::uint32_t serial = world_.history.lineage().SerialInRow(row);
      const auto ancestors = world_.history.lineage().Ancestors(serial, 5);
      if (!ancestors.empty() && ancestors.back().generation == 5) grid.SelectRow(row);
    }
    window_.resize(FamilyTreeWindow::kReadableSize);
    window_.show();
    QApplication::setActiveWindow(&window_);
    Settle();
  }

  // Lets the layouts settle: each one that changes asks its parent again, a round later.
  static void Settle() {
    for (int round = 0; round < 8; ++round) {
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
    }
  }

  std::uint32_t Selected() {
    return world_.history.lineage().SerialInRow(world_.document.grid().SelectedRow());
  }
  // A card of a dead organism other than the one shown.
  OrganismCard* DeadCard() {
    for (OrganismCard* card : window_.findChildren<OrganismCard*>()) {
      if (card->serial() != window_.shown() &&
          !world_.history.lineage().Get(card->serial()).IsAlive()) {
        return card;
      }
    }
    return nullptr;
  }

  testing::World world_;
  // Selects as the engine does: the row, then the window told of the change.
  FamilyTreeWindow window_{world_.history, [this](int row) {
                             world_.document.grid().SelectRow(row);
                             window_.Follow();
                           }};
};

TEST_F(FamilyTreeDepthTest, FiveGenerationsScrollWithEveryCardWhole) {
  const Lineage::Ancestor deepest =
      world_.history.lineage().Ancestors(window_.shown(), FamilyTreeWindow::kGenerations).back();
  ASSERT_EQ(deepest.generation, 5) << "the world has no organism five generations deep";
  EXPECT_GT(window_.scroll_area()->verticalScrollBar()->maximum(), 0);
  const auto cards = window_.findChildren<OrganismCard*>();
  ASSERT_GT(cards.size(), 10);
  for (const OrganismCard* card : cards) {
    // Picture, ID and all thirteen digits: never squeezed below the size that shows them.
    EXPECT_GE(card->width(), card->sizeHint().width()) << card->serial();
    EXPECT_GE(card->height(), card->sizeHint().height()) << card->serial();
  }
}

TEST_F(FamilyTreeDepthTest, LinesJoinEachChildToItsParentsAndEveryAncestorIsJoined) {
  const auto& links = window_.canvas()->links();
  ASSERT_FALSE(links.empty());
  std::set<std::uint32_t> joined_as_parent;
  for (const TreeCanvas::Link& link : links) {
    const OrganismRecord child = world_.history.lineage().Get(link.child->serial());
    EXPECT_EQ(link.parent->serial(), link.first ? child.first_parent : child.second_parent);
    joined_as_parent.insert(link.parent->serial());
  }
  for (const OrganismCard* card : window_.findChildren<OrganismCard*>()) {
    if (card->serial() != window_.shown()) {
      EXPECT_TRUE(joined_as_parent.count(card->serial())) << card->serial();
    }
  }

  // The first parent's line is drawn in the first parent's blue, halfway down.
  const auto first = std::find_if(links.begin(), links.end(),
                                  [](const TreeCanvas::Link& link) { return link.first; });
  ASSERT_NE(first, links.end());
  const QRect child = first->child->geometry();
  const QRect parent = first->parent->geometry();
  const QPoint from(child.left() + child.width() / 3, child.bottom());
  const QPoint to(parent.center().x(), parent.top());
  const QPoint middle = (from + to) / 2;
  const QImage image = window_.canvas()->grab().toImage();
  bool blue = false;
  for (int dx = -2; dx <= 2; ++dx) {
    for (int dy = -2; dy <= 2; ++dy) {
      const QColor pixel = image.pixelColor(middle + QPoint(dx, dy));
      blue = blue || (pixel.blue() > 150 && pixel.red() < 110 && pixel.green() < 140);
    }
  }
  EXPECT_TRUE(blue);
}

TEST_F(FamilyTreeDepthTest, BackReturnsThroughTheDeadAncestorsShown) {
  const std::uint32_t selected = Selected();
  ASSERT_EQ(window_.shown(), selected);
  EXPECT_FALSE(window_.back_button()->isVisible());

  OrganismCard* dead = DeadCard();
  ASSERT_NE(dead, nullptr);
  const std::uint32_t first_dead = dead->serial();
  QTest::mouseClick(dead, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(window_.shown(), first_dead);
  QPushButton* back = window_.back_button();
  EXPECT_TRUE(back->isVisible());
  EXPECT_FALSE(back->accessibleName().isEmpty());
  EXPECT_TRUE(back->focusPolicy() & Qt::TabFocus);

  // A dead ancestor of the dead one, then back twice: by the key, then by the button.
  OrganismCard* older = DeadCard();
  ASSERT_NE(older, nullptr);
  QTest::mouseClick(older, Qt::LeftButton);
  QCoreApplication::processEvents();
  QTest::keyClick(&window_, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(window_.shown(), first_dead);
  EXPECT_TRUE(back->isVisible());
  back->setFocus();
  QTest::keyClick(back, Qt::Key_Space);
  EXPECT_EQ(window_.shown(), selected);
  EXPECT_FALSE(back->isVisible());
}

TEST_F(FamilyTreeDepthTest, FollowingTheTableForgetsTheWayBack) {
  OrganismCard* dead = DeadCard();
  ASSERT_NE(dead, nullptr);
  QTest::mouseClick(dead, Qt::LeftButton);
  ASSERT_TRUE(window_.back_button()->isVisible());
  world_.Shoot(10);
  window_.Follow();  // as the engine's change tells it after the shot
  EXPECT_EQ(window_.shown(), Selected());
  EXPECT_FALSE(window_.back_button()->isVisible());
  window_.GoBack();  // nothing to go back to
  EXPECT_EQ(window_.shown(), Selected());
}

}  // namespace
}  // namespace vantrel
