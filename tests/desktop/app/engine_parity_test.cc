#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/app/main_window.h"
#include "desktop/app/spin_edit.h"
#include "engine/engine.h"
#include "lab/run_csv.h"
#include "population/random_source.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

using EngineParityTest = testing::MainWindowTest;

std::vector<std::string> Cells(const StringGrid& grid) {
  std::vector<std::string> cells{std::to_string(grid.SelectedRow())};
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
  }
  return cells;
}

// The window only forwards: the same clicks through the window and the same calls on a bare
// engine from the same clock give the same table and the same notebook.
TEST_F(EngineParityTest, TheWindowsClicksGiveTheSameTableAsTheEngineAlone) {
  LcgRandom random;
  testing::FixedClock clock(1);
  Engine engine(random, clock);
  ASSERT_EQ(Cells(Form().grid()), Cells(engine.grid()));

  Child<SpinEdit>("speCreativity")->SetValue(40);
  engine.SetParameter(Parameter::kCreativity, 40);
  for (int i = 0; i < 12; ++i) {
    Click("spbShoot");
    engine.Shoot();
  }
  Click("spbFeed");
  engine.Feed();
  Click("spbIdea");
  engine.NewIdea();
  Child<SpinEdit>("speStartOrganisms")->SetValue(14);
  engine.SetParameter(Parameter::kPopulation, 14);
  Click("spbStart");
  engine.NewGenePool();
  Click("spbShoot");
  engine.Shoot();
  Form().onUndoClicked();
  engine.Undo();
  Form().onUndoClicked();
  engine.Undo();
  Form().onRedoClicked();
  engine.Redo();

  EXPECT_EQ(Cells(Form().grid()), Cells(engine.grid()));
  EXPECT_EQ(RunsCsv(Form().workspace().notebook().runs().runs()),
            RunsCsv(engine.notebook().runs().runs()));
  // The boxes show the parameters that belong to the moment undo and redo came back to.
  EXPECT_EQ(Child<SpinEdit>("speStartOrganisms")->Value(), engine.parameters().start_organisms);
}

}  // namespace
}  // namespace vantrel
