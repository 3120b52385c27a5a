// A click with the notebook open: the engine's shot or feed, then the notebook's "What you
// select for" brought up to date and painted, as the program does before the next frame.
// BM_ClickAndSelectedForRefresh times the click and the group's words set in its labels,
// BM_ClickAndSelectedForWords the same with their painting;
// BM_ClickAndNotebookTexts the click and every text of the shown notebook window laid out
// and painted (the plots, drawn at most once in 40 ms, are left out). A frame at 60 Hz is
// 16.7 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "desktop/app/workspace.h"
#include "desktop/files/qt_file_name_dialog.h"
#include "desktop/notebook/notebook_window.h"
#include "desktop/notebook/selected_for_panel.h"
#include "desktop/storage/qt_busy_cursor.h"
#include "desktop/storage/xlsx_spreadsheet.h"
#include "desktop/ui/qt_message_service.h"
#include "population/clock.h"
#include "population/random_source.h"

namespace vantrel {
namespace {

constexpr int kOrganisms = 1000;

// A workspace of 1,000 organisms whose learner has seen a run's worth of clicks.
struct TaughtWorkspace {
  TaughtWorkspace() {
    engine().SetParameter(Parameter::kPopulation, kOrganisms + 1);
    engine().NewGenePool();
    for (int i = 0; i < 200; ++i) Click(i);
  }
  Engine& engine() { return workspace.engine(); }
  void Click(int i) {
    if (i % 3 == 0) {
      engine().Feed();
    } else {
      engine().Shoot();
    }
  }
  SystemClock clock;
  LcgRandom random;
  Workspace workspace{random, clock};
};

// Shows `widget` at `width` x `height`, then times a click followed by `refresh`.
template <typename Widget, typename Refresh>
void TimeClicks(benchmark::State& state, TaughtWorkspace& taught, Widget& widget, int width,
                int height, Refresh refresh) {
  widget.resize(width, height);
  widget.show();
  QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    taught.Click(i++);
    refresh();
  }
}

// The click and the group's labels set, without painting them.
void BM_ClickAndSelectedForRefresh(benchmark::State& state) {
  TaughtWorkspace taught;
  SelectedForPanel panel(taught.engine().notebook(), taught.engine());
  TimeClicks(state, taught, panel, 360, 220, [&panel] { panel.Refresh(); });
}
BENCHMARK(BM_ClickAndSelectedForRefresh)->Unit(benchmark::kMicrosecond);

void BM_ClickAndSelectedForWords(benchmark::State& state) {
  TaughtWorkspace taught;
  SelectedForPanel panel(taught.engine().notebook(), taught.engine());
  TimeClicks(state, taught, panel, 360, 220, [&panel] {
    panel.Refresh();
    panel.repaint();
  });
}
BENCHMARK(BM_ClickAndSelectedForWords)->Unit(benchmark::kMicrosecond);

void BM_ClickAndNotebookTexts(benchmark::State& state) {
  TaughtWorkspace taught;
  QtMessageService messages;
  QtFileNameDialog dialog;
  XlsxSpreadsheet excel;
  QtBusyCursor cursor;
  NotebookWindow window(taught.engine().notebook(), taught.engine(),
                        {messages, dialog, excel, cursor});
  TimeClicks(state, taught, window, 960, 780, [&window] {
    window.Refresh();
    window.repaint();
  });
}
BENCHMARK(BM_ClickAndNotebookTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel
