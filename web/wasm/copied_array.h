#ifndef VANTREL_WEB_WASM_COPIED_ARRAY_H_
#define VANTREL_WEB_WASM_COPIED_ARRAY_H_

#include <emscripten/val.h>
#include <emscripten/wire.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantrel {

// A typed array of its own holding `count` values copied from the module's memory: a view
// would go stale when the memory grows. The view's `slice` copies in one go, about twice
// as fast as constructing a typed array from the view.
template <typename T>
emscripten::val CopiedArray(const T* data, std::size_t count) {
  return emscripten::val(emscripten::typed_memory_view(count, data))
      .template call<emscripten::val>("slice");
}

// `bytes` as a Uint8Array of its own.
inline emscripten::val CopiedBytes(const std::string& bytes) {
  return CopiedArray(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The bytes of a Uint8Array (or any array of bytes), copied in one go straight into the
// text; none for null or undefined.
inline std::string BytesOf(const emscripten::val& bytes) {
  std::string text;
  if (bytes.isNull() || bytes.isUndefined()) return text;
  text.resize(bytes["length"].as<std::size_t>());
  emscripten::val(
      emscripten::typed_memory_view(text.size(), reinterpret_cast<std::uint8_t*>(text.data())))
      .call<void>("set", bytes);
  return text;
}

// The bytes of a Uint8Array; none for anything else.
inline std::string Uint8ArrayBytes(const emscripten::val& bytes) {
  return bytes.instanceof (emscripten::val::global("Uint8Array")) ? BytesOf(bytes) : std::string();
}

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_COPIED_ARRAY_H_
