#ifndef VANTREL_STORAGE_QT_XLSX_MODULE_H_
#define VANTREL_STORAGE_QT_XLSX_MODULE_H_

#include <optional>
#include <string>

#include "modules/module_library.h"
#include "storage/qt/xlsx_workbook.h"

namespace vantrel {

// The spreadsheet writer module (storage/xlsx): libxlsxwriter behind one function.
inline constexpr const char* kXlsxModuleFile = "xlsx.so";

struct XlsxModule {
  ModuleHeader header;
  // As WriteXlsxFile.
  std::optional<std::string> (*write_file)(const XlsxWorkbook& workbook, const std::string& path);
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_QT_XLSX_MODULE_H_
