#include "lab/goal_sentence.h"

#include <optional>
#include <string_view>
#include <vector>

#include "lab/goal_list.h"
#include "lab/idea_wording.h"
#include "lab/word_grammar.h"
#include "lab/wording.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "GoalInWords";
constexpr std::string_view kOrganism = "organism";

// How the noun phrase is joined to what is said of its spokes and lines; the English
// sources are the catalogue's keys.
std::string_view TailTemplate(const Goal& goal, bool lines) {
  const int spokes = goal[Aspect::kSpokes];
  if (spokes == kNotJudged) return lines ? "%1 with %2 lines" : "%1";
  if (spokes == kWithSpokes) return lines ? "%1 with spokes and %2 lines" : "%1 with spokes";
  return lines ? "%1 without spokes, with %2 lines" : "%1 without spokes";
}

bool Judged(const Goal& goal, Aspect aspect) { return goal[aspect] != kNotJudged; }

bool SaysLines(const Goal& goal) {
  return Judged(goal, Aspect::kThickness) || Judged(goal, Aspect::kLineStyle);
}

std::string EnglishGoalWords(const Goal& goal) {
  std::vector<std::string> words;
  const auto word = [&goal](Aspect aspect) { return std::string(WordText(aspect, goal[aspect])); };
  if (Judged(goal, Aspect::kSize)) {
    words.push_back(word(Aspect::kSize));
    // "a medium medium green ..." would not say which is which.
    if (Judged(goal, Aspect::kIntensity) && goal[Aspect::kSize] == kMediumSize &&
        goal[Aspect::kIntensity] == kMediumIntensity) {
      words.back() += "-sized";
    }
  }
  if (Judged(goal, Aspect::kIntensity)) words.push_back(word(Aspect::kIntensity));
  if (Judged(goal, Aspect::kColour)) words.push_back(word(Aspect::kColour));
  words.push_back(Judged(goal, Aspect::kShape) ? word(Aspect::kShape) : std::string(kOrganism));
  std::string phrase;
  for (const std::string& w : words) phrase += (phrase.empty() ? "" : " ") + w;
  const bool vowel = std::string_view("aeiou").find(phrase.front()) != std::string_view::npos;
  phrase.insert(0, vowel ? "an " : "a ");
  std::string lines;
  if (Judged(goal, Aspect::kThickness)) lines = word(Aspect::kThickness);
  if (Judged(goal, Aspect::kLineStyle) &&
      (lines.empty() || lines != WordText(Aspect::kLineStyle, goal[Aspect::kLineStyle]))) {
    lines += (lines.empty() ? "" : " ") + word(Aspect::kLineStyle);
  }
  return Arg(TailTemplate(goal, SaysLines(goal)), {phrase, lines});
}

// The goal's text is the key=value list of its words, not an idea's sentence.
bool IsWordList(const Goal& goal) {
  return goal.HasJudgedWords() && goal.text == FormatGoalList(goal);
}

// The chosen words of `goal` in `grammar`'s language; nullopt when a translation is
// missing or damaged, or the goal chooses no word.
std::optional<std::string> ComposeGoalWords(const Grammar& grammar, const Goal& goal) {
  if (!goal.HasJudgedWords()) return std::nullopt;
  Wording wording(grammar);
  const auto adjective = [&](Aspect aspect) {
    return wording.AdjectiveOf(WordContext(aspect), WordText(aspect, goal[aspect]));
  };
  std::vector<Adjective> adjectives;
  if (Judged(goal, Aspect::kSize)) adjectives.push_back(adjective(Aspect::kSize));
  if (Judged(goal, Aspect::kIntensity) && Judged(goal, Aspect::kColour)) {
    adjectives.push_back(
        Compound(grammar, adjective(Aspect::kIntensity), adjective(Aspect::kColour)));
  } else if (Judged(goal, Aspect::kIntensity)) {
    adjectives.push_back(adjective(Aspect::kIntensity));
  } else if (Judged(goal, Aspect::kColour)) {
    adjectives.push_back(adjective(Aspect::kColour));
  }
  const Noun noun = Judged(goal, Aspect::kShape)
                        ? wording.NounOf(WordContext(Aspect::kShape),
                                         WordText(Aspect::kShape, goal[Aspect::kShape]))
                        : wording.NounOf(kContext, kOrganism);
  std::string lines;
  if (Judged(goal, Aspect::kThickness)) {
    lines = Inflect(adjective(Aspect::kThickness), grammar.plural);
  }
  if (Judged(goal, Aspect::kLineStyle)) {
    // Thickness and line style both speak of the pen's width: a word they share is said once.
    const std::string style = Inflect(adjective(Aspect::kLineStyle), grammar.plural);
    if (style != lines) lines += (lines.empty() ? "" : " ") + style;
  }
  const std::string_view tail = TailTemplate(goal, SaysLines(goal));
  const std::string phrase = IndefiniteNounPhrase(grammar, noun, adjectives);
  std::string text = phrase;
  if (SaysLines(goal)) {
    text = wording.Sentence(kContext, tail, {phrase, lines});
  } else if (tail != "%1") {
    text = wording.Sentence(kContext, tail, {phrase});
  }
  return wording.ok() ? std::optional(text) : std::nullopt;
}

}  // namespace

std::string GoalSentence(const Goal& goal) {
  if (!IsWordList(goal)) return ShownGoalText(goal.text);
  if (const Grammar* grammar = GrammarOf(CurrentLanguage())) {
    if (std::optional<std::string> text = ComposeGoalWords(*grammar, goal)) return *text;
  }
  return EnglishGoalWords(goal);
}

}  // namespace vantrel
