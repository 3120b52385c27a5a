#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/learner_state.h"
#include "lab/lesson.h"
#include "lab/run_csv.h"
#include "population/random_source.h"
#include "tests/core/engine/entry_recorder.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::FixedClock;

constexpr std::int64_t kTenTwentyThirty = ((10 * 60 + 20) * 60 + 30) * std::int64_t{1000};
constexpr char kLesson[] =
    "vantrel-lesson 1\n"
    "time 10:20:30\n"
    "parameters 12 30 2\n"
    "goal color=red,shape=square\n"
    "experiment 4\n"
    "lock parameters\n"
    "title Small populations drift\n";

std::vector<std::string> CellsOf(const Engine& engine) {
  const StringGrid& grid = engine.grid();
  std::vector<std::string> cells{std::to_string(grid.SelectedRow())};
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
  }
  return cells;
}

class NoticeCounter final : public EngineObserver {
 public:
  void EngineChanged(const EngineChange& /*change*/) override { ++count; }
  int count = 0;
};

// The same clicks on every engine.
void Play(Engine& engine) {
  for (int i = 0; i < 40; ++i) {
    if (i % 3 == 0) {
      engine.Feed();
    } else {
      engine.Shoot();
    }
  }
}

TEST(LessonEngineTest, ALessonAtATimeGivesTheFoundersOfTheClockAtThatTime) {
  for (const std::int64_t ms : {std::int64_t{0}, kTenTwentyThirty, std::int64_t{86'399'000}}) {
    FixedClock at_time(ms + std::int64_t{3} * 86'400'000);  // another day, the same time of day
    LcgRandom random;
    const Engine started(random, at_time);

    FixedClock other(12345);
    LcgRandom other_random;
    Engine opened(other_random, other);
    Lesson lesson;
    lesson.start_ms = static_cast<std::uint32_t>(ms);
    ASSERT_TRUE(opened.OpenLesson(LessonText(lesson)).opened);
    EXPECT_EQ(CellsOf(opened), CellsOf(started)) << ms;
  }
}

