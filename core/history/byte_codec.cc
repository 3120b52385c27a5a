#include "history/byte_codec.h"

namespace vantrel {

namespace {
constexpr unsigned kPayloadBits = 7;
constexpr std::uint8_t kMore = 0x80;
constexpr std::uint8_t kPayload = 0x7f;
constexpr unsigned kMaxShift = 63;
}  // namespace

void PutVarint(std::string& out, std::uint64_t value) {
  // Most numbers (columns, row steps, "the record's text") take one byte.
  if (value < kMore) {
    out.push_back(static_cast<char>(value));
    return;
  }
  // Longer ones are gathered first and appended at once.
  constexpr std::size_t kMaxBytes = 10;
  char bytes[kMaxBytes];
  std::size_t size = 0;
  while (value >= kMore) {
    bytes[size++] = static_cast<char>((value & kPayload) | kMore);
    value >>= kPayloadBits;
  }
  bytes[size++] = static_cast<char>(value);
  out.append(bytes, size);
}

void PutSigned(std::string& out, std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  PutVarint(out, (bits << 1) ^ (value < 0 ? ~std::uint64_t{0} : 0));
}

void PutText(std::string& out, std::string_view text) {
  PutVarint(out, text.size());
  out.append(text);
}

std::uint64_t ByteReader::Varint() {
  std::uint64_t value = 0;
  for (unsigned shift = 0; ok_; shift += kPayloadBits) {
    if (pos_ >= bytes_.size() || shift > kMaxShift) {
      ok_ = false;
      break;
    }
    const auto byte = static_cast<std::uint8_t>(bytes_[pos_++]);
    value |= static_cast<std::uint64_t>(byte & kPayload) << shift;
    if ((byte & kMore) == 0) return value;
  }
  return 0;
}

std::int64_t ByteReader::Signed() {
  const std::uint64_t bits = Varint();
  return static_cast<std::int64_t>((bits >> 1) ^ (~(bits & 1) + 1));
}

void ByteReader::Skip(std::uint64_t count) {
  if (count > Remaining()) {
    ok_ = false;
    pos_ = bytes_.size();
    return;
  }
  pos_ += count;
}

std::string_view ByteReader::Text() {
  const std::uint64_t size = Varint();
  if (!ok_ || size > bytes_.size() - pos_) {
    ok_ = false;
    return {};
  }
  const std::string_view text = bytes_.substr(pos_, size);
  pos_ += size;
  return text;
}

}  // namespace vantrel
