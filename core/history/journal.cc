#include "history/journal.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "history/journal_texts.h"
#include "language/catalogue.h"

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr char kPrefix[] = "run-";
constexpr char kSuffix[] = ".journal";
constexpr char kLockSuffix[] = ".lock";
// A whole table's entry goes to the file in pieces of this size.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

// A prepared statement that finalizes itself.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  bool Row() {
    last_ = stmt_ != nullptr ? sqlite3_step(stmt_) : SQLITE_ERROR;
    return last_ == SQLITE_ROW;
  }
  // True once every row has been read without an error.
  bool Done() const { return last_ == SQLITE_DONE; }
  std::int64_t Int(int col) { return sqlite3_column_int64(stmt_, col); }
  std::string_view Blob(int col) {
    const void* data = sqlite3_column_blob(stmt_, col);
    const int size = sqlite3_column_bytes(stmt_, col);
    return data == nullptr ? std::string_view()
                           : std::string_view(static_cast<const char*>(data), size);
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int last_ = SQLITE_OK;
};

// An existing journal, opened for reading (read-write, so a crashed run's log is recovered).
class Reader {
 public:
  explicit Reader(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      sqlite3_close(db_);
      db_ = nullptr;
    }
  }
  ~Reader() {
    if (db_ != nullptr) sqlite3_close(db_);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;
  sqlite3* db() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

std::string Reason(sqlite3* db, int code) {
  switch (code & 0xff) {
    case SQLITE_FULL:
      return Tr("Journal", "the disk is full");
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_IOERR:
      return Tr("Journal", "the folder cannot be written");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return Tr("Journal", "the journal is locked by another program");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return Tr("Journal", "the journal is damaged");
    default:
      return db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  }
}

bool IsRunning(const std::string& journal_path) {
  const int fd = ::open((journal_path + kLockSuffix).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  const bool running = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);  // also releases the lock if it was taken just now
  return running;
}

std::uint64_t RunBytes(const std::string& path) {
  std::uint64_t total = 0;
  for (const char* extra : {"", "-wal", "-shm"}) {
    std::error_code error;
    const auto size = fs::file_size(path + extra, error);
    if (!error) total += size;
  }
  return total;
}

void RemoveRun(const std::string& path) {
  std::error_code error;
  for (const char* extra : {"", "-wal", "-shm", kLockSuffix}) fs::remove(path + extra, error);
}

// Reads closed, steps and organisms, and whether this version can read the journal; false
// for a file that is not a journal at all.
bool ReadRunInfo(EarlierRun& run) {
  const Reader reader(run.path);
  if (reader.db() == nullptr) return false;
  Statement version(reader.db(), "SELECT version FROM schema");
  if (!version.Row()) {
    run.reading = EarlierRun::Reading::kDamaged;
    return true;
  }
  if (version.Int(0) > Journal::kSchemaVersion) run.reading = EarlierRun::Reading::kNewer;
  Statement info(reader.db(), "SELECT closed, steps, organisms FROM run");
  if (!info.Row()) {
    if (run.reading == EarlierRun::Reading::kReadable) run.reading = EarlierRun::Reading::kDamaged;
    return true;
  }
  run.closed = info.Int(0) != 0;
  run.steps = static_cast<int>(info.Int(1));
  run.organisms = static_cast<int>(info.Int(2));
  return true;
}

// A file that claims to be a journal by its name: one whose start is overwritten cannot
// even be opened as a database, yet it is the run the user would lose.
bool ReadRunInfoOrDamaged(EarlierRun& run) {
  if (ReadRunInfo(run)) return true;
  std::error_code error;
  if (!fs::is_regular_file(run.path, error)) return false;
  run.reading = EarlierRun::Reading::kDamaged;
  return true;
}

}  // namespace

Journal::Journal(std::string folder, const Clock& clock)
    : folder_(std::move(folder)), clock_(clock) {}

Journal::~Journal() { Close(); }

std::string Journal::TakeMessage() { return std::exchange(message_, std::string()); }

void Journal::Fail(const std::string& what) {
  if (message_.empty()) {
    message_ = JournalFailedText(folder_, what);
  }
  if (db_ != nullptr) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  CloseDatabase();
  ReleaseLock();
}

