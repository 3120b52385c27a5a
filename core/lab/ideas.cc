#include "lab/ideas.h"

#include "lab/idea_wording.h"

namespace vantrel {

namespace {

// Replaces the first occurrence of `from` in `text`, if any, by `to`.
void ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
}

}  // namespace

std::string_view PickRandom(WordTable table, RandomSource& random) {
  if (table.empty()) return {};
  const int index = random.Draw(static_cast<int>(table.size()));
  return table[static_cast<std::size_t>(index)];
}

IdeaWords DrawIdeaWords(RandomSource& random) {
  // Braced initialisation runs the draws in the order written.
  return IdeaWords{
      PickRandom(kIdeaIntros, random),      PickRandom(kIdeaTemplates, random),
      PickRandom(kIdeaIntensities, random), PickRandom(kIdeaColors, random),
      PickRandom(kIdeaLookalikes, random),  PickRandom(kIdeaLineStyles, random),
      PickRandom(kIdeaSpokes, random),      PickRandom(kIdeaSizes, random),
      PickRandom(kIdeaThicknesses, random), PickRandom(kIdeaShapes, random),
  };
}

std::string FillIdeaTemplate(const IdeaWords& words) {
  std::string text(words.sentence);
  ReplaceFirst(text, "@intensity", words.intensity);
  ReplaceFirst(text, "@color", words.color);
  ReplaceFirst(text, "@lookalike", words.lookalike);
  ReplaceFirst(text, "@linestyle", words.linestyle);
  ReplaceFirst(text, "@spoke", words.spoke);
  ReplaceFirst(text, "@size", words.size);
  ReplaceFirst(text, "@thickness", words.thickness);
  ReplaceFirst(text, "@shape", words.shape);
  return text;
}

std::string CollapseDoubleBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    result += text[i];
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') ++i;
  }
  return result;
}

std::string CleanUpIdeaSpacing(std::string_view sentence) {
  std::string text = CollapseDoubleBlanks(CollapseDoubleBlanks(sentence));
  ReplaceFirst(text, " .", ".");
  ReplaceFirst(text, " \".", "\".");
  return text;
}

std::string GenerateIdea(RandomSource& random) { return MakeIdea(random).text; }

Idea MakeIdea(RandomSource& random) {
  Idea idea{DrawIdeaWords(random), {}};
  idea.text = IdeaText(idea.words);
  return idea;
}

}  // namespace vantrel
