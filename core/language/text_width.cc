#include "language/text_width.h"

#include <algorithm>

namespace vantrel {

int DisplayWidth(std::string_view utf8) {
  // Every byte but a continuation byte (10xxxxxx) starts a character.
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string PadRight(std::string_view utf8, int width) {
  std::string padded(utf8);
  padded.append(static_cast<std::size_t>(std::max(0, width - DisplayWidth(utf8))), ' ');
  return padded;
}

std::string PadLeft(std::string_view utf8, int width) {
  std::string padded(static_cast<std::size_t>(std::max(0, width - DisplayWidth(utf8))), ' ');
  padded += utf8;
  return padded;
}

}  // namespace vantrel
