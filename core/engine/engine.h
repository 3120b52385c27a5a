#ifndef VANTREL_ENGINE_ENGINE_H_
#define VANTREL_ENGINE_ENGINE_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/learner_state.h"
#include "engine/run_timeline.h"
#include "history/history.h"
#include "history/journal_store.h"
#include "lab/goal.h"
#include "lab/ideas.h"
#include "lab/lesson.h"
#include "lab/notebook.h"
#include "lab/notebook_actions.h"
#include "population/clock.h"
#include "population/document.h"
#include "population/parameters.h"
#include "population/random_source.h"
#include "storage/table_file.h"

namespace vantrel {

// What one finished action changed, told once to every observer.
struct EngineChange {
  bool table = false;       // cells or the table's size
  bool selection = false;   // the organism shown (the selected row, or its cells)
  bool run = false;         // the notebook's current run is another one
  bool counters = false;    // the current run's counters or goal counts
  bool parameters = false;  // the parameters, as after an undo or a restore
  bool runs = false;        // finished runs joined the run table
  bool learner = false;     // what the learner learned, or its own clicks
};

// The lesson the engine opened last, as the faces show it.
struct OpenLessonState {
  std::string id;      // LessonId of its text; every run from its opening on carries it
  std::string title;   // plain text, shown as text
  int experiment = 0;  // the experiment whose help opens first; 0: none
  bool lock_parameters = false;
  std::string text;  // as opened; the journal keeps it, so a restore opens it again
};

// What OpenLesson did.
struct LessonOpening {
  bool opened = false;
  // What to tell the user, in the current language: NotALessonMessage() when the text is no
  // lesson, the goal's problem when the lesson opened without its goal; else empty.
  std::string message;
};

class EngineObserver {
 public:
  virtual ~EngineObserver() = default;
  virtual void EngineChanged(const EngineChange& change) = 0;
};

// The program below its windows. It owns the document, the history with its record, the
// lab notebook and the parameters, and performs the user's actions; each action that
// changes the table is one step of the history and, for feeds and shots, one click of the
// notebook. Creating it seeds the random source from the clock and makes the first
// population, which history and notebook take as their start.
class Engine final : public NotebookActions, private AnnexSource {
 public:
  Engine(RandomSource& random, const Clock& clock);

  ~Engine() override;

  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // The user's actions. Feed, Shoot and DeclareReached return false when they did nothing.
  void NewGenePool();
  bool Feed();
  bool Shoot();
  // Draws an idea and starts a run aiming for it; the face shows the idea's text.
  Idea NewIdea();
  // Loads a table file; the result says what to tell the user.
  TableFileResult LoadTable(const std::string& path);
  // The same for a file's bytes already read (a web page's upload); `file_name` names them
  // in the result's text.
  TableFileResult LoadTableText(std::string text, const std::string& file_name);
  bool Undo();
  bool Redo();
  // Restores an earlier program run (read from its journal) as one step and its own steps;
  // `finished` are the experiment runs it had measured. The notebook's run of each entry
  // (kept beside it, and beside the base) comes back with it, so the run in progress goes
  // on with its counts and the restored steps undo with theirs. The lesson it had open last
  // is open again, its title, experiment and lock with it (without one kept, the lesson
  // open stays). False when an entry did not fit.
  bool Restore(const Snapshot& base, std::string_view base_annex,
               const std::vector<RunEntry>& entries, std::vector<Run> finished);
  // The user's "Reached" at the current click; false without a goal or once reached.
  bool DeclareReached() override;
  // Sets a parameter (capped as the parameter takes it) and returns the value kept; while a
  // lesson locks the parameters, nothing changes and the value in force comes back.
  int SetParameter(Parameter which, int value);
  void SetParameters(const Parameters& parameters);
  // Shows another organism, as a click on its row does.
  void SelectRow(int row);
  // Opens a lesson from its text (the face has taken it out of the link): one step of the
  // history, as a new gene pool is, that seeds the random source from the lesson's time as
  // the clock at that time would (the same founders), takes its parameters and starts the
  // notebook's run aiming for its goal (none without one). A locked lesson's parameters
  // refuse changes until another lesson opens. Nothing changes when the text is no lesson.
  LessonOpening OpenLesson(std::string_view text);
  // The pupil's name (cleaned by CleanPupilName) for the current run and every run after it.
  void SetPupil(std::string_view name) override;
  // Finished automatic runs join the notebook's run table.
  void AddRuns(std::vector<Run> runs) override;

