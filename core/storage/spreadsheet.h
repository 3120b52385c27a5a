#ifndef VANTREL_STORAGE_SPREADSHEET_H_
#define VANTREL_STORAGE_SPREADSHEET_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "storage/busy_cursor.h"
#include "storage/file_name_dialog.h"
#include "storage/workbook.h"

namespace vantrel {

// The desktop's spreadsheet application, as the program hands it a table.
class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;

  // Opens `book` as a new workbook in the spreadsheet application. Returns why that failed,
  // if it did.
  virtual std::optional<std::string> Show(const Workbook& book) = 0;

  // Why Show cannot open a workbook on this desktop (no application is registered for
  // them), or nothing when it can.
  virtual std::optional<std::string> WhyCannotShow() { return std::nullopt; }

  // Writes the workbook Show would open to `path` instead, replacing a file there; returns
  // why that failed, if it did, and then leaves any file at `path` as it was.
  virtual std::optional<std::string> Save(const Workbook& book, const std::string& path) = 0;
};

// Shows `book` in `spreadsheet` under the hourglass; returns the failure to report.
std::optional<std::string> ExportToSpreadsheet(const Workbook& book, Spreadsheet& spreadsheet,
                                               BusyCursor& cursor);

// Shows `book` in `spreadsheet` under the hourglass. Where the desktop has no application
// for workbooks, `offer_save` is asked with the reason whether to save the workbook instead;
// it answers with the path to save to, or nothing. Returns the failure to report.
std::optional<std::string> ShowOrSaveWorkbook(
    const Workbook& book, Spreadsheet& spreadsheet, BusyCursor& cursor,
    const std::function<std::optional<std::string>(const std::string& reason)>& offer_save);

// The caption and the text of the offer to save a workbook that cannot be shown because
// of `reason`.
std::string SaveWorkbookOfferCaption();
std::string SaveWorkbookOfferText(const std::string& reason);

// The question of the dialog that saves a workbook the desktop cannot open, proposing
// `suggested_name` ("organisms.xlsx").
FileQuestion SaveWorkbookQuestion(const std::string& suggested_name);

// Single-byte Latin-1 text as UTF-8: grid cells hold single bytes, which the window shows as
// Latin-1, and a workbook shows them the same.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_SPREADSHEET_H_
