#ifndef VANTREL_TESTS_SUPPORT_SPREADSHEET_FAKES_H_
#define VANTREL_TESTS_SUPPORT_SPREADSHEET_FAKES_H_

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "storage/busy_cursor.h"
#include "storage/spreadsheet.h"
#include "storage/workbook.h"

namespace vantrel::testing {

// Logs each workbook shown as `Show("<first sheet's name>")` and each saved as
// `Save("<first sheet's name>", "<path>")`, into a log shared with the cursor, keeps the
// texts of its first sheet, and fails when told to.
class RecordingSpreadsheet final : public Spreadsheet {
 public:
  explicit RecordingSpreadsheet(std::vector<std::string>& log) : log_(log) {}

  // The next Show fails with `description`.
  void Fail(std::string description) { failure_ = std::move(description); }

  std::vector<std::string> value;  // the first sheet's texts of the last workbook, row by row
  // Why no workbook can be shown, as on a desktop without a spreadsheet program.
  std::optional<std::string> cannot_show;

  std::optional<std::string> WhyCannotShow() override { return cannot_show; }
  std::optional<std::string> Save(const Workbook& book, const std::string& path) override {
    log_.push_back("Save(\"" + Keep(book) + "\", \"" + path + "\")");
    return std::exchange(failure_, std::nullopt);
  }

  std::optional<std::string> Show(const Workbook& book) override {
    log_.push_back("Show(\"" + Keep(book) + "\")");
    return std::exchange(failure_, std::nullopt);
  }

 private:
  // Keeps the first sheet's texts; its name.
  std::string Keep(const Workbook& book) {
    value.clear();
    if (book.sheets.empty()) return "";
    for (const SheetCell& cell : book.sheets.front().cells) value.push_back(cell.text);
    return book.sheets.front().format.name;
  }

  std::vector<std::string>& log_;
  std::optional<std::string> failure_;
};

class RecordingCursor final : public BusyCursor {
 public:
  explicit RecordingCursor(std::vector<std::string>& log) : log_(log) {}
  void ShowHourglass() override { log_.push_back("hourglass"); }
  void ShowDefault() override { log_.push_back("default"); }

 private:
  std::vector<std::string>& log_;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_SPREADSHEET_FAKES_H_
