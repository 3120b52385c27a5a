#include "storage/qt/xlsx_module.h"
#include "storage/qt/xlsx_workbook.h"

namespace vantrel {

std::optional<std::string> WriteXlsxFile(const XlsxWorkbook& workbook, const std::string& path) {
  std::string problem;
  const auto* module = LoadModuleAs<XlsxModule>(kXlsxModuleFile, &problem);
  if (module == nullptr) return "The spreadsheet writer cannot be loaded: " + problem;
  return module->write_file(workbook, path);
}

}  // namespace vantrel
