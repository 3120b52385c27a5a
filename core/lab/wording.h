#ifndef VANTREL_LAB_WORDING_H_
#define VANTREL_LAB_WORDING_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "lab/goal_words.h"
#include "lab/word_grammar.h"

namespace vantrel {

// The catalogue contexts of the idea's words, one per table, because one English word can
// need several translations ("medium" is "mittel", "mittelgroß" and "mittelstark").
std::string_view WordContext(Aspect aspect);
inline constexpr std::string_view kLookalikeContext = "IdeaLookalike";

// Looks up the pieces of one composed text in the current language's catalogue and remembers
// whether any was missing or damaged, so that the caller can give the English text as a whole
// rather than a sentence half in one language and half in another.
class Wording {
 public:
  explicit Wording(const Grammar& grammar) : grammar_(grammar) {}

  const Grammar& grammar() const { return grammar_; }
  // False once any piece was missing or damaged.
  bool ok() const { return ok_; }

  std::string Text(std::string_view context, std::string_view source);
  Adjective AdjectiveOf(std::string_view context, std::string_view source);
  Noun NounOf(std::string_view context, std::string_view source);
  // A sentence template with %1 ... filled in; damaged when it lacks one of its placeholders.
  std::string Sentence(std::string_view context, std::string_view source,
                       std::initializer_list<std::string_view> args);

 private:
  const Grammar& grammar_;
  bool ok_ = true;
};

}  // namespace vantrel

#endif  // VANTREL_LAB_WORDING_H_
