// Spreadsheet export of a large table into an .xlsx file.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "desktop/storage/xlsx_spreadsheet.h"
#include "population/string_grid.h"
#include "storage/sheet_cells.h"
#include "storage/spreadsheet.h"

namespace vantrel {
namespace {

class NoCursor final : public BusyCursor {
 public:
  void ShowHourglass() override {}
  void ShowDefault() override {}
};

QString WriteScript(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
  QFile script(dir.filePath(name));
  script.open(QIODevice::WriteOnly);
  script.write("#!/bin/sh\n" + body + "\n");
  script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return script.fileName();
}

void BM_ExportToXlsxFile(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  StringGrid grid(5, rows + 1);
  const char* titles[] = {"ID", "P1", "P2", "DNA", "Survival"};
  for (int col = 0; col < 5; ++col) grid.SetCell(col, 0, titles[col]);
  for (int row = 1; row <= rows; ++row) {
    grid.SetCell(0, row, std::to_string(row));
    grid.SetCell(1, row, std::to_string(row / 2));
    grid.SetCell(2, row, std::to_string(row / 3));
    grid.SetCell(3, row, std::to_string(1000000000000 + row * 7919LL));
    grid.SetCell(4, row, std::to_string(row % 17));
  }

  // The file is written but handed to no application.
  QTemporaryDir dir;
  XlsxSpreadsheet spreadsheet({dir.filePath(QStringLiteral("exports")),
                               WriteScript(dir, QStringLiteral("opener"), "exit 0"),
                               WriteScript(dir, QStringLiteral("mime"), "echo calc.desktop"),
                               10000});
  NoCursor cursor;
  for (auto _ : state) {
    Workbook book;
    auto failure = OrganismsWorkbook(grid, &book);
    if (!failure) failure = ExportToSpreadsheet(book, spreadsheet, cursor);
    if (failure) {
      state.SkipWithError(failure->c_str());
      break;
    }
    state.PauseTiming();
    QDir(dir.filePath(QStringLiteral("exports"))).removeRecursively();
    state.ResumeTiming();
  }
  state.counters["cells"] = static_cast<double>((rows + 1) * 5);
}
BENCHMARK(BM_ExportToXlsxFile)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel
