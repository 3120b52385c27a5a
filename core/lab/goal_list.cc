#include "lab/goal_list.h"

#include <optional>

#include "language/catalogue.h"

namespace vantrel {

namespace {

// The messages speak the language of vantrel-lab's others; keys and values stay English,
// as they are typed.
std::string Says(std::string_view message, std::initializer_list<std::string_view> args = {}) {
  return Arg(Tr("LabCli", message), args);
}

std::optional<Aspect> AspectOfKey(std::string_view key) {
  if (key == "colour") return Aspect::kColour;  // the British spelling too
  for (Aspect aspect : kAspects) {
    if (AspectKey(aspect) == key) return aspect;
  }
  return std::nullopt;
}

int WordOfValue(Aspect aspect, std::string_view value) {
  if (aspect == Aspect::kSpokes) {
    if (value == "yes" || value == "with" || value == "with spokes") return kWithSpokes;
    if (value == "no" || value == "without" || value == "without spokes") return kWithoutSpokes;
    return kNotJudged;
  }
  if (aspect == Aspect::kColour && value == "grey") value = "gray";
  for (int w = 0; w < WordCount(aspect); ++w) {
    if (WordText(aspect, w) == value) return w;
  }
  return kNotJudged;
}

std::string Choices(Aspect aspect) {
  if (aspect == Aspect::kSpokes) return "yes, no";
  std::string text;
  for (int w = 0; w < WordCount(aspect); ++w) {
    if (w > 0) text += ", ";
    text += WordText(aspect, w);
  }
  return text;
}

}  // namespace

std::string Quoted(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(text);
  quoted += '\'';
  return quoted;
}

ParsedGoal ParseGoalList(std::string_view list) {
  ParsedGoal parsed;
  if (list.empty()) {
    parsed.error = Says("empty goal: give key=value pairs such as shape=square,spokes=yes");
    return parsed;
  }
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view pair = list.substr(0, comma);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) {
      parsed.error = Says("%1 is not key=value", {Quoted(pair)});
      return parsed;
    }
    const std::string_view key = pair.substr(0, equals);
    const std::string_view value = pair.substr(equals + 1);
    const std::optional<Aspect> aspect = AspectOfKey(key);
    if (!aspect) {
      parsed.error = Says(
          "unknown key %1 (keys: color or colour, intensity, shape, size, thickness, linestyle, "
          "spokes)",
          {Quoted(key)});
      return parsed;
    }
    if (parsed.goal[*aspect] != kNotJudged) {
      parsed.error = Says("key %1 given twice", {Quoted(key)});
      return parsed;
    }
    const int word = WordOfValue(*aspect, value);
    if (word == kNotJudged) {
      parsed.error = Says("unknown %1 %2 (one of %3)", {key, Quoted(value), Choices(*aspect)});
      return parsed;
    }
    parsed.goal.Set(*aspect, word);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  parsed.goal.text = FormatGoalList(parsed.goal);
  return parsed;
}

std::string FormatGoalList(const Goal& goal) {
  std::string text;
  for (Aspect aspect : kAspects) {
    const int word = goal[aspect];
    if (word == kNotJudged) continue;
    if (!text.empty()) text += ',';
    text += AspectKey(aspect);
    text += '=';
    if (aspect == Aspect::kSpokes) {
      text += word == kWithSpokes ? "yes" : "no";
    } else {
      text += WordText(aspect, word);
    }
  }
  return text;
}

}  // namespace vantrel
