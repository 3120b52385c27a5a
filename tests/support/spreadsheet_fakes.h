#ifndef VANTREL_TESTS_SUPPORT_SPREADSHEET_FAKES_H_
#define VANTREL_TESTS_SUPPORT_SPREADSHEET_FAKES_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "population/string_grid.h"
#include "storage/busy_cursor.h"
#include "storage/spreadsheet.h"

namespace vantrel::testing {

// Logs each table shown as `Show("<sheet name>")` and each saved as `Save("<sheet name>",
// "<path>")`, into a log shared with the cursor, keeps its texts, and fails when told to.
class RecordingSpreadsheet final : public Spreadsheet {
 public:
  explicit RecordingSpreadsheet(std::vector<std::string>& log) : log_(log) {}

  // The next Show fails with `description`.
  void Fail(std::string description) { failure_ = std::move(description); }

  std::vector<std::string> value;  // the texts of the last table shown, row by row
  // Why no workbook can be shown, as on a desktop without a spreadsheet program.
  std::optional<std::string> cannot_show;

  std::optional<std::string> WhyCannotShow() override { return cannot_show; }
  std::optional<std::string> Save(const StringGrid& grid, std::string_view sheet_name,
                                  const std::string& path) override {
    log_.push_back("Save(\"" + std::string(sheet_name) + "\", \"" + path + "\")");
    Keep(grid);
    return std::exchange(failure_, std::nullopt);
  }

  std::optional<std::string> Show(const StringGrid& grid, std::string_view sheet_name) override {
    log_.push_back("Show(\"" + std::string(sheet_name) + "\")");
    Keep(grid);
    return std::exchange(failure_, std::nullopt);
  }

 private:
  void Keep(const StringGrid& grid) {
    value.clear();
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int col = 0; col < grid.ColCount(); ++col) value.push_back(grid.Cell(col, row));
    }
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
