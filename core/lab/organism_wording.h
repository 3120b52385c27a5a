#ifndef VANTREL_LAB_ORGANISM_WORDING_H_
#define VANTREL_LAB_ORGANISM_WORDING_H_

#include <optional>
#include <string>

#include "lab/goal.h"
#include "lab/goal_words.h"
#include "lab/word_grammar.h"

namespace vantrel {

// The organism in words in `grammar`'s language ("ein großes dunkelgrünes Quadrat mit
// Speichen und dicken Linien"); nullopt when a translation is missing or damaged.
// `DescribeOrganism` gives it in the current language.
std::optional<std::string> ComposeOrganismWords(const Grammar& grammar, const OrganismWords& words);

// A judged word as the current language shows it on its own, for the ✓/✗ list and the
// choice of goal words: "grün", "Quadrat", "mit Speichen". The word as the goal keys and
// the command line write it in English, and whenever its translation is missing.
std::string ShownWord(Aspect aspect, int word);
std::string ShownWord(const WordVerdict& verdict);

}  // namespace vantrel

#endif  // VANTREL_LAB_ORGANISM_WORDING_H_
