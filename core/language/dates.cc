#include "language/dates.h"

#include <cstdio>
#include <ctime>

#include "language/catalogue.h"

namespace vantrel {

std::string LocalDateTime(std::int64_t unix_ms) {
  // Whole seconds towards minus infinity, so a moment before 1970 keeps its second.
  std::int64_t seconds = unix_ms / 1000;
  if (unix_ms % 1000 < 0) --seconds;
  const auto time = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&time, &local) == nullptr) return {};
  const int year = local.tm_year + 1900;
  const int month = local.tm_mon + 1;
  char text[48];
  switch (CurrentLanguage()) {
    case Language::kDutch:
      std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d:%02d", local.tm_mday, month, year,
                    local.tm_hour, local.tm_min, local.tm_sec);
      break;
    case Language::kGerman:
      std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", local.tm_mday, month, year,
                    local.tm_hour, local.tm_min, local.tm_sec);
      break;
    case Language::kEnglish:
    case Language::kPseudo:
      std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, local.tm_mday,
                    local.tm_hour, local.tm_min, local.tm_sec);
      break;
  }
  return text;
}

}  // namespace vantrel
