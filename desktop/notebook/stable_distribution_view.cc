#include "desktop/notebook/stable_distribution_view.h"

#include <QBarCategoryAxis>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QValueAxis>

#include "desktop/notebook/chart_title.h"
#include "desktop/notebook/shown_numbers.h"

namespace vantrel {

QString ConditionLabel(const StableBox& box) {
  // One text a line: the axis shows each on a line of its own.
  QStringList lines;
  for (const std::string& line : box.label) lines << QString::fromStdString(line);
  return lines.join(QStringLiteral("<br>"));
}

StableDistributionView::StableDistributionView(QWidget* parent)
    : QWidget(parent),
      view_(new QChartView(this)),
      boxes_(new QBoxPlotSeries),
      categories_(new QBarCategoryAxis),
      clicks_(new QValueAxis),
      summary_(new QPlainTextEdit(this)),
      comparison_(new QPlainTextEdit(this)) {
  boxes_->setName(tr("clicks to stable"));
  boxes_->setBrush(QColor(0xA5, 0xD6, 0xA7));
  QPen pen(QColor(0x1B, 0x5E, 0x20));
  pen.setWidthF(1.5);
  boxes_->setPen(pen);
  auto* chart = new QChart;
  chart->addSeries(boxes_);
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 8, 4));
  chart->legend()->setVisible(false);
  clicks_->setLabelFormat(WholeNumberLabels());
  clicks_->setTitleText(tr("clicks to stable"));
  chart->addAxis(categories_, Qt::AlignBottom);
  chart->addAxis(clicks_, Qt::AlignLeft);
  boxes_->attachAxis(categories_);
  boxes_->attachAxis(clicks_);
  clicks_->setRange(0, 100);
  LocaliseChart(*chart);
  view_->setChart(chart);
  view_->setRenderHint(QPainter::Antialiasing);
  // A picture, not a control: Tab passes it by for the texts below, which say the same.
  view_->setFocusPolicy(Qt::NoFocus);
  new ChartTitleFitter(*view_, tr("Clicks to stable per condition (automatic runs)"));

  summary_->setObjectName(QStringLiteral("txtSummary"));
  summary_->setReadOnly(true);
  // One line per condition, wrapped at the width: never scrolled sideways.
  summary_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  summary_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  summary_->setMaximumHeight(110);
  summary_->setPlaceholderText(
      tr("No automatic runs yet: choose a goal and the conditions, then press Run."));

  // Text rather than marks on the plot: read aloud, selected and copied like the summary.
  comparison_->setObjectName(QStringLiteral("txtComparison"));
  comparison_->setAccessibleName(tr("Comparison with condition 1"));
  comparison_->setReadOnly(true);
  comparison_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  comparison_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  comparison_->setMaximumHeight(110);
  comparison_->setPlaceholderText(
      tr("With two conditions or more, each is compared here with the first."));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(view_, 1);
  column->addWidget(summary_);
  column->addWidget(comparison_);
}

void StableDistributionView::Show(const BatchPlan& plan, const std::vector<BatchRun>& runs,
                                  const std::vector<std::string>& comparison) {
  boxes_->clear();
  categories_->clear();
  QStringList labels;
  QList<QBoxSet*> boxes;
  const std::vector<ConditionResults> results = ResultsByCondition(plan, runs);
  const std::vector<StableBox> stable_boxes = StableBoxes(results);
  for (const StableBox& stable : stable_boxes) {
    labels.append(ConditionLabel(stable));
    auto* box = new QBoxSet;
    if (stable.stable_runs > 0) {
      box->setValue(QBoxSet::LowerExtreme, stable.low);
      box->setValue(QBoxSet::LowerQuartile, stable.q1);
      box->setValue(QBoxSet::Median, stable.median);
      box->setValue(QBoxSet::UpperQuartile, stable.q3);
      box->setValue(QBoxSet::UpperExtreme, stable.high);
    } else {
      // Nothing to draw: the box sits flat at zero and the label says none were stable.
      box->setBrush(Qt::NoBrush);
    }
    boxes.append(box);
  }
  // The axis first: the series takes its categories from it.
  categories_->append(labels);
  boxes_->append(boxes);
  const ValueAxis axis = StableAxis(stable_boxes);
  clicks_->setRange(0, axis.max);
  clicks_->setTickCount(axis.ticks);
  QStringList lines;
  for (const std::string& line : SummaryLines(plan, results)) {
    lines << QString::fromStdString(line);
  }
  summary_->setPlainText(lines.join(QLatin1Char('\n')));
  QStringList comparisons;
  for (const std::string& line : comparison) {
    comparisons << QString::fromStdString(line);
  }
  comparison_->setPlainText(comparisons.join(QLatin1Char('\n')));
}

}  // namespace vantrel
