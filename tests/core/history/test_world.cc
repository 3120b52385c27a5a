#include "tests/core/history/test_world.h"

#include "storage/line_buffer.h"
#include "storage/table_file.h"

namespace vantrel::testing {

namespace {

Document& Prepared(Document& document, int organisms) {
  document.population().SetUpColumns();
  document.population().NewGenePool(organisms + 1);
  return document;
}

}  // namespace

FullState Capture(Document& document, int extent_rows, int extent_cols) {
  FullState full;
  const StringGrid& grid = document.grid();
  for (int row = 0; row < extent_rows; ++row) {
    for (int col = 0; col < extent_cols; ++col) full.cells.push_back(grid.Cell(col, row));
  }
  full.state = {document.random().State(), document.population().counter(), grid.SelectedRow(),
                grid.RowCount(), grid.ColCount()};
  return full;
}

World::World(std::uint32_t seed, int organisms)
    : random(seed), document(random), history(Prepared(document, organisms), clock, parameters) {}

void World::NewGenePool(int start) {
  parameters.start_organisms = start;
  const HistoryStep step(history, StepKind::kNewGenePool, parameters);
  document.population().NewGenePool(start);
  document.population().SelectRandomRow();
}

void World::Feed(int bonus) {
  parameters.bonus = bonus;
  const HistoryStep step(history, StepKind::kFeed, parameters);
  FeedOrganism(document.population(), bonus);
}

Birth World::Shoot(int creativity) {
  parameters.creativity = creativity;
  const HistoryStep step(history, StepKind::kShoot, parameters);
  Birth birth = GenerateOrganism(document.population(), creativity);
  history.RecordBirth(birth);
  document.population().SelectRandomRow();
  return birth;
}

void World::Load(std::mt19937& dice) {
  // A table file of 1 to 7 columns and up to 30 lines, some of them short.
  const int fields = std::uniform_int_distribution(1, 6)(dice);
  const int lines = std::uniform_int_distribution(1, 30)(dice);
  std::string text;
  for (int line = 0; line < lines; ++line) {
    const int count = line == 0 ? fields : std::uniform_int_distribution(0, fields)(dice);
    for (int field = 0; field < count; ++field) {
      text += " " + std::to_string(std::uniform_int_distribution(0, 99999)(dice)) + " #";
    }
    text += "\r\n";
  }
  LineBuffer buffer;
  buffer.SetText(std::move(text));
  // As the engine loads: into a table of its own, which takes the grid's place whole.
  StringGrid loaded(1, 1);
  CopyFixedColumn(document.grid(), loaded);
  if (FillStringGrid(loaded, buffer) != GridFill::kFilled) return;
  const HistoryStep step(history, StepKind::kLoad, parameters);
  history.ReplaceTable(loaded);
}

std::string TableText(const StringGrid& grid) {
  LineBuffer buffer;
  FillLineBuffer(grid, buffer, "#");
  std::string text;
  for (int line = 0; line < buffer.Count(); ++line) {
    text += buffer.Line(line);
    text += "\r\n";
  }
  return text;
}

void PlayRandomStep(World& world, std::mt19937& dice) {
  const int action = std::uniform_int_distribution(0, 19)(dice);
  if (action == 0) {
    world.NewGenePool(std::uniform_int_distribution(1, 40)(dice));
  } else if (action == 1) {
    world.Load(dice);
  } else if (action < 8) {
    world.Feed(std::uniform_int_distribution(-3, 6)(dice));
  } else {
    world.Shoot(std::uniform_int_distribution(0, 70)(dice));
  }
}

void BetweenSteps(World& world, std::mt19937& dice) {
  const int action = std::uniform_int_distribution(0, 5)(dice);
  if (action == 0) world.random.Draw(100);
  if (action == 1) world.document.grid().SelectRow(std::uniform_int_distribution(1, 40)(dice));
}

void PlayRandomSteps(World& world, std::mt19937& dice, int count) {
  for (int i = 0; i < count; ++i) {
    PlayRandomStep(world, dice);
    BetweenSteps(world, dice);
  }
}

}  // namespace vantrel::testing
