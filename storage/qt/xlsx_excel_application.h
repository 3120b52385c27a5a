#ifndef VANTREL_STORAGE_QT_XLSX_EXCEL_APPLICATION_H_
#define VANTREL_STORAGE_QT_XLSX_EXCEL_APPLICATION_H_

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "desktop/qt/helper_launcher.h"
#include "storage/excel_application.h"
#include "storage/qt/desktop_opener.h"
#include "storage/qt/xlsx_workbook.h"

namespace vantrel {

struct XlsxExcelOptions {
  // Where shown workbooks are written; empty: "exports" in the per-user data folder.
  QString folder;
  // Run with the written file as its one argument.
  QString opener = QString::fromLatin1(kOpenerProgram);
  // Run as `mime_query query default <type>`; prints the registered application.
  QString mime_query = QString::fromLatin1(kMimeQueryProgram);
  // How long the opener's verdict is awaited.
  int opener_verdict_ms = 3000;
};

// The spreadsheet application of a Linux desktop, behind the automation object model:
// workbooks are built in memory, and making the application visible writes each new one
// as an .xlsx file under a unique name in a per-user folder and opens it in the desktop's
// application for .xlsx files, which the user then carries on with. Connecting fails when
// there is no opener or no application registered for .xlsx files. Disconnecting leaves
// the files and the application alone.
//
// Cells take texts; the only automatic format is 0, a table style over the range.
class XlsxExcelApplication final : public ExcelApplication {
 public:
  explicit XlsxExcelApplication(const XlsxExcelOptions& options = {});
  ~XlsxExcelApplication() override;

  ExcelStatus Connect() override;
  bool IsConnected() const override { return connected_; }
  ExcelStatus Workbooks(ExcelObject* workbooks) override;
  ExcelStatus WorkbooksAdd(ExcelObject workbooks, const ExcelVariant& template_kind,
                           ExcelLocale lcid, ExcelObject* workbook) override;
  ExcelStatus Worksheets(ExcelObject workbook, ExcelObject* worksheets) override;
  ExcelStatus WorksheetsItem(ExcelObject worksheets, const ExcelVariant& index,
                             ExcelObject* worksheet) override;
  ExcelStatus Cells(ExcelObject worksheet, ExcelObject* range) override;
  ExcelStatus RangeItem(ExcelObject range, const ExcelVariant& row_index,
                        const ExcelVariant& column_index, ExcelVariant* cell) override;
  ExcelStatus WorksheetRange(ExcelObject worksheet, const ExcelVariant& cell1,
                             const ExcelVariant& cell2, ExcelObject* range) override;
  ExcelStatus SetRangeValue(ExcelObject range, const ExcelVariant& value) override;
  ExcelStatus SetWorksheetName(ExcelObject worksheet, const std::string& name) override;
  ExcelStatus ApplicationRange(const ExcelVariant& cell1, const ExcelVariant& cell2,
                               ExcelObject* range) override;
  ExcelStatus RangeAutoFormat(ExcelObject range, std::int32_t format,
                              const std::array<ExcelVariant, 6>& options) override;
  ExcelStatus SetVisible(ExcelLocale lcid, bool visible) override;
  ExcelStatus Disconnect() override;
  void Release(ExcelObject object) override;

  // The folder the workbooks are written to.
  const QString& folder() const { return folder_; }
  // References handed out and not yet given back.
  int HeldObjects() const { return static_cast<int>(objects_.size()); }

 private:
  struct Workbook {
    XlsxWorkbook book;
    bool shown = false;
  };
  enum class Kind { kWorkbooks, kWorkbook, kWorksheets, kWorksheet, kRange };
  struct Object {
    Kind kind;
    std::shared_ptr<Workbook> workbook;  // none for the workbooks collection
    int sheet = 0;
    XlsxBlock block;  // of a range
  };

  ExcelObject Hand(Object object);
  // The object `reference` stands for, if it is one of `kind`.
  const Object* Find(ExcelObject reference, Kind kind) const;
  // The block of one corner of a range of `sheet`: an address or a range of that sheet.
  std::optional<XlsxBlock> Corner(const ExcelVariant& cell, const Object& sheet,
                                  std::string* problem) const;
  ExcelStatus MakeRange(const Object& sheet, const ExcelVariant& cell1, const ExcelVariant& cell2,
                        std::string_view member, ExcelObject* range);
  // Writes `workbook` to a new file and opens it.
  std::optional<std::string> Show(const Workbook& workbook);

  QString folder_;
  DesktopOpener opener_;
  bool connected_ = false;
  // The workbooks added while connected; the last one is the active one.
  std::vector<std::shared_ptr<Workbook>> workbooks_;
  std::map<std::uint32_t, Object> objects_;
  std::uint32_t next_id_ = 1;
};

// The 0-based row and column of a cell address such as "A1" or "e10" (letters in either
// case), or nothing when `address` is none.
std::optional<std::pair<int, int>> ParseCellAddress(std::string_view address);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_QT_XLSX_EXCEL_APPLICATION_H_
