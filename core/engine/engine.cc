#include "engine/engine.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "engine/run_bytes.h"
#include "history/journal_texts.h"
#include "lab/goal_words.h"
#include "lab/run_csv.h"
#include "population/evolution.h"

namespace vantrel {

namespace {

// A lesson of `text` as the engine keeps it open.
OpenLessonState LessonStateOf(std::string_view text, const Lesson& lesson) {
  return OpenLessonState{LessonId(text), lesson.title, lesson.experiment, lesson.lock_parameters,
                         std::string(text)};
}

// The lesson the restored program run had open last: the newest text kept beside the
// entries restored (`positions` has one more than those) or beside their base. Nothing when
// none was kept: a run without a lesson, or a journal from before lessons were kept.
std::optional<OpenLessonState> KeptLesson(std::string_view base_annex,
                                          const std::vector<RunEntry>& entries,
                                          const std::vector<int>& positions) {
  std::optional<std::string_view> text = SplitAnnex(base_annex).lesson_text;
  const std::size_t restored = positions.empty() ? 0 : positions.size() - 1;
  for (std::size_t i = 0; i < restored && i < entries.size(); ++i) {
    if (const std::optional<std::string_view> kept = SplitAnnex(entries[i].annex).lesson_text) {
      text = kept;
    }
  }
  if (!text) return std::nullopt;
  const ParsedLesson parsed = ParseLesson(*text);
  if (!parsed.lesson) return std::nullopt;
  return LessonStateOf(*text, *parsed.lesson);
}

}  // namespace

// One action: when it ends the observers hear once what it changed.
class Engine::Action {
 public:
  explicit Action(Engine& engine) : engine_(engine) {}
  ~Action() {
    if (change.table || change.selection || change.run || change.counters || change.parameters ||
        change.runs || change.learner) {
      engine_.Notify(change);
    }
  }
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

  EngineChange change;

