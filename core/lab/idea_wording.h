#ifndef VANTREL_LAB_IDEA_WORDING_H_
#define VANTREL_LAB_IDEA_WORDING_H_

#include <optional>
#include <string>
#include <string_view>

#include "lab/ideas.h"
#include "lab/word_grammar.h"

namespace vantrel {

// An idea's sentence as `MakeIdea` shows it: in English the opening and the cleaned-up
// template exactly as they always were; in another language composed by its grammar from
// the same words, or the English text when one of their translations is missing or damaged.
std::string IdeaText(const IdeaWords& words);

// A goal as shown in the current language. `goal_text` is the goal as runs keep it: in
// English, an idea's sentence without its opening. Any other text (a key=value list, whose
// words are the command line's and stay English) comes back as it is.
std::string ShownGoalText(std::string_view goal_text);

// Where a composed sentence stands: after the opening (a relative clause, verb last in German
// and Dutch) or on its own as a goal.
enum class IdeaPart { kAfterOpening, kOnItsOwn };

// The sentence of `words` in `grammar`'s language, without the opening; nullopt when a
// translation is missing or damaged, or the template is not one of the generator's.
std::optional<std::string> ComposeIdeaSentence(const Grammar& grammar, const IdeaWords& words,
                                               IdeaPart part);

}  // namespace vantrel

#endif  // VANTREL_LAB_IDEA_WORDING_H_
