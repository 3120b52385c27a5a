#ifndef VANTREL_DESKTOP_APP_SPIN_EDIT_H_
#define VANTREL_DESKTOP_APP_SPIN_EDIT_H_

#include <QAbstractSpinBox>

namespace vantrel {

// A whole-number box with up and down arrows that step by 1.
//
// Typing accepts digits, signs and the decimal separator only, and any text made of them
// stays as typed until the box loses the focus. Then, and when the arrows change it, the
// value is forced into the limits. The mouse wheel steps it only while it has the focus. Equal
// limits mean no limits at all. The value is read from the current text; text that is not a whole
// number reads as the lower limit.
class SpinEdit final : public QAbstractSpinBox {
  Q_OBJECT

 public:
  SpinEdit(int value, int min_value, int max_value, QWidget* parent = nullptr);

  // The value of the current text, as typed (not forced into the limits).
  int Value() const;
  void SetValue(int value);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  bool HasLimits() const { return min_ != max_; }

  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int Clamp(long long value) const;

  int min_;
  int max_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_SPIN_EDIT_H_
