#include "lab/judge.h"

#include <cmath>

#include "lab/learner.h"
#include "population/evolution.h"
#include "population/string_grid.h"

namespace vantrel {

namespace {

constexpr int kStopCheckEvery = 4096;  // clicks between looks at the stop flag

bool Stopped(const std::atomic<bool>* stop) {
  return stop != nullptr && stop->load(std::memory_order_relaxed);
}

}  // namespace

void ShootClick(Population& population, int creativity) {
  Birth birth;
  ShootClick(population, creativity, birth);
}

void ShootClick(Population& population, int creativity, Birth& scratch) {
  if (!population.grid().HasBodyRows()) return;
  GenerateOrganismInto(population, creativity, scratch);
  population.SelectRandomRow();
}

Judge::Judge(Population& population, const GoalTracker& tracker, LcgRandom& coin, double strictness)
    : population_(population),
      tracker_(tracker),
      coin_(coin),
      err_below_(static_cast<int>(std::lround((1.0 - strictness) * kCoinSides))) {}

Click Judge::ClickOnce(int creativity, int bonus) {
  bool feed = tracker_.RowMatches(population_.grid().SelectedRow());
  if (err_below_ > 0 && coin_.Draw(kCoinSides) < err_below_) feed = !feed;
  return ClickAs(feed, creativity, bonus);
}

Click Judge::ClickAs(bool feed, int creativity, int bonus) {
  if (feed) {
    FeedOrganism(population_, bonus);
    return Click::kFeed;
  }
  ShootClick(population_, creativity, scratch_);
  return Click::kShoot;
}

std::optional<Run> PlayJudgedRun(const JudgeSettings& settings, std::uint32_t seed,
                                 std::uint32_t coin_seed, const std::atomic<bool>* stop,
                                 int* judge_clicks) {
  StringGrid grid(kOrganismColumnCount, 2);
  LcgRandom random(seed);
  LcgRandom coin(coin_seed);
  Population population(grid, random);
  population.SetUpColumns();
  GoalTracker tracker(grid, settings.warmup_goal ? *settings.warmup_goal : settings.goal);
  population.NewGenePool(settings.parameters.start_organisms);
  Judge judge(population, tracker, coin, settings.strictness);
  const Parameters& p = settings.parameters;

  if (settings.warmup_goal) {
    for (int click = 0; click < settings.warmup_clicks; ++click) {
      if (click % kStopCheckEvery == 0 && Stopped(stop)) return std::nullopt;
      judge.ClickOnce(p.creativity, p.bonus);
    }
    tracker.SetGoal(settings.goal);
  }

  Run run;
  run.mode = RunMode::kJudge;
  run.start = p;
  run.goal = settings.goal.text;
  RecordRunStart(run, tracker.counts());
  Learner learner;
  const int learner_after = settings.learner_after;
  int judged = 0;
  while (!run.reached() && run.clicks() < settings.max_clicks) {
    if (run.clicks() % kStopCheckEvery == 0 && Stopped(stop)) return std::nullopt;
    // The click first, then the counts it left: as arguments of one call the two could be
    // evaluated in either order, and GCC read the counts from before the click.
    Click click;
    if (learner_after <= 0) {
      click = judge.ClickOnce(p.creativity, p.bonus);
      ++judged;
    } else if (judged < learner_after) {
      const OrganismWords shown = WordsOfDna(population.SelectedDna());
      click = judge.ClickOnce(p.creativity, p.bonus);
      learner.Learn(shown, click == Click::kFeed);
      ++judged;
    } else {
      const bool feed = learner.PredictsKept(WordsOfDna(population.SelectedDna()));
      click = judge.ClickAs(feed, p.creativity, p.bonus);
    }
    RecordClick(run, click, tracker.counts());
  }
  if (judge_clicks != nullptr) *judge_clicks = judged;
  return run;
}

}  // namespace vantrel
