#include "lab/wording.h"

#include "language/catalogue.h"

namespace vantrel {

std::string_view WordContext(Aspect aspect) {
  switch (aspect) {
    case Aspect::kColour:
      return "IdeaColour";
    case Aspect::kIntensity:
      return "IdeaIntensity";
    case Aspect::kShape:
      return "IdeaShape";
    case Aspect::kSize:
      return "IdeaSize";
    case Aspect::kThickness:
      return "IdeaThickness";
    case Aspect::kLineStyle:
      return "IdeaLineStyle";
    case Aspect::kSpokes:
      return "IdeaSpokes";
  }
  return {};
}

std::string Wording::Text(std::string_view context, std::string_view source) {
  if (!IsTranslated(context, source)) {
    ok_ = false;
    return std::string(source);
  }
  return Tr(context, source);
}

Adjective Wording::AdjectiveOf(std::string_view context, std::string_view source) {
  std::optional<Adjective> adjective = ParseAdjective(Text(context, source));
  if (!adjective) {
    ok_ = false;
    return Adjective{std::string(source), std::string(source)};
  }
  return *std::move(adjective);
}

Noun Wording::NounOf(std::string_view context, std::string_view source) {
  std::optional<Noun> noun = ParseNoun(grammar_, Text(context, source));
  if (!noun) {
    ok_ = false;
    return Noun{Gender::kMasculine, std::string(source)};
  }
  return *std::move(noun);
}

std::string Wording::Sentence(std::string_view context, std::string_view source,
                              std::initializer_list<std::string_view> args) {
  const std::string text = Text(context, source);
  for (std::size_t i = 1; i <= args.size(); ++i) {
    if (text.find('%' + std::to_string(i)) == std::string::npos) ok_ = false;
  }
  return Arg(text, args);
}

}  // namespace vantrel
