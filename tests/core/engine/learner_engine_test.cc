#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/learner_state.h"
#include "population/random_source.h"
#include "tests/core/engine/entry_recorder.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::FixedClock;

class LearnerEngineTest : public ::testing::Test {
 protected:
  FixedClock clock_{9 * 3600 * 1000 + 77};
  LcgRandom random_;
  Engine engine_{random_, clock_};

  OrganismWords Shown() { return WordsOfDna(engine_.population().SelectedDna()); }
  const vantrel::Run& Current() const { return *engine_.notebook().current_run(); }
};

TEST_F(LearnerEngineTest, LearnsFromEachFeedAndShotOfTheOrganismShown) {
  Learner expected;
  for (int i = 0; i < 40; ++i) {
    const bool feed = i % 3 == 0;
    expected.Learn(Shown(), feed);
    ASSERT_TRUE(feed ? engine_.Feed() : engine_.Shoot());
  }
  EXPECT_EQ(engine_.learner().Encode(), expected.Encode());
  EXPECT_EQ(engine_.learner_clicks(), 0);
  for (const int row : {1, engine_.grid().RowCount() - 1}) {
    ASSERT_TRUE(engine_.ChanceKept(row));
    EXPECT_EQ(*engine_.ChanceKept(row),
              expected.ChanceKeptDna(engine_.grid().Cell(kDnaColumn, row)));
  }
  EXPECT_FALSE(engine_.ChanceKept(0));
  EXPECT_FALSE(engine_.ChanceKept(engine_.grid().RowCount()));
}

// Every action in turn, with what the learner has learned from (clicks) and how many
// clicks it made itself in the current run afterwards.
TEST_F(LearnerEngineTest, TheLearnerFollowsTheHistory) {
  enum Act { kFeed, kShoot, kUndo, kRedo, kGenePool, kIdea, kReset, kJudge5 };
  struct Case {
    Act act;
    int clicks;
    int judged;
  };
  const Case cases[] = {
      {kFeed, 1, 0},     {kShoot, 2, 0},  {kUndo, 1, 0},  {kRedo, 2, 0}, {kGenePool, 2, 0},
      {kFeed, 3, 0},     {kJudge5, 3, 5}, {kUndo, 3, 0},  {kRedo, 3, 5}, {kIdea, 0, 0},
      {kUndo, 3, 5},     {kShoot, 4, 5},  {kReset, 0, 5}, {kUndo, 3, 5}, {kRedo, 0, 5},
      {kGenePool, 0, 0}, {kFeed, 1, 0},
  };
  int step = 0;
  for (const Case& c : cases) {
    switch (c.act) {
      case kFeed:
        engine_.Feed();
        break;
      case kShoot:
        engine_.Shoot();
        break;
      case kUndo:
        engine_.Undo();
        break;
      case kRedo:
        engine_.Redo();
        break;
      case kGenePool:
        engine_.NewGenePool();
        break;
      case kIdea:
        engine_.NewIdea();
        break;
      case kReset:
        engine_.ResetLearner();
        break;
      case kJudge5:
        engine_.JudgeLikeMe(5);
        break;
    }
    EXPECT_EQ(engine_.learner().clicks(), c.clicks) << "case " << step;
    EXPECT_EQ(engine_.learner_clicks(), c.judged) << "case " << step;
    ++step;
  }
}

