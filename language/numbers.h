#ifndef VANTREL_LANGUAGE_NUMBERS_H_
#define VANTREL_LANGUAGE_NUMBERS_H_

#include <string>
#include <string_view>

namespace vantrel {

// Numbers as the current language writes them where the program shows them (counters,
// statistics, plot axes; never table cells, health or files).

// A whole number with its thousands grouped: "1,234,567" in English, "1.234.567" in Dutch
// and German.
std::string GroupedNumber(long long number);
// A number written plainly ("-1234.5", "12") in the current language: unchanged in
// English, "-1.234,5" in Dutch and German. Text that is not a plain number stays as it is.
std::string LocalNumber(std::string_view plain);

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_NUMBERS_H_
