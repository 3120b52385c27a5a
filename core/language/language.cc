#include "language/language.h"

#include <array>
#include <cctype>

namespace vantrel {

namespace {

struct LanguageInfo {
  Language language;
  std::string_view code;
  std::string_view name;
};

constexpr std::array<LanguageInfo, 4> kLanguageInfos = {{
    {Language::kEnglish, "en", "English"},
    {Language::kDutch, "nl", "Nederlands"},
    {Language::kGerman, "de", "Deutsch"},
    {Language::kPseudo, "pseudo", "[Pseudo]"},
}};

const LanguageInfo& InfoOf(Language language) {
  for (const LanguageInfo& info : kLanguageInfos) {
    if (info.language == language) return info;
  }
  return kLanguageInfos[0];
}

}  // namespace

std::string_view LanguageCode(Language language) { return InfoOf(language).code; }

std::string_view LanguageName(Language language) { return InfoOf(language).name; }

std::optional<Language> LanguageFromCode(std::string_view code) {
  // The language part ends at a region ("de-AT", "de_AT"), an encoding or a modifier.
  const std::size_t end = code.find_first_of("-_.@");
  std::string lowered;
  for (const char c : code.substr(0, end)) {
    lowered += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (const LanguageInfo& info : kLanguageInfos) {
    if (lowered == info.code) return info.language;
  }
  return std::nullopt;
}

Language PreferredLanguage(std::span<const std::string> preferred) {
  for (const std::string& code : preferred) {
    const std::optional<Language> language = LanguageFromCode(code);
    if (language && *language != Language::kPseudo) return *language;
  }
  return Language::kEnglish;
}

int PluralForm(Language /*language*/, long long count) { return count == 1 ? 0 : 1; }

}  // namespace vantrel
