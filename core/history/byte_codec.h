#ifndef VANTREL_HISTORY_BYTE_CODEC_H_
#define VANTREL_HISTORY_BYTE_CODEC_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// Compact byte encoding for steps, records and journal rows: unsigned numbers as base-128
// varints, signed ones zigzag-coded, texts as a length and their bytes.
void PutVarint(std::string& out, std::uint64_t value);
void PutSigned(std::string& out, std::int64_t value);
void PutText(std::string& out, std::string_view text);

// Reads what the Put functions wrote. Reading past the end, or a malformed number, sets
// ok() to false and yields zeros and empty texts from then on, so a damaged blob is caught
// once at the end instead of at every field.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::uint64_t Varint();
  std::int64_t Signed();
  int Int() { return static_cast<int>(Signed()); }
  std::string_view Text();

  // Passes over `count` bytes (all that are left, and not ok(), when fewer remain).
  void Skip(std::uint64_t count);
  std::size_t Remaining() const { return bytes_.size() - pos_; }

  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_BYTE_CODEC_H_
