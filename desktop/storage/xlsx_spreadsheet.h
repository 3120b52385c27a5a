#ifndef VANTREL_DESKTOP_STORAGE_XLSX_SPREADSHEET_H_
#define VANTREL_DESKTOP_STORAGE_XLSX_SPREADSHEET_H_

#include <QString>
#include <optional>
#include <string>

#include "desktop/files/helper_launcher.h"
#include "desktop/storage/desktop_opener.h"
#include "storage/spreadsheet.h"

namespace vantrel {

struct XlsxSpreadsheetOptions {
  // Where workbooks are written; empty: "exports" in the per-user data folder.
  QString folder;
  // Run with the written file as its one argument.
  QString opener = QString::fromLatin1(kOpenerProgram);
  // Run as `mime_query query default <type>`; prints the registered application.
  QString mime_query = QString::fromLatin1(kMimeQueryProgram);
  // How long the opener's verdict is awaited.
  int opener_verdict_ms = 3000;
};

// The spreadsheet application of a Linux desktop: each workbook is made into an .xlsx file
// by the spreadsheet writer plugin, written (by the program's one atomic writer) under a
// unique name in a per-user folder and opened in the desktop's application for .xlsx
// files, which the user then carries on with. Nothing is written when no application is
// registered for .xlsx files; a file that could not be written whole is removed. A
// workbook can also be saved where the user says.
class XlsxSpreadsheet final : public Spreadsheet {
 public:
  explicit XlsxSpreadsheet(const XlsxSpreadsheetOptions& options = {});

  std::optional<std::string> Show(const Workbook& book) override;
  std::optional<std::string> WhyCannotShow() override;
  std::optional<std::string> Save(const Workbook& book, const std::string& path) override;

  // The folder the workbooks are written to.
  const QString& folder() const { return folder_; }

 private:
  QString folder_;
  DesktopOpener opener_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_STORAGE_XLSX_SPREADSHEET_H_
