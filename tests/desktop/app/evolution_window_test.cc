#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "desktop/app/main_window.h"
#include "desktop/app/organism_view.h"
#include "desktop/app/spin_edit.h"
#include "population/random_source.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

using EvolutionWindowTest = testing::MainWindowTest;

TEST_F(EvolutionWindowTest, ShotWithCreativity50FollowsTheKnownDraws) {
  const std::vector<std::string> founders = {"0822631340408", "0293736873134", "2824182794880",
                                             "1150507677526", "5969262074855", "9630797711975",
                                             "8620628125911", "2154216770001", "7836474388100"};
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(Form().grid().Cell(kDnaColumn, row), founders[row - 1]);
  }
  ASSERT_EQ(Form().grid().SelectedRow(), 1);

  Child<SpinEdit>("speCreativity")->SetValue(50);
  Click("spbShoot");
  EXPECT_EQ(Row(1), (std::vector<std::string>{"10", "1", "2", "0822631263334", "0"}));
  EXPECT_EQ(Form().grid().SelectedRow(), 3);
  EXPECT_EQ(Drawn(), founders[2]);
}

TEST_F(EvolutionWindowTest, FeedingShowsTheNewScoreEvenWhenTheSameRowComesUp) {
  Child<SpinEdit>("speStartOrganisms")->SetValue(2);
  Click("spbStart");
  Child<SpinEdit>("speSurvivalBonus")->SetValue(5);
  Click("spbFeed");
  EXPECT_EQ(Health(), "5");
  Child<SpinEdit>("speSurvivalBonus")->SetValue(-8);
  Click("spbFeed");
  EXPECT_EQ(Health(), "-3");
  EXPECT_EQ(Form().grid().Cell(kSurvivalColumn, 1), "-3");
}

TEST_F(EvolutionWindowTest, TableWithoutOrganismsDisablesFeedAndShoot) {
  // No action of the engine empties the table (a file of titles alone is refused): the
  // window hears of the emptied table as it would of an action's.
  Form().grid().SetRowCount(1);
  EngineChange emptied;
  emptied.table = true;
  emit Form().workspace().model().changed(emptied);
  EXPECT_FALSE(Child<QToolButton>("spbFeed")->isEnabled());
  EXPECT_FALSE(Child<QToolButton>("spbShoot")->isEnabled());
  const std::vector<std::string> titles = Row(0);
  Form().onFeedClicked();
  Form().onShootClicked();
  EXPECT_EQ(Row(0), titles);
}

}  // namespace
}  // namespace vantrel
