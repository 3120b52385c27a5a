#ifndef VANTREL_DESKTOP_NOTEBOOK_AUTO_RUN_PANEL_H_
#define VANTREL_DESKTOP_NOTEBOOK_AUTO_RUN_PANEL_H_

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "lab/batch.h"
#include "lab/notebook.h"
#include "lab/notebook_actions.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace vantrel {

class BatchRunner;
class StableDistributionView;

// "Run automatically": the judge plays the goal many times over, on a worker thread, and
// the finished runs join the notebook's run table through `actions`. The choices are those of the
// command-line lab: the goal's words (the current idea's by default), the conditions
// (population, creativity, bonus and strictness; the parameter boxes by default), runs per
// condition, the click limit and the seed. Every choice is a list or a number box, so the
// program's letter keys keep working here.
class AutoRunPanel final : public QWidget {
  Q_OBJECT

 public:
  // `notebook` and `actions` must outlive the panel.
  AutoRunPanel(const LabNotebook& notebook, NotebookActions& actions, QWidget* parent = nullptr);
  ~AutoRunPanel() override;

  AutoRunPanel(const AutoRunPanel&) = delete;
  AutoRunPanel& operator=(const AutoRunPanel&) = delete;

  // Follows the notebook's goal until the user picks words of their own.
  void Refresh();
  // The parameter boxes: the condition offered, and the one condition played until the
  // user edits the list.
  void SetConditionDefaults(const Parameters& parameters);

  // The sweep the choices describe, or why they describe none.
  struct Choice {
    BatchPlan plan;
    QString error;
  };
  Choice PlanOfChoices() const;

  BatchRunner& runner() const { return *runner_; }
  QComboBox* word_box(Aspect aspect) const { return word_boxes_[static_cast<int>(aspect)]; }
  QSpinBox* population_box() const { return population_; }
  QDoubleSpinBox* strictness_box() const { return strictness_; }
  QListWidget* conditions() const { return conditions_list_; }
  QSpinBox* runs_box() const { return runs_; }
  QSpinBox* max_clicks_box() const { return max_clicks_; }
  QSpinBox* seed_box() const { return seed_; }
  QPushButton* run_button() const { return run_button_; }
  QPushButton* cancel_button() const { return cancel_button_; }
  QProgressBar* progress() const { return progress_; }
  QLabel* status() const { return status_; }
  StableDistributionView* distribution() const { return distribution_; }

 public slots:
  void onRunClicked();
  void onCancelClicked();
  void onAddConditionClicked();
  void onRemoveConditionClicked();
  void onUseIdeaClicked();

 signals:
  // `count` finished automatic runs joined the notebook's run table.
  void runsAdded(int count);

 private:
  struct ConditionChoice {
    Parameters parameters;
    double strictness = 1.0;
  };

  QWidget* MakeGoalBox();
  QWidget* MakeConditionsBox();
  QWidget* MakeRunsBox();
  void ShowGoal(const Goal& goal);
  void ShowConditions();
  void ShowPlanSize();
  void SetRunning(bool running);
  void BatchProgressed(int done, int total);
  void BatchFinished(bool cancelled);

  const LabNotebook& notebook_;
  NotebookActions& actions_;
  BatchRunner* runner_;
  std::array<QComboBox*, kAspectCount> word_boxes_{};
  QSpinBox* population_;
  QSpinBox* creativity_;
  QSpinBox* bonus_;
  QDoubleSpinBox* strictness_;
  QListWidget* conditions_list_;
  QSpinBox* runs_;
  QSpinBox* max_clicks_;
  QSpinBox* seed_;
  QPushButton* run_button_;
  QPushButton* cancel_button_;
  QProgressBar* progress_;
  QLabel* status_;
  StableDistributionView* distribution_;
  std::vector<QWidget*> choice_boxes_;  // disabled while a sweep runs

  std::vector<ConditionChoice> condition_choices_;
  bool conditions_edited_ = false;
  bool goal_edited_ = false;
  std::array<int, kAspectCount> followed_goal_{};  // the notebook goal's words last shown
  QElapsedTimer clock_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_AUTO_RUN_PANEL_H_
