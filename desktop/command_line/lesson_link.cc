#include "desktop/command_line/lesson_link.h"

#include <zlib.h>

#include <array>

#include "lab/lesson.h"

namespace vantrel {

std::optional<std::string> InflateRaw(std::string_view packed, std::size_t most) {
  z_stream stream{};
  // Negative window bits: a raw deflate stream, without zlib's header and checksum.
  if (inflateInit2(&stream, -15) != Z_OK) return std::nullopt;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  std::string out;
  std::array<char, 4096> chunk{};
  int status = Z_OK;
  while (status == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
    stream.avail_out = static_cast<uInt>(chunk.size());
    status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) break;
    out.append(chunk.data(), chunk.size() - stream.avail_out);
    if (out.size() > most) break;
    // No progress with input left means the stream ends early.
    if (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) break;
  }
  inflateEnd(&stream);
  if (status != Z_STREAM_END || out.size() > most) return std::nullopt;
  return out;
}

std::optional<std::string> LessonTextFromLink(std::string_view link) {
  const std::optional<std::string_view> data = LessonLinkData(link);
  if (!data) return std::nullopt;
  const std::optional<std::string> packed = Base64UrlDecode(*data);
  if (!packed) return std::nullopt;
  std::optional<std::string> text = InflateRaw(*packed, kMaxLessonBytes);
  if (!text || !ParseLesson(*text).lesson) return std::nullopt;
  return text;
}

}  // namespace vantrel
