// Counts the bytes a fuzz target holds and fails an input whose peak passes 64 times its
// size plus 64 MB: no input of n bytes may make the program hold more than a small
// multiple of n. Include it in one file of a fuzz target only: it replaces the global
// operator new and delete of the whole program.
#ifndef VANTREL_TOOLS_FUZZ_MEMORY_BOUND_H_
#define VANTREL_TOOLS_FUZZ_MEMORY_BOUND_H_

#include <malloc.h>

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace vantrel::fuzz {

// libFuzzer's own thread allocates too.
inline std::atomic<std::size_t> live_bytes{0};
inline std::atomic<std::size_t> peak_bytes{0};

inline void* Counted(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  const std::size_t now = live_bytes += malloc_usable_size(block);
  std::size_t peak = peak_bytes.load();
  while (now > peak && !peak_bytes.compare_exchange_weak(peak, now)) {
  }
  return block;
}

inline void Uncounted(void* block) {
  if (block == nullptr) return;
  live_bytes -= malloc_usable_size(block);
  std::free(block);
}

// Watches one input: the peak of what it holds above what was held before it.
class MemoryBound {
 public:
  explicit MemoryBound(std::size_t input_size)
      : limit_(64 * input_size + (std::size_t{64} << 20)), start_(live_bytes) {
    peak_bytes = live_bytes.load();
  }
  ~MemoryBound() {
    const std::size_t used = peak_bytes - start_;
    if (used > limit_) {
      std::fprintf(stderr, "input held %zu bytes at its peak; the bound is %zu\n", used, limit_);
      std::abort();
    }
  }
  MemoryBound(const MemoryBound&) = delete;
  MemoryBound& operator=(const MemoryBound&) = delete;

 private:
  std::size_t limit_;
  std::size_t start_;
};

}  // namespace vantrel::fuzz

void* operator new(std::size_t size) { return vantrel::fuzz::Counted(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return vantrel::fuzz::Counted(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void* operator new[](std::size_t size) { return vantrel::fuzz::Counted(size); }
void operator delete(void* block) noexcept { vantrel::fuzz::Uncounted(block); }
void operator delete[](void* block) noexcept { vantrel::fuzz::Uncounted(block); }
void operator delete(void* block, std::size_t) noexcept { vantrel::fuzz::Uncounted(block); }
void operator delete[](void* block, std::size_t) noexcept { vantrel::fuzz::Uncounted(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept {
  vantrel::fuzz::Uncounted(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  vantrel::fuzz::Uncounted(block);
}

#endif  // VANTREL_TOOLS_FUZZ_MEMORY_BOUND_H_
