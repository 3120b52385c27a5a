#include "history/chunked_bytes.h"

#include <algorithm>

namespace vantrel {

namespace {
constexpr unsigned kChunkShift = 32;
constexpr std::uint64_t kOffsetMask = 0xffffffffULL;
}  // namespace

std::uint64_t ChunkedBytes::Append(std::string_view blob) {
  if (chunks_.empty() || chunks_.back().capacity() - chunks_.back().size() < blob.size()) {
    chunks_.emplace_back();
    chunks_.back().reserve(std::max(kChunkSize, blob.size()));
  }
  std::string& chunk = chunks_.back();
  const std::uint64_t position = (std::uint64_t{chunks_.size() - 1} << kChunkShift) | chunk.size();
  chunk.append(blob);
  return position;
}

std::string_view ChunkedBytes::From(std::uint64_t position) const {
  const std::size_t index = position >> kChunkShift;
  if (index >= chunks_.size()) return {};
  const std::string_view chunk = chunks_[index];
  const std::size_t offset = position & kOffsetMask;
  return offset <= chunk.size() ? chunk.substr(offset) : std::string_view();
}

void ChunkedBytes::Truncate(std::uint64_t position) {
  const std::size_t index = position >> kChunkShift;
  if (index >= chunks_.size()) return;
  chunks_.resize(index + 1);
  chunks_.back().resize(std::min<std::size_t>(position & kOffsetMask, chunks_.back().size()));
}

std::size_t ChunkedBytes::MemoryBytes() const {
  std::size_t bytes = chunks_.capacity() * sizeof(std::string);
  for (const std::string& chunk : chunks_) bytes += chunk.capacity();
  return bytes;
}

}  // namespace vantrel
