#include "language/language_choice.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace vantrel {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// "C", "POSIX" and their encodings ("C.UTF-8") name no language: the untranslated texts.
bool IsPlainLocale(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  return name == "C" || name == "POSIX";
}

std::vector<std::string> SplitColons(std::string_view text) {
  std::vector<std::string> parts;
  while (true) {
    const std::size_t colon = text.find(':');
    if (!text.substr(0, colon).empty()) parts.emplace_back(text.substr(0, colon));
    if (colon == std::string_view::npos) return parts;
    text.remove_prefix(colon + 1);
  }
}

}  // namespace

Language LanguageFromEnvironment(const EnvironmentLookup& lookup) {
  const char* locale = nullptr;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (IsSet(lookup(name))) {
      locale = lookup(name);
      break;
    }
  }
  if (locale != nullptr && IsPlainLocale(locale)) return Language::kEnglish;
  if (const char* preferences = lookup("LANGUAGE"); IsSet(preferences)) {
    return PreferredLanguage(SplitColons(preferences));
  }
  if (locale == nullptr) return Language::kEnglish;
  return PreferredLanguage(std::vector<std::string>{locale});
}

Language LanguageFromEnvironment() {
  return LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
}

}  // namespace vantrel
