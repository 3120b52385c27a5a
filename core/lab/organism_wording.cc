#include "lab/organism_wording.h"

#include <array>

#include "lab/wording.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr std::string_view kContext = "OrganismInWords";

Adjective AdjectiveOf(Wording& wording, const OrganismWords& words, Aspect aspect) {
  return wording.AdjectiveOf(WordContext(aspect), WordText(aspect, words[aspect]));
}

}  // namespace

std::optional<std::string> ComposeOrganismWords(const Grammar& grammar,
                                                const OrganismWords& words) {
  Wording wording(grammar);
  if (!words.visible) {
    std::string text = wording.Text(kContext, "an invisible organism");
    return wording.ok() ? std::optional(text) : std::nullopt;
  }
  const std::array<Adjective, 2> adjectives = {
      AdjectiveOf(wording, words, Aspect::kSize),
      Compound(grammar, AdjectiveOf(wording, words, Aspect::kIntensity),
               AdjectiveOf(wording, words, Aspect::kColour))};
  const Noun shape =
      wording.NounOf(WordContext(Aspect::kShape), WordText(Aspect::kShape, words[Aspect::kShape]));
  // Thickness and line style both speak of the pen's width: a word they share is said once.
  const Adjective thickness = AdjectiveOf(wording, words, Aspect::kThickness);
  const Adjective style = AdjectiveOf(wording, words, Aspect::kLineStyle);
  std::string lines = Inflect(thickness, grammar.plural);
  if (style.alone != thickness.alone) lines += ' ' + Inflect(style, grammar.plural);
  const bool spokes = words[Aspect::kSpokes] == kWithSpokes;
  std::string text = wording.Sentence(
      kContext, spokes ? "%1 with spokes and %2 lines" : "%1 without spokes and %2 lines",
      {IndefiniteNounPhrase(grammar, shape, adjectives), lines});
  return wording.ok() ? std::optional(text) : std::nullopt;
}

std::string ShownWord(Aspect aspect, int word) {
  const std::string_view english = WordText(aspect, word);
  const Grammar* grammar = GrammarOf(CurrentLanguage());
  if (grammar == nullptr || english.empty()) return std::string(english);
  Wording wording(*grammar);
  std::string shown;
  if (aspect == Aspect::kShape) {
    shown = wording.NounOf(WordContext(aspect), english).text;
  } else if (aspect == Aspect::kSpokes) {
    shown = wording.Text(WordContext(aspect), english);
  } else {
    shown = wording.AdjectiveOf(WordContext(aspect), english).alone;
  }
  return wording.ok() ? shown : std::string(english);
}

std::string ShownWord(const WordVerdict& verdict) {
  const std::optional<int> word = WordIndex(verdict.aspect, verdict.word);
  return word ? ShownWord(verdict.aspect, *word) : std::string(verdict.word);
}

}  // namespace vantrel
