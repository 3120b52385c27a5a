#include "history/journal.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>

#include "tests/core/history/test_world.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::FullState;
using testing::World;

class JournalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = fs::temp_directory_path() / "vantrel-journal-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  int CountJournals() const {
    int count = 0;
    for (const auto& item : fs::directory_iterator(folder_)) {
      count += item.path().extension() == ".journal" ? 1 : 0;
    }
    return count;
  }

  std::string folder_;
  FakeClock clock_;
};

// Opens `journal` and keeps `history` in it as the engine does; null when it cannot open.
std::unique_ptr<JournalKeeper> Keep(Journal& journal, History& history) {
  if (!journal.Open()) return nullptr;
  return std::make_unique<JournalKeeper>(history, journal);
}

// Restores `path` into a fresh world of another seed and checks it against `expected`,
// then that undo reaches back through the run to its start and redo comes forward again.
void ExpectRestoredRun(const std::string& path, World& original, const FullState& start) {
  World restored(4711);
  const FullState fresh = restored.State();
  std::string message;
  const std::optional<RunContents> contents = Journal::ReadRun(path, message);
  ASSERT_TRUE(contents) << message;
  ASSERT_TRUE(restored.history.Restore(contents->base, contents->entries));
  const FullState end = original.State();
  ASSERT_EQ(restored.State(), end);
  EXPECT_EQ(restored.history.parameters(), original.history.parameters());
  const int redoable = original.history.StepCount() - original.history.position();
  for (int i = 0; i < redoable; ++i) ASSERT_TRUE(restored.history.Redo());
  while (restored.history.position() > 1) ASSERT_TRUE(restored.history.Undo());
  EXPECT_EQ(restored.State(), start);
  ASSERT_TRUE(restored.history.Undo());
  EXPECT_EQ(restored.State(), fresh);
  while (restored.history.Redo()) {
  }
  for (int i = 0; i < redoable; ++i) ASSERT_TRUE(restored.history.Undo());
  EXPECT_EQ(restored.State(), end);
}

TEST_F(JournalTest, ARunStillRunningIsNotOfferedAndRestoresWithItsWholeHistory) {
  World world(21);
  const FullState start = world.State();
  Journal journal(folder_, clock_);
  const auto keeper = Keep(journal, world.history);
  ASSERT_TRUE(keeper) << journal.TakeMessage();
  std::mt19937 dice(21);
  testing::PlayRandomSteps(world, dice, 150);
  for (int i = 0; i < 20; ++i) world.history.Undo();
  world.history.Redo();

  Journal next(folder_, clock_);
  EXPECT_FALSE(next.FindCrashedRun().has_value());
  EXPECT_FALSE(next.FindLatestRun().has_value());
  ExpectRestoredRun(journal.path(), world, start);

  journal.Close();
  EXPECT_FALSE(next.FindCrashedRun().has_value());  // closed normally
  ASSERT_TRUE(next.FindLatestRun().has_value());
  EXPECT_EQ(next.FindLatestRun()->steps, world.history.position());
}

TEST_F(JournalTest, UndoBeforeTheJournalsStartStartsItAnew) {
  World world(13);
  std::mt19937 dice(13);
  testing::PlayRandomSteps(world, dice, 5);
  Journal journal(folder_, clock_);
  const auto keeper = Keep(journal, world.history);
  ASSERT_TRUE(keeper);
  world.Shoot(20);
  for (int i = 0; i < 3; ++i) world.history.Undo();  // two of them reach past the start
  world.history.Redo();
  const FullState start = world.State();
  testing::PlayRandomSteps(world, dice, 5);
  ExpectRestoredRun(journal.path(), world, start);
}

// Starts the journal writer (a real program) with `seed` and `steps`; returns once it has
// written them and waits to be killed.
void StartWriter(const std::string& folder, const char* seed, const char* steps, pid_t& child) {
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    execl(VANTREL_JOURNAL_WRITER, VANTREL_JOURNAL_WRITER, folder.c_str(), seed, steps,
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char ready[6] = {};
  ASSERT_EQ(read(out[0], ready, 5), 5);
  close(out[0]);
}

TEST_F(JournalTest, AKilledProcessLeavesARunThatRestores) {
  pid_t child = 0;
  StartWriter(folder_, "33", "300", child);
  Journal next(folder_, clock_);
  EXPECT_FALSE(next.FindCrashedRun().has_value()) << "the writer still holds its lock";
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);

  const std::optional<EarlierRun> run = next.FindCrashedRun();
  ASSERT_TRUE(run.has_value());
  World replica(33);
  const FullState start = replica.State();
  std::mt19937 dice(33);
  testing::PlayRandomSteps(replica, dice, 300);
  replica.history.Undo();
  replica.history.Undo();
  EXPECT_EQ(run->steps, replica.history.position());
  EXPECT_EQ(run->organisms, replica.document.grid().RowCount() - 1);
  ExpectRestoredRun(run->path, replica, start);
}

// Runs the journal writer with `seed` and `steps` and kills it once it is ready.
void WriteAndKill(const std::string& folder, const char* seed, const char* steps) {
  pid_t child = 0;
  StartWriter(folder, seed, steps, child);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

// Overwrites `count` bytes of `path` from `offset` with garbage.
void Damage(const std::string& path, std::uintmax_t offset, std::size_t count) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  file.seekp(static_cast<std::streamoff>(offset));
  file << std::string(count, '\x5a');
}

