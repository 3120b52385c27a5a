// Writes the workbooks the desktop's "Excel" writes, for comparison with the page's: the
// engine starts at a pinned moment as the page's does under a fixed clock, opens each table
// file in turn as the desktop's Open does, and after each hands its grid to the desktop's
// spreadsheet writer, which writes FOLDER/1.xlsx for the first table, and so on.
//
//   web_workbook MS FOLDER TABLE...

#include <QCoreApplication>
#include <QString>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "desktop/plugins/plugin_loader.h"
#include "desktop/storage/workbook_writer.h"
#include "engine/engine.h"
#include "population/random_source.h"
#include "storage/atomic_file.h"
#include "storage/sheet_cells.h"
#include "web/pinned_clock.h"

namespace vantrel {
namespace {

int WriteWorkbooks(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: web_workbook MS FOLDER TABLE...\n";
    return 2;
  }
  std::string problem;
  auto* writer = LoadPluginAs<WorkbookWriter>(QString::fromLatin1(kXlsxPluginFile), &problem);
  if (writer == nullptr) {
    std::cerr << "web_workbook: " << problem << "\n";
    return 1;
  }
  LcgRandom random;
  PinnedClock clock(std::strtod(argv[1], nullptr));
  Engine engine(random, clock);
  for (int table = 3; table < argc; ++table) {
    const TableFileResult loaded = engine.LoadTable(argv[table]);
    const std::string output = std::string(argv[2]) + "/" + std::to_string(table - 2) + ".xlsx";
    Workbook book;
    std::string bytes;
    std::optional<std::string> failure = loaded.ok() ? OrganismsWorkbook(engine.grid(), &book)
                                                     : std::optional<std::string>(loaded.text);
    if (!failure) failure = writer->WorkbookBytes(book, &bytes);
    if (!failure) {
      if (std::string error = WriteFileAtomically(output, bytes); !error.empty()) failure = error;
    }
    if (failure) {
      std::cerr << "web_workbook: " << argv[table] << ": " << *failure << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  return vantrel::WriteWorkbooks(argc, argv);
}