void Journal::CloseDatabase() {
  if (db_ == nullptr) return;  // nothing opened, perhaps not even SQLite
  sqlite3_finalize(insert_);
  sqlite3_finalize(update_);
  insert_ = update_ = nullptr;
  sqlite3_close(db_);
  db_ = nullptr;
}

bool Journal::Exec(const char* sql) {
  const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
  if (code == SQLITE_OK) return true;
  Fail(Reason(db_, code));
  return false;
}

bool Journal::Open() {
  if (db_ != nullptr) return true;
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) {
    Fail(error.message());
    return false;
  }
  const std::int64_t started = clock_.UnixMilliseconds();
  path_ = folder_ + "/" + kPrefix + std::to_string(started) + "-" + std::to_string(::getpid()) +
          kSuffix;
  lock_fd_ = ::open((path_ + kLockSuffix).c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
  if (lock_fd_ < 0 || ::flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
    Fail(std::strerror(errno));
    return false;
  }
  const int code =
      sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (code != SQLITE_OK) {
    Fail(Reason(db_, code));
    RemoveRun(path_);
    return false;
  }
  const std::string limit =
      page_limit_ > 0 ? "PRAGMA max_page_count=" + std::to_string(page_limit_) + ";" : "";
  const std::string setup =
      "PRAGMA page_size=4096; PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;" + limit +
      "BEGIN;"
      "CREATE TABLE schema(version INTEGER NOT NULL);"
      "INSERT INTO schema VALUES(" +
      std::to_string(kSchemaVersion) +
      ");"
      "CREATE TABLE run(started INTEGER, closed INTEGER NOT NULL, steps INTEGER NOT NULL,"
      " organisms INTEGER NOT NULL);"
      "INSERT INTO run VALUES(" +
      std::to_string(started) +
      ", 0, 0, 0);"
      "CREATE TABLE base(id INTEGER PRIMARY KEY, snapshot BLOB NOT NULL, annex BLOB);"
      // The data last: SQLite then makes an entry's room for a whole table without
      // holding it in memory, and the table is written into it a piece at a time.
      "CREATE TABLE entries(seq INTEGER PRIMARY KEY, type INTEGER NOT NULL, annex BLOB,"
      " data BLOB);"
      "CREATE TABLE notebook(id INTEGER PRIMARY KEY, text BLOB NOT NULL);"
      "COMMIT;";
  if (!Exec(setup.c_str())) {
    RemoveRun(path_);
    return false;
  }
  if (sqlite3_prepare_v2(db_, "INSERT INTO entries(type, data, annex) VALUES(?, ?, ?)", -1,
                         &insert_, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db_, "UPDATE run SET steps = ?, organisms = ?", -1, &update_, nullptr) !=
          SQLITE_OK) {
    Fail(Reason(db_, sqlite3_errcode(db_)));
    RemoveRun(path_);
    return false;
  }
  Prune();
  return true;
}

bool Journal::BeginOwn(bool& own) {
  own = !in_batch_ && sqlite3_get_autocommit(db_) != 0;
  return !own || Exec("BEGIN");
}

bool Journal::UpdateCounts(int steps, int organisms) {
  sqlite3_bind_int(update_, 1, steps);
  sqlite3_bind_int(update_, 2, organisms);
  const int code = sqlite3_step(update_);
  sqlite3_reset(update_);
  if (code == SQLITE_DONE) return true;
  Fail(Reason(db_, code));
  return false;
}

bool Journal::WriteBase(std::string snapshot, std::string annex, int organisms) {
  bool own = false;
  if (db_ == nullptr || !BeginOwn(own)) return false;
  if (!Exec("DELETE FROM entries")) return false;
  if (!PutBlob("INSERT OR REPLACE INTO base VALUES(1, ?, ?)", snapshot, annex)) return false;
  return UpdateCounts(0, organisms) && (!own || Exec("COMMIT"));
}

