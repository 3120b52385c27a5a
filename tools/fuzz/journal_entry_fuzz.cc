// libFuzzer target for what a journal holds: any bytes as a step entry, a base snapshot and
// the notebook run kept beside them. Whatever decodes must encode to bytes that decode to
// the same thing again, so a restore never acts on a half-read entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/run_bytes.h"
#include "history/step.h"
#include "tools/fuzz/memory_bound.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Whatever `decode` reads from `bytes` must encode to bytes that read back the same.
template <typename Value, typename Decode, typename Encode>
void RequireStableRoundTrip(std::string_view bytes, Decode decode, Encode encode) {
  Value value;
  if (!decode(bytes, value)) return;
  const std::string again = encode(value);
  Value second;
  Require(decode(again, second));
  Require(encode(second) == again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vantrel::fuzz::MemoryBound bound(size);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  RequireStableRoundTrip<vantrel::StepEvent>(
      bytes, vantrel::DecodeStepEvent,
      [](const vantrel::StepEvent& event) { return vantrel::EncodeStepEvent(event); });
  RequireStableRoundTrip<vantrel::Snapshot>(bytes, vantrel::DecodeSnapshot,
                                            vantrel::EncodeSnapshot);
  RequireStableRoundTrip<vantrel::RunState>(bytes, vantrel::DecodeRunState,
                                            vantrel::EncodeRunState);
  vantrel::Snapshot snapshot;
  if (vantrel::DecodeSnapshot(bytes, snapshot)) {
    // Rows end at their last text, as the grid stores them.
    for (const auto& cells : snapshot.rows) Require(cells.empty() || !cells.back().empty());
  }
  return 0;
}
