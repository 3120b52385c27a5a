#ifndef VANTREL_DESKTOP_NOTEBOOK_SELECTED_FOR_PANEL_H_
#define VANTREL_DESKTOP_NOTEBOOK_SELECTED_FOR_PANEL_H_

#include <QGroupBox>
#include <QString>

#include "lab/notebook.h"
#include "lab/notebook_actions.h"

class QLabel;
class QPushButton;

namespace vantrel {

// The notebook's "What you select for": the traits the learner weighs most, each with its
// strength, how often it predicted the user's latest clicks, the user's clicks apart from
// those "Judge like me" made, and the button that makes the learner forget. Its texts are
// plain text; each label's accessible name is its visible words, so that a screen reader
// hears them change with every click.
class SelectedForPanel final : public QGroupBox {
  Q_OBJECT

 public:
  // `notebook` and `actions` must outlive the panel.
  SelectedForPanel(const LabNotebook& notebook, NotebookActions& actions,
                   QWidget* parent = nullptr);

  // Shows what the learner knows now; once per change of the notebook while it is seen.
  void Refresh();

  // The visible words, for the program's tests.
  QString traits_text() const;
  QString accuracy_text() const;
  QString clicks_text() const;
  QPushButton* forget_button() const { return forget_; }

 private:
  const LabNotebook& notebook_;
  NotebookActions& actions_;
  QLabel* traits_;
  QLabel* accuracy_;
  QLabel* clicks_;
  QPushButton* forget_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_SELECTED_FOR_PANEL_H_