// "Judge like me" feeds what the learner predicts kept and shoots the rest, all as one
// step that one undo takes back, and learns nothing from its own clicks.
TEST_F(LearnerEngineTest, JudgeLikeMeIsOneStepOfClicksAsTheLearnerPredicts) {
  struct Case {
    int user_feeds;
    int user_shots;
    int clicks;
    bool feeds_all;  // else shoots all
  };
  const Case cases[] = {{0, 0, 10, true}, {0, 6, 10, false}, {6, 0, 25, true}};
  for (const Case& c : cases) {
    LcgRandom random;
    Engine engine(random, clock_);
    for (int i = 0; i < c.user_feeds; ++i) engine.Feed();
    for (int i = 0; i < c.user_shots; ++i) engine.Shoot();
    const vantrel::Run before = *engine.notebook().current_run();
    const int position = engine.history().position();
    const std::string learned = engine.learner().Encode();
    const Snapshot table = engine.history().TakeSnapshot();

    EXPECT_EQ(engine.JudgeLikeMe(c.clicks), c.clicks);
    const vantrel::Run& after = *engine.notebook().current_run();
    EXPECT_EQ(after.clicks(), before.clicks() + c.clicks);
    EXPECT_EQ(after.feeds - before.feeds, c.feeds_all ? c.clicks : 0);
    EXPECT_EQ(engine.learner_clicks(), c.clicks);
    EXPECT_EQ(engine.learner().Encode(), learned);
    EXPECT_EQ(engine.history().position(), position + 1);

    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.history().position(), position);
    EXPECT_EQ(engine.history().TakeSnapshot().rows, table.rows);
    EXPECT_EQ(engine.notebook().current_run()->clicks(), before.clicks());
    EXPECT_EQ(engine.learner_clicks(), 0);
  }
  EXPECT_EQ(engine_.JudgeLikeMe(0), 0);
  EXPECT_EQ(engine_.history().position(), 0);
}

// Judging at the face's pace: however the clicks are split between JudgeMore calls, they
// make the table one JudgeLikeMe makes, as one step; another action first closes the step.
TEST_F(LearnerEngineTest, PacedJudgingIsOneStepThatAnyOtherActionCloses) {
  enum After { kStop, kFeed, kUndo, kGenePool };
  struct Case {
    std::vector<int> paces;
    After after;
    int steps;  // the history's steps after the first shot
  };
  const Case cases[] = {{{7}, kStop, 1},
                        {{1, 2, 4}, kStop, 1},
                        {{3, 4}, kFeed, 2},
                        {{2, 5}, kUndo, 0},
                        {{7}, kGenePool, 2}};
  LcgRandom reference_random;
  Engine reference(reference_random, clock_);
  reference.Shoot();
  reference.JudgeLikeMe(7);
  for (const Case& c : cases) {
    LcgRandom random;
    Engine engine(random, clock_);
    engine.Shoot();
    struct Counter final : EngineObserver {
      void EngineChanged(const EngineChange&) override { ++count; }
      int count = 0;
    } counter;
    engine.AddObserver(&counter);
    ASSERT_TRUE(engine.StartJudging());
    EXPECT_FALSE(engine.StartJudging());
    for (const int pace : c.paces) EXPECT_EQ(engine.JudgeMore(pace), pace);
    EXPECT_EQ(counter.count, static_cast<int>(c.paces.size()));
    EXPECT_FALSE(engine.history().CanUndo()) << "a judging step is open";
    EXPECT_EQ(engine.history().TakeSnapshot().rows, reference.history().TakeSnapshot().rows);
    switch (c.after) {
      case kStop:
        engine.StopJudging();
        break;
      case kFeed:
        engine.Feed();
        break;
      case kUndo:
        engine.Undo();
        break;
      case kGenePool:
        engine.NewGenePool();
        break;
    }
    engine.RemoveObserver(&counter);
    EXPECT_FALSE(engine.judging());
    EXPECT_EQ(engine.JudgeMore(1), 0);
    EXPECT_EQ(engine.history().position() - 1, c.steps);
    if (c.after == kStop) {
      EXPECT_EQ(engine.history().TakeSnapshot().rows, reference.history().TakeSnapshot().rows);
    }
  }
}

