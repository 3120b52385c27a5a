#include "desktop/notebook/shown_numbers.h"

#include <QChart>
#include <QWidget>
#include <string>

#include "desktop/ui/language_locale.h"
#include "language/catalogue.h"
#include "language/numbers.h"

namespace vantrel {

QLocale ShownLocale() {
  const Language language = CurrentLanguage();
  // English keeps the plain numbers the notebook always showed.
  if (language == Language::kEnglish || language == Language::kPseudo) return QLocale::c();
  return LanguageLocale(language);
}

QString ShownNumber(long long number) {
  return QString::fromStdString(LocalNumber(std::to_string(number)));
}

QString ShownDecimal(double number) { return QString::fromStdString(LocalDecimal(number)); }

QString ShownDecimal(double number, int decimals) {
  return QString::fromStdString(LocalDecimal(number, decimals));
}

void LocaliseChart(QChart& chart) {
  const QLocale locale = ShownLocale();
  if (locale == QLocale::c()) return;
  chart.setLocale(locale);
  // Qt Charts writes "%d" labels plainly unless told to use the chart's locale.
  chart.setLocalizeNumbers(true);
}

QString WholeNumberLabels() {
  return ShownLocale() == QLocale::c() ? QStringLiteral("%d") : QStringLiteral("%.0f");
}

void LocaliseWidget(QWidget& widget) {
  const QLocale locale = ShownLocale();
  if (locale != QLocale::c()) widget.setLocale(locale);
}

}  // namespace vantrel
