#ifndef VANTREL_LAB_GOAL_H_
#define VANTREL_LAB_GOAL_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lab/goal_words.h"
#include "lab/ideas.h"
#include "population/random_source.h"

namespace vantrel {

inline constexpr int kNotJudged = -1;

// What a run aims for: the judged words, one per aspect or kNotJudged, and the goal as the
// user reads it (the idea's sentence without its opening, or the key=value list).
struct Goal {
  std::array<int, kAspectCount> word{kNotJudged, kNotJudged, kNotJudged, kNotJudged,
                                     kNotJudged, kNotJudged, kNotJudged};
  std::string text;

  int operator[](Aspect aspect) const { return word[static_cast<int>(aspect)]; }
  void Set(Aspect aspect, int value) { word[static_cast<int>(aspect)] = value; }
  int JudgedWordCount() const;
  bool HasJudgedWords() const { return JudgedWordCount() > 0; }
};

// True when the organism is visible and meets every judged word. A goal without judged
// words is met by no organism: only the user can say it is reached.
bool MeetsGoal(const Goal& goal, const OrganismWords& words);

// One judged word of a goal and whether an organism meets it, for a ✓/✗ list. The word is
// the goal key's English one; ShownWord (organism_wording.h) gives it in the current language.
struct WordVerdict {
  Aspect aspect;
  std::string_view word;
  bool met;
};
std::vector<WordVerdict> JudgeWords(const Goal& goal, const OrganismWords& words);

// False when no organism the genes can make meets the goal (for example "pale black", or
// thin lines that are thick). A goal without judged words counts as reachable.
bool GoalIsReachable(const Goal& goal);

// The organism in the idea's words in the current language: "a large dark green square with
// spokes and thick broken lines", or "an invisible organism"; in English when a translation
// is missing (see organism_wording.h).
std::string DescribeOrganism(const OrganismWords& words);

// The goal of an idea: the words its template uses that the program can judge, and the
// sentence without its opening as text. The lookalike word is never judged.
Goal GoalFromIdea(const IdeaWords& idea);

// The goal of the first idea drawn from `random` that judges at least one word, as a
// lesson's goal needs: about one idea in five judges none. After a hundred draws without
// one (no real chance) the last idea's goal, without words.
Goal WordGoalOfIdeas(RandomSource& random);

}  // namespace vantrel

#endif  // VANTREL_LAB_GOAL_H_
