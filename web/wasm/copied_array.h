#ifndef VANTREL_WEB_WASM_COPIED_ARRAY_H_
#define VANTREL_WEB_WASM_COPIED_ARRAY_H_

#include <emscripten/val.h>
#include <emscripten/wire.h>

#include <cstddef>

namespace vantrel {

// A typed array of its own holding `count` values copied from the module's memory: a view
// would go stale when the memory grows. The view's `slice` copies in one go, about twice
// as fast as constructing a typed array from the view.
template <typename T>
emscripten::val CopiedArray(const T* data, std::size_t count) {
  return emscripten::val(emscripten::typed_memory_view(count, data))
      .template call<emscripten::val>("slice");
}

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_COPIED_ARRAY_H_
