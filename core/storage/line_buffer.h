#ifndef VANTREL_STORAGE_LINE_BUFFER_H_
#define VANTREL_STORAGE_LINE_BUFFER_H_

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "storage/atomic_file.h"

namespace vantrel {

// Reads the whole of `file_name` into `text`; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& file_name, std::string& text);

// An ordered list of text lines of bytes, the go-between of a table file and a grid.
// Lines are kept back to back in one block of text, so that a file of a million lines
// costs one allocation for its text and one for the line positions.
class LineBuffer {
 public:
  // Line reads give at most this many bytes of a line.
  static constexpr std::size_t kLineLimit = 4096;

  void Clear();
  void Append(std::string_view line);
  int Count() const { return static_cast<int>(lines_.size()); }
  // Line `index` (from 0) cut to kLineLimit bytes; the empty text at or past Count().
  std::string_view Line(int index) const;

  // Replaces every line by `text` split at line ends: CR LF, a lone CR and a lone LF
  // each end a line; a line end at the very end starts no further line. Text from the
  // first NUL byte on is dropped.
  void SetText(std::string text);

  // Reads the file's bytes and splits them as SetText does. On failure the lines are
  // left as they were.
  FileResult LoadFromFile(const std::string& file_name);

  // Writes every line followed by CR LF, whole or not at all (WriteFileWhole): a failure
  // leaves the target as it was.
  FileResult SaveToFile(const std::string& file_name) const;

  // The bytes SaveToFile writes: every whole line followed by CR LF.
  std::string Text() const;

 private:
  struct Span {
    std::size_t begin;
    std::size_t length;
  };

  // Writes every line followed by CR LF and flushes; false when any of it failed.
  bool WriteLines(std::FILE* file) const;

  std::string text_;
  std::vector<Span> lines_;
};

}  // namespace vantrel

#endif  // VANTREL_STORAGE_LINE_BUFFER_H_