  // The record of the session. From KeepJournal on, `store` keeps the present table as its
  // base and then every step, undo, redo and note, and the notebook's finished runs
  // whenever they change (the face owns the store and hands it over once it is open).
  // StopJournal keeps the finished runs a last time and lets the store go.
  void KeepJournal(JournalStore& store);
  void StopJournal();
  bool keeps_journal() const { return journal_ != nullptr; }
  // Restores a run read back from a store (ReadJournal) as Restore does, its finished runs
  // joining the notebook; what the restore writes lands in the journal as one batch. False
  // and `message` when its base cannot be read; `message` also tells of a damaged end or of
  // entries that did not fit, after what could be read is back.
  bool RestoreJournal(const StoredJournal& stored, std::vector<Run> finished, std::string& message);
  // The learner ("What you select for", core/lab/learner.h) learns from every feed (kept)
  // and shot (rejected) of the organism shown, inside the click's step: undo forgets what
  // the click taught, redo teaches it again, and the journal keeps it beside each entry, so
  // a restore brings it back. A new gene pool or a load keeps it; a new idea or a lesson
  // starts it afresh, and so does ResetLearner (no step: the journal notes it).
  const Learner& learner() const override { return learner_.learner; }
  // The learner's own clicks in the current run ("Judge like me"); the run's clicks less
  // these are the user's.
  int learner_clicks() const override { return learner_.judged_clicks; }
  // The chance, 0 to 1, that the user keeps the organism in `row`; nothing for a row
  // outside the table's organisms.
  std::optional<double> ChanceKept(int row) const;
  void ResetLearner() override;
  // "Judge like me": the learner clicks on the organism shown as the user would, feeding
  // what it predicts kept and shooting the rest, and learns nothing from its own clicks.
  // From StartJudging to StopJudging its clicks are ONE step of the history (one undo takes
  // all of them back), however many JudgeMore calls the face makes at its own pace; each
  // call is one change for the observers. Any other action stops the judging first, so a
  // step is never left open. StartJudging is false without organisms or while judging.
  bool StartJudging();
  // Returns the clicks made: none when not judging or for `clicks` < 1.
  int JudgeMore(int clicks);
  void StopJudging();
  bool judging() const { return judging_; }
  // StartJudging, JudgeMore(`clicks`) and StopJudging at once.
  int JudgeLikeMe(int clicks);

  // What the faces read.
  const Parameters& parameters() const { return parameters_; }
  bool parameters_locked() const { return lesson_ && lesson_->lock_parameters; }
  // The lesson opened last; nothing before the first.
  const std::optional<OpenLessonState>& lesson() const { return lesson_; }
  Document& document() { return document_; }
  const Document& document() const { return document_; }
  const StringGrid& grid() const { return document_.grid(); }
  StringGrid& grid() { return document_.grid(); }
  Population& population() { return document_.population(); }
  History& history() { return history_; }
  const History& history() const { return history_; }
  LabNotebook& notebook() { return notebook_; }
  const LabNotebook& notebook() const { return notebook_; }
  bool HasOrganisms() const { return document_.grid().HasBodyRows(); }

  void AddObserver(EngineObserver* observer);
  void RemoveObserver(EngineObserver* observer);

 private:
  class Action;

  static Document& StartFirstPopulation(Document& document, const Clock& clock);
  // A load as one step: `fill` sets a table of its own and says how that went; a table it
  // filled takes the grid's place.
  template <typename Fill>
  TableFileResult LoadWith(Fill fill);
  // The notebook's current run changed without a step ("Reached"): the moment and the
  // journal take it over.
  void NotebookChanged();
  // Tells the notebook of parameters changed since its last click.
  void NoteParameterChanges();
  void StartRun();
  void StartRun(Goal goal);
  // One undo or redo (`move`), with the moment's run and parameters.
  bool Travel(bool (History::*move)());
  // After a step, undo or redo: the timeline follows the history's position.
  void FollowHistory(bool step_started_run);
  // The runs kept beside restored entries join the notebook; false when none was kept.
  bool RestoreRuns(std::string_view base_annex, const std::vector<RunEntry>& entries,
                   const std::vector<int>& positions, std::vector<Run>& finished);
  // AnnexSource: the notebook's current run with its goal.
  std::string Annex() const override;
  void Notify(const EngineChange& change);
  // The finished runs changed: the journal keeps them.
  void KeepFinishedRuns();
  // Closes the judging's step, as StopJudging does, inside the action that calls it.
  void FinishJudging();
  // The learner's state is recorded for the history's present position after every step.
  void RecordLearner();
  // The learner of each position a restore went through, from the annexes kept.
  void RestoreLearner(std::string_view base_annex, const std::vector<RunEntry>& entries,
                      const std::vector<int>& positions);

  const Clock& clock_;
  Document document_;
  History history_;
  LabNotebook notebook_;
  RunTimeline timeline_;
  Parameters parameters_ = kStartParameters;
  Parameters noted_parameters_ = kStartParameters;  // as the notebook last knew them
  std::vector<EngineObserver*> observers_;
  std::optional<OpenLessonState> lesson_;
  std::unique_ptr<JournalKeeper> journal_;
  LearnerState learner_;
  std::vector<LearnerState> learner_moments_;  // by the history's position
  bool judging_ = false;                       // a judging step is open
};

}  // namespace vantrel

#endif  // VANTREL_ENGINE_ENGINE_H_