bool Journal::AppendEntry(JournalEntry entry) {
  bool own = false;
  if (db_ == nullptr || !BeginOwn(own)) return false;
  // A whole table is written into the file as it is encoded, never held as bytes at once:
  // first its size, then its pieces into the blob made that large.
  const StepEvent* whole =
      entry.event && entry.event->whole_table && entry.grid != nullptr ? &*entry.event : nullptr;
  std::uint64_t whole_size = 0;
  std::string data;
  if (whole != nullptr) {
    WriteStepEvent(*whole, entry.grid, kPieceBytes,
                   [&whole_size](std::string_view bytes) { whole_size += bytes.size(); });
  } else if (entry.event) {
    data = EncodeStepEvent(*entry.event);
  }
  sqlite3_bind_int(insert_, 1, entry.type);
  if (whole != nullptr) {
    sqlite3_bind_zeroblob64(insert_, 2, whole_size);
  } else {
    sqlite3_bind_blob(insert_, 2, data.data(), static_cast<int>(data.size()), SQLITE_STATIC);
  }
  sqlite3_bind_blob(insert_, 3, entry.annex.data(), static_cast<int>(entry.annex.size()),
                    SQLITE_STATIC);
  int code = sqlite3_step(insert_);
  sqlite3_reset(insert_);
  if (code == SQLITE_DONE && whole != nullptr)
    code = WriteWholeData(*whole, *entry.grid, whole_size);
  if (code != SQLITE_DONE) {
    Fail(Reason(db_, code));
    return false;
  }
  return UpdateCounts(entry.steps, entry.organisms) && (!own || Exec("COMMIT"));
}

int Journal::WriteWholeData(const StepEvent& event, const StringGrid& grid, std::uint64_t size) {
  sqlite3_blob* blob = nullptr;
  int code =
      sqlite3_blob_open(db_, "main", "entries", "data", sqlite3_last_insert_rowid(db_), 1, &blob);
  std::uint64_t offset = 0;
  WriteStepEvent(event, &grid, kPieceBytes, [&](std::string_view bytes) {
    // A table that changed between the two passes cannot happen: both run in this call.
    if (code != SQLITE_OK || offset + bytes.size() > size) return;
    code = sqlite3_blob_write(blob, bytes.data(), static_cast<int>(bytes.size()),
                              static_cast<int>(offset));
    offset += bytes.size();
  });
  sqlite3_blob_close(blob);
  return code == SQLITE_OK ? SQLITE_DONE : code;
}

void Journal::BeginBatch() { in_batch_ = db_ != nullptr && Exec("BEGIN"); }

void Journal::EndBatch() {
  if (in_batch_ && db_ != nullptr) Exec("COMMIT");
  in_batch_ = false;
}

void Journal::ReleaseLock() {
  if (lock_fd_ < 0) return;
  ::unlink((path_ + kLockSuffix).c_str());
  ::close(lock_fd_);
  lock_fd_ = -1;
}

void Journal::Close() {
  if (db_ != nullptr) {
    sqlite3_exec(db_, "UPDATE run SET closed = 1", nullptr, nullptr, nullptr);
    CloseDatabase();
  }
  ReleaseLock();
}

std::vector<EarlierRun> Journal::EarlierRuns() const {
  std::vector<EarlierRun> runs;
  std::error_code error;
  for (const auto& item : fs::directory_iterator(folder_, error)) {
    const std::string name = item.path().filename().string();
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) continue;
    EarlierRun run;
    run.path = item.path().string();
    if (run.path == path_ || IsRunning(run.path)) continue;
    run.started_ms = std::strtoll(name.c_str() + std::strlen(kPrefix), nullptr, 10);
    runs.push_back(std::move(run));
  }
  std::sort(runs.begin(), runs.end(), [](const EarlierRun& a, const EarlierRun& b) {
    return a.started_ms != b.started_ms ? a.started_ms > b.started_ms : a.path > b.path;
  });
  return runs;
}

std::optional<EarlierRun> Journal::FindCrashedRun() const {
  // Only the newest: an older run is never offered in place of one that cannot be read.
  for (EarlierRun& run : EarlierRuns()) {
    if (!ReadRunInfoOrDamaged(run)) continue;
    if (run.closed) return std::nullopt;
    if (run.reading != EarlierRun::Reading::kReadable) return std::move(run);
    std::string message;
    const std::optional<RunContents> contents = ReadRun(run.path, message);
    if (!contents) {
      run.reading = EarlierRun::Reading::kDamaged;
      return std::move(run);
    }
    run.steps = contents->steps;
    if (!WorthOffering(*contents)) return std::nullopt;
    return std::move(run);
  }
  return std::nullopt;
}

