#include "storage/line_buffer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

namespace vantrel {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads the whole file into `text`; false when it cannot be opened or read.
bool ReadAll(const std::string& file_name, std::string& text) {
  FilePtr file(std::fopen(file_name.c_str(), "rb"));
  if (!file) return false;
  std::error_code ignored;
  const std::uintmax_t size_hint = fs::file_size(file_name, ignored);
  // One read of the whole file when its size is known; the extra byte sees the end.
  std::size_t chunk = size_hint == static_cast<std::uintmax_t>(-1)
                          ? std::size_t{1} << 16
                          : static_cast<std::size_t>(size_hint) + 1;
  text.clear();
  for (;;) {
    const std::size_t old_size = text.size();
    text.resize(old_size + chunk);
    const std::size_t got = std::fread(text.data() + old_size, 1, chunk, file.get());
    text.resize(old_size + got);
    if (got < chunk) break;
    chunk = std::max(chunk, std::size_t{1} << 16);
  }
  return !std::ferror(file.get());
}

// Where the bytes of `file_name` really go: the file a symbolic link points to, so that
// replacing it keeps the link.
fs::path ResolveTarget(const std::string& file_name) {
  std::error_code error;
  fs::path target(file_name);
  if (fs::is_symlink(target, error)) {
    fs::path resolved = fs::canonical(target, error);
    if (!error) return resolved;
  }
  return target;
}

// The target must be a regular file we may write, or not exist yet. Anything else (a
// folder, a device, a read-only file) is refused before a byte is written.
bool MayReplace(const fs::path& target) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (status.type() == fs::file_type::not_found) return true;
  if (status.type() != fs::file_type::regular) return false;
  // "r+" neither creates nor empties the file; it only asks for write access.
  return FilePtr(std::fopen(target.c_str(), "r+b")) != nullptr;
}

// Creates a new, empty file with a fresh name beside `target`; "x" refuses a name that
// exists already.
FilePtr CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
  std::random_device device;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(device()));
    temporary = target.parent_path() / ("." + target.filename().string() + suffix);
    if (FilePtr file{std::fopen(temporary.c_str(), "wbx")}) return file;
  }
  return nullptr;
}

// Writes `bytes` and flushes them; false when any of it failed.
bool WriteAll(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
}

// Overwrites an existing file's bytes without replacing the file, so that its owner, links
// and access lists stay. The old bytes are kept in memory first: when the write fails they
// go back, so the file is never left half-written.
FileResult WriteInPlace(const fs::path& target, const std::function<bool(std::FILE*)>& write) {
  std::string old;
  if (!ReadAll(target.string(), old)) return FileResult::kCannotCreate;
  FilePtr file(std::fopen(target.c_str(), "r+b"));
  if (!file) return FileResult::kCannotCreate;
  const auto truncate_to = [&file](long size) {
    return size >= 0 && ::ftruncate(::fileno(file.get()), static_cast<off_t>(size)) == 0;
  };
  if (write(file.get()) && truncate_to(std::ftell(file.get()))) {
    return std::fclose(file.release()) == 0 ? FileResult::kOk : FileResult::kWriteError;
  }
  std::clearerr(file.get());
  std::rewind(file.get());
  WriteAll(file.get(), old);
  truncate_to(static_cast<long>(old.size()));
  return FileResult::kWriteError;
}

}  // namespace

void LineBuffer::Clear() {
  text_.clear();
  lines_.clear();
}

void LineBuffer::Append(std::string_view line) {
  lines_.push_back({text_.size(), line.size()});
  text_.append(line);
}

std::string_view LineBuffer::Line(int index) const {
  if (index < 0 || index >= Count()) return {};
  const Span& span = lines_[static_cast<std::size_t>(index)];
  return std::string_view(text_).substr(span.begin, std::min(span.length, kLineLimit));
}

void LineBuffer::SetText(std::string text) {
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  text_ = std::move(text);
  lines_.clear();
  const std::size_t size = text_.size();
  std::size_t begin = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = text_[i];
    if (c != '\r' && c != '\n') continue;
    lines_.push_back({begin, i - begin});
    if (c == '\r' && i + 1 < size && text_[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < size) lines_.push_back({begin, size - begin});
}

FileResult LineBuffer::LoadFromFile(const std::string& file_name) {
  std::string text;
  if (!ReadAll(file_name, text)) return FileResult::kCannotOpen;
  SetText(std::move(text));
  return FileResult::kOk;
}

bool LineBuffer::WriteLines(std::FILE* file) const {
  // Lines go out through a block of about 1 MB, so that a long table costs few writes.
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string block;
  block.reserve(kBlock + 2);
  for (const Span& span : lines_) {
    block.append(text_, span.begin, span.length);
    block.append("\r\n");
    if (block.size() >= kBlock) {
      if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) return false;
      block.clear();
    }
  }
  return WriteAll(file, block);
}

FileResult LineBuffer::SaveToFile(const std::string& file_name) const {
  const fs::path target = ResolveTarget(file_name);
  if (!MayReplace(target)) return FileResult::kCannotCreate;
  const auto write = [this](std::FILE* file) { return WriteLines(file); };
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // A rename would cut a hard link and hand another user's file over to us: such files,
  // and files in a folder where nothing new can be made, are written where they are.
  if (exists && (old.st_nlink > 1 || old.st_uid != ::geteuid())) {
    return WriteInPlace(target, write);
  }
  fs::path temporary;
  FilePtr file = CreateTemporaryBeside(target, temporary);
  if (!file) return exists ? WriteInPlace(target, write) : FileResult::kCannotCreate;
  bool written = WriteLines(file.get());
  written = std::fclose(file.release()) == 0 && written;
  std::error_code error;
  if (!written) {
    fs::remove(temporary, error);
    return FileResult::kWriteError;
  }
  // The replaced file's permissions carry over to its successor.
  if (exists) {
    fs::permissions(temporary, static_cast<fs::perms>(old.st_mode) & fs::perms::mask, error);
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return FileResult::kCannotCreate;
  }
  return FileResult::kOk;
}

}  // namespace vantrel
