#ifndef VANTREL_LANGUAGE_CATALOGUE_H_
#define VANTREL_LANGUAGE_CATALOGUE_H_

#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language/language.h"

namespace vantrel {

// The translations of one language, read from the catalogue the build makes of the Qt
// Linguist files (i18n/): per context and English source, one text or one per plural form.
class Catalogue {
 public:
  Catalogue() = default;
  // Reads a catalogue's bytes. A record that is damaged (a missing field, text that is not
  // UTF-8) is left out and so is bytes that are not a catalogue at all: their texts stay
  // English. Never throws for bad bytes.
  static Catalogue Parse(std::string_view bytes);

  bool empty() const { return by_key_.empty(); }
  std::size_t size() const { return by_key_.size(); }
  // The forms for `source` in `context`, else for the same source in any context (a text
  // the desktop and the page share is translated once); nullptr when it has none.
  const std::vector<std::string>* Find(std::string_view context, std::string_view source) const;
  // Every translated text of `context`: its English source and its (first) translation.
  std::vector<std::pair<std::string, std::string>> TextsOf(std::string_view context) const;

 private:
  std::map<std::pair<std::string, std::string>, std::vector<std::string>, std::less<>> by_key_;
  std::map<std::string, std::vector<std::string>, std::less<>> by_source_;
};

// The catalogue built into this program for a language code, empty when it has none (the
// WebAssembly build has none: the page fetches the one it needs and hands it over).
std::string_view BuiltInCatalogue(std::string_view code);

// The language the program speaks, for every text made below the windows. English until
// set; set once at start-up (and by the page when the user chooses another).
void SetLanguage(Language language);
// The same with the catalogue's bytes given, as the page does.
void SetLanguage(Language language, std::string_view catalogue_bytes);
Language CurrentLanguage();

// `source` in the current language; the English source when the catalogue lacks it.
std::string Tr(std::string_view context, std::string_view source);
// Every translated text of `context` in the current language, by its English source: what
// the build writes into the page for the texts it shows before the engine runs.
std::vector<std::pair<std::string, std::string>> TranslatedTexts(std::string_view context);
// Whether the current catalogue holds a translation of `source` (as Tr finds it), for text
// composed of several pieces that falls back to English as a whole when one is missing.
bool IsTranslated(std::string_view context, std::string_view source);
// The plural form for `count` of `source` ("%n organisms"), "%n" replaced by the count with
// its thousands grouped (see GroupedNumber).
std::string TrN(std::string_view context, std::string_view source, long long count);
// The same for a text whose English forms are `one` and `other`: its translation is found
// under `other`, and a count of one without a translation takes `one`.
std::string TrN(std::string_view context, std::string_view one, std::string_view other,
                long long count);
// `text` with %1 ... %9 replaced by the arguments in one pass, so that an argument's own
// "%2" stays as it is.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> args);
// The same with the arguments in a list made at run time (the page's).
std::string ArgList(std::string_view text, std::span<const std::string_view> args);

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_CATALOGUE_H_
