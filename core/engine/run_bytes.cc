#include "engine/run_bytes.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "history/byte_codec.h"

namespace vantrel {

namespace {

constexpr std::uint64_t kFormat = 1;
// More parameter changes than clicks could make is not a run this program wrote.
constexpr std::uint64_t kMaxChanges = 1'000'000;

void PutOptional(std::string& out, const std::optional<int>& value) {
  PutSigned(out, value ? std::int64_t{*value} + 1 : 0);
}

// 0 is none; anything below it, or beyond a click count, is not what PutOptional wrote.
bool ReadOptional(ByteReader& in, std::optional<int>& value) {
  const std::int64_t stored = in.Signed();
  value.reset();
  if (stored == 0) return true;
  if (stored < 1 || stored > std::int64_t{std::numeric_limits<int>::max()}) return false;
  value = static_cast<int>(stored - 1);
  return true;
}

void PutParameters(std::string& out, const Parameters& parameters) {
  PutSigned(out, parameters.start_organisms);
  PutSigned(out, parameters.creativity);
  PutSigned(out, parameters.bonus);
}

}  // namespace

std::string EncodeRunState(const RunState& state) {
  const Run& run = state.run;
  std::string out;
  PutVarint(out, kFormat);
  PutVarint(out, run.id);
  PutSigned(out, run.number);
  PutVarint(out, run.mode == RunMode::kJudge ? 1 : 0);
  PutVarint(out, run.started_utc ? 1 : 0);
  PutSigned(out, run.started_utc.value_or(0));
  PutParameters(out, run.start);
  PutVarint(out, run.changes.size());
  for (const ParameterChange& change : run.changes) {
    PutVarint(out, static_cast<std::uint64_t>(change.parameter));
    PutSigned(out, change.click);
    PutSigned(out, change.value);
  }
  PutText(out, run.goal);
  PutSigned(out, run.feeds);
  PutSigned(out, run.shots);
  PutOptional(out, run.first_match_click);
  PutOptional(out, run.stable_click);
  PutVarint(out, static_cast<std::uint64_t>(run.reached_by));
  for (const int word : state.goal.word) PutSigned(out, word);
  PutText(out, state.goal.text);
  // Whose run it is, added later: a run state written before has nothing after the goal.
  if (!run.pupil.empty() || !run.lesson.empty()) {
    PutText(out, run.pupil);
    PutText(out, run.lesson);
  }
  return out;
}

bool DecodeRunState(std::string_view bytes, RunState& state) {
  ByteReader in(bytes);
  if (in.Varint() != kFormat) return false;
  state = RunState{};
  Run& run = state.run;
  run.id = static_cast<std::uint32_t>(in.Varint());
  run.number = in.Int();
  const std::uint64_t mode = in.Varint();
  const bool has_start = in.Varint() != 0;
  const std::int64_t started = in.Signed();
  if (has_start) run.started_utc = started;
  run.start.start_organisms = in.Int();
  run.start.creativity = in.Int();
  run.start.bonus = in.Int();
  const std::uint64_t changes = in.Varint();
  if (mode > 1 || changes > kMaxChanges || changes > in.Remaining()) return false;
  run.mode = mode == 1 ? RunMode::kJudge : RunMode::kHand;
  for (std::uint64_t i = 0; i < changes && in.ok(); ++i) {
    const std::uint64_t parameter = in.Varint();
    const int click = in.Int();
    const int value = in.Int();
    if (parameter > static_cast<std::uint64_t>(Parameter::kBonus)) return false;
    run.changes.push_back({static_cast<Parameter>(parameter), click, value});
  }
  run.goal = std::string(in.Text());
  run.feeds = in.Int();
  run.shots = in.Int();
  if (!ReadOptional(in, run.first_match_click) || !ReadOptional(in, run.stable_click)) {
    return false;
  }
  const std::uint64_t reached = in.Varint();
  if (reached > static_cast<std::uint64_t>(ReachedBy::kUser)) return false;
  run.reached_by = static_cast<ReachedBy>(reached);
  for (const Aspect aspect : kAspects) {
    const int word = in.Int();
    // A word outside its aspect's table would be looked up out of bounds when judged.
    if (word != kNotJudged && (word < 0 || word >= WordCount(aspect))) return false;
    state.goal.Set(aspect, word);
  }
  state.goal.text = std::string(in.Text());
  if (in.ok() && !in.AtEnd()) {
    run.pupil = std::string(in.Text());
    run.lesson = std::string(in.Text());
  }
  return in.ok() && in.AtEnd() && run.id != 0 && run.feeds >= 0 && run.shots >= 0;
}

}  // namespace vantrel
