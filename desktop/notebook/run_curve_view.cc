#include "desktop/notebook/run_curve_view.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "desktop/notebook/chart_title.h"
#include "desktop/notebook/shown_numbers.h"
#include "lab/notebook_view.h"
#include "lab/plot_axes.h"

namespace vantrel {

namespace {

constexpr int kLeftMargin = 4;
// Tall enough for a value axis of 0, 50 and 100 under a title and a legend.
constexpr int kMinimumPlotHeight = 150;

const QColor kFirstMatchColour(0xE0, 0x8A, 0x00);
const QColor kStableColour(0x2E, 0x7D, 0x32);

QLineSeries* MarkSeries(const QString& name, const QColor& colour) {
  auto* mark = new QLineSeries;
  mark->setName(name);
  QPen pen(colour);
  pen.setWidthF(1.5);
  pen.setStyle(Qt::DashLine);
  mark->setPen(pen);
  return mark;
}

// Adds `points` to the end of `curve` in one change. QXYSeries::append(QList) adds them
// one by one, and the chart lays its line out anew after each of them.
void Extend(QLineSeries& curve, const QList<QPointF>& points) {
  QList<QPointF> all = curve.points();
  all.append(points);
  curve.replace(all);
}

}  // namespace

CurvePlot::CurvePlot(const QString& title, const QColor& colour, QWidget* parent)
    : chart_(new QChart),
      view_(new QChartView(chart_, parent)),
      curve_(new QLineSeries),
      first_mark_(MarkSeries(RunCurveView::tr("first match"), kFirstMatchColour)),
      stable_mark_(MarkSeries(RunCurveView::tr("stable"), kStableColour)),
      x_(new QValueAxis),
      y_(new QValueAxis) {
  QFont title_font = chart_->titleFont();
  title_font.setPointSizeF(title_font.pointSizeF() * 0.95);
  title_font.setBold(true);
  chart_->setTitleFont(title_font);
  new ChartTitleFitter(*view_, title);
  chart_->setBackgroundRoundness(0);
  chart_->setMargins(QMargins(kLeftMargin, 0, 8, 0));
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  chart_->legend()->setVisible(false);
  LocaliseChart(*chart_);

  QPen pen(colour);
  pen.setWidthF(2);
  curve_->setPen(pen);
  curve_->setName(title);
  for (QLineSeries* series : {curve_, first_mark_, stable_mark_}) chart_->addSeries(series);

  x_->setLabelFormat(WholeNumberLabels());
  for (QValueAxis* axis : {x_, y_}) {
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
  }
  chart_->addAxis(x_, Qt::AlignBottom);
  chart_->addAxis(y_, Qt::AlignLeft);
  for (QLineSeries* series : {curve_, first_mark_, stable_mark_}) {
    series->attachAxis(x_);
    series->attachAxis(y_);
  }
  SetRanges(10, 1, TickInterval(10, 8));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumHeight(kMinimumPlotHeight);
  view_->setFocusPolicy(Qt::NoFocus);
  QObject::connect(chart_, &QChart::plotAreaChanged, view_, [this] { FitYTicks(); });
}

void CurvePlot::FitYTicks() {
  // A label's line and half as much again between labels, at most five steps.
  const double room = chart_->plotArea().height();
  const double line = QFontMetricsF(y_->labelsFont()).height() * 1.5;
  const int most_ticks = std::clamp(static_cast<int>(room / line), 1, 5);
  const double interval = TickInterval(y_max_, most_ticks, y_whole_);
  if (interval != y_->tickInterval()) y_->setTickInterval(interval);
}

void CurvePlot::SetLegendVisible(bool visible) {
  QLegend* legend = chart_->legend();
  legend->setVisible(visible);
  legend->setAlignment(Qt::AlignTop);
  // The legend explains the marks; the curve has its title.
  for (QLegendMarker* marker : legend->markers(curve_)) marker->setVisible(false);
}

void CurvePlot::SetXTitle(const QString& title) { x_->setTitleText(title); }

void CurvePlot::SetYLabelFormat(const QString& format) { y_->setLabelFormat(format); }

void CurvePlot::SetRanges(double x_max, double y_max, double x_tick) {
  if (x_->max() != x_max || x_->min() != 0) {
    x_->setRange(0, x_max);
    x_->setTickInterval(x_tick);
  }
  if (y_->max() != y_max || y_->min() != 0) {
    y_->setRange(0, y_max);
    y_max_ = y_max;
    FitYTicks();
    PlaceMark(first_mark_, first_match_);
    PlaceMark(stable_mark_, stable_);
  }
}

void CurvePlot::SetMarks(std::optional<int> first_match, std::optional<int> stable) {
  if (first_match != first_match_) PlaceMark(first_mark_, first_match_ = first_match);
  if (stable != stable_) PlaceMark(stable_mark_, stable_ = stable);
}

void CurvePlot::PlaceMark(QLineSeries* mark, std::optional<int> click) {
  if (!click) {
    mark->clear();
    return;
  }
  mark->replace({QPointF(*click, 0), QPointF(*click, y_max_)});
}

RunCurveView::RunCurveView(QWidget* parent) : QWidget(parent) {
  plots_[0] =
      std::make_unique<CurvePlot>(tr("Share meeting the goal (%)"), QColor(0x1F, 0x6F, 0xC5), this);
  plots_[1] =
      std::make_unique<CurvePlot>(tr("Distinct DNA strings"), QColor(0x7B, 0x1F, 0xA2), this);
  plots_[2] = std::make_unique<CurvePlot>(tr("Mean diversity (bits per DNA digit)"),
                                          QColor(0x00, 0x89, 0x7B), this);
  plots_[0]->SetLegendVisible(true);
  plots_[0]->SetYLabelFormat(WholeNumberLabels());
  plots_[1]->SetYLabelFormat(WholeNumberLabels());
  plots_[1]->SetYWholeNumbers(true);
  plots_[2]->SetYLabelFormat(QStringLiteral("%.1f"));
  const CurveScales before_any_click;
  for (std::size_t i = 0; i < plots_.size(); ++i) {
    plots_[i]->SetRanges(before_any_click.x_max, before_any_click.y_max[i],
                         before_any_click.x_tick);
  }
  plots_[2]->SetXTitle(tr("clicks"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  for (const std::unique_ptr<CurvePlot>& plot : plots_) {
    column->addWidget(plot->view(), 1);
  }
  AlignPlotAreas();
}

void RunCurveView::AlignPlotAreas() {
  // The plot areas start where the widest labels of their value axes end.
  const std::array<QString, 3> widest_labels{
      ShownNumber(100), ShownNumber(static_cast<int>(distinct_max_)), ShownDecimal(0, 1)};
  std::array<int, 3> widths{};
  for (std::size_t i = 0; i < plots_.size(); ++i) {
    widths[i] = QFontMetrics(plots_[i]->y_axis()->labelsFont()).horizontalAdvance(widest_labels[i]);
  }
  const int widest = *std::max_element(widths.begin(), widths.end());
  for (std::size_t i = 0; i < plots_.size(); ++i) {
    QChart* chart = plots_[i]->chart();
    QMargins margins = chart->margins();
    margins.setLeft(kLeftMargin + widest - widths[i]);
    if (margins != chart->margins()) chart->setMargins(margins);
  }
}

void RunCurveView::Note(const LabNotebook& notebook) {
  const Run* run = notebook.current_run();
  if ((run != nullptr ? run->number : 0) != run_number_) {
    low_water_ = 0;
  } else {
    low_water_ = std::min(low_water_, notebook.samples().size());
  }
}

void RunCurveView::Clear() {
  for (const std::unique_ptr<CurvePlot>& plot : plots_) plot->curve()->clear();
  next_ = 0;
}

void RunCurveView::Truncate(std::size_t samples) {
  const auto stride = static_cast<std::size_t>(stride_);
  const std::size_t keep = (samples + stride - 1) / stride;
  for (const std::unique_ptr<CurvePlot>& plot : plots_) {
    QLineSeries* curve = plot->curve();
    if (static_cast<std::size_t>(curve->count()) > keep) {
      curve->removePoints(static_cast<int>(keep), curve->count() - static_cast<int>(keep));
    }
  }
  next_ = keep * stride;
}

void RunCurveView::Update(const LabNotebook& notebook) {
  const Run* run = notebook.current_run();
  const std::vector<LabNotebook::Sample>& samples = notebook.samples();
  const int number = run != nullptr ? run->number : 0;
  if (number != run_number_) {
    run_number_ = number;
    stride_ = 1;
    Clear();
  } else if (std::min(low_water_, samples.size()) < next_) {
    Truncate(std::min(low_water_, samples.size()));
  }
  low_water_ = samples.size();

  // Too many samples for the plot: draw one in `stride_`, twice as few each time, anew.
  if (const int stride = CurveStride(samples.size()); stride > stride_) {
    stride_ = stride;
    Clear();
  }
  QList<QPointF> share;
  QList<QPointF> distinct;
  QList<QPointF> diversity;
  std::size_t i = next_;
  for (; i < samples.size(); i += static_cast<std::size_t>(stride_)) {
    const LabNotebook::Sample& sample = samples[i];
    share.append(QPointF(sample.click, 100 * sample.share_meeting_goal));
    distinct.append(QPointF(sample.click, sample.distinct_dna));
    diversity.append(QPointF(sample.click, sample.mean_entropy_bits));
  }
  next_ = i;
  if (!share.isEmpty()) {
    Extend(*plots_[0]->curve(), share);
    Extend(*plots_[1]->curve(), distinct);
    Extend(*plots_[2]->curve(), diversity);
  }

  const CurveScales scales = CurveScalesOf(notebook);
  if (scales.x_max != x_max_ || scales.y_max[1] != distinct_max_) {
    x_max_ = scales.x_max;
    distinct_max_ = scales.y_max[1];
    for (std::size_t i = 0; i < plots_.size(); ++i) {
      plots_[i]->SetRanges(scales.x_max, scales.y_max[i], scales.x_tick);
    }
    AlignPlotAreas();
  }
  const std::optional<int> first = run != nullptr ? run->first_match_click : std::nullopt;
  const std::optional<int> stable = run != nullptr ? run->stable_click : std::nullopt;
  for (const std::unique_ptr<CurvePlot>& plot : plots_) plot->SetMarks(first, stable);
}

}  // namespace vantrel
