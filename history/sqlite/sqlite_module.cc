// The SQLite module: hands the journal the library's functions it uses.
#include "history/sqlite_module.h"

namespace vantrel {
namespace {

const SqliteModule kEntry{{kModuleAbi},          &sqlite3_open_v2,        &sqlite3_close,
                          &sqlite3_exec,         &sqlite3_prepare_v2,     &sqlite3_finalize,
                          &sqlite3_step,         &sqlite3_reset,          &sqlite3_bind_int,
                          &sqlite3_bind_blob,    &sqlite3_column_int64,   &sqlite3_column_blob,
                          &sqlite3_column_bytes, &sqlite3_get_autocommit, &sqlite3_errcode,
                          &sqlite3_errmsg,       &sqlite3_errstr};

}  // namespace
}  // namespace vantrel

VANTREL_MODULE_ENTRY(vantrel::kEntry)
