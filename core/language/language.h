#ifndef VANTREL_LANGUAGE_LANGUAGE_H_
#define VANTREL_LANGUAGE_LANGUAGE_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// The languages the program speaks. The pseudo-language brackets every text and makes it a
// third longer, so that a text that never went through the catalogue stands out; it is only
// ever chosen by name, never from the system's preferences.
enum class Language { kEnglish, kDutch, kGerman, kPseudo };
// Every language, the pseudo-language last; the user chooses among the others.
inline constexpr Language kLanguages[] = {Language::kEnglish, Language::kDutch, Language::kGerman,
                                          Language::kPseudo};

// "en", "nl", "de", "pseudo": the code in catalogue and file names, --lang and the page.
std::string_view LanguageCode(Language language);
// The language a code names, whatever its region, encoding or case: "de", "de-AT",
// "de_DE.UTF-8", "NL-be" and "pseudo" are understood; anything else is not.
std::optional<Language> LanguageFromCode(std::string_view code);
// The first of the user's preferred languages (best first) that the program speaks,
// English when none is.
Language PreferredLanguage(std::span<const std::string> preferred);
// The language's own name, as the language choice lists it: "English", "Nederlands",
// "Deutsch".
std::string_view LanguageName(Language language);

// Which plural form a count takes: 0 for one, 1 for any other count, as in English, Dutch
// and German.
int PluralForm(Language language, long long count);

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_LANGUAGE_H_
