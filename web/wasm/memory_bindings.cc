// Memory made ready for a big load ahead of it, a slice at a time. The first write to each
// page of the module's memory has the system hand the page over, which on some machines
// costs as much as the load's own work; a load of 100,000 organisms writes some 60 MB of
// fresh memory. A reserve takes that memory and writes to its pages over several short
// calls, which the page makes in tasks of their own; freed, it goes back to the allocator,
// which gives the same, already written, memory to the load that follows.

#include <emscripten/bind.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>

namespace vantrel {
namespace {

constexpr std::size_t kPageBytes = 4096;  // the system's page, smaller than WebAssembly's
constexpr double kMostBytes = 4e9;        // beyond what the module can address at all

class MemoryReserve {
 public:
  // Takes `bytes` of memory, or none when there is not that much to be had.
  explicit MemoryReserve(double bytes)
      : size_(bytes > 0 && bytes < kMostBytes ? static_cast<std::size_t>(bytes) : 0),
        block_(size_ > 0 ? new (std::nothrow) char[size_] : nullptr) {
    if (!block_) size_ = 0;
  }

  [[nodiscard]] bool ok() const { return block_ != nullptr; }

  // Writes to the pages of up to `bytes` more of the reserve; true once all are written.
  bool Touch(double bytes) {
    const std::size_t step = bytes > 0 ? static_cast<std::size_t>(bytes) : 0;
    const std::size_t end = std::min(size_, touched_ + std::max(step, kPageBytes));
    // Volatile, so that the compiler keeps writes that nothing reads before the free.
    volatile char* pages = block_.get();
    for (; touched_ < end; touched_ += kPageBytes) pages[touched_] = 0;
    return touched_ >= size_;
  }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> block_;
  std::size_t touched_ = 0;
};

}  // namespace
}  // namespace vantrel

EMSCRIPTEN_BINDINGS(memory) {
  emscripten::class_<vantrel::MemoryReserve>("MemoryReserve")
      .constructor<double>()
      .function("ok", &vantrel::MemoryReserve::ok)
      .function("touch", &vantrel::MemoryReserve::Touch);
}
