#ifndef VANTREL_TESTS_CORE_LAB_PARSE_ARGS_H_
#define VANTREL_TESTS_CORE_LAB_PARSE_ARGS_H_

#include <initializer_list>
#include <string_view>
#include <vector>

#include "lab/lab_options.h"

namespace vantrel::testing {

// The options of a command line whose arguments are written out in the test.
inline ParsedLabOptions ParseArgs(std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> list(args);
  return ParseLabOptions(list);
}

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_CORE_LAB_PARSE_ARGS_H_
