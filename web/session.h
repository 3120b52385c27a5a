#ifndef VANTREL_WEB_SESSION_H_
#define VANTREL_WEB_SESSION_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "lab/ideas.h"
#include "population/clock.h"
#include "population/parameters.h"
#include "population/random_source.h"
#include "web/journal_feed.h"

namespace vantrel {

// One organism row as the page's table shows it.
struct TableRow {
  std::string id;
  std::string p1;
  std::string p2;
  std::string dna;
  std::string survival;
};

// The numbers beside the table: the organism counter, the current run's clicks and goal
// counts, and whether undo and redo can go anywhere. A click that has not happened is -1.
struct SessionCounters {
  int organism_counter = 0;
  int run_number = 0;
  int feeds = 0;
  int shots = 0;
  int clicks = 0;
  int first_match_click = -1;
  int stable_click = -1;
  int organisms = 0;
  int matching = 0;
  bool can_undo = false;
  bool can_redo = false;
};

// How a load of table bytes went: what to tell the user (empty: nothing), and whether it
// is an error report (already worded as one) rather than a plain message.
struct LoadOutcome {
  bool ok = false;
  bool error_report = false;
  std::string message;
  // After a load that took the file: the status line naming it and its organisms.
  std::string status;
  EngineChange change;
};

// The parameters as a page hands them in: any numbers, taken as the desktop's boxes take
// them (whole numbers, the start population within its limits).
struct ParameterNumbers {
  double start_organisms = 0;
  double creativity = 0;
  double bonus = 0;
};

// The largest table file the page opens, in bytes; a larger one is refused from its size
// before it is read. Measured with tests/web/measure_file_limit.mjs (a fresh module in
// Node loads a file, shoots, undoes both, redoes and saves): the engine takes no table of
// more than eight million cells, so files of short cells end near 60 MB (59 MB took 976 MB
// of the module's 2 GiB); files of long cells took about 7 bytes of memory a byte (128 MB
// of 100-byte cells 1,315 MB, 256 MB of 1,000-byte cells 1,741 MB), and at 300 MB Save
// failed. In Chromium a file of 127 MB opened and worked, but the journal could no longer
// keep it; files of 61 MB (7.75 million cells) and 63 MB opened, worked, kept their
// journal and saved.
inline constexpr double kMaxTableFileBytes = 64.0 * 1024 * 1024;

// The largest side of an organism picture, in device pixels: a 4096 x 4096 picture
// already holds 64 MB of pixels.
inline constexpr int kMaxPictureSide = 4096;

// The engine as a web page drives it: a few coarse calls, each action answering with what
// it changed, and readers for everything the page shows. It owns the random source and
// the engine, which seeds itself from the clock exactly as the desktop's does.
class WebSession final : private EngineObserver {
 public:
  explicit WebSession(std::unique_ptr<Clock> clock);
  ~WebSession() override;

  WebSession(const WebSession&) = delete;
  WebSession& operator=(const WebSession&) = delete;

  // The user's actions; each returns what it changed (nothing when it did nothing).
  EngineChange NewGenePool();
  EngineChange Feed();
  EngineChange Shoot();
  EngineChange NewIdea();
  EngineChange Undo();
  EngineChange Redo();
  EngineChange SelectRow(int row);
  LoadOutcome LoadTable(std::string bytes, const std::string& file_name);
  // Sets all three as the desktop commits its boxes, and returns the values kept.
  Parameters SetParameters(const ParameterNumbers& numbers);
  // The user's "Reached" at the current click; nothing without a goal or once reached.
  EngineChange DeclareReached();
  // Opens a lesson from its text (Engine::OpenLesson); `opening` says how it went.
  EngineChange OpenLesson(std::string_view text, LessonOpening& opening);
  // The pupil's name on the current run and every later one (Engine::SetPupil).
  EngineChange SetPupil(std::string_view name);
  // Finished automatic runs, as lines of the run table's CSV after its header (extra
  // columns are ignored), join the notebook's run table under the next numbers. Returns
  // how many joined; `first_number` takes the first one's number.
  int AddRuns(std::string_view runs_csv, int& first_number);
  // The learner forgets what it learned (Engine::ResetLearner).
  EngineChange ResetLearner();
  // "Judge like me" at the page's pace: StartJudging opens the one step (false without
  // organisms or while judging), each JudgeMore makes up to `clicks` of the learner's
  // clicks and says what they changed, StopJudging closes the step (Cancel, Escape or the
  // count reached).
  bool StartJudging();
  EngineChange JudgeMore(int clicks);
  EngineChange StopJudging();