TEST(LessonEngineTest, TwoPupilsOpeningTheLessonAndClickingAlikeHaveTheSameTable) {
  FixedClock first_clock(1'000);
  FixedClock second_clock(70'000'000);
  LcgRandom first_random;
  LcgRandom second_random;
  Engine first(first_random, first_clock);
  Engine second(second_random, second_clock);
  first.Shoot();  // what happened before the lesson does not matter
  for (Engine* engine : {&first, &second}) {
    NoticeCounter notices;
    engine->AddObserver(&notices);
    const LessonOpening opening = engine->OpenLesson(kLesson);
    engine->RemoveObserver(&notices);
    EXPECT_TRUE(opening.opened);
    EXPECT_EQ(opening.message, "");
    EXPECT_EQ(notices.count, 1);
    Play(*engine);
  }
  EXPECT_EQ(CellsOf(first), CellsOf(second));
  EXPECT_EQ(first.parameters(), (Parameters{12, 30, 2}));
  EXPECT_EQ(first.notebook().goal().text, "color=red,shape=square");
  ASSERT_TRUE(first.lesson().has_value());
  EXPECT_EQ(first.lesson()->id, LessonId(kLesson));
  EXPECT_EQ(first.lesson()->title, "Small populations drift");
  EXPECT_EQ(first.lesson()->experiment, 4);
  EXPECT_EQ(first.notebook().current_run()->lesson, LessonId(kLesson));
  EXPECT_EQ(first.notebook().current_run()->clicks(), 40);
}

TEST(LessonEngineTest, LockedParametersRefuseChangesUntilAnotherLessonOpens) {
  FixedClock clock(5);
  LcgRandom random;
  Engine engine(random, clock);
  engine.OpenLesson(kLesson);
  EXPECT_TRUE(engine.parameters_locked());
  EXPECT_EQ(engine.SetParameter(Parameter::kPopulation, 50), 12);
  EXPECT_EQ(engine.SetParameter(Parameter::kCreativity, 5), 30);
  engine.SetParameters({40, 1, 1});
  EXPECT_EQ(engine.parameters(), (Parameters{12, 30, 2}));
  engine.NewGenePool();
  EXPECT_EQ(engine.grid().RowCount(), 12);  // the title row and 11 founders

  ASSERT_TRUE(engine.OpenLesson("vantrel-lesson 1\ntime 08:00:00\n").opened);
  EXPECT_FALSE(engine.parameters_locked());
  EXPECT_EQ(engine.parameters(), (Parameters{12, 30, 2}));  // a lesson without parameters
  EXPECT_EQ(engine.notebook().goal().text, "");             // nor a goal
  EXPECT_EQ(engine.SetParameter(Parameter::kPopulation, 50), 50);
}

TEST(LessonEngineTest, ATextThatIsNoLessonChangesNothingAndABadGoalIsSaid) {
  FixedClock clock(5);
  LcgRandom random;
  Engine engine(random, clock);
  const std::vector<std::string> before = CellsOf(engine);
  NoticeCounter notices;
  engine.AddObserver(&notices);
  for (const char* text : {"", "vantrel-lesson 1\n", "<b>vantrel-lesson 1</b>\ntime 10:00:00\n"}) {
    const LessonOpening opening = engine.OpenLesson(text);
    EXPECT_FALSE(opening.opened);
    EXPECT_EQ(opening.message, "This link does not hold a Vantrel lesson.");
  }
  EXPECT_EQ(notices.count, 0);
  EXPECT_EQ(CellsOf(engine), before);
  EXPECT_EQ(engine.history().position(), 0);
  EXPECT_FALSE(engine.lesson().has_value());

  const LessonOpening opening =
      engine.OpenLesson("vantrel-lesson 1\ntime 10:00:00\ngoal color=plaid\n");
  EXPECT_TRUE(opening.opened);
  EXPECT_NE(opening.message.find("plaid"), std::string::npos) << opening.message;
  EXPECT_EQ(engine.notebook().goal().text, "");
  engine.RemoveObserver(&notices);
}

TEST(LessonEngineTest, RunsCarryThePupilAndTheLessonThroughUndoAndARestore) {
  FixedClock clock(5);
  LcgRandom random;
  Engine engine(random, clock);
  const Snapshot base = engine.history().TakeSnapshot();
  const std::string base_annex = engine.history().Annex();
  EntryRecorder recorder(engine.history());
  engine.history().set_listener(&recorder);
  const std::vector<std::string> before_lesson = CellsOf(engine);

  engine.SetPupil("  Anna\t ");
  EXPECT_EQ(engine.notebook().current_run()->pupil, "Anna");
  engine.OpenLesson(kLesson);
  Play(engine);
  const std::vector<std::string> played = CellsOf(engine);
  const std::string runs = RunsCsv(engine.notebook().runs().runs());
  EXPECT_NE(runs.find(",Anna," + LessonId(kLesson) + "\r\n"), std::string::npos) << runs;
  engine.history().set_listener(nullptr);

  FixedClock other_clock(99);
  LcgRandom other_random;
  Engine restored(other_random, other_clock);
  EXPECT_TRUE(restored.Restore(base, base_annex, recorder.entries, {}));
  EXPECT_EQ(CellsOf(restored), played);
  EXPECT_EQ(restored.notebook().current_run()->lesson, LessonId(kLesson));
  EXPECT_EQ(restored.notebook().current_run()->pupil, "Anna");
  EXPECT_EQ(restored.notebook().goal().text, "color=red,shape=square");

  // The lesson is one step: undone after its clicks, the table before it comes back.
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(engine.Undo());
  ASSERT_TRUE(engine.Undo());
  EXPECT_EQ(CellsOf(engine), before_lesson);
  ASSERT_TRUE(engine.Redo());
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(engine.Redo());
  EXPECT_EQ(CellsOf(engine), played);
}

// An annex as a journal written before lessons were kept has it (the learner, then the run
// state), or before the learner too (the run state alone).
enum class AnnexAge { kNow, kBeforeLessons, kBeforeLearner };

std::string Aged(const std::string& annex, AnnexAge age) {
  const AnnexParts parts = SplitAnnex(annex);
  switch (age) {
    case AnnexAge::kNow:
      return annex;
    case AnnexAge::kBeforeLessons:
      return JoinAnnex(parts.learner.value_or(LearnerState{}), parts.run_state);
    case AnnexAge::kBeforeLearner:
      return std::string(parts.run_state);
  }
  return annex;
}

TEST(LessonEngineTest, ARestoreOpensTheLessonItHadOpenLastAndOldJournalsStillRestore) {
  const std::string unlocked =
      "vantrel-lesson 1\ntime 08:00:00\nexperiment 2\ntitle Creativity counts\n";
  struct Case {
    const char* name;
    std::vector<std::string> lessons;  // opened in turn, the clicks played after each
    AnnexAge age;
    bool lesson_back;  // the last lesson opened comes back (else no lesson is open)
  };
  const Case cases[] = {
      {"a locked lesson", {kLesson}, AnnexAge::kNow, true},
      {"an unlocked lesson", {unlocked}, AnnexAge::kNow, true},
      {"the second of two lessons", {kLesson, unlocked}, AnnexAge::kNow, true},
      {"no lesson", {}, AnnexAge::kNow, false},
      {"a journal from before lessons were kept", {kLesson}, AnnexAge::kBeforeLessons, false},
      {"a journal from before the learner", {kLesson}, AnnexAge::kBeforeLearner, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FixedClock clock(5);
    LcgRandom random;
    Engine engine(random, clock);
    const Snapshot base = engine.history().TakeSnapshot();
    const std::string base_annex = Aged(engine.history().Annex(), c.age);
    EntryRecorder recorder(engine.history());
    engine.history().set_listener(&recorder);
    for (const std::string& lesson : c.lessons) {
      ASSERT_TRUE(engine.OpenLesson(lesson).opened);
      Play(engine);
    }
    engine.history().set_listener(nullptr);
    std::vector<RunEntry> entries = recorder.entries;
    for (RunEntry& entry : entries) entry.annex = Aged(entry.annex, c.age);

    FixedClock other_clock(99);
    LcgRandom other_random;
    Engine restored(other_random, other_clock);
    ASSERT_TRUE(restored.Restore(base, base_annex, entries, {}));
    EXPECT_EQ(CellsOf(restored), CellsOf(engine));
    EXPECT_EQ(restored.parameters(), engine.parameters());
    ASSERT_EQ(restored.lesson().has_value(), c.lesson_back);
    if (!c.lesson_back) {
      EXPECT_FALSE(restored.parameters_locked());
      continue;
    }
    const OpenLessonState& open = *engine.lesson();
    EXPECT_EQ(restored.lesson()->id, open.id);
    EXPECT_EQ(restored.lesson()->title, open.title);
    EXPECT_EQ(restored.lesson()->experiment, open.experiment);
    EXPECT_EQ(restored.parameters_locked(), open.lock_parameters);
    // A locked lesson's parameters refuse a change again.
    const int creativity = restored.parameters().creativity;
    EXPECT_EQ(restored.SetParameter(Parameter::kCreativity, creativity + 1),
              open.lock_parameters ? creativity : creativity + 1);
  }
}

}  // namespace
}  // namespace vantrel
