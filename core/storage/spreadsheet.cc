#include "storage/spreadsheet.h"

#include "language/catalogue.h"

namespace vantrel {

std::optional<std::string> ExportToSpreadsheet(const Workbook& book, Spreadsheet& spreadsheet,
                                               BusyCursor& cursor) {
  cursor.ShowHourglass();
  std::optional<std::string> failure = spreadsheet.Show(book);
  cursor.ShowDefault();
  return failure;
}

std::optional<std::string> ShowOrSaveWorkbook(
    const Workbook& book, Spreadsheet& spreadsheet, BusyCursor& cursor,
    const std::function<std::optional<std::string>(const std::string& reason)>& offer_save) {
  const std::optional<std::string> reason = spreadsheet.WhyCannotShow();
  if (!reason) return ExportToSpreadsheet(book, spreadsheet, cursor);
  const std::optional<std::string> path = offer_save(*reason);
  if (!path) return std::nullopt;
  cursor.ShowHourglass();
  std::optional<std::string> failure = spreadsheet.Save(book, *path);
  cursor.ShowDefault();
  return failure;
}

std::string SaveWorkbookOfferCaption() { return Tr("Workbook", "No spreadsheet program"); }

std::string SaveWorkbookOfferText(const std::string& reason) {
  return Arg(Tr("Workbook", "%1.\n\nSave the workbook to a file instead?"), {reason});
}

FileQuestion SaveWorkbookQuestion(const std::string& suggested_name) {
  FileQuestion question;
  question.mode = FileQuestion::Mode::kSave;
  question.title = Tr("Workbook", "Save workbook");
  question.filters = {Tr("Workbook", "Excel workbooks (*.xlsx)")};
  question.suffix = "xlsx";
  question.suggested_name = suggested_name;
  return question;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

}  // namespace vantrel
