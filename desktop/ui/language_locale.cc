#include "desktop/ui/language_locale.h"

namespace vantrel {

QLocale LanguageLocale(Language language) {
  switch (language) {
    case Language::kDutch:
      return QLocale(QLocale::Dutch, QLocale::Netherlands);
    case Language::kGerman:
      return QLocale(QLocale::German, QLocale::Germany);
    case Language::kEnglish:
    case Language::kPseudo:
      break;
  }
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace vantrel