  // What the page shows.
  std::string TableBytes() const;  // what the desktop's Save writes
  int RowCount() const;            // organisms, without the title row
  // Up to `count` organism rows from row `first` (from 1); none outside the table. The
  // organism's own cells, which the pictures, the health and the notebook read as the
  // desktop's views do, whatever columns the table shows.
  std::vector<TableRow> Rows(int first, int count) const;
  // The table as the desktop's table view shows it: the title row's texts (the program's
  // own titles in the current language, a file's others as their bytes are shown) and,
  // of each of up to `count` rows from `first`, exactly the table's columns. Cells are
  // shown as the desktop shows them, a byte a character (Latin-1), written as UTF-8.
  std::vector<std::string> ColumnTitles() const;
  std::vector<std::vector<std::string>> ShownRows(int first, int count) const;
  int SelectedRow() const;
  SessionCounters Counters() const;
  const Parameters& parameters() const { return engine_.parameters(); }
  // The selected organism's picture as R, G, B, A bytes, `size` CSS pixels square at the
  // device pixel ratio; PictureSide says how many device pixels a side has.
  std::vector<std::uint8_t> OrganismRgba(double size, double device_pixel_ratio) const;
  // The picture of any organism `dna`, as OrganismRgba draws the selected one: the
  // population view's thumbnails.
  static std::vector<std::uint8_t> PictureRgba(const std::string& dna, double size,
                                               double device_pixel_ratio);
  // What the population view's tooltip says of organism `row` (from 1); "" outside the table.
  std::string Tooltip(int row) const;
  // The selected organism in words, as the lab notebook describes it.
  std::string OrganismWords() const;
  // The last idea's whole sentence ("" before the first), and the current run's goal.
  // In the language of the moment, so that a switch of language rewords it.
  std::string idea() const;
  const std::string& Goal() const;
  // The current run's judged goal words as vantrel-lab's --goal takes them
  // ("color=green,shape=square"); "" when the goal judges no word.
  std::string GoalList() const;

  const Engine& engine() const { return engine_; }

  // The journal (journal_feed.h): StartJournal queues the present table as its base, and
  // from then on every step, undo and redo waits in TakeJournal for the page to store it.
  void StartJournal();
  std::vector<JournalRecord> TakeJournal();
  // The notebook's finished runs as CSV, kept beside the journal for a restore.
  std::string FinishedRunsCsv() const;
  // Restores a stored run as one step and its own steps, its finished runs (`runs_csv`)
  // joining the notebook; `ok` is false when nothing could be restored, and `message`
  // tells of a damaged run.
  LoadOutcome RestoreRun(const StoredRun& run, std::string_view runs_csv);

 private:
  // Runs `action` and returns the change the engine told of it.
  template <typename Action>
  EngineChange Changed(Action action);
  void EngineChanged(const EngineChange& change) override;

  std::unique_ptr<Clock> clock_;
  LcgRandom random_;
  Engine engine_;
  EngineChange last_change_;
  std::optional<IdeaWords> idea_;
  std::unique_ptr<JournalFeed> journal_;
};

// How many device pixels a picture `size` CSS pixels wide has at `device_pixel_ratio`:
// rounded as the desktop rounds, at least 1 and at most kMaxPictureSide; a ratio that is
// no positive number counts as 1.
int PictureSide(double size, double device_pixel_ratio);

// A number the page typed, as a whole number: rounded towards zero and held within int;
// `fallback` for a number that is none (NaN).
int WholeNumber(double number, int fallback);

// The seed the engine takes at `unix_milliseconds` (since 1970-01-01 00:00 UTC): the
// clock's milliseconds since midnight UTC, as on the desktop.
std::uint32_t SeedAt(double unix_milliseconds);

}  // namespace vantrel

#endif  // VANTREL_WEB_SESSION_H_
