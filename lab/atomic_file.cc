#include "lab/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vantrel {

namespace {

std::string Failure(const std::string& path, int error) {
  return "cannot write " + path + ": " + std::strerror(error);
}

// Creates an empty temporary file beside `path` with the permissions of a new file; returns
// its descriptor (or -1 with errno set) and its name in `temp`.
int MakeTemporary(const std::string& path, std::string& temp) {
  static std::atomic<unsigned> serial{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(serial++);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view contents) {
  if (IsFolder(path)) return Failure(path, EISDIR);
  std::string temp;
  const int fd = MakeTemporary(path, temp);
  if (fd < 0) return Failure(path, errno);
  int error = 0;
  for (std::size_t done = 0; done < contents.size() && error == 0;) {
    const ssize_t written = write(fd, contents.data() + done, contents.size() - done);
    if (written < 0 && errno != EINTR) error = errno;
    if (written > 0) done += static_cast<std::size_t>(written);
  }
  // A replaced file keeps its permissions.
  struct stat old {};
  if (error == 0 && stat(path.c_str(), &old) == 0 && fchmod(fd, old.st_mode & 07777) != 0) {
    error = errno;
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temp.c_str());
    return Failure(path, error);
  }
  return {};
}

std::string CheckWritable(const std::string& path) {
  if (path.empty()) return "no file name";
  if (IsFolder(path)) return Failure(path, EISDIR);
  std::string temp;
  const int fd = MakeTemporary(path, temp);
  if (fd < 0) return Failure(path, errno);
  close(fd);
  unlink(temp.c_str());
  return {};
}

}  // namespace vantrel
