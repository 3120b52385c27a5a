#ifndef VANTREL_DESKTOP_NOTEBOOK_STABLE_DISTRIBUTION_VIEW_H_
#define VANTREL_DESKTOP_NOTEBOOK_STABLE_DISTRIBUTION_VIEW_H_

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "lab/batch.h"
#include "lab/sweep.h"

class QBarCategoryAxis;
class QBoxPlotSeries;
class QChartView;
class QPlainTextEdit;
class QValueAxis;

namespace vantrel {

// The spread of the clicks to stable per condition of an automatic sweep, as a box plot
// (whiskers from the fewest to the most clicks), with the sweep's summary below, a line per
// condition wrapped at the width.
// Runs that never became stable are counted in the table, not drawn.
class StableDistributionView final : public QWidget {
  Q_OBJECT

 public:
  explicit StableDistributionView(QWidget* parent = nullptr);

  // `comparison`: ComparisonLines of the same runs, worked out by the caller (off the
  // window's thread for a large sweep).
  void Show(const BatchPlan& plan, const std::vector<BatchRun>& runs,
            const std::vector<std::string>& comparison);

  QBoxPlotSeries* boxes() const { return boxes_; }
  QPlainTextEdit* summary() const { return summary_; }
  QPlainTextEdit* comparison() const { return comparison_; }

 private:
  QChartView* view_;
  QBoxPlotSeries* boxes_;
  QBarCategoryAxis* categories_;
  QValueAxis* clicks_;
  QPlainTextEdit* summary_;
  QPlainTextEdit* comparison_;
};

// A condition's label on the axis, the core's lines (its number in the summary below the
// plot, which gives its settings, and how many of its runs became stable) one above the
// other. Longer labels would be cut.
QString ConditionLabel(const StableBox& box);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_STABLE_DISTRIBUTION_VIEW_H_
