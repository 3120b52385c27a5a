#ifndef VANTREL_TESTS_DESKTOP_NOTEBOOK_LAB_WINDOW_FIXTURE_H_
#define VANTREL_TESTS_DESKTOP_NOTEBOOK_LAB_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "desktop/notebook/notebook_window.h"
#include "lab/judge.h"
#include "lab/notebook.h"
#include "lab/notebook_actions.h"
#include "population/evolution.h"
#include "population/population.h"
#include "population/random_source.h"
#include "storage/file_name_dialog.h"
#include "tests/support/fakes.h"
#include "tests/support/spreadsheet_fakes.h"

namespace vantrel::testing {

// Answers with `answer` and counts the questions.
class ScriptedRunsDialog final : public FileNameDialog {
 public:
  std::optional<std::string> AskFileName(const FileQuestion& question) override {
    title = question.title;
    suggested = question.suggested_name;
    ++asked;
    return answer;
  }
  std::vector<std::string> AskFileNames(const FileQuestion& question) override {
    title = question.title;
    ++asked;
    return answers;
  }
  std::optional<std::string> answer;
  std::vector<std::string> answers;  // to a question for several files
  int asked = 0;
  std::string title;      // of the last question
  std::string suggested;  // its file name
};

// The program's side of the window's actions: they change the notebook, and the window then
// refreshes once, as the program's change notice has it do.
class RefreshingActions final : public NotebookActions {
 public:
  explicit RefreshingActions(LabNotebook& notebook) : notebook_(notebook) {}
  bool DeclareReached() override {
    if (!notebook_.DeclareReached()) return false;
    Changed();
    return true;
  }
  void AddRuns(std::vector<Run> runs) override {
    notebook_.AddRuns(std::move(runs));
    Changed();
  }

  void SetPupil(std::string_view name) override {
    notebook_.SetOwner(std::string(name), notebook_.lesson());
    pupil = std::string(name);
  }
  const Learner& learner() const override { return learned; }
  int learner_clicks() const override { return judged; }
  void ResetLearner() override {
    learned.Reset();
    Changed();
  }

  NotebookWindow* window = nullptr;
  std::string pupil;
  Learner learned;  // taught by the tests' clicks
  int judged = 0;   // the learner's own clicks

 private:
  void Changed() {
    if (window != nullptr) window->Refresh();
  }

  LabNotebook& notebook_;
};

inline constexpr std::int64_t kStartTime = 1796765792;  // 2026-12-08 21:36:32 UTC

// A real notebook over a population of nine organisms from a fixed seed, and the notebook
// window over it with recording services, shown.
class LabWindowTest : public ::testing::Test {
 protected:
  LabWindowTest() : grid_(kOrganismColumnCount, 2), random_(7), population_(grid_, random_) {
    population_.SetUpColumns();
    population_.NewGenePool(10);
    grid_.SelectRow(1);
    window_.emplace(notebook_, actions_, NotebookServices{messages_, dialog_, excel_, cursor_});
    actions_.window = &*window_;
    window_->resize(900, 760);
  }

  // The words of the organism on screen, as a goal that it meets.
  Goal GoalOfSelected(const std::vector<Aspect>& aspects) const {
    const OrganismWords words = WordsOfDna(population_.SelectedDna());
    Goal goal;
    for (Aspect aspect : aspects) goal.Set(aspect, words[aspect]);
    goal.text = "the organism on screen";
    return goal;
  }

  // A feed or a shoot as the main window makes it: the table, then the notebook, then the
  // window.
  void Play(Click click) {
    if (click == Click::kFeed) {
      FeedOrganism(population_, 1);
    } else {
      ShootClick(population_, 10);
    }
    notebook_.AfterClick(click);
    window_->Refresh();
  }

  // Lets the coalesced plot update run.
  // Long enough for the plots, which are drawn at most once in 40 ms.
  static void Settle() { QTest::qWait(60); }

  StringGrid grid_;
  LcgRandom random_;
  Population population_;
  LabNotebook notebook_{grid_};
  RefreshingActions actions_{notebook_};
  RecordingMessages messages_;
  ScriptedRunsDialog dialog_;
  std::vector<std::string> excel_log_;
  RecordingSpreadsheet excel_{excel_log_};
  RecordingCursor cursor_{excel_log_};
  std::optional<NotebookWindow> window_;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_DESKTOP_NOTEBOOK_LAB_WINDOW_FIXTURE_H_