 private:
  Engine& engine_;
};

Engine::Engine(RandomSource& random, const Clock& clock)
    : clock_(clock),
      document_(random),
      history_(StartFirstPopulation(document_, clock), clock, kStartParameters),
      notebook_(document_.grid()) {
  StartRun();
  timeline_.Record(0, notebook_, true);
  RecordLearner();
  history_.set_annex_source(this);
}

Engine::~Engine() {
  journal_.reset();
  history_.set_annex_source(nullptr);
}

void Engine::KeepJournal(JournalStore& store) {
  journal_ = std::make_unique<JournalKeeper>(history_, store);
  KeepFinishedRuns();
}

void Engine::StopJournal() {
  if (!journal_) return;
  KeepFinishedRuns();
  journal_.reset();
}

void Engine::KeepFinishedRuns() {
  if (journal_) journal_->store().KeepFinishedRuns(RunsCsv(notebook_.runs().runs()));
}

bool Engine::RestoreJournal(const StoredJournal& stored, std::vector<Run> finished,
                            std::string& message) {
  const std::optional<RunContents> contents = ReadJournal(stored, message);
  if (!contents) return false;
  if (journal_) journal_->store().BeginBatch();
  const bool whole =
      Restore(contents->base, contents->base_annex, contents->entries, std::move(finished));
  if (journal_) journal_->store().EndBatch();
  // A damaged end was told by ReadJournal; what could be read is back.
  if (!whole) message = JournalBreaksOffText(stored.name);
  return true;
}

std::string Engine::Annex() const {
  const Run* run = notebook_.current_run();
  const std::string_view lesson_text = lesson_ ? std::string_view(lesson_->text) : "";
  if (run == nullptr) return JoinAnnex(learner_, {}, lesson_text);
  return JoinAnnex(learner_, EncodeRunState({*run, notebook_.goal()}), lesson_text);
}

Document& Engine::StartFirstPopulation(Document& document, const Clock& clock) {
  document.random().Seed(clock.MillisecondsSinceMidnightUtc());
  document.population().SetUpColumns();
  document.population().NewGenePool(kStartParameters.start_organisms);
  return document;
}

void Engine::StartRun() {
  noted_parameters_ = parameters_;
  learner_.judged_clicks = 0;
  notebook_.StartRun(parameters_, clock_.UnixMilliseconds() / 1000);
}

void Engine::StartRun(Goal goal) {
  noted_parameters_ = parameters_;
  learner_.judged_clicks = 0;
  notebook_.StartRun(std::move(goal), parameters_, clock_.UnixMilliseconds() / 1000);
}

void Engine::NoteParameterChanges() {
  for (const Parameter which :
       {Parameter::kPopulation, Parameter::kCreativity, Parameter::kBonus}) {
    if (parameters_.Get(which) != noted_parameters_.Get(which)) {
      notebook_.ParameterChanged(which, parameters_.Get(which));
    }
  }
  noted_parameters_ = parameters_;
}

void Engine::FollowHistory(bool step_started_run) {
  timeline_.Record(static_cast<std::size_t>(history_.position()), notebook_, step_started_run);
  RecordLearner();
}

void Engine::RecordLearner() {
  learner_moments_.resize(static_cast<std::size_t>(history_.position()));
  learner_moments_.push_back(learner_);
}

void Engine::NewGenePool() {
  FinishJudging();
  Action action(*this);
  {
    const HistoryStep step(history_, StepKind::kNewGenePool, parameters_);
    population().NewGenePool(parameters_.start_organisms);
    StartRun();
  }
  FollowHistory(true);
  action.change = {true, true, true, true, false};
}

bool Engine::Feed() {
  FinishJudging();
  if (!HasOrganisms()) return false;
  Action action(*this);
  NoteParameterChanges();
  {
    const HistoryStep step(history_, StepKind::kFeed, parameters_);
    learner_.learner.Learn(WordsOfDna(population().SelectedDna()), true);
    FeedOrganism(population(), parameters_.bonus);
    notebook_.AfterClick(Click::kFeed);
  }
  FollowHistory(false);
  action.change = {true, true, false, true, false};
  action.change.learner = true;
  return true;
}

bool Engine::Shoot() {
  FinishJudging();
  if (!HasOrganisms()) return false;
  Action action(*this);
  NoteParameterChanges();
  {
    const HistoryStep step(history_, StepKind::kShoot, parameters_);
    learner_.learner.Learn(WordsOfDna(population().SelectedDna()), false);
    history_.RecordBirth(GenerateOrganism(population(), parameters_.creativity));
    population().SelectRandomRow();
    notebook_.AfterClick(Click::kShoot);
  }
  FollowHistory(false);
  action.change = {true, true, false, true, false};
  action.change.learner = true;
  return true;
}

Idea Engine::NewIdea() {
  FinishJudging();
  Action action(*this);
  Idea idea;
  {
    const HistoryStep step(history_, StepKind::kIdea, parameters_);
    idea = MakeIdea(document_.random());
    learner_.learner.Reset();
    // A new idea is a new experiment run on the population as it stands, aiming for it.
    StartRun(GoalFromIdea(idea.words));
  }
  FollowHistory(true);
  action.change = {false, false, true, true, false};
  action.change.learner = true;
  return idea;
}

template <typename Fill>
TableFileResult Engine::LoadWith(Fill fill) {
  FinishJudging();
  Action action(*this);
  // The file fills a table of its own, which then takes the grid's place whole: the step
  // keeps the table it replaced as it was, not a record of every cell.
  StringGrid loaded(1, 1);
  CopyFixedColumn(document_.grid(), loaded);
  TableFileResult result = fill(loaded);
  if (!result.ok()) return result;
  const int position_before = history_.position();
  {
    const HistoryStep step(history_, StepKind::kLoad, parameters_);
    history_.ReplaceTable(loaded);
    population().NameUnnamedRows();
    StartRun();
  }
  const bool stepped = history_.position() != position_before;
  FollowHistory(true);
  action.change = {stepped, stepped, true, true, false};
  return result;
}

TableFileResult Engine::LoadTable(const std::string& path) {
  return LoadWith([&path](StringGrid& grid) { return LoadTableFile(grid, path); });
}

TableFileResult Engine::LoadTableText(std::string text, const std::string& file_name) {
  return LoadWith([&text, &file_name](StringGrid& grid) {
    return vantrel::LoadTableText(grid, std::move(text), file_name);
  });
}

bool Engine::Undo() { return Travel(&History::Undo); }

bool Engine::Redo() { return Travel(&History::Redo); }

bool Engine::Travel(bool (History::*move)()) {
  FinishJudging();
  const auto from = static_cast<std::size_t>(history_.position());
  Action action(*this);
  if (!(history_.*move)()) return false;
  timeline_.Move(from, static_cast<std::size_t>(history_.position()), notebook_);
  const auto to = static_cast<std::size_t>(history_.position());
  if (to < learner_moments_.size()) learner_ = learner_moments_[to];
  parameters_ = noted_parameters_ = history_.parameters();
  action.change = {true, true, true, true, true};
  action.change.learner = true;
  return true;
}

bool Engine::Restore(const Snapshot& base, std::string_view base_annex,
                     const std::vector<RunEntry>& entries, std::vector<Run> finished) {
  FinishJudging();
  Action action(*this);
  std::vector<int> positions;
  const bool whole = history_.Restore(base, entries, &positions);
  parameters_ = noted_parameters_ = history_.parameters();
  RestoreLearner(base_annex, entries, positions);
  if (std::optional<OpenLessonState> kept = KeptLesson(base_annex, entries, positions)) {
    lesson_ = std::move(kept);
  }
  if (!RestoreRuns(base_annex, entries, positions, finished)) {
    // Nothing was kept beside the entries: the runs of that program run join this one's
    // run table, and a new run starts on the restored population.
    notebook_.AddRuns(std::move(finished));
    StartRun();
    FollowHistory(true);
  }
  action.change = {true, true, true, true, true};
  action.change.learner = true;
  return whole;
}

bool Engine::RestoreRuns(std::string_view base_annex, const std::vector<RunEntry>& entries,
                         const std::vector<int>& positions, std::vector<Run>& finished) {
  // The run state at each position the restore went through, as the entries kept it.
  std::map<int, RunState> at;
  bool any = false;
  RunState state;
  if (DecodeRunState(SplitAnnex(base_annex).run_state, state)) {
    at[positions.front()] = state;
    any = true;
  }
  for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
    const RunEntry& entry = entries[i];
    const int position = positions[i + 1];
    if (entry.type == RunEntry::kStep) {
      at.erase(at.upper_bound(position - 1), at.end());
      const auto before = at.find(position - 1);
      if (DecodeRunState(SplitAnnex(entry.annex).run_state, state)) {
        at[position] = state;
        any = true;
      } else if (before != at.end()) {
        at[position] = before->second;
      }
    } else if (entry.type == RunEntry::kNote &&
               DecodeRunState(SplitAnnex(entry.annex).run_state, state)) {
      at[position] = state;
      any = true;
    }
  }
  if (!any) return false;

