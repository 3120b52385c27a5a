#include "desktop/notebook/chart_title.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QStringList>

namespace vantrel {

namespace {

// Room the chart's frame and its title's own padding take from the view's width.
constexpr qreal kTitlePadding = 24;

}  // namespace

QString WrappedTitle(const QString& title, const QFontMetricsF& metrics, qreal width) {
  QStringList lines;
  QString line;
  for (const QString& word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      line = longer;
    } else {
      lines << line;
      line = word;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines.join(QStringLiteral("<br>"));
}

ChartTitleFitter::ChartTitleFitter(QChartView& view, QString title)
    : QObject(&view), view_(view), title_(std::move(title)) {
  view_.installEventFilter(this);
  Fit();
}

bool ChartTitleFitter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &view_ && event->type() == QEvent::Resize) Fit();
  return QObject::eventFilter(watched, event);
}

void ChartTitleFitter::Fit() {
  QChart* chart = view_.chart();
  if (chart == nullptr) return;
  const QMargins margins = chart->margins();
  const qreal width = view_.width() - margins.left() - margins.right() - kTitlePadding;
  chart->setTitle(WrappedTitle(title_, QFontMetricsF(chart->titleFont()), width));
}

}  // namespace vantrel
