// Plays tests/web/actions.txt on the engine as the desktop drives it (its actions, and
// SaveTableFile for "save") and writes the bytes of every saved table to one file, for
// comparison with the WebAssembly module playing the same script. With RUNS, it also
// writes the lab notebook's run table there at the end, as its "Export runs…" writes it.
// "open FILE" loads a table file as the desktop's Open does, and "shown" writes to OUTPUT
// what the desktop's table then shows: a line of the column titles and a line per row,
// cells separated by tabs, and an empty line after the table.
// "tree" writes the family tree of the shown organism to TREES: a line per card
// (generation, ID, DNA and each digit's origin as 0-3), and an empty line after each tree.
// "learner" writes to OUTPUT what the learner has learned: a line of its encoded state in
// hex, a line per trait it weighs most, a line of its record of predictions, and an empty
// line; "language CODE" speaks a language from then on (its words among them).
//
//   web_replay SCRIPT OUTPUT [RUNS [TREES]]

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "engine/engine.h"
#include "gallery/organism_texts.h"
#include "history/family_tree.h"
#include "history/family_tree_texts.h"
#include "lab/learner.h"
#include "lab/run_csv.h"
#include "language/catalogue.h"
#include "language/language.h"
#include "population/parameters.h"
#include "population/random_source.h"
#include "storage/table_file.h"
#include "web/pinned_clock.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The game: the engine starts at the script's first line, "start MS".
class Replay {
 public:
  explicit Replay(fs::path folder) : folder_(std::move(folder)) {}

  // False, with a word on standard error, for a line that is no action.
  bool Play(const std::string& line, int number) {
    std::istringstream words(line);
    std::string action;
    if (!(words >> action) || action.front() == '#') return true;
    long long count = 1;
    if (action == "start") {
      double ms = 0;
      if (engine_ || !(words >> ms)) return Fail(number, "start MS comes once, first");
      clock_ = std::make_unique<PinnedClock>(ms);
      engine_ = std::make_unique<Engine>(random_, *clock_);
      return true;
    }
    if (!engine_) return Fail(number, "the script starts with start MS");
    if (action == "feed" || action == "shoot" || action == "undo" || action == "redo") {
      if (!(words >> count)) count = 1;
    }
    if (action == "feed") {
      while (count-- > 0) engine_->Feed();
    } else if (action == "shoot") {
      while (count-- > 0) engine_->Shoot();
    } else if (action == "undo") {
      while (count-- > 0) engine_->Undo();
    } else if (action == "redo") {
      while (count-- > 0) engine_->Redo();
    } else if (action == "new-gene-pool") {
      engine_->NewGenePool();
    } else if (action == "idea") {
      engine_->NewIdea();
    } else if (action == "reached") {
      engine_->DeclareReached();
    } else if (action == "select") {
      int row = 0;
      if (!(words >> row)) return Fail(number, "select ROW");
      engine_->SelectRow(row);
    } else if (action == "parameters") {
      Parameters parameters;
      if (!(words >> parameters.start_organisms >> parameters.creativity >> parameters.bonus)) {
        return Fail(number, "parameters START CREATIVITY BONUS");
      }
      engine_->SetParameters(parameters);
    } else if (action == "save") {
      const fs::path path = folder_ / "table.str";
      if (!SaveTableFile(engine_->grid(), path.string()).ok()) return Fail(number, "cannot save");
      saved_ += ReadFile(path);
    } else if (action == "load") {
      // The table saved last, loaded back as a step.
      if (!engine_->LoadTable((folder_ / "table.str").string()).ok()) {
        return Fail(number, "cannot load the table saved last");
      }
    } else if (action == "open") {
      std::string file;
      if (!(words >> file)) return Fail(number, "open FILE");
      engine_->LoadTable(file);
    } else if (action == "shown") {
      // As the table view's model reads the grid: row 0 the titles, the program's own in
      // the current language, and only the grid's columns.
      const StringGrid& grid = engine_->grid();
      for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
          const std::string& cell = grid.Cell(col, row);
          if (col > 0) saved_ += '\t';
          saved_ += row == 0 ? TranslatedColumnTitle(cell).value_or(cell) : cell;
        }
        saved_ += '\n';
      }
      saved_ += '\n';
    } else if (action == "learner") {
      const Learner& learner = engine_->learner();
      for (const unsigned char byte : learner.Encode()) {
        saved_ += "0123456789abcdef"[byte >> 4];
        saved_ += "0123456789abcdef"[byte & 15];
      }
      saved_ += '\n';
      for (const LearnedTrait& trait : learner.Strongest()) saved_ += trait.text + '\n';
      saved_ += learner.AccuracyText() + "\n\n";
    } else if (action == "language") {
      std::string code;
      const std::optional<Language> language =
          words >> code ? LanguageFromCode(code) : std::nullopt;
      if (!language) return Fail(number, "language CODE");
      SetLanguage(*language);
    } else if (action == "tree") {
      const Lineage& lineage = engine_->history().lineage();
      const std::uint32_t shown = lineage.SerialInRow(engine_->grid().SelectedRow());
      for (const TreeCard& card :
           BuildFamilyTree(lineage, shown, kTreeGenerations, engine_->grid().RowCount())) {
        trees_ += std::to_string(card.generation) + " " + card.id + " " + card.dna + " ";
        for (const DigitOrigin origin : card.origins) {
          trees_ += static_cast<char>('0' + static_cast<int>(origin));
        }
        trees_ += "\n";
      }
      trees_ += "\n";
    } else {
      return Fail(number, "unknown action " + action);
    }
    return true;
  }

  const std::string& saved() const { return saved_; }
  const std::string& trees() const { return trees_; }
  std::string RunsCsvText() const {
    return engine_ ? RunsCsv(engine_->notebook().runs().runs()) : RunsCsv({});
  }

 private:
  static bool Fail(int number, const std::string& what) {
    std::cerr << "line " << number << ": " << what << "\n";
    return false;
  }

  fs::path folder_;
  LcgRandom random_;
  std::unique_ptr<PinnedClock> clock_;
  std::unique_ptr<Engine> engine_;
  std::string saved_;
  std::string trees_;
};

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 3 || argc > 5) {
    std::cerr << "usage: web_replay SCRIPT OUTPUT [RUNS [TREES]]\n";
    return 2;
  }
  std::ifstream script(argv[1]);
  if (!script) {
    std::cerr << "web_replay: cannot read " << argv[1] << "\n";
    return 2;
  }
  const fs::path folder = fs::temp_directory_path() / ("web_replay_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  vantrel::Replay replay(folder);
  std::string line;
  int number = 0;
  bool ok = true;
  while (ok && std::getline(script, line)) ok = replay.Play(line, ++number);
  fs::remove_all(folder);
  if (!ok) return 1;
  std::ofstream(argv[2], std::ios::binary) << replay.saved();
  if (argc >= 4) std::ofstream(argv[3], std::ios::binary) << replay.RunsCsvText();
  if (argc == 5) std::ofstream(argv[4], std::ios::binary) << replay.trees();
  return 0;
}