  // Every run met gets an identity of this program run; the finished runs of the table
  // kept with the journal give way to the states kept beside the entries.
  std::map<std::uint32_t, std::uint32_t> ids;
  std::map<std::uint32_t, RunState> latest;
  std::vector<int> numbers;
  const int present = positions.back();
  for (auto& [position, kept] : at) {
    if (ids.emplace(kept.run.id, 0).second) numbers.push_back(kept.run.number);
    if (position <= present || latest.count(kept.run.id) == 0) latest[kept.run.id] = kept;
  }
  finished.erase(std::remove_if(finished.begin(), finished.end(),
                                [&numbers](const Run& run) {
                                  return std::find(numbers.begin(), numbers.end(), run.number) !=
                                         numbers.end();
                                }),
                 finished.end());
  notebook_.AddRuns(std::move(finished));
  for (auto& [old_id, new_id] : ids) {
    new_id = notebook_.NewRunId();
    notebook_.RememberGoal(new_id, latest[old_id].goal);
  }
  // The runs in reach of the present position join the table, the present one last.
  const auto current = at.upper_bound(present);
  std::uint32_t present_id = 0;
  if (current != at.begin()) present_id = std::prev(current)->second.run.id;
  std::set<std::uint32_t> in_reach;
  for (auto it = at.begin(); it != current; ++it) in_reach.insert(it->second.run.id);
  for (auto& [old_id, kept] : latest) {
    if (in_reach.count(old_id) == 0 || old_id == present_id) continue;
    Run run = kept.run;
    run.id = ids[old_id];
    notebook_.PutBackRun(run);
  }
  // The timeline from the restore on, so that undo and redo bring each moment's run back.
  std::uint32_t previous = 0;
  std::optional<Run> carried;
  for (int position = positions.front(); position <= history_.StepCount(); ++position) {
    const auto kept = at.find(position);
    if (kept != at.end()) {
      carried = kept->second.run;
      carried->id = ids[kept->second.run.id];
    }
    if (!carried) continue;
    if (position == present) notebook_.PutBackRun(*carried);
    timeline_.Record(static_cast<std::size_t>(position), *carried,
                     position == positions.front() || carried->id != previous);
    previous = carried->id;
  }
  return true;
}

