#include "lab/word_grammar.h"

namespace vantrel {

namespace {

constexpr GenderMark kGermanMarks[] = {
    {"der", Gender::kMasculine}, {"die", Gender::kFeminine}, {"das", Gender::kNeuter}};

// After "ein"/"eine" the adjective shows the gender itself (mixed declension, nominative);
// after "mit" a plural without article takes the strong dative ending.
constexpr Grammar kGerman = {
    .marks = kGermanMarks,
    .indefinite = {"ein", "eine", "ein"},
    .singular = {Ending{1, "er"}, Ending{1, "e"}, Ending{1, "es"}},
    .plural = {1, "en"},
    .compound_joiner = "",
};

constexpr GenderMark kDutchMarks[] = {{"de", Gender::kMasculine}, {"het", Gender::kNeuter}};

// Dutch inflects every adjective before a noun except after "een" before a het-word:
// "een groene driehoek", "een groen vierkant". The inflected form is given whole, because
// its spelling changes ("rood", "rode"; "dun", "dunne").
constexpr Grammar kDutch = {
    .marks = kDutchMarks,
    .indefinite = {"een", "een", "een"},
    .singular = {Ending{1, ""}, Ending{1, ""}, Ending{0, ""}},
    .plural = {1, ""},
    .compound_joiner = "",
};

// The pseudo-language only shows that every piece went through the catalogue: the pieces
// stand side by side as they are.
constexpr Grammar kPseudo = {
    .marks = {},
    .indefinite = {"", "", ""},
    .singular = {Ending{}, Ending{}, Ending{}},
    .plural = {},
    .compound_joiner = " ",
};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::size_t GenderIndex(Gender gender) { return static_cast<std::size_t>(gender); }

}  // namespace

const Grammar* GrammarOf(Language language) {
  switch (language) {
    case Language::kEnglish:
      return nullptr;
    case Language::kDutch:
      return &kDutch;
    case Language::kGerman:
      return &kGerman;
    case Language::kPseudo:
      return &kPseudo;
  }
  return nullptr;
}

std::optional<Noun> ParseNoun(const Grammar& grammar, std::string_view translation) {
  translation = Trimmed(translation);
  if (grammar.marks.empty()) {
    if (translation.empty()) return std::nullopt;
    return Noun{Gender::kMasculine, std::string(translation)};
  }
  for (const GenderMark& mark : grammar.marks) {
    if (translation.size() <= mark.article.size() + 1 || !translation.starts_with(mark.article) ||
        translation[mark.article.size()] != ' ') {
      continue;
    }
    const std::string_view noun = Trimmed(translation.substr(mark.article.size() + 1));
    if (noun.empty()) return std::nullopt;
    return Noun{mark.gender, std::string(noun)};
  }
  return std::nullopt;
}

std::optional<Adjective> ParseAdjective(std::string_view translation) {
  const std::size_t slash = translation.find('/');
  const std::string_view alone = Trimmed(translation.substr(0, slash));
  const std::string_view inflecting =
      slash == std::string_view::npos ? alone : Trimmed(translation.substr(slash + 1));
  if (alone.empty() || inflecting.empty()) return std::nullopt;
  return Adjective{std::string(alone), std::string(inflecting)};
}

Adjective Compound(const Grammar& grammar, const Adjective& intensity, const Adjective& colour) {
  const std::string prefix = intensity.alone + std::string(grammar.compound_joiner);
  return Adjective{prefix + colour.alone, prefix + colour.inflecting};
}

std::string Inflect(const Adjective& adjective, const Ending& ending) {
  return (ending.form == 0 ? adjective.alone : adjective.inflecting) + std::string(ending.suffix);
}

std::string IndefiniteNounPhrase(const Grammar& grammar, const Noun& noun,
                                 std::span<const Adjective> adjectives) {
  std::string phrase(grammar.indefinite[GenderIndex(noun.gender)]);
  for (const Adjective& adjective : adjectives) {
    if (!phrase.empty()) phrase += ' ';
    phrase += Inflect(adjective, grammar.singular[GenderIndex(noun.gender)]);
  }
  if (!phrase.empty()) phrase += ' ';
  return phrase + noun.text;
}

}  // namespace vantrel
