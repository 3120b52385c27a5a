#ifndef VANTREL_TESTS_SUPPORT_EXCEL_FAKES_H_
#define VANTREL_TESTS_SUPPORT_EXCEL_FAKES_H_

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "storage/busy_cursor.h"
#include "storage/excel_application.h"

namespace vantrel::testing {

inline std::string Describe(const ExcelVariant& value) {
  struct Visitor {
    std::string operator()(ExcelNull) const { return "null"; }
    std::string operator()(std::int32_t number) const { return std::to_string(number); }
    std::string operator()(const std::string& text) const { return "\"" + text + "\""; }
    std::string operator()(ExcelObject object) const { return "#" + std::to_string(object.id); }
    std::string operator()(const ExcelCellArray* cells) const {
      return "array " + std::to_string(cells->rows()) + "x" + std::to_string(cells->cols());
    }
  };
  return std::visit(Visitor{}, value);
}

// Logs each call as text, e.g. `Name(#4, "Organisms")`, with " -> #n" for an object handed
// out, into a log shared with the cursor. Fails the calls it is told to, and checks that
// only references held are used and that each is given back once.
class RecordingExcel final : public ExcelApplication {
 public:
  explicit RecordingExcel(std::vector<std::string>& log) : log_(log) {}

  // The next call of `member` (the logged name) fails with `description`.
  void Fail(const std::string& member, std::string description) {
    failures_[member].push_back({std::move(description)});
  }

  std::function<void()> on_connect;
  std::vector<std::string> value;  // the texts of the last Value, row by row
  int live_objects() const { return static_cast<int>(live_.size()); }

  ExcelStatus Connect() override {
    if (on_connect) on_connect();
    ExcelStatus failure = Call("Connect", {});
    connected_ = !failure;
    return failure;
  }
  bool IsConnected() const override { return connected_; }
  ExcelStatus Workbooks(ExcelObject* out) override { return Make("Workbooks", {}, out); }
  ExcelStatus WorkbooksAdd(ExcelObject books, const ExcelVariant& kind, ExcelLocale lcid,
                           ExcelObject* out) override {
    return Make("Add", {Use(books), Describe(kind), "lcid " + std::to_string(lcid)}, out);
  }
  ExcelStatus Worksheets(ExcelObject book, ExcelObject* out) override {
    return Make("Worksheets", {Use(book)}, out);
  }
  ExcelStatus WorksheetsItem(ExcelObject sheets, const ExcelVariant& index,
                             ExcelObject* out) override {
    return Make("Sheets.Item", {Use(sheets), Describe(index)}, out);
  }
  ExcelStatus Cells(ExcelObject sheet, ExcelObject* out) override {
    return Make("Cells", {Use(sheet)}, out);
  }
  ExcelStatus RangeItem(ExcelObject range, const ExcelVariant& row, const ExcelVariant& col,
                        ExcelVariant* out) override {
    ExcelObject cell;
    ExcelStatus failure = Make("Cells.Item", {Use(range), Describe(row), Describe(col)}, &cell);
    if (!failure) *out = cell;
    return failure;
  }
  ExcelStatus WorksheetRange(ExcelObject sheet, const ExcelVariant& cell1,
                             const ExcelVariant& cell2, ExcelObject* out) override {
    if (const auto* corner = std::get_if<ExcelObject>(&cell2)) Use(*corner);
    return Make("Range", {Use(sheet), Describe(cell1), Describe(cell2)}, out);
  }
  ExcelStatus SetRangeValue(ExcelObject range, const ExcelVariant& texts) override {
    if (const auto* cells = std::get_if<const ExcelCellArray*>(&texts)) {
      value.clear();
      for (int row = 0; row < (*cells)->rows(); ++row) {
        for (int col = 0; col < (*cells)->cols(); ++col) value.push_back((*cells)->At(row, col));
      }
    }
    return Call("Value", {Use(range), Describe(texts)});
  }
  ExcelStatus SetWorksheetName(ExcelObject sheet, const std::string& name) override {
    return Call("Name", {Use(sheet), Describe(name)});
  }
  ExcelStatus ApplicationRange(const ExcelVariant& cell1, const ExcelVariant& cell2,
                               ExcelObject* out) override {
    return Make("Application.Range", {Describe(cell1), Describe(cell2)}, out);
  }
  ExcelStatus RangeAutoFormat(ExcelObject range, std::int32_t format,
                              const std::array<ExcelVariant, 6>& options) override {
    std::vector<std::string> args{Use(range), std::to_string(format)};
    for (const ExcelVariant& option : options) args.push_back(Describe(option));
    return Call("AutoFormat", args);
  }
  ExcelStatus SetVisible(ExcelLocale lcid, bool visible) override {
    EXPECT_TRUE(connected_) << "made visible without a connection";
    return Call("Visible", {"lcid " + std::to_string(lcid), visible ? "true" : "false"});
  }
  ExcelStatus Disconnect() override {
    connected_ = false;
    return Call("Disconnect", {});
  }
  void Release(ExcelObject object) override {
    EXPECT_EQ(live_.erase(object.id), 1u) << "#" << object.id << " given back but not held";
  }

 private:
  ExcelStatus Call(const std::string& member, const std::vector<std::string>& args) {
    std::string call = member;
    for (std::size_t i = 0; i < args.size(); ++i) call += (i == 0 ? "(" : ", ") + args[i];
    if (!args.empty()) call += ")";
    std::deque<ExcelFailure>& scripted = failures_[member];
    if (scripted.empty()) {
      log_.push_back(call);
      return std::nullopt;
    }
    log_.push_back(call + " failed");
    ExcelFailure failure = scripted.front();
    scripted.pop_front();
    return failure;
  }
  ExcelStatus Make(const std::string& member, const std::vector<std::string>& args,
                   ExcelObject* out) {
    EXPECT_TRUE(connected_) << member << " without a connection";
    if (ExcelStatus failure = Call(member, args)) return failure;
    *out = ExcelObject{next_id_++};
    live_.insert(out->id);
    log_.back() += " -> " + Describe(*out);
    return std::nullopt;
  }
  std::string Use(ExcelObject object) {
    EXPECT_TRUE(live_.count(object.id)) << "#" << object.id << " used but not held";
    return Describe(object);
  }

  std::vector<std::string>& log_;
  std::map<std::string, std::deque<ExcelFailure>> failures_;
  std::set<std::uint32_t> live_;
  std::uint32_t next_id_ = 1;
  bool connected_ = false;
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

#endif  // VANTREL_TESTS_SUPPORT_EXCEL_FAKES_H_
