// Breeding, shooting and feeding: in the core alone, through the main window, and from a
// click on the pistol to the child's drawing on screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QToolButton>
#include <memory>

#include "desktop/app/application.h"
#include "desktop/app/main_window.h"
#include "desktop/app/organism_view.h"
#include "desktop/app/spin_edit.h"
#include "population/evolution.h"
#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

constexpr int kRows = 1001;  // the title row and 1000 organisms

// Counts the paints of a widget.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// A shown main window of the real program at its advanced width holding 1000 organisms.
struct Window {
  Window() : form(&program.main_window()) {
    form->CompleteControls();
    form->findChild<SpinEdit*>(QStringLiteral("speStartOrganisms"))->SetValue(kRows);
    form->onNewGenePoolClicked();
    form->onAdvancedClicked();
    form->show();
    QApplication::processEvents();
  }

  VantrelApplication program;
  MainWindow* form;
};

void BM_GenerateOrganismCore(benchmark::State& state) {
  StringGrid grid(kOrganismColumnCount, 2);
  LcgRandom random(1);
  Population population(grid, random);
  population.SetUpColumns();
  population.NewGenePool(kRows);
  for (auto _ : state) GenerateOrganism(population, 10);
}
BENCHMARK(BM_GenerateOrganismCore);

// One shot: breeding plus the table and drawing area taking note; painting waits.
void BM_ShootWindow(benchmark::State& state) {
  Window window;
  for (auto _ : state) window.form->onShootClicked();
}
BENCHMARK(BM_ShootWindow);

void BM_ThousandFeedsWindow(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) window.form->onFeedClicked();
  }
}
BENCHMARK(BM_ThousandFeedsWindow)->Unit(benchmark::kMicrosecond);

// From the click to the child's drawing on screen: the queued paints are flushed at once.
void BM_ShotClickToScreen(benchmark::State& state) {
  Window window;
  auto* pistol = window.form->findChild<QToolButton*>(QStringLiteral("spbShoot"));
  auto* drawing = window.form->findChild<OrganismView*>(QStringLiteral("pbxOrganism"));
  PaintCounter counter;
  drawing->installEventFilter(&counter);
  for (auto _ : state) {
    pistol->click();
    QApplication::processEvents();
  }
  // A shot may bring up an organism with the same DNA; nearly every one must repaint.
  if (counter.paints < state.iterations() / 2) state.SkipWithError("drawing was not painted");
  state.counters["paints_per_shot"] =
      static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
  drawing->removeEventFilter(&counter);
}
BENCHMARK(BM_ShotClickToScreen)->Unit(benchmark::kMicrosecond);

// The same with the population gallery, the lab notebook and the journal, each alone and
// all together: the whole budget of one shot, and what each part adds to it.
void ShotWith(benchmark::State& state, bool gallery, bool notebook, bool journal) {
  Window window;
  if (gallery) emit window.form->populationViewRequested();
  if (notebook) emit window.form->notebookRequested();
  QApplication::processEvents();
  if (journal) window.form->OpenJournalAndOfferRestore();
  auto* pistol = window.form->findChild<QToolButton*>(QStringLiteral("spbShoot"));
  for (auto _ : state) {
    pistol->click();
    QApplication::processEvents();
  }
  if (journal && window.form->workspace().journal() == nullptr) {
    state.SkipWithError("no journal was opened");
  }
}
void BM_ShotClickToScreenGallery(benchmark::State& state) { ShotWith(state, true, false, false); }
void BM_ShotClickToScreenNotebook(benchmark::State& state) { ShotWith(state, false, true, false); }
void BM_ShotClickToScreenJournal(benchmark::State& state) { ShotWith(state, false, false, true); }
void BM_ShotClickToScreenAllOpen(benchmark::State& state) { ShotWith(state, true, true, true); }
BENCHMARK(BM_ShotClickToScreenGallery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShotClickToScreenNotebook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShotClickToScreenJournal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShotClickToScreenAllOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel
