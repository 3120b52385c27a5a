#ifndef VANTREL_DESKTOP_UI_EXPERIMENTS_DIALOG_H_
#define VANTREL_DESKTOP_UI_EXPERIMENTS_DIALOG_H_

#include <QDialog>
#include <array>

#include "messages/experiment_pages.h"

class QPlainTextEdit;
class QTabWidget;
class QToolButton;

namespace vantrel {

// The help window: an introduction and five experiments on tabbed pages. The program makes
// one, hidden, and keeps it for the whole run; closing only hides it, so every showing finds
// the page, position and text (typing included) as the user left them.
class ExperimentsDialog final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 573;
  static constexpr int kClientHeight = 297;
  static constexpr int kPageCount = kExperimentPageCount;

  explicit ExperimentsDialog(QWidget* parent = nullptr);

  // Turns to experiment `number` (1 to 5; the introduction is the first page).
  void ShowExperiment(int number);
  int CurrentPage() const;

 public slots:
  // "Close": ends a modal showing with the cancel result and hides the window.
  void onCloseClicked();

 private:
  void BuildControls();
  // In languages other than English: layouts that fit the texts instead of the form's
  // fixed geometry.
  void ArrangeByLayout();

  // Controls, named as on the form.
  QToolButton* close_button_ = nullptr;
  QTabWidget* pages_ = nullptr;
  std::array<QWidget*, kPageCount> page_sheets_{};        // TabSheet1 to TabSheet6
  std::array<QPlainTextEdit*, kPageCount> page_texts_{};  // Memo1 to Memo6
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_EXPERIMENTS_DIALOG_H_
