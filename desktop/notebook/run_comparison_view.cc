#include "desktop/notebook/run_comparison_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "desktop/notebook/chart_title.h"
#include "desktop/notebook/shown_numbers.h"
#include "lab/notebook_view.h"

namespace vantrel {

QString RunLabel(const Run& run) {
  // One text a line: the axis shows each on a line of its own.
  QStringList lines;
  for (const std::string& line : ComparedRunLabel(run)) lines << QString::fromStdString(line);
  return lines.join(QStringLiteral("<br>"));
}

RunComparisonView::RunComparisonView(QWidget* parent)
    : QWidget(parent),
      note_(new QLabel(this)),
      view_(new QChartView(this)),
      first_match_(new QBarSet(tr("clicks to first match"))),
      stable_(new QBarSet(tr("clicks to stable"))),
      categories_(new QBarCategoryAxis),
      clicks_(new QValueAxis) {
  note_->setObjectName(QStringLiteral("lblCompareNote"));
  note_->setWordWrap(true);
  note_->setContentsMargins(8, 4, 8, 0);

  first_match_->setColor(QColor(0xF2, 0xA9, 0x00));
  stable_->setColor(QColor(0x2E, 0x7D, 0x32));
  auto* series = new QBarSeries;
  series->append(first_match_);
  series->append(stable_);
  auto* chart = new QChart;
  chart->addSeries(series);
  series->setLabelsVisible(true);
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series->setLabelsFormat(QStringLiteral("@value"));
  for (QBarSet* set : {first_match_, stable_}) set->setLabelColor(QColor(0x33, 0x33, 0x33));
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 8, 4));
  chart->legend()->setAlignment(Qt::AlignTop);
  clicks_->setLabelFormat(WholeNumberLabels());
  clicks_->setTitleText(tr("clicks"));
  chart->addAxis(categories_, Qt::AlignBottom);
  chart->addAxis(clicks_, Qt::AlignLeft);
  series->attachAxis(categories_);
  series->attachAxis(clicks_);
  LocaliseChart(*chart);
  view_->setChart(chart);
  view_->setRenderHint(QPainter::Antialiasing);
  new ChartTitleFitter(*view_, tr("Finished runs by hand"));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(note_);
  column->addWidget(view_, 1);
}

void RunComparisonView::Update(const LabNotebook& notebook) {
  const std::vector<Run>& runs = notebook.runs().runs();
  const Run* current = notebook.current_run();
  const std::tuple<std::size_t, int, bool, int> now{
      runs.size(), current != nullptr ? current->number : -1,
      current != nullptr && current->reached(),
      current != nullptr ? current->stable_click.value_or(-1) : -1};
  if (now == drawn_) return;
  drawn_ = now;

  const ComparedRuns compared = ComparedRunsOf(notebook);
  shown_runs_.clear();
  QList<qreal> first_match;
  QList<qreal> stable;
  QStringList labels;
  for (const Run* run : compared.shown) {
    shown_runs_.push_back(run->number);
    first_match.append(run->first_match_click.value_or(0));
    stable.append(run->stable_click.value_or(0));
    labels.append(RunLabel(*run));
  }
  first_match_->remove(0, first_match_->count());
  stable_->remove(0, stable_->count());
  first_match_->append(first_match);
  stable_->append(stable);
  categories_->clear();
  categories_->append(labels);
  const ValueAxis axis = ComparisonAxis(compared.shown);
  clicks_->setRange(0, axis.max);
  clicks_->setTickCount(axis.ticks);
  note_->setText(QString::fromStdString(
      ComparedNote(static_cast<int>(compared.shown.size()), compared.total)));
}

}  // namespace vantrel
