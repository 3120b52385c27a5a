#ifndef VANTREL_DESKTOP_NOTEBOOK_CHART_TITLE_H_
#define VANTREL_DESKTOP_NOTEBOOK_CHART_TITLE_H_

#include <QFontMetricsF>
#include <QObject>
#include <QString>

class QChartView;

namespace vantrel {

// `title`'s words in lines of at most `width` pixels in `metrics`' font, joined by "<br>"; a
// word wider than that has a line of its own.
QString WrappedTitle(const QString& title, const QFontMetricsF& metrics, qreal width);

// Keeps the title of `view`'s chart whole at every width: Qt Charts cuts a title wider than
// the chart short with an ellipsis, so at each resize the words are broken into as many
// lines as the width needs. Owned by the view.
class ChartTitleFitter final : public QObject {
  Q_OBJECT

 public:
  ChartTitleFitter(QChartView& view, QString title);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit();

  QChartView& view_;
  QString title_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_CHART_TITLE_H_
