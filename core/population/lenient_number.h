#ifndef VANTREL_POPULATION_LENIENT_NUMBER_H_
#define VANTREL_POPULATION_LENIENT_NUMBER_H_

#include <string_view>

namespace vantrel {

// Reads `text` as a whole number: an optional sign followed by decimal digits and nothing
// else. Anything else, including a value outside int's range, reads as `fallback`.
int ParseIntOr(std::string_view text, int fallback);

}  // namespace vantrel

#endif  // VANTREL_POPULATION_LENIENT_NUMBER_H_
