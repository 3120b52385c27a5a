#include "app/language_argument.h"

#include <string_view>
#include <utility>

namespace vantrel {

namespace {

constexpr std::string_view kOption = "--lang";

}  // namespace

LanguageArgument TakeLanguageArgument(std::vector<char*>& arguments) {
  LanguageArgument result;
  const auto choose = [&result](std::string_view code) {
    result.language = LanguageFromCode(code);
    result.refused.reset();
    if (!result.language) result.refused = std::string(code);
  };
  std::vector<char*> kept;
  kept.reserve(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    // Argument 0 is the program's own name.
    if (i > 0 && argument == kOption) {
      choose(i + 1 < arguments.size() ? std::string_view(arguments[++i]) : std::string_view());
    } else if (i > 0 && argument.starts_with(kOption) && argument[kOption.size()] == '=') {
      choose(argument.substr(kOption.size() + 1));
    } else {
      kept.push_back(arguments[i]);
    }
  }
  arguments = std::move(kept);
  return result;
}

}  // namespace vantrel
