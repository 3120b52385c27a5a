#include "storage/line_buffer.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

namespace vantrel {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool ReadWholeFile(const std::string& file_name, std::string& text) {
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
  if (!ReadWholeFile(file_name, text)) return FileResult::kCannotOpen;
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
  return std::fwrite(block.data(), 1, block.size(), file) == block.size() && std::fflush(file) == 0;
}

std::string LineBuffer::Text() const {
  std::string text;
  text.reserve(text_.size() + 2 * lines_.size());
  for (const Span& span : lines_) {
    text.append(text_, span.begin, span.length);
    text.append("\r\n");
  }
  return text;
}

FileResult LineBuffer::SaveToFile(const std::string& file_name) const {
  return WriteFileWhole(file_name, [this](std::FILE* file) { return WriteLines(file); }).result;
}

}  // namespace vantrel
