// The history: undo and redo, the cost of recording a step with and without the journal,
// restoring a run of 100,000 steps and the memory of a million shots.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "desktop/history/family_tree_window.h"
#include "history/history.h"
#include "history/journal.h"
#include "population/document.h"
#include "population/evolution.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

constexpr int kRows = 1001;  // the title row and 1000 organisms

// A document of 1000 organisms and its history, stepping as the main window does.
struct Session {
  explicit Session(std::uint32_t seed = 1) : random(seed), document(random) {
    document.population().SetUpColumns();
    document.population().NewGenePool(kRows);
    history = std::make_unique<History>(document, clock, Parameters{kRows, 10, 1});
  }
  void Shoot() {
    history->BeginStep(StepKind::kShoot, {kRows, 10, 1});
    history->RecordBirth(GenerateOrganism(document.population(), 10));
    document.population().SelectRandomRow();
    history->EndStep();
  }
  void Feed() {
    history->BeginStep(StepKind::kFeed, {kRows, 10, 1});
    FeedOrganism(document.population(), 1);
    history->EndStep();
  }
  LcgRandom random;
  Document document;
  SystemClock clock;
  std::unique_ptr<History> history;
};

// A folder of its own under the temporary folder, removed at the end.
struct TempFolder {
  TempFolder() {
    path = (fs::temp_directory_path() / ("vantrel-bench-" + std::to_string(::getpid()))).string();
    fs::create_directories(path);
  }
  ~TempFolder() { fs::remove_all(path); }
  std::string path;
};

void BM_HistoryUndoShot(benchmark::State& state) {
  Session session;
  for (int i = 0; i < 1000; ++i) session.Shoot();
  for (auto _ : state) {
    session.history->Undo();
    state.PauseTiming();
    session.history->Redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HistoryUndoShot);

void BM_HistoryRedoShot(benchmark::State& state) {
  Session session;
  for (int i = 0; i < 1000; ++i) session.Shoot();
  for (auto _ : state) {
    state.PauseTiming();
    session.history->Undo();
    state.ResumeTiming();
    session.history->Redo();
  }
}
BENCHMARK(BM_HistoryRedoShot);

// The heaviest step to undo and redo: every row of the table replaced.
void BM_HistoryUndoRedoNewGenePool(benchmark::State& state) {
  Session session;
  session.history->BeginStep(StepKind::kNewGenePool, {kRows, 10, 1});
  session.document.population().NewGenePool(kRows);
  session.history->EndStep();
  for (auto _ : state) {
    session.history->Undo();
    session.history->Redo();
  }
  state.SetLabel("one undo and one redo per iteration");
}
BENCHMARK(BM_HistoryUndoRedoNewGenePool);

// A shot with and without its step recorded (the record included), and with the journal.
void BM_ShotBare(benchmark::State& state) {
  Session session;
  for (auto _ : state) {
    GenerateOrganism(session.document.population(), 10);
    session.document.population().SelectRandomRow();
  }
}
BENCHMARK(BM_ShotBare);

void BM_ShotWithHistory(benchmark::State& state) {
  Session session;
  for (auto _ : state) session.Shoot();
}
BENCHMARK(BM_ShotWithHistory);

void BM_ShotWithHistoryAndJournal(benchmark::State& state) {
  const TempFolder folder;
  Session session;
  Journal journal(folder.path, session.clock);
  if (!journal.Open()) state.SkipWithError("journal did not open");
  const JournalKeeper keeper(*session.history, journal);
  for (auto _ : state) session.Shoot();
}
BENCHMARK(BM_ShotWithHistoryAndJournal);

// A shot while the family tree window is open: the tree of the new child is built anew.
void BM_ShotWithFamilyTreeOpen(benchmark::State& state) {
  Session session;
  for (int i = 0; i < 5000; ++i) session.Shoot();  // ancestors five generations deep
  FamilyTreeWindow window(*session.history, [](int /*row*/) {});
  window.show();
  for (auto _ : state) {
    session.Shoot();
    window.Follow();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_ShotWithFamilyTreeOpen)->Unit(benchmark::kMillisecond);

void BM_JournalRestore100000Steps(benchmark::State& state) {
  const TempFolder folder;
  std::string path;
  {
    Session writer(7);
    Journal journal(folder.path, writer.clock);
    journal.Open();
    const JournalKeeper keeper(*writer.history, journal);
    for (int i = 0; i < 100000; ++i) (i % 3 == 0) ? writer.Feed() : writer.Shoot();
    path = journal.path();
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Session>(8);
    state.ResumeTiming();
    std::string message;
    const std::optional<RunContents> contents = Journal::ReadRun(path, message);
    if (!contents || !session->history->Restore(contents->base, contents->entries)) {
      state.SkipWithError(message.c_str());
    }
    state.PauseTiming();
    session.reset();
    state.ResumeTiming();
  }
  state.SetLabel(std::to_string(fs::file_size(path) / 1024) + " KiB journal");
}
BENCHMARK(BM_JournalRestore100000Steps)->Unit(benchmark::kMillisecond)->Iterations(3);

// A million shots at 1000 organisms: the history's and the record's bytes.
void BM_HistoryMemoryMillionShots(benchmark::State& state) {
  for (auto _ : state) {
    Session session;
    for (int i = 0; i < 1000000; ++i) session.Shoot();
    const double organisms = session.history->lineage().size();
    const double record = static_cast<double>(session.history->lineage().MemoryBytes());
    state.counters["total_MB"] = static_cast<double>(session.history->MemoryBytes()) / 1e6;
    state.counters["record_B_per_organism"] = record / organisms;
    state.counters["record_B_per_organism_without_dna"] = record / organisms - 13;
  }
}
BENCHMARK(BM_HistoryMemoryMillionShots)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vantrel
