#ifndef VANTREL_UI_QT_EXPERIMENTS_WINDOW_H_
#define VANTREL_UI_QT_EXPERIMENTS_WINDOW_H_

#include <QDialog>
#include <array>

class QPlainTextEdit;
class QTabWidget;
class QToolButton;

namespace vantrel {

// The help window: an introduction and five experiments on tabbed pages. The program makes
// one, hidden, and keeps it for the whole run; closing only hides it, so every showing finds
// the page, position and text (typing included) as the user left them.
class TfrmExperiments final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 573;
  static constexpr int kClientHeight = 297;
  static constexpr int kPageCount = 6;

  explicit TfrmExperiments(QWidget* parent = nullptr);

 public slots:
  // "Close": ends a modal showing with the cancel result and hides the window.
  void SpeedButton1Click();

 private:
  void BuildControls();

  // Controls, named as on the form.
  QToolButton* SpeedButton1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  std::array<QWidget*, kPageCount> TabSheets{};     // TabSheet1 to TabSheet6
  std::array<QPlainTextEdit*, kPageCount> Memos{};  // Memo1 to Memo6
};

}  // namespace vantrel

#endif  // VANTREL_UI_QT_EXPERIMENTS_WINDOW_H_