TEST_F(JournalTest, AKilledRunDamagedInTheMiddleRestoresEveryStepBeforeTheDamage) {
  WriteAndKill(folder_, "41", "400");
  Journal next(folder_, clock_);
  std::optional<EarlierRun> run = next.FindCrashedRun();
  ASSERT_TRUE(run.has_value());
  const int all_steps = run->steps;
  // A reader brings the log into the file; then garbage lands in its middle.
  std::string message;
  ASSERT_TRUE(Journal::ReadRun(run->path, message).has_value());
  const std::uintmax_t size = fs::file_size(run->path);
  Damage(run->path, size / 4096 * 4096 * 3 / 4 / 4096 * 4096, 4096);

  run = next.FindCrashedRun();
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->reading, EarlierRun::Reading::kReadable);
  EXPECT_LT(run->steps, all_steps);
  const int lost = all_steps - run->steps;
  World restored(4711);
  const std::optional<RunContents> contents = Journal::ReadRun(run->path, message);
  ASSERT_TRUE(contents);
  ASSERT_TRUE(restored.history.Restore(contents->base, contents->entries));
  EXPECT_EQ(message, "The journal " + run->path + " was damaged: the last " + std::to_string(lost) +
                         " steps could not be restored.");
  // The restore step and the readable steps can be undone.
  EXPECT_EQ(restored.history.position(), 1 + run->steps);
}

TEST_F(JournalTest, AKilledRunWhoseStartIsOverwrittenIsToldAsDamaged) {
  WriteAndKill(folder_, "42", "50");
  Journal next(folder_, clock_);
  std::optional<EarlierRun> run = next.FindCrashedRun();
  ASSERT_TRUE(run.has_value());
  std::string message;
  ASSERT_TRUE(Journal::ReadRun(run->path, message).has_value());
  Damage(run->path, 0, 512);
  run = next.FindCrashedRun();
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->reading, EarlierRun::Reading::kDamaged);
  EXPECT_EQ(UnreadableRunMessage(*run),
            "The journal " + run->path + " is damaged and cannot be restored.");
  // Pruning keeps it until it has been offered.
  next.Prune(1, 1);
  EXPECT_TRUE(fs::exists(run->path));
}

TEST_F(JournalTest, AnUnwritableFolderOrAFullDiskLeaveTheProgramWithoutAJournal) {
  std::ofstream(folder_ + "/file") << "x";
  World world(5);
  Journal nowhere(folder_ + "/file/vantrel", clock_);
  EXPECT_FALSE(Keep(nowhere, world.history));
  EXPECT_NE(nowhere.TakeMessage().find("/file/vantrel"), std::string::npos);

  Journal small(folder_, clock_);
  small.set_page_limit(12);
  const auto small_keeper = Keep(small, world.history);
  ASSERT_TRUE(small_keeper);
  std::mt19937 dice(5);
  for (int i = 0; i < 2000 && small.active(); ++i) testing::PlayRandomSteps(world, dice, 1);
  EXPECT_FALSE(small.active());
  EXPECT_NE(small.TakeMessage().find("disk is full"), std::string::npos);
  EXPECT_EQ(small.TakeMessage(), "");
  // The history carries on: the steps made since can still be undone.
  world.Shoot(10);
  EXPECT_TRUE(world.history.Undo());
}

TEST_F(JournalTest, DamagedAndNewerJournalsAreRefusedWithAReason) {
  std::ofstream(folder_ + "/run-5-1.journal") << std::string(5000, 'z');
  World world(8);
  std::string closed_path;
  {
    Journal old(folder_, clock_);
    const auto keeper = Keep(old, world.history);
    ASSERT_TRUE(keeper);
    world.Feed(2);
    closed_path = old.path();
  }
  sqlite3* db = nullptr;
  sqlite3_open(closed_path.c_str(), &db);
  sqlite3_exec(db, "UPDATE schema SET version = 99; UPDATE run SET closed = 0", nullptr, nullptr,
               nullptr);
  sqlite3_close(db);

  std::string message;
  EXPECT_FALSE(Journal::ReadRun(folder_ + "/run-5-1.journal", message).has_value());
  EXPECT_NE(message.find("damaged"), std::string::npos);
  EXPECT_FALSE(Journal::ReadRun(closed_path, message).has_value());
  EXPECT_NE(message.find("newer version"), std::string::npos);
  // The newest run did not end normally but cannot be read: the user hears why, and no
  // older run is offered in its place.
  Journal next(folder_, clock_);
  const auto keeper = Keep(next, world.history);
  ASSERT_TRUE(keeper);
  const std::optional<EarlierRun> crashed = next.FindCrashedRun();
  ASSERT_TRUE(crashed.has_value());
  EXPECT_EQ(crashed->reading, EarlierRun::Reading::kNewer);
  EXPECT_EQ(UnreadableRunMessage(*crashed),
            "The journal " + closed_path +
                " was written by a newer version of Vantrel and cannot be read by this one.");
  EXPECT_FALSE(next.FindLatestRun().has_value() && next.FindLatestRun()->path == closed_path);
}

TEST_F(JournalTest, PruningKeepsTheNewestRunsWithinTheSizeLimit) {
  World world(2);
  for (int i = 0; i < 12; ++i) {
    Journal run(folder_, clock_);
    const auto keeper = Keep(run, world.history);
    ASSERT_TRUE(keeper);
    world.Feed(1);
  }
  EXPECT_EQ(CountJournals(), 10);
  Journal last(folder_, clock_);
  const auto keeper = Keep(last, world.history);
  ASSERT_TRUE(keeper);
  const std::optional<EarlierRun> newest = last.FindLatestRun();
  last.Prune(10, 1);
  EXPECT_EQ(CountJournals(), 1);
  EXPECT_TRUE(fs::exists(last.path()));
  EXPECT_FALSE(fs::exists(newest->path));
}

}  // namespace
}  // namespace vantrel
