#ifndef VANTREL_DESKTOP_STORAGE_WORKBOOK_WRITER_H_
#define VANTREL_DESKTOP_STORAGE_WORKBOOK_WRITER_H_

#include <QtPlugin>
#include <optional>
#include <string>

#include "storage/workbook.h"

namespace vantrel {

// The plugin file of the spreadsheet writer (storage/xlsx), which brings libxlsxwriter.
inline constexpr char kXlsxPluginFile[] = "xlsx.so";

// Puts workbooks into the .xlsx container.
class WorkbookWriter {
 public:
  virtual ~WorkbookWriter() = default;

  // The bytes of an .xlsx file holding `book` as it is: each sheet under its name, its
  // cells of their types (blank ones left out), its columns' widths and its table. Returns
  // why it could not make them, if it could not; the file is written by the caller.
  virtual std::optional<std::string> WorkbookBytes(const Workbook& book, std::string* bytes) = 0;
};

}  // namespace vantrel

#define VANTREL_WORKBOOK_WRITER_IID "org.quorvane.Vantrel.WorkbookWriter/2.0"
Q_DECLARE_INTERFACE(vantrel::WorkbookWriter, VANTREL_WORKBOOK_WRITER_IID)

#endif  // VANTREL_DESKTOP_STORAGE_WORKBOOK_WRITER_H_
