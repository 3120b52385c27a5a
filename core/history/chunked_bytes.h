#ifndef VANTREL_HISTORY_CHUNKED_BYTES_H_
#define VANTREL_HISTORY_CHUNKED_BYTES_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// An append-only store of byte blobs in fixed-size chunks, so that a store of a hundred
// megabytes never holds the same again as spare capacity (as a doubling buffer would) and
// never copies itself while it grows.
class ChunkedBytes {
 public:
  static constexpr std::size_t kChunkSize = std::size_t{256} * 1024;

  // Stores `blob` in one piece and returns where it begins.
  std::uint64_t Append(std::string_view blob);
  // The bytes from `position` to the end of its chunk; a blob is read from its start.
  std::string_view From(std::uint64_t position) const;
  // Forgets everything from `position` on.
  void Truncate(std::uint64_t position);

  std::size_t MemoryBytes() const;

 private:
  std::vector<std::string> chunks_;
};

}  // namespace vantrel

#endif  // VANTREL_HISTORY_CHUNKED_BYTES_H_
