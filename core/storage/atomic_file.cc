#include "storage/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "language/catalogue.h"

namespace vantrel {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// errno, or `fallback` when a failed call left it unset.
int LastError(int fallback = EIO) { return errno != 0 ? errno : fallback; }

// Where the bytes of `path` really go: the file a symbolic link points to, so that
// replacing it keeps the link.
fs::path ResolveTarget(const std::string& path) {
  std::error_code error;
  fs::path target(path);
  if (fs::is_symlink(target, error)) {
    fs::path resolved = fs::canonical(target, error);
    if (!error) return resolved;
  }
  return target;
}

// 0 when the target is a regular file we may write, or does not exist yet; else why not.
// Anything else (a folder, a device, a read-only file) is refused before a byte is written.
int RefusalOf(const fs::path& target) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (status.type() == fs::file_type::not_found) return 0;
  if (status.type() == fs::file_type::directory) return EISDIR;
  if (status.type() != fs::file_type::regular) return error ? error.value() : EINVAL;
  // "r+" neither creates nor empties the file; it only asks for write access.
  errno = 0;
  return FilePtr(std::fopen(target.c_str(), "r+b")) != nullptr ? 0 : LastError(EACCES);
}

// Creates a new, empty file with a fresh name beside `target`; "x" refuses a name that
// exists already. On failure `error` says why.
FilePtr CreateTemporaryBeside(const fs::path& target, fs::path& temporary, int& error) {
  std::random_device device;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(device()));
    temporary = target.parent_path() / ("." + target.filename().string() + suffix);
    errno = 0;
    if (FilePtr file{std::fopen(temporary.c_str(), "wbx")}) return file;
    error = LastError();
    if (error != EEXIST) break;
  }
  return nullptr;
}

// Reads the whole file into `text`; false when it cannot be opened or read.
bool ReadWhole(const fs::path& path, std::string& text) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  text.clear();
  char block[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) text.append(block, got);
  return !std::ferror(file.get());
}

// Writes `bytes` and flushes them; false when any of it failed.
bool WriteAll(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

// Overwrites an existing file's bytes without replacing the file, so that its owner, links
// and access lists stay. The old bytes are kept in memory first: when the write fails they
// go back, so the file is never left half-written.
FileWrite WriteInPlace(const fs::path& target, const std::function<bool(std::FILE*)>& write) {
  std::string old;
  errno = 0;
  if (!ReadWhole(target, old)) return {FileResult::kCannotCreate, LastError()};
  FilePtr file(std::fopen(target.c_str(), "r+b"));
  if (!file) return {FileResult::kCannotCreate, LastError()};
  const auto truncate_to = [&file](long size) {
    return size >= 0 && ::ftruncate(::fileno(file.get()), static_cast<off_t>(size)) == 0;
  };
  errno = 0;
  if (write(file.get()) && std::fflush(file.get()) == 0 && truncate_to(std::ftell(file.get())) &&
      ::fsync(::fileno(file.get())) == 0) {
    if (std::fclose(file.release()) == 0) return {};
    return {FileResult::kWriteError, LastError()};
  }
  const int error = LastError();
  std::clearerr(file.get());
  std::rewind(file.get());
  WriteAll(file.get(), old);
  truncate_to(static_cast<long>(old.size()));
  return {FileResult::kWriteError, error};
}

std::string Failure(const std::string& path, int error) {
  // The system words its reasons in English; the catalogue holds translations of the
  // common ones under their English text, and any other stays as the system says it.
  return Arg(Tr("Files", "cannot write %1: %2"), {path, Tr("Files", std::strerror(error))});
}

}  // namespace

FileWrite WriteFileWhole(const std::string& path, const std::function<bool(std::FILE*)>& write) {
  const fs::path target = ResolveTarget(path);
  if (const int refusal = RefusalOf(target); refusal != 0) {
    return {FileResult::kCannotCreate, refusal};
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // A rename would cut a hard link and hand another user's file over to us: such files,
  // and files in a folder where nothing new can be made, are written where they are.
  if (exists && (old.st_nlink > 1 || old.st_uid != ::geteuid())) {
    return WriteInPlace(target, write);
  }
  fs::path temporary;
  int error = 0;
  FilePtr file = CreateTemporaryBeside(target, temporary, error);
  if (!file) {
    return exists ? WriteInPlace(target, write) : FileWrite{FileResult::kCannotCreate, error};
  }
  errno = 0;
  bool written =
      write(file.get()) && std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
  if (!written) error = LastError();
  if (std::fclose(file.release()) != 0 && written) {
    written = false;
    error = LastError();
  }
  std::error_code ignored;
  if (!written) {
    fs::remove(temporary, ignored);
    return {FileResult::kWriteError, error};
  }
  // The replaced file's permissions carry over to its successor.
  if (exists) {
    fs::permissions(temporary, static_cast<fs::perms>(old.st_mode) & fs::perms::mask, ignored);
  }
  std::error_code renamed;
  fs::rename(temporary, target, renamed);
  if (renamed) {
    fs::remove(temporary, ignored);
    return {FileResult::kCannotCreate, renamed.value()};
  }
  return {};
}

std::string WriteFileAtomically(const std::string& path, std::string_view contents) {
  const FileWrite written =
      WriteFileWhole(path, [contents](std::FILE* file) { return WriteAll(file, contents); });
  return written.ok() ? std::string() : Failure(path, written.error);
}

std::string CheckWritable(const std::string& path) {
  if (path.empty()) return Tr("Files", "no file name");
  const fs::path target = ResolveTarget(path);
  if (const int refusal = RefusalOf(target); refusal != 0) return Failure(path, refusal);
  fs::path temporary;
  int error = 0;
  if (FilePtr file = CreateTemporaryBeside(target, temporary, error)) {
    file.reset();
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return {};
  }
  // An existing file that may be written is written in place.
  std::error_code ignored;
  return fs::is_regular_file(target, ignored) ? std::string() : Failure(path, error);
}

}  // namespace vantrel
