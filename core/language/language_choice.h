// Which language a command-line program speaks when no --lang option names one, decided
// before anything prints: the environment as gettext reads it.
#ifndef VANTREL_LANGUAGE_LANGUAGE_CHOICE_H_
#define VANTREL_LANGUAGE_LANGUAGE_CHOICE_H_

#include <functional>
#include <string_view>

#include "language/language.h"

namespace vantrel {

// Looks up an environment variable: nullptr when it is unset.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The language the environment asks for. LANGUAGE is a colon-separated list of preferences,
// best first; a locale of "C" or "POSIX" (LC_ALL, else LC_MESSAGES, else LANG) means English
// and overrides it, as in gettext. Without LANGUAGE the first of LC_ALL, LC_MESSAGES and LANG
// that is set decides. A language the program does not speak means English; the
// pseudo-language is never taken from the environment.
Language LanguageFromEnvironment(const EnvironmentLookup& lookup);
// The same from the process's own environment.
Language LanguageFromEnvironment();

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_LANGUAGE_CHOICE_H_
