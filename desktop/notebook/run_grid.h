#ifndef VANTREL_DESKTOP_NOTEBOOK_RUN_GRID_H_
#define VANTREL_DESKTOP_NOTEBOOK_RUN_GRID_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lab/run.h"
#include "lab/run_csv.h"
#include "population/string_grid.h"

namespace vantrel {

// UTF-8 text as single-byte Latin-1; a character beyond Latin-1 becomes '?'.
std::string Utf8ToLatin1(std::string_view text);

// Fills `grid` with the run table exactly as the CSV export writes it: the header's
// columns in row 0, one row per run. Cells are Latin-1, as the spreadsheet export reads
// a grid.
void FillRunGrid(std::span<const Run> runs, StringGrid& grid);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_NOTEBOOK_RUN_GRID_H_
