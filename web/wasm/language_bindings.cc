// The engine's language for the texts it makes (ideas, messages, the experiments help, the
// notebook's texts): the page fetches the catalogue of the language chosen and hands its
// bytes over, as the module holds none. The page's own texts and the numbers it shows are
// looked up and written here too (and its dates), so that both faces read one catalogue the same
// way.

#include <emscripten/bind.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "language/catalogue.h"
#include "language/dates.h"
#include "language/language.h"
#include "language/numbers.h"
#include "web/wasm/copied_array.h"

namespace vantrel {

namespace {

using emscripten::val;

// An unknown code speaks English, whatever catalogue comes with it; damaged bytes leave
// their texts in English.
std::string SetLanguageBinding(const std::string& code, const val& bytes) {
  const std::optional<Language> language = LanguageFromCode(code);
  SetLanguage(language.value_or(Language::kEnglish), language ? Uint8ArrayBytes(bytes) : "");
  return std::string(LanguageCode(language.value_or(Language::kEnglish)));
}

std::string LanguageBinding() { return std::string(LanguageCode(CurrentLanguage())); }

std::string TrBinding(const std::string& context, const std::string& source) {
  return Tr(context, source);
}

std::string TrNBinding(const std::string& context, const std::string& one, const std::string& other,
                       double count) {
  return TrN(context, one, other, static_cast<long long>(count));
}

std::string ArgBinding(const std::string& text, const val& args) {
  const std::vector<std::string> texts = emscripten::vecFromJSArray<std::string>(args);
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  return ArgList(text, views);
}

// A number with `decimals` places, or in its shortest form when `decimals` is negative.
std::string LocalDecimalBinding(double number, int decimals) {
  return decimals < 0 ? LocalDecimal(number) : LocalDecimal(number, decimals);
}

// Every language as {code, name}, the pseudo-language last.
val LanguagesBinding() {
  val languages = val::array();
  for (const Language language : kLanguages) {
    val object = val::object();
    object.set("code", std::string(LanguageCode(language)));
    object.set("name", std::string(LanguageName(language)));
    languages.call<void>("push", object);
  }
  return languages;
}

// The translated texts of `context` in the language spoken, [source, translation] each.
val TranslatedTextsBinding(const std::string& context) {
  val texts = val::array();
  for (const auto& [source, translation] : TranslatedTexts(context)) {
    val pair = val::array();
    pair.call<void>("push", source);
    pair.call<void>("push", translation);
    texts.call<void>("push", pair);
  }
  return texts;
}

// The code of the first of `tags` (best first) the engine speaks, "en" when none is; never
// the pseudo-language, which is only chosen by name.
std::string PreferredLanguageBinding(const val& tags) {
  const std::vector<std::string> codes = emscripten::vecFromJSArray<std::string>(tags);
  return std::string(LanguageCode(PreferredLanguage(codes)));
}

// Milliseconds since 1970 UTC as the language writes the local date and time.
std::string LocalDateTimeBinding(double unix_ms) {
  return LocalDateTime(static_cast<std::int64_t>(unix_ms));
}

}  // namespace

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(language) {
  emscripten::function("setLanguage", &vantrel::SetLanguageBinding);
  emscripten::function("language", &vantrel::LanguageBinding);
  emscripten::function("tr", &vantrel::TrBinding);
  emscripten::function("trN", &vantrel::TrNBinding);
  emscripten::function("arg", &vantrel::ArgBinding);
  emscripten::function("localDecimal", &vantrel::LocalDecimalBinding);
  emscripten::function("localDateTime", &vantrel::LocalDateTimeBinding);
  emscripten::function("languages", &vantrel::LanguagesBinding);
  emscripten::function("preferredLanguage", &vantrel::PreferredLanguageBinding);
  emscripten::function("translatedTexts", &vantrel::TranslatedTextsBinding);
}