bool Engine::DeclareReached() {
  FinishJudging();
  if (!notebook_.DeclareReached()) return false;
  NotebookChanged();
  return true;
}

int Engine::SetParameter(Parameter which, int value) {
  if (parameters_locked()) return parameters_.Get(which);
  const int capped = CapParameter(which, value);
  parameters_.Set(which, capped);
  return capped;
}

void Engine::SetParameters(const Parameters& parameters) {
  if (!parameters_locked()) parameters_ = Capped(parameters);
}

LessonOpening Engine::OpenLesson(std::string_view text) {
  FinishJudging();
  const ParsedLesson parsed = ParseLesson(text);
  if (!parsed.lesson) return {false, NotALessonMessage()};
  const Lesson& lesson = *parsed.lesson;
  Action action(*this);
  lesson_ = LessonStateOf(text, lesson);
  if (lesson.parameters) parameters_ = Capped(*lesson.parameters);
  {
    const HistoryStep step(history_, StepKind::kNewGenePool, parameters_);
    // As the program starts from its clock: the same seed, the same founders.
    document_.random().Seed(lesson.start_ms);
    population().NewGenePool(parameters_.start_organisms);
    notebook_.SetOwner(notebook_.pupil(), lesson_->id);
    learner_.learner.Reset();
    StartRun(lesson.goal.value_or(Goal{}));
  }
  FollowHistory(true);
  action.change = {true, true, true, true, true};
  action.change.learner = true;
  return {true, parsed.goal_problem};
}

void Engine::SetPupil(std::string_view name) {
  FinishJudging();
  notebook_.SetOwner(CleanPupilName(name), notebook_.lesson());
  NotebookChanged();
}

void Engine::SelectRow(int row) {
  if (row < 1 || row >= document_.grid().RowCount() || row == document_.grid().SelectedRow()) {
    return;
  }
  Action action(*this);
  document_.grid().SelectRow(row);
  action.change.selection = true;
}

void Engine::NotebookChanged() {
  Action action(*this);
  timeline_.Update(static_cast<std::size_t>(history_.position()), notebook_);
  history_.Note();
  action.change.counters = true;
}

void Engine::AddRuns(std::vector<Run> runs) {
  Action action(*this);
  for (Run& run : runs) {
    run.pupil = notebook_.pupil();
    run.lesson = notebook_.lesson();
  }
  notebook_.AddRuns(std::move(runs));
  action.change.counters = true;
  action.change.runs = true;
}

