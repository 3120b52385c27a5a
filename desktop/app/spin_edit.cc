#include "desktop/app/spin_edit.h"

#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <climits>

#include "desktop/ui/focus_mark.h"
#include "population/lenient_number.h"

namespace vantrel {

SpinEdit::SpinEdit(int value, int min_value, int max_value, QWidget* parent)
    : QAbstractSpinBox(parent), min_(min_value), max_(max_value) {
  setAccelerated(false);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  TakeWheelOnlyWithFocus(*this);
  SetValue(value);
}

int SpinEdit::Value() const { return ParseIntOr(lineEdit()->text().toStdString(), min_); }

void SpinEdit::SetValue(int value) { lineEdit()->setText(QString::number(value)); }

QValidator::State SpinEdit::validate(QString& input, int& /*pos*/) const {
  const QChar decimal = locale().decimalPoint().at(0);
  // Only '0' to '9': other scripts' digits would show as a number but not read as one.
  for (const QChar c : input) {
    const bool digit = c >= u'0' && c <= u'9';
    if (!digit && c != u'+' && c != u'-' && c != decimal) return QValidator::Invalid;
  }
  return QValidator::Acceptable;
}

void SpinEdit::fixup(QString& /*input*/) const {}

void SpinEdit::stepBy(int steps) {
  SetValue(Clamp(static_cast<long long>(Value()) + steps));
  lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
  return StepUpEnabled | StepDownEnabled;
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
  if (HasLimits()) SetValue(Clamp(Value()));
  QAbstractSpinBox::focusOutEvent(event);
}

int SpinEdit::Clamp(long long value) const {
  if (!HasLimits()) return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
  return static_cast<int>(std::clamp<long long>(value, min_, max_));
}

}  // namespace vantrel
