#include "lab/goal.h"

#include <algorithm>

#include "lab/colour_words.h"
#include "lab/organism_wording.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

// Pairs of words that one set of genes can show together. The aspects come from separate
// DNA positions except colour with intensity (positions 3, 5-8) and thickness with line
// style (both read the pen width), so those two pairs are checked as pairs.
struct ReachableWords {
  std::array<std::array<bool, 4>, 10> colour{};  // [name][intensity]
  std::array<std::array<bool, 5>, 5> pen{};      // [thickness][line style]

  ReachableWords() {
    for (ColourNumber colour : GeneColours()) {
      const ColourWords named = NameGeneColour(colour);
      this->colour[named.name][named.intensity] = true;
    }
    for (int width = 1; width <= 10; ++width) {
      for (PenStyle style : {PenStyle::kDash, PenStyle::kSolid}) {
        pen[ThicknessOf(width)][LineStyleOf(style, width)] = true;
      }
    }
  }
};

const ReachableWords& Reachable() {
  static const ReachableWords kReachable;
  return kReachable;
}

std::string_view Word(const OrganismWords& words, Aspect aspect) {
  return WordText(aspect, words[aspect]);
}

std::string DescribeInEnglish(const OrganismWords& words) {
  if (!words.visible) return "an invisible organism";
  std::string text = "a ";
  const std::string_view size = Word(words, Aspect::kSize);
  const std::string_view intensity = Word(words, Aspect::kIntensity);
  // "a medium medium green ..." would not say which is which.
  text += size == intensity ? std::string(size) + "-sized" : std::string(size);
  for (Aspect aspect : {Aspect::kIntensity, Aspect::kColour, Aspect::kShape, Aspect::kSpokes}) {
    text += ' ';
    text += Word(words, aspect);
  }
  text += " and ";
  // Thickness and line style both speak of the pen's width: a word they share is said once.
  const std::string_view thickness = Word(words, Aspect::kThickness);
  const std::string_view style = Word(words, Aspect::kLineStyle);
  text += thickness;
  if (style != thickness) {
    text += ' ';
    text += style;
  }
  text += " lines";
  return text;
}

}  // namespace

int Goal::JudgedWordCount() const {
  return static_cast<int>(
      std::count_if(word.begin(), word.end(), [](int w) { return w != kNotJudged; }));
}

bool MeetsGoal(const Goal& goal, const OrganismWords& words) {
  if (!words.visible) return false;
  bool judged = false;
  for (int i = 0; i < kAspectCount; ++i) {
    if (goal.word[i] == kNotJudged) continue;
    if (goal.word[i] != words.word[i]) return false;
    judged = true;
  }
  return judged;
}

std::vector<WordVerdict> JudgeWords(const Goal& goal, const OrganismWords& words) {
  std::vector<WordVerdict> verdicts;
  for (Aspect aspect : kAspects) {
    if (goal[aspect] == kNotJudged) continue;
    verdicts.push_back(
        {aspect, WordText(aspect, goal[aspect]), words.visible && words[aspect] == goal[aspect]});
  }
  return verdicts;
}

bool GoalIsReachable(const Goal& goal) {
  const ReachableWords& reachable = Reachable();
  const int name = goal[Aspect::kColour];
  const int intensity = goal[Aspect::kIntensity];
  bool colour_ok = false;
  for (int n = 0; n < 10; ++n) {
    for (int i = 0; i < 4; ++i) {
      if ((name == kNotJudged || name == n) && (intensity == kNotJudged || intensity == i)) {
        colour_ok = colour_ok || reachable.colour[n][i];
      }
    }
  }
  const int thickness = goal[Aspect::kThickness];
  const int line_style = goal[Aspect::kLineStyle];
  bool pen_ok = false;
  for (int t = 0; t < 5; ++t) {
    for (int s = 0; s < 5; ++s) {
      if ((thickness == kNotJudged || thickness == t) &&
          (line_style == kNotJudged || line_style == s)) {
        pen_ok = pen_ok || reachable.pen[t][s];
      }
    }
  }
  // Every shape, size and spokes word has digits of its own that make it.
  return colour_ok && pen_ok;
}

std::string DescribeOrganism(const OrganismWords& words) {
  if (const Grammar* grammar = GrammarOf(CurrentLanguage())) {
    if (std::optional<std::string> text = ComposeOrganismWords(*grammar, words)) return *text;
  }
  return DescribeInEnglish(words);
}

Goal WordGoalOfIdeas(RandomSource& random) {
  constexpr int kIdeaDraws = 100;
  Goal goal = GoalFromIdea(MakeIdea(random).words);
  for (int draw = 1; draw < kIdeaDraws && !goal.HasJudgedWords(); ++draw) {
    goal = GoalFromIdea(MakeIdea(random).words);
  }
  return goal;
}

Goal GoalFromIdea(const IdeaWords& idea) {
  struct Placeholder {
    std::string_view name;
    Aspect aspect;
    std::string_view word;
  };
  const Placeholder placeholders[] = {
      {"@intensity", Aspect::kIntensity, idea.intensity},
      {"@color", Aspect::kColour, idea.color},
      {"@shape", Aspect::kShape, idea.shape},
      {"@size", Aspect::kSize, idea.size},
      {"@thickness", Aspect::kThickness, idea.thickness},
      {"@linestyle", Aspect::kLineStyle, idea.linestyle},
      {"@spoke", Aspect::kSpokes, idea.spoke},
  };
  Goal goal;
  goal.text = CleanUpIdeaSpacing(FillIdeaTemplate(idea));
  for (const Placeholder& p : placeholders) {
    if (idea.sentence.find(p.name) == std::string_view::npos) continue;
    if (const std::optional<int> w = WordIndex(p.aspect, p.word)) goal.Set(p.aspect, *w);
  }
  return goal;
}

}  // namespace vantrel
