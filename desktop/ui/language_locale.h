#ifndef VANTREL_DESKTOP_UI_LANGUAGE_LOCALE_H_
#define VANTREL_DESKTOP_UI_LANGUAGE_LOCALE_H_

#include <QLocale>

#include "language/language.h"

namespace vantrel {

// The locale that writes numbers and dates as `language` does: Dutch of the Netherlands,
// German of Germany, and US English for English and the pseudo-language, which is English
// underneath.
QLocale LanguageLocale(Language language);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_LANGUAGE_LOCALE_H_
