#ifndef VANTREL_LAB_JUDGE_H_
#define VANTREL_LAB_JUDGE_H_

#include <atomic>
#include <cstdint>
#include <optional>

#include "lab/goal.h"
#include "lab/goal_tracker.h"
#include "lab/run.h"
#include "population/evolution.h"
#include "population/population.h"
#include "population/random_source.h"

namespace vantrel {

// Plays the user: looks at the shown organism and feeds it when it meets the goal, shoots
// it otherwise, through the same operations, draws and selection as the buttons. With
// probability 1 - strictness it errs on purpose (shoots a hit or feeds a miss); that coin
// comes from a generator of its own, so the population's draws are those of a user. The
// coin is an LcgRandom, not any RandomSource: its draw, made at every click, is then
// inlined rather than called through the interface.
class Judge {
 public:
  Judge(Population& population, const GoalTracker& tracker, LcgRandom& coin, double strictness);

  // One click with the current creativity and survival bonus; says which it was.
  Click ClickOnce(int creativity, int bonus);
  // A feed or a shot as told (the learner's), through the same calls.
  Click ClickAs(bool feed, int creativity, int bonus);

 private:
  static constexpr int kCoinSides = 1'000'000;

  Population& population_;
  const GoalTracker& tracker_;
  LcgRandom& coin_;
  int err_below_;  // a coin draw below this errs
  Birth scratch_;  // each shot's child, its strings kept for the next
};

// A shot as the judge makes it: the calls the window's pistol makes (a child in the shown
// row, then a random row), without the history and the drawing. A feed is FeedOrganism.
void ShootClick(Population& population, int creativity);
// The same with a birth whose storage is used again at every shot.
void ShootClick(Population& population, int creativity, Birth& scratch);

// One automatic run on a population of its own.
struct JudgeSettings {
  Goal goal;
  Parameters parameters;
  double strictness = 1.0;
  int max_clicks = 1'000'000;
  std::optional<Goal> warmup_goal;  // judged for the first warmup_clicks, not counted
  int warmup_clicks = 0;
  // After this many of the judge's clicks (counted from the run's start), a learner trained
  // on them plays on alone, feeding what it predicts kept; 0: the judge plays throughout.
  int learner_after = 0;
};

// Plays a run from a new gene pool drawn from `seed` (the judge's coin from `coin_seed`)
// until the population is stable or `max_clicks` clicks. Returns nothing when `stop` was set
// before the run finished. `judge_clicks`, when given, receives the clicks the judge made
// (all of them without a learner).
std::optional<Run> PlayJudgedRun(const JudgeSettings& settings, std::uint32_t seed,
                                 std::uint32_t coin_seed, const std::atomic<bool>* stop,
                                 int* judge_clicks = nullptr);

}  // namespace vantrel

#endif  // VANTREL_LAB_JUDGE_H_
