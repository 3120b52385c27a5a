#ifndef VANTREL_POPULATION_INTEGER_TEXT_H_
#define VANTREL_POPULATION_INTEGER_TEXT_H_

#include <string>

namespace vantrel {

// `value` in decimal digits, a minus sign before a negative one: what std::to_string
// writes. Written here because the WebAssembly build's std::to_string and std::to_chars
// live in a C++ library compiled without optimisation, and a click writes two numbers.
std::string IntegerText(long long value);

}  // namespace vantrel

#endif  // VANTREL_POPULATION_INTEGER_TEXT_H_
