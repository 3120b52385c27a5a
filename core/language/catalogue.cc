#include "language/catalogue.h"

#include "language/numbers.h"

namespace vantrel {

namespace {

constexpr char kField = '\x1f';
constexpr char kRecord = '\x1e';
constexpr std::string_view kFormat = "vantrel-catalogue 1";

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    if (lead >= 0xF5 || (lead >= 0x80 && lead < 0xC2)) return false;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC2) {
      length = 2;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) return false;
    for (int k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) {
        return false;
      }
    }
    i += static_cast<std::size_t>(length);
  }
  return true;
}

struct Current {
  Language language = Language::kEnglish;
  Catalogue catalogue;
};

Current& CurrentState() {
  static Current current;
  return current;
}

}  // namespace

Catalogue Catalogue::Parse(std::string_view bytes) {
  Catalogue catalogue;
  std::vector<std::string_view> records = Split(bytes, kRecord);
  if (records.empty() || Split(records.front(), kField).front() != kFormat) return catalogue;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const std::vector<std::string_view> fields = Split(records[i], kField);
    if (fields.size() < 3 || !IsUtf8(records[i])) continue;
    std::vector<std::string> forms(fields.begin() + 2, fields.end());
    catalogue.by_source_.try_emplace(std::string(fields[1]), forms);
    catalogue.by_key_.try_emplace({std::string(fields[0]), std::string(fields[1])},
                                  std::move(forms));
  }
  return catalogue;
}

const std::vector<std::string>* Catalogue::Find(std::string_view context,
                                                std::string_view source) const {
  if (by_key_.empty()) return nullptr;  // English: no key to build
  const auto exact = by_key_.find(std::pair{std::string(context), std::string(source)});
  if (exact != by_key_.end()) return &exact->second;
  const auto any = by_source_.find(source);
  return any == by_source_.end() ? nullptr : &any->second;
}

std::vector<std::pair<std::string, std::string>> Catalogue::TextsOf(
    std::string_view context) const {
  std::vector<std::pair<std::string, std::string>> texts;
  for (auto it = by_key_.lower_bound(std::pair{std::string(context), std::string()});
       it != by_key_.end() && it->first.first == context; ++it) {
    if (!it->second.empty() && !it->second.front().empty()) {
      texts.emplace_back(it->first.second, it->second.front());
    }
  }
  return texts;
}

void SetLanguage(Language language) {
  SetLanguage(language, BuiltInCatalogue(LanguageCode(language)));
}

void SetLanguage(Language language, std::string_view catalogue_bytes) {
  Current& current = CurrentState();
  current.language = language;
  current.catalogue = Catalogue::Parse(catalogue_bytes);
}

Language CurrentLanguage() { return CurrentState().language; }

std::string Tr(std::string_view context, std::string_view source) {
  const std::vector<std::string>* forms = CurrentState().catalogue.Find(context, source);
  if (forms == nullptr || forms->empty() || forms->front().empty()) return std::string(source);
  return forms->front();
}

std::vector<std::pair<std::string, std::string>> TranslatedTexts(std::string_view context) {
  return CurrentState().catalogue.TextsOf(context);
}

bool IsTranslated(std::string_view context, std::string_view source) {
  const std::vector<std::string>* forms = CurrentState().catalogue.Find(context, source);
  return forms != nullptr && !forms->empty() && !forms->front().empty();
}

std::string TrN(std::string_view context, std::string_view source, long long count) {
  return TrN(context, source, source, count);
}

std::string TrN(std::string_view context, std::string_view one, std::string_view other,
                long long count) {
  const Current& current = CurrentState();
  const std::vector<std::string>* forms = current.catalogue.Find(context, other);
  const auto form = static_cast<std::size_t>(PluralForm(current.language, count));
  std::string text(form == 0 ? one : other);
  if (forms != nullptr && !forms->empty()) {
    const std::string& chosen = form < forms->size() ? (*forms)[form] : forms->back();
    if (!chosen.empty()) text = chosen;
  }
  const std::string number = GroupedNumber(count);
  for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
    text.replace(at, 2, number);
    at += number.size();
  }
  return text;
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> args) {
  return ArgList(text, std::span(args.begin(), args.size()));
}

std::string ArgList(std::string_view text, std::span<const std::string_view> args) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(text[i + 1] - '1');
      if (index < args.size()) {
        result += args[index];
        ++i;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

}  // namespace vantrel
