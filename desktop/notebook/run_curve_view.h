#ifndef VANTREL_DESKTOP_NOTEBOOK_RUN_CURVE_VIEW_H_
#define VANTREL_DESKTOP_NOTEBOOK_RUN_CURVE_VIEW_H_

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>

#include "lab/notebook.h"

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace vantrel {

// One measure of the current run over its clicks, with the first-match and stable clicks
// as dashed vertical lines.
class CurvePlot {
 public:
  CurvePlot(const QString& title, const QColor& colour, QWidget* parent);

  QChartView* view() const { return view_; }
  QChart* chart() const { return chart_; }
  QLineSeries* curve() const { return curve_; }
  QLineSeries* first_match_mark() const { return first_mark_; }
  QValueAxis* x_axis() const { return x_; }
  QValueAxis* y_axis() const { return y_; }

  void SetLegendVisible(bool visible);
  void SetXTitle(const QString& title);
  void SetYLabelFormat(const QString& format);
  // The value axis counts whole things: its ticks are whole numbers, never two alike.
  void SetYWholeNumbers(bool whole) { y_whole_ = whole; }
  // The axes from 0 to `x_max` and `y_max`, a tick every `x_tick` clicks.
  void SetRanges(double x_max, double y_max, double x_tick);
  void SetMarks(std::optional<int> first_match, std::optional<int> stable);

 private:
  void PlaceMark(QLineSeries* mark, std::optional<int> click);
  // As many ticks on the value axis as its labels have room for at the plot's height.
  void FitYTicks();

  QChart* chart_;
  QChartView* view_;
  QLineSeries* curve_;
  QLineSeries* first_mark_;
  QLineSeries* stable_mark_;
  QValueAxis* x_;
  QValueAxis* y_;
  double y_max_ = 1;
  bool y_whole_ = false;
  std::optional<int> first_match_;
  std::optional<int> stable_;
};

// The current run over its clicks: the share of organisms meeting the goal, the number of
// distinct DNA strings and the mean diversity in bits, one plot each. New clicks are
// appended to the plots; only an undo or a new run redraws them from the start. Past
// kMaxCurvePoints clicks every other sample is left out, and so on, so a long run draws as
// fast as a short one.
class RunCurveView final : public QWidget {
  Q_OBJECT

 public:
  explicit RunCurveView(QWidget* parent = nullptr);

  // Takes note of the notebook's samples after a change, without drawing. It must see
  // every change (the window calls it on every refresh) so that samples an undo took back
  // are drawn again.
  void Note(const LabNotebook& notebook);
  // Brings the plots up to date with the notebook.
  void Update(const LabNotebook& notebook);

  const CurvePlot& share() const { return *plots_[0]; }
  const CurvePlot& distinct() const { return *plots_[1]; }
  const CurvePlot& diversity() const { return *plots_[2]; }
  // Every how many samples one is drawn.
  int stride() const { return stride_; }

 private:
  void Clear();
  void Truncate(std::size_t samples);
  // Gives every plot the same left edge, whatever the width of its axis labels.
  void AlignPlotAreas();

  std::array<std::unique_ptr<CurvePlot>, 3> plots_;
  int run_number_ = 0;         // the run drawn
  std::size_t next_ = 0;       // the first sample not yet drawn
  std::size_t low_water_ = 0;  // fewest samples noted since the last update
  int stride_ = 1;
  double x_max_ = 0;
  double distinct_max_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_RUN_CURVE_VIEW_H_
