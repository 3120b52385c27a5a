#include "lab/lab_options.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "lab/decimal_text.h"
#include "lab/goal_list.h"
#include "lab/lesson.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr long long kMaxTotalRuns = 100'000'000;
constexpr std::string_view kContext = "LabCli";

// A message about one option: `message` translated, with the option's name and the rest of
// `args` for %1, %2 ...; the numbers in it are values to type, so they stay plain.
std::string Says(std::string_view name, std::string_view message,
                 std::initializer_list<std::string_view> args = {}) {
  return std::string(name) + ": " + Arg(Tr(kContext, message), args);
}

std::string NotWhole(std::string_view name, std::string_view text, long long low, long long high) {
  return Says(name, "%1 is not a whole number from %2 to %3",
              {Quoted(text), std::to_string(low), std::to_string(high)});
}

bool ParseWhole(std::string_view text, long long low, long long high, long long& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end && !text.empty() && value >= low &&
         value <= high;
}

bool ParseFraction(std::string_view text, double& value) {
  const std::optional<double> parsed = ParseDecimal(text);
  if (!parsed || !(*parsed >= 0.0 && *parsed <= 1.0)) return false;
  value = *parsed;
  return true;
}

std::vector<std::string_view> SplitList(std::string_view text) {
  std::vector<std::string_view> items;
  while (true) {
    const std::size_t comma = text.find(',');
    items.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return items;
    text.remove_prefix(comma + 1);
  }
}

// Parses a comma-separated list of whole numbers in [low, high] into `values`.
std::string WholeList(std::string_view name, std::string_view text, long long low, long long high,
                      std::vector<int>& values) {
  values.clear();
  for (std::string_view item : SplitList(text)) {
    long long value = 0;
    if (!ParseWhole(item, low, high, value)) return NotWhole(name, item, low, high);
    values.push_back(static_cast<int>(value));
  }
  return {};
}

std::string Whole(std::string_view name, std::string_view text, long long low, long long high,
                  long long& value) {
  if (ParseWhole(text, low, high, value)) return {};
  return NotWhole(name, text, low, high);
}

std::string GoalOption(std::string_view name, std::string_view text, Goal& goal) {
  ParsedGoal parsed = ParseGoalList(text);
  if (!parsed.error.empty()) return std::string(name) + ": " + parsed.error;
  if (!GoalIsReachable(parsed.goal)) {
    return Says(name, "no organism can meet %1", {Quoted(parsed.goal.text)});
  }
  goal = std::move(parsed.goal);
  return {};
}

struct Parser {
  LabOptions& o;
  bool warmup_clicks_given = false;

  std::string Take(std::string_view name, std::string_view value) {
    long long n = 0;
    std::string error;
    if (name == "--goal") {
      Goal goal;
      error = GoalOption(name, value, goal);
      if (error.empty()) o.goals.push_back(std::move(goal));
    } else if (name == "--warmup-goal") {
      Goal goal;
      error = GoalOption(name, value, goal);
      if (error.empty()) o.warmup_goal = std::move(goal);
    } else if (name == "--population") {
      error = WholeList(name, value, 2, 1000, o.populations);
    } else if (name == "--creativity") {
      error = WholeList(name, value, 0, 99, o.creativities);
    } else if (name == "--bonus") {
      error = WholeList(name, value, -1'000'000, 1'000'000, o.bonuses);
    } else if (name == "--strictness") {
      o.strictnesses.clear();
      for (std::string_view item : SplitList(value)) {
        double s = 0;
        if (!ParseFraction(item, s)) {
          return Says(name, "%1 is not a number from 0 to 1", {Quoted(item)});
        }
        o.strictnesses.push_back(s);
      }
    } else if (name == "--learner") {
      error = WholeList(name, value, 0, std::numeric_limits<int>::max(), o.learners);
    } else if (name == "--runs") {
      if ((error = Whole(name, value, 1, kMaxTotalRuns, n)).empty()) o.runs = static_cast<int>(n);
    } else if (name == "--seed") {
      if ((error = Whole(name, value, 0, std::numeric_limits<std::uint32_t>::max(), n)).empty()) {
        o.seed = static_cast<std::uint32_t>(n);
      }
    } else if (name == "--max-clicks") {
      if ((error = Whole(name, value, 1, std::numeric_limits<int>::max(), n)).empty()) {
        o.max_clicks = static_cast<int>(n);
      }
    } else if (name == "--warmup-clicks") {
      warmup_clicks_given = true;
      if ((error = Whole(name, value, 0, std::numeric_limits<int>::max(), n)).empty()) {
        o.warmup_clicks = static_cast<int>(n);
      }
    } else if (name == "--jobs") {
      if ((error = Whole(name, value, 1, 1024, n)).empty()) o.jobs = static_cast<int>(n);
    } else if (name == "--csv") {
      if (value.empty()) return Says(name, "no file name");
      o.csv_path = std::string(value);
    } else if (name == "--pupil") {
      o.pupil = CleanPupilName(value);
    } else if (name == "--lesson") {
      if (value.size() != 8 ||
          value.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
        return Says(name, "%1 is not a lesson's 8 hex digits", {Quoted(value)});
      }
      o.lesson = std::string(value);
    } else if (name == "--shard") {
      const std::size_t slash = value.find('/');
      long long k = 0;
      long long shards = 0;
      if (slash == std::string_view::npos ||
          !ParseWhole(value.substr(slash + 1), 1, 1'000'000, shards) ||
          !ParseWhole(value.substr(0, slash), 1, shards, k)) {
        return Says(name, "%1 is not K/N with 1 <= K <= N", {Quoted(value)});
      }
      o.shard = static_cast<int>(k);
      o.shards = static_cast<int>(shards);
    } else if (name == "--lang") {
      o.language = LanguageFromCode(value);
      if (!o.language) {
        return Says(name, "%1 is not a language of this program (it can be en, nl or de)",
                    {Quoted(value)});
      }
    } else {
      return Arg(Tr(kContext, "unknown option %1 (see --help)"), {Quoted(name)});
    }
    return error;
  }
};

