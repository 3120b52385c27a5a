// The engine's calls for the page's files: what the desktop says of a file it cannot read
// at all.

#include <emscripten/bind.h>

#include <string>

#include "messages/messages.h"
#include "storage/table_file.h"

namespace vantrel {

namespace {

using emscripten::val;

// A load's message as the page shows it: an error report worded as one.
val RefusalObject(const TableFileResult& result) {
  val object = val::object();
  object.set("errorReport", result.IsErrorReport());
  object.set("message", result.IsErrorReport() ? ErrorReportText(result.text) : result.text);
  return object;
}

val NotAFileBinding(const std::string& file_name) {
  return RefusalObject(NotAFileResult(file_name));
}

val CannotOpenBinding(const std::string& file_name) {
  return RefusalObject(CannotOpenResult(file_name));
}

std::string ErrorReportBinding(const std::string& text) { return ErrorReportText(text); }

}  // namespace

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(files) {
  emscripten::function("notAFile", &vantrel::NotAFileBinding);
  emscripten::function("cannotOpen", &vantrel::CannotOpenBinding);
  emscripten::function("errorReport", &vantrel::ErrorReportBinding);
}
