#include "web/session.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "gallery/organism_texts.h"
#include "lab/goal_list.h"
#include "lab/idea_wording.h"
#include "lab/run_csv.h"
#include "messages/messages.h"
#include "organism/raster.h"
#include "population/population.h"
#include "storage/spreadsheet.h"
#include "storage/table_file.h"
#include "web/pinned_clock.h"

namespace vantrel {

WebSession::WebSession(std::unique_ptr<Clock> clock)
    : clock_(std::move(clock)), engine_(random_, *clock_) {
  engine_.AddObserver(this);
}

WebSession::~WebSession() {
  engine_.StopJournal();
  engine_.RemoveObserver(this);
}

void WebSession::EngineChanged(const EngineChange& change) { last_change_ = change; }

template <typename Action>
EngineChange WebSession::Changed(Action action) {
  last_change_ = {};
  action();
  return last_change_;
}

EngineChange WebSession::NewGenePool() {
  return Changed([this] { engine_.NewGenePool(); });
}

EngineChange WebSession::Feed() {
  return Changed([this] { engine_.Feed(); });
}

EngineChange WebSession::Shoot() {
  return Changed([this] { engine_.Shoot(); });
}

EngineChange WebSession::NewIdea() {
  return Changed([this] { idea_ = engine_.NewIdea().words; });
}

EngineChange WebSession::Undo() {
  return Changed([this] { engine_.Undo(); });
}

EngineChange WebSession::Redo() {
  return Changed([this] { engine_.Redo(); });
}

EngineChange WebSession::SelectRow(int row) {
  return Changed([this, row] { engine_.SelectRow(row); });
}

LoadOutcome WebSession::LoadTable(std::string bytes, const std::string& file_name) {
  LoadOutcome outcome;
  outcome.change = Changed([&] {
    const TableFileResult result = engine_.LoadTableText(std::move(bytes), file_name);
    outcome.ok = result.ok();
    outcome.error_report = result.IsErrorReport();
    // A failure the program did not handle itself reads as the desktop's error report.
    outcome.message = outcome.error_report ? ErrorReportText(result.text) : result.text;
    outcome.status = result.status_line;
  });
  return outcome;
}

EngineChange WebSession::OpenLesson(std::string_view text, LessonOpening& opening) {
  return Changed([&] { opening = engine_.OpenLesson(text); });
}

EngineChange WebSession::SetPupil(std::string_view name) {
  return Changed([&] { engine_.SetPupil(name); });
}

EngineChange WebSession::ResetLearner() {
  return Changed([this] { engine_.ResetLearner(); });
}

bool WebSession::StartJudging() { return engine_.StartJudging(); }

EngineChange WebSession::JudgeMore(int clicks) {
  return Changed([this, clicks] { engine_.JudgeMore(clicks); });
}

EngineChange WebSession::StopJudging() {
  return Changed([this] { engine_.StopJudging(); });
}

EngineChange WebSession::DeclareReached() {
  return Changed([this] { engine_.DeclareReached(); });
}

int WebSession::AddRuns(std::string_view runs_csv, int& first_number) {
  std::vector<Run> runs = ParseRunsCsv(runs_csv);
  first_number = static_cast<int>(engine_.notebook().runs().runs().size()) + 1;
  const int count = static_cast<int>(runs.size());
  if (count > 0) Changed([this, &runs] { engine_.AddRuns(std::move(runs)); });
  return count;
}

Parameters WebSession::SetParameters(const ParameterNumbers& numbers) {
  const Parameters& now = engine_.parameters();
  engine_.SetParameters({WholeNumber(numbers.start_organisms, now.start_organisms),
                         WholeNumber(numbers.creativity, now.creativity),
                         WholeNumber(numbers.bonus, now.bonus)});
  return engine_.parameters();
}

std::string WebSession::TableBytes() const { return TableFileText(engine_.grid()); }

int WebSession::RowCount() const { return engine_.grid().RowCount() - 1; }

std::vector<TableRow> WebSession::Rows(int first, int count) const {
  const StringGrid& grid = engine_.grid();
  first = std::max(first, 1);
  const int end = static_cast<int>(
      std::min<long long>(static_cast<long long>(first) + std::max(count, 0), grid.RowCount()));
  std::vector<TableRow> rows;
  for (int row = first; row < end; ++row) {
    rows.push_back({grid.Cell(kIdColumn, row), grid.Cell(kP1Column, row), grid.Cell(kP2Column, row),
                    grid.Cell(kDnaColumn, row), grid.Cell(kSurvivalColumn, row)});
  }
  return rows;
}

std::vector<std::string> WebSession::ColumnTitles() const {
  const StringGrid& grid = engine_.grid();
  std::vector<std::string> titles;
  for (int col = 0; col < grid.ColCount(); ++col) {
    const std::string& text = grid.Cell(col, 0);
    titles.push_back(TranslatedColumnTitle(text).value_or(Latin1ToUtf8(text)));
  }
  return titles;
}

std::vector<std::vector<std::string>> WebSession::ShownRows(int first, int count) const {
  const StringGrid& grid = engine_.grid();
  first = std::max(first, 1);
  const int end = static_cast<int>(
      std::min<long long>(static_cast<long long>(first) + std::max(count, 0), grid.RowCount()));
  std::vector<std::vector<std::string>> rows;
  for (int row = first; row < end; ++row) {
    std::vector<std::string>& cells = rows.emplace_back();
    for (int col = 0; col < grid.ColCount(); ++col)
      cells.push_back(Latin1ToUtf8(grid.Cell(col, row)));
  }
  return rows;
}

int WebSession::SelectedRow() const { return engine_.grid().SelectedRow(); }

SessionCounters WebSession::Counters() const {
  SessionCounters counters;
  counters.organism_counter = engine_.document().population().counter();
  if (const Run* run = engine_.notebook().current_run()) {
    counters.run_number = run->number;
    counters.feeds = run->feeds;
    counters.shots = run->shots;
    counters.clicks = run->clicks();
    counters.first_match_click = run->first_match_click.value_or(-1);
    counters.stable_click = run->stable_click.value_or(-1);
  }
  counters.organisms = engine_.notebook().goal_counts().organisms();
  counters.matching = engine_.notebook().goal_counts().matching();
  counters.can_undo = engine_.history().CanUndo();
  counters.can_redo = engine_.history().CanRedo();
  return counters;
}

std::vector<std::uint8_t> WebSession::OrganismRgba(double size, double device_pixel_ratio) const {
  const StringGrid& grid = engine_.grid();
  return PictureRgba(grid.Cell(kDnaColumn, grid.SelectedRow()), size, device_pixel_ratio);
}

std::vector<std::uint8_t> WebSession::PictureRgba(const std::string& dna, double size,
                                                  double device_pixel_ratio) {
  return RgbaBytes(DrawOrganismPicture(dna, PictureSide(size, device_pixel_ratio)));
}

std::string WebSession::Tooltip(int row) const {
  if (row < 1 || row > RowCount()) return "";
  return OrganismTooltip(engine_.grid(), row);
}

std::string WebSession::OrganismWords() const { return engine_.notebook().DescribeSelected(); }

std::string WebSession::idea() const { return idea_ ? IdeaText(*idea_) : std::string(); }

const std::string& WebSession::Goal() const { return engine_.notebook().goal().text; }

std::string WebSession::GoalList() const {
  const vantrel::Goal& goal = engine_.notebook().goal();
  return goal.HasJudgedWords() ? FormatGoalList(goal) : std::string();
}

void WebSession::StartJournal() {
  if (journal_) return;
  journal_ = std::make_unique<JournalFeed>();
  engine_.KeepJournal(*journal_);
}

std::vector<JournalRecord> WebSession::TakeJournal() {
  return journal_ ? journal_->Take() : std::vector<JournalRecord>();
}

std::string WebSession::FinishedRunsCsv() const {
  return journal_ ? journal_->finished_runs() : RunsCsv(engine_.notebook().runs().runs());
}

LoadOutcome WebSession::RestoreRun(const StoredRun& run, std::string_view runs_csv) {
  LoadOutcome outcome;
  outcome.change = Changed([&] {
    outcome.ok = engine_.RestoreJournal(Unpack(run), ParseRunsCsv(runs_csv), outcome.message);
  });
  return outcome;
}

int PictureSide(double size, double device_pixel_ratio) {
  if (!(device_pixel_ratio > 0) || !std::isfinite(device_pixel_ratio)) device_pixel_ratio = 1;
  const double pixels = std::round(size * device_pixel_ratio);
  if (!(pixels >= 1)) return 1;  // NaN too
  return pixels >= kMaxPictureSide ? kMaxPictureSide : static_cast<int>(pixels);
}

int WholeNumber(double number, int fallback) {
  if (std::isnan(number)) return fallback;
  return static_cast<int>(
      std::clamp(std::trunc(number), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

std::uint32_t SeedAt(double unix_milliseconds) {
  return PinnedClock(unix_milliseconds).MillisecondsSinceMidnightUtc();
}

}  // namespace vantrel
