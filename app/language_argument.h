#ifndef VANTREL_APP_LANGUAGE_ARGUMENT_H_
#define VANTREL_APP_LANGUAGE_ARGUMENT_H_

#include <optional>
#include <string>
#include <vector>

#include "language/language.h"

namespace vantrel {

// What "--lang CODE" or "--lang=CODE" asked for. A teacher's demonstration may choose the
// language by name; without the option the system's preferred languages decide.
struct LanguageArgument {
  // The language named, when one was named and the program speaks it.
  std::optional<Language> language;
  // The code as given when it names no language the program speaks ("fr", "" when the
  // option had no value); empty when all is well.
  std::optional<std::string> refused;
};

// Takes every --lang option out of `arguments` (argv without its end marker), leaving the
// rest in order for the command line's own reading; the last one decides. A bad code is
// not an error that stops the program: it goes on in the system's language.
LanguageArgument TakeLanguageArgument(std::vector<char*>& arguments);

}  // namespace vantrel

#endif  // VANTREL_APP_LANGUAGE_ARGUMENT_H_