void Engine::RestoreLearner(std::string_view base_annex, const std::vector<RunEntry>& entries,
                            const std::vector<int>& positions) {
  if (positions.empty()) return;
  // As RestoreRuns: the state each position had, a step dropping the moments beyond it. An
  // entry without a learner (a journal from before it) carries the one before it on.
  std::map<int, LearnerState> at;
  at[positions.front()] = SplitAnnex(base_annex).learner.value_or(learner_);
  for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
    const RunEntry& entry = entries[i];
    const int position = positions[i + 1];
    const std::optional<LearnerState> kept = SplitAnnex(entry.annex).learner;
    if (entry.type == RunEntry::kStep) {
      at.erase(at.upper_bound(position - 1), at.end());
      const auto after = at.upper_bound(position - 1);
      at[position] = kept.value_or(after == at.begin() ? learner_ : std::prev(after)->second);
    } else if (entry.type == RunEntry::kNote && kept) {
      at[position] = *kept;
    }
  }
  learner_moments_.resize(static_cast<std::size_t>(positions.front()));
  LearnerState carried = at.begin()->second;
  for (int position = positions.front(); position <= history_.StepCount(); ++position) {
    const auto kept = at.find(position);
    if (kept != at.end()) carried = kept->second;
    learner_moments_.push_back(carried);
  }
  learner_ = learner_moments_[static_cast<std::size_t>(positions.back())];
}

std::optional<double> Engine::ChanceKept(int row) const {
  const StringGrid& grid = document_.grid();
  if (row < 1 || row >= grid.RowCount()) return std::nullopt;
  return learner_.learner.ChanceKeptDna(grid.Cell(kDnaColumn, row));
}

void Engine::ResetLearner() {
  FinishJudging();
  Action action(*this);
  learner_.learner.Reset();
  const auto position = static_cast<std::size_t>(history_.position());
  if (position < learner_moments_.size()) learner_moments_[position] = learner_;
  history_.Note();
  action.change.learner = true;
}

bool Engine::StartJudging() {
  if (judging_ || !HasOrganisms()) return false;
  NoteParameterChanges();
  history_.BeginStep(StepKind::kShoot, parameters_);
  judging_ = true;
  return true;
}

int Engine::JudgeMore(int clicks) {
  if (!judging_ || clicks < 1) return 0;
  Action action(*this);
  int made = 0;
  for (; made < clicks && HasOrganisms(); ++made) {
    if (learner_.learner.PredictsKept(WordsOfDna(population().SelectedDna()))) {
      FeedOrganism(population(), parameters_.bonus);
      notebook_.AfterClick(Click::kFeed);
    } else {
      history_.RecordBirth(GenerateOrganism(population(), parameters_.creativity));
      population().SelectRandomRow();
      notebook_.AfterClick(Click::kShoot);
    }
    ++learner_.judged_clicks;
  }
  action.change = {true, true, false, true, false};
  action.change.learner = true;
  return made;
}

void Engine::StopJudging() {
  if (!judging_) return;
  Action action(*this);
  FinishJudging();
  action.change = {true, true, false, true, false};
  action.change.learner = true;
}

void Engine::FinishJudging() {
  if (!judging_) return;
  judging_ = false;
  history_.EndStep();
  FollowHistory(false);
}

int Engine::JudgeLikeMe(int clicks) {
  if (clicks < 1 || !StartJudging()) return 0;
  const int made = JudgeMore(clicks);
  StopJudging();
  return made;
}

void Engine::AddObserver(EngineObserver* observer) { observers_.push_back(observer); }

void Engine::RemoveObserver(EngineObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Engine::Notify(const EngineChange& change) {
  // Finished runs change only when a run starts or automatic runs arrive; the current
  // run's counters follow at the next run start or when the journal stops.
  if (change.run || change.runs) KeepFinishedRuns();
  // A copy: an observer may remove itself.
  const std::vector<EngineObserver*> observers = observers_;
  for (EngineObserver* observer : observers) observer->EngineChanged(change);
}

}  // namespace vantrel