TEST_F(LearnerEngineTest, TellsItsObserversWhenTheLearnerChanged) {
  struct Counter final : EngineObserver {
    void EngineChanged(const EngineChange& change) override {
      ++count;
      learner = change.learner;
    }
    int count = 0;
    bool learner = false;
  } counter;
  engine_.AddObserver(&counter);
  engine_.Feed();
  EXPECT_TRUE(counter.learner);
  engine_.SelectRow(engine_.grid().RowCount() - 1);
  EXPECT_FALSE(counter.learner);
  engine_.ResetLearner();
  EXPECT_TRUE(counter.learner);
  EXPECT_EQ(counter.count, 3);
  engine_.RemoveObserver(&counter);
}

// A restored session brings back the learner of every moment; a journal written before the
// learner existed (annexes without it) restores as ever and keeps the learner in force.
TEST_F(LearnerEngineTest, ARestoredSessionBringsTheLearnerBack) {
  const Snapshot base = engine_.history().TakeSnapshot();
  const std::string base_annex = engine_.history().Annex();
  EntryRecorder recorder(engine_.history());
  engine_.history().set_listener(&recorder);
  for (int i = 0; i < 12; ++i) i % 4 == 0 ? engine_.Feed() : engine_.Shoot();
  engine_.JudgeLikeMe(7);
  engine_.Shoot();
  engine_.Undo();
  engine_.Feed();
  engine_.ResetLearner();
  engine_.Shoot();
  engine_.history().set_listener(nullptr);

  struct Case {
    bool old_journal;
    int clicks_learned;  // by the restored engine's learner
    int judged;
  };
  for (const Case c : {Case{false, 1, 7}, Case{true, 0, 0}}) {
    std::vector<RunEntry> entries = recorder.entries;
    std::string annex = base_annex;
    if (c.old_journal) {
      annex = std::string(SplitAnnex(base_annex).run_state);
      for (RunEntry& entry : entries) entry.annex = std::string(SplitAnnex(entry.annex).run_state);
    }
    FixedClock clock(1000);
    LcgRandom random;
    Engine restored(random, clock);
    ASSERT_TRUE(restored.Restore(base, annex, entries, {}));
    EXPECT_EQ(restored.learner().clicks(), c.clicks_learned) << c.old_journal;
    EXPECT_EQ(restored.learner_clicks(), c.judged) << c.old_journal;
    EXPECT_EQ(restored.notebook().current_run()->clicks(), Current().clicks());
    if (!c.old_journal) {
      EXPECT_EQ(restored.learner().Encode(), engine_.learner().Encode());
      // Undo in both goes back through the same learners.
      for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(restored.Undo());
        ASSERT_TRUE(engine_.Undo());
        EXPECT_EQ(restored.learner().Encode(), engine_.learner().Encode()) << i;
      }
      for (int i = 0; i < 3; ++i) {
        engine_.Redo();
      }
    }
  }
}

TEST(LearnerStateTest, AnAnnexSplitsIntoItsLearnerAndRunState) {
  Learner learner;
  learner.Learn(OrganismWords{}, true);
  const LearnerState state{learner, 3};
  const std::string joined = JoinAnnex(state, "\x01run");
  struct Case {
    std::string annex;
    bool has_learner;
    std::string run_state;
  };
  const Case cases[] = {
      {joined, true, "\x01run"},
      {JoinAnnex(state, ""), true, ""},
      {"\x01run", false, "\x01run"},  // before the learner
      {"", false, ""},
      {"L", false, ""},                   // cut short
      {joined.substr(0, 20), false, ""},  // cut inside the learner
      {"L\x02"
       "ab\x01run",
       false, "\x01run"},  // no whole learner
  };
  for (const Case& c : cases) {
    const AnnexParts parts = SplitAnnex(c.annex);
    EXPECT_EQ(parts.learner.has_value(), c.has_learner) << c.annex.size();
    EXPECT_EQ(parts.run_state, c.run_state) << c.annex.size();
    if (c.has_learner) {
      EXPECT_EQ(*parts.learner, state);
    }
  }
}

}  // namespace
}  // namespace vantrel
