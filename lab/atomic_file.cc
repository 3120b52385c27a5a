#include "lab/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vantrel {

namespace {

std::string Failure(const std::string& path, int error) {
  return "cannot write " + path + ": " + std::strerror(error);
}

// Creates an empty temporary file beside `path`; returns its descriptor (or -1 with errno
// set) and its name in `temp`.
int MakeTemporary(const std::string& path, std::string& temp) {
  std::vector<char> name(path.begin(), path.end());
  const char suffix[] = ".tmp-XXXXXX";
  name.insert(name.end(), suffix, suffix + sizeof suffix);
  const int fd = mkstemp(name.data());
  temp = name.data();
  return fd;
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
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  // Keep the usual permissions of a new file rather than mkstemp's owner-only ones.
  const mode_t mask = umask(0);
  umask(mask);
  if (error == 0 && chmod(temp.c_str(), 0666 & ~mask) != 0) error = errno;
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