std::optional<EarlierRun> Journal::FindLatestRun() const {
  // Newest first, opening journals only until one can be read.
  for (EarlierRun& run : EarlierRuns()) {
    if (ReadRunInfo(run) && run.reading == EarlierRun::Reading::kReadable) return std::move(run);
  }
  return std::nullopt;
}

std::optional<StoredJournal> Journal::ReadStored(const std::string& path, std::string& message) {
  const std::string damaged = JournalDamagedText(path);
  const Reader reader(path);
  if (reader.db() == nullptr) {
    message = damaged;
    return std::nullopt;
  }
  Statement version(reader.db(), "SELECT version FROM schema");
  if (!version.Row()) {
    message = damaged;
    return std::nullopt;
  }
  if (version.Int(0) > kSchemaVersion) {
    message = JournalNewerText(path);
    return std::nullopt;
  }
  const bool with_annex = version.Int(0) >= 2;
  StoredJournal stored;
  stored.name = path;
  Statement base(reader.db(), with_annex ? "SELECT snapshot, annex FROM base WHERE id = 1"
                                         : "SELECT snapshot, NULL FROM base WHERE id = 1");
  if (base.Row()) {
    stored.base = std::string(base.Blob(0));
    stored.base_annex = std::string(base.Blob(1));
  }
  Statement info(reader.db(), "SELECT steps FROM run");
  const bool counted = info.Row();
  stored.steps_at_end = counted ? static_cast<int>(info.Int(0)) : 0;
  Statement entries(reader.db(), with_annex ? "SELECT type, data, annex FROM entries ORDER BY seq"
                                            : "SELECT type, data, NULL FROM entries ORDER BY seq");
  while (entries.Row()) {
    const std::int64_t type = entries.Int(0);
    stored.entries.push_back({type < 0 || type > 255 ? 255 : static_cast<int>(type),
                              std::string(entries.Blob(1)), std::string(entries.Blob(2))});
  }
  stored.whole = entries.Done() && counted;
  return stored;
}

std::optional<RunContents> Journal::ReadRun(const std::string& path, std::string& message) {
  const std::optional<StoredJournal> stored = ReadStored(path, message);
  if (!stored) return std::nullopt;
  return ReadJournal(*stored, message);
}

bool Journal::KeepFinishedRuns(std::string csv) {
  return db_ != nullptr && PutBlob("INSERT OR REPLACE INTO notebook(id, text) VALUES(1, ?)", csv);
}

bool Journal::PutBlob(const char* sql, std::string_view bytes, std::string_view second) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
    Fail(Reason(db_, sqlite3_errcode(db_)));
    return false;
  }
  sqlite3_bind_blob(statement, 1, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
  if (second.data() != nullptr) {
    sqlite3_bind_blob(statement, 2, second.data(), static_cast<int>(second.size()), SQLITE_STATIC);
  }
  const int code = sqlite3_step(statement);
  sqlite3_finalize(statement);
  if (code != SQLITE_DONE) {
    Fail(Reason(db_, code));
    return false;
  }
  return true;
}

std::string Journal::ReadNotebook(const std::string& path) {
  const Reader reader(path);
  if (reader.db() == nullptr) return {};
  // Journals written before the notebook was kept have no such table: nothing to read.
  Statement note(reader.db(), "SELECT text FROM notebook WHERE id = 1");
  if (!note.Row()) return {};
  return std::string(note.Blob(0));
}

void Journal::Prune(int keep_runs, std::uint64_t max_bytes) {
  std::vector<EarlierRun> runs = EarlierRuns();
  std::uint64_t total = path_.empty() ? 0 : RunBytes(path_);
  std::size_t kept = 0;
  const auto keep_earlier = static_cast<std::size_t>(std::max(keep_runs - 1, 0));
  if (!runs.empty()) {
    EarlierRun newest = runs.front();
    // Until it has been offered, a run that did not end normally stays whatever its size.
    if (!ReadRunInfo(newest) || !newest.closed) runs.erase(runs.begin());
  }
  for (const EarlierRun& run : runs) {
    const std::uint64_t bytes = RunBytes(run.path);
    if (kept < keep_earlier && total + bytes <= max_bytes) {
      ++kept;
      total += bytes;
    } else {
      RemoveRun(run.path);
    }
  }
}

}  // namespace vantrel
