#ifndef VANTREL_DESKTOP_NOTEBOOK_SHOWN_NUMBERS_H_
#define VANTREL_DESKTOP_NOTEBOOK_SHOWN_NUMBERS_H_

#include <QLocale>
#include <QString>

class QChart;
class QWidget;

namespace vantrel {

// Numbers as the notebook shows them (counters, parameters, plot axes), in the format of the
// language the program speaks: "1.234" and "0,95" in Dutch and German. English keeps the
// plain "1234" and "0.95" it always showed. The texts are the core's (language/numbers.h),
// which the page shows too. Table cells and files never go through here.

// The locale of the program's language: Dutch or German as spoken in the Netherlands and
// Germany, else the plain C locale.
QLocale ShownLocale();
// A whole number, grouped by thousands where the language groups them.
QString ShownNumber(long long number);
// A decimal in its shortest form ("0.95", "1").
QString ShownDecimal(double number);
// A decimal with `decimals` places ("2.5").
QString ShownDecimal(double number, int decimals);
// The chart's axis labels and values in the same format. English leaves them as they are.
void LocaliseChart(QChart& chart);
// The label format of a chart axis of whole numbers: "%d", which Qt Charts leaves empty
// when it localises numbers (it then wants a precision), so "%.0f" there.
QString WholeNumberLabels();
// A number box's or progress bar's numbers in the same format. English leaves the widget's
// own locale.
void LocaliseWidget(QWidget& widget);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_SHOWN_NUMBERS_H_
