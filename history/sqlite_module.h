#ifndef VANTREL_HISTORY_SQLITE_MODULE_H_
#define VANTREL_HISTORY_SQLITE_MODULE_H_

#include <sqlite3.h>

#include "modules/module_library.h"

namespace vantrel {

// SQLite as the journal calls it, from a module that links the library (history/sqlite/), so
// that start-up does not load it: the journal opens only after the first organism is shown.
// The types come from SQLite's own header, so each entry is exactly the library's function.
inline constexpr const char* kSqliteModuleFile = "sqlite.so";

struct SqliteModule {
  ModuleHeader header;
  decltype(&sqlite3_open_v2) open_v2;
  decltype(&sqlite3_close) close;
  decltype(&sqlite3_exec) exec;
  decltype(&sqlite3_prepare_v2) prepare_v2;
  decltype(&sqlite3_finalize) finalize;
  decltype(&sqlite3_step) step;
  decltype(&sqlite3_reset) reset;
  decltype(&sqlite3_bind_int) bind_int;
  decltype(&sqlite3_bind_blob) bind_blob;
  decltype(&sqlite3_column_int64) column_int64;
  decltype(&sqlite3_column_blob) column_blob;
  decltype(&sqlite3_column_bytes) column_bytes;
  decltype(&sqlite3_get_autocommit) get_autocommit;
  decltype(&sqlite3_errcode) errcode;
  decltype(&sqlite3_errmsg) errmsg;
  decltype(&sqlite3_errstr) errstr;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_SQLITE_MODULE_H_
