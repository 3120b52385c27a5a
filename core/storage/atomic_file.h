#ifndef VANTREL_STORAGE_ATOMIC_FILE_H_
#define VANTREL_STORAGE_ATOMIC_FILE_H_

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace vantrel {

// How a file operation ended.
enum class FileResult {
  kOk,
  kCannotOpen,    // the file could not be opened or read
  kCannotCreate,  // the file could not be created or replaced
  kWriteError,    // writing failed after the file was created
};

// The end of a write: its result and, on failure, the system's reason (an errno value).
struct FileWrite {
  FileResult result = FileResult::kOk;
  int error = 0;

  bool ok() const { return result == FileResult::kOk; }
};

// Writes a file whole or not at all: `write` puts the bytes into the stream it is handed
// and says whether that went well. The bytes go to a new file beside the target, flushed
// to the disk, which then replaces the target in one rename and keeps its permissions; a
// symbolic link is followed, so the link stays. A target with more than one hard link, one
// that belongs to another user, or one in a folder where no new file can be made is
// written in place instead, its old bytes put back if the write fails. Either way a
// failure leaves the target as it was and nothing beside it. A target that is not a
// regular file, or that may not be written, is refused before a byte is written.
FileWrite WriteFileWhole(const std::string& path, const std::function<bool(std::FILE*)>& write);

// Writes `contents` as WriteFileWhole does. Returns an empty text on success, else one line
// naming the file and the reason ("cannot write PATH: REASON").
std::string WriteFileAtomically(const std::string& path, std::string_view contents);

// Tells, without touching the target, whether WriteFileAtomically could write `path`: it
// is no folder, and a new file can be made beside it or it can be written in place. Empty
// when it can, else a line as WriteFileAtomically gives.
std::string CheckWritable(const std::string& path);

}  // namespace vantrel

#endif  // VANTREL_STORAGE_ATOMIC_FILE_H_