bool TakesValue(std::string_view name) {
  return name != "--help" && name != "-h" && name != "--quiet" && name != "--summarize";
}

}  // namespace

ParsedLabOptions ParseLabOptions(std::span<const std::string_view> args) {
  ParsedLabOptions parsed;
  LabOptions& o = parsed.options;
  Parser parser{o};
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view name = args[i];
    std::string_view value;
    bool has_value = false;
    if (name.starts_with("--")) {
      if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
        has_value = true;
      }
    } else if (name != "-h") {
      parsed.error =
          Arg(Tr(kContext, "unexpected argument %1 (options start with --)"), {Quoted(name)});
      return parsed;
    }
    if (!TakesValue(name)) {
      if (has_value) {
        parsed.error = Says(name, "takes no value");
        return parsed;
      }
      if (name == "--quiet") {
        o.quiet = true;
      } else if (name == "--summarize") {
        // The files are every argument after it up to the next option.
        o.summarize = true;
        while (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
          o.summarize_files.emplace_back(args[++i]);
        }
        if (o.summarize_files.empty()) {
          parsed.error = Says(name, "no file to summarize");
          return parsed;
        }
      } else {
        o.help = true;
      }
      continue;
    }
    if (!has_value) {
      if (i + 1 >= args.size()) {
        parsed.error = Says(name, "missing value");
        return parsed;
      }
      value = args[++i];
    }
    parsed.error = parser.Take(name, value);
    if (!parsed.error.empty()) return parsed;
  }
  if (o.help || o.summarize) return parsed;
  if (o.goals.empty()) {
    parsed.error = Says("--goal", "missing (for example --goal shape=square,spokes=yes)");
    return parsed;
  }
  if (parser.warmup_clicks_given && !o.warmup_goal) {
    parsed.error = Says("--warmup-clicks", "needs --warmup-goal");
    return parsed;
  }
  // Multiplied step by step so that long lists cannot overflow the count.
  long long total = o.runs;
  for (std::size_t size :
       {o.goals.size(), o.populations.size(), o.creativities.size(), o.bonuses.size(),
        o.strictnesses.size(), std::max<std::size_t>(o.learners.size(), 1)}) {
    total = std::min(total * static_cast<long long>(size), kMaxTotalRuns + 1);
  }
  if (total > kMaxTotalRuns) {
    parsed.error = Says("--runs", "more than %1 runs in all (runs times conditions)",
                        {std::to_string(kMaxTotalRuns)});
  }
  return parsed;
}

std::optional<Language> LanguageArgument(std::span<const std::string_view> args) {
  std::optional<Language> language;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view name = args[i];
    std::string_view value;
    bool has_value = false;
    if (const std::size_t equals = name.find('=');
        name.starts_with("--") && equals != std::string_view::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
      has_value = true;
    }
    if (!name.starts_with("--") || !TakesValue(name)) continue;
    if (!has_value) {
      if (i + 1 >= args.size()) break;
      value = args[++i];
    }
    if (name == "--lang") {
      if (const std::optional<Language> named = LanguageFromCode(value)) language = named;
    }
  }
  return language;
}

BatchPlan PlanOf(const LabOptions& options) {
  BatchPlan plan;
  for (const Goal& goal : options.goals) {
    for (int population : options.populations) {
      for (int creativity : options.creativities) {
        for (int bonus : options.bonuses) {
          for (double strictness : options.strictnesses) {
            if (options.learners.empty()) {
              plan.conditions.push_back({goal, {population, creativity, bonus}, strictness});
            }
            for (int learner : options.learners) {
              plan.conditions.push_back(
                  {goal, {population, creativity, bonus}, strictness, learner});
            }
          }
        }
      }
    }
  }
  plan.runs_per_condition = options.runs;
  plan.base_seed = options.seed;
  plan.max_clicks = options.max_clicks;
  plan.warmup_goal = options.warmup_goal;
  plan.warmup_clicks = options.warmup_goal ? options.warmup_clicks : 0;
  plan.pupil = options.pupil;
  plan.lesson = options.lesson;
  plan.learner = !options.learners.empty();
  return plan;
}

}  // namespace vantrel
