// Spreadsheet export of a large table into an .xlsx file, with the number of calls made to
// the application: it must not grow with the table.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "population/string_grid.h"
#include "storage/excel_export.h"
#include "storage/qt/xlsx_excel_application.h"

namespace vantrel {
namespace {

// Forwards to the real application and counts the calls.
class CountingExcel final : public ExcelApplication {
 public:
  explicit CountingExcel(ExcelApplication& inner) : inner_(inner) {}
  long calls = 0;

  ExcelStatus Connect() override {
    ++calls;
    return inner_.Connect();
  }
  bool IsConnected() const override { return inner_.IsConnected(); }
  ExcelStatus Workbooks(ExcelObject* workbooks) override {
    ++calls;
    return inner_.Workbooks(workbooks);
  }
  ExcelStatus WorkbooksAdd(ExcelObject workbooks, const ExcelVariant& template_kind,
                           ExcelLocale lcid, ExcelObject* workbook) override {
    ++calls;
    return inner_.WorkbooksAdd(workbooks, template_kind, lcid, workbook);
  }
  ExcelStatus Worksheets(ExcelObject workbook, ExcelObject* worksheets) override {
    ++calls;
    return inner_.Worksheets(workbook, worksheets);
  }
  ExcelStatus WorksheetsItem(ExcelObject worksheets, const ExcelVariant& index,
                             ExcelObject* worksheet) override {
    ++calls;
    return inner_.WorksheetsItem(worksheets, index, worksheet);
  }
  ExcelStatus Cells(ExcelObject worksheet, ExcelObject* range) override {
    ++calls;
    return inner_.Cells(worksheet, range);
  }
  ExcelStatus RangeItem(ExcelObject range, const ExcelVariant& row_index,
                        const ExcelVariant& column_index, ExcelVariant* cell) override {
    ++calls;
    return inner_.RangeItem(range, row_index, column_index, cell);
  }
  ExcelStatus WorksheetRange(ExcelObject worksheet, const ExcelVariant& cell1,
                             const ExcelVariant& cell2, ExcelObject* range) override {
    ++calls;
    return inner_.WorksheetRange(worksheet, cell1, cell2, range);
  }
  ExcelStatus SetRangeValue(ExcelObject range, const ExcelVariant& value) override {
    ++calls;
    return inner_.SetRangeValue(range, value);
  }
  ExcelStatus SetWorksheetName(ExcelObject worksheet, const std::string& name) override {
    ++calls;
    return inner_.SetWorksheetName(worksheet, name);
  }
  ExcelStatus ApplicationRange(const ExcelVariant& cell1, const ExcelVariant& cell2,
                               ExcelObject* range) override {
    ++calls;
    return inner_.ApplicationRange(cell1, cell2, range);
  }
  ExcelStatus RangeAutoFormat(ExcelObject range, std::int32_t format,
                              const std::array<ExcelVariant, 6>& options) override {
    ++calls;
    return inner_.RangeAutoFormat(range, format, options);
  }
  ExcelStatus SetVisible(ExcelLocale lcid, bool visible) override {
    ++calls;
    return inner_.SetVisible(lcid, visible);
  }
  ExcelStatus Disconnect() override {
    ++calls;
    return inner_.Disconnect();
  }
  void Release(ExcelObject object) override { inner_.Release(object); }

 private:
  ExcelApplication& inner_;
};

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
  XlsxExcelApplication excel({dir.filePath(QStringLiteral("exports")),
                              WriteScript(dir, QStringLiteral("opener"), "exit 0"),
                              WriteScript(dir, QStringLiteral("mime"), "echo calc.desktop"),
                              10000});
  CountingExcel counting(excel);
  NoCursor cursor;
  long calls_per_export = 0;
  for (auto _ : state) {
    counting.calls = 0;
    if (auto failure = ExportToSpreadsheet(grid, counting, cursor, "Organisms", 0)) {
      state.SkipWithError(failure->c_str());
      break;
    }
    calls_per_export = counting.calls;
    state.PauseTiming();
    QDir(dir.filePath(QStringLiteral("exports"))).removeRecursively();
    state.ResumeTiming();
  }
  state.counters["calls"] = static_cast<double>(calls_per_export);
  state.counters["cells"] = static_cast<double>((rows + 1) * 5);
}
BENCHMARK(BM_ExportToXlsxFile)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel
