#ifndef VANTREL_POPULATION_TABLE_LIMITS_H_
#define VANTREL_POPULATION_TABLE_LIMITS_H_

#include <cstdint>

namespace vantrel {

// The largest table the program takes from outside (a file, a journal, a link). No table
// of the program uses more than a handful of columns; a million organisms of five columns
// make five million cells. Anything beyond either is refused before the table changes,
// however few bytes describe it.
inline constexpr int kMaxTableColumns = 256;
inline constexpr std::int64_t kMaxTableCells = 8'000'000;

}  // namespace vantrel

#endif  // VANTREL_POPULATION_TABLE_LIMITS_H_
