#include "lab/idea_wording.h"

#include <array>
#include <functional>
#include <map>
#include <span>

#include "lab/wording.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr std::string_view kOpeningContext = "IdeaOpening";
constexpr std::string_view kAfterOpeningContext = "IdeaSentence";
constexpr std::string_view kOnItsOwnContext = "GoalSentence";

// The message of each template. Where the spokes word is used it picks one of two whole
// sentences, because "with" and "without" change the rest of the sentence in German and
// Dutch ("und hat Speichen", "und hat keine Speichen").
struct SentenceMessage {
  std::string_view with_spokes;
  std::string_view without_spokes;
};
constexpr std::array<SentenceMessage, 5> kSentenceMessages = {{
    {"looks like %1.", "looks like %1."},
    {"looks %1 with %2 lines.", "looks %1 with %2 lines."},
    {"is %1 with spokes.", "is %1 without spokes."},
    {"is %1 with spokes and %2 lines.", "is %1 without spokes, with %2 lines."},
    {"will be called \"%1\".", "will be called \"%1\"."},
}};
static_assert(kSentenceMessages.size() == kIdeaTemplates.size());

std::string_view Trimmed(std::string_view word) {
  while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
  return word;
}

std::optional<std::size_t> IndexIn(WordTable table, std::string_view word) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == word) return i;
  }
  return std::nullopt;
}

// The colour with the intensity in front, when there is one: "blassrot", "rot".
Adjective ColourOf(Wording& wording, const IdeaWords& words) {
  Adjective colour = wording.AdjectiveOf(WordContext(Aspect::kColour), Trimmed(words.color));
  const std::string_view intensity = Trimmed(words.intensity);
  if (intensity.empty()) return colour;
  return Compound(wording.grammar(),
                  wording.AdjectiveOf(WordContext(Aspect::kIntensity), intensity), colour);
}

// One placeholder of the templates, the field of IdeaWords it reads and the words it can take.
struct Slot {
  std::string_view placeholder;
  std::string_view IdeaWords::*field;
  WordTable table;
};
constexpr Slot kSlots[] = {
    {"@intensity", &IdeaWords::intensity, kIdeaIntensities},
    {"@color", &IdeaWords::color, kIdeaColors},
    {"@lookalike", &IdeaWords::lookalike, kIdeaLookalikes},
    {"@linestyle", &IdeaWords::linestyle, kIdeaLineStyles},
    {"@spoke", &IdeaWords::spoke, kIdeaSpokes},
    {"@size", &IdeaWords::size, kIdeaSizes},
    {"@thickness", &IdeaWords::thickness, kIdeaThicknesses},
    {"@shape", &IdeaWords::shape, kIdeaShapes},
};

using SentenceWords = std::map<std::string, IdeaWords, std::less<>>;

// Every English sentence a template can make, with the words that make it.
void AddSentences(IdeaWords& words, std::span<const Slot> slots, SentenceWords& sentences) {
  if (slots.empty()) {
    sentences.try_emplace(CleanUpIdeaSpacing(FillIdeaTemplate(words)), words);
    return;
  }
  const Slot& slot = slots.front();
  if (words.sentence.find(slot.placeholder) == std::string_view::npos) {
    AddSentences(words, slots.subspan(1), sentences);
    return;
  }
  for (std::string_view word : slot.table) {
    words.*slot.field = word;
    AddSentences(words, slots.subspan(1), sentences);
  }
}

// Some 650 sentences: few enough to list once and look a kept goal up in.
const SentenceWords& EverySentence() {
  static const SentenceWords kSentences = [] {
    SentenceWords sentences;
    for (std::string_view sentence : kIdeaTemplates) {
      IdeaWords words{.sentence = sentence};
      AddSentences(words, kSlots, sentences);
    }
    return sentences;
  }();
  return kSentences;
}

}  // namespace

std::optional<std::string> ComposeIdeaSentence(const Grammar& grammar, const IdeaWords& words,
                                               IdeaPart part) {
  const std::optional<std::size_t> index = IndexIn(kIdeaTemplates, words.sentence);
  if (!index) return std::nullopt;
  Wording wording(grammar);
  const std::string_view context =
      part == IdeaPart::kAfterOpening ? kAfterOpeningContext : kOnItsOwnContext;
  const bool spokes = WordIndex(Aspect::kSpokes, words.spoke) == kWithSpokes;
  const SentenceMessage& message = kSentenceMessages[*index];
  const std::string_view source = spokes ? message.with_spokes : message.without_spokes;
  std::string sentence;
  switch (*index) {
    case 0: {  // looks like a pale red strawberry
      const Adjective colour = ColourOf(wording, words);
      const Noun thing = wording.NounOf(kLookalikeContext, Trimmed(words.lookalike));
      sentence = wording.Sentence(context, source,
                                  {IndefiniteNounPhrase(grammar, thing, std::span(&colour, 1))});
      break;
    }
    case 1: {  // looks red with thin lines: the template has no intensity
      const Adjective colour =
          wording.AdjectiveOf(WordContext(Aspect::kColour), Trimmed(words.color));
      const Adjective style =
          wording.AdjectiveOf(WordContext(Aspect::kLineStyle), Trimmed(words.linestyle));
      sentence = wording.Sentence(context, source, {colour.alone, Inflect(style, grammar.plural)});
      break;
    }
    case 2:  // is pale red with spokes
      sentence = wording.Sentence(context, source, {ColourOf(wording, words).alone});
      break;
    case 3: {  // is a small triangle with spokes with thin lines
      const Adjective size = wording.AdjectiveOf(WordContext(Aspect::kSize), Trimmed(words.size));
      const Noun shape = wording.NounOf(WordContext(Aspect::kShape), Trimmed(words.shape));
      const Adjective thickness =
          wording.AdjectiveOf(WordContext(Aspect::kThickness), Trimmed(words.thickness));
      sentence = wording.Sentence(context, source,
                                  {IndefiniteNounPhrase(grammar, shape, std::span(&size, 1)),
                                   Inflect(thickness, grammar.plural)});
      break;
    }
    default:  // will be called "strawberry"
      sentence = wording.Sentence(
          context, source, {wording.NounOf(kLookalikeContext, Trimmed(words.lookalike)).text});
      break;
  }
  if (!wording.ok()) return std::nullopt;
  return sentence;
}

std::string IdeaText(const IdeaWords& words) {
  if (const Grammar* grammar = GrammarOf(CurrentLanguage())) {
    Wording wording(*grammar);
    const std::string opening = wording.Text(kOpeningContext, Trimmed(words.intro));
    const std::optional<std::string> sentence =
        ComposeIdeaSentence(*grammar, words, IdeaPart::kAfterOpening);
    if (wording.ok() && sentence) return opening + ' ' + *sentence;
  }
  std::string text(words.intro);
  text += CleanUpIdeaSpacing(FillIdeaTemplate(words));
  return text;
}

std::string ShownGoalText(std::string_view goal_text) {
  const Grammar* grammar = GrammarOf(CurrentLanguage());
  if (grammar == nullptr) return std::string(goal_text);
  const SentenceWords& sentences = EverySentence();
  const auto found = sentences.find(goal_text);
  if (found == sentences.end()) return std::string(goal_text);
  std::optional<std::string> shown =
      ComposeIdeaSentence(*grammar, found->second, IdeaPart::kOnItsOwn);
  return shown ? *std::move(shown) : std::string(goal_text);
}

}  // namespace vantrel
