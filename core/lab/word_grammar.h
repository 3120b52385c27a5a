#ifndef VANTREL_LAB_WORD_GRAMMAR_H_
#define VANTREL_LAB_WORD_GRAMMAR_H_

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language/language.h"

namespace vantrel {

// How a language builds the phrases of an idea and of the organism in words: which article a
// noun takes, how an adjective ends before it, and how an intensity joins a colour. The
// words themselves come from the catalogue; this is only what varies with the noun.
//
// A noun's translation starts with its definite article ("die Erdbeere", "het wiel"), which
// gives its gender. An adjective's translation is one form, or two separated by a slash: the
// form said on its own ("rood", "orange") and the form that takes endings before a noun
// ("rode", "orangefarben"); one form serves as both.

// Dutch has two: its common gender (de-words) counts as masculine here.
enum class Gender { kMasculine, kFeminine, kNeuter };

// The definite article that marks a noun of `gender` in its translation.
struct GenderMark {
  std::string_view article;
  Gender gender;
};

// Which of an adjective's forms to take (0: on its own, 1: before a noun) and what to add.
struct Ending {
  int form = 0;
  std::string_view suffix;
};

struct Grammar {
  // Empty when nouns carry no article (the pseudo-language): every noun is then masculine.
  std::span<const GenderMark> marks;
  // The indefinite article per gender ("ein", "eine", "ein"); empty for none.
  std::array<std::string_view, 3> indefinite;
  // An adjective after the indefinite article, per gender: "ein kleines Dreieck".
  std::array<Ending, 3> singular;
  // An adjective before the plural "lines" after "with": "mit dünnen Linien".
  Ending plural;
  // Put between an intensity and a colour: "" makes one word ("hellrot").
  std::string_view compound_joiner;
};

// The grammar of a language; nullptr for English, whose sentences are made as they always were.
const Grammar* GrammarOf(Language language);

struct Noun {
  Gender gender = Gender::kMasculine;
  std::string text;  // without its article
};

// The noun of a translation; nullopt when it does not start with one of the grammar's
// articles (a damaged translation).
std::optional<Noun> ParseNoun(const Grammar& grammar, std::string_view translation);

// An adjective's two forms: on its own, and before a noun (the same when only one is given).
struct Adjective {
  std::string alone;
  std::string inflecting;
};

// The forms of a translation "rood/rode" or "klein"; nullopt when a form is empty.
std::optional<Adjective> ParseAdjective(std::string_view translation);

// An intensity and a colour as one adjective: "blass" and "rot" make "blassrot".
Adjective Compound(const Grammar& grammar, const Adjective& intensity, const Adjective& colour);

// The adjective as it stands before a noun with `ending`.
std::string Inflect(const Adjective& adjective, const Ending& ending);

// "eine kleine blassrote Linie": the indefinite article, the adjectives in agreement with
// the noun, and the noun.
std::string IndefiniteNounPhrase(const Grammar& grammar, const Noun& noun,
                                 std::span<const Adjective> adjectives);

}  // namespace vantrel

#endif  // VANTREL_LAB_WORD_GRAMMAR_H_
