#ifndef VANTREL_DESKTOP_NOTEBOOK_RUN_COMPARISON_VIEW_H_
#define VANTREL_DESKTOP_NOTEBOOK_RUN_COMPARISON_VIEW_H_

#include <QString>
#include <QWidget>
#include <tuple>
#include <vector>

#include "lab/notebook.h"

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLabel;
class QValueAxis;

namespace vantrel {

// The runs played by hand that are over (or reached), side by side: the clicks to the
// first match and to stable, each run labelled by its population, creativity and bonus.
// Which runs, their labels and the note above them are the core's (lab/notebook_view.h).
class RunComparisonView final : public QWidget {
  Q_OBJECT

 public:
  explicit RunComparisonView(QWidget* parent = nullptr);

  // Redraws when the runs to compare have changed since the last call.
  void Update(const LabNotebook& notebook);

  // The runs shown, oldest first.
  const std::vector<int>& shown_runs() const { return shown_runs_; }
  QBarSet* stable_bars() const { return stable_; }
  QBarCategoryAxis* categories() const { return categories_; }
  QChartView* view() const { return view_; }

 private:
  QLabel* note_;
  QChartView* view_;
  QBarSet* first_match_;
  QBarSet* stable_;
  QBarCategoryAxis* categories_;
  QValueAxis* clicks_;
  // What the last drawing was made from: runs in the table, the current run, whether it
  // was reached, and its stable click.
  std::tuple<std::size_t, int, bool, int> drawn_{0, -1, false, -1};
  std::vector<int> shown_runs_;
};

// A run's label on the comparison's axis: its number, then population, creativity and
// bonus at its start (a star when a box changed during the run).
QString RunLabel(const Run& run);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_RUN_COMPARISON_VIEW_H_
